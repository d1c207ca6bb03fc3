#pragma once

#include <QString>
#include <QStringList>

namespace mirelo {

// The model and project files opened most recently, newest first, remembered
// between runs in the program's one store (ProgramSettings).
class RecentFiles {
public:
    static constexpr int kMaxCount = 8;

    RecentFiles(); // reads the list
    const QStringList& Paths() const { return paths_; }
    // Puts the file first (once; the same file named by another path is one
    // file), keeps kMaxCount, and saves the list.
    void Add(const QString& path);

private:
    QStringList paths_;
};

} // namespace mirelo
