#include <gtest/gtest.h>
#include <QMainWindow>

TEST(Smoke, QtWidgetsWorkOffscreen)
{
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Kolvar"));
    w.show();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kolvar"));
}
