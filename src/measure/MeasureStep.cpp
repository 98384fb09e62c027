#include "measure/MeasureStep.h"

#include <cmath>

#include "app/CrLf.h"
#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/NumberFormat.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "measure/CaptureObserver.h"
#include "measure/DisplayResult.h"
#include "measure/GraphSink.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/LogText.h"
#include "records/OutputFormat.h"
#include "records/PayRecord.h"

namespace bm {

const QString PayRecordFolderPopup = QStringLiteral(
    "時給記録フォルダが不正のため\r\n給与明細を書き込めません。\r\n"
    "書き込めるようになった時点でまとめて記録します。");

namespace {

// A failed reading is tried again this soon, whatever the capture interval.
constexpr int RetrySeconds = 15;
// Seconds the 32-bit millisecond clock runs before it starts again at 0.
constexpr std::int32_t ClockWrapSeconds = 4294967;

// Writes to the pay record file. A line that cannot be written stays in
// memory (WritePayRecord keeps it) and the popup tells the user once per
// failure, so that the rest of the evening is not measured into nothing.
void writeRecord(MeasureContext& m, const QString& line, PayRecordMode mode) {
    RunState& run = m.app.run;
    if (WritePayRecord(m.app, line, mode)) {
        run.PayRecordPopupShown = false;
        return;
    }
    if (!run.PayRecordPopupShown && !m.view.inputDialogOpen()) {
        m.view.showPopupMessage(PayRecordFolderPopup, QStringLiteral("エラー"), 14);
        run.PopupShown = true;
        run.PayRecordPopupShown = true;
    }
}

// Which readings are missing, as the log box names them.
QString missingReadings(bool lvRead, bool expRead, bool moneyRead) {
    static const QString texts[] = {
        QStringLiteral("全部 NG"),  QStringLiteral("ExpとMoney NG"), QStringLiteral("LvとMoney NG"),
        QStringLiteral("Money NG"), QStringLiteral("LvとExp NG"),    QStringLiteral("Exp NG"),
        QStringLiteral("Lv NG"),
    };
    const int index = (lvRead ? 1 : 0) | (expRead ? 2 : 0) | (moneyRead ? 4 : 0);
    return texts[index];
}

Currency percentFromHundredths(Currency hundredths) {
    return Currency::fromDouble(hundredths.toDouble() / 100.0);
}

void addZeroSamples(MeasureContext& m, int count) {
    const Settings& s = m.app.settings;
    if (m.graph == nullptr) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        m.graph->AddGraphData(Currency(), Currency(), s.GraphAverageCount, s.GraphPoints, 0);
    }
}

// Rejects a capture with a missing reading: the NG line, and a retry soon.
bool rejectIncomplete(MeasureContext& m, const QString& stamp) {
    RunState& run = m.app.run;
    const bool lvRead = run.LvNow >= 0;
    const bool expRead = run.ExpNow >= Currency();
    const bool moneyRead = run.MoneyNow >= Currency();
    if (lvRead && expRead && moneyRead) {
        return false;
    }
    const QString line =
        stamp + QStringLiteral("  認識失敗  ") + missingReadings(lvRead, expRead, moneyRead);
    m.view.appendLog(line + CrLf);
    run.NextCaptureTime = m.app.platform.now().addSecs(RetrySeconds);
    m.app.log.WriteDebugLog(QStringLiteral("ImageRecognition misstep :") + line);
    return true;
}

// Another character is played: close the previous one's summary and start
// afresh, with no references and a disarmed watch.
void startNewCharacter(MeasureContext& m) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    m.view.appendLog(QStringLiteral("キャラクタチェンジ検出") + CrLf);
    DisplayResult(m, DisplayMode::Summary);
    m.view.appendLog(LogColumnHeader + CrLf);
    run.LayoutMode = Layout::Undecided;
    run.ExpData[1] = Currency();
    run.ExpSeconds[1] = 0;
    run.LvData[1] = 0;
    run.MoneyData[1] = Currency();
    run.MoneySeconds[1] = 0;
    run.WatchExpData[1] = Currency();
    run.WatchExpData[3] = Currency();
    run.WatchExpSeen = false;
    DisplayResult(m, DisplayMode::Start);
    m.app.log.WriteDebugLog(QStringLiteral("Detect Character Change "));
    if (m.seedRandom) {
        m.seedRandom();
    }
    if (s.GraphShow) {
        addZeroSamples(m, s.GraphAverageCount - 1);
        run.GraphOffset = 0;
        run.GraphScale = 1.0f;
        m.view.graphDataDisplay(0, 1.0f);
    }
}

