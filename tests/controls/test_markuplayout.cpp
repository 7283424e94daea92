// Geometry of the markup typesetting, checked with invented metrics: every
// character of a run is size/2 pixels wide (Symbol characters one pixel more,
// so a run's font shows in the coordinates), and "K" is `height` pixels high.
#include "controls/markuplayout.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace kolvar;

namespace {

class FakeMeasurer : public MarkupMeasurer {
public:
    explicit FakeMeasurer(int height) : m_height(height) {}
    int textWidth(QStringView text, const MarkupFont& font) const override
    {
        return static_cast<int>(text.size()) * (font.size / 2 + (font.symbol ? 1 : 0));
    }
    int textHeight(QStringView, const MarkupFont&) const override { return m_height; }

private:
    int m_height;
};

constexpr int kBaseSize = 20; // runs 10 pixels a character, small ones (size 13) 6

// One line per drawing operation, then the final cursor:
//   "5"@20,11        text at base size      "2"@30,29/13   text at size 13
//   S"a"@20,17       Symbol run             L 20,30 50,30  line or polyline
//   E 35,20 37,22    dot                    -> 50          cursor x
QString dump(const MarkupLayout& layout)
{
    QStringList out;
    for (const MarkupTextOp& t : layout.texts) {
        QString s = QStringLiteral("%1\"%2\"@%3,%4")
                        .arg(t.font.symbol ? QStringLiteral("S") : QString(), t.text)
                        .arg(t.pos.x())
                        .arg(t.pos.y());
        if (t.font.size != kBaseSize)
            s += QStringLiteral("/%1").arg(t.font.size);
        out << s;
    }
    for (const MarkupLineOp& l : layout.lines) {
        QString s = QStringLiteral("L");
        for (const QPoint& p : l.points)
            s += QStringLiteral(" %1,%2").arg(p.x()).arg(p.y());
        out << s;
    }
    for (const MarkupEllipseOp& e : layout.ellipses)
        out << QStringLiteral("E %1,%2 %3,%4").arg(e.left).arg(e.top).arg(e.right).arg(e.bottom);
    out << QStringLiteral("-> %1").arg(layout.cursor.x());
    return out.join(QLatin1Char(' '));
}

MarkupLayout typeset(const QString& markup, int height = 16)
{
    MarkupFont base;
    base.size = kBaseSize;
    return layoutMarkup(markup, FakeMeasurer(height), base, QPoint(20, 20));
}

struct GeometryCase {
    const char* name;
    const char* markup;
    int height; // h = height + 2
    const char* expected;
};

} // namespace

