// Saving and opening projects: the same settings and script after a round
// trip and after a move, a changed model file kept where it still fits.
#include "model/ImportS2k.h"
#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"
#include "project/OpenProject.h"
#include "project/ProjectFile.h"
#include "project/ProjectSettings.h"
#include "script/ScriptGenerator.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace mirelo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

constexpr std::string_view kPortal = "rc-portal-pushover.s2k";

Model ImportFile(const std::string& path)
{
    return ImportS2kFile(path).model;
}

// The portal frame as an engineer sets it up for a nonlinear pushover.
struct EditedPortal {
    Model model;
    AnalysisSettings analysis;
    RecorderSettings recorders;

    explicit EditedPortal(const std::string& path) : model(ImportFile(path))
    {
        for (const auto& [name, value] : {std::pair{"RebarMaterialNo", "2"}, {"AnalysisType", "3"}, {"PushoverCase", "2"},
                                          {"ControlNode", "3"}, {"ControlDisp", "0.0005"}, {"RecordCurves", "1"},
                                          {"LoadFactor", "0.1"}})
            SetSetting(analysis, recorders, name, value);
        SetSectionSetting(FrameSectionNamed(model, "NCOL400"), "divideX", "7");
        SetSectionSetting(FrameSectionNamed(model, "NCOL400"), "cover", "0.04");
        FrameSectionNamed(model, "NCOL400").colour = RgbColour(1, 2, 3);
        SetMaterialSetting(MaterialNamed(model, "CONC"), "type", "Concrete02");
        SetMaterialSetting(MaterialNamed(model, "CONC"), "ft", "2345.678901234567");
        SetMaterialSetting(MaterialNamed(model, "STEEL"), "type", "Steel02");
        SetMaterialSetting(MaterialNamed(model, "CONC"), "E", "3.1e7");
        SetMaterialSetting(MaterialNamed(model, "CONC"), "U", "0.18");
        FinishMaterialEdit(MaterialNamed(model, "CONC"));
    }
};

TextLines Script(Model model, const AnalysisSettings& analysis, const RecorderSettings& recorders)
{
    return GenerateScript(model, analysis, recorders).lines;
}

// Saves the edited portal's project beside a copy of the model; returns the
// script it gives.
TextLines SavePortalProject(const test::TempDir& folder)
{
    fs::copy_file(test::ExamplePath(std::string(kPortal)), folder.path() / kPortal);
    EditedPortal portal(folder.File(std::string(kPortal)));
    SaveProjectFile(folder.File("p.mirelo"), CaptureProject(folder.File("p.mirelo"), folder.File(std::string(kPortal)),
                                                             portal.model, portal.analysis, portal.recorders));
    return Script(portal.model, portal.analysis, portal.recorders);
}

