#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "engine/numberformat.h"
#include "engine/tfktbaum.h"
#include "engine/tfunktion.h"

namespace {

// Marks a row whose line must stay as it was.
constexpr const char* kUnchanged = "<unchanged>";
// Marks a row whose line must hold the value in the query form.
constexpr const char* kValue = "<value>";

struct Step {
    const char* line;
    bool ok;
    const char* after;
    long double y = 0;
};

void run(Tfktbaum& liste, const Step& step)
{
    SCOPED_TRACE(step.line);
    std::string line = step.line;
    long double y = -99;
    EXPECT_EQ(liste.untersuche(line, y), step.ok);
    if (step.after == kUnchanged) {
        EXPECT_EQ(line, step.line);
    } else if (step.after == kValue) {
        EXPECT_EQ(y, step.y);
        EXPECT_EQ(line, kolvar::formatFloat("#.##e+##", step.y));
        EXPECT_FALSE(line.empty());
    } else {
        EXPECT_EQ(line, step.after);
    }
    if (step.after != kValue) {
        EXPECT_EQ(y, -99.0L); // only a successful query sets y
    }
}

std::string repeated(char c, std::size_t n)
{
    return std::string(n, c);
}

TEST(LineProtocol, DefinitionsAndQueries)
{
    const Step steps[] = {
        {"a = 5", true, ""},
        {"A=", true, kValue, 5},
        {"B=A*2", true, ""},
        {"A=7", true, ""},
        {"B=", true, kValue, 14},
        {"F(X)=X^2+1", true, ""},
        {"F(2)=", true, kValue, 5},
        {"f(x) = x + 1", true, ""},
        {"F(2)=", true, kValue, 3},
        {"G()=3", true, ""},
        {"G=", true, kValue, 3},
        {"3+4=", true, kValue, 7},
        {"(A)=", true, kValue, 7},
        {"0=", true, kValue, 0},
        {"A=2*", false, kUnchanged},
        {"A=", true, kValue, 7},
        {"3 + 4=", false, kUnchanged},
        {"C = 3 + 4", true, ""},
        {"C=", true, kValue, 7},
        {"2*A=6", false, kUnchanged},
        {"A", false, kUnchanged},
        {"=", false, kUnchanged},
        {"", false, kUnchanged},
        {"A= ", false, kUnchanged},
        {"Q=", false, kUnchanged},
        {"1/0=", false, kUnchanged},
        // Names and parameters must be names.
        {"A*2=5", false, kUnchanged},
        {"F(2)=5", false, kUnchanged},
        {"F(X+1)=X", false, kUnchanged},
        {"A,B=1", false, kUnchanged},
        {"F(2)=", true, kValue, 3},
    };
    Tfktbaum liste;
    for (const Step& step : steps)
        run(liste, step);
}

TEST(LineProtocol, AMalformedLeftSideIsRefusedAndTheListStaysAsItWas)
{
    Tfktbaum liste;
    ASSERT_TRUE(liste.definiere("F(X)=X^2+2*X+1"));
    ASSERT_TRUE(liste.definiere("Q(X)=X"));
    for (const char* zeile : {"f(x=2", "kaputt(=3", "q(x)(=1", "F(X))=1", "F((X))=1", "F(X)Y=1",
                              "F()X=1", "F( X ) ( =1"}) {
        std::string line = zeile;
        long double y = -99;
        EXPECT_FALSE(liste.untersuche(line, y)) << zeile;
        EXPECT_EQ(line, zeile);
        EXPECT_FALSE(liste.definiere(zeile)) << zeile;
    }
    ASSERT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.entry(0)->definition, "F(X)=X^2+2*X+1");
    EXPECT_EQ(liste.entry(1)->definition, "Q(X)=X");
    long double y = 0;
    EXPECT_TRUE(liste.fktberechnen("F", 1, y));
    EXPECT_EQ(y, 4);
    // The three forms a left side may take, blanks and case as typed.
    for (const char* zeile : {"f ( x ) = x", "K()=3", "k2 = 4"})
        EXPECT_TRUE(liste.definiere(zeile)) << zeile;
}

