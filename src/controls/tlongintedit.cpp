#include "controls/tlongintedit.h"

#include "controls/numerickeys.h"

#include <QKeyEvent>

TlongintEdit::TlongintEdit(QWidget* parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
}

std::int32_t TlongintEdit::Value() const
{
    bool ok = false;
    const int value = text().toInt(&ok, 10);
    return ok ? value : 0;
}

void TlongintEdit::setValue(std::int32_t value)
{
    setText(QString::number(CheckValue(value)));
}

std::int32_t TlongintEdit::CheckValue(std::int32_t value) const
{
    if (m_minValue != m_maxValue) {
        if (value < m_minValue)
            return m_minValue;
        if (value > m_maxValue)
            return m_maxValue;
    }
    return value;
}

bool TlongintEdit::IsValidChar(QChar key)
{
    kolvar::trimEditLeft(*this);
    if (!kolvar::isIntegerCharacter(key))
        return false;
    return kolvar::integerKeyFits(key, *this, false);
}

void TlongintEdit::keyPressEvent(QKeyEvent* event)
{
    // "." becomes the decimal separator first, which an integer refuses.
    kolvar::screenKeyPress(
        event, true, [this](QChar key) { return IsValidChar(key); },
        [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}
