#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "engine/notifier.h"
#include "engine/tfktbaum.h"
#include "engine/tfunktion.h"

// Counts heap allocations so that the test can see evaluation make none.
namespace {
std::size_t g_allocations = 0;
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

enum class Outcome { Value, NoCompile, Fails };

struct Case {
    const char* expression;
    Outcome outcome;
    long double expected = 0;
    const char* variable = "";
    long double x = 0;
    long double tolerance = 1e-15L;
};

// A list with the definitions the cases use.
class Language : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* line : {"E=3", "A=5", "AB=7", "E2=9", "F(X)=X^2+1", "G(Y)=2*Y",
                                 "SQR(X)=X+1", "XA=100"})
            ASSERT_TRUE(liste.definiere(line)) << line;
    }

    void check(const Case& c)
    {
        SCOPED_TRACE(c.expression);
        tfunktion f(&liste);
        const bool compiled = f.uebersetze(c.expression, c.variable, "");
        if (c.outcome == Outcome::NoCompile) {
            EXPECT_FALSE(compiled);
            return;
        }
        ASSERT_TRUE(compiled);
        long double y = 123;
        const bool ok = f.berechne(c.x, y);
        if (c.outcome == Outcome::Fails) {
            EXPECT_FALSE(ok);
            EXPECT_EQ(y, 0.0L);
            return;
        }
        ASSERT_TRUE(ok);
        const long double scale = std::fmax(1.0L, std::fabs(c.expected));
        EXPECT_NEAR(static_cast<double>(y / scale), static_cast<double>(c.expected / scale),
                    static_cast<double>(c.tolerance))
            << "value " << static_cast<double>(y);
    }

    Tfktbaum liste;
};