TEST(LineProtocol, QueriesShowTheirValueAsTheUserSeesIt)
{
    struct Case {
        const char* line;
        const char* shown;
    };
    const Case cases[] = {
        {"3+4=", "7e+0"},
        {"1234,5=", "1,23e+3"},
        {"1/3=", "3,33e-1"},
        {"-7/2=", "-3,5e+0"},
        {"0=", "0e+0"},
        {"-0=", "0e+0"}, // never "-0"
        {"1E-5000=", "0e+0"},
        {"2^(-20)=", "9,54e-7"},
        {"FAK(170)=", "7,26e+306"},
    };
    Tfktbaum liste;
    for (const Case& c : cases) {
        std::string line = c.line;
        long double y = 0;
        EXPECT_TRUE(liste.untersuche(line, y)) << c.line;
        EXPECT_EQ(line, c.shown) << c.line;
    }
}

TEST(LineProtocol, EntriesKeepTheirTextsAndPlaces)
{
    Tfktbaum liste;
    long double y = 0;
    std::string line = "a = 5";
    ASSERT_TRUE(liste.untersuche(line, y));
    line = "F(X)=X";
    ASSERT_TRUE(liste.untersuche(line, y));
    line = "F(Y)=Y+1";
    ASSERT_TRUE(liste.untersuche(line, y));

    ASSERT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.entry(0)->definition, "a = 5");
    EXPECT_EQ(liste.entry(0)->fktname, "A");
    EXPECT_EQ(liste.entry(0)->parameter, "");
    EXPECT_EQ(liste.item(1), "F(X)=X");
    EXPECT_EQ(liste.entry(1)->definition, "F(Y)=Y+1");
    EXPECT_EQ(liste.entry(1)->parameter, "Y");

    // A variable and a function share one name space.
    ASSERT_TRUE(liste.definiere("F=2"));
    ASSERT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.entry(1)->parameter, "");
    EXPECT_EQ(liste.sucheeintrag("F"), 1);
    EXPECT_EQ(liste.sucheeintrag("a"), -1);
    EXPECT_EQ(liste.sucheeintrag("A"), 0);
}

TEST(LineProtocol, FixedLimitsFailInsteadOfCutting)
{
    struct Case {
        std::string line;
        bool ok;
    };
    const std::string name20 = "N" + repeated('X', 19);
    const std::string umlautName20 = "A" + std::string("Ä") + repeated('B', 18); // 21 bytes
    const Case cases[] = {
        {repeated('0', 254) + "=", true},  // 255 characters
        {repeated('0', 255) + "=", false}, // 256
        {"A=" + repeated('1', 198), true},  // a definition of 200 characters
        {"A=" + repeated('1', 199), false}, // 201
        {"A=" + repeated('1', 197) + "Ä", false},
        {name20 + "=1", true},
        {name20 + "Y=1", false},
        {"F(" + name20 + ")=1", true},
        {"F(" + name20 + "Y)=1", false},
        {umlautName20 + "=1", true},
        {umlautName20 + "Ü=1", false},
    };
    for (const Case& c : cases) {
        Tfktbaum liste;
        std::string line = c.line;
        long double y = 0;
        EXPECT_EQ(liste.untersuche(line, y), c.ok) << c.line;
        EXPECT_EQ(liste.count(), c.ok && c.line.back() != '=' ? 1 : 0) << c.line;
        if (!c.ok) {
            EXPECT_EQ(line, c.line);
        }
    }
    Tfktbaum liste;
    EXPECT_FALSE(liste.definiere("A=" + repeated('1', 199)));
    EXPECT_TRUE(liste.definiere("A=" + repeated('1', 198)));
}

