// The undo history of the settings dialogs' OKs: each step undone and redone
// exactly, named after what it changed, and the saved state known throughout.
#include "model/ImportS2k.h"
#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"
#include "project/SettingsHistory.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace mirelo {
namespace {

struct Portal {
    Model model = ImportS2kFile(test::ExamplePath("rc-portal-pushover.s2k").string()).model;
    AnalysisSettings analysis;
    RecorderSettings recorders;

    SettingsSnapshot Capture() const { return CaptureSettings(model, analysis, recorders); }

    // One OK of a dialog: the change recorded as a step.
    bool Ok(SettingsHistory& history, const std::function<void(Portal&)>& change)
    {
        SettingsSnapshot before = Capture();
        change(*this);
        return history.Record(std::move(before), Capture(), model);
    }
};

void DivideNcol400(Portal& p) { SetSectionSetting(FrameSectionNamed(p.model, "NCOL400"), "divideX", "9"); }
void SteelOnConcrete(Portal& p)
{
    Material& conc = MaterialNamed(p.model, "CONC");
    SetMaterialSetting(conc, "E", "2.5e7");
    SetMaterialSetting(conc, "type", "Concrete02");
    FinishMaterialEdit(conc); // as the dialog's OK: G follows
}
void Pushover(Portal& p) { SetSetting(p.analysis, p.recorders, "AnalysisType", "3"); }
void RecordCurves(Portal& p) { SetSetting(p.analysis, p.recorders, "RecordCurves", "1"); }
void TwoSections(Portal& p)
{
    DivideNcol400(p);
    SetSectionSetting(FrameSectionNamed(p.model, "NBEAM300X500"), "cover", "0.05");
}
void MaterialAndAnalysis(Portal& p)
{
    SteelOnConcrete(p);
    Pushover(p);
}

// The kind apart from the record's name, so a window translates the one and keeps the other.
TEST(SettingsHistory, NamesEachStepAfterWhatItsOkChanged)
{
    const struct {
        void (*change)(Portal&);
        const char* kind;
        const char* record;
        const char* name;
    } cases[] = {
        {DivideNcol400, "Frame Section", "NCOL400", "Frame Section NCOL400"},
        {SteelOnConcrete, "Material", "CONC", "Material CONC"},
        {Pushover, "Analysis Setting", "", "Analysis Setting"},
        {RecordCurves, "Recorder Setting", "", "Recorder Setting"},
        {TwoSections, "Frame Sections", "", "Frame Sections"},
        {MaterialAndAnalysis, "Settings", "", "Settings"},
    };
    for (const auto& c : cases) {
        Portal portal;
        SettingsHistory history;
        ASSERT_TRUE(portal.Ok(history, c.change)) << c.name;
        EXPECT_EQ(history.UndoName(), (StepName{c.kind, c.record})) << c.name;
        EXPECT_EQ(history.UndoName().Text(), c.name);
        EXPECT_TRUE(history.RedoName().empty());
    }
}

TEST(SettingsHistory, UndoesAndRedoesEveryStepExactlyInTurn)
{
    Portal portal;
    SettingsHistory history;
    const SettingsSnapshot start = portal.Capture();
    const double startG = MaterialNamed(portal.model, "CONC").shearModulus;
    ASSERT_TRUE(portal.Ok(history, DivideNcol400));
    const SettingsSnapshot afterSection = portal.Capture();
    ASSERT_TRUE(portal.Ok(history, SteelOnConcrete));
    const SettingsSnapshot afterMaterial = portal.Capture();
    const double changedG = MaterialNamed(portal.model, "CONC").shearModulus;
    ASSERT_NE(changedG, startG);

    history.Undo(portal.model, portal.analysis, portal.recorders);
    EXPECT_EQ(portal.Capture(), afterSection);
    EXPECT_EQ(MaterialNamed(portal.model, "CONC").shearModulus, startG); // G follows E back
    EXPECT_EQ(history.UndoName().Text(), "Frame Section NCOL400");
    EXPECT_EQ(history.RedoName().Text(), "Material CONC");
    history.Undo(portal.model, portal.analysis, portal.recorders);
    EXPECT_EQ(portal.Capture(), start);
    EXPECT_FALSE(history.CanUndo());
    history.Undo(portal.model, portal.analysis, portal.recorders); // nothing left: nothing happens
    EXPECT_EQ(portal.Capture(), start);

    history.Redo(portal.model, portal.analysis, portal.recorders);
    history.Redo(portal.model, portal.analysis, portal.recorders);
    EXPECT_EQ(portal.Capture(), afterMaterial);
    EXPECT_EQ(MaterialNamed(portal.model, "CONC").shearModulus, changedG);
    EXPECT_FALSE(history.CanRedo());
}

TEST(SettingsHistory, AnOkThatChangesNothingIsNoStep)
{
    Portal portal;
    SettingsHistory history;
    EXPECT_FALSE(portal.Ok(history, [](Portal&) {}));
    EXPECT_FALSE(portal.Ok(history, [](Portal& p) { SetSetting(p.analysis, p.recorders, "AnalysisType", "1"); }));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.AtSaved());
}

TEST(SettingsHistory, KnowsTheSavedSettingsAcrossUndoRedoAndANewStep)
{
    Portal portal;
    SettingsHistory history;
    portal.Ok(history, DivideNcol400);
    EXPECT_FALSE(history.AtSaved());
    history.MarkSaved();
    EXPECT_TRUE(history.AtSaved());
    history.Undo(portal.model, portal.analysis, portal.recorders);
    EXPECT_FALSE(history.AtSaved());
    history.Redo(portal.model, portal.analysis, portal.recorders);
    EXPECT_TRUE(history.AtSaved());

    // A new step after undoing the saved one drops it: the saved settings
    // cannot come back by undo or redo, and the redo step is gone.
    history.Undo(portal.model, portal.analysis, portal.recorders);
    portal.Ok(history, Pushover);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.AtSaved());
    history.Undo(portal.model, portal.analysis, portal.recorders);
    EXPECT_FALSE(history.AtSaved());

    history.Clear();
    EXPECT_TRUE(history.AtSaved());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

} // namespace
} // namespace mirelo
