#pragma once

#include "results/ForceDiagram.h"

#include <cstdint>

namespace mirelo {

// The thirteen drawing-layer switches with their start values. Each is bound to
// one check box of the "View Option" dialog and to one layer of Redraw.
struct LayerSwitches {
    bool ShowNodes = true;          // "Node": blue joint dots
    bool ShowNodeLabels = false;    // "Node Labels"
    bool ShowFrames = true;         // "Frame": frame lines and the selection highlight
    bool ShowFrameLabels = false;   // "Frame Labels"
    bool ShowFrameAxes = false;     // "Frame Axis": local-2 axis ticks
    bool ShowSupports = true;       // "Node Support": restraint squares
    bool ShowDiaphragms = false;    // "Diaphragms"
    bool ShowHingeCircles = false;  // "Hinge Circle": section-result discs
    bool ShowShells = true;         // "Shell Element"
    bool ShowShellLabels = false;   // "Shell Labels"
    bool ShowReleases = true;       // "Moment Release": rotational-spring circles
    bool ShowSolids = true;         // "Solid Element"
    bool ShowSolidLabels = false;   // "Solid Label"
    friend bool operator==(const LayerSwitches&, const LayerSwitches&) = default;
};

// Values of ViewState::MouseMode.
enum MouseModeValue : std::int32_t {
    kMouseNone = 0,
    kPanArmed = 1,
    kPanning = 2,
    kRotateArmed = 3,
    kRotating = 4,
    kSelectElement = 101,
    kMouseIdle = 102, // no mouse action responds to it
};

// Values of ViewState::LoadTypeShown.
enum LoadTypeShownValue : std::int32_t { kShowNoLoadType = 0, kShowPointForces = 1, kShowElementLoads = 2 };

// How the shown load case is drawn: arrows scaled to the case's largest load
// with their values and units beside them, or text labels of the three
// components.
enum class LoadStyle : std::int32_t { Arrows = 0, TextLabels = 1 };

// The global axis a standard view looks along, whose planes can be stepped
// through: none in a rotated or isometric view.
enum PlaneAxisValue : std::int32_t { kNoPlaneAxis = 0, kPlaneAxisX = 1, kPlaneAxisY = 2, kPlaneAxisZ = 3 };

// A drag by the middle button (or Ctrl + left button) that pans or rotates
// whatever the mouse mode is; the mode is left as it was.
enum class DragGesture : std::int32_t { None, Pan, Rotate };

// What displacement contours colour by: nothing, the size of each joint's
// loaded displacement, or one of its components.
enum class ContourQuantity : std::int32_t { None = 0, U = 1, UX = 2, UY = 3, UZ = 4 };

// The viewer's camera, mouse mode, layer switches, load display and result
// display settings. A default-constructed ViewState holds the start-up values.
struct ViewState {
    double Scale = 5.0;     // model length units per pixel; larger gives a smaller picture
    double PanX = 0.0;      // model point (after rotation) shown at the centre of the area
    double PanY = 0.0;
    double PlanAngle = 0.0; // rotation about global Z, degrees
    double TiltAngle = 0.0; // tilt of the view, degrees

    std::int32_t MouseMode = kMouseNone;
    std::int32_t AnchorX = 0; // mouse position at the previous step of a drag
    std::int32_t AnchorY = 0;
    std::int32_t SelectedFrame = 0; // picked frame number, 0 for none

    LayerSwitches LayerFlags;

    std::int32_t LoadCaseShown = 0; // 1-based index into LoadCaseNames, 0 for none
    std::int32_t LoadTypeShown = kShowNoLoadType;
    LoadStyle LoadDisplay = LoadStyle::Arrows;

    // One plane at a time: the axis of the standard view and the 1-based
    // position of the shown plane among the joints' distinct coordinates along
    // it, 0 for all planes. The start angles look along Z: a plan.
    std::int32_t PlaneAxis = kPlaneAxisZ;
    std::int32_t PlaneShown = 0;

    bool ShowAxisTriad = true; // X, Y, Z in the lower-left corner
    bool ShowLegend = true;    // the colours in use, upper-right corner

    DragGesture Gesture = DragGesture::None;

    double DeformScale = 0.0;   // multiplier of the joint displacements
    double HingeMax = 0.0001;   // upper end of the section-result colour range
    double HingeMin = -0.0001;  // lower end
    std::int32_t ResultLoadStep = 0; // 1-based line the step-wise result readers take

    // The element forces and reactions of the loaded step, and the contours.
    bool ShowForces = false;                    // the force diagram of ForceShown
    ForceQuantity ForceShown = ForceQuantity::My;
    double ForceScale = 0.0;                    // model length per unit of force; 0 until forces are loaded
    bool ShowForceValues = false;               // end values and each frame's largest
    bool ShowReactions = false;                 // arrows with values at the supports
    ContourQuantity ContourShown = ContourQuantity::None;
};

} // namespace mirelo
