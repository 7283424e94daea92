#include "controls/markuplayout.h"

#include <algorithm>
#include <climits>

namespace kolvar {

namespace {

// The characters the commands draw, as codes of the Symbol font.
constexpr char16_t kRadicalSign = 0xD6;
constexpr char16_t kRightArrow = 0xAE;
constexpr char16_t kIntegralSign = 0xF2;

int clampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Levels of numerator and denominator for a fraction met at level L. Level 0
// centres the bar on the line; above it a fraction stands on its line and grows
// upward, below it hangs from its line and grows downward, so nested fractions
// never run into the one around them.
struct FractionLevels {
    int numerator;
    int denominator;
};

FractionLevels fractionLevels(int level)
{
    if (level == 0)
        return {1, -1};
    if (level > 0)
        return {level + 2, level};
    return {level, level - 2};
}

struct Range {
    int begin;
    int end;
};

struct Arguments {
    Range first;
    Range second;
    int next; // where the rendering goes on
};

class Typesetter {
public:
    Typesetter(const QString& text, const MarkupMeasurer& measurer, const MarkupFont& base,
               MarkupLayout& out)
        : m_text(text), m_measurer(measurer), m_base(base), m_font(base), m_out(out)
    {
    }

    void run(QPoint origin)
    {
        // Line height and k are unsigned 16-bit quantities, fixed for the whole
        // text: the small sizes do not change them.
        const QString probe = QStringLiteral("K");
        m_h = static_cast<int>(
            std::clamp(static_cast<long long>(m_measurer.textHeight(probe, m_base)) + 2, 0LL, 0xFFFFLL));
        m_k = std::clamp(m_measurer.textWidth(probe, m_base), 0, 0xFFFF);
        m_y = origin.y();
        m_out.lineHeight = m_h;
        m_out.k = m_k;
        const int textEnd = static_cast<int>(std::min<qsizetype>(m_text.size(), INT_MAX));
        m_out.cursor = QPoint(render({0, textEnd}, 0, origin.x(), 0), m_y);
    }

private:
    // Top of a line at the given level: positive levels lie higher, half a
    // line height per level, halves truncated toward zero.
    int top(int level) const { return clampToInt(m_y - static_cast<long long>(m_h) * level / 2); }

    // Where a Symbol run cut off by a command starts: 3 pixels higher, since
    // the Symbol font's letters would otherwise hang below those of the line.
    int raisedTop(int level) const
    {
        return clampToInt(static_cast<long long>(top(level)) - (m_font.symbol ? 3 : 0));
    }

    QStringView view(Range r) const { return QStringView(m_text).mid(r.begin, r.end - r.begin); }

    int indexOfBackslash(int from, int end) const
    {
        for (int i = from; i < end; ++i)
            if (m_text.at(i) == u'\\')
                return i;
        return -1;
    }

    // Draws text in the current font with its top-left corner at (x, y) and
    // returns the x after it.
    int drawText(int x, int y, QStringView text)
    {
        if (text.isEmpty())
            return x;
        m_out.texts.push_back({QPoint(x, y), text.toString(), m_font});
        const int width = std::max(0, m_measurer.textWidth(text, m_font));
        return clampToInt(static_cast<long long>(x) + width);
    }

    void line(std::initializer_list<QPoint> points) { m_out.lines.push_back({QList<QPoint>(points)}); }

    void note(MarkupIssue issue, int position) { m_out.diagnostics.push_back({issue, position}); }

    int smallSize() const { return clampToInt(2LL * m_base.size / 3); }

    int render(Range r, int level, int x, int depth);
    int command(int pos, int end, int level, int& x, int depth);
    Arguments scanArguments(int command, int end, bool two);

