#include "shell/buttonpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace kolvar {
namespace {

// Every picture is drawn on a 32 x 32 grid; the painter is scaled to the
// target. Outlines are 1.5 units wide, which is about one device pixel at the
// small buttons' 1x size and two at 2x.
constexpr qreal kGrid = 32.0;

const QColor kOutline(0x30, 0x30, 0x38);
const QColor kBlue(0x2f, 0x5f, 0xa8);
const QColor kLightBlue(0xa9, 0xc8, 0xee);
const QColor kYellow(0xe8, 0xb3, 0x3a);
const QColor kLightYellow(0xf8, 0xd8, 0x78);
const QColor kGreen(0x2e, 0x8b, 0x3c);
const QColor kRed(0xc8, 0x32, 0x2a);
const QColor kPaper(0xfd, 0xfd, 0xfa);
const QColor kGrey(0x9a, 0xa0, 0xa8);

QPen outline(qreal width = 1.5, const QColor& colour = kOutline)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void drawText(QPainter& p, const QRectF& box, const QString& text, qreal pixelSize, bool italic,
              const QColor& colour, const char* family = "Liberation Sans")
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 3.0)
{
    p.setPen(outline(width, colour));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(7.0);
    a.setAngle(line.angle() + 35.0);
    QLineF b = line;
    b.setLength(7.0);
    b.setAngle(line.angle() - 35.0);
    p.drawLine(a);
    p.drawLine(b);
}

void folder(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({{2, 7}, {12, 7}, {15, 10}, {28, 10}, {28, 27}, {2, 27}}));
    p.setBrush(kLightYellow);
    p.drawPolygon(QPolygonF({{7, 14}, {31, 14}, {26, 27}, {2, 27}}));
}

void floppy(QPainter& p)
{
    p.setPen(outline());
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{3, 3}, {25, 3}, {29, 7}, {29, 29}, {3, 29}}));
    p.setBrush(QColor(0xd8, 0xdc, 0xe2));
    p.drawRect(QRectF(9, 3, 14, 9));
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(18, 5, 3, 5));
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 17, 18, 12));
    p.setPen(outline(1.0, kGrey));
    p.drawLine(QPointF(10, 21), QPointF(22, 21));
    p.drawLine(QPointF(10, 25), QPointF(22, 25));
}

void page(QPainter& p, const QRectF& r)
{
    p.setPen(outline());
    p.setBrush(kPaper);
    const qreal fold = 7;
    p.drawPolygon(QPolygonF({r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold},
                             r.bottomRight(), r.bottomLeft()}));
    p.setBrush(QColor(0xdd, 0xdd, 0xd5));
    p.drawPolygon(QPolygonF({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold},
                             {r.right(), r.top() + fold}}));
}

void window(QPainter& p, const QRectF& r, const QColor& title)
{
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setBrush(title);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 6));
}

