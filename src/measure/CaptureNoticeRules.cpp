#include "measure/CaptureNoticeRules.h"

#include <vector>

#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "records/DebugLog.h"

namespace bm {

const QString CoveredRegionsPopup =
    QStringLiteral("ゲーム画面の認識領域が他のウィンドウで隠れています");

namespace {

constexpr std::uint32_t BackgroundNoticeMs = 60000;
// Due captures come every 15 seconds while the game is behind; a longer gap
// (a suspension, a stop) starts the count afresh.
constexpr std::uint32_t BackgroundGapMs = 45000;
constexpr int RetrySeconds = 15;

const QString Title = QStringLiteral("エラー");
constexpr int FontSize = 14;

bool showing(const RunState& run, CaptureNotices::Showing which) {
    return run.PopupShown && run.Notices.showing == which;
}

void show(MeasureContext& m, const QString& text, CaptureNotices::Showing which) {
    m.view.showPopupMessage(text, Title, FontSize);
    m.app.run.PopupShown = true;
    m.app.run.Notices.showing = which;
}

void hideIfShowing(MeasureContext& m, CaptureNotices::Showing which) {
    RunState& run = m.app.run;
    if (showing(run, which)) {
        m.view.hidePopupMessage();
        run.PopupShown = false;
    }
    if (run.Notices.showing == which) {
        run.Notices.showing = CaptureNotices::Showing::None;
    }
}

// The regions the failed readings came from.
std::vector<int> failedRegions(const RunState& run, Layout layout) {
    std::vector<int> regions;
    if (run.LvNow < 0) {
        regions.push_back(0);
    }
    const bool expFailed = run.ExpNow < Currency();
    const bool moneyFailed = run.MoneyNow < Currency();
    if (expFailed && layout != Layout::Regions3And4) {
        regions.push_back(1);
    }
    if (moneyFailed && layout != Layout::Regions3And4) {
        regions.push_back(2);
    }
    if (expFailed && layout != Layout::Regions1And2) {
        regions.push_back(3);
    }
    if (moneyFailed && layout != Layout::Regions1And2) {
        regions.push_back(4);
    }
    return regions;
}

}  // namespace

QString BackgroundPopupText(ForegroundReason reason, const QString& otherTitle) {
    QString text =
        QStringLiteral("ゲーム画面が1分以上アクティブでないため\r\n認識を見合わせています。\r\n");
    switch (reason) {
        case ForegroundReason::OtherWindowActive:
            text += otherTitle.isEmpty()
                        ? QStringLiteral("いまは別のウィンドウがアクティブです。\r\n")
                        : QStringLiteral("いまアクティブなのは「") + otherTitle +
                              QStringLiteral("」です。\r\n");
            text += QStringLiteral("ゲーム画面をクリックしてください。");
            break;
        case ForegroundReason::PointerElsewhere:
            text += QStringLiteral(
                "ウィンドウマネージャがないため、\r\nマウスポインタの下のウィンドウを見ています。\r"
                "\n"
                "ゲーム画面の上にポインタを置いてください。");
            break;
        case ForegroundReason::FocusElsewhere:
        case ForegroundReason::InFront:
            text += QStringLiteral(
                "アクティブなウィンドウがなく、\r\nキー入力先もゲーム画面ではありません。\r\n"
                "ゲーム画面をクリックしてください。");
            break;
    }
    return text;
}

void HidePopupOnWindowFound(MeasureContext& m) {
    RunState& run = m.app.run;
    if (run.PopupShown && run.Notices.showing == CaptureNotices::Showing::None) {
        m.view.hidePopupMessage();
        run.PopupShown = false;
    }
}

bool PopupFreeForMissingWindow(const MeasureContext& m) {
    const RunState& run = m.app.run;
    return !run.PopupShown || run.Notices.showing != CaptureNotices::Showing::None;
}

void NoteBackground(MeasureContext& m, const ForegroundVerdict& verdict) {
    RunState& run = m.app.run;
    CaptureNotices& n = run.Notices;
    if (run.LogStartStamp.isEmpty()) {
        return;
    }
    const std::uint32_t now = m.app.platform.tickCount();
    if (!n.background || now - n.backgroundLastMs > BackgroundGapMs) {
        n.background = true;
        n.backgroundSinceMs = now;
    }
    n.backgroundLastMs = now;
    if (n.backgroundTold || now - n.backgroundSinceMs <= BackgroundNoticeMs ||
        m.view.inputDialogOpen()) {
        return;
    }
    n.backgroundTold = true;
    const QString other =
        verdict.other == 0 ? QString() : m.app.platform.windowTitle(verdict.other);
    show(m, BackgroundPopupText(verdict.reason, other), CaptureNotices::Showing::Background);
}

void NoteInFront(MeasureContext& m) {
    m.app.run.Notices.background = false;
    hideIfShowing(m, CaptureNotices::Showing::Background);
}

bool CheckCoveredRegions(MeasureContext& m, WindowId game, Layout layout) {
    RunState& run = m.app.run;
    const Settings& s = m.app.settings;
    bool covered = false;
    for (const int region : failedRegions(run, layout)) {
        const CaptureRect& r = s.CaptureRect[region];
        if (m.app.platform.clientRectCovered(game, QRect(r.X, r.Y, r.Width, r.Height))) {
            covered = true;
            break;
        }
    }
    if (!covered) {
        hideIfShowing(m, CaptureNotices::Showing::Covered);
        return false;
    }
    run.NextCaptureTime = m.app.platform.now().addSecs(RetrySeconds);
    if (!run.Notices.coveredLogged) {
        run.Notices.coveredLogged = true;
        m.app.log.WriteDebugLog(QStringLiteral("Capture Region Covered By Another Window "));
    }
    if (!showing(run, CaptureNotices::Showing::Covered) && !m.view.inputDialogOpen()) {
        show(m, CoveredRegionsPopup, CaptureNotices::Showing::Covered);
    }
    return true;
}

}  // namespace bm
