#pragma once
// Measuring and painting the typeset markup with real fonts.
#include "controls/markuplayout.h"

#include <QColor>
#include <QFont>
#include <QPen>

class QPainter;

namespace kolvar {

// Measures runs in fonts derived from a base font: a run's size replaces the
// base size (in points when the base font was given in points, otherwise in
// pixels), and Symbol runs are measured as the Unicode characters they show,
// in the font that draws them.
class QtMarkupMeasurer : public MarkupMeasurer {
public:
    explicit QtMarkupMeasurer(const QFont& base);

    int textWidth(QStringView text, const MarkupFont& font) const override;
    int textHeight(QStringView text, const MarkupFont& font) const override;

    // The run font of the base font, as the layout starts with it.
    MarkupFont baseFont() const;
    QFont fontFor(const MarkupFont& font) const;
    // The text as it is drawn: Symbol codes translated.
    static QString shownText(const MarkupTextOp& op);

private:
    QFont m_base;
    bool m_pixelSized;
};

// Paints a layout: texts in the given colour, with transparent background;
// lines and dots with linePen (its width and style) in the same colour.
void paintMarkup(QPainter& painter, const MarkupLayout& layout, const QtMarkupMeasurer& measurer,
                 const QColor& color, const QPen& linePen);

} // namespace kolvar
