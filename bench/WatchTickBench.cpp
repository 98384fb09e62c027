// Time of one tick of the level-up and death watch through the X11 platform
// against the status-bar stand-in: find the game window, check that it is in
// front, read the watched Exp and refresh Exp and money, with the debug log
// written to a temporary folder. Started by bench/run-capture-bench.sh with
// BENCH=bench_watch.
//
// Besides Google Benchmark's mean per iteration, the run reports the median
// and the 90th percentile of single ticks (counters median_us and p90_us).

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/AppContext.h"
#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "measure/LevelUpWatch.h"
#include "platform/x11/X11Platform.h"
#include "records/DebugLog.h"
#include "settings/SettingsDefaults.h"
#include "util/Prompt.h"

namespace {

using Clock = std::chrono::steady_clock;

class NoPrompt : public bm::Prompt {
public:
    bm::PromptAnswer ask(const QString&, const QString&, bm::PromptButtons,
                         bm::PromptIcon) override {
        return bm::PromptAnswer::Ok;
    }
};

// A main window that shows nothing.
class NoView : public bm::MainView {
public:
    void setRecognitionLabel(int, const QString&) override {}
    void appendLog(const QString&) override {}
    void showResultPanel(const bm::ResultPanel&) override {}
    void refreshFrame1() override {}
    void showPopupMessage(const QString&, const QString&, int) override {}
    void hidePopupMessage() override {}
    void resetPopupSize() override {}
    bool inputDialogOpen() const override { return false; }
    void setCapturePreview(int, const QImage&) override {}
    QImage capturePreview(int) const override { return {}; }
    void setCaptureTimerEnabled(bool) override {}
    bool captureTimerEnabled() const override { return false; }
    void setWatchTimer(int, bool) override {}
    void setRunMenu(bool, const QString&, bool) override {}
    void setSuspendButtonRed(bool) override {}
    void setTestButtonsEnabled(bool) override {}
    void setElapseLabel(const QString&) override {}
    void bringToFront() override {}
    void setWaitCursor(bool) override {}
    void graphDataDisplay(int, float) override {}
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    static bm::X11Platform x;
    if (!x.isOpen()) {
        std::fprintf(stderr, "bench_watch: cannot open the X display\n");
        return 1;
    }
    static QTemporaryDir folder;
    static bm::Settings settings;
    settings.SearchWindowName = QStringLiteral("LaTale Client");
    bm::applyCaptureDefaults(settings, false, false);
    bm::applyExtensionDefaults(settings, false);
    static bm::RunState run;
    run.LogStartStamp = QStringLiteral("202612051430");
    run.LayoutMode = bm::Layout::Regions1And2;
    static bm::ProgramPaths paths = bm::ProgramPaths::single(folder.path());
    static bm::DebugLog log(paths.writeFolder, x);
    log.WriteDebugLog(QStringLiteral("Starting Program  bench"), bm::LogMode::NewFile);
    static NoPrompt prompt;
    static NoView view;
    static bm::AppContext app{settings, run, paths, x, log, prompt};
    static bm::MeasureContext m{app, view, nullptr, {}};

    bool ready = false;
    for (int i = 0; i < 200 && !ready; ++i) {
        const bm::WindowId game = x.findWindowByTitle(settings.SearchWindowName);
        ready = game != 0 && x.foregroundWindow() == game;
        if (!ready) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (!ready) {
        std::fprintf(stderr, "bench_watch: no window titled \"LaTale Client\" in front\n");
        return 1;
    }

    benchmark::RegisterBenchmark("WatchTick", [](benchmark::State& state) {
        std::vector<double> micros;
        micros.reserve(100000);
        for (auto _ : state) {
            const auto start = Clock::now();
            bm::WatchTimerTick(m);
            micros.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        if (run.WatchExp < bm::Currency()) {
            state.SkipWithError("the watched Exp was not read");
        }
        std::sort(micros.begin(), micros.end());
        state.counters["median_us"] = micros[micros.size() / 2];
        state.counters["p90_us"] = micros[micros.size() * 9 / 10];
    })->Unit(benchmark::kMicrosecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