TEST(OpenProject, GivesTheSameSettingsAndScriptAfterSavingAndAfterMovingWithItsModel)
{
    test::TempDir first;
    const TextLines script = SavePortalProject(first);
    const EditedPortal portal(first.File(std::string(kPortal)));

    OpenedProject opened = OpenProject(first.File("p.mirelo"), ImportFile);
    EXPECT_TRUE(opened.warnings.empty());
    EXPECT_EQ(CaptureAnalysis(opened.analysis), CaptureAnalysis(portal.analysis));
    EXPECT_EQ(CaptureRecorders(opened.recorders), CaptureRecorders(portal.recorders));
    for (std::int32_t k = 1; k <= portal.model.FrameSections.count; ++k)
        EXPECT_EQ(CaptureSection(opened.model.FrameSections[k]), CaptureSection(portal.model.FrameSections[k]));
    for (std::int32_t k = 1; k <= portal.model.Materials.count; ++k)
        EXPECT_EQ(CaptureMaterial(opened.model.Materials[k]), CaptureMaterial(portal.model.Materials[k]));
    EXPECT_EQ(Script(opened.model, opened.analysis, opened.recorders).Join("\n"), script.Join("\n"));

    // Moved together: the original folder is gone, the relative path finds the model.
    test::TempDir second;
    fs::copy(first.path(), second.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::remove_all(first.path());
    opened = OpenProject(second.File("p.mirelo"), ImportFile);
    EXPECT_EQ(opened.modelPath, second.File(std::string(kPortal)));
    EXPECT_TRUE(opened.warnings.empty());
    EXPECT_EQ(Script(opened.model, opened.analysis, opened.recorders).Join("\n"), script.Join("\n"));
}

TEST(OpenProject, FindsTheModelByItsAbsolutePathWhenOnlyTheProjectMoved)
{
    test::TempDir modelFolder, projectFolder;
    const TextLines script = SavePortalProject(modelFolder);
    fs::rename(modelFolder.path() / "p.mirelo", projectFolder.path() / "p.mirelo");
    const OpenedProject opened = OpenProject(projectFolder.File("p.mirelo"), ImportFile);
    EXPECT_EQ(opened.modelPath, modelFolder.File(std::string(kPortal)));
    EXPECT_EQ(Script(opened.model, opened.analysis, opened.recorders).Join("\n"), script.Join("\n"));

    fs::remove(modelFolder.path() / kPortal);
    try {
        OpenProject(projectFolder.File("p.mirelo"), ImportFile);
        FAIL() << "a project without its model opened";
    } catch (const ProjectError& error) {
        EXPECT_EQ(error.key(), "model.path");
        EXPECT_THAT(error.what(), ::testing::EndsWith("the model file rc-portal-pushover.s2k is neither beside the "
                                                      "project nor at " + modelFolder.File(std::string(kPortal))));
    }
}

// The model changed: NBEAM is now BEAM2, a case WIND comes first, PUSH and
// joint 4 are gone.
constexpr std::string_view kPortalBefore = "SYSTEM\n  LENGTH=M  FORCE=KN\n\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=6  Y=0  Z=0\n  3  X=0  Y=0  Z=3.5\n"
                                           "  4  X=6  Y=0  Z=3.5\n\n"
                                           "MATERIAL\n  NAME=CONC  IDES=C\n    T=0  E=3E+07  U=.2  FC=30000\n\n"
                                           "FRAME SECTION\n  NAME=NCOL  MAT=CONC  SH=R  T=.4,.4\n"
                                           "  NAME=NBEAM  MAT=CONC  SH=R  T=.5,.3\n\n"
                                           "FRAME\n  1  J=1,3  SEC=NCOL  NSEG=1  ANG=0\n  2  J=3,4  SEC=NBEAM  NSEG=1  ANG=0\n\n"
                                           "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=3  UZ=-200\n"
                                           "  NAME=PUSH\n    TYPE=FORCE\n      ADD=3  UX=10\n\n";
constexpr std::string_view kPortalAfter = "SYSTEM\n  LENGTH=M  FORCE=KN\n\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=6  Y=0  Z=0\n  3  X=0  Y=0  Z=3.5\n\n"
                                          "MATERIAL\n  NAME=CONC  IDES=C\n    T=0  E=3E+07  U=.2  FC=30000\n\n"
                                          "FRAME SECTION\n  NAME=NCOL  MAT=CONC  SH=R  T=.4,.4\n"
                                          "  NAME=BEAM2  MAT=CONC  SH=R  T=.5,.3\n\n"
                                          "FRAME\n  1  J=1,3  SEC=NCOL  NSEG=1  ANG=0\n  2  J=2,3  SEC=BEAM2  NSEG=1  ANG=0\n\n"
                                          "LOAD\n  NAME=WIND\n    TYPE=FORCE\n      ADD=3  UY=5\n"
                                          "  NAME=DEAD\n    TYPE=FORCE\n      ADD=3  UZ=-200\n\n";

TEST(OpenProject, AChangedModelKeepsWhatStillFitsAndNamesWhatNoLongerDoes)
{
    test::TempDir folder;
    const std::string model = folder.File("m.s2k");
    const std::string project = folder.File("p.mirelo");
    WriteWholeFile(model, kPortalBefore);
    Model before = ImportFile(model);
    AnalysisSettings analysis;
    RecorderSettings recorders;
    SetSetting(analysis, recorders, "LoadCase", "1");     // DEAD
    SetSetting(analysis, recorders, "PushoverCase", "2"); // PUSH
    SetSetting(analysis, recorders, "ControlNode", "4");
    SetSetting(analysis, recorders, "LoadSteps", "7");
    SetSectionSetting(FrameSectionNamed(before, "NCOL"), "divideX", "9");
    SetSectionSetting(FrameSectionNamed(before, "NBEAM"), "divideX", "8");
    SetMaterialSetting(MaterialNamed(before, "CONC"), "type", "Concrete01");
    SaveProjectFile(project, CaptureProject(project, model, before, analysis, recorders));

    WriteWholeFile(model, kPortalAfter);
    const OpenedProject opened = OpenProject(project, ImportFile);
    EXPECT_THAT(opened.warnings,
                ElementsAre(model + " has changed since the project was saved",
                            "frame section NBEAM is not in " + model + ": its settings are left out",
                            "load case PUSH (PushoverCase) is not in the model: PushoverCase is back to 1",
                            "control joint 4 is not in the model: ControlNode is back to 1"));
    EXPECT_EQ(opened.analysis.LoadCase, 2); // DEAD, found again by name
    EXPECT_EQ(opened.analysis.LoadSteps, 7);
    EXPECT_EQ(FrameSectionNamed(const_cast<Model&>(opened.model), "NCOL").divideX, 9);
    EXPECT_EQ(FrameSectionNamed(const_cast<Model&>(opened.model), "BEAM2").divideX, 5);
    EXPECT_EQ(opened.model.Materials[1].materialType, kConcrete01);
}

TEST(OpenProject, SettingsThatNoLongerFitASectionAreLeftOutWithTheCheck)
{
    Model model = test::ImportDotted({"JOINT", "··1··X=0··Y=0··Z=0", "", "MATERIAL", "··NAME=C··IDES=C",
                                      "····T=0··E=3E+07··U=.2", "", "FRAME·SECTION",
                                      "··NAME=NCOL··MAT=C··SH=R··T=.4,.4", "··NAME=RSPR··MAT=C··SH=R··T=.4,.4", ""});
    Project project;
    project.sections = {{"NCOL", {{"cover", 300}}}, {"NCOL", {{"divideX", 3}}}};
    AnalysisSettings analysis;
    RecorderSettings recorders;
    const auto warnings = ApplyProject(project, false, "m.s2k", model, analysis, recorders);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_THAT(warnings[0], ::testing::StartsWith("Section NCOL: Cover"));
    EXPECT_THAT(warnings[0], ::testing::EndsWith(": the project's settings of frame section NCOL are left out"));
    EXPECT_EQ(warnings[1], "frame section NCOL is not in m.s2k: its settings are left out"); // only one NCOL
    EXPECT_DOUBLE_EQ(model.FrameSections[1].cover, 35); // mm: the file gives no units

    // The spring kind a name beginning with R gives is the import's: never saved.
    const SettingValues spring = CaptureSection(model.FrameSections[2]);
    EXPECT_EQ(model.FrameSections[2].elementKind, kRotationalSpring);
    EXPECT_EQ(std::count_if(spring.begin(), spring.end(), [](const auto& v) { return v.first == "elementKind"; }), 0);
}

} // namespace
} // namespace mirelo
