// "Generate" in the script window on the million-line building, up to the
// pane painted on the screen, and scrolling through the shown script. Runs on
// Qt's off-screen platform unless QT_QPA_PLATFORM says otherwise.
#include "BuildingGenerator.h"

#include "gui/common/CommandHost.h"
#include "gui/common/FileChooser.h"
#include "session/Session.h"
#include "model/ImportS2k.h"
#include "script/ScriptGenerator.h"
#include "gui/script/ScriptWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

using namespace mirelo;

constexpr long long kS2kLines = 1'000'000;

class Host : public CommandHost {
public:
    void RunCommand(const std::function<void()>& command) override { command(); }
    void Redraw() override {}
    void ChangeSettings(const std::function<void()>& change) override { change(); }
};

class NoFiles : public FileChooser {
protected:
    std::optional<QString> AskOpen(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> AskSave(const QString&, const QString&) override { return std::nullopt; }
};

struct Fixture {
    Session session;
    Host host;
    NoFiles files;
    ScriptWindow window{session, host, files};
    QPlainTextEdit* pane = nullptr;

    Fixture()
    {
        InitDefaults(session);
        session.model = ImportS2k(TextLines::FromText(bench::GenerateBuildingS2k(bench::BuildingWithAtLeastLines(kS2kLines))));
        window.resize(900, 700);
        window.show();
        pane = window.findChild<QPlainTextEdit*>("Memo1");
        if (pane == nullptr)
            throw std::logic_error("no script pane");
    }
};

// Made on first use and destroyed before the application object.
std::unique_ptr<Fixture> fixture;

Fixture& Window()
{
    if (!fixture)
        fixture = std::make_unique<Fixture>();
    return *fixture;
}

// From the press of "Generate" to the pane painted with the script's first
// lines (the rest follows from the event loop).
void BM_GenerateToShownPane(benchmark::State& state)
{
    Fixture& f = Window();
    for (auto _ : state) {
        f.window.GenerateClicked();
        f.pane->viewport()->repaint();
        state.PauseTiming();
        f.window.FinishFill();
        state.ResumeTiming();
    }
    state.counters["script_lines"] = static_cast<double>(f.window.Script().lines.size());
}
BENCHMARK(BM_GenerateToShownPane)->Unit(benchmark::kMillisecond)->Iterations(3);

// Until the last line is in the pane, the window answering events all along;
// "longest_turn_ms" is the longest time the event loop waited for the fill.
void BM_GenerateToFullPane(benchmark::State& state)
{
    Fixture& f = Window();
    double longest = 0;
    for (auto _ : state) {
        f.window.GenerateClicked();
        f.pane->viewport()->repaint();
        while (f.window.Filling()) {
            QElapsedTimer turn;
            turn.start();
            QApplication::processEvents();
            longest = std::max(longest, static_cast<double>(turn.nsecsElapsed()) / 1e6);
        }
    }
    state.counters["pane_lines"] = static_cast<double>(f.pane->document()->blockCount());
    state.counters["longest_turn_ms"] = longest;
}
BENCHMARK(BM_GenerateToFullPane)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same script generated without the window, for comparison: the rest of
// the figure above is the pane's fill and first paint.
void BM_GenerateOnly(benchmark::State& state)
{
    Fixture& f = Window();
    ScriptResult script;
    for (auto _ : state)
        GenerateScript(f.session.model, f.session.analysis, f.session.recorders, script);
}
BENCHMARK(BM_GenerateOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// One page down and the repaint it causes, anywhere in the script.
void BM_ScrollOnePage(benchmark::State& state)
{
    Fixture& f = Window();
    if (f.pane->document()->blockCount() < 2)
        f.window.GenerateClicked();
    f.window.FinishFill();
    QScrollBar* bar = f.pane->verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + bar->pageStep() * 997) % std::max(bar->maximum(), 1);
        bar->setValue(position);
        f.pane->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMicrosecond);

// Jumping to the end of the script and painting it.
void BM_JumpToEnd(benchmark::State& state)
{
    Fixture& f = Window();
    QScrollBar* bar = f.pane->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(0);
        f.pane->viewport()->repaint();
        bar->setValue(bar->maximum());
        f.pane->viewport()->repaint();
    }
}
BENCHMARK(BM_JumpToEnd)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fixture.reset();
    return 0;
}
