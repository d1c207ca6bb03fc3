#pragma once

#include "model/Model.h"
#include "results/ResultReaders.h"
#include "script/AnalysisSettings.h"

#include <span>
#include <string>
#include <string_view>

namespace mirelo {

// What the numbers of a result quantity measure.
enum class QuantityUnit { Strain, Curvature };

// A result quantity shown at both ends of every frame, declared once: the
// word mirelo-cli takes (--section NAME) and its usage text lists, the
// results dialog's caption and tooltip, and the reader that builds its
// values for a step from a run's recorder files. Element forces join the
// table as further rows.
struct FrameEndQuantity {
    std::string_view name;
    std::string_view caption;
    QuantityUnit unit;
    SectionResults (*read)(const std::string& folder, const Model& model, const AnalysisSettings& analysis,
                           StepChoice step, RecorderFileCache& files);
};

// Every frame-end quantity, in the dialog's order.
std::span<const FrameEndQuantity> FrameEndQuantities();

// The quantity of that name, or none.
const FrameEndQuantity* FindFrameEndQuantity(std::string_view name);

// The names joined by `separator` ("axial|kz|ky").
std::string FrameEndQuantityNames(std::string_view separator);

// What a unit kind is called where a quantity is described.
std::string_view QuantityUnitText(QuantityUnit unit);

// The unit of a frame-end value in the model's units: none for a strain,
// "1/m" for a curvature in metres (none where the file names no length unit).
std::string FrameEndUnit(QuantityUnit unit, const ModelUnits& units);

} // namespace mirelo