TEST(Splitting, AufspaltenAndAufspalten2)
{
    struct Case {
        const char* line;
        bool call; // aufspalten2
        bool ok;
        const char* name;
        const char* parameter;
        const char* rechts;
    };
    const Case cases[] = {
        {"f(x) = x^2", false, true, "F", "X", "X^2"},
        {"A=5", false, true, "A", "", "5"},
        {"F()=3", false, true, "F", "", "3"},
        {"A=", false, true, "A", "", ""},
        {"F(2)=", false, true, "F", "2", ""},
        {"3+4=", false, true, "3+4", "", ""},
        {"A==1", false, true, "A", "", "=1"},
        {"\tB\t=\t2", false, true, "B", "", "2"},
        {"A", false, false, "", "", ""},
        {"", false, false, "", "", ""},
        {"F(2)", true, true, "F", "2", ""},
        {"abc", true, true, "ABC", "", ""},
        {"F()", true, true, "F()", "", ""},
        {"a=1", true, true, "A", "", "1"},
        {"", true, false, "", "", ""},
    };
    for (const Case& c : cases) {
        std::string name = "?";
        std::string parameter = "?";
        std::string rechts = "?";
        const bool ok = c.call ? Tfktbaum::aufspalten2(c.line, name, parameter, rechts)
                               : Tfktbaum::aufspalten(c.line, name, parameter, rechts);
        EXPECT_EQ(ok, c.ok) << c.line;
        if (!c.ok)
            continue;
        EXPECT_EQ(name, c.name) << c.line;
        EXPECT_EQ(parameter, c.parameter) << c.line;
        EXPECT_EQ(rechts, c.rechts) << c.line;
    }
}

TEST(ListOperations, DeleteSearchAndEvaluate)
{
    Tfktbaum liste;
    ASSERT_TRUE(liste.definiere("A=1"));
    ASSERT_TRUE(liste.definiere("F(X)=X^2"));
    ASSERT_TRUE(liste.definiere("C=3"));

    long double y = 0;
    EXPECT_TRUE(liste.fktberechnen("F", 3, y));
    EXPECT_EQ(y, 9);
    EXPECT_FALSE(liste.fktberechnen("G", 3, y));

    EXPECT_FALSE(liste.loesche_fkt("Q"));
    EXPECT_TRUE(liste.loesche_fkt("A")); // the first one too
    ASSERT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.entry(0)->fktname, "F");
    EXPECT_FALSE(liste.remove(2));
    EXPECT_FALSE(liste.remove(-1));
    EXPECT_TRUE(liste.remove(1));
    EXPECT_EQ(liste.count(), 1);

    liste.alle_loeschen();
    EXPECT_EQ(liste.count(), 0);
    liste.alle_loeschen();
    EXPECT_EQ(liste.count(), 0);
}

TEST(ListOperations, NamesAreFoundByTheLanguagesRulesWhileTheyComeAndGo)
{
    Tfktbaum liste;
    for (const char* line : {"A=1", "AB=2", "ABC=3", "ABCD(X)=X+10", "SIN(X)=X+1"})
        ASSERT_TRUE(liste.definiere(line)) << line;
    const Step steps[] = {
        {"ABC*2=", true, kValue, 6},   // the longest name
        {"abc*2=", true, kValue, 6},   // a to z fold
        {"AB*2=", true, kValue, 4},
        {"ABCD(2)=", true, kValue, 12},
        {"ABCD=", false, kUnchanged},  // the longest name is a function
        {"SIN(0)=", true, kValue, 0},  // the built-in wins
    };
    for (const Step& step : steps)
        run(liste, step);

    // Many names, every third removed and some redefined: each name left is
    // found at its place, and no removed one.
    Tfktbaum viele;
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(viele.definiere("N" + std::to_string(i) + "=" + std::to_string(i)));
    for (int i = 0; i < 3000; i += 3)
        ASSERT_TRUE(viele.loesche_fkt("N" + std::to_string(i)));
    for (int i = 1; i < 3000; i += 30)
        ASSERT_TRUE(viele.definiere("N" + std::to_string(i) + "=-" + std::to_string(i)));
    for (int i = 0; i < 3000; ++i) {
        const std::string name = "N" + std::to_string(i);
        const int index = viele.sucheeintrag(name);
        long double y = 0;
        ASSERT_EQ(index >= 0, i % 3 != 0) << name;
        ASSERT_EQ(viele.fktberechnen(name, 0, y), i % 3 != 0) << name;
        if (index >= 0) {
            EXPECT_EQ(viele.entry(index)->fktname, name);
            EXPECT_EQ(y, i % 30 == 1 ? -i : i) << name;
        }
    }
}

