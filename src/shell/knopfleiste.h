#pragma once
// A tool bar that wraps: it lays its buttons out left to right in rows as
// wide as it is given, starting a new row where a button would not fit and
// where a new group begins. Its height follows from the width, so a window
// with it can be as narrow as its widest button, and its layout gives the
// bar the rows it needs there.
#include <QLayout>
#include <QList>
#include <QSet>

namespace kolvar {

class Knopfleiste : public QLayout {
public:
    explicit Knopfleiste(QWidget* parent);
    ~Knopfleiste() override;

    // The next button added begins a row of its own.
    void neueReihe() { m_gruppenanfang.insert(m_items.size()); }

    void addItem(QLayoutItem* item) override { m_items.append(item); }
    int count() const override { return static_cast<int>(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return ordne(QRect(0, 0, width, 0), false); }
    void setGeometry(const QRect& rect) override;
    // Each group in one row.
    QSize sizeHint() const override;
    // The widest button: narrower than that nothing can be shown whole.
    QSize minimumSize() const override;

    // The size policy for the widget that holds the bar: it takes the width
    // it is given and the height that width needs.
    static QSizePolicy politik();

private:
    QSize rand(QSize innen) const;
    // Places the buttons in rect (when setzen) and returns the height they take.
    int ordne(const QRect& rect, bool setzen) const;

    QList<QLayoutItem*> m_items;
    QSet<qsizetype> m_gruppenanfang;
};

} // namespace kolvar
