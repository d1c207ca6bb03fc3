// One drag step of the viewer on a large model, as the window takes it: the
// mouse move, then the drag picture (project every joint and paint every layer
// switched on at start-up without hatching and labels, the axis triad and the
// legend) into a 1096 x 628 canvas image; and the full picture Redraw paints
// when the mouse stops. Steps use both cores: the CPU column is the process's.

#include "BuildingGenerator.h"
#include "common/SerialWorker.h"
#include "common/TextLines.h"
#include "convert/ModelFile.h"
#include "model/ImportS2k.h"
#include "results/ForceDiagram.h"
#include "view/DragPicture.h"
#include "view/FullPicture.h"
#include "view/Navigation.h"
#include "view/PickFrame.h"
#include "view/Redraw.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <future>
#include <optional>
#include <stdexcept>

namespace {

using namespace mirelo;

constexpr ViewArea kArea{1096, 628};

// 10 storeys on a 70 x 70 bay grid: 55,461 joints, 149,810 frames, 49,000 shells.
const Model& LargeBuilding()
{
    static const Model model = [] {
        bench::BuildingSize size;
        size.storeys = 10;
        size.baysX = 70;
        size.baysY = 70;
        Model m = ImportS2k(TextLines::FromText(bench::GenerateBuildingS2k(size)));
        if (m.Frames.count < 100000 || m.Joints.count < 50000)
            throw std::logic_error("the generated building is smaller than the benchmark needs");
        return m;
    }();
    return model;
}

const ResultSet kNoResults;

// Zoom All pans by half the projected extent, which centres a plan but leaves a
// turned view partly outside the area; centre it, so that every shape is painted.
void CentreThePicture(const Model& model, ViewState& view)
{
    Projection at;
    ProjectJoints(model, kNoResults, view, kArea, at);
    std::int64_t minX = kPixelLimit, maxX = -kPixelLimit, minY = kPixelLimit, maxY = -kPixelLimit;
    for (std::size_t k = 1; k < at.joints.size(); ++k) {
        minX = std::min<std::int64_t>(minX, at.joints[k].x);
        maxX = std::max<std::int64_t>(maxX, at.joints[k].x);
        minY = std::min<std::int64_t>(minY, at.joints[k].y);
        maxY = std::max<std::int64_t>(maxY, at.joints[k].y);
    }
    view.PanX += (static_cast<double>(minX + maxX) / 2 - kArea.width / 2.0) * view.Scale;
    view.PanY += (static_cast<double>(minY + maxY) / 2 - kArea.height / 2.0) * view.Scale;
}

struct DragSetup {
    const Model& model = LargeBuilding();
    ViewState view;
    QImage canvas = NewCanvasImage(QSize(kArea.width, kArea.height));
    Projection at; // where the last full picture put the joints and frames
};

// The view of the building at the angles, centred, with a drag armed at (500, 300).
void StartDrag(DragSetup& setup, double planAngle, double tiltAngle, const LayerSwitches& layers,
               std::int32_t loadTypeShown, bool orientation, bool rotate)
{
    ViewState& view = setup.view;
    view.ShowAxisTriad = view.ShowLegend = orientation;
    view.LayerFlags = layers;
    view.LoadCaseShown = loadTypeShown == kShowNoLoadType ? 0 : 1;
    view.LoadTypeShown = loadTypeShown;
    view.PlanAngle = planAngle;
    view.TiltAngle = tiltAngle;
    Redraw(setup.model, kNoResults, view, setup.canvas, setup.at);
    ZoomAll(setup.model, kNoResults, view, kArea);
    CentreThePicture(setup.model, view);
    if (rotate)
        ArmRotate(view);
    else
        ArmPan(view);
    MouseDown(setup.model, setup.at, view, Qt::LeftButton, 500, 300);
}

void Count(benchmark::State& state, const Model& model)
{
    state.counters["joints"] = model.Joints.count;
    state.counters["frames"] = model.Frames.count;
    state.counters["shells"] = model.Shells.count;
}

// Steps of one pixel to and fro, so the picture stays in place.
void DragStep(benchmark::State& state, double planAngle, double tiltAngle, const LayerSwitches& layers = {},
              std::int32_t loadTypeShown = kShowNoLoadType, bool orientation = true, bool rotate = false,
              DragPicture::Hatching hatching = DragPicture::Hatching::Off)
{
    DragSetup setup;
    StartDrag(setup, planAngle, tiltAngle, layers, loadTypeShown, orientation, rotate);
    const DragPicture picture(setup.model, kNoResults, setup.view, setup.canvas.size());
    int x = 500;
    for (auto _ : state) {
        x = x == 500 ? 501 : 500;
        MouseMove(setup.view, kArea, x, 300);
        picture.Paint(setup.view, setup.canvas, hatching);
        benchmark::DoNotOptimize(setup.canvas.constBits());
    }
    Count(state, setup.model);
}

// The start-up view: plan, fitted by Zoom All.
void BM_DragStepPlanView(benchmark::State& state)
{
    DragStep(state, 0, 0);
}
BENCHMARK(BM_DragStepPlanView)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// A turned 3-D view, where no two storeys cover each other: nothing repeats.
void BM_DragStepRotatedView(benchmark::State& state)
{
    DragStep(state, 30, -60);
}
BENCHMARK(BM_DragStepRotatedView)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// A rotate step of one pixel in the turned view: every joint moves anew.
void BM_DragStepRotate(benchmark::State& state)
{
    DragStep(state, 30, -60, {}, kShowNoLoadType, true, true);
}
BENCHMARK(BM_DragStepRotate)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The drag picture with the shells' hatching: the full picture once the mouse
// stops, bar its projection for picking; plan (0) and turned (1).
void BM_HatchedDragPicture(benchmark::State& state)
{
    const bool turned = state.range(0) == 1;
    DragStep(state, turned ? 30 : 0, turned ? -60 : 0, {}, kShowNoLoadType, true, false, DragPicture::Hatching::On);
}
BENCHMARK(BM_HatchedDragPicture)->DenseRange(0, 1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Gathering the drag picture at the first step of a drag.
void BM_DragPictureBuild(benchmark::State& state)
{
    DragSetup setup;
    StartDrag(setup, 30, -60, {}, kShowNoLoadType, true, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(DragPicture(setup.model, kNoResults, setup.view, setup.canvas.size()));
    Count(state, setup.model);
}
BENCHMARK(BM_DragPictureBuild)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The full picture Redraw paints once the mouse stops, plan and turned.
void StillPicture(benchmark::State& state, double planAngle, double tiltAngle)
{
    DragSetup setup;
    StartDrag(setup, planAngle, tiltAngle, {}, kShowNoLoadType, true, false);
    for (auto _ : state) {
        Redraw(setup.model, kNoResults, setup.view, setup.canvas, setup.at);
        benchmark::DoNotOptimize(setup.canvas.constBits());
    }
    Count(state, setup.model);
}
void BM_StillPlanView(benchmark::State& state)
{
    StillPicture(state, 0, 0);
}
BENCHMARK(BM_StillPlanView)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
void BM_StillRotatedView(benchmark::State& state)
{
    StillPicture(state, 30, -60);
}
BENCHMARK(BM_StillRotatedView)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// From the last mouse move to the finished full picture (PaintFullPicture), as the window does it
// with no rest left to wait: the drag step, then the full picture on a thread
// of its own (kept from picture to picture, as the window keeps it) into an
// image of its own; plan (0) and turned (1).
void BM_LastStepToFullPicture(benchmark::State& state)
{
    const bool turned = state.range(0) == 1;
    DragSetup setup;
    StartDrag(setup, turned ? 30 : 0, turned ? -60 : 0, {}, kShowNoLoadType, true, false);
    DragPicture picture(setup.model, kNoResults, setup.view, setup.canvas.size());
    SerialWorker painter;
    int x = 500;
    for (auto _ : state) {
        x = x == 500 ? 501 : 500;
        MouseMove(setup.view, kArea, x, 300);
        picture.Paint(setup.view, setup.canvas);
        QImage full = NewCanvasImage(setup.canvas.size());
        Projection at;
        const std::atomic<bool> stop{false};
        std::promise<void> done;
        painter.Post([&] {
            PaintFullPicture(&picture, setup.model, kNoResults, setup.view, full, at, stop);
            done.set_value();
        });
        done.get_future().wait();
        benchmark::DoNotOptimize(full.constBits());
    }
    Count(state, setup.model);
}
BENCHMARK(BM_LastStepToFullPicture)->DenseRange(0, 1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The same without the axis triad and the legend: what they cost.
void BM_DragStepRotatedViewBare(benchmark::State& state)
{
    DragStep(state, 30, -60, {}, kShowNoLoadType, false);
}
BENCHMARK(BM_DragStepRotatedViewBare)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The turned view with the DEAD case's loads as arrows: a force on every
// floor joint, or a line load on every beam.
void BM_DragStepRotatedPointLoadArrows(benchmark::State& state)
{
    DragStep(state, 30, -60, {}, kShowPointForces);
}
BENCHMARK(BM_DragStepRotatedPointLoadArrows)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DragStepRotatedLineLoadArrows(benchmark::State& state)
{
    DragStep(state, 30, -60, {}, kShowElementLoads);
}
BENCHMARK(BM_DragStepRotatedLineLoadArrows)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The turned view with section marks at both ends of every frame (all of
// one colour here, as no results are loaded).
void BM_DragStepRotatedSectionMarks(benchmark::State& state)
{
    LayerSwitches layers;
    layers.ShowHingeCircles = true;
    DragStep(state, 30, -60, layers);
}
BENCHMARK(BM_DragStepRotatedSectionMarks)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Where the time goes: the turned view with one start-up layer at a time
// (0 none, 1 nodes, 2 supports, 3 frames, 4 shells, 5 releases, 6 solids).
void BM_DragStepRotatedOneLayer(benchmark::State& state)
{
    LayerSwitches layers;
    layers.ShowNodes = state.range(0) == 1;
    layers.ShowSupports = state.range(0) == 2;
    layers.ShowFrames = state.range(0) == 3;
    layers.ShowShells = state.range(0) == 4;
    layers.ShowReleases = state.range(0) == 5;
    layers.ShowSolids = state.range(0) == 6;
    DragStep(state, 30, -60, layers);
}
BENCHMARK(BM_DragStepRotatedOneLayer)->DenseRange(0, 6)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Opening the million-line building (version-6 text, 38.6 MB) to its first
// picture: reading and importing the file, Zoom All and the full picture.
void BM_OpenMillionLineBuildingToPicture(benchmark::State& state)
{
    const std::string path = "/tmp/mirelo-bench-draw-million.s2k";
    {
        std::ofstream file(path, std::ios::binary);
        file << bench::GenerateBuildingS2k(bench::BuildingWithAtLeastLines(1'000'000));
    }
    QImage canvas = NewCanvasImage(QSize(kArea.width, kArea.height));
    Projection at;
    for (auto _ : state) {
        ModelImport opened = ImportModelFile(path);
        ViewState view;
        ZoomAll(opened.model, kNoResults, view, kArea);
        Redraw(opened.model, kNoResults, view, canvas, at);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenMillionLineBuildingToPicture)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// One click of select mode on the turned view: every frame's drawn line is
// measured against the pointer, in all planes.
void BM_PickFrameRotatedView(benchmark::State& state)
{
    const Model& model = LargeBuilding();
    ViewState view;
    view.PlanAngle = 30;
    view.TiltAngle = -60;
    view.PlaneAxis = kNoPlaneAxis;
    ZoomAll(model, kNoResults, view, kArea);
    CentreThePicture(model, view);
    Projection at;
    ProjectJoints(model, kNoResults, view, kArea, at);
    ProjectFrames(model, view, kArea, at);
    const Frame& target = model.Frames[model.Frames.count / 2];
    const ScreenPoint i = at.joints[static_cast<std::size_t>(target.jointI)];
    const ScreenPoint j = at.joints[static_cast<std::size_t>(target.jointJ)];
    const int x = (3 * i.x + j.x) / 4, y = (3 * i.y + j.y) / 4;
    for (auto _ : state)
        benchmark::DoNotOptimize(PickFrame(model, at, view, x, y));
    if (view.SelectedFrame == 0)
        state.SkipWithError("the click picked nothing");
    state.counters["frames"] = model.Frames.count;
}
BENCHMARK(BM_PickFrameRotatedView)->Unit(benchmark::kMillisecond);

// The full picture of the turned view with the moment diagram of every frame
// (12 end forces each, as one step of the element force files gives them;
// bench_forces reads such a step), at the suggested scale: what a step of the
// forces costs to draw.
void BM_ForceDiagramPicture(benchmark::State& state)
{
    DragSetup setup;
    StartDrag(setup, 30, -60, {}, kShowNoLoadType, true, false);
    const auto frames = static_cast<std::size_t>(setup.model.Frames.count);
    ResultSet results;
    results.forces.start.resize(frames + 1);
    results.forces.values.resize(frames * 12);
    for (std::size_t k = 0; k < frames; ++k) {
        results.forces.start[k + 1] = static_cast<std::int64_t>((k + 1) * 12);
        for (std::size_t v = 0; v < 12; ++v)
            results.forces.values[k * 12 + v] = (v % 2 == 0 ? 1.0 : -1.0) * static_cast<double>(1 + (k + v) % 97);
    }
    results.spanLoads.resize(frames);
    ViewState& view = setup.view;
    view.ShowForces = true;
    view.ForceShown = ForceQuantity::My;
    view.ForceScale = SuggestedDiagramScale(setup.model, results.forces, results.spanLoads, ForceQuantity::My);
    for (auto _ : state)
        Redraw(setup.model, results, view, setup.canvas, setup.at);
    Count(state, setup.model);
}
BENCHMARK(BM_ForceDiagramPicture)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv); // fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
