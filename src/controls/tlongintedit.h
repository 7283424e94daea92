#pragma once
// A single-line edit for a 32-bit whole number: only signs and digits may be
// typed, other keys beep; writing a value clamps it to the bounds.
#include <QLineEdit>

#include <cstdint>

class TlongintEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TlongintEdit(QWidget* parent = nullptr);

    // Changing a bound does not clamp the value shown.
    std::int32_t MinValue() const { return m_minValue; }
    void setMinValue(std::int32_t value) { m_minValue = value; }
    std::int32_t MaxValue() const { return m_maxValue; }
    void setMaxValue(std::int32_t value) { m_maxValue = value; }

    // The text as a whole number, 0 when it is none; reading never clamps.
    std::int32_t Value() const;
    void setValue(std::int32_t value);

    // While MinValue differs from MaxValue: below MinValue gives MinValue,
    // else above MaxValue gives MaxValue.
    std::int32_t CheckValue(std::int32_t value) const;

    // Whether a typed character may go into the text; left-trims the text
    // for every key.
    virtual bool IsValidChar(QChar key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::int32_t m_minValue = -999999;
    std::int32_t m_maxValue = 999999;
};
