#include "tools/bildfeld.h"

#include <QPaintEvent>
#include <QPainter>

namespace kolvar {

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent)
{
    resize(0, 0);
}

void Bildfeld::setBild(const QImage& bild)
{
    m_bild = bild;
    resize(m_bild.size());
    update();
}

void Bildfeld::paintEvent(QPaintEvent* event)
{
    if (m_bild.isNull())
        return;
    QPainter painter(this);
    const QRect teil = event->rect() & m_bild.rect();
    painter.drawImage(teil.topLeft(), m_bild, teil);
}

} // namespace kolvar
