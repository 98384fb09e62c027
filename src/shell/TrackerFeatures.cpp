#include "shell/TrackerFeatures.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

#include "app/AppContext.h"
#include "app/GameWindow.h"
#include "app/MiniViewPlacement.h"
#include "app/PathUtil.h"
#include "app/RunState.h"
#include "capture/ReviewFolder.h"
#include "measure/FormMiniView.h"
#include "measure/RunFiguresText.h"
#include "platform/Platform.h"
#include "settings/ExtraSettings.h"
#include "shell/FormMain.h"
#include "util/Launcher.h"

namespace bm {

namespace {

// A small icon for the tray: an upward bar chart.
QIcon trayPicture() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 200));
    p.drawRect(3, 18, 7, 12);
    p.drawRect(12, 11, 7, 19);
    p.drawRect(21, 3, 7, 27);
    return QIcon(pixmap);
}

}  // namespace

TrackerFeatures::TrackerFeatures(AppContext& ctx, FormMain& main)
    : ctx_(ctx), main_(main), tracker_(ctx) {
    {
        const auto file = openExtraSettings(ctx_.paths);
        settings_ = MiniViewSettings::load(*file);
    }
    main_.measure().observer = &tracker_;
    tracker_.changed = [this] { figuresChanged(); };
    addMenus();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        createTray();
    }
    if (settings_.shown) {
        setMiniViewShown(true);
    }
}

TrackerFeatures::~TrackerFeatures() {
    main_.measure().observer = nullptr;
}

void TrackerFeatures::addMenus() {
    FormMainUi& ui = main_.ui();
    miniAction_ = ui.menuConfig->addAction(QStringLiteral("ミニ表示"));
    miniAction_->setObjectName(QStringLiteral("menuMiniView"));
    miniAction_->setCheckable(true);
    connect(miniAction_, &QAction::triggered, this, &TrackerFeatures::setMiniViewShown);

    QAction* copy = ui.menuTools->addAction(QStringLiteral("結果をコピー"));
    copy->setObjectName(QStringLiteral("menuCopyResult"));
    connect(copy, &QAction::triggered, this, &TrackerFeatures::copySummary);
    QAction* review = ui.menuTools->addAction(QStringLiteral("認識失敗の画像を開く"));
    review->setObjectName(QStringLiteral("menuOpenFailedReads"));
    connect(review, &QAction::triggered, this, &TrackerFeatures::openReviewFolder);
}

void TrackerFeatures::createTray() {
    FormMainUi& ui = main_.ui();
    trayMenu_ = std::make_unique<QMenu>();
    // The main window's own actions, so captions and enabled states agree.
    trayMenu_->addAction(ui.menuRun);
    trayMenu_->addAction(ui.menuStop);
    trayMenu_->addAction(miniAction_);
    trayMenu_->addSeparator();
    trayMenu_->addAction(ui.menuEnd);
    tray_ = std::make_unique<QSystemTrayIcon>(trayPicture());
    tray_->setContextMenu(trayMenu_.get());
    tray_->setToolTip(
        runtext::figureLines(tracker_.stats(), ctx_.platform.now()).join(QLatin1Char('\n')));
    tray_->show();
}

void TrackerFeatures::setMiniViewShown(bool shown) {
    miniAction_->setChecked(shown);
    if (shown && !mini_) {
        FormMiniView::Services services{
            tracker_.stats(),
            [this] { return ctx_.platform.now(); },
            [this] {
                // The game window the capture cycle found last, checked
                // rather than looked up again after every capture.
                const WindowId game = FindGameWindow(ctx_.platform, ctx_.run.GameWindow,
                                                     ctx_.settings.SearchWindowName);
                return CaptureRectsOnScreen(ctx_.platform, game, ctx_.settings);
            },
            [this] { copySummary(); },
            [this] { saveSettings(); },
        };
        mini_ = std::make_unique<FormMiniView>(std::move(services), settings_);
        // Closed by the window manager: the menu item follows, unless the
        // whole program is closing (then the view opens again next time).
        connect(mini_.get(), &FormMiniView::closedByUser, this, [this] {
            if (!ctx_.run.Closing) {
                setMiniViewShown(false);
            }
        });
    }
    if (mini_) {
        mini_->setVisible(shown);
    }
    if (settings_.shown != shown) {
        settings_.shown = shown;
        saveSettings();
    }
}

void TrackerFeatures::copySummary() {
    const QString line = runtext::summaryLine(tracker_.stats());
    if (!line.isEmpty()) {
        QGuiApplication::clipboard()->setText(line);
    }
}

void TrackerFeatures::openReviewFolder() {
    QString folder = ReviewFolderPath(ctx_.settings);
    if (folder.isEmpty()) {
        return;
    }
    if (!PathExists(folder)) {
        CreateFolderTree(folder);
    }
    ExecuteFile(ctx_, folder, kLaunchWaitMs);
}

void TrackerFeatures::figuresChanged() {
    const QDateTime now = ctx_.platform.now();
    if (mini_) {
        mini_->refresh();
        if (mini_->isVisible()) {
            mini_->keepOffCaptureRects();
        }
    }
    if (tray_) {
        tray_->setToolTip(runtext::figureLines(tracker_.stats(), now).join(QLatin1Char('\n')));
    }
}

void TrackerFeatures::saveSettings() {
    const auto file = openExtraSettings(ctx_.paths);
    settings_.save(*file);
}

}  // namespace bm
