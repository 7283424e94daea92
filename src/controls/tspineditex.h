#pragma once
// A spin edit for an extended-precision number, shown in the general form
// or through a display pattern like the numeric edit's.
#include "controls/spinedit.h"

class TSpinEditex : public kolvar::SpinEdit {
    Q_OBJECT

public:
    explicit TSpinEditex(QWidget* parent = nullptr);

    // Setting the pattern or switching it on or off shows the current value again.
    const QString& Formatstr() const { return m_formatstr; }
    void setFormatstr(const QString& pattern);
    bool Formatenabled() const { return m_formatenabled; }
    void setFormatenabled(bool enabled);

    long double MinValue() const { return m_minValue; }
    void setMinValue(long double value) { m_minValue = value; }
    long double MaxValue() const { return m_maxValue; }
    void setMaxValue(long double value) { m_maxValue = value; }
    long double Increment() const { return m_increment; }
    void setIncrement(long double value) { m_increment = value; }

    // The text read as a number, 0 when it is none.
    long double Value() const;
    // With the pattern on, the value as the pattern shows it (not clamped);
    // else the clamped value in the general form.
    void setValue(long double value);

    // While MinValue differs from MaxValue: below MinValue gives MinValue,
    // else above MaxValue gives MaxValue.
    long double CheckValue(long double value) const;

    bool IsValidChar(QChar key) override;

protected:
    void step(int direction) override;
    void exitCheck() override;
    bool periodIsSeparator() const override { return true; }

private:
    QString m_formatstr = QStringLiteral("000.00");
    bool m_formatenabled = false;
    long double m_minValue = 0;
    long double m_maxValue = 0;
    long double m_increment = 1;
};
