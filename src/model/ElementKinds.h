#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace mirelo {

// The element formulation of a frame section. A section record holds it as a
// 32-bit number (0 for the empty record of a frame without section).
enum ElementKind : std::int32_t {
    kElasticBeamColumn = 1,
    kNonlinearBeamColumn = 2,
    kDispBeamColumn = 3,
    kBeamWithHinges = 4,
    kTruss = 5,
    kCorotTruss = 6,
    kRotationalSpring = 7,
};

// How a kind's frames are built: which element-line writer writes them.
enum class ElementForm {
    Elastic,         // one elastic beam-column of the section's properties
    FiberBeamColumn, // a beam-column of fibre sections at its integration points
    Truss,           // an axial member of one fibre section
    Spring,          // a zero-length spring between two joints at one point
};

// Which sections of a frame a "section N deformation" recorder finds.
enum class RecordedSections {
    None,
    First,                 // section 1 only: the truss's one section
    EachIntegrationPoint,  // sections 1 to IntegrationPoints
};

// What one element kind means wherever a frame section is read, written,
// drawn or edited.
struct ElementKindInfo {
    ElementKind kind;
    char nameLetter;              // the s2k section name's first letter that selects it ('\0': the default)
    std::string_view tclElement;  // the element command its frames are written with
    ElementForm form;
    bool needsTransformation;     // its frames get a geomTransf line
    bool fiberSection;            // its section is written as a fibre section
    RecordedSections recorded;
    bool takesAggregator;         // with UseAggregator its elements name the aggregated section
    std::string_view standsInFor; // what the element stands in for, warned about ("" when it is the kind itself)
    bool listed;                  // the section dialog and `--section` offer it (the spring only the import makes)
    std::string_view name;        // what the windows call it
};

inline constexpr std::array<ElementKindInfo, 7> kElementKinds = {{
    {kElasticBeamColumn, '\0', "elasticBeamColumn", ElementForm::Elastic, true, false, RecordedSections::None, false, "",
     true, "Elastic BeamColumn"},
    {kNonlinearBeamColumn, 'N', "nonlinearBeamColumn", ElementForm::FiberBeamColumn, true, true,
     RecordedSections::EachIntegrationPoint, true, "", true, "Nonlinear BeamColumn"},
    {kDispBeamColumn, 'D', "dispBeamColumn", ElementForm::FiberBeamColumn, true, true,
     RecordedSections::EachIntegrationPoint, true, "", true, "Disp BeamColumn"},
    {kBeamWithHinges, 'H', "elasticBeamColumn", ElementForm::Elastic, true, false, RecordedSections::None, false,
     "a beam with hinges", true, "Beam with Hinge"},
    {kTruss, 'T', "trussSection", ElementForm::Truss, false, true, RecordedSections::First, false, "", true, "Truss"},
    {kCorotTruss, 'C', "corotTrussSection", ElementForm::Truss, false, true, RecordedSections::First, false, "", true,
     "corotTruss"},
    {kRotationalSpring, 'R', "zeroLength", ElementForm::Spring, false, false, RecordedSections::None, false, "", false,
     "Rotational spring"},
}};

// The section dialog and `--section` offer the listed kinds as a choice whose
// value k is item k - 1: so the listed kinds are numbered 1, 2, 3 ... and come
// first in the table.
inline constexpr std::size_t kListedElementKindCount = [] {
    std::size_t count = 0;
    for (const ElementKindInfo& info : kElementKinds)
        count += info.listed ? 1 : 0;
    return count;
}();
static_assert([] {
    for (std::size_t i = 0; i < kListedElementKindCount; ++i)
        if (kElementKinds[i].kind != static_cast<std::int32_t>(i + 1) || !kElementKinds[i].listed)
            return false;
    return true;
}(), "the listed element kinds are numbered 1, 2, 3 ... and come first in the table");

inline constexpr std::array<std::string_view, kListedElementKindCount> kElementKindItems = [] {
    std::array<std::string_view, kListedElementKindCount> items{};
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = kElementKinds[i].name;
    return items;
}();

// The entry of a kind, or nullptr for a number that is no kind (0: no section).
const ElementKindInfo* FindElementKind(std::int32_t kind);

// The kind the import gives a section of that name: by its first letter,
// elastic when no letter matches.
ElementKind ElementKindFromName(std::string_view name);

// A frame whose section kind is unknown (0: no section) keeps its
// transformation line and gets no element.
bool NeedsTransformation(std::int32_t kind);
// The other questions answer no for such a number.
bool HasFiberSection(std::int32_t kind);
bool IsSpring(std::int32_t kind);
bool IsElastic(std::int32_t kind);
bool TakesAggregator(std::int32_t kind);
RecordedSections RecordedSectionsOf(std::int32_t kind);

} // namespace mirelo
