// Windows kept on the screen: moved in, and shrunk where larger than it.
#include "platform/screenfit.h"

#include <gtest/gtest.h>

TEST(ScreenFit, FramesAreMovedAndShrunkIntoTheArea)
{
    const QRect area(0, 0, 800, 500); // a 1600 x 1000 screen at scale 2
    const struct {
        QRect frame, fitted;
    } faelle[] = {
        {{265, 77, 558, 424}, {242, 76, 558, 424}},
        {{10, 10, 300, 200}, {10, 10, 300, 200}},
        {{-40, -10, 300, 200}, {0, 0, 300, 200}},
        {{100, 50, 980, 600}, {0, 0, 800, 500}},
        {{700, 20, 300, 600}, {500, 0, 300, 500}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kolvar::fitIntoArea(f.frame, area), f.fitted) << f.frame.x() << "," << f.frame.y();
    const QRect rechts(800, 0, 800, 500); // a second screen to the right
    EXPECT_EQ(kolvar::fitIntoArea({100, 50, 300, 200}, rechts), QRect(800, 50, 300, 200));
}
