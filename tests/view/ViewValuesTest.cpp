// The view a project keeps: every kept field back as it was, and kept values
// that do not fit the model or their field left out.
#include "view/ViewValues.h"

#include <QTest>

#include <cmath>

using namespace mirelo;

namespace {

Model ModelWithLoadCases(std::int32_t count)
{
    Model model;
    model.LoadCaseCount = count;
    model.LoadCaseNames.assign(static_cast<std::size_t>(count) + 1, "CASE");
    return model;
}

} // namespace

class ViewValuesTest : public QObject {
    Q_OBJECT

private slots:
    void everyKeptFieldComesBack()
    {
        ViewState view;
        view.Scale = 0.0123456789012345;
        view.PanX = -3.5;
        view.PanY = 7.25;
        view.PlanAngle = 30;
        view.TiltAngle = -60;
        view.PlaneAxis = kPlaneAxisY;
        view.PlaneShown = 3;
        view.LoadCaseShown = 2;
        view.LoadTypeShown = kShowElementLoads;
        view.LoadDisplay = LoadStyle::TextLabels;
        view.ShowAxisTriad = false;
        view.ShowLegend = false;
        view.DeformScale = 25;
        view.HingeMax = 0.002;
        view.HingeMin = -0.003;
        view.ShowForces = true;
        view.ForceShown = ForceQuantity::Vz;
        view.ForceScale = 0.0266667;
        view.ShowForceValues = true;
        view.ShowReactions = true;
        view.ContourShown = ContourQuantity::UY;
        view.LayerFlags.ShowNodeLabels = true;
        view.LayerFlags.ShowShells = false;
        view.LayerFlags.ShowSolidLabels = true;
        view.SelectedFrame = 4; // the moment's: not kept
        view.MouseMode = kRotateArmed;

        const std::map<std::string, double> values = CaptureViewValues(view);
        ViewState back;
        ApplyViewValues(values, ModelWithLoadCases(2), back);
        QCOMPARE(CaptureViewValues(back), values);
        QCOMPARE(back.Scale, view.Scale);
        QCOMPARE(back.LoadDisplay, LoadStyle::TextLabels);
        QCOMPARE(back.ForceShown, ForceQuantity::Vz);
        QCOMPARE(back.ContourShown, ContourQuantity::UY);
        QVERIFY(back.LayerFlags.ShowNodeLabels && !back.LayerFlags.ShowShells && back.LayerFlags.ShowSolidLabels);
        QCOMPARE(back.SelectedFrame, 0);
        QCOMPARE(back.MouseMode, std::int32_t(kMouseNone));
    }

    void valuesThatDoNotFitAreLeftOut()
    {
        const std::map<std::string, double> bad = {
            {"Scale", 0},         {"PlaneAxis", 7},   {"PlaneShown", -1}, {"LoadCaseShown", 3},
            {"LoadTypeShown", 1.5}, {"ShowLegend", 0.5}, {"ShowFrames", 2}, {"LoadDisplay", 4},
            {"ForceShown", 6},    {"ContourShown", -1}, {"ForceScale", NAN}, {"SomethingNewer", 1},
        };
        ViewState view;
        ApplyViewValues(bad, ModelWithLoadCases(2), view);
        QCOMPARE(CaptureViewValues(view), CaptureViewValues(ViewState()));
    }
};

QTEST_GUILESS_MAIN(ViewValuesTest)
#include "ViewValuesTest.moc"
