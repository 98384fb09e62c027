#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "MeasureFixture.h"
#include "app/MiniViewPlacement.h"
#include "measure/FormMiniView.h"
#include "measure/RunStats.h"

namespace bm::test {

namespace {

class FormMiniViewTest : public MeasureFixture {
protected:
    FormMiniViewTest() {
        QImage client(120, 100, QImage::Format_RGB32);
        platform.addWindow(settings.SearchWindowName, client, {300, 200}, {4, 24});
    }
    std::unique_ptr<FormMiniView> makeView() {
        FormMiniView::Services services{
            stats,
            [this] { return platform.now(); },
            [this] { return rects(); },
            {},
            [this] { ++saves; },
        };
        return std::make_unique<FormMiniView>(std::move(services), mini);
    }
    std::vector<QRect> rects() {
        return CaptureRectsOnScreen(platform, platform.findWindowByTitle(settings.SearchWindowName),
                                    settings);
    }
    void send(QWidget& w, QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        const QPoint local = global - w.pos();
        QMouseEvent event(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    }
    bool coversCaptureRects(const QWidget& w) {
        const QRect here(w.pos(), w.size());
        for (const QRect& r : rects()) {
            if (r.intersects(here)) {
                return true;
            }
        }
        return false;
    }

    RunStats stats;
    MiniViewSettings mini;
    int saves = 0;
};

}  // namespace

TEST_F(FormMiniViewTest, DraggedOverTheCaptureRectsItMovesOffAndSaysSo) {
    ASSERT_EQ(rects().size(), 5u);  // the regions, through the client origin (304, 224)
    EXPECT_EQ(rects()[1], QRect(304, 244, 60, 9));
    auto view = makeView();
    view->move(10, 10);
    view->show();
    EXPECT_TRUE(view->toolTip().isEmpty());

    // Drag by the left button until the view's corner lies inside region 1.
    send(*view, QEvent::MouseButtonPress, {15, 15}, Qt::LeftButton);
    send(*view, QEvent::MouseMove, {312, 250}, Qt::LeftButton);
    EXPECT_EQ(view->pos(), QPoint(307, 245));
    EXPECT_TRUE(coversCaptureRects(*view));
    send(*view, QEvent::MouseButtonRelease, {312, 250}, Qt::NoButton);

    EXPECT_FALSE(coversCaptureRects(*view));
    EXPECT_TRUE(view->toolTip().contains(QStringLiteral("移動しました")));
    EXPECT_EQ(mini.position, view->pos());
    EXPECT_GT(saves, 0);

    // A drag to a free place is remembered as it is and clears the note.
    send(*view, QEvent::MouseButtonPress, view->pos() + QPoint(2, 2), Qt::LeftButton);
    send(*view, QEvent::MouseMove, {52, 42}, Qt::LeftButton);
    send(*view, QEvent::MouseButtonRelease, {52, 42}, Qt::NoButton);
    EXPECT_EQ(mini.position, QPoint(50, 40));
    EXPECT_TRUE(view->toolTip().isEmpty());
}

}  // namespace bm::test
