#include "GuiTestSupport.h"

#include "gui/common/ProgramSettings.h"
#include "gui/main/DrawingArea.h"
#include "gui/main/ModelStatusBar.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QToolButton>

namespace mirelo::test {

const char* const kPortalS2k = R"(SYSTEM
  LENGTH=MM  FORCE=N

JOINT
  1  X=0  Y=0  Z=0
  2  X=0  Y=0  Z=3000
  3  X=5000  Y=0  Z=3000
  4  X=5000  Y=0  Z=0

RESTRAINT
  ADD=1  DOF=U1,U2,U3
  ADD=4  DOF=U1,U2,U3,R1,R2,R3

MATERIAL
  NAME=CONC  IDES=C  M=2.4E-09  W=2.4E-05
    T=0  E=25000  U=0.2  A=1E-05

FRAME SECTION
  NAME=NCOL  MAT=CONC  SH=R  T=500,500
  NAME=EBEAM  MAT=CONC  SH=R  T=600,300

FRAME
  1  J=1,2  SEC=NCOL  NSEG=4  ANG=0
  2  J=2,3  SEC=EBEAM  NSEG=4  ANG=22.5
  3  J=4,3  SEC=NCOL  NSEG=4  ANG=90

LOAD
  NAME=DEAD
    TYPE=FORCE
      ADD=2  UX=1400  UY=2600  UZ=0  RX=0  RY=2.6E6  RZ=0
  NAME=LIVE
    TYPE=DISTRIBUTED
      ADD=2  RD=0,1  UZ=-2,-4

END
)";

namespace {

std::optional<QString> NextAnswer(QStringList& answers)
{
    if (answers.empty())
        return std::nullopt;
    const QString answer = answers.takeFirst();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

} // namespace

std::optional<QString> ScriptedFileChooser::AskOpen(const QString& filter, const QString& folder)
{
    filters << filter;
    folders << folder;
    return NextAnswer(answers);
}

std::optional<QString> ScriptedFileChooser::AskSave(const QString& filter, const QString& folder)
{
    saveFilters << filter;
    saveFolders << folder;
    return NextAnswer(saveAnswers);
}

std::optional<std::int32_t> ScriptedColourChooser::ChooseColour(std::int32_t current)
{
    asked.push_back(current);
    if (answers.empty())
        return std::nullopt;
    const std::int32_t answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

void RecordingMessenger::ShowError(const QString& message)
{
    messages << message;
    if (QApplication::overrideCursor() != nullptr)
        waitCursorDuringMessage = true;
}

void RecordingMessenger::ShowNote(const QString& message)
{
    notes << message;
}

SaveChoice RecordingMessenger::AskToSaveChanges(const QString& document)
{
    saveQuestions << document;
    if (saveAnswers.empty())
        return SaveChoice::Discard;
    const SaveChoice answer = saveAnswers.front();
    saveAnswers.erase(saveAnswers.begin());
    return answer;
}

void UseTemporarySettings(bool keepWhatIsThere)
{
    // One folder for the whole test program, never the user's own settings.
    static QTemporaryDir folder;
    static const bool redirected = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        return true;
    }();
    Q_UNUSED(redirected);
    if (!keepWhatIsThere)
        ProgramSettings().clear();
}

TestWindow::TestWindow(bool keepSettings)
{
    UseTemporarySettings(keepSettings);
    auto fileChooser = std::make_unique<ScriptedFileChooser>();
    auto recorder = std::make_unique<RecordingMessenger>();
    auto colourChooser = std::make_unique<ScriptedColourChooser>();
    chooser = fileChooser.get();
    messenger = recorder.get();
    colours = colourChooser.get();
    window = std::make_unique<MainWindow>(std::move(fileChooser), std::move(recorder), std::move(colourChooser));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the main window was not exposed");
}

void TestWindow::OpenThroughMenu(const QString& path)
{
    chooser->answers.push_back(path);
    window->findChild<QAction*>("ImportSap2000txtfile1")->trigger();
}

QDialog* TestWindow::Open(const char* button, const char* name)
{
    Button(button)->click();
    auto* dialog = window->findChild<QDialog*>(name);
    if (!dialog || !dialog->isVisible())
        qFatal("%s did not open %s", button, name);
    return dialog;
}

void Type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    if (box->text() != text || !box->isModified())
        qFatal("typing into %s gave '%s'", qPrintable(box->objectName()), qPrintable(box->text()));
}

QToolButton* TestWindow::Button(const char* name)
{
    return window->findChild<QToolButton*>(name);
}

QString TestWindow::Panel(int index)
{
    return window->statusPanels().PanelText(index);
}

QStringList TestWindow::CountPanels()
{
    QStringList counts;
    for (int panel = 3; panel <= 15; panel += 2)
        counts << Panel(panel);
    return counts;
}

QColor TestWindow::PixelAt(int x, int y)
{
    return window->drawingArea().Canvas().pixelColor(x, y);
}

TempS2k::TempS2k(const QString& text, const QString& name) : path_(dir_.filePath(name))
{
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("cannot write the test model %s", qPrintable(path_));
}

QString RealSolverPath()
{
    const QString given = qEnvironmentVariable("MIRELO_TEST_OPENSEES");
    return given.isEmpty() ? QString(MIRELO_SOURCE_DIR) + "/../shared/tools/opensees/opensees" : given;
}

QString ExamplePath(const QString& name)
{
    return QString(MIRELO_SOURCE_DIR) + "/examples/" + name;
}

} // namespace mirelo::test
