#pragma once

#include <QDateTime>
#include <QLabel>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "measure/MiniViewSettings.h"

class QMenu;
class QAction;

namespace bm {

class RunStats;

// The compact view: a small frameless window with the run's figures that
// stays beside the game. The left button drags it, the right button opens
// its options. It never stays over the capture rectangles of the game
// window, because the capture reads what is on screen.
class FormMiniView : public QWidget {
    Q_OBJECT
public:
    struct Services {
        const RunStats& stats;
        // The current time (the platform's clock).
        std::function<QDateTime()> now;
        // The capture rectangles in screen coordinates.
        std::function<std::vector<QRect>()> captureRects;
        // Copies the summary line to the clipboard.
        std::function<void()> copySummary;
        // Called after an option or the position changed.
        std::function<void()> settingsChanged;
    };

    FormMiniView(Services services, MiniViewSettings& settings, QWidget* parent = nullptr);

    // Shows the figures of now.
    void refresh();
    // Moves the view off the capture rectangles when it covers one; returns
    // true when it moved.
    bool keepOffCaptureRects();
    // Applies always-on-top and opacity from the settings.
    void applyOptions();
    QMenu* optionsMenu() const { return menu_; }

signals:
    // The window was closed by the window manager (Alt+F4 and the like).
    void closedByUser();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();

    Services services_;
    MiniViewSettings& settings_;
    QLabel* figures_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* onTop_ = nullptr;
    std::vector<QAction*> opacities_;
    QTimer countdown_;
    std::optional<QPoint> dragOffset_;
};

}  // namespace bm
