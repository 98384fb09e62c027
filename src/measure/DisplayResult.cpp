#include "measure/DisplayResult.h"

#include <QDateTime>
#include <cmath>

#include "app/CrLf.h"
#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/NumberFormat.h"
#include "app/RunState.h"
#include "platform/Platform.h"
#include "records/DebugLog.h"
#include "records/OutputFormat.h"
#include "records/PayRecord.h"

namespace bm {

namespace {

QString expText(Currency hundredths) {
    return fmt::percent(Currency::fromDouble(hundredths.toDouble() / 100.0));
}

// A panel time text is a debug-log time stamp; anything else (an empty
// start label before a run has its start values) has no time to measure from.
bool isTimeText(const QString& text) {
    return QDateTime::fromString(text, QStringLiteral("yyyy/MM/dd HH:mm:ss")).isValid();
}

void clearPanel(MeasureContext& m) {
    RunState& run = m.app.run;
    run.Panel = ResultPanel{};
    for (int cat = 0; cat < 3; ++cat) {
        m.view.setRecognitionLabel(cat, QString());
    }
    run.MoneyNow = Currency::fromInt(-1);
    m.view.showResultPanel(run.Panel);
    m.view.refreshFrame1();
}

void setStartValues(MeasureContext& m) {
    RunState& run = m.app.run;
    ResultPanel& p = run.Panel;
    p.lblStartTime = GetTimeStamp(m.app.platform.now());
    p.lblStartLv = QString::number(run.LvNow);
    p.lblStartExp = expText(run.ExpNow);
    p.lblStartMoney = run.MoneyNow.toString();
    p.lblEndTime = p.lblStartTime;
    p.lblEndLv = QString::number(run.LvNow);
    p.lblEndExp = p.lblStartExp;
    p.lblEndMoney = run.MoneyNow.toString();
    p.lblElapseTime.clear();
    p.lblElapseLv = QStringLiteral("0");
    p.lblElapseExp = QStringLiteral("0.00 ％");
    p.lblElapseMoney = QStringLiteral("0");
    m.view.showResultPanel(p);
    m.view.refreshFrame1();
}

void updateLatest(MeasureContext& m) {
    RunState& run = m.app.run;
    ResultPanel& p = run.Panel;
    ErrorTrap trap;

    p.lblEndTime = GetTimeStamp(m.app.platform.now());
    if (isTimeText(p.lblStartTime)) {
        p.lblElapseTime = ElapsedText(p.lblEndTime, p.lblStartTime);
    } else {
        trap.fail(errcode::TypeMismatch);
    }

    p.lblEndLv = QString::number(run.LvNow);
    p.lblEndExp = expText(run.ExpNow);
    p.lblEndMoney = run.MoneyNow.toString();

    const double lvGain = fmt::leadingNumber(p.lblEndLv) - fmt::leadingNumber(p.lblStartLv);
    p.lblElapseLv = PanelNumberText(lvGain);

    // Every level gained counts as 100 %; beyond a full level only the part
    // of the current level is shown, without decimals.
    Currency expGain =
        Currency::fromDouble(fmt::leadingNumber(p.lblElapseLv) * 100 +
                             fmt::leadingNumber(p.lblEndExp) - fmt::leadingNumber(p.lblStartExp));
    if (expGain > Currency::fromInt(100)) {
        expGain = Currency::fromInt(expGain.toWhole() % 100);
    }
    p.lblElapseExp = fmt::percent(expGain);

    p.lblElapseMoney =
        PanelNumberText(fmt::leadingNumber(p.lblEndMoney) - fmt::leadingNumber(p.lblStartMoney));

    m.view.showResultPanel(p);
    m.view.refreshFrame1();
    if (run.DebugMode) {
        m.app.log.WriteDebugLog(QStringLiteral("Useally Measure Data Display Complete "));
    }
    trap.report(m.app.log, QStringLiteral("DisplayResult"));
}

QString summaryLine(const QString& title, const QString& lv, const QString& exp,
                    const QString& money) {
    return title + FormatColumn(fmt::leadingNumber(lv), 5, 1, 0, false) +
           QStringLiteral("   Exp:") + FormatColumn(exp, 11, 1, 0, false) +
           QStringLiteral("  ELY:") + FormatColumn(fmt::leadingNumber(money), 17, 1, 0, false) +
           CrLf;
}

void writeSummary(MeasureContext& m) {
    RunState& run = m.app.run;
    if (!run.LogStartStamp.isEmpty()) {
        const ResultPanel& p = run.Panel;
        QString text = QStringLiteral(" 経過: ") + p.lblStartTime + QStringLiteral("  ～  ") +
                       p.lblEndTime + QStringLiteral("  ＝  ") + p.lblElapseTime + CrLf;
        text += summaryLine(QStringLiteral("    開始  Lv:"), p.lblStartLv, p.lblStartExp,
                            p.lblStartMoney);
        if (fmt::leadingNumber(p.lblEndLv) >= 0 && fmt::leadingNumber(p.lblEndExp) >= 0) {
            text += summaryLine(QStringLiteral("    終了  Lv:"), p.lblEndLv, p.lblEndExp,
                                p.lblEndMoney);
            text += summaryLine(QStringLiteral("    増加  Lv:"), p.lblElapseLv, p.lblElapseExp,
                                p.lblElapseMoney);
        }
        m.view.appendLog(text + CrLf + CrLf);
        m.app.log.WriteDebugLog(QStringLiteral("Measure Result Data Display Complete "));
    }
    m.view.refreshFrame1();
}

}  // namespace

QString PanelNumberText(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9.0e15) {
        return QString::number(static_cast<long long>(value));
    }
    return Currency::fromDouble(value).toString();
}

void DisplayResult(MeasureContext& m, DisplayMode mode) {
    switch (mode) {
        case DisplayMode::Clear:
            clearPanel(m);
            break;
        case DisplayMode::Start:
            setStartValues(m);
            break;
        case DisplayMode::Summary:
            writeSummary(m);
            break;
        default:
            updateLatest(m);
            break;
    }
}

}  // namespace bm
