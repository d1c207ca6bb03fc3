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

// What one element kind means wherever a frame section is read, written,
// drawn or edited.
struct ElementKindInfo {
    ElementKind kind;
    char nameLetter;              // the s2k section name's first letter that selects it ('\0': the default)
    std::string_view tclElement;  // the element command its frames are written with
    bool needsTransformation;     // its frames get a geomTransf line
    bool fiberSection;            // its section is written as a fibre section
    bool spring;                  // a zero-length spring between two joints at one point
    std::string_view name;        // what the windows call it; the section dialog lists every kind but the spring
};

inline constexpr std::array<ElementKindInfo, 7> kElementKinds = {{
    {kElasticBeamColumn, '\0', "elasticBeamColumn", true, false, false, "Elastic BeamColumn"},
    {kNonlinearBeamColumn, 'N', "nonlinearBeamColumn", true, true, false, "Nonlinear BeamColumn"},
    {kDispBeamColumn, 'D', "dispBeamColumn", true, true, false, "Disp BeamColumn"},
    {kBeamWithHinges, 'H', "elasticBeamColumn", true, false, false, "Beam with Hinge"},
    {kTruss, 'T', "trussSection", false, true, false, "Truss"},
    {kCorotTruss, 'C', "corotTrussSection", false, true, false, "corotTruss"},
    {kRotationalSpring, 'R', "zeroLength", false, false, true, "Rotational spring"},
}};

// The section dialog's list: the kinds 1.. that have an item, in kind order.
inline constexpr std::array<std::string_view, 6> kElementKindItems = [] {
    std::array<std::string_view, 6> items{};
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
bool HasFiberSection(std::int32_t kind);
bool IsSpring(std::int32_t kind);

} // namespace mirelo
