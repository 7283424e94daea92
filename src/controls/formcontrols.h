#pragma once
// The controls of a window whose contents go into its form-state text, in
// their fixed order. Windows list them explicitly, as their layout declares
// them; the order of QObject children is never used, because the text
// carries no names and writer and reader must meet the controls in the same
// order.
//
// Tag: every QObject may carry a whole number in the dynamic property "Tag"
// (absent means 0). It is read when the text is written or read, so a window
// that changes a Tag later is honoured; a control whose Tag is not 0 is left
// out of the text. Keeping it as a property, not in this list, lets the other
// uses of Tag (a handler asking its sender, a display keeping its width) read
// the same number.
#include <QPointer>
#include <QWidget>

#include <vector>

namespace kolvar {

int tagOf(const QObject* object);
void setTag(QObject* object, int tag);

class FormControls {
public:
    explicit FormControls(QWidget* window) : m_window(window) {}

    // Appends a control. Any QObject may be listed; those of kinds the
    // form-state text does not know (labels, buttons, panels) write nothing.
    FormControls& add(QObject* control)
    {
        m_controls.emplace_back(control);
        return *this;
    }
    // Appends a control and sets its Tag.
    FormControls& add(QObject* control, int tag)
    {
        setTag(control, tag);
        return add(control);
    }

    QWidget* window() const { return m_window; }
    // A control destroyed since it was listed shows as a null pointer.
    const std::vector<QPointer<QObject>>& controls() const { return m_controls; }

private:
    QPointer<QWidget> m_window;
    std::vector<QPointer<QObject>> m_controls;
};

} // namespace kolvar