// Line height 18: level tops Y(1) = 11, Y(-1) = 29, Y(3) = -7, Y(-3) = 47.
// Line height 17: Y(1) = 12, Y(-1) = 28 (halves truncate toward zero).
TEST(MarkupLayout, PlacesEveryCommandExactly)
{
    const GeometryCase cases[] = {
        {"empty", "", 16, "-> 20"},
        {"plain run", "ab", 16, "\"ab\"@20,20 -> 40"},
        {"default text", "\\f(5\\mx;x\\u(2))", 16,
         "\"5\"@20,11 \"x\"@40,11 \"x\"@20,29 \"2\"@30,29/13 L 20,30 50,30 E 35,20 37,22 -> 50"},
        {"default text, odd h", "\\f(5\\mx;x\\u(2))", 15,
         "\"5\"@20,12 \"x\"@40,12 \"x\"@20,28 \"2\"@30,28/13 L 20,29 50,29 E 35,20 37,22 -> 50"},
        {"wider denominator", "\\f(a;bcd)", 16, "\"a\"@20,11 \"bcd\"@20,29 L 20,30 50,30 -> 50"},
        {"stacked pair has no bar", "\\z(a;bcd)e", 16,
         "\"a\"@20,11 \"bcd\"@20,29 \"e\"@50,20 -> 60"},
        {"fraction in numerator grows upward", "\\f(\\f(a;b);c)", 16,
         "\"a\"@20,-7 \"b\"@20,11 \"c\"@20,29 L 20,12 30,12 L 20,30 30,30 -> 30"},
        {"fraction in denominator grows downward", "\\f(a;\\f(b;c))", 16,
         "\"a\"@20,11 \"b\"@20,29 \"c\"@20,47 L 20,48 30,48 L 20,30 30,30 -> 30"},
        {"fraction at level 3", "\\f(\\f(\\f(a;b);c);d)", 16,
         "\"a\"@20,-25 \"b\"@20,-7 \"c\"@20,11 \"d\"@20,29 L 20,-6 30,-6 L 20,12 30,12 "
         "L 20,30 30,30 -> 30"},
        {"fraction at level -2", "\\f(a;\\d(\\f(b;c)))", 16,
         "\"a\"@20,11 \"b\"@20,38/13 \"c\"@20,56/13 L 20,57 26,57 L 20,30 30,30 -> 30"},
        {"dot at level 0", "\\m", 16, "E 25,29 27,31 -> 30"},
        {"dot at level 0, odd h", "\\m", 15, "E 25,28 27,30 -> 30"},
        {"raised text keeps the cursor", "a\\h(2)b", 16,
         "\"a\"@20,20 \"2\"@30,8/13 \"b\"@30,20 -> 40"},
        {"lowered text keeps the cursor", "\\t(i)x", 16, "\"i\"@20,38/13 \"x\"@20,20 -> 30"},
        {"raised text shows commands as they stand", "\\h(\\m)", 16, "\"\\m\"@20,8/13 -> 20"},
        {"subscript", "\\d(x)", 16, "\"x\"@20,29/13 -> 26"},
        {"subscript in numerator", "\\f(\\d(x);y)", 16,
         "\"x\"@20,20/13 \"y\"@20,29 L 20,30 30,30 -> 30"},
        {"size returns to the base, not to the outer size", "\\u(a\\d(b)c)", 16,
         "\"a\"@20,20/13 \"b\"@26,29/13 \"c\"@32,20 -> 42"},
        {"Symbol run ending the text", "\\c(a)", 16, "S\"a\"@20,20 -> 31"},
        {"Symbol run cut by a command", "\\c(a\\m)", 16, "S\"a\"@20,17 E 36,29 38,31 -> 41"},
        {"root inside Symbol run returns to the base font", "\\c(a\\r(b)c)", 16,
         "S\"a\"@20,17 S\"\u00D6\"@31,20 \"b\"@42,20 \"c\"@52,20 L 40,20 52,20 -> 62"},
        {"Symbol state survives a small-size command", "\\c(\\u(a)b)", 16,
         "S\"a\"@20,20/13 S\"b\"@27,20 -> 38"},
        {"small state survives a Symbol command", "\\u(\\c(a)b)", 16,
         "S\"a\"@20,20/13 \"b\"@27,20/13 -> 33"},
        {"root at level 0", "\\r(x)", 16, "S\"\u00D6\"@20,20 \"x\"@31,20 L 29,20 41,20 -> 41"},
        {"root at level 1", "\\f(\\r(x);y)", 16,
         "S\"\u00D6\"@20,11 \"x\"@31,11 \"y\"@20,29 L 31,11 41,11 L 20,30 41,30 -> 41"},
        {"root at level 1, odd h", "\\f(\\r(x);y)", 15,
         "S\"\u00D6\"@20,12 \"x\"@31,12 \"y\"@20,28 L 31,11 41,11 L 20,29 41,29 -> 41"},
        {"root at level -1, odd h", "\\f(y;\\r(x))", 15,
         "\"y\"@20,12 S\"\u00D6\"@20,28 \"x\"@31,28 L 31,29 41,29 L 20,29 41,29 -> 41"},
        {"root at level 3 keeps its overline", "\\f(\\f(\\r(x);a);b)", 16,
         "S\"\u00D6\"@20,-7 \"x\"@31,-7 \"a\"@20,11 \"b\"@20,29 L 31,-8 41,-8 L 20,12 41,12 "
         "L 20,30 41,30 -> 41"},
        {"root drawn with lines", "\\w(x)", 16, "\"x\"@30,20 L 20,20 22,38 25,11 40,11 -> 40"},
        {"root drawn with lines hangs on the cursor line", "\\f(\\w(x);y)", 16,
         "\"x\"@30,11 \"y\"@20,29 L 20,20 22,38 25,11 40,11 L 20,30 40,30 -> 40"},
        {"vector", "\\v(F)", 16, "S\"\u00AE\"@20,8 \"F\"@20,20 -> 30"},
        {"sum sign", "\\Sx", 16, "S\"S\"@20,20 \"x\"@31,20 -> 41"},
        {"integral sign", "\\I", 16, "S\"\u00F2\"@20,20 -> 31"},
        {"unknown command loses its backslash", "\\q", 16, "\"q\"@20,20 -> 30"},
        {"command name without parenthesis", "\\cx", 16, "\"cx\"@20,20 -> 40"},
        {"escaped backslash is text", "a\\\\b", 16, "\"a\"@20,20 \"\\b\"@30,20 -> 50"},
        {"unknown command in a Symbol run", "\\c(\\qa\\m)", 16,
         "S\"qa\"@20,17 E 47,29 49,31 -> 52"},
        {"missing parenthesis: last character takes its place", "\\f(a;b", 16,
         "\"a\"@20,11 L 20,30 30,30 -> 30"},
        {"argument list ending at its opening", "x\\r(", 16,
         "\"x\"@20,20 S\"\u00D6\"@30,20 L 39,20 41,20 -> 41"},
        {"no separator, no parenthesis", "\\f(ab", 16, "\"a\"@20,11 L 20,30 30,30 -> 30"},
        {"no separator", "\\f(ab)", 16, "\"ab\"@20,11 L 20,30 40,30 -> 40"},
        {"separator is not looked for past the list", "\\f(a)(b;c)", 16,
         "\"a\"@20,11 \"(b;c)\"@30,20 L 20,30 30,30 -> 80"},
        {"nested parentheses in an argument", "\\r((x))", 16,
         "S\"\u00D6\"@20,20 \"(x)\"@31,20 L 29,20 61,20 -> 61"},
    };
    for (const GeometryCase& c : cases)
        EXPECT_EQ(dump(typeset(QString::fromUtf8(c.markup), c.height)),
                  QString::fromUtf8(c.expected))
            << c.name;
}

