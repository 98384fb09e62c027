// Cost of the debug log: one line, and one region read with the eight lines
// it logs, against a file in a temporary folder with the system clock.
//   build/bin/bench_debuglog

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include "app/AppContext.h"
#include "app/ProgramPaths.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "capture/PixelString.h"
#include "platform/fake/FakePlatform.h"
#include "records/DebugLog.h"
#include "util/Prompt.h"

namespace {

// The scripted platform with the real clock, so that time stamps cost what
// they cost in the program.
class SystemClockPlatform : public bm::FakePlatform {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
    std::int64_t utcMilliseconds() override { return QDateTime::currentMSecsSinceEpoch(); }
};

class NoPrompt : public bm::Prompt {
public:
    bm::PromptAnswer ask(const QString&, const QString&, bm::PromptButtons,
                         bm::PromptIcon) override {
        return bm::PromptAnswer::Ok;
    }
};

struct Bench {
    QTemporaryDir folder;
    bm::Settings settings;
    bm::RunState run;
    bm::ProgramPaths paths = bm::ProgramPaths::single(folder.path());
    SystemClockPlatform platform;
    bm::DebugLog log{paths.writeFolder, platform};
    NoPrompt prompt;
    bm::AppContext ctx{settings, run, paths, platform, log, prompt};

    Bench() { log.WriteDebugLog(QStringLiteral("Starting Program  bench"), bm::LogMode::NewFile); }
};

void BM_DebugLogLine(benchmark::State& state) {
    Bench b;
    const QString message = QStringLiteral("ConvertPixelString10a");
    for (auto _ : state) {
        b.log.WriteDebugLog(message);
    }
}

// The default money region (76 × 9) of a window showing noise-free grey.
void BM_ConvertPixelStringWithLabels(benchmark::State& state) {
    Bench b;
    QImage client(800, 600, QImage::Format_RGB32);
    client.fill(qRgb(200, 200, 200));
    const bm::WindowId window = b.platform.addWindow(QStringLiteral("LaTale Client"), client);
    const bm::CaptureRect rect{300, 500, 76, 9};
    for (auto _ : state) {
        benchmark::DoNotOptimize(bm::ConvertPixelString(b.ctx, window, rect, 2, 186, -1));
    }
}

}  // namespace

BENCHMARK(BM_DebugLogLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConvertPixelStringWithLabels)->Unit(benchmark::kMicrosecond);