    const QString& m_text;
    const MarkupMeasurer& m_measurer;
    const MarkupFont m_base;
    MarkupFont m_font; // the font in force; commands restore the base, not the previous one
    int m_y = 0;
    int m_h = 0;
    int m_k = 0;
    bool m_tooDeepNoted = false;
    MarkupLayout& m_out;
};

// Draws the markup in r at the level, starting at x; returns the x where it
// ended. Only argument lists recurse; the elements of one text are a loop.
int Typesetter::render(Range r, int level, int x, int depth)
{
    if (depth > kMaxMarkupNesting) {
        if (!m_tooDeepNoted)
            note(MarkupIssue::NestingTooDeep, r.begin);
        m_tooDeepNoted = true;
        return drawText(x, top(level), view(r));
    }
    int pos = r.begin;
    while (pos < r.end) {
        const int slash = indexOfBackslash(pos, r.end);
        if (slash < 0) {
            // A run that ends the text stands on the line, whatever the font.
            x = drawText(x, top(level), view({pos, r.end}));
            break;
        }
        if (slash > pos) {
            x = drawText(x, raisedTop(level), view({pos, slash}));
            pos = slash;
            continue;
        }
        pos = command(pos, r.end, level, x, depth);
    }
    return x;
}

// Handles the command whose backslash is at pos; moves x and returns the
// position after the command.
int Typesetter::command(int pos, int end, int level, int& x, int depth)
{
    const char16_t name = pos + 1 < end ? m_text.at(pos + 1).unicode() : 0;
    const bool withArguments = pos + 2 < end && m_text.at(pos + 2) == u'(';

    if (withArguments && (name == u'f' || name == u'z')) {
        const Arguments args = scanArguments(pos, end, true);
        const FractionLevels levels = fractionLevels(level);
        const int endA = render(args.first, levels.numerator, x, depth + 1);
        const int endB = render(args.second, levels.denominator, x, depth + 1);
        const int right = endA > endB ? endA : endB;
        if (name == u'f') {
            const int barY = clampToInt(static_cast<long long>(top(levels.denominator)) + 1);
            line({QPoint(x, barY), QPoint(right, barY)});
        }
        x = right;
        return args.next;
    }
    if (name == u'm') {
        // The dot sits in the middle of the level's line.
        const int px = clampToInt(static_cast<long long>(x) + m_k / 2);
        const int py = clampToInt(m_y + static_cast<long long>(m_h) * (1LL - level) / 2);
        m_out.ellipses.push_back({px, py, clampToInt(px + 2LL), clampToInt(py + 2LL)});
        x = clampToInt(static_cast<long long>(x) + m_k);
        return pos + 2;
    }
    if (withArguments && name == u'r') {
        const Arguments args = scanArguments(pos, end, false);
        m_font.symbol = true;
        const int signEnd = drawText(x, top(level), QStringView(&kRadicalSign, 1));
        m_font.symbol = m_base.symbol;
        const int argEnd = render(args.first, level, signEnd, depth + 1);
        if (level == 0) {
            // Reaches back 2 pixels to meet the top of the sign.
            line({QPoint(clampToInt(signEnd - 2LL), m_y), QPoint(argEnd, m_y)});
        } else {
            // Just above the level's line; the halves of (h + 1) truncate
            // toward zero on both sides of the cursor line.
            const int barY = clampToInt(m_y - (static_cast<long long>(m_h) + 1) * level / 2);
            line({QPoint(signEnd, barY), QPoint(argEnd, barY)});
        }
        x = argEnd;
        return args.next;
    }
    if (withArguments && name == u'w') {
        const Arguments args = scanArguments(pos, end, false);
        const int start = x;
        const int argEnd =
            render(args.first, level, clampToInt(static_cast<long long>(x) + m_k), depth + 1);
        // The sign hangs on the cursor's line, not on the level's.
        const int upper = clampToInt(static_cast<long long>(m_y) - m_h / 2);
        line({QPoint(start, m_y), QPoint(clampToInt(start + static_cast<long long>(m_k / 4)),
                                         clampToInt(static_cast<long long>(m_y) + m_h)),
              QPoint(clampToInt(start + static_cast<long long>(m_k / 2)), upper),
              QPoint(argEnd, upper)});
        x = argEnd;
        return args.next;
    }
    if (withArguments && name == u'c') {
        const Arguments args = scanArguments(pos, end, false);
        m_font.symbol = true;
        x = render(args.first, level, x, depth + 1);
        m_font.symbol = m_base.symbol;
        return args.next;
    }
    if (withArguments && name == u'v') {
        const Arguments args = scanArguments(pos, end, false);
        m_font.symbol = true;
        drawText(x, clampToInt(static_cast<long long>(top(level)) - 4LL * m_h / 6),
                 QStringView(&kRightArrow, 1));
        m_font.symbol = m_base.symbol;
        x = render(args.first, level, x, depth + 1);
        return args.next;
    }
    if (withArguments && (name == u'h' || name == u't')) {
        // The argument is shown as it stands and leaves the cursor where it was.
        const Arguments args = scanArguments(pos, end, false);
        const long long y = name == u'h' ? static_cast<long long>(top(level)) - 4LL * m_h / 6
                                         : static_cast<long long>(top(level)) + m_h;
        m_font.size = smallSize();
        drawText(x, clampToInt(y), view(args.first));
        m_font.size = m_base.size;
        return args.next;
    }
    if (withArguments && (name == u'd' || name == u'u')) {
        const Arguments args = scanArguments(pos, end, false);
        m_font.size = smallSize();
        x = render(args.first, name == u'd' ? level - 1 : level, x, depth + 1);
        m_font.size = m_base.size;
        return args.next;
    }
    if (name == u'S' || name == u'I') {
        const char16_t sign = name == u'S' ? u'S' : kIntegralSign;
        m_font.symbol = true;
        x = drawText(x, top(level), QStringView(&sign, 1));
        m_font.symbol = m_base.symbol;
        return pos + 2;
    }

    // Not a command: the backslash is dropped and the character after it is
    // ordinary text, even when it is a backslash itself.
    note(MarkupIssue::UnknownCommand, pos);
    const int runBegin = pos + 1;
    if (runBegin >= end)
        return end;
    const int slash = indexOfBackslash(runBegin + 1, end);
    if (slash < 0) {
        x = drawText(x, top(level), view({runBegin, end}));
        return end;
    }
    x = drawText(x, raisedTop(level), view({runBegin, slash}));
    return slash;
}

// Finds the argument list of the command at pos, which opens at pos + 2. The
// list closes at the first ")" at depth 1 and two arguments are split at the
// first ";" at depth 1, so parentheses and semicolons of nested commands are
// passed over. The text's last character is never examined: it stands in for
// a missing ")" and is then not drawn. A missing ";" (also one that would only
// come after the list's end) leaves the second argument empty.
Arguments Typesetter::scanArguments(int pos, int end, bool two)
{
    const int open = pos + 2;
    int depth = 0;
    int close = -1;
    int separator = -1;
    for (int i = open; i < end - 1; ++i) {
        const QChar c = m_text.at(i);
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (depth == 1) {
                close = i;
                break;
            }
            --depth;
        } else if (c == u';' && depth == 1 && separator < 0) {
            separator = i;
        }
    }
    if (close < 0) {
        close = end - 1;
        const bool closedByLast = close > open && m_text.at(close) == u')' && depth == 1;
        if (!closedByLast)
            note(MarkupIssue::MissingClosingParenthesis, pos);
    }
    Arguments args;
    args.next = close + 1;
    if (two) {
        if (separator < 0) {
            separator = close;
            note(MarkupIssue::MissingSeparator, pos);
        }
        args.first = {open + 1, std::max(open + 1, separator)};
        args.second = {separator + 1, std::max(separator + 1, close)};
    } else {
        args.first = {open + 1, std::max(open + 1, close)};
        args.second = {close, close};
    }
    return args;
}

// Metrics for checking markup without a font: only the diagnostics matter.
class PlainMeasurer : public MarkupMeasurer {
public:
    int textWidth(QStringView text, const MarkupFont&) const override
    {
        return static_cast<int>(std::min<qsizetype>(text.size(), 1000)) * 8;
    }
    int textHeight(QStringView, const MarkupFont&) const override { return 16; }
};

} // namespace

