#pragma once

namespace mirelo {

struct Axis2 {
    double x = 0, y = 0, z = 0;
};

// The frame's local 2 axis: the unit vector perpendicular to the frame that
// points upward in the vertical plane through it, turned by `angleDegrees`
// about the frame. Computed in extended precision. Coincident joints raise
// "Invalid floating point operation".
Axis2 ComputeFrameAxis2(double xi, double yi, double zi, double xj, double yj, double zj, double angleDegrees);

} // namespace mirelo
