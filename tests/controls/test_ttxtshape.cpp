#include "controls/ttxtshape.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

namespace {

QImage render(Ttxtshape& shape)
{
    QImage image(shape.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    shape.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

} // namespace

TEST(Ttxtshape, StartsWithItsDefaults)
{
    Ttxtshape shape;
    EXPECT_EQ(shape.property("text").toString(), QStringLiteral("\\f(5\\mx;x\\u(2))"));
    EXPECT_EQ(shape.property("Textposx").toInt(), 20);
    EXPECT_EQ(shape.property("Textposy").toInt(), 20);
    EXPECT_TRUE(shape.property("ShowRahmen").toBool());
    EXPECT_TRUE(shape.property("ShowText").toBool());
    EXPECT_EQ(shape.property("Tag").toInt(), 0);
    EXPECT_EQ(shape.Shape(), Ttxtshape::sstline);
    EXPECT_EQ(shape.Pen().color(), QColor(Qt::black));
    EXPECT_EQ(shape.Pen().width(), 1);
    EXPECT_EQ(shape.Pen().style(), Qt::SolidLine);
    EXPECT_EQ(shape.Brush().color(), QColor(Qt::white));
    EXPECT_EQ(shape.Brush().style(), Qt::SolidPattern);
    EXPECT_EQ(shape.font().family(), QStringLiteral("Couier New"));
    EXPECT_EQ(shape.height(), 65);
}

TEST(Ttxtshape, FrameKindsAreStoredByNameInTheirOrder)
{
    const QMetaEnum kinds = QMetaEnum::fromType<TtxtshapeType>();
    const char* names[] = {"sstline",        "ssthor",         "sstver",
                           "sstRectangle",   "sstSquare",      "sstRoundRect",
                           "sstRoundSquare", "sstEllipse",     "sstCircle"};
    ASSERT_EQ(kinds.keyCount(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_STREQ(kinds.valueToKey(i), names[i]);

    Ttxtshape shape;
    ASSERT_TRUE(shape.setProperty("Shape", QStringLiteral("sstRoundSquare")));
    EXPECT_EQ(shape.Shape(), Ttxtshape::sstRoundSquare);
}

TEST(Ttxtshape, FrameGeometry)
{
    using K = Ttxtshape::Frame::Kind;
    const struct {
        TtxtshapeType shape;
        int w, h;
        Ttxtshape::Frame expected;
    } cases[] = {
        {Ttxtshape::sstline, 100, 60, {K::Line, 0, 0, 100, 60, 0}},
        {Ttxtshape::ssthor, 100, 61, {K::Line, 0, 30, 100, 30, 0}},
        {Ttxtshape::sstver, 101, 60, {K::Line, 50, 0, 50, 60, 0}},
        {Ttxtshape::sstRectangle, 100, 60, {K::Rectangle, 0, 0, 100, 60, 0}},
        {Ttxtshape::sstSquare, 100, 60, {K::Rectangle, 20, 0, 80, 60, 0}},
        {Ttxtshape::sstSquare, 40, 100, {K::Rectangle, 0, 30, 40, 70, 0}},
        {Ttxtshape::sstRoundRect, 100, 60, {K::RoundRect, 0, 0, 100, 60, 15}},
        {Ttxtshape::sstRoundSquare, 100, 61, {K::RoundRect, 19, 0, 80, 61, 15}},
        {Ttxtshape::sstEllipse, 100, 60, {K::Ellipse, 0, 0, 100, 60, 0}},
        {Ttxtshape::sstCircle, 30, 65, {K::Ellipse, 0, 17, 30, 47, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ttxtshape::frameGeometry(c.shape, c.w, c.h), c.expected)
            << QMetaEnum::fromType<TtxtshapeType>().valueToKey(c.shape) << " " << c.w << "x"
            << c.h;
}

// With Tag 0 the display is as wide as its formula plus Textposx on each side.
TEST(Ttxtshape, WidthFollowsTheFormulaOnlyWithTagZero)
{
    Ttxtshape shape;
    const QFontMetrics metrics(shape.font());
    const int wide = metrics.horizontalAdvance(QStringLiteral("abcdefgh"));
    const QString longText = QStringLiteral("abcdefgh").repeated(3);

    shape.setText(QString());
    EXPECT_EQ(shape.width(), 40);
    shape.setTextposx(7);
    EXPECT_EQ(shape.width(), 14);
    shape.setText(QStringLiteral("\\f(a;abcdefgh)"));
    EXPECT_EQ(shape.width(), 14 + wide);

    shape.setTag(3);
    shape.resize(65, 30);
    shape.setText(longText);
    EXPECT_EQ(shape.width(), 65);
    shape.setTag(0);
    EXPECT_EQ(shape.width(), 14 + metrics.horizontalAdvance(longText));

    shape.setShowText(false);
    shape.resize(50, 30);
    shape.setText(QStringLiteral("x"));
    EXPECT_EQ(shape.width(), 50);
}

TEST(Ttxtshape, PaintsFrameAndFormula)
{
    Ttxtshape shape;
    shape.setTag(1);
    shape.resize(80, 60);
    shape.setShowText(false);
    shape.setShape(Ttxtshape::ssthor);
    shape.setPen(QPen(Qt::red, 1));
    EXPECT_EQ(render(shape).pixelColor(10, 30), QColor(Qt::red));

    shape.setShape(Ttxtshape::sstRectangle);
    shape.setBrush(QBrush(Qt::yellow));
    QImage image = render(shape);
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::red));   // outline
    EXPECT_EQ(image.pixelColor(79, 10), QColor(Qt::red));  // right edge inside the control
    EXPECT_EQ(image.pixelColor(40, 30), QColor(Qt::yellow)); // fill

    shape.setShowRahmen(false);
    EXPECT_NE(render(shape).pixelColor(40, 30), QColor(Qt::yellow));

    // The fraction bar lies in the text colour one pixel below the top of the
    // denominator's line, from the text origin to the end of the wider of the two.
    shape.setShowText(true);
    shape.setText(QStringLiteral("\\f(a;bb)"));
    const kolvar::MarkupLayout layout = shape.layout();
    const int barY = 20 + layout.lineHeight / 2 + 1;
    image = render(shape);
    const QColor text = shape.palette().color(shape.foregroundRole());
    EXPECT_EQ(image.pixelColor(20, barY), text);
    EXPECT_EQ(image.pixelColor(layout.cursor.x() - 1, barY), text);
    EXPECT_NE(image.pixelColor(layout.cursor.x() + 2, barY), text);
}

TEST(Ttxtshape, ReportsMouseButtonsWithTheSender)
{
    Ttxtshape shape;
    QSignalSpy down(&shape, &Ttxtshape::OnMouseDown);
    QSignalSpy up(&shape, &Ttxtshape::OnMouseUp);
    QTest::mousePress(&shape, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 7));
    QTest::mouseRelease(&shape, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0).at(0).value<Ttxtshape*>(), &shape);
    EXPECT_EQ(down.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(down.at(0).at(2).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(down.at(0).at(3).toInt(), 5);
    EXPECT_EQ(down.at(0).at(4).toInt(), 7);
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up.at(0).at(3).toInt(), 6);
}
