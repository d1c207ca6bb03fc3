#pragma once

#include "model/Model.h"
#include "script/AnalysisSettings.h"
#include "script/JointDofs.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mirelo {

// The recorder files of a script and which joints or frames each holds. The
// recorder block writes its lines from these and the result readers read the
// files back with them, so the two always agree.

// One file of a group of at most 100 consecutive joints or frames.
struct RecorderFileGroup {
    std::int32_t fileNumber = 0;
    std::int32_t first = 0; // first joint or frame number of the file
    std::int32_t last = 0;  // last one, first + 99 at most
};

// Node and mode-shape files are numbered from 0: file g holds 100 g + 1 to
// 100 g + 100, the last file fewer.
std::vector<RecorderFileGroup> NodeFileGroups(std::int32_t jointCount);

// Element files are numbered from 1 for the full groups of 100 in order; file
// 0 holds the partial group at the end.
std::vector<RecorderFileGroup> ElementFileGroups(std::int32_t frameCount);

std::string NodeDisplacementFileName(std::int32_t fileNumber);                // node%d.out
std::string ModeShapeFileName(std::int32_t mode, std::int32_t fileNumber);     // eigen%d_node%d.out
std::string ElementForceFileName(std::int32_t fileNumber);                     // ele%d.out
std::string FirstSectionFileName(std::int32_t fileNumber);                     // ele%d_secs.out
std::string LastSectionFileName(std::int32_t fileNumber);                      // ele%d_secn.out
std::string ReactionFileName(std::int32_t fileNumber);                         // reactions%d.out
inline constexpr const char* kPeriodsFileName = "Periods.txt";
// The curve recorders' files: the time (or load factor) and the control
// joint's displacement along `ControlDof`; the time and the reaction of every
// support along that direction.
inline constexpr const char* kCurveDisplacementFileName = "curve_disp.out";
inline constexpr const char* kCurveReactionFileName = "curve_reactions.out";
// The curve's kind and gravity rows, which the script writes beside them.
inline constexpr const char* kCurveRunFileName = "curve_run.txt";

// The three values of every joint in a node or mode-shape file: dofs 1 2 3.
inline constexpr std::int32_t kNodeValuesPerJoint = 3;

// The values a "localForce" recorder writes for a frame: the end forces of
// beam-columns (elastic, nonlinear, displacement, beam with hinges) and of
// trusses, end i then end j, each N Vy Vz T My Mz in local axes, as forces the
// joints put on the element (a truss has N alone, the others 0); a spring's
// three moments about X, Y, Z; none for a corotational truss, which does not
// answer "localForce", nor for a frame without element.
inline constexpr std::int32_t kEndForceValues = 12;
inline constexpr std::int32_t kSpringForceValues = 3;
std::int32_t ElementForceCount(const Model& model, std::int32_t frame);

// The supports whose reactions the reaction recorders write: every joint the
// script fixes in some degree of freedom (its own restraints, and a
// diaphragm's master, which the script holds out of the floor's plane), in
// joint order. Reaction file g holds supports 100 g + 1 to 100 g + 100 of this
// list (`NodeFileGroups` of its size), all six reactions FX FY FZ MX MY MZ of
// each (0 for the moments of a node of three degrees of freedom), written with
// 17 significant digits so that they balance the loads to the last digit.
std::vector<std::int32_t> SupportJoints(const Model& model, const JointDofs& dofs);
inline constexpr std::int32_t kReactionValuesPerJoint = 6;

// Deformations of one section as the solver lists them: axial strain,
// curvature about z, curvature about y, then the twist (fibre sections are
// written with -GJ), then the aggregator's shear and torsion springs Vy, Vz, T.
inline constexpr std::int32_t kFiberSectionDeformations = 4;
inline constexpr std::int32_t kAggregatorDeformations = 3;

// How many values a "section N deformation" recorder writes for a frame, as
// its element kind records sections: nonlinear and displacement beam-columns
// 4 for each of their sections 1 to IntegrationPoints (7 when their sections
// are aggregated); truss and corotational truss elements 4 for section 1
// alone (their one fibre section, never aggregated); every other frame none
// (elastic, beam with hinges, spring, no element).
std::int32_t SectionDeformationCount(const Model& model, const AnalysisSettings& analysis, std::int32_t frame,
                                     std::int32_t sectionNumber);

} // namespace mirelo
