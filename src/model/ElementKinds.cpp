#include "model/ElementKinds.h"

namespace mirelo {

const ElementKindInfo* FindElementKind(std::int32_t kind)
{
    for (const ElementKindInfo& info : kElementKinds)
        if (info.kind == kind)
            return &info;
    return nullptr;
}

ElementKind ElementKindFromName(std::string_view name)
{
    if (!name.empty())
        for (const ElementKindInfo& info : kElementKinds)
            if (info.nameLetter != '\0' && info.nameLetter == name.front())
                return info.kind;
    return kElasticBeamColumn;
}

bool NeedsTransformation(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    return info == nullptr || info->needsTransformation;
}

bool HasFiberSection(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    return info != nullptr && info->fiberSection;
}

bool IsSpring(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    return info != nullptr && info->form == ElementForm::Spring;
}

bool IsElastic(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    return info != nullptr && info->form == ElementForm::Elastic;
}

bool TakesAggregator(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    return info != nullptr && info->takesAggregator;
}

RecordedSections RecordedSectionsOf(std::int32_t kind)
{
    const ElementKindInfo* info = FindElementKind(kind);
    return info != nullptr ? info->recorded : RecordedSections::None;
}

} // namespace mirelo
