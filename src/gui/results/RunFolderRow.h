#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace mirelo {

class FileChooser;
class ResultStepBar;

// "Run folder": the one folder every result window reads (the step bar's,
// which the project keeps), "Folder..." to choose another (any file of the
// run picks its folder) and "Load" to read the shown step again.
class RunFolderRow : public QWidget {
    Q_OBJECT

public:
    RunFolderRow(ResultStepBar& steps, FileChooser& files, QWidget* parent);

    // Shows the folder as it stands now.
    void ShowFolder();

    // Asks for any file of a run; its folder, or none when the user cancels.
    static std::optional<QString> ChooseFolder(FileChooser& files);

signals:
    void LoadRequested(); // "Load", or a folder chosen

private:
    ResultStepBar& steps_;
    FileChooser& files_;
    QLabel* folder_;
};

} // namespace mirelo
