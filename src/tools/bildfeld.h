#pragma once
// A picture shown at its own size from the top left corner, for a scroll
// area. It paints only the part that is exposed, so a very large picture
// costs no copy of its own for the screen.
#include <QImage>
#include <QWidget>

namespace kolvar {

class Bildfeld : public QWidget {
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    // The picture (shared, not copied); the field takes its size.
    void setBild(const QImage& bild);
    const QImage& bild() const { return m_bild; }

    QSize sizeHint() const override { return m_bild.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bild;
};

} // namespace kolvar
