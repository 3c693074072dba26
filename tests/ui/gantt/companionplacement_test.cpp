// Where the chart window goes beside the main window: right, else left, else below, else where
// it hides the least of it; always wholly inside the available area.
#include "ui/gantt/companionplacement.h"

#include <gtest/gtest.h>

using companion::keepInside;
using companion::placeBeside;

namespace {

const QSize kChart(660, 560);            // the chart window's frame
const QSize kMain(546, 640);             // the main window's frame

bool inside(const QRect &frame, const QRect &area)
{
    return area.contains(frame);
}

long long covered(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

} // namespace

TEST(CompanionPlacement, WideScreenPutsItToTheRightAtTheOwnersTop)
{
    const QRect available(0, 0, 1920, 1050);
    const QRect owner(QPoint(300, 100), kMain);
    const QRect placed = placeBeside(owner, kChart, available);
    EXPECT_EQ(placed, QRect(QPoint(owner.right() + 1, 100), kChart));
    EXPECT_TRUE(inside(placed, available));
    EXPECT_EQ(covered(placed, owner), 0);
}

TEST(CompanionPlacement, OwnerNearTheRightEdgeGetsItOnTheLeft)
{
    const QRect available(0, 0, 1920, 1050);
    const QRect owner(QPoint(1920 - 546 - 10, 200), kMain);
    const QRect placed = placeBeside(owner, kChart, available);
    EXPECT_EQ(placed, QRect(QPoint(owner.left() - kChart.width(), 200), kChart));
    EXPECT_EQ(covered(placed, owner), 0);
}

TEST(CompanionPlacement, OwnerNearTheBottomKeepsTheChartOnScreen)
{
    // Beside it, but pulled up so that its bottom stays inside the area.
    const QRect available(0, 30, 1920, 1020);
    const QRect owner(QPoint(200, 1050 - 300), kMain);
    const QRect placed = placeBeside(owner, kChart, available);
    EXPECT_EQ(placed.left(), owner.right() + 1);
    EXPECT_EQ(placed.bottom(), available.bottom());
    EXPECT_TRUE(inside(placed, available));
}

TEST(CompanionPlacement, OwnerNearTheTopLeftWithAPanel)
{
    const QRect available(48, 30, 1872, 1020);   // panels at the left and the top
    const QRect owner(QPoint(0, 0), kMain);      // partly under the panels
    const QRect placed = placeBeside(owner, kChart, available);
    EXPECT_EQ(placed.left(), owner.right() + 1);
    EXPECT_EQ(placed.top(), available.top());
    EXPECT_TRUE(inside(placed, available));
}

TEST(CompanionPlacement, NarrowScreenPutsItBelowWhenThereIsRoom)
{
    const QRect available(0, 0, 1024, 1400);
    const QRect owner(QPoint(240, 20), kMain);
    const QRect placed = placeBeside(owner, kChart, available);
    EXPECT_EQ(placed, QRect(QPoint(240, owner.bottom() + 1), kChart));
    EXPECT_TRUE(inside(placed, available));
    EXPECT_EQ(covered(placed, owner), 0);
}

TEST(CompanionPlacement, NoRoomAnywhereCoversTheLeastOfTheOwner)
{
    // 1024 x 768: neither beside (546 + 660 > 1024) nor below (640 + 560 > 768).
    const QRect available(0, 0, 1024, 768);
    for (const QPoint corner : {QPoint(0, 0), QPoint(478, 0), QPoint(239, 64), QPoint(100, 128), QPoint(400, 60)}) {
        const QRect owner(corner, kMain);
        const QRect placed = placeBeside(owner, kChart, available);
        EXPECT_TRUE(inside(placed, available)) << corner.x() << "," << corner.y();
        EXPECT_EQ(placed.size(), kChart);
        // No position against an edge of the area hides less of the owner.
        const long long best = covered(placed, owner);
        for (int x = available.left(); x + kChart.width() - 1 <= available.right(); x += 8) {
            for (const int y : {available.top(), available.bottom() - kChart.height() + 1}) {
                EXPECT_LE(best, covered(QRect(QPoint(x, y), kChart), owner)) << x << "," << y;
            }
        }
        for (int y = available.top(); y + kChart.height() - 1 <= available.bottom(); y += 8) {
            for (const int x : {available.left(), available.right() - kChart.width() + 1}) {
                EXPECT_LE(best, covered(QRect(QPoint(x, y), kChart), owner)) << x << "," << y;
            }
        }
    }
}

TEST(CompanionPlacement, OwnerAtTheLeftOfANarrowScreenGetsTheRightEdge)
{
    const QRect available(0, 0, 1024, 768);
    const QRect owner(QPoint(0, 64), kMain);
    const QRect placed = placeBeside(owner, kChart, available);
    EXPECT_EQ(placed.right(), available.right());
    EXPECT_TRUE(inside(placed, available));
    // Hides a strip of the owner's right side, not its middle.
    EXPECT_EQ(placed.intersected(owner).width(), owner.right() - placed.left() + 1);
}

TEST(CompanionPlacement, NarrowedToFitBesideRatherThanCover)
{
    // 1440 wide, the owner centred: 447 free on each side, the chart 660 wide but fine at 440.
    const QRect available(0, 0, 1440, 900);
    const QRect owner(QPoint(447, 100), kMain);
    const QRect placed = placeBeside(owner, kChart, available, QSize(440, 300));
    EXPECT_EQ(placed, QRect(QPoint(owner.right() + 1, 100), QSize(1440 - owner.right() - 1, kChart.height())));
    EXPECT_TRUE(inside(placed, available));
    EXPECT_EQ(covered(placed, owner), 0);
    // More room on the left: narrowed there.
    const QRect moved(QPoint(460, 100), kMain);
    EXPECT_EQ(placeBeside(moved, kChart, available, QSize(440, 300)),
              QRect(QPoint(0, 100), QSize(460, kChart.height())));
    // No minimum given, or a minimum wider than the room: not narrowed.
    EXPECT_GT(covered(placeBeside(owner, kChart, available), owner), 0);
    EXPECT_GT(covered(placeBeside(owner, kChart, available, QSize(500, 300)), owner), 0);
}

TEST(CompanionPlacement, LoweredToFitBelowRatherThanCover)
{
    const QRect available(0, 0, 1024, 1100);
    const QRect owner(QPoint(240, 20), kMain);   // 440 free below
    const QRect placed = placeBeside(owner, kChart, available, QSize(440, 300));
    EXPECT_EQ(placed, QRect(QPoint(240, owner.bottom() + 1), QSize(kChart.width(), 1100 - owner.bottom() - 1)));
    EXPECT_EQ(covered(placed, owner), 0);
}

TEST(CompanionPlacement, ChartLargerThanTheAreaIsMadeToFit)
{
    const QRect available(0, 0, 800, 600);
    const QRect placed = placeBeside(QRect(QPoint(100, 50), kMain), QSize(1200, 900), available);
    EXPECT_EQ(placed, available);
}

TEST(CompanionPlacement, KeepInsideMovesOnlyWhatIsOutside)
{
    const QRect available(0, 30, 1280, 994);
    EXPECT_EQ(keepInside(QRect(100, 100, 600, 500), available), QRect(100, 100, 600, 500));
    EXPECT_EQ(keepInside(QRect(-50, 10, 600, 500), available), QRect(0, 30, 600, 500));
    EXPECT_EQ(keepInside(QRect(1000, 900, 600, 500), available), QRect(680, 524, 600, 500));
    EXPECT_EQ(keepInside(QRect(10, 40, 1400, 1200), available), available);
}