QString describeMarkupDiagnostic(const MarkupDiagnostic& diagnostic)
{
    const QString where = QString::number(diagnostic.position + 1);
    switch (diagnostic.issue) {
    case MarkupIssue::UnknownCommand:
        return QStringLiteral("Unbekannter Befehl an Stelle %1").arg(where);
    case MarkupIssue::MissingClosingParenthesis:
        return QStringLiteral("Befehl an Stelle %1: schließende Klammer fehlt").arg(where);
    case MarkupIssue::MissingSeparator:
        return QStringLiteral("Befehl an Stelle %1: Trennzeichen \";\" fehlt").arg(where);
    case MarkupIssue::NestingTooDeep:
        return QStringLiteral("Befehle ab Stelle %1 zu tief verschachtelt").arg(where);
    }
    return QString();
}

MarkupLayout layoutMarkup(const QString& markup, const MarkupMeasurer& measurer,
                          const MarkupFont& baseFont, QPoint origin)
{
    MarkupLayout layout;
    Typesetter(markup, measurer, baseFont, layout).run(origin);
    return layout;
}

std::vector<MarkupDiagnostic> checkMarkup(const QString& markup)
{
    MarkupFont font;
    font.size = 12;
    return layoutMarkup(markup, PlainMeasurer(), font, QPoint(0, 0)).diagnostics;
}

} // namespace kolvar