TEST(MarkupLayout, LongMarkupIsDrawnWhole)
{
    const QString run(300, QLatin1Char('a'));
    const MarkupLayout layout = typeset(run + QStringLiteral("\\m\\f(b;c)"));
    ASSERT_EQ(layout.texts.size(), 3u);
    EXPECT_EQ(layout.texts[0].text, run);
    ASSERT_EQ(layout.ellipses.size(), 1u);
    EXPECT_EQ(layout.ellipses[0].left, 20 + 3000 + 5);
    EXPECT_EQ(layout.cursor.x(), 20 + 3000 + 10 + 10);
}

TEST(MarkupLayout, ReportsFaultsOfStoredMarkup)
{
    using I = MarkupIssue;
    const struct {
        const char* markup;
        std::vector<MarkupDiagnostic> expected;
    } cases[] = {
        {"\\f(\\r(a\\u(2)+b\\u(2));2\\c(p)\\m\\v(F))", {}},
        {"m/s\\u(2)", {}},
        {"\\r((x))", {}},
        {"\\h(\\q)", {}}, // shown as it stands
        {"\\q", {{I::UnknownCommand, 0}}},
        {"x\\cx", {{I::UnknownCommand, 1}}},
        {"x\\", {{I::UnknownCommand, 1}}},
        {"\\f(a;b", {{I::MissingClosingParenthesis, 0}}},
        {"\\r((x)", {{I::MissingClosingParenthesis, 0}}},
        {"ab\\r(", {{I::MissingClosingParenthesis, 2}}},
        {"\\f(ab)", {{I::MissingSeparator, 0}}},
        {"\\z(ab", {{I::MissingClosingParenthesis, 0}, {I::MissingSeparator, 0}}},
        {"\\f(\\r(x;y)",
         {{I::MissingClosingParenthesis, 0},
          {I::MissingSeparator, 0},
          {I::MissingClosingParenthesis, 3}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkMarkup(QString::fromUtf8(c.markup)), c.expected) << c.markup;

    EXPECT_EQ(describeMarkupDiagnostic({I::MissingSeparator, 4}),
              QStringLiteral("Befehl an Stelle 5: Trennzeichen \";\" fehlt"));
}

TEST(MarkupLayout, DeepNestingIsDrawnAsTextAndReported)
{
    const auto nested = [](int depth) {
        return QString(QStringLiteral("\\u(")).repeated(depth) + QStringLiteral("x") +
               QString(depth, QLatin1Char(')'));
    };
    const MarkupLayout fine = typeset(nested(kMaxMarkupNesting));
    EXPECT_TRUE(fine.diagnostics.empty());
    ASSERT_EQ(fine.texts.size(), 1u);
    EXPECT_EQ(fine.texts[0].text, QStringLiteral("x"));

    const MarkupLayout deep = typeset(nested(5000));
    ASSERT_EQ(deep.diagnostics.size(), 1u);
    EXPECT_EQ(deep.diagnostics[0].issue, MarkupIssue::NestingTooDeep);
    ASSERT_EQ(deep.texts.size(), 1u);
    EXPECT_TRUE(deep.texts[0].text.contains(QLatin1Char('x')));
}
