// Reads arbitrary bytes as a project text. A ProjectError is the expected way
// to refuse bad input; a crash, a sanitizer report, any other exception, a
// project that does not read back the same after writing, or one whose
// application to a small model changes the model's tables is a finding.
#include "model/ImportS2k.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace mirelo;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

// Two sections, two materials and two load cases for the project to find.
const Model& SmallModel()
{
    static const Model model = ImportS2k(TextLines::FromText("SYSTEM\n"
                                                             "  LENGTH=M  FORCE=KN\n"
                                                             "\n"
                                                             "JOINT\n"
                                                             "  1  X=0  Y=0  Z=0\n"
                                                             "  2  X=0  Y=0  Z=3\n"
                                                             "\n"
                                                             "MATERIAL\n"
                                                             "  NAME=CONC  IDES=C\n"
                                                             "    T=0  E=3E+07  U=.2  FC=30000\n"
                                                             "  NAME=STEEL  IDES=S\n"
                                                             "    T=0  E=2E+08  U=.3  FY=400000\n"
                                                             "\n"
                                                             "FRAME SECTION\n"
                                                             "  NAME=NCOL  MAT=CONC  SH=R  T=.4,.4\n"
                                                             "  NAME=RSPRING  MAT=CONC  SH=R  T=.4,.4\n"
                                                             "\n"
                                                             "FRAME\n"
                                                             "  1  J=1,2  SEC=NCOL  NSEG=1  ANG=0\n"
                                                             "\n"
                                                             "LOAD\n"
                                                             "  NAME=DEAD\n"
                                                             "    TYPE=FORCE\n"
                                                             "      ADD=2  UZ=-200\n"
                                                             "  NAME=PUSH\n"
                                                             "    TYPE=FORCE\n"
                                                             "      ADD=2  UX=10\n"
                                                             "\n"));
    return model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Project project;
    try {
        project = ReadProjectText(text, "fuzz.mirelo");
    } catch (const ProjectError&) {
        return 0;
    }
    const std::string written = ProjectText(project);
    Require(ReadProjectText(written, "written.mirelo") == project, "a written project reads back the same");

    Model model = SmallModel();
    AnalysisSettings analysis;
    RecorderSettings recorders;
    for (const bool changed : {false, true}) {
        (void)ApplyProject(project, changed, "model.s2k", model, analysis, recorders);
        Require(model.FrameSections.count == SmallModel().FrameSections.count
                    && model.Materials.count == SmallModel().Materials.count,
                "applying keeps the model's tables");
        Require(!changed || model.Joints.Contains(analysis.ControlNode), "a changed model keeps a control joint of its own");
    }
    return 0;
}
