#pragma once
// A single-line edit for an extended-precision number: it lets only number
// keys through, beeps on the others, and shows its value either in the
// general form (clamped to its bounds) or through a display pattern.
#include <QLineEdit>

// The text without its leading blanks and tabs.
QString trimlinks(const QString& text);

class TextendEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TextendEdit(QWidget* parent = nullptr);

    // Setting the pattern or switching it on or off shows the current value again.
    const QString& Formatstr() const { return m_formatstr; }
    void setFormatstr(const QString& pattern);
    bool Formatenabled() const { return m_formatenabled; }
    void setFormatenabled(bool enabled);

    // Changing a bound does not clamp the value shown.
    long double MinValue() const { return m_minValue; }
    void setMinValue(long double value) { m_minValue = value; }
    long double MaxValue() const { return m_maxValue; }
    void setMaxValue(long double value) { m_maxValue = value; }

    // The text read as a number, 0 when it is none; reading never clamps.
    long double Value() const;
    // With the pattern on, the value as the pattern shows it (not clamped);
    // else the clamped value in the general form.
    void setValue(long double value);

    // Clamps to the bounds, but only while MinValue < MaxValue.
    long double CheckValue(long double value) const;

    // Whether a typed character may go into the text (may left-trim the text).
    virtual bool IsValidChar(QChar key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_formatstr = QStringLiteral("000.00");
    bool m_formatenabled = false;
    long double m_minValue = -1E60L;
    long double m_maxValue = 1E60L;
};
