// Splits and converts arbitrary text as a SAP2000 V14 table file. A
// mirelo::Error is the expected way to refuse bad input; a crash, a sanitizer
// report, any other exception, a field that is not a trimmed piece of its
// row, a converted text that the s2k import refuses, or a solid whose SEC=
// names no material is a finding.
#include "convert/V14Converter.h"
#include "convert/V14Splitter.h"
#include "model/ImportS2k.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using namespace mirelo;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "V14 conversion breaks an invariant: %s\n", what);
        std::abort();
    }
}

bool Trimmed(std::string_view field)
{
    return field.empty()
           || (static_cast<unsigned char>(field.front()) > ' ' && static_cast<unsigned char>(field.back()) > ' ');
}

void CheckSplit(std::string_view line, V14Fields& fields)
{
    SplitV14Line(line, fields);
    const char* const begin = line.data();
    const char* const end = line.data() + line.size();
    const auto before = std::less_equal<const char*>();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        Require(field.empty() || (before(begin, field.data()) && before(field.data() + field.size(), end)),
                "field outside its row");
        Require(Trimmed(field), "field not trimmed");
    }
    Require(fields[fields.size()].empty(), "field past the end");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TextLines lines = TextLines::FromText(std::string(reinterpret_cast<const char*>(data), size));
    V14Fields fields;
    for (std::size_t i = 0; i < lines.size(); ++i)
        CheckSplit(lines[i], fields);
    V14Conversion conversion;
    try {
        conversion = ConvertV14File(lines);
    } catch (const Error&) {
        return 0; // bad input, refused with a message
    }
    Require(conversion.lines.size() >= 15, "too few output lines");
    Require(conversion.lines[0] == "SYSTEM" && conversion.lines[conversion.lines.size() - 1] == "END", "frame lines");
    try {
        const Model model = ImportS2k(conversion.lines);
        Require(model.Joints.count == conversion.jointCount, "joint count after import");
        Require(std::max(model.Solids.count, 0) == conversion.solidCount, "solid count after import");
        Require(model.Materials.count == conversion.materialCount, "material count after import");
        for (std::int32_t n = 1; n <= model.Solids.count; ++n)
            Require(model.Materials.Contains(model.Solids[n].section), "a solid's SEC= names no material");
    } catch (const Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Require(false, "the converted text does not import");
    }
    return 0;
}
