#pragma once
// Types text into a widget as key presses, one character at a time. QTest's
// own keyClicks knows ASCII only; umlauts and other letters go as key events
// that carry just their text, as a keyboard layout delivers them.
#include <QTest>
#include <QWidget>

namespace testpaths {

inline void tippen(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace testpaths
