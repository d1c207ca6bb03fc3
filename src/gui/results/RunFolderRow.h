#pragma once

#include <QWidget>

#include <string>

class QLineEdit;

namespace mirelo {

class FileChooser;

// "Run folder" with its box, "Browse..." (any file of the run picks its
// folder) and "Load", shared by the windows that read one run's files.
class RunFolderRow : public QWidget {
    Q_OBJECT

public:
    // `filter` is what Browse offers, as FileChooser takes it.
    RunFolderRow(FileChooser& files, QString filter, QWidget* parent);

    void SetFolder(const QString& folder);
    // The folder as the readers take it, in the file names' encoding.
    std::string Folder() const;

signals:
    void LoadRequested(); // "Load", or a folder picked through Browse

private:
    FileChooser& files_;
    QString filter_;
    QLineEdit* folder_;
};

} // namespace mirelo
