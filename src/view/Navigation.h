#pragma once

#include "model/Model.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QString>
#include <Qt>

#include <optional>

namespace mirelo {

// What the drawing widget must do after forwarding a command or a mouse event.
struct ViewReaction {
    bool redraw = false;                // repaint the model with Redraw
    bool showFrameProperties = false;   // show the "Frame Properties" dialog (a frame was picked)
    bool showContextMenu = false;       // offer the drawing's menu at the pointer
    std::optional<QString> status;      // new text of the status bar's mode panel; none keeps it
};

// Limits that keep Scale a finite, positive number under any sequence of wheel
// steps and fits; inside them the navigation arithmetic is exact.
inline constexpr double kMinScale = 1e-9;
inline constexpr double kMaxScale = 1e12;

// "Zoom All": fits the projected joints into 80 % of the area's width or height
// in two passes; while a load case is shown, also at least kLoadReach pixels
// from every edge, so its arrows and labels stay inside. Re-projects (joints
// and frames) before and after each pass; the caller then paints with Redraw.
// Does nothing when there are no joints or the area is empty.
void ZoomAll(const Model& model, const ResultSet& results, ViewState& view, ViewArea area);

enum class StandardView { XY, XZ, YZ, Isometric };

// The angles of the isometric view: X to the right and up, Y to the left and
// up, Z straight up, all three shortened alike.
inline constexpr double kIsometricPlanAngle = 45;
inline constexpr double kIsometricTiltAngle = -54.735610317245346; // -(90 - atan(1/sqrt 2))

// "XY View", "XZ View", "YZ View" and the isometric view: sets
// PlanAngle/TiltAngle, then ZoomAll. The plan and elevations look along Z, Y
// and X, whose planes can then be stepped through; a view along another axis
// than before starts with all planes.
void SetStandardView(const Model& model, const ResultSet& results, ViewState& view, StandardView which, ViewArea area);

// Mode commands of the toolbar and the View menu.
ViewReaction ArmPan(ViewState& view);        // mode 1, "Pan"
ViewReaction ArmRotate(ViewState& view);     // mode 3, "Rotate View"
ViewReaction ArmSelect(ViewState& view);     // mode 101, "Select Elem"
ViewReaction SetIdleMode(ViewState& view);   // mode 102, status unchanged

// Mouse events of the drawing area, in pixels of the area. A press picks a
// frame in select mode (any button), starts a pan or rotate drag when armed,
// and a right-button press then cancels every mode ("None"). A right-button
// press without a mode (None, no drag) asks for the drawing's menu instead.
// A move drags the pan or rotation; a release ends the drag and leaves the
// mode armed. In any mode, a middle-button press starts a pan drag, with Shift
// a rotate drag, and Ctrl + left button a rotate drag; these leave the mode as
// it was.
ViewReaction MouseDown(const Model& model, const Projection& at, ViewState& view, Qt::MouseButton button, int x, int y,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier);
ViewReaction MouseMove(ViewState& view, ViewArea area, int x, int y);
ViewReaction MouseUp(ViewState& view, ViewArea area, int x, int y);

// Wheel steps, in every mouse mode: down multiplies Scale by 0.9 (enlarges
// the picture), up divides it by 0.9. Both ask for a redraw.
ViewReaction WheelDown(ViewState& view);
ViewReaction WheelUp(ViewState& view);

// The arrow keys: move the picture a tenth of the area's size that way.
enum class PanDirection { Left, Right, Up, Down };
ViewReaction PanByKey(ViewState& view, ViewArea area, PanDirection direction);

} // namespace mirelo
