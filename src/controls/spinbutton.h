#pragma once
// The pair of arrow buttons at the right edge of a spin edit. It never takes
// the focus: clicking it leaves the focus in the edit it steps.
#include <QWidget>

class QToolButton;

namespace kolvar {

class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();
    // A button was pressed with the mouse (before its click).
    void pressed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace kolvar
