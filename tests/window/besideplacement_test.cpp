#include "ui/besideplacement.h"

#include <gtest/gtest.h>

namespace pattaro {
namespace {

TEST(BesideWindow, RightWhenItFitsElseLeftElseTheRoomierSide)
{
    const QRect screen(0, 0, 1920, 1080);
    const struct {
        const char* what;
        QRect main;
        QRect room;
        QPoint at;
    } cases[] = {
        {"room on the right", QRect(100, 50, 620, 500), screen, QPoint(720, 50)},
        {"just enough on the right", QRect(900, 50, 620, 500), screen, QPoint(1520, 50)},
        {"room only on the left", QRect(1200, 50, 620, 500), screen, QPoint(800, 50)},
        {"neither, more on the right: kept on screen", QRect(150, 0, 620, 500), QRect(0, 0, 1024, 768),
         QPoint(624, 0)},
        {"neither, more on the left: kept on screen", QRect(300, 0, 620, 500), QRect(0, 0, 1024, 768),
         QPoint(0, 0)},
        {"a second screen to the right", QRect(2000, 10, 620, 500), QRect(1920, 0, 1920, 1080), QPoint(2620, 10)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(besideWindow(c.main, QSize(400, 520), c.room), c.at) << c.what;
}

} // namespace
} // namespace pattaro
