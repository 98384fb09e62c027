#include <gtest/gtest.h>

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

}  // namespace bm::test