void takeBaseline(MeasureContext& m, const QString& stamp, std::int32_t t) {
    RunState& run = m.app.run;
    run.ExpData[1] = run.ExpData[0];
    run.ExpSeconds[1] = t;
    run.LvData[1] = run.LvData[0];
    if (run.MoneySeconds[1] == 0) {
        run.MoneySeconds[1] = t;
        run.MoneyData[1] = run.MoneyData[0];
    }
    run.WatchExpData[1] = run.WatchExpData[0];

    const QString line = stamp + FormatColumn(run.LvNow, 6, 1, 0, false) +
                         FormatColumn(fmt::percent(run.ExpData[0]), 11, 1, 0, false) +
                         FormatColumn(run.MoneyNow, 15, 1, 0, false);
    writeRecord(m, QString(), PayRecordMode::Header);
    m.view.appendLog(line + CrLf);
    DisplayResult(m, DisplayMode::Start);
    m.app.log.WriteDebugLog(QStringLiteral("Fast ImageRecognition "));
}

}  // namespace

QString LineStamp(const QDateTime& when) {
    return when.toString(QStringLiteral("MM/dd HH:mm"));
}

std::int32_t ClockSeconds(Platform& platform) {
    // nearbyint rounds an exact half to the even neighbour.
    return static_cast<std::int32_t>(std::nearbyint(GetMilliseconds(platform) / 1000.0));
}

std::int32_t SecondsBetween(std::int32_t since, std::int32_t now) {
    const std::int32_t seconds = now - since;
    return seconds < 0 ? seconds + ClockWrapSeconds : seconds;
}

