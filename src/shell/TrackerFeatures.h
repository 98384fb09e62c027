#pragma once

#include <QObject>
#include <memory>

#include "measure/MiniViewSettings.h"
#include "measure/RunTracker.h"

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace bm {

struct AppContext;
class FormMain;
class FormMiniView;

// The run tracker's windows and commands beside the main window: the
// compact view ("ミニ表示", last in the 設定 menu), the summary copy and the
// review folder of failed reads (ツール), and the tray icon where the
// desktop has a tray. It listens to the captures through the measuring
// logic's observer and changes nothing the main window shows or writes.
class TrackerFeatures : public QObject {
    Q_OBJECT
public:
    TrackerFeatures(AppContext& ctx, FormMain& main);
    ~TrackerFeatures() override;

    const RunTracker& tracker() const { return tracker_; }
    FormMiniView* miniView() const { return mini_.get(); }
    QAction* miniViewAction() const { return miniAction_; }
    QSystemTrayIcon* trayIcon() const { return tray_.get(); }

    // Shows or hides the compact view and remembers the choice.
    void setMiniViewShown(bool shown);
    // Puts the summary line on the clipboard.
    void copySummary();
    // Opens <record folder>/ss/NG/ (created when missing).
    void openReviewFolder();

private:
    void addMenus();
    void createTray();
    void figuresChanged();
    void saveSettings();

    AppContext& ctx_;
    FormMain& main_;
    RunTracker tracker_;
    MiniViewSettings settings_;
    std::unique_ptr<FormMiniView> mini_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<QMenu> trayMenu_;
    QAction* miniAction_ = nullptr;
};

}  // namespace bm
