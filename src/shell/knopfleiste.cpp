#include "shell/knopfleiste.h"

#include <algorithm>

namespace kolvar {

Knopfleiste::Knopfleiste(QWidget* parent) : QLayout(parent)
{
    setSpacing(1);
}

Knopfleiste::~Knopfleiste()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

QLayoutItem* Knopfleiste::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

void Knopfleiste::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    ordne(rect, true);
}

QSize Knopfleiste::sizeHint() const
{
    int breite = 0, zeile = 0;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_gruppenanfang.contains(i))
            zeile = 0;
        zeile += (zeile > 0 ? spacing() : 0) + m_items[i]->sizeHint().width();
        breite = std::max(breite, zeile);
    }
    return rand(QSize(breite, heightForWidth(breite + rand(QSize()).width())));
}

QSize Knopfleiste::minimumSize() const
{
    QSize groesse;
    for (const QLayoutItem* item : m_items)
        groesse = groesse.expandedTo(item->minimumSize());
    return rand(groesse);
}

QSizePolicy Knopfleiste::politik()
{
    QSizePolicy p(QSizePolicy::Ignored, QSizePolicy::Preferred);
    p.setHeightForWidth(true);
    return p;
}

QSize Knopfleiste::rand(QSize innen) const
{
    const QMargins m = contentsMargins();
    return innen + QSize(m.left() + m.right(), m.top() + m.bottom());
}

int Knopfleiste::ordne(const QRect& rect, bool setzen) const
{
    const QRect innen = rect.marginsRemoved(contentsMargins());
    int x = innen.x(), y = innen.y(), reihenhoehe = 0;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const QSize s = m_items[i]->sizeHint();
        const bool umbruch = x > innen.x() && (m_gruppenanfang.contains(i) || x + s.width() > innen.right() + 1);
        if (umbruch) {
            x = innen.x();
            y += reihenhoehe + spacing();
            reihenhoehe = 0;
        }
        if (setzen)
            m_items[i]->setGeometry(QRect(QPoint(x, y), s));
        x += s.width() + spacing();
        reihenhoehe = std::max(reihenhoehe, s.height());
    }
    return y + reihenhoehe - rect.y() + contentsMargins().bottom();
}

} // namespace kolvar