void paintOnGrid(QPainter& p, ButtonPicture picture)
{
    switch (picture) {
    case ButtonPicture::Oeffnen:
        folder(p);
        break;
    case ButtonPicture::Speichern:
        floppy(p);
        break;
    case ButtonPicture::SpeichernUnter:
        p.save();
        p.scale(0.78, 0.78);
        floppy(p);
        p.restore();
        // a pencil across the lower right corner
        p.setPen(outline(1.2));
        p.setBrush(QColor(0xf0, 0x9a, 0x2c));
        p.drawPolygon(QPolygonF({{15, 26}, {27, 14}, {31, 18}, {19, 30}}));
        p.setBrush(QColor(0xf3, 0xd9, 0xb1));
        p.drawPolygon(QPolygonF({{15, 26}, {19, 30}, {13, 32}}));
        break;
    case ButtonPicture::Hilfe:
        p.setPen(outline());
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        drawText(p, QRectF(2, 1, 28, 30), QStringLiteral("?"), 24, false, Qt::white);
        break;
    case ButtonPicture::Zahlenformat:
        p.setPen(outline());
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(1.5, 6, 29, 20), 3, 3);
        drawText(p, QRectF(0, 5, 32, 22), QStringLiteral("0,0"), 17, false, kBlue);
        break;
    case ButtonPicture::Beenden:
        // an open door with an arrow leading out
        p.setPen(outline());
        p.setBrush(QColor(0x8c, 0x5a, 0x2b));
        p.drawRect(QRectF(3, 3, 16, 26));
        p.setBrush(QColor(0x24, 0x24, 0x24));
        p.drawPolygon(QPolygonF({{3, 3}, {12, 7}, {12, 31}, {3, 29}}));
        arrow(p, QPointF(13, 16), QPointF(29, 16), kRed, 3.5);
        break;
    case ButtonPicture::Ausgabeindex:
        page(p, QRectF(5, 2, 22, 28));
        p.setPen(outline(2.2, QColor(0xd0, 0x5a, 0x12)));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{13, 12}, {9, 16}, {13, 20}}));
        p.drawPolyline(QPolygonF({{19, 12}, {23, 16}, {19, 20}}));
        p.setPen(outline(1.0, kGrey));
        p.drawLine(QPointF(9, 25), QPointF(23, 25));
        break;
    case ButtonPicture::Vorlagen: {
        // a small tree: root, two children, one grandchild
        p.setPen(outline(1.5));
        p.drawLine(QPointF(7, 9), QPointF(7, 25));
        p.drawLine(QPointF(7, 16), QPointF(15, 16));
        p.drawLine(QPointF(7, 25), QPointF(15, 25));
        p.setBrush(kYellow);
        p.drawRect(QRectF(2, 2, 10, 8));
        p.setBrush(kLightBlue);
        p.drawRect(QRectF(15, 12, 14, 8));
        p.drawRect(QRectF(15, 21, 14, 8));
        break;
    }
    case ButtonPicture::VerdeckteFenster:
        window(p, QRectF(2, 3, 20, 16), kGrey);
        window(p, QRectF(10, 12, 20, 17), kBlue);
        break;
    case ButtonPicture::Kolvarsammlung: {
        // an open book with a formula sign
        p.setPen(outline());
        p.setBrush(kBlue);
        p.drawPolygon(QPolygonF({{1, 7}, {16, 9}, {31, 7}, {31, 28}, {16, 30}, {1, 28}}));
        p.setBrush(kPaper);
        p.drawPolygon(QPolygonF({{3, 5}, {16, 8}, {16, 27}, {3, 25}}));
        p.drawPolygon(QPolygonF({{29, 5}, {16, 8}, {16, 27}, {29, 25}}));
        drawText(p, QRectF(3, 7, 13, 19), QStringLiteral("\u03a3"), 13, false, kRed,
                 "DejaVu Sans");
        p.setPen(outline(1.0, kGrey));
        for (qreal y : {12.0, 16.0, 20.0})
            p.drawLine(QPointF(19, y), QPointF(27, y - 1));
        break;
    }
    case ButtonPicture::Tabellenwerte:
        p.setPen(outline());
        p.setBrush(kPaper);
        p.drawRect(QRectF(2, 4, 28, 24));
        p.setBrush(kLightBlue);
        p.drawRect(QRectF(2, 4, 28, 6));
        p.setPen(outline(1.2));
        for (qreal y : {16.0, 22.0})
            p.drawLine(QPointF(2, y), QPointF(30, y));
        p.drawLine(QPointF(13, 4), QPointF(13, 28));
        break;
    case ButtonPicture::Projektkolvarn:
        p.setPen(outline());
        p.setBrush(QColor(0xff, 0xf6, 0xd5));
        p.drawRoundedRect(QRectF(1, 4, 30, 24), 4, 4);
        drawText(p, QRectF(0, 3, 32, 25), QStringLiteral("f(x)"), 15, true, kBlue,
                 "Liberation Serif");
        break;
    case ButtonPicture::Rechnen:
        p.setPen(outline());
        p.setBrush(QColor(0x5a, 0x62, 0x6e));
        p.drawRoundedRect(QRectF(5, 1, 22, 30), 3, 3);
        p.setBrush(QColor(0xb8, 0xe0, 0xa8));
        p.drawRect(QRectF(8, 4, 16, 7));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) {
                p.setBrush(row == 2 && col == 2 ? QColor(0xf0, 0x9a, 0x2c) : kPaper);
                p.drawRect(QRectF(8 + col * 6, 14 + row * 5.5, 4, 4));
            }
        break;
    case ButtonPicture::Umrechnungen:
        arrow(p, QPointF(3, 11), QPointF(28, 11), kGreen, 3.5);
        arrow(p, QPointF(29, 22), QPointF(4, 22), QColor(0xd0, 0x5a, 0x12), 3.5);
        break;
    case ButtonPicture::Kolvardatenbank: {
        // a stack of three disks
        p.setPen(outline());
        for (int i = 2; i >= 0; --i) {
            const qreal top = 5 + i * 8;
            QPainterPath body;
            body.moveTo(4, top + 3);
            body.lineTo(4, top + 9);
            body.arcTo(QRectF(4, top + 6, 24, 6), 180, 180);
            body.lineTo(28, top + 3);
            body.closeSubpath();
            p.setBrush(i % 2 ? kLightBlue : kBlue);
            p.drawPath(body);
            p.setBrush(kLightBlue.lighter(115));
            p.drawEllipse(QRectF(4, top, 24, 6));
        }
        break;
    }
    case ButtonPicture::AlleAufklappen:
    case ButtonPicture::AlleZuklappen:
        p.setPen(outline());
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 5, 22, 22));
        p.setPen(outline(3.0, kBlue));
        p.drawLine(QPointF(10, 16), QPointF(22, 16));
        if (picture == ButtonPicture::AlleAufklappen)
            p.drawLine(QPointF(16, 10), QPointF(16, 22));
        break;
    case ButtonPicture::Demo:
        p.setPen(outline());
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{8, 4}, {27, 16}, {8, 28}}));
        break;
    case ButtonPicture::Vorherige:
        arrow(p, QPointF(27, 16), QPointF(5, 16), kBlue, 4.0);
        break;
    case ButtonPicture::Naechste:
        arrow(p, QPointF(5, 16), QPointF(27, 16), kBlue, 4.0);
        break;
    case ButtonPicture::VorlageOeffnen:
        folder(p);
        arrow(p, QPointF(17, 24), QPointF(17, 4), kGreen, 3.0);
        break;
    case ButtonPicture::Aktualisieren: {
        // two arrows chasing each other round a circle
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(3.0, kGreen));
        const QRectF ring(5, 5, 22, 22);
        p.drawArc(ring, 30 * 16, 140 * 16);
        p.drawArc(ring, 210 * 16, 140 * 16);
        p.setPen(outline(1.0, kGreen));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{1, 14}, {10, 14}, {5.5, 20}}));
        p.drawPolygon(QPolygonF({{31, 18}, {22, 18}, {26.5, 12}}));
        break;
    }
    case ButtonPicture::FensterNormal:
        window(p, QRectF(6, 7, 20, 17), kBlue);
        break;
    case ButtonPicture::FensterMaximieren:
        window(p, QRectF(2, 2, 28, 28), kBlue);
        arrow(p, QPointF(16, 26), QPointF(16, 12), kGreen, 3.0);
        break;
    case ButtonPicture::FensterMinimieren:
        window(p, QRectF(4, 2, 24, 18), kGrey);
        p.setPen(outline());
        p.setBrush(kBlue);
        p.drawRect(QRectF(4, 25, 24, 5));
        break;
    case ButtonPicture::Hauptmenue:
        // a house: back to the main window
        p.setPen(outline());
        p.setBrush(kRed);
        p.drawPolygon(QPolygonF({{16, 2}, {31, 15}, {1, 15}}));
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 15, 22, 15));
        p.setBrush(QColor(0x8c, 0x5a, 0x2b));
        p.drawRect(QRectF(13, 20, 7, 10));
        break;
    }
}

} // namespace

void paintButtonPicture(QPainter& painter, ButtonPicture picture, const QRectF& rect)
{
    const qreal edge = std::min(rect.width(), rect.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(rect.center().x() - edge / 2, rect.center().y() - edge / 2);
    painter.scale(edge / kGrid, edge / kGrid);
    paintOnGrid(painter, picture);
    painter.restore();
}

QIcon buttonIcon(ButtonPicture picture, int edge)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(edge * scale, edge * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paintButtonPicture(painter, picture, QRectF(0, 0, edge * scale, edge * scale));
        }
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kolvar
