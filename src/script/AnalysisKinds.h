#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace mirelo {

class ScriptContext;

// The analysis the script runs (`AnalysisType`).
enum AnalysisKind : std::int32_t {
    kLoadControl = 1,
    kDisplacementControl = 2,
    kGravityPushover = 3,
    kModal = 4,
    kTimeHistory = 5,
    kGravityTimeHistory = 6,
    kMultipleSupport = 7,
};

// The curve an analysis gives: a pushover's base shear against the control
// joint's displacement, or a time history's control-joint displacement
// against time.
enum class CurveKind { None, Pushover, TimeHistory };

// What an analysis computes modes for: the modal analysis for the modes the
// user asks for, a damped time history for the Rayleigh damping of modes 1
// and 2.
enum class ModeUse { None, Modal, Damping };

// The load case whose pattern the analysis's steps scale by the step's time
// (after the gravity steps, where it has them): the load case, the pushover
// case, or none (a modal analysis; a ground motion, which moves the supports).
enum class SteppedCase { None, LoadCase, PushoverCase };

// The load and analysis lines of each kind (LoadAnalysisBlock.cpp).
void WriteLoadControlAnalysis(ScriptContext& script);
void WriteDisplacementControlAnalysis(ScriptContext& script);
void WriteGravityPushoverAnalysis(ScriptContext& script);
void WriteModalAnalysis(ScriptContext& script);
void WriteTimeHistoryAnalysis(ScriptContext& script);
void WriteGravityTimeHistoryAnalysis(ScriptContext& script);
void WriteMultipleSupportAnalysis(ScriptContext& script);

// What one analysis type does wherever the script is written, its curve read
// or the type chosen.
struct AnalysisKindInfo {
    AnalysisKind kind;
    std::string_view caption; // the analysis dialog's item and `--set` help
    bool gravityFirst;        // a gravity load of LoadCase comes first, its steps recorded before the rest
    ModeUse modes;
    bool modesBeforeFirstRecord; // the modes exist when the recorders first record
    CurveKind curve;
    bool oneGroundMotion; // shakes the supports with one record along one direction (a suite's runs)
    SteppedCase steppedCase;
    void (*writeLoadAnalysis)(ScriptContext& script);
};

// In kind order: type k is row k - 1.
inline constexpr std::array<AnalysisKindInfo, 7> kAnalysisKinds = {{
    {kLoadControl, "Single Load Control", false, ModeUse::None, false, CurveKind::None, false, SteppedCase::LoadCase,
     WriteLoadControlAnalysis},
    {kDisplacementControl, "Single Displacement Control", false, ModeUse::None, false, CurveKind::Pushover, false,
     SteppedCase::PushoverCase, WriteDisplacementControlAnalysis},
    {kGravityPushover, "Gravity+PushOver", true, ModeUse::None, false, CurveKind::Pushover, false,
     SteppedCase::PushoverCase, WriteGravityPushoverAnalysis},
    {kModal, "Modal Analysis", false, ModeUse::Modal, true, CurveKind::None, false, SteppedCase::None,
     WriteModalAnalysis},
    {kTimeHistory, "Time History Analysis", false, ModeUse::Damping, true, CurveKind::TimeHistory, true,
     SteppedCase::None, WriteTimeHistoryAnalysis},
    {kGravityTimeHistory, "D+L+Time Hist Analysis", true, ModeUse::Damping, false, CurveKind::TimeHistory, true,
     SteppedCase::None, WriteGravityTimeHistoryAnalysis},
    {kMultipleSupport, "MultipleSupport Excitation", false, ModeUse::Damping, true, CurveKind::TimeHistory, false,
     SteppedCase::None, WriteMultipleSupportAnalysis},
}};

static_assert([] {
    for (std::size_t i = 0; i < kAnalysisKinds.size(); ++i)
        if (kAnalysisKinds[i].kind != static_cast<std::int32_t>(i + 1))
            return false;
    return true;
}(), "analysis types are numbered 1, 2, 3 ... in table order, as the dialog's items are");

// The analysis dialog's items, value k being item k - 1.
inline constexpr std::array<std::string_view, kAnalysisKinds.size()> kAnalysisTypeItems = [] {
    std::array<std::string_view, kAnalysisKinds.size()> items{};
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = kAnalysisKinds[i].caption;
    return items;
}();

// The row of a type, or nullptr for a number that is no type (a model or
// project file may hold any).
const AnalysisKindInfo* FindAnalysisKind(std::int32_t analysisType);

// The questions the writers ask; a number that is no type answers no and
// gives no curve.
bool IsModal(std::int32_t analysisType);
bool ComputesModes(std::int32_t analysisType);
bool DampsWithModes(std::int32_t analysisType);
bool ComputesModesBeforeFirstRecord(std::int32_t analysisType);
bool LoadsGravityFirst(std::int32_t analysisType);
CurveKind CurveKindOf(std::int32_t analysisType);
bool ShakesWithOneGroundMotion(std::int32_t analysisType);
SteppedCase SteppedCaseOf(std::int32_t analysisType);

} // namespace mirelo
