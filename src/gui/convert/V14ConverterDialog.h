#pragma once

#include "common/TextLines.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace mirelo {

class CommandHost;
class FileChooser;

// "Transfer Sap2000 V14 s2k file to Sap2000 V16" (TForm11): converts a
// SAP2000 V14 table file into version-6 s2k text and saves it. It never
// touches the model; the user imports the saved file as any other.
class V14ConverterDialog : public QDialog {
    Q_OBJECT

public:
    V14ConverterDialog(FileChooser& fileChooser, CommandHost& host, QWidget* parent = nullptr);

    void OpenClicked(); // "Open S2k": choose a V14 file and convert it
    void SaveClicked(); // "Save S2k": write the converted text

private:
    void Convert(const QString& path);
    void ShowSummary(const std::vector<std::string>& lines);

    FileChooser& fileChooser_;
    CommandHost& host_;
    QPlainTextEdit* memo_;
    TextLines v6Lines_;      // the converted text that "Save S2k" writes
    bool converted_ = false; // v6Lines_ holds a whole conversion
    QString failedPath_;     // the file whose conversion failed last, if any
};

} // namespace mirelo