TEST(ListOperations, NothingReachesADeletedEntry)
{
    struct Way {
        const char* name;
        std::function<void(Tfktbaum&)> removeA;
    };
    const Way ways[] = {
        {"loesche_fkt", [](Tfktbaum& l) { ASSERT_TRUE(l.loesche_fkt("A")); }},
        {"remove", [](Tfktbaum& l) { ASSERT_TRUE(l.remove(l.sucheeintrag("A"))); }},
        {"freigeben", [](Tfktbaum& l) { l.entry(l.sucheeintrag("A"))->freigeben(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Tfktbaum liste;
        for (const char* line : {"A=3", "B=A*2", "A2(X)=X+A", "C=A2(1)"})
            ASSERT_TRUE(liste.definiere(line)) << line;
        way.removeA(liste);
        ASSERT_EQ(liste.count(), 3);
        EXPECT_EQ(liste.sucheeintrag("A"), -1);

        long double y = 0;
        EXPECT_FALSE(liste.fktberechnen("B", 0, y));
        EXPECT_FALSE(liste.fktberechnen("C", 0, y));
        // A new entry, even under the old name, is not the one B used.
        ASSERT_TRUE(liste.definiere("Z=9"));
        ASSERT_TRUE(liste.definiere("A=4"));
        EXPECT_FALSE(liste.fktberechnen("B", 0, y));
        std::string line = "B=";
        EXPECT_FALSE(liste.untersuche(line, y));
        // Redefining B binds it to the new A.
        ASSERT_TRUE(liste.definiere("B=A*2"));
        EXPECT_TRUE(liste.fktberechnen("B", 0, y));
        EXPECT_EQ(y, 8);
    }
}

TEST(ListOperations, ReplacedEntriesChangeTheirUsers)
{
    struct Case {
        const char* line;
        bool okG;
        long double g;
    };
    // G uses F throughout; F changes kind and meaning underneath it.
    const Case cases[] = {
        {"F=2", true, 6},
        {"F=5", true, 15},
        {"F(X)=X", false, 0}, // a variable that became a function has no value
        {"F=4", true, 12},
    };
    Tfktbaum liste;
    ASSERT_TRUE(liste.definiere("F=1"));
    ASSERT_TRUE(liste.definiere("G=F*3"));
    for (const Case& c : cases) {
        ASSERT_TRUE(liste.definiere(c.line)) << c.line;
        long double y = -1;
        EXPECT_EQ(liste.fktberechnen("G", 0, y), c.okG) << c.line;
        if (c.okG) {
            EXPECT_EQ(y, c.g) << c.line;
        }
    }
    // A function that became a variable is still called; its argument is unused.
    ASSERT_TRUE(liste.definiere("H(X)=X+1"));
    ASSERT_TRUE(liste.definiere("K=H(2)*3"));
    ASSERT_TRUE(liste.definiere("H=5"));
    long double y = 0;
    EXPECT_TRUE(liste.fktberechnen("K", 0, y));
    EXPECT_EQ(y, 15);
}

// A variable set as a number acts as the line defining it with that literal,
// for its users of every kind, whether it is new or replaces a function.
TEST(ListOperations, AVariableSetAsANumberActsAsItsDefinition)
{
    const std::pair<const char*, long double> werte[] = {
        {"2,5", 2.5L}, {"-0,75", -0.75L}, {"0", 0.0L}, {"1E300", 1E300L}};
    const char* const nutzer[] = {"B=A*2", "F(X)=X+A", "C=F(3)-A", "D=A(7)", "E=A^2"};
    for (const auto& [text, wert] : werte) {
        for (const char* vorher : {"A=1", "A(X)=X*9"}) {
            Tfktbaum alsText, alsZahl;
            // A(7) compiles only while A is a function, the others only
            // while it is a variable: the call reaches the variable that
            // replaces the function.
            for (Tfktbaum* l : {&alsText, &alsZahl}) {
                ASSERT_TRUE(l->definiere(vorher));
                for (const char* n : nutzer)
                    EXPECT_EQ(l->definiere(n), (n[0] == 'D') == (vorher[1] == '(')) << n;
            }
            ASSERT_TRUE(alsText.definiere(std::string("A=") + text));
            ASSERT_TRUE(alsZahl.setzeZahl("A", wert)) << text;
            for (const char* name : {"A", "B", "C", "D", "E"}) {
                long double y1 = -1, y2 = -2;
                const bool ok1 = alsText.fktberechnen(name, 0, y1);
                EXPECT_EQ(alsZahl.fktberechnen(name, 0, y2), ok1) << text << " " << name;
                if (ok1) {
                    EXPECT_EQ(y1, y2) << text << " " << name;
                }
                std::string q1 = std::string(name) + "=", q2 = q1;
                EXPECT_EQ(alsText.untersuche(q1, y1), alsZahl.untersuche(q2, y2)) << text << " " << name;
                EXPECT_EQ(q1, q2);
            }
        }
    }
    Tfktbaum liste;
    for (const auto& [name, wert] : {std::pair<const char*, long double>{"a", 1}, {"2A", 1}, {"", 1}, {"A B", 1},
                                     {"A", HUGE_VALL}, {"A", NAN}})
        EXPECT_FALSE(liste.setzeZahl(name, wert)) << name;
    EXPECT_EQ(liste.count(), 0);
    ASSERT_TRUE(liste.setzeZahl("NEU", 4));
    ASSERT_TRUE(liste.definiere("G=NEU*NEU"));
    long double y = 0;
    EXPECT_TRUE(liste.fktberechnen("G", 0, y));
    EXPECT_EQ(y, 16);
}

TEST(ListOperations, CyclesAndRunawayEvaluationsFail)
{
    Tfktbaum liste;
    for (const char* line : {"A=1", "B=A*2", "A=B+1", "F(X)=X", "G(X)=F(X)+1", "F(X)=G(X)*2",
                             "P=1"})
        ASSERT_TRUE(liste.definiere(line)) << line;
    long double y = 7;
    EXPECT_FALSE(liste.fktberechnen("A", 0, y));
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(liste.fktberechnen("B", 0, y));
    EXPECT_FALSE(liste.fktberechnen("F", 1, y));
    std::string line = "G(1)=";
    EXPECT_FALSE(liste.untersuche(line, y));
    EXPECT_EQ(line, "G(1)=");

    // Each level doubles the work, as in a Fibonacci column of a sheet. Thirty
    // rows are ordinary use and get their value; 2^40 evaluations are refused,
    // not run.
    ASSERT_TRUE(liste.definiere("R1=1"));
    ASSERT_TRUE(liste.definiere("R2=1"));
    for (int i = 3; i <= 30; ++i)
        ASSERT_TRUE(liste.definiere("R" + std::to_string(i) + "=R" + std::to_string(i - 1) + "+R"
                                    + std::to_string(i - 2)));
    EXPECT_TRUE(liste.fktberechnen("R30", 0, y));
    EXPECT_EQ(y, 832040);
    for (int i = 1; i <= 40; ++i)
        ASSERT_TRUE(liste.definiere("P" + std::to_string(i) + "=P" + (i == 1 ? "" : std::to_string(i - 1))
                                    + "+P" + (i == 1 ? "" : std::to_string(i - 1))));
    EXPECT_TRUE(liste.fktberechnen("P10", 0, y));
    EXPECT_EQ(y, 1024);
    EXPECT_FALSE(liste.fktberechnen("P40", 0, y));
    // The list is usable afterwards.
    EXPECT_TRUE(liste.fktberechnen("P1", 0, y));
    EXPECT_EQ(y, 2);
}

TEST(ListOperations, LongChainsEvaluateUpToTheNestingBound)
{
    // Each form uses the one before in another place of its expression:
    // "@" stands for the previous name, "#" for its number.
    struct Form {
        const char* rechts;
        long double letzter; // the value of the deepest one that has a value
    };
    const Form formen[] = {
        {"@+1", tfunktion::kMaxNesting - 1}, {"1+@", tfunktion::kMaxNesting - 1},
        {"2*@/2", 0},                        {"@^1", 0},
        {"0^@", 1},                          {"F(@)", tfunktion::kMaxNesting - 1},
        {"ABS(@)+1", tfunktion::kMaxNesting - 1}, {"-(-1-@)", tfunktion::kMaxNesting - 1},
    };
    for (const Form& form : formen) {
        SCOPED_TRACE(form.rechts);
        Tfktbaum liste;
        ASSERT_TRUE(liste.definiere("V0=0"));
        ASSERT_TRUE(liste.definiere("F(X)=X+1"));
        const int longest = tfunktion::kMaxNesting + 10;
        for (int i = 1; i <= longest; ++i) {
            std::string rechts;
            for (const char* c = form.rechts; *c; ++c)
                rechts += *c == '@' ? "V" + std::to_string(i - 1) : std::string(1, *c);
            ASSERT_TRUE(liste.definiere("V" + std::to_string(i) + "=" + rechts));
        }
        long double y = 0;
        const int deep = tfunktion::kMaxNesting - 1;
        EXPECT_TRUE(liste.fktberechnen("V" + std::to_string(deep), 0, y));
        EXPECT_EQ(y, form.letzter);
        EXPECT_FALSE(liste.fktberechnen("V" + std::to_string(longest), 0, y));
    }
}

TEST(ListWalk, Suchezeiger)
{
    Tfktbaum liste;
    const std::string text = "A=1;B(X)=X+A;b(2);Q";
    const char* pos = text.c_str();
    Tfktzelle* e = nullptr;

    ASSERT_TRUE(liste.suchezeiger(pos, e));
    EXPECT_EQ(e->fktname, "A");
    EXPECT_STREQ(pos, "B(X)=X+A;b(2);Q");
    ASSERT_TRUE(liste.suchezeiger(pos, e));
    EXPECT_EQ(e->fktname, "B");
    ASSERT_TRUE(liste.suchezeiger(pos, e));
    EXPECT_EQ(e->fktname, "B");
    EXPECT_STREQ(pos, "Q");
    const char* before = pos;
    EXPECT_FALSE(liste.suchezeiger(pos, e)); // Q is not defined
    EXPECT_EQ(pos, before);
    EXPECT_EQ(liste.count(), 2);

    const std::string last = "A";
    pos = last.c_str();
    ASSERT_TRUE(liste.suchezeiger(pos, e));
    EXPECT_EQ(pos, nullptr);
    EXPECT_FALSE(liste.suchezeiger(pos, e));

    const std::string trailing = "A;";
    pos = trailing.c_str();
    ASSERT_TRUE(liste.suchezeiger(pos, e));
    ASSERT_NE(pos, nullptr);
    EXPECT_STREQ(pos, "");
    EXPECT_FALSE(liste.suchezeiger(pos, e));

    ASSERT_TRUE(liste.suchezeigerstr("C(X) = X*2", e));
    EXPECT_EQ(e->fktname, "C");
    EXPECT_EQ(e->definition, "C(X) = X*2");
    EXPECT_FALSE(liste.suchezeigerstr("D=1+", e));
    EXPECT_FALSE(liste.suchezeigerstr("C=" + repeated('1', 199), e));
}

} // namespace

TEST(LineProtocol, AnItemKeepsItsFirstTextThroughEveryKindOfReplacement)
{
    Tfktbaum liste;
    ASSERT_TRUE(liste.definiere("A=5"));
    ASSERT_TRUE(liste.setzeZahl("A", 3));
    ASSERT_TRUE(liste.definiere("A=7"));
    ASSERT_TRUE(liste.setzeZahl("B", 1));
    ASSERT_TRUE(liste.definiere("B=2"));

    ASSERT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.item(0), "A=5");
    EXPECT_EQ(liste.entry(0)->definition, "A=7");
    EXPECT_EQ(liste.item(1), "");
    EXPECT_EQ(liste.entry(1)->definition, "B=2");
}
