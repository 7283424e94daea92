#pragma once
// The formula display: a frame shape with its own pen and brush, and over it
// a formula typeset from the backslash markup (see markuplayout.h).
#include "controls/markuplayout.h"

#include <QBrush>
#include <QPen>
#include <QString>
#include <QWidget>

class Ttxtshape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QBrush Brush READ Brush WRITE setBrush)
    Q_PROPERTY(bool ShowText READ ShowText WRITE setShowText)
    Q_PROPERTY(bool ShowRahmen READ ShowRahmen WRITE setShowRahmen)
    Q_PROPERTY(int Textposy READ Textposy WRITE setTextposy)
    Q_PROPERTY(int Textposx READ Textposx WRITE setTextposx)
    Q_PROPERTY(QPen Pen READ Pen WRITE setPen)
    Q_PROPERTY(TtxtshapeType Shape READ Shape WRITE setShape)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int Tag READ Tag WRITE setTag)

public:
    // Kinds of frame, stored in window files by name.
    enum TtxtshapeType {
        sstline,
        ssthor,
        sstver,
        sstRectangle,
        sstSquare,
        sstRoundRect,
        sstRoundSquare,
        sstEllipse,
        sstCircle,
    };
    Q_ENUM(TtxtshapeType)

    // Where a frame is drawn. A line runs from (left, top) to (right, bottom);
    // the other kinds fill the box up to, not including, right and bottom.
    struct Frame {
        enum class Kind { Line, Rectangle, RoundRect, Ellipse };
        Kind kind = Kind::Line;
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        int corner = 0; // size of the corner ellipses of a rounded rectangle

        bool operator==(const Frame&) const = default;
    };
    static Frame frameGeometry(TtxtshapeType shape, int width, int height);

    explicit Ttxtshape(QWidget* owner = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    int Textposx() const { return m_textposx; }
    void setTextposx(int value);
    int Textposy() const { return m_textposy; }
    void setTextposy(int value);
    bool ShowRahmen() const { return m_showRahmen; }
    void setShowRahmen(bool value);
    bool ShowText() const { return m_showText; }
    void setShowText(bool value);
    TtxtshapeType Shape() const { return m_shape; }
    void setShape(TtxtshapeType value);
    const QPen& Pen() const { return m_pen; }
    void setPen(const QPen& pen);
    const QBrush& Brush() const { return m_brush; }
    void setBrush(const QBrush& brush);
    // With Tag 0 the display takes the width of its formula plus a margin of
    // Textposx on either side; any other Tag keeps the width it was given.
    int Tag() const { return m_tag; }
    void setTag(int value);

    // The formula as it is drawn now, with the display's own font.
    kolvar::MarkupLayout layout() const;
    // Moves the formula up or down so that everything it draws (raised
    // numerators, root bars) lies inside the display, rand pixels from its
    // top and bottom, and makes the display that high, or mindesthoehe with
    // the formula in the middle when that is more.
    void senkrechtEinpassen(int rand, int mindesthoehe = 0);

public slots:
    void StyleChanged();

signals:
    void OnMouseDown(Ttxtshape* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                     int y);
    void OnMouseMove(Ttxtshape* sender, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Ttxtshape* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                   int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void textChanged();
    int fittedWidth(const kolvar::MarkupLayout& layout) const;
    void fitWidth();

    QString m_text;
    int m_textposx = 20;
    int m_textposy = 20;
    bool m_showRahmen = true;
    bool m_showText = true;
    TtxtshapeType m_shape = sstline;
    QPen m_pen;
    QBrush m_brush;
    int m_tag = 0;
};

using TtxtshapeType = Ttxtshape::TtxtshapeType;
