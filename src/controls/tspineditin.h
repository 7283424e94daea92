#pragma once
// A spin edit for a 32-bit whole number. Stepping saturates at the limits of
// the type; the bounds 0 and 0 (the initial ones) leave every value free.
#include "controls/spinedit.h"

#include <cstdint>

class Tspineditin : public kolvar::SpinEdit {
    Q_OBJECT

public:
    explicit Tspineditin(QWidget* parent = nullptr);

    std::int32_t MinValue() const { return m_minValue; }
    void setMinValue(std::int32_t value) { m_minValue = value; }
    std::int32_t MaxValue() const { return m_maxValue; }
    void setMaxValue(std::int32_t value) { m_maxValue = value; }
    std::int32_t Increment() const { return m_increment; }
    void setIncrement(std::int32_t value) { m_increment = value; }

    // The text as a whole number, MinValue when it is none.
    std::int32_t Value() const;
    void setValue(std::int32_t value);

    // While MinValue differs from MaxValue: below MinValue gives MinValue,
    // else above MaxValue gives MaxValue.
    std::int32_t CheckValue(std::int32_t value) const;

    bool IsValidChar(QChar key) override;

protected:
    void step(int direction) override;
    void exitCheck() override;
    bool periodIsSeparator() const override { return false; }

private:
    std::int32_t m_minValue = 0;
    std::int32_t m_maxValue = 0;
    std::int32_t m_increment = 1;
};