TEST_F(Language, OperatorsAndPrecedence)
{
    const Case cases[] = {
        {"1+2*3", Outcome::Value, 7},
        {"3-2-1", Outcome::Value, 0},
        {"12/3/2", Outcome::Value, 2},
        {"7:2", Outcome::Value, 3.5L},
        {"7/2", Outcome::Value, 3.5L},
        {"2^3^2", Outcome::Value, 64},
        {"-2^2", Outcome::Value, -4},
        {"-3+5", Outcome::Value, 2},
        {"2*(-3)", Outcome::Value, -6},
        {"(1+2)*(3+4)/(5-6)", Outcome::Value, -21},
        {"SIN(X)^2", Outcome::Value, std::sin(4.0L), "X", 2},
        {"2^(SIN(X))", Outcome::Value, 1, "X", 0},
        {"sqrt(16)+abs(-2)", Outcome::Value, 6},
        {"2*-3", Outcome::NoCompile},
        {"2^-1", Outcome::NoCompile},
        {"--3", Outcome::NoCompile},
        {"+3", Outcome::NoCompile},
        {"2X", Outcome::NoCompile, 0, "X"},
        {"2(3)", Outcome::NoCompile},
        {"2^SIN(X)", Outcome::NoCompile, 0, "X"},
        {"(1+2", Outcome::NoCompile},
        {"1+2)", Outcome::NoCompile},
        {"1)+(2", Outcome::NoCompile},
        {"", Outcome::NoCompile},
        {"()", Outcome::NoCompile},
        {"1 + 2", Outcome::NoCompile},
        {"A=1", Outcome::NoCompile},
        {"1/0", Outcome::Fails},
        {"1/(A-5)", Outcome::Fails},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(Language, Numbers)
{
    const Case cases[] = {
        {"3,5*2", Outcome::Value, 7},
        {"1,5E3", Outcome::Value, 1500},
        {"2E-3", Outcome::Value, 0.002L},
        {"2E+3", Outcome::Value, 2000},
        {",5", Outcome::Value, 0.5L},
        {"5,", Outcome::Value, 5},
        {"1E-5000", Outcome::Value, 0},
        {"3.5", Outcome::NoCompile},
        {"1,2,3", Outcome::NoCompile},
        {"2E", Outcome::NoCompile},
        {"1E5000", Outcome::NoCompile},
        // Without a mantissa digit the text is a name, not the number 0.
        {",", Outcome::NoCompile},
        {"E*2", Outcome::Value, 6},
        {"E+1", Outcome::Value, 4},
        {"E2", Outcome::Value, 9},
        {"E-1", Outcome::Value, 2},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(Language, Powers)
{
    const Case cases[] = {
        {"0^0", Outcome::Value, 1},
        {"(-2)^3", Outcome::Value, -8},
        {"2^(-1)", Outcome::Value, 0.5L},
        {"2^0,5", Outcome::Value, std::sqrt(2.0L)},
        {"1^65536", Outcome::Value, 1},
        {"(-1)^65535", Outcome::Value, -1},
        {"(-1)^65537", Outcome::Value, -1},
        {"(-1)^70000", Outcome::Value, 1},
        {"1,0001^100000", Outcome::Value, std::pow(1.0001L, 100000.0L), "", 0, 1e-14L},
        {"0,5^70000", Outcome::Value, 0},
        {"2^16000", Outcome::Value, std::ldexp(1.0L, 16000)},
        {"0^(-1)", Outcome::Fails},
        {"(-8)^(1/3)", Outcome::Fails},
        // Whole or not, decided for exponents next to whole numbers and far
        // beyond the multiplied ones.
        {"(-2)^(1-1E-18)", Outcome::Fails},
        {"(-2)^(4,0)", Outcome::Value, 16},
        {"(-1)^(1E19+1)", Outcome::Value, -1},
        {"2^(1-1E-18)", Outcome::Value, 2},
        {"(-4)^(-0,5)", Outcome::Fails},
        {"2^65536", Outcome::Fails},
        {"2^(-65536)", Outcome::Fails},
        {"2^70000", Outcome::Fails},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(Language, BuiltInFunctions)
{
    const Case cases[] = {
        {"FAK(5)", Outcome::Value, 120},
        {"FAK(0)", Outcome::Value, 1},
        {"FAK(1)", Outcome::Value, 1},
        {"FAK(20)", Outcome::Value, 2432902008176640000.0L},
        {"FAK(2,5)", Outcome::Fails},
        {"FAK(-3)", Outcome::Fails},
        {"FAK(3+1E-18)", Outcome::Fails},
        {"FAK(1E30)", Outcome::Fails},
        // The largest factorial inside the extended range.
        {"FAK(1754)", Outcome::Value, std::exp(std::lgamma(1755.0L)), "", 0, 1e-12L},
        {"FAK(1755)", Outcome::Fails},
        {"ARCSIN(1)", Outcome::Value, kPi / 2},
        {"ARCSIN(-1)", Outcome::Value, -kPi / 2},
        {"ARCSIN(0,5)", Outcome::Value, kPi / 6},
        {"ARCCOS(-1)", Outcome::Value, kPi},
        {"ARCCOS(1)", Outcome::Value, 0},
        {"ARCCOS(0,5)", Outcome::Value, kPi / 3},
        {"ARCSIN(1,5)", Outcome::Fails},
        {"ARCCOS(-2)", Outcome::Fails},
        {"ARCTAN(1)", Outcome::Value, kPi / 4},
        {"ARCCOT(1)", Outcome::Value, kPi / 4},
        {"LN(0)", Outcome::Fails},
        {"LG(-1)", Outcome::Fails},
        {"SQRT(-1)", Outcome::Fails},
        {"COT(0)", Outcome::Fails},
        {"TAN(0)", Outcome::Value, 0},
        {"TAN(1)", Outcome::Value, std::tan(1.0L)},
        {"COT(1)", Outcome::Value, 1 / std::tan(1.0L)},
        {"EXP(100000)", Outcome::Fails},
        {"EXP(1)", Outcome::Value, std::exp(1.0L)},
        {"LN(EXP(2))", Outcome::Value, 2},
        {"LG(1000)", Outcome::Value, 3},
        {"SGN(-5)+SGN(0)*10+SGN(3)*100", Outcome::Value, 99},
        {"GRAD(RAD(90))", Outcome::Value, 90, "", 0, 1e-17L},
        {"RAD(180)", Outcome::Value, kPi},
        {"COS(0)+SIN(0)", Outcome::Value, 1},
        // A built-in name wins over the user's SQR(X)=X+1.
        {"SQR(3)", Outcome::Value, 9},
    };
    for (const Case& c : cases)
        check(c);
}

// Compared as extended values, bit for bit: a comparison in double cannot see
// an angle constant that is an ulp off.
TEST_F(Language, AngleConversionsAreExactAtExtendedPrecision)
{
    struct Exact {
        const char* expression;
        long double expected;
    };
    const Exact cases[] = {
        {"GRAD(RAD(1))", 1},         {"GRAD(RAD(3))", 3},        {"GRAD(RAD(30))", 30},
        {"GRAD(RAD(45))", 45},       {"GRAD(RAD(90))", 90},      {"GRAD(RAD(180))", 180},
        {"GRAD(RAD(360))", 360},     {"GRAD(RAD(-90))", -90},    {"RAD(GRAD(90))", 90},
        {"FAK(GRAD(RAD(3)))", 6},    {"GRAD(ARCCOS(0))", 90},    {"GRAD(ARCSIN(1))", 90},
        {"GRAD(ARCCOS(-1))", 180},   {"GRAD(ARCTAN(1))", 45},    {"GRAD(ARCSIN(0,5))", 30},
        {"RAD(180)", kPi},           {"ARCCOS(-1)", kPi},        {"ARCSIN(1)", kPi / 2},
        {"SIN(RAD(30))", 0.5L},
    };
    for (const Exact& c : cases) {
        tfunktion f(&liste);
        ASSERT_TRUE(f.uebersetze(c.expression, "", "")) << c.expression;
        long double y = 0;
        ASSERT_TRUE(f.berechne(0, y)) << c.expression;
        EXPECT_EQ(y, c.expected) << c.expression;
    }
}

TEST_F(Language, NamesAndUserDefinitions)
{
    const Case cases[] = {
        {"A", Outcome::Value, 5},
        {"a*2", Outcome::Value, 10},
        {"AB", Outcome::Value, 7}, // the longest name wins
        {"F(3)", Outcome::Value, 10},
        {"F(F(1))", Outcome::Value, 5},
        {"G(F(2))+A", Outcome::Value, 15},
        {"F(X)*X", Outcome::Value, 10, "X", 2},
        {"X", Outcome::Value, -4, "X", -4},
        // The parameter hides the longer name XA.
        {"XA", Outcome::NoCompile, 0, "X"},
        {"XA", Outcome::Value, 100},
        {"A(2)", Outcome::NoCompile}, // a variable is not called
        {"F", Outcome::NoCompile},    // a function needs its argument
        {"Q", Outcome::NoCompile},
        {"F(2)(3)", Outcome::NoCompile},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(Language, FixedCapacities)
{
    auto sum = [](int terms) {
        std::string s = "1";
        for (int i = 1; i < terms; ++i)
            s += "+1";
        return s;
    };
    auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '(') + "1"
               + std::string(static_cast<std::size_t>(depth), ')');
    };
    const std::string fifty = sum(50);     // 99 postfix tokens
    const std::string full = "-" + fifty;  // 100: the queue exactly full
    const std::string fiftyOne = sum(51);  // 101
    const std::string hundredOne = sum(101);
    const std::string deep = nested(49);   // with the outer group, 50 on the stack
    const std::string tooDeep = nested(50);
    const Case cases[] = {
        {fifty.c_str(), Outcome::Value, 50},
        {full.c_str(), Outcome::Value, 48},
        {fiftyOne.c_str(), Outcome::NoCompile},
        {hundredOne.c_str(), Outcome::NoCompile},
        {deep.c_str(), Outcome::Value, 1},
        {tooDeep.c_str(), Outcome::NoCompile},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(Language, DomainFailuresReportTheirText)
{
    struct TextCase {
        const char* expression;
        const char* text;
    };
    const TextCase cases[] = {
        {"LN(0)", "Negatives Argument LN-Funktion"},
        {"LG(-1)", "Negatives Argument LN-Funktion"},
        {"SQRT(-1)", "Negativer Radikant"},
        {"COT(0)", "Fehler-Fkt:tan  - tan(0) nicht def."},
        {"FAK(2,5)", "Keine natürliche Zahl!"},
        {"ARCSIN(2)", "Argument <1 arcsin-Funktion"},
        {"ARCCOS(2)", "Argument <1 arccos-Funktion"},
        {"1/0", ""},
    };
    for (const TextCase& c : cases) {
        tfunktion f(&liste);
        ASSERT_TRUE(f.uebersetze(c.expression, "", "")) << c.expression;
        long double y = 0;
        EXPECT_FALSE(f.berechne(0, y)) << c.expression;
        EXPECT_STREQ(f.fehlertext(), c.text) << c.expression;
    }
}

TEST_F(Language, CompiledExpressionRunsAgainForEachValue)
{
    tfunktion f(&liste);
    ASSERT_TRUE(f.uebersetze("F(X)-1", "X", ""));
    for (int x = -3; x <= 3; ++x) {
        long double y = 0;
        ASSERT_TRUE(f.berechne(x, y));
        EXPECT_EQ(y, static_cast<long double>(x * x));
    }
    long double y = 0;
    EXPECT_FALSE(f.berechne(INFINITY, y));
}

TEST_F(Language, EvaluationAllocatesNothing)
{
    ASSERT_TRUE(liste.definiere("H(T)=F(T)*G(T)+A+AB"));
    ASSERT_TRUE(liste.definiere("K0=0"));
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(liste.definiere("K" + std::to_string(i) + "=K" + std::to_string(i - 1) + "+1"))
            << "chain " << i;
    tfunktion f(&liste);
    ASSERT_TRUE(f.uebersetze("H(X)+SIN(X)^2-FAK(6)+2^10+K10", "X", ""));
    long double y = 0;
    const std::size_t before = g_allocations;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(f.berechne(i, y));
    EXPECT_EQ(g_allocations, before);
}

// Random expressions of the language, compiled with and without the
// compile-time shortcuts, must give the same bits and the same failures.
class Ausdruecke {
public:
    explicit Ausdruecke(std::uint64_t seed) : m_zustand(seed) {}

    std::string ausdruck(int tiefe)
    {
        static const char* const op[] = {"+", "-", "*", "/", ":", "^"};
        std::string s = glied(tiefe);
        for (int n = zahl(3); n > 0; --n)
            s += op[zahl(6)] + glied(tiefe);
        return s;
    }

private:
    std::string glied(int tiefe)
    {
        static const char* const zahlen[] = {"0", "1", "2", "3", "0,5", "2,5", "10", "1E3",
                                             "1,5E-3", "65536", "1754", "1E4000", "1E-4000",
                                             "7", "0,1", "180"};
        static const char* const namen[] = {"A", "B", "C", "D", "K", "X", "X", "X"};
        static const char* const funktionen[] = {
            "LN",  "SQR",  "COS",    "SIN",    "TAN",    "EXP",    "ABS", "SGN", "RAD", "GRAD",
            "COT", "FAK",  "SQRT",   "ARCCOS", "ARCSIN", "ARCTAN", "ARCCOT", "LG", "F", "G", "H"};
        switch (tiefe <= 0 ? zahl(2) : zahl(6)) {
        case 0: return zahlen[zahl(16)];
        case 1: return namen[zahl(8)];
        case 2: return "(" + ausdruck(tiefe - 1) + ")";
        case 3: return "(-" + ausdruck(tiefe - 1) + ")";
        default: return std::string(funktionen[zahl(21)]) + "(" + ausdruck(tiefe - 1) + ")";
        }
    }
    int zahl(int n)
    {
        m_zustand ^= m_zustand << 13;
        m_zustand ^= m_zustand >> 7;
        m_zustand ^= m_zustand << 17;
        return static_cast<int>(m_zustand % static_cast<std::uint64_t>(n));
    }
    std::uint64_t m_zustand;
};

TEST(Folding, GivesTheSameBitsAndFailuresAsTheUnfoldedEvaluation)
{
    Tfktbaum liste;
    for (const char* line : {"A=2,5", "B=-4", "C=A*B+1", "D=C/0", "F(X)=X^2+1", "G(Y)=2*Y-1",
                             "H(T)=SQRT(T)+LN(T)", "K=F(3)-G(A)"})
        ASSERT_TRUE(liste.definiere(line)) << line;
    const long double xs[] = {0, 1, -1, 0.5L, 2.5L, 1000, 1e300L, INFINITY};
    Ausdruecke zufall(0x2545F4914F6CDD1Dull);
    int verglichen = 0, werte = 0, fehler = 0, gefaltet = 0;
    while (verglichen < 4000) {
        const std::string text = zufall.ausdruck(3);
        tfunktion ohne(&liste), mit(&liste);
        tfunktion::setFalten(false);
        const bool ohneOk = ohne.uebersetze(text, "X", "");
        tfunktion::setFalten(true);
        ASSERT_EQ(mit.uebersetze(text, "X", ""), ohneOk) << text;
        if (!ohneOk)
            continue; // too long for the queue, or the like
        ++verglichen;
        gefaltet += mit.istZahl();
        for (long double x : xs) {
            long double y1 = 1, y2 = 2;
            const bool ok1 = ohne.berechne(x, y1);
            const bool ok2 = mit.berechne(x, y2);
            ASSERT_EQ(ok1, ok2) << text << " at " << static_cast<double>(x);
            ASSERT_EQ(std::memcmp(&y1, &y2, 10), 0) << text << " at " << static_cast<double>(x);
            ASSERT_STREQ(ohne.fehlertext(), mit.fehlertext()) << text;
            ++(ok1 ? werte : fehler);
        }
    }
    // The sample reaches values, failures and expressions that fold whole.
    EXPECT_GT(werte, 8000);
    EXPECT_GT(fehler, 4000);
    EXPECT_GT(gefaltet, 200);
}

TEST(Recursion, DirectSelfReferenceIsRefusedWithTheMessage)
{
    std::vector<std::string> messages;
    const kolvar::EngineNotifier previous =
        kolvar::setEngineNotifier([&](const std::string& text) { messages.push_back(text); });

    struct Case {
        const char* line;
        bool ok;
        bool message;
    };
    const Case cases[] = {
        {"A=1", true, false},
        {"A=A+1", false, true},
        {"N=N+1", false, false}, // unknown while its own definition is compiled
        {"F(X)=X", true, false},
        {"F(X)=F(X)+1", false, true},
        {"F=F(2)", false, true},
        {"B=A*2", true, false},
        {"A=B+1", true, false}, // only direct references are refused here
    };
    Tfktbaum liste;
    for (const Case& c : cases) {
        messages.clear();
        EXPECT_EQ(liste.definiere(c.line), c.ok) << c.line;
        const std::vector<std::string> expected =
            c.message ? std::vector<std::string>{"Rekursive Definitionen nicht erlaubt!"}
                      : std::vector<std::string>{};
        EXPECT_EQ(messages, expected) << c.line;
    }
    kolvar::setEngineNotifier(previous);
}

} // namespace
