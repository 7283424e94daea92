// The spin edits driven by keys and by their arrow buttons: stepping within
// bounds and at the limits of the type, leaving the control, the locked
// editor, read-only stepping and the minimum height.
#include "controls/spinbutton.h"
#include "controls/tspineditex.h"
#include "controls/tspineditin.h"
#include "platform/seams.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <limits>

namespace {

void leave(QWidget& edit)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
}

TEST(Tspineditin, StepsWithinBoundsAndClampsOnLeaving)
{
    Tspineditin edit;
    edit.setMinValue(1);
    edit.setMaxValue(10);
    edit.setText("10");
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), "10");
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), "9");
    edit.selectAll();
    QTest::keyClicks(&edit, "25");
    EXPECT_EQ(edit.text(), "25");
    leave(edit);
    EXPECT_EQ(edit.text(), "10");
}

TEST(Tspineditin, StepsSaturateAtTheLimitsOfTheType)
{
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t bottom = std::numeric_limits<std::int32_t>::min();
    struct {
        std::int32_t start, increment;
        Qt::Key key;
        std::int32_t expected;
    } const cases[] = {
        {top - 1, 5, Qt::Key_Up, top},
        {top, top, Qt::Key_Up, top},
        {bottom + 1, 5, Qt::Key_Down, bottom},
        {bottom, top, Qt::Key_Down, bottom},
        {top, -1, Qt::Key_Down, top}, // a negative increment steps up
        {1000, 3, Qt::Key_Up, 1003},  // bounds 0 and 0 leave every value free
    };
    for (const auto& c : cases) {
        Tspineditin edit;
        edit.setIncrement(c.increment);
        edit.setValue(c.start);
        QTest::keyClick(&edit, c.key);
        EXPECT_EQ(edit.Value(), c.expected) << c.start << " by " << c.increment;
    }
}

TEST(SpinEdits, UnreadableTextReads)
{
    Tspineditin whole;
    whole.setMinValue(3);
    whole.setText("abc");
    EXPECT_EQ(whole.Value(), 3);
    TSpinEditex real;
    real.setText("abc");
    EXPECT_EQ(real.Value(), 0);
}

TEST(TSpinEditex, StepsThroughThePattern)
{
    TSpinEditex edit;
    edit.setIncrement(0.5L);
    edit.setFormatenabled(true);
    edit.setValue(1);
    EXPECT_EQ(edit.text(), "001,00");
    QTest::mouseClick(edit.spinButton()->upButton(), Qt::LeftButton);
    EXPECT_EQ(edit.text(), "001,50");
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), "000,50");
}

TEST(SpinEdits, KeysAreScreened)
{
    struct Case {
        const char* what;
        bool real;
        QString start;
        int caret; // -1: whole text selected
        QString keys;
        QString expected;
        int beeps;
    } const cases[] = {
        {"integer: sign over a selected signed text", false, "-5", -1, "+", "+", 0},
        {"integer: sign before a sign", false, "-5", 0, "+", "-5", 1},
        {"integer: sign after a digit", false, "5", 1, "-", "5", 1},
        {"integer: period beeps", false, "5", 1, ".", "5", 1},
        {"real: period becomes comma", true, "", 0, "2.5", "2,5", 0},
        {"real: sign after exponent", true, "1e", 2, "-", "1e-", 0},
        {"real: sign over a selected signed text", true, "-1,5", -1, "-", "-", 0},
        {"real: sign in the mantissa", true, "1,5", 2, "-", "1,5", 1},
    };
    for (const Case& c : cases) {
        kolvar::ScriptedSeams seams;
        kolvar::SeamsGuard guard(seams);
        Tspineditin whole;
        TSpinEditex real;
        QLineEdit& edit = c.real ? static_cast<QLineEdit&>(real) : whole;
        edit.setText(c.start);
        if (c.caret < 0)
            edit.selectAll();
        else
            edit.setCursorPosition(c.caret);
        QTest::keyClicks(&edit, c.keys);
        EXPECT_EQ(edit.text(), c.expected) << c.what;
        EXPECT_EQ(seams.beeps, c.beeps) << c.what;
    }
}

TEST(SpinEdits, LockedEditorOnlySteps)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    QApplication::clipboard()->setText("77");
    Tspineditin edit;
    edit.setText("5");
    edit.setCursorPosition(1);
    // Unlocked, pasting works, so the refusals below are the lock's doing.
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(edit.text(), "577");

    edit.setEditorEnabled(false);
    edit.setText("5");
    QTest::keyClicks(&edit, "3");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(seams.beeps, 2);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    edit.paste();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    edit.cut();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "5");
    EXPECT_EQ(seams.beeps, 3); // Delete is refused like Backspace
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), "6");
}

TEST(SpinEdits, ReadOnlyStepBeeps)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    TSpinEditex edit;
    edit.setReadOnly(true);
    edit.setValue(4);
    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::mouseClick(edit.spinButton()->downButton(), Qt::LeftButton);
    EXPECT_EQ(edit.text(), "4");
    EXPECT_EQ(seams.beeps, 2);
}

TEST(SpinEdits, HiddenArrowsStillStepByKey)
{
    Tspineditin edit;
    EXPECT_TRUE(edit.spinEnabled());
    edit.setSpinEnabled(false);
    EXPECT_FALSE(edit.spinEnabled());
    EXPECT_TRUE(edit.spinButton()->isHidden());
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.Value(), 1);
}

TEST(SpinEdits, KeyboardFocusSelectsTheText)
{
    Tspineditin edit;
    edit.setText("123");
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &in);
    EXPECT_EQ(edit.selectedText(), "123");
}

TEST(SpinEdits, GrowsBackToItsMinimumHeight)
{
    QWidget window;
    auto* edit = new TSpinEditex(&window);
    window.show();
    edit->setGeometry(0, 0, 120, 5);
    EXPECT_EQ(edit->height(), edit->minimumEditHeight());
    EXPECT_GT(edit->minimumEditHeight(), 5);
    edit->setGeometry(0, 0, 120, 60);
    EXPECT_EQ(edit->height(), 60);
    // The arrows sit at the right edge over the whole height.
    EXPECT_EQ(edit->spinButton()->geometry(), QRect(120 - 15, 0, 15, 60));
}

} // namespace
