#include "controls/spinbutton.h"

#include <QToolButton>

namespace kolvar {

namespace {

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_up = makeArrow(this, Qt::UpArrow, "upButton");
    m_down = makeArrow(this, Qt::DownArrow, "downButton");
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClicked);
    connect(m_up, &QToolButton::pressed, this, &SpinButton::pressed);
    connect(m_down, &QToolButton::pressed, this, &SpinButton::pressed);
    resize(15, 17);
}

void SpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

} // namespace kolvar
