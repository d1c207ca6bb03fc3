#pragma once

#include "gui/common/ColourChooser.h"
#include "gui/common/CommandHost.h"
#include "gui/common/FileChooser.h"
#include "gui/main/Messenger.h"
#include "gui/main/RecentFiles.h"
#include "session/Session.h"
#include "gui/solver/SolverWindow.h"
#include "project/SettingsHistory.h"
#include "view/Navigation.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QMenu;
class QToolBar;

namespace mirelo {

class AboutDialog;
class AnalysisDialog;
class DrawingArea;
class FramePropertiesDialog;
class FrameSectionDialog;
class MaterialDialog;
struct ModelImport;
class RecorderDialog;
class ScriptWindow;
class LoadDisplayDialog;
class ModelStatusBar;
class V14ConverterDialog;
class ResultsDialog;
class ResultStepBar;
class SolverSettingDialog;
class SuiteWindow;
class UrlOpener;
class CurvesWindow;
class ForceDiagramWindow;
class ReactionsWindow;
class ViewOptionDialog;
enum class ToolbarPicture;

// TForm1, the main window: toolbar, drawing area and status bar, the command
// map of its menus and buttons, and the s2k open command. It owns the session
// and creates the dialogs, which live as long as it does.
class MainWindow : public QMainWindow, public CommandHost {
    Q_OBJECT

public:
    // Without a chooser or messenger the desktop's file dialog, message box and
    // colour dialog are used.
    explicit MainWindow(std::unique_ptr<FileChooser> fileChooser = nullptr,
                        std::unique_ptr<Messenger> messenger = nullptr,
                        std::unique_ptr<ColourChooser> colourChooser = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    // Where the last picture put the joints and frames.
    const Projection& projection() const { return projection_; }
    ModelStatusBar& statusPanels() { return *statusBar_; }
    DrawingArea& drawingArea() { return *drawingArea_; }
    ResultStepBar& stepBar() { return *stepBar_; }

    void RunCommand(const std::function<void()>& command) override;
    void Redraw() override;
    void ChangeSettings(const std::function<void()>& change) override;

    // Opens a project (.mirelo) or imports a model file, after asking to save
    // unsaved changes; a cancel there changes nothing.
    void OpenPath(const QString& path);

    // Projects and the undo history (MainWindowProjectCommands.cpp).
    void NewProject(); // "File > New": no model, every setting at its start value
    void OpenProjectFile();
    // Reads the project, imports its model and applies it with the view it
    // kept; the session is replaced only when all of it succeeds. What the
    // project could not keep (a changed model) is shown as a note.
    void OpenProjectPath(const QString& path);
    // "Save Project" (Ctrl+S): to the project's file, else as Save Project As
    // does; false when the user cancels.
    bool SaveProject();
    bool SaveProjectAs();
    void SaveProjectPath(const QString& path);
    void Undo(); // Ctrl+Z: the last OK's change taken back
    void Redo(); // Ctrl+Shift+Z
    // Whether there are changes since the project was saved or the model imported.
    bool IsModified() const { return !history_.AtSaved(); }
    const QString& ProjectPath() const { return projectPath_; }

    // Asks for a model file (version-6 text or table export) and opens it;
    // cancelling changes nothing.
    void OpenS2kFile();
    // Asks for a project file and opens it; cancelling changes nothing.
    // Imports the file; the session's text and model are replaced only when the
    // whole import succeeds. Raises the import's error otherwise. What the
    // import says (tables left out, a file that may be cut off) goes to the
    // status bar and a message.
    void OpenS2kPath(const QString& path);
    void ShowModelCounts();

    // Toolbar commands (the menu items trigger the same buttons).
    void RefreshClicked(); // "Refresh": hide the load labels and repaint
    void ZoomAllClicked(); // "Zoom All"
    void ShowStandardView(StandardView which);
    void V14ConverterClicked(); // shows the V14 converter
    void ClearResultsClicked(); // "Clear Results"
    // "File > Export Picture": the drawing area as a PNG file.
    void ExportPicture();
    void ExportPicturePath(const QString& path);
    void RunSolverClicked(); // "Run OpenSEES": choose a script and run the solver on it

    // The Help menu and the solver's setting.
    void TutorialClicked(); // "Mirelo Tutorial"
    void AboutClicked();
    void ShowSolverSetting();

    // Replaces how pages are opened (tests keep the browser closed).
    void SetUrlOpener(std::unique_ptr<UrlOpener> opener);
    // What the solver window's "Load Last Step" runs (the session's last-step load
    // and a redraw unless replaced); without one it offers no load.
    void SetLoadLastStepHook(LoadLastStepHook hook) { loadLastStep_ = std::move(hook); }
    void ShowCurves();                     // "Post > Curves"
    void ShowForceDiagram();               // "Post > Force"
    void ShowReactions();                  // "Post > Reactions"
    ForceDiagramWindow* ForceWindow() const { return forceWindow_; }
    ReactionsWindow* ReactionWindow() const { return reactionsWindow_; }
    void ShowSuite();                      // "Gen_tcl > Run Suite"
    SuiteWindow* Suite() const { return suiteWindow_; }

    // Plane stepping, isometric view, load hiding, arrow-key panning, zoom keys
    // (MainWindowViewCommands.cpp).
    void ShowNextPlane();
    void ShowPreviousPlane();
    void ShowAllPlanes();
    void HideLoads();
    void PanKey(PanDirection direction);
    void ZoomIn();
    void ZoomOut();

    // The files opened most recently, newest first, as the File menu lists them.
    QStringList RecentFileList() const { return recentFiles_.Paths(); }

    // Mouse events of the drawing area and wheel events of the window.
    void DrawingPressed(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void DrawingMoved(int x, int y);
    void DrawingReleased(int x, int y);
    void FormMouseWheelDown();
    void FormMouseWheelUp();

    // The drawing's context menu at pixel (x, y) of the drawing area
    // (MainWindowDrawingMenu.cpp); "Frame Properties" there selects and shows
    // the frame that was under the pointer.
    void ShowDrawingMenu(int x, int y);
    void ShowFrameProperties(std::int32_t frame);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // asks to save unsaved changes
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // OpenS2kPath under the wait cursor: the import and the new model shown;
    // gives the import's notes.
    QStringList ImportModel(const QString& path);
    // Puts an imported model and its settings into the session, for an import
    // or a project: no selection, results or undo steps of the last model.
    // Returns the import's notes.
    QStringList ReplaceModel(ModelImport&& imported, const QString& modelPath, const AnalysisSettings& analysis,
                             const RecorderSettings& recorders);
    // Open windows that list the model's sections, materials, load cases or
    // settings show them again.
    void RefreshModelDialogs();
    void AddProjectCommands(QMenu* file);
    void AddEditMenu();
    // Asks Save / Discard / Cancel when there are unsaved changes; true to go on.
    bool MayDiscardChanges();
    // The title with the project's (else the model's) name and "*" while
    // modified, and the Edit menu's items named after their steps.
    void ShowProjectState();
    void BuildToolBar();
    void BuildMenus();
    void AddViewCommands(QMenu* view);
    void BuildDrawingMenu();
    void AddFileCommands(QMenu* file);
    void AddViewAction(QMenu* menu, const char* name, const QString& caption, const QList<QKeySequence>& keys,
                       std::function<void()> command);
    void RebuildRecentFilesMenu();
    void ShowPlaneStatus();
    void AddToolButton(QToolBar* toolBar, const char* name, ToolbarPicture picture, const QString& tip,
                       std::function<void()> command, bool longRunning = true);
    void AddMenuItem(QMenu* menu, const char* name, const QString& caption, const char* button,
                     const QKeySequence& shortcut = {});
    void AddMenuCommand(QMenu* menu, const char* name, const QString& caption, std::function<void()> command);
    void Run(const std::function<void()>& command, bool busy);
    void ShowDialog(QWidget* dialog);
    void Apply(const ViewReaction& reaction);
    // A step of a drag or of the wheel: the drag picture, and the full picture
    // once the mouse rests.
    void ApplyStep(const ViewReaction& reaction);
    void PaintFullPicture();
    ViewArea Area();

    Session session_;
    Projection projection_; // where the last picture put the joints and frames, for picking
    std::unique_ptr<FileChooser> fileChooser_;
    std::unique_ptr<Messenger> messenger_;
    std::unique_ptr<ColourChooser> colourChooser_;
    DrawingArea* drawingArea_ = nullptr;
    ModelStatusBar* statusBar_ = nullptr;
    ViewOptionDialog* viewOptionDialog_ = nullptr;       // TForm4
    LoadDisplayDialog* loadDisplayDialog_ = nullptr;     // TForm5
    FramePropertiesDialog* framePropertiesDialog_ = nullptr; // TForm9
    V14ConverterDialog* v14ConverterDialog_ = nullptr;       // TForm11
    ResultsDialog* resultsDialog_ = nullptr;                 // TForm10
    ResultStepBar* stepBar_ = nullptr;                       // the results' steps, under the drawing
    SolverSettingDialog* solverSettingDialog_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    std::unique_ptr<UrlOpener> urlOpener_;
    LoadLastStepHook loadLastStep_;
    FrameSectionDialog* frameSectionDialog_ = nullptr;       // TForm2
    MaterialDialog* materialDialog_ = nullptr;               // TForm3
    ScriptWindow* scriptWindow_ = nullptr;                   // TForm6
    AnalysisDialog* analysisDialog_ = nullptr;               // TForm7
    RecorderDialog* recorderDialog_ = nullptr;               // TForm8
    CurvesWindow* curvesWindow_ = nullptr;
    ForceDiagramWindow* forceWindow_ = nullptr;
    ReactionsWindow* reactionsWindow_ = nullptr;
    SuiteWindow* suiteWindow_ = nullptr;
    QString lastRunFolder_; // the folder of the solver's last run, or the results folder chosen since
    QString modelPath_;     // the model file shown, empty before an import
    QString projectPath_;   // the project file, empty until saved or opened
    SettingsHistory history_;
    QAction* undoItem_ = nullptr;
    QAction* redoItem_ = nullptr;
    std::map<QString, QAction*> buttonActions_;
    RecentFiles recentFiles_;
    QMenu* recentFilesMenu_ = nullptr;
    QMenu* drawingMenu_ = nullptr;
    QAction* framePropertiesItem_ = nullptr;
    std::int32_t menuFrame_ = 0; // the frame under the pointer when the drawing's menu opened
    bool shown_ = false;
};

} // namespace mirelo