namespace {

// The rates of one accepted capture: the pay record's minutes and the
// hourly Exp and money rates.
struct StepRates {
    Currency minutes;
    Currency expRate;
    Currency moneyRate;
};

// The latest readings become the current values, at `t` seconds.
void takeReadings(RunState& run, std::int32_t t) {
    run.ExpData[0] = percentFromHundredths(run.ExpNow);
    run.LvData[0] = run.LvNow;
    run.ExpSeconds[0] = t;
    run.MoneySeconds[0] = t;
    run.MoneyData[0] = run.MoneyNow;
    run.LvData[2] = run.LvData[0] - run.LvData[1];
}

// Neither Exp nor money moved: idle time counts for neither rate, and the
// graph gets a zero sample. True when that was the case.
bool skipIdleCapture(MeasureContext& m, std::int32_t t, bool expUnchanged, bool moneyUnchanged) {
    RunState& run = m.app.run;
    if (!expUnchanged || !moneyUnchanged) {
        // The unchanged value's interval restarts now, so its rate is 0.
        if (moneyUnchanged) {
            run.MoneySeconds[1] = t;
        } else if (expUnchanged) {
            run.ExpSeconds[1] = t;
        }
        return false;
    }
    run.MoneySeconds[1] = t;
    run.ExpSeconds[1] = t;
    if (m.app.settings.GraphShow) {
        run.GraphOffset = 0;
        addZeroSamples(m, 1);
        m.view.graphDataDisplay(run.GraphOffset, run.GraphScale);
    }
    return true;
}

// The gains since the reference and their intervals; the current values
// become the new reference.
void takeDifferences(RunState& run, std::int32_t t) {
    // Every level gained counts as 100 %.
    run.ExpData[2] = Currency::fromInt(run.LvData[2]) * 100 + (run.ExpData[0] - run.ExpData[1]);
    run.ExpSeconds[2] = SecondsBetween(run.ExpSeconds[1], t);
    run.ExpData[1] = run.ExpData[0];
    run.ExpSeconds[1] = t;
    run.LvData[1] = run.LvData[0];
    run.MoneyData[2] = run.MoneyData[0] - run.MoneyData[1];
    run.MoneySeconds[2] = SecondsBetween(run.MoneySeconds[1], t);
    run.MoneyData[1] = run.MoneyData[0];
    run.MoneySeconds[1] = t;
}

void addGraphSample(MeasureContext& m, const StepRates& rates) {
    const Settings& s = m.app.settings;
    RunState& run = m.app.run;
    if (!s.GraphShow) {
        return;
    }
    if (m.graph != nullptr) {
        m.graph->AddGraphData(rates.expRate, rates.moneyRate, s.GraphAverageCount, s.GraphPoints,
                              0);
    }
    run.GraphOffset = 0;
    run.GraphScale = 1.0f;
    m.view.graphDataDisplay(0, 1.0f);
}

void writeLogLine(MeasureContext& m, const QString& stamp, const StepRates& rates) {
    const RunState& run = m.app.run;
    const QString line = stamp + FormatColumn(run.LvData[0], 6, 1, 0, false) +
                         FormatColumn(fmt::percent(run.ExpData[2]), 11, 1, 0, false) +
                         FormatColumn(run.MoneyData[2], 15, 1, 0, false) +
                         FormatColumn(rates.minutes, 7, 1, 1, false) +
                         FormatColumn(fmt::percent(rates.expRate), 11, 1, 0, false) +
                         FormatColumn(rates.moneyRate, 12, 1, 1, false);
    m.view.appendLog(line + CrLf);
}

void writePayRecordLine(MeasureContext& m, const QString& stamp, const StepRates& rates) {
    const RunState& run = m.app.run;
    PayRecordValues record;
    record.time = stamp;
    record.level = run.LvData[0];
    record.exp = run.ExpData[0];
    record.money = run.MoneyData[0];
    record.expGain = run.ExpData[2];
    record.moneyGain = run.MoneyData[2];
    record.minutes = rates.minutes;
    record.expRate = rates.expRate;
    record.moneyRate = rates.moneyRate;
    writeRecord(m, BuildPayRecordLine(record, m.app.settings.PayRecordCsv), PayRecordMode::Append);
}

}  // namespace

void MeasureStep(MeasureContext& m) {
    RunState& run = m.app.run;
    const QString stamp = LineStamp(m.app.platform.now());

    if (rejectIncomplete(m, stamp)) {
        if (m.observer != nullptr) {
            m.observer->captureRejected();
        }
        return;
    }

    BeepIfEnabled(m.app.settings, m.app.platform);
    const std::int32_t t = ClockSeconds(m.app.platform);
    takeReadings(run, t);

    // Up by three or more levels, or down: another character.
    if (run.LvData[1] != 0 && (run.LvData[2] > 2 || run.LvData[2] < 0)) {
        startNewCharacter(m);
    }

    if (m.observer != nullptr) {
        m.observer->captureAccepted(run.ExpSeconds[1] == 0);
    }
    if (run.ExpSeconds[1] == 0) {
        takeBaseline(m, stamp, t);
        return;
    }

    const bool expUnchanged = run.ExpData[1] == run.ExpData[0];
    const bool moneyUnchanged = run.MoneyData[1] == run.MoneyData[0];
    if (skipIdleCapture(m, t, expUnchanged, moneyUnchanged)) {
        return;
    }
    takeDifferences(run, t);
    DisplayResult(m, DisplayMode::Update);

    const StepRates rates{PayRecordMinutes(run.ExpSeconds[2]),
                          ExpHourlyRate(run.ExpData[2], run.ExpSeconds[2]),
                          MoneyHourlyRate(run.MoneyData[2], run.MoneySeconds[2])};
    addGraphSample(m, rates);
    writeLogLine(m, stamp, rates);
    writePayRecordLine(m, stamp, rates);
}

}  // namespace bm
