#include "script/AnalysisKinds.h"

namespace mirelo {

const AnalysisKindInfo* FindAnalysisKind(std::int32_t analysisType)
{
    for (const AnalysisKindInfo& info : kAnalysisKinds)
        if (info.kind == analysisType)
            return &info;
    return nullptr;
}

bool IsModal(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr && info->modes == ModeUse::Modal;
}

bool ComputesModes(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr && info->modes != ModeUse::None;
}

bool DampsWithModes(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr && info->modes == ModeUse::Damping;
}

bool ComputesModesBeforeFirstRecord(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr && info->modes != ModeUse::None && info->modesBeforeFirstRecord;
}

bool LoadsGravityFirst(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr && info->gravityFirst;
}

CurveKind CurveKindOf(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr ? info->curve : CurveKind::None;
}

bool ShakesWithOneGroundMotion(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr && info->oneGroundMotion;
}

SteppedCase SteppedCaseOf(std::int32_t analysisType)
{
    const AnalysisKindInfo* info = FindAnalysisKind(analysisType);
    return info != nullptr ? info->steppedCase : SteppedCase::None;
}

} // namespace mirelo
