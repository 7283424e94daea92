#include "controls/markuppainter.h"

#include "platform/symbolfont.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace kolvar {

namespace {
constexpr char16_t kRadicalCode = 0xD6;
}

QtMarkupMeasurer::QtMarkupMeasurer(const QFont& base)
    : m_base(base), m_pixelSized(base.pointSize() <= 0)
{
}

MarkupFont QtMarkupMeasurer::baseFont() const
{
    MarkupFont font;
    font.size = m_pixelSized ? m_base.pixelSize() : m_base.pointSize();
    font.bold = m_base.bold();
    font.italic = m_base.italic();
    return font;
}

QFont QtMarkupMeasurer::fontFor(const MarkupFont& font) const
{
    QFont result = font.symbol ? symbolFont(m_base) : m_base;
    // A size of 0 (two thirds of a 1-point font) would be refused by Qt.
    const int size = std::max(1, font.size);
    if (m_pixelSized)
        result.setPixelSize(size);
    else
        result.setPointSize(size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

QString QtMarkupMeasurer::shownText(const MarkupTextOp& op)
{
    return op.font.symbol ? symbolToUnicode(op.text) : op.text;
}

int QtMarkupMeasurer::textWidth(QStringView text, const MarkupFont& font) const
{
    const QString shown = font.symbol ? symbolToUnicode(text) : text.toString();
    return QFontMetrics(fontFor(font)).horizontalAdvance(shown);
}

int QtMarkupMeasurer::textHeight(QStringView, const MarkupFont& font) const
{
    return QFontMetrics(fontFor(font)).height();
}

void paintMarkup(QPainter& painter, const MarkupLayout& layout, const QtMarkupMeasurer& measurer,
                 const QColor& color, const QPen& linePen)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(color);
    for (const MarkupTextOp& op : layout.texts) {
        const QFont font = measurer.fontFor(op.font);
        const QFontMetrics metrics(font);
        const QString shown = QtMarkupMeasurer::shownText(op);
        painter.setFont(font);
        if (op.font.symbol && op.text == QStringView(&kRadicalCode, 1)) {
            // The Symbol font's radical fills its whole cell, so that the
            // overline drawn at the top of the cell continues it. Ordinary
            // fonts draw a short one; it is stretched to the cell.
            const QRect glyph = metrics.tightBoundingRect(shown);
            if (glyph.height() > 0) {
                painter.save();
                painter.translate(op.pos.x(), op.pos.y());
                painter.scale(1.0, double(metrics.height()) / glyph.height());
                painter.drawText(QPointF(0, -glyph.top()), shown);
                painter.restore();
                continue;
            }
        }
        // The layout places the top of the text cell; Qt draws on the baseline.
        const long long baseline = static_cast<long long>(op.pos.y()) + metrics.ascent();
        painter.drawText(QPoint(op.pos.x(), static_cast<int>(std::min<long long>(baseline, INT_MAX))),
                         shown);
    }
    QPen pen = linePen;
    pen.setColor(color);
    painter.setPen(pen);
    for (const MarkupLineOp& line : layout.lines)
        painter.drawPolyline(line.points.constData(), static_cast<int>(line.points.size()));
    // The box excludes its right and bottom edge; Qt's outline includes them.
    for (const MarkupEllipseOp& dot : layout.ellipses)
        painter.drawEllipse(
            QRect(dot.left, dot.top, dot.right - dot.left - 1, dot.bottom - dot.top - 1));
    painter.restore();
}

} // namespace kolvar
