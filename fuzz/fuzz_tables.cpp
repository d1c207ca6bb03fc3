// Imports arbitrary text through the import that every command and the
// desktop program use, which reads SAP2000 table text and version-6 text. A mirelo::Error is the expected way to
// refuse bad input; a crash, a sanitizer report, any other exception, a model
// that refers outside its own tables, names that do not fit their tables, or
// a converted text that imports to other counts is a finding.
#include "ModelInvariants.h"
#include "convert/ModelFile.h"
#include "model/ImportS2k.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace mirelo;

namespace {

// Names are kept for every record of a table or for none.
template <typename Record>
void CheckNames(const std::vector<std::string>& names, const Table<Record>& table, const char* what)
{
    fuzz::Require(names.empty() || names.size() == static_cast<std::size_t>(table.Size()) + 1, what);
}

void CheckSameCounts(const Model& a, const Model& b)
{
    fuzz::Require(a.Joints.Size() == b.Joints.Size() && a.Frames.Size() == b.Frames.Size()
                      && a.Shells.Size() == b.Shells.Size() && a.Solids.Size() == b.Solids.Size()
                      && a.Materials.Size() == b.Materials.Size() && a.FrameSections.Size() == b.FrameSections.Size()
                      && a.ShellSections.Size() == b.ShellSections.Size() && a.Loads.Size() == b.Loads.Size()
                      && a.Constraints.Size() == b.Constraints.Size() && a.LoadCaseCount == b.LoadCaseCount,
                  "the converted text imports to other counts");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TextLines lines = TextLines::FromText(std::string(reinterpret_cast<const char*>(data), size));
    ModelImport imported;
    try {
        imported = ImportModelText(lines, "fuzz.s2k");
    } catch (const Error&) {
        return 0; // bad input, refused with a message
    }
    const Model& m = imported.model;
    fuzz::CheckReferences(m);
    CheckNames(m.JointNames, m.Joints, "joint names");
    CheckNames(m.FrameNames, m.Frames, "frame names");
    CheckNames(m.ShellNames, m.Shells, "shell names");
    try {
        CheckSameCounts(m, ImportS2k(imported.lines));
    } catch (const Error&) {
        fuzz::Require(false, "the converted text does not import");
    }
    return 0;
}
