#include "engine/tfktbaum.h"
#include "tools/calcpad.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using kolvar::DirectResult;
using Kind = kolvar::DirectResult::Kind;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

void definiere(Tfktbaum& liste, std::initializer_list<const char*> zeilen)
{
    for (const char* z : zeilen)
        ASSERT_TRUE(liste.definiere(z)) << z;
}

struct DirectCase {
    const char* name;
    const char* zeile;
    Kind kind;
    const char* value; // for Value
};

// The list holds A=2 and F(X)=X^2 before each line.
const DirectCase directCases[] = {
    {"empty line", "", Kind::Nothing, ""},
    {"blanks and tabs only", " \t  ", Kind::Nothing, ""},
    {"comment", ";A*2=", Kind::Nothing, ""},
    {"comment after blanks", "   ; anything", Kind::Nothing, ""},
    {"cls", "cls", Kind::Clear, ""},
    {"CLS in capitals", "CLS", Kind::Clear, ""},
    {"Cls with blanks between letters", " C l s ", Kind::Clear, ""},
    {"zeige_fkt mixed case", "Zeige_FKT", Kind::ListDefinitions, ""},
    {"lösche_alle", "lösche_alle", Kind::DeletedAll, ""},
    {"LÖSCHE_ALLE with a capital umlaut is no command", "LÖSCHE_ALLE", Kind::Invalid, ""},
    {"lÖsche_alle is no command either", "lÖsche_alle", Kind::Invalid, ""},
    {"query of a variable", "a=", Kind::Value, "2,00"},
    {"query with blanks", " 2 * 3 = ", Kind::Value, "6,00"},
    {"query of a function", "f(3)=", Kind::Value, "9,00"},
    {"definition", "b = 7", Kind::Defined, ""},
    {"function definition", "g(t)=t+1", Kind::Defined, ""},
    {"unknown name", "zz=", Kind::Invalid, ""},
    {"broken expression", "2*=", Kind::Invalid, ""},
    {"no equals sign", "2*3", Kind::Invalid, ""},
};

} // namespace

TEST(CalcPad, DirectLines)
{
    for (const DirectCase& c : directCases) {
        Tfktbaum liste;
        definiere(liste, {"A=2", "F(X)=X^2"});
        const DirectResult r = kolvar::handleDirectLine(liste, QStringLiteral("0.00"), QString::fromUtf8(c.zeile));
        EXPECT_EQ(r.kind, c.kind) << c.name;
        EXPECT_EQ(r.value, QString::fromUtf8(c.value)) << c.name;
        switch (c.kind) {
        case Kind::DeletedAll:
            EXPECT_EQ(liste.count(), 0) << c.name;
            break;
        case Kind::Defined:
            EXPECT_EQ(liste.count(), 3) << c.name;
            break;
        case Kind::ListDefinitions:
            EXPECT_EQ(r.lines, (QStringList{"A=2", "F(X)=X^2"})) << c.name;
            break;
        default:
            EXPECT_EQ(liste.count(), 2) << c.name;
        }
    }
}

TEST(CalcPad, DirectLineLimit)
{
    Tfktbaum liste;
    // 255 characters as typed are handled; one more is refused whole, even
    // when the blanks would have made it short.
    const QString passt = QStringLiteral("1") + QString(251, QLatin1Char(' ')) + QStringLiteral("+1=");
    ASSERT_EQ(passt.size(), 255);
    const DirectResult r = kolvar::handleDirectLine(liste, QStringLiteral("0"), passt);
    EXPECT_EQ(r.kind, Kind::Value);
    EXPECT_EQ(r.value, QStringLiteral("2"));
    EXPECT_EQ(kolvar::handleDirectLine(liste, QStringLiteral("0"), QLatin1Char(' ') + passt).kind, Kind::Invalid);
    EXPECT_EQ(kolvar::handleDirectLine(liste, QStringLiteral("0"), QStringLiteral("A=1") + QString(300, QLatin1Char(' '))).kind,
              Kind::Invalid);
    EXPECT_EQ(liste.count(), 0);
}

TEST(CalcPad, ProgramRuns)
{
    struct Case {
        const char* name;
        QStringList programm;
        QStringList ausgabe;
        QStringList definitionen; // the list afterwards
    };
    const Case cases[] = {
        {"definitions only make no output", {"a=2", "  b = a*3", "", ";Ausgabe(a)"}, {}, {"a=2", "b=a*3"}},
        {"output lines",
         {"a=2", "Ausgabe(a)", "ausgabe ( a * 3 )", "AUSGABE(2*3)"},
         {";a=2,00", ";a*3=6,00", ";2*3=6,00"},
         {"a=2"}},
        {"failing output keeps the expression without =", {"Ausgabe(zz+1)", "Ausgabe()"}, {";zz+1", ";"}, {}},
        {"errors keep the line as typed and do not stop the run",
         {"x = 1 +", "a*2=", "a=5", "Ausgabe(a)"},
         {"Fehler:x = 1 +", "Fehler:a*2=", ";a=5,00"},
         {"a=5"}},
        {"no closing bracket is an ordinary line", {"Ausgabe(1+2"}, {"Fehler:Ausgabe(1+2"}, {}},
        {"an output that is a definition fails and drops its =", {"Ausgabe(c=4)"}, {";c=4"}, {}},
    };
    for (const Case& c : cases) {
        Tfktbaum liste;
        EXPECT_EQ(kolvar::runProgram(liste, QStringLiteral("0.00"), c.programm), c.ausgabe) << c.name;
        EXPECT_EQ(kolvar::definitionLines(liste), c.definitionen) << c.name;
    }
}

TEST(CalcPad, ProgramRefusesOverlongLinesWhole)
{
    Tfktbaum liste;
    const QString lang = QStringLiteral("A=1+") + QString(260, QLatin1Char('0'));
    const QString kommentar = QStringLiteral(";") + QString(300, QLatin1Char('x'));
    EXPECT_EQ(kolvar::runProgram(liste, QStringLiteral("0"), {lang, kommentar}),
              QStringList{QStringLiteral("Fehler:") + lang});
    EXPECT_EQ(liste.count(), 0);
}

TEST(CalcPad, SideListShowsValuesWhereTheLeftSideEvaluates)
{
    Tfktbaum liste;
    definiere(liste, {"A=2", "b = a*3", "F(X)=X^2", "K(X)=A"});
    EXPECT_EQ(kolvar::sideListEntries(liste, QStringLiteral("0.0")),
              (QStringList{"A=2=2,0", "b = a*3=6,0", "F(X)=X^2", "K(X)=A"}));
    // Once X is a variable, F(X) has a value too.
    definiere(liste, {"X=3"});
    EXPECT_EQ(kolvar::sideListEntries(liste, QStringLiteral("0")).value(2), QStringLiteral("F(X)=X^2=9"));
    EXPECT_EQ(liste.count(), 5);
}

TEST(CalcPad, SideListOfACycleEndsAndListsBareDefinitions)
{
    Tfktbaum liste;
    definiere(liste, {"A=1", "B=A+1", "C=B+1"});
    // A now depends on C, which depends on A: every value of the ring fails.
    definiere(liste, {"A=C+1", "D=5"});
    QElapsedTimer uhr;
    uhr.start();
    const QStringList eintraege = kolvar::sideListEntries(liste, QStringLiteral("0"));
    EXPECT_LT(uhr.elapsed(), 2000);
    EXPECT_EQ(eintraege, (QStringList{"A=C+1", "B=A+1", "C=B+1", "D=5=5"}));
}
