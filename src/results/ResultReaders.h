#pragma once

#include "model/Model.h"
#include "results/RecorderFile.h"
#include "script/AnalysisSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mirelo {

// Which line of the step-wise files to read: a 1-based load step, or, with no
// number, the last step of the first file.
using StepChoice = std::optional<std::int32_t>;

// Displacements (or mode-shape components) of joints 1..n, read as a whole.
struct JointResults {
    std::vector<double> values; // joint k's X, Y, Z at 3 (k - 1) .. 3 (k - 1) + 2
    std::int64_t step = 0;      // the line read
    std::int64_t stepCount = 0; // lines of the first file
    double time = 0;            // the line's time column: a load factor, or seconds
};

// One section quantity at the first and the last integration section of
// frames 1..n; 0 for frames without sections.
struct SectionResults {
    std::vector<double> atI, atJ; // frame k at k - 1
    std::int64_t step = 0;
    std::int64_t stepCount = 0;
    // The extremes over both ends of every frame (frames without sections
    // count with their 0); none when the model has no frames.
    std::optional<double> maximum, minimum;
};

// Axial strain, curvature about z, curvature about y: the first three
// deformations of every section, numbered as the dialog lists them.
enum class SectionQuantity : std::int32_t { AxialStrain = 1, CurvatureZ = 2, CurvatureY = 3 };

// The readers take the files the script's recorders write into `folder` and
// build a new result set; they never touch the model. Every failure raises an
// Error that names the file, and for a line the line number, field and joint
// or frame: a missing file, a step beyond the file's last line (with the
// number of steps it holds), a field that is not a number, a line whose
// number of values does not match the model.

// node%d.out, one line per load step: UX UY UZ of every joint.
JointResults ReadNodeDisplacements(const std::string& folder, const Model& model, StepChoice step,
                                   RecorderFileCache& files);

// eigen%d_node%d.out of mode `mode`: its first line.
JointResults ReadModeShape(const std::string& folder, const Model& model, std::int32_t mode, RecorderFileCache& files);

// ele%d_secs.out and ele%d_secn.out (sections 1 and IntegrationPoints).
// Nonlinear and displacement beam-columns write 4 values per section (7 with
// aggregated sections), trusses 4 for section 1 only (their one section, which
// both ends then show), other frames none: the settings must be those the
// script was generated with. Raises Error when no frame has sections.
SectionResults ReadSectionDeformations(const std::string& folder, const Model& model, const AnalysisSettings& analysis,
                                       SectionQuantity quantity, StepChoice step, RecorderFileCache& files);

// The eigenvalues that a modal analysis writes to Periods.txt, in mode order.
std::vector<double> ReadEigenvalues(const std::string& folder);

// T = 2 pi / sqrt(lambda); none for an eigenvalue that is not positive.
std::optional<double> PeriodOfEigenvalue(double lambda);

} // namespace mirelo
