#include "shell/FormMain.h"

#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include "app/AppContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "graph/GraphFrame.h"
#include "records/DebugLog.h"
#include "shell/FormMainGeometry.h"
#include "util/RandomTools.h"

namespace bm {

namespace geo = mainwindow;

void FormMain::applyRememberedWindowRect() {
    const Settings& s = ctx_.settings;
    if (s.WindowWidth != 0) {
        move(s.WindowLeft, s.WindowTop);
        // Never larger than the screen's free area: a damaged size would
        // otherwise cost memory for a window nobody can see whole.
        QSize size(s.WindowWidth, s.WindowHeight);
        if (const QScreen* where = screen(); where != nullptr) {
            size = size.boundedTo(where->availableGeometry().size());
        }
        resize(size);
        return;
    }
    QPoint pos = this->pos();
    if (s.WindowLeft != 0) {
        pos.setX(s.WindowLeft);
    }
    if (s.WindowTop != 0) {
        pos.setY(s.WindowTop);
    }
    move(pos);
}

QRect FormMain::mainWindowRect() const {
    return QRect(x(), y(), width(), height());
}

void FormMain::setMainWindowWidth(int width) {
    resize(width, height());
}

void FormMain::showMainWindow() {
    bringToFront();
}

void FormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (loaded_) {
        FormResize();
    }
}

void FormMain::FormResize() {
    if (isMinimized()) {
        return;
    }
    int h = centralWidget()->height();
    const int w = width();
    if (h < geo::MinClientHeight) {
        h = geo::MinClientHeight;
        resize(width(), h + menuBar()->height());
    }
    layoutGraphArea(w, h);
    layoutSeparators(h);
    ui_.txtLog->resize(geo::LogWidth, ui_.txtLog->height());
    if (ctx_.settings.RememberWindowPos) {
        ctx_.settings.WindowLeft = x();
        ctx_.settings.WindowTop = y();
        ctx_.settings.WindowWidth = width();
        ctx_.settings.WindowHeight = height();
    }
    DebugItemDisplay(ctx_.run.DebugMode);
    ctx_.log.WriteDebugLog(QStringLiteral("Resaizing Form ･･･ End "));
}

void FormMain::layoutGraphArea(int w, int h) {
    if (ctx_.settings.GraphShow) {
        if (w < geo::MinWidthWithGraph) {
            w = geo::MinWidthWithGraph;
            resize(w, height());
        }
        ui_.frmGraph->setGeometry(geo::GraphLeft, geo::GraphTop, w - geo::GraphReservedWidth,
                                  h - 6);
        graph_->setGeometry(ui_.frmGraph->rect());
        ui_.frmGraph->show();
        GraphFrameDisplay();
    } else {
        if (w != geo::WidthWithoutGraph) {
            resize(geo::WidthWithoutGraph, height());
        }
        ui_.frmGraph->hide();
    }
}

void FormMain::layoutSeparators(int h) {
    // Etched separators: the dark line first, the light one under it.
    const QPalette pal = palette();
    for (int i = 0; i < 4; ++i) {
        QPalette lp = ui_.lines[i]->palette();
        lp.setColor(QPalette::Window, pal.color(i % 2 == 0 ? QPalette::Dark : QPalette::Light));
        ui_.lines[i]->setPalette(lp);
    }
    ui_.lines[2]->setGeometry(geo::GraphLeft - 3, 4, 1, h - 8);
    ui_.lines[3]->setGeometry(geo::GraphLeft - 2, 4, 1, h - 8);
    ui_.lines[2]->setVisible(ctx_.settings.GraphShow);
    ui_.lines[3]->setVisible(ctx_.settings.GraphShow);
}

void FormMain::DebugItemDisplay(bool show) {
    const int H = centralWidget()->height();
    const int D = ui_.frmDebug->height();
    QRect log = ui_.txtLog->geometry();
    if (show) {
        ui_.frmDebug->show();
        for (QLabel* pic : ui_.picCapture) {
            pic->show();
        }
        ui_.frmDebug->move(ui_.frmDebug->x(), H - D - 8);
        log.setHeight(std::max(H - D - log.top() - 16, 0));
    } else {
        ui_.frmDebug->hide();
        for (QLabel* pic : ui_.picCapture) {
            pic->hide();
        }
        log.setHeight(std::max(H - log.top() - 8, 0));
    }
    ui_.txtLog->setGeometry(log);
    ui_.frmDebug->update();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget()) {
        if (event->type() == QEvent::Paint) {
            // An etched edge under the menu bar.
            QPainter p(centralWidget());
            const int w = centralWidget()->width();
            p.setPen(palette().color(QPalette::Dark));
            p.drawLine(0, 0, w, 0);
            p.setPen(palette().color(QPalette::Light));
            p.drawLine(0, 1, w, 1);
        } else if (event->type() == QEvent::MouseButtonPress) {
            ctx_.log.WriteDebugLog(QStringLiteral("Click : Window Refresh "));
            ui_.Frame1->update();
            ui_.frmGraph->update();
            update();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && loaded_ &&
        !ctx_.run.Closing) {
        if (ctx_.run.PopupShown) {
            hidePopupMessage();
        }
        if (ctx_.settings.GraphShow) {
            GraphFrameDisplay();
        }
        SeedRandom(services_.random, ctx_.platform);
    }
}

}  // namespace bm
