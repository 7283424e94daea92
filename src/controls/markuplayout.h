#pragma once
// Typesetting of the formula markup, apart from any widget or painter.
//
// The markup is plain text with backslash commands:
//   \f(a;b) fraction       \z(a;b) stacked pair     \m multiplication dot
//   \r(a)   root (sign)    \w(a)   root (lines)     \c(a) Symbol-font letters
//   \v(a)   vector arrow   \h(a)   small text above \t(a) small text below
//   \d(a)   lowered, small \u(a)   small            \S sum sign  \I integral sign
// Everything else is drawn as it stands; an unknown command loses only its
// backslash.
//
// layoutMarkup() walks the markup once, left to right, asks a measurer for the
// widths of the runs and returns what to draw (texts, lines, dots) and where
// the cursor ended. Painting is left to the caller (see markuppainter.h), so
// the same pass serves the formula display, tests with invented metrics and
// checks of stored formulas.
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <vector>

namespace kolvar {

// The font of one run. size is in the units of the display's base font
// (points or pixels, whichever that font was given in); symbol marks a run in
// the Symbol font's encoding, whose text still holds the Latin codes.
struct MarkupFont {
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool symbol = false;

    bool operator==(const MarkupFont&) const = default;
};

class MarkupMeasurer {
public:
    virtual ~MarkupMeasurer() = default;
    // Advance width of text drawn in font, in pixels.
    virtual int textWidth(QStringView text, const MarkupFont& font) const = 0;
    // Cell height (ascent plus descent) of text drawn in font, in pixels.
    virtual int textHeight(QStringView text, const MarkupFont& font) const = 0;
};

// A text drawn with the top-left corner of its cell at pos.
struct MarkupTextOp {
    QPoint pos;
    QString text;
    MarkupFont font;

    bool operator==(const MarkupTextOp&) const = default;
};

// A polyline through points (two points: a plain line) in the text colour.
struct MarkupLineOp {
    QList<QPoint> points;

    bool operator==(const MarkupLineOp&) const = default;
};

// An ellipse outline inside the box from (left, top) to (right, bottom), the
// right and bottom edges excluded.
struct MarkupEllipseOp {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const MarkupEllipseOp&) const = default;
};

enum class MarkupIssue {
    UnknownCommand,            // a backslash that starts no command
    MissingClosingParenthesis, // an argument list without its ")"
    MissingSeparator,          // \f or \z without the ";" between its arguments
    NestingTooDeep,            // commands nested deeper than kMaxMarkupNesting
};

struct MarkupDiagnostic {
    MarkupIssue issue;
    int position; // index in the markup of the command's backslash

    bool operator==(const MarkupDiagnostic&) const = default;
};

// German text for a diagnostic, e.g. "Unbekannter Befehl an Stelle 3".
QString describeMarkupDiagnostic(const MarkupDiagnostic& diagnostic);

// Arguments nested deeper than this are drawn as plain text. No formula comes
// near it; it keeps hostile input from exhausting the stack.
inline constexpr int kMaxMarkupNesting = 100;

struct MarkupLayout {
    int lineHeight = 0; // h: height of "K" in the base font + 2
    int k = 0;          // width of "K" in the base font
    QPoint cursor;      // where the drawing ended; y stays at the origin's y
    std::vector<MarkupTextOp> texts;
    std::vector<MarkupLineOp> lines;
    std::vector<MarkupEllipseOp> ellipses;
    std::vector<MarkupDiagnostic> diagnostics;
};

// Typesets markup with its level-0 line's top-left corner at origin.
MarkupLayout layoutMarkup(const QString& markup, const MarkupMeasurer& measurer,
                          const MarkupFont& baseFont, QPoint origin);

// The faults of a stored markup text (unknown commands, unbalanced argument
// lists), independent of any font.
std::vector<MarkupDiagnostic> checkMarkup(const QString& markup);

} // namespace kolvar
