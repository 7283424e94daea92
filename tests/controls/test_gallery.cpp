// Typesets a gallery of formulas with the formula display and writes it to
// gallery.png in the build tree, to be looked at: nothing may overlap, bars
// and overlines must span what they cover, Greek letters must show as Greek.
#include "controls/markuppainter.h"
#include "controls/ttxtshape.h"
#include "support/testpaths.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

namespace {

const char* const kFormulas[] = {
    "\\f(5\\mx;x\\u(2))",
    "\\f(\\f(a;b);\\f(c;d)) = \\f(a\\md;b\\mc)",
    "R = \\f(1;\\f(1;R\\d(1)) + \\f(1;R\\d(2)))",
    "x\\d(1,2) = \\f(-b ± \\r(b\\u(2) - 4ac);2a)",
    "U = \\r(R\\u(2) + X\\u(2))",
    "c = \\w(a\\u(2) + b\\u(2))",
    "\\c(w) = 2\\c(p)\\mf = \\f(2\\c(p);T)",
    "\\f(\\c(D)Q;\\c(D)t) = \\c(l)\\mA\\m\\f(\\c(D)T;l)",
    "\\v(F) = m\\m\\v(a)",
    "\\v(F)\\d(res) = \\S\\t(i=1)\\h(n) \\v(F)\\d(i)",
    "W = \\I\\t(s1)\\h(s2) F ds",
    "a\\h(2) + b\\h(2) = c\\h(2)",
    "\\z(n;k) = \\f(n!;k!\\m(n - k)!)",
    "E = m\\mc\\u(2)",
    "\\c(r) = \\f(m;V)   \\c(abgdezhqiklmnxoprstufcyw)",
    "\\c(ABGDEZHQIKLMNXOPRSTUFCYW)",
};

// Top and bottom of everything a layout draws, relative to its origin's y.
std::pair<int, int> verticalExtent(const kolvar::MarkupLayout& layout,
                                   const kolvar::QtMarkupMeasurer& measurer)
{
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (const kolvar::MarkupTextOp& t : layout.texts) {
        top = std::min(top, t.pos.y());
        bottom = std::max(bottom, t.pos.y() + measurer.textHeight(t.text, t.font));
    }
    for (const kolvar::MarkupLineOp& l : layout.lines)
        for (const QPoint& p : l.points) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    return {top, bottom};
}

} // namespace

TEST(Gallery, TypesetsTheFormulasIntoOnePicture)
{
    QWidget page;
    QFont pageFont = page.font();
    pageFont.setPointSize(16);
    page.setFont(pageFont);
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(Qt::white));

    // The markup on the left, the typeset formula beside it.
    const QFont labelFont(QStringLiteral("Liberation Mono"), 9);
    int column = 0;
    for (const char* markup : kFormulas)
        column = std::max(column, QFontMetrics(labelFont).horizontalAdvance(QString::fromUtf8(markup)));
    column += 30;

    std::vector<Ttxtshape*> shapes;
    int y = 10;
    int right = 0;
    for (const char* markup : kFormulas) {
        const QString text = QString::fromUtf8(markup);
        auto* label = new QLabel(text, &page);
        label->setFont(labelFont);
        label->adjustSize();
        label->move(10, y);

        auto* shape = new Ttxtshape(&page);
        shape->setShape(Ttxtshape::sstRoundRect);
        shape->setBrush(QBrush(QColor(255, 255, 200)));
        shape->setText(text);
        const kolvar::QtMarkupMeasurer measurer(shape->font());
        const kolvar::MarkupLayout layout = shape->layout();
        EXPECT_TRUE(layout.diagnostics.empty()) << markup;
        // Room for the highest and the lowest pieces, with the frame's margin.
        const auto [top, bottom] = verticalExtent(layout, measurer);
        shape->setTextposy(shape->Textposy() - top + 8);
        shape->resize(shape->width(), bottom - top + 16);
        shape->move(column, y);
        shapes.push_back(shape);
        right = std::max(right, shape->x() + shape->width());
        y += std::max(shape->height(), label->height()) + 8;
    }
    page.resize(right + 10, y + 2);

    const QImage image = page.grab().toImage();
    const QString path = testpaths::buildDir() + QStringLiteral("/gallery.png");
    ASSERT_TRUE(image.save(path)) << path.toStdString();

    const QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), page.size());
    EXPECT_GE(saved.width(), 500);
    EXPECT_GE(saved.height(), 16 * 40);
    // Every formula left ink inside its frame.
    for (Ttxtshape* shape : shapes) {
        const QRect inner = shape->geometry().adjusted(2, 2, -2, -2);
        int dark = 0;
        for (int py = inner.top(); py <= inner.bottom(); ++py)
            for (int px = inner.left(); px <= inner.right(); ++px)
                if (qGray(saved.pixel(px, py)) < 100)
                    ++dark;
        EXPECT_GT(dark, 30) << shape->text().toStdString();
    }
}
