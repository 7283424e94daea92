#include "controls/ttxtshape.h"

#include "controls/markuppainter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>

Ttxtshape::Frame Ttxtshape::frameGeometry(TtxtshapeType shape, int width, int height)
{
    const int side = std::min(width, height);
    Frame frame;
    if (shape == sstSquare || shape == sstRoundSquare || shape == sstCircle) {
        // The square kinds keep their side and sit in the middle of the control.
        frame.left = (width - side) / 2;
        frame.top = (height - side) / 2;
        frame.right = frame.left + side;
        frame.bottom = frame.top + side;
    } else {
        frame.right = width;
        frame.bottom = height;
    }
    switch (shape) {
    case sstline:
        frame = {Frame::Kind::Line, 0, 0, width, height, 0};
        break;
    case ssthor:
        frame = {Frame::Kind::Line, 0, height / 2, width, height / 2, 0};
        break;
    case sstver:
        frame = {Frame::Kind::Line, width / 2, 0, width / 2, height, 0};
        break;
    case sstRectangle:
    case sstSquare:
        frame.kind = Frame::Kind::Rectangle;
        break;
    case sstRoundRect:
    case sstRoundSquare:
        frame.kind = Frame::Kind::RoundRect;
        frame.corner = side / 4;
        break;
    case sstEllipse:
    case sstCircle:
        frame.kind = Frame::Kind::Ellipse;
        break;
    }
    return frame;
}

Ttxtshape::Ttxtshape(QWidget* owner)
    : QWidget(owner), m_text(QStringLiteral("\\f(5\\mx;x\\u(2))")),
      m_pen(Qt::black, 1, Qt::SolidLine), m_brush(Qt::white, Qt::SolidPattern)
{
    // Only the family is set: size and the rest follow the parent's font.
    QFont font;
    font.setFamily(QStringLiteral("Couier New"));
    setFont(font);
    setMouseTracking(true);
    resize(65, 65);
    fitWidth();
}

void Ttxtshape::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    textChanged();
}

void Ttxtshape::setTextposx(int value)
{
    if (value == m_textposx)
        return;
    m_textposx = value;
    textChanged();
}

void Ttxtshape::setTextposy(int value)
{
    if (value == m_textposy)
        return;
    m_textposy = value;
    update();
}

void Ttxtshape::setShowRahmen(bool value)
{
    if (value == m_showRahmen)
        return;
    m_showRahmen = value;
    update();
}

void Ttxtshape::setShowText(bool value)
{
    if (value == m_showText)
        return;
    m_showText = value;
    textChanged();
}

void Ttxtshape::setShape(TtxtshapeType value)
{
    if (value == m_shape)
        return;
    m_shape = value;
    update();
}

void Ttxtshape::setPen(const QPen& pen)
{
    m_pen = pen;
    StyleChanged();
}

void Ttxtshape::setBrush(const QBrush& brush)
{
    m_brush = brush;
    StyleChanged();
}

void Ttxtshape::setTag(int value)
{
    if (value == m_tag)
        return;
    m_tag = value;
    fitWidth();
}

void Ttxtshape::StyleChanged()
{
    update();
}

kolvar::MarkupLayout Ttxtshape::layout() const
{
    const kolvar::QtMarkupMeasurer measurer(font());
    return kolvar::layoutMarkup(m_text, measurer, measurer.baseFont(),
                                QPoint(m_textposx, m_textposy));
}

void Ttxtshape::senkrechtEinpassen(int rand, int mindesthoehe)
{
    const kolvar::QtMarkupMeasurer measurer(font());
    const kolvar::MarkupLayout l = kolvar::layoutMarkup(m_text, measurer, measurer.baseFont(),
                                                        QPoint(m_textposx, m_textposy));
    // Every text counts with the cell of the base font, the highest any
    // run of the formula has.
    const int zelle = QFontMetrics(font()).height();
    int oben = INT_MAX;
    int unten = INT_MIN;
    for (const kolvar::MarkupTextOp& t : l.texts) {
        oben = std::min(oben, t.pos.y());
        unten = std::max(unten, t.pos.y() + zelle);
    }
    for (const kolvar::MarkupLineOp& linie : l.lines) {
        for (const QPoint& p : linie.points) {
            oben = std::min(oben, p.y());
            unten = std::max(unten, p.y() + 1);
        }
    }
    for (const kolvar::MarkupEllipseOp& e : l.ellipses) {
        oben = std::min(oben, e.top);
        unten = std::max(unten, e.bottom);
    }
    if (oben > unten)
        return; // nothing drawn: nothing to place
    const int hoehe = std::max(unten - oben + 2 * rand, mindesthoehe);
    setTextposy(m_textposy - oben + (hoehe - (unten - oben)) / 2);
    resize(width(), hoehe);
}

void Ttxtshape::textChanged()
{
    fitWidth();
    update();
}

int Ttxtshape::fittedWidth(const kolvar::MarkupLayout& layout) const
{
    const long long width = static_cast<long long>(m_textposx) + layout.cursor.x();
    return static_cast<int>(std::clamp<long long>(width, 0, QWIDGETSIZE_MAX));
}

// The width follows the formula at once, not only at the next paint, so a
// window that places displays side by side (or one that is hidden) sees the
// right width as soon as the text is set.
void Ttxtshape::fitWidth()
{
    if (m_tag != 0 || !m_showText)
        return;
    const int width = fittedWidth(layout());
    if (width != this->width())
        resize(width, height());
}

void Ttxtshape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_showRahmen) {
        painter.setPen(m_pen);
        painter.setBrush(m_brush);
        const Frame frame = frameGeometry(m_shape, width(), height());
        // Boxes exclude their right and bottom edge; Qt's outlines include it.
        const QRect box(frame.left, frame.top, frame.right - frame.left - 1,
                        frame.bottom - frame.top - 1);
        switch (frame.kind) {
        case Frame::Kind::Line:
            painter.drawLine(frame.left, frame.top, frame.right, frame.bottom);
            break;
        case Frame::Kind::Rectangle:
            painter.drawRect(box);
            break;
        case Frame::Kind::RoundRect:
            painter.drawRoundedRect(box, frame.corner / 2.0, frame.corner / 2.0);
            break;
        case Frame::Kind::Ellipse:
            painter.drawEllipse(box);
            break;
        }
    }
    if (m_showText) {
        const kolvar::QtMarkupMeasurer measurer(font());
        const kolvar::MarkupLayout laidOut = kolvar::layoutMarkup(
            m_text, measurer, measurer.baseFont(), QPoint(m_textposx, m_textposy));
        // Fraction bars, root signs and dots take the text colour and the
        // frame pen's width and style.
        kolvar::paintMarkup(painter, laidOut, measurer, palette().color(foregroundRole()), m_pen);
        // A font inherited later (from a parent) may change the width; a
        // widget must not resize while it paints, so the fit waits.
        if (m_tag == 0 && fittedWidth(laidOut) != width())
            QMetaObject::invokeMethod(this, &Ttxtshape::fitWidth, Qt::QueuedConnection);
    }
}

void Ttxtshape::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitWidth();
    QWidget::changeEvent(event);
}

void Ttxtshape::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
}

void Ttxtshape::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseMove(this, event->modifiers(), at.x(), at.y());
}

void Ttxtshape::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
}
