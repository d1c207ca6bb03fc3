#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace mirelo {

// Opens a page with the desktop's default program. Commands hold this interface
// so tests can see the address without a browser starting.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when the desktop has no program for it.
    virtual bool Open(const QUrl& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool Open(const QUrl& url) override;
};

// Where the tutorial may be, in order: beside the program (docs/tutorial.html,
// where the build puts it), the shared-data folder of an installed program, and
// the source tree the program was built from.
QStringList TutorialCandidates(const QString& programFolder);

// The first candidate that exists. Raises an Error naming the places tried.
QString FindTutorial(const QStringList& candidates);

// Opens the tutorial; raises an Error when it is missing or cannot be shown.
void OpenTutorial(UrlOpener& opener, const QString& programFolder);

// The text of "About": the version, the licence, and where OpenSees comes from.
QString AboutText();

} // namespace mirelo
