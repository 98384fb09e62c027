// Time of one client-region capture through the X11 platform, for each
// default region, against the status-bar stand-in on the display in
// DISPLAY. Started by bench/run-capture-bench.sh.
//
// Besides Google Benchmark's mean per iteration, every run reports the
// median and the 90th percentile of single calls (counters median_us and
// p90_us).

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/x11/X11Platform.h"
#include "settings/SettingsDefaults.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs `call` once per iteration and adds per-call statistics.
template <typename Call>
void timeCalls(benchmark::State& state, Call&& call) {
    std::vector<double> micros;
    micros.reserve(100000);
    for (auto _ : state) {
        const auto start = Clock::now();
        call();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    if (micros.empty()) {
        return;
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p90_us"] = micros[micros.size() * 9 / 10];
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const QString title = qEnvironmentVariable("BM_BENCH_TITLE", QStringLiteral("LaTale Client"));
    const bool fullScreen = qEnvironmentVariable("BM_BENCH_MODE") == QLatin1String("fullscreen");

    static bm::X11Platform x;
    if (!x.isOpen()) {
        std::fprintf(stderr, "bench_capture: cannot open the X display\n");
        return 1;
    }
    bm::WindowId window = 0;
    for (int i = 0; i < 200 && window == 0; ++i) {
        window = x.findWindowByTitle(title);
        if (window == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (window == 0) {
        std::fprintf(stderr, "bench_capture: no window titled \"%s\"\n", qPrintable(title));
        return 1;
    }

    static bm::Settings settings;
    bm::applyCaptureDefaults(settings, fullScreen, false);
    bm::applyExtensionDefaults(settings, fullScreen);
    const char* names[] = {"Lv", "Exp", "Money", "Exp2", "Money2"};
    for (int region = 0; region < bm::RegionCount; ++region) {
        const auto rect = settings.CaptureRect[region];
        const std::string name =
            std::string("CaptureClientRegion/") + std::to_string(region) + "_" + names[region];
        benchmark::RegisterBenchmark(name.c_str(), [window, rect](benchmark::State& state) {
            bm::PixelBuffer pixels;
            timeCalls(state, [&]() {
                if (!x.captureRegion(window, true, rect.X, rect.Y, rect.Width, rect.Height,
                                     pixels)) {
                    state.SkipWithError("capture failed");
                }
                benchmark::DoNotOptimize(pixels.pixels.data());
            });
        })->Unit(benchmark::kMicrosecond);
    }
    // What one capture cycle asks of the platform: find the window, check
    // that it is in front, read the level and both Exp/money positions.
    benchmark::RegisterBenchmark("CaptureCycle", [window, title](benchmark::State& state) {
        bm::PixelBuffer pixels;
        timeCalls(state, [&]() {
            benchmark::DoNotOptimize(x.findWindowByTitle(title));
            benchmark::DoNotOptimize(x.foregroundWindow());
            for (const auto& rect : settings.CaptureRect) {
                x.captureRegion(window, true, rect.X, rect.Y, rect.Width, rect.Height, pixels);
            }
        });
    })->Unit(benchmark::kMicrosecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
