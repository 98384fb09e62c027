#include <gtest/gtest.h>

#include "MeasureFixture.h"
#include "app/MiniViewPlacement.h"

namespace bm::test {

TEST(MoveOffRects, NearestFreeSideInsideTheScreen) {
    const std::vector<QRect> regions = {QRect(100, 100, 50, 10), QRect(100, 130, 80, 10)};
    const QRect screen(0, 0, 400, 300);
    const struct {
        QRect view;
        QPoint expected;
    } cases[] = {
        {QRect(10, 10, 30, 20), QPoint(10, 10)},      // clear: stays
        {QRect(90, 95, 30, 10), QPoint(90, 90)},      // mostly above the first: up
        {QRect(140, 132, 30, 20), QPoint(140, 140)},  // low on the second: down
        {QRect(160, 100, 30, 40), QPoint(160, 90)},   // beside the first: above the second
        {QRect(0, 0, 400, 300), QPoint(0, 140)},      // as large as the screen: below all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view.x());
        const QPoint moved = MoveOffRects(c.view, regions, screen);
        EXPECT_EQ(moved, c.expected);
        const QRect after(moved, c.view.size());
        for (const QRect& r : regions) {
            EXPECT_FALSE(after.intersects(r));
        }
    }
}

class CaptureRectsOnScreenTest : public MeasureFixture {};

TEST_F(CaptureRectsOnScreenTest, TranslatedThroughTheClientOrigin) {
    EXPECT_TRUE(CaptureRectsOnScreen(
                    platform, platform.findWindowByTitle(settings.SearchWindowName), settings)
                    .empty());  // no game window
    QImage client(120, 100, QImage::Format_RGB32);
    platform.addWindow(settings.SearchWindowName, client, {300, 200}, {4, 24});
    settings.CaptureRect[2] = {0, 40, 0, 9};  // empty: nothing to keep clear
    const std::vector<QRect> rects = CaptureRectsOnScreen(
        platform, platform.findWindowByTitle(settings.SearchWindowName), settings);
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0], QRect(304, 224, 40, 11));
    EXPECT_EQ(rects[3], QRect(304, 304, 90, 9));
}

}  // namespace bm::test
