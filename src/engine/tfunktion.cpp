#include "engine/tfunktion.h"

#include <cmath>
#include <cstring>
#include <string>

#include "engine/helpers.h"
#include "engine/notifier.h"
#include "engine/tfktbaum.h"

namespace {

enum Opcode : std::uint16_t {
    opNone = 0,
    opPlus = 1,
    opMinus = 2,
    opDivide = 3,
    opTimes = 4,
    opOpen = 5,
    opClose = 6,
    opNegate = 7,
    opPower = 8,
    opLn = 9,
    opSqr = 10,
    opCos = 11,
    opSin = 12,
    opTan = 13,
    opExp = 14,
    opAbs = 15,
    opSgn = 16,
    opRad = 17,
    opGrad = 18,
    opCot = 19,
    opFak = 20,
    opSqrt = 21,
    opArccos = 22,
    opArcsin = 23,
    opArctan = 24,
    opArccot = 25,
    opLg = 26,
    opCall = 27,
    // Operands carry these in the queue, so that the evaluator dispatches on
    // one field.
    opNumber = 28,
    opVariable = 29,
    opConstant = 30,
    // A power whose exponent is a whole number written in the text: the
    // number of multiplications is known when compiling.
    opPowerWhole = 31,
    // A binary operator fused with its right operand when that is a single
    // number, the variable or a parameterless definition: the left operand
    // is the value just computed, and neither goes through the stack.
    opFusedFirst = 32,
    opPlusNumber = opFusedFirst,
    opMinusNumber,
    opTimesNumber,
    opDivideNumber,
    opPowerNumber,
    opPlusVariable,
    opMinusVariable,
    opTimesVariable,
    opDivideVariable,
    opPowerVariable,
    opPlusConstant,
    opMinusConstant,
    opTimesConstant,
    opDivideConstant,
    opPowerConstant,
};

// The fused form of a binary operator with an operand of the given kind.
std::uint16_t fused(std::uint16_t opcode, std::uint16_t operand)
{
    const int op = opcode == opPlus ? 0 : opcode == opMinus ? 1 : opcode == opTimes ? 2
                 : opcode == opDivide ? 3 : 4;
    const int kind = operand == opNumber ? 0 : operand == opVariable ? 1 : 2;
    return static_cast<std::uint16_t>(opFusedFirst + 5 * kind + op);
}

bool istOperand(std::uint16_t opcode)
{
    return opcode == opNumber || opcode == opVariable || opcode == opConstant;
}

constexpr std::uint8_t kPrecedence[28] = {0, 2, 2, 3, 3, 0, 7, 2, 5, 4, 4, 4, 4, 4,
                                          4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};

// Operands each operator takes from the value stack.
constexpr int stellen(std::uint16_t opcode)
{
    switch (opcode) {
    case opPlus:
    case opMinus:
    case opDivide:
    case opTimes:
    case opPower:
        return 2;
    case opNone:
    case opOpen:
    case opClose:
        return 0;
    default:
        return 1;
    }
}

// The built-in function of that name, or opNone.
std::uint16_t eingebaut(std::string_view name)
{
    struct BuiltIn {
        std::string_view name;
        std::uint16_t opcode;
    };
    static constexpr BuiltIn kBuiltIns[] = {
        {"LG", opLg},         {"LN", opLn},         {"SQR", opSqr},       {"COS", opCos},
        {"SIN", opSin},       {"TAN", opTan},       {"EXP", opExp},       {"ABS", opAbs},
        {"SGN", opSgn},       {"RAD", opRad},       {"GRAD", opGrad},     {"SQRT", opSqrt},
        {"ARCCOS", opArccos}, {"ARCSIN", opArcsin}, {"ARCTAN", opArctan}, {"COT", opCot},
        {"ARCCOT", opArccot}, {"FAK", opFak},
    };
    if (name.size() < 2 || name.size() > 6)
        return opNone;
    for (const BuiltIn& b : kBuiltIns)
        if (b.name.size() == name.size() && b.name[0] == name[0] && b.name == name)
            return b.opcode;
    return opNone;
}

// Written with more digits than the extended type holds, so that each is the
// nearest extended value: with fewer, GRAD(RAD(3)) misses 3 by an ulp and
// FAK(GRAD(RAD(3))) is no longer a whole number.
constexpr long double kDegToRad = 0.017453292519943295769236907684886127134L;
constexpr long double kRadToDeg = 57.295779513082320876798154814105170332L;
constexpr long double kHalfPi = 1.5707963267948966192313216916397514421L;

constexpr const char* kRecursion = "Rekursive Definitionen nicht erlaubt!";
constexpr const char* kLnArgument = "Negatives Argument LN-Funktion";
constexpr const char* kRadicand = "Negativer Radikant";
constexpr const char* kTanUndefined = "Fehler-Fkt:tan  - tan(0) nicht def.";
constexpr const char* kNotNatural = "Keine natürliche Zahl!";
constexpr const char* kArcsinArgument = "Argument <1 arcsin-Funktion";
constexpr const char* kArccosArgument = "Argument <1 arccos-Funktion";

// No name has more bytes: 20 characters of up to four bytes.
constexpr std::size_t kMaxNameBytes = 4 * Tfktbaum::kMaxName;

// Whole exponents up to this magnitude are multiplied out; the factorial has
// no finite value beyond its limit.
constexpr std::uint32_t kMaxMultipliedExponent = 65536;
constexpr long double kMaxFactorial = 1754;
// A bare multiplication costs a small fraction of a token in the work budget.
constexpr std::uint32_t kMultiplicationsPerUnit = 16;

std::uint64_t g_workBudget = tfunktion::kWorkBudget;
bool g_falten = true;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Characters no name can hold: a name ends before the first of them.
bool endetNamen(char c)
{
    switch (c) {
    case '+': case '-': case '*': case '/': case ':': case '^':
    case '(': case ')': case ',': case ';': case '=': case ' ': case '\t':
        return true;
    default:
        return c >= 'a' && c <= 'z';
    }
}

// The run of name characters at the start of rest. Every name that rest
// begins with is a beginning of it.
std::size_t namenslauf(std::string_view rest)
{
    std::size_t n = 0;
    while (n < rest.size() && !endetNamen(rest[n]))
        ++n;
    return n;
}

} // namespace

namespace kolvar {

struct Auswertung {
    int depth = 0;
    std::uint64_t work = 0;

    bool charge(std::uint64_t units)
    {
        work += units;
        return work <= g_workBudget;
    }
};

} // namespace kolvar

namespace {

using kolvar::Auswertung;

Auswertung& laufzustand()
{
    static thread_local Auswertung lauf;
    return lauf;
}

// Whether v is a whole number. std::trunc would switch the x87 rounding mode
// twice, which costs more than the rest of a power: adding and taking away
// 2^63 rounds a smaller magnitude to a whole number, and every finite value
// of 2^63 or more is whole.
inline bool ganz(long double v)
{
    constexpr long double k2hoch63 = 9223372036854775808.0L;
    const long double a = std::fabs(v);
    if (!(a < k2hoch63))
        return a == a;
    return (a + k2hoch63) - k2hoch63 == a;
}

// A whole value from 0 to 2^32, converted through a double, which needs no
// change of the rounding mode either.
inline std::uint32_t ganzzahl(long double v)
{
    return static_cast<std::uint32_t>(static_cast<double>(v));
}

// The square root as the library's sqrtl computes it on this processor
// (its fsqrt). A library call here would keep the evaluator from holding
// its value in a register.
inline long double wurzel(long double a)
{
    asm("fsqrt" : "+t"(a));
    return a;
}

// Multiplies the base out, one factor after the other, as the language has
// always done for whole exponents (a different order would round differently).
// lauf is null while compiling, where nothing is charged.
[[gnu::always_inline]] inline bool ganzePotenz(long double a, std::uint32_t count, bool negativ,
                                               long double& result, Auswertung* lauf)
{
    if (lauf && count >= kMultiplicationsPerUnit && !lauf->charge(count / kMultiplicationsPerUnit))
        return false;
    long double r = a;
    for (std::uint32_t k = 1; k < count; ++k)
        r *= a;
    if (!std::isfinite(r))
        return false;
    if (negativ) {
        if (r == 0)
            return false;
        r = 1 / r;
    }
    result = r;
    return std::isfinite(r);
}

bool potenz(long double a, long double b, long double& result, Auswertung* lauf)
{
    if (b == 0) {
        result = 1;
        return true;
    }
    if (ganz(b)) {
        const long double n = std::fabs(b);
        if (n <= kMaxMultipliedExponent)
            return ganzePotenz(a, ganzzahl(n), b < 0, result, lauf);
        long double r = std::pow(std::fabs(a), n);
        if (a < 0 && std::fmod(n, 2.0L) != 0)
            r = -r;
        if (!std::isfinite(r))
            return false;
        if (b < 0) {
            if (r == 0)
                return false;
            r = 1 / r;
        }
        result = r;
        return std::isfinite(r);
    }
    if (a <= 0)
        return false;
    result = std::exp(b * std::log(a));
    return std::isfinite(result);
}

bool fakultaet(long double a, long double& result, const char*& text, Auswertung* lauf)
{
    if (!ganz(a) || a < 0) {
        text = kNotNatural;
        return false;
    }
    if (a > kMaxFactorial)
        return false;
    const std::uint32_t n = ganzzahl(a);
    if (lauf && !lauf->charge(n / kMultiplicationsPerUnit))
        return false;
    long double r = 1;
    for (std::uint32_t k = 2; k <= n; ++k)
        r *= k;
    result = r;
    return true;
}

// One built-in operator or function on its operands (b only for the binary
// ones). The evaluator and the folding at compile time both come here, so a
// folded part has exactly the value the evaluation would give. A result
// outside the extended range fails; only the operations that can leave the
// range from finite operands check for it, and every value on the stack is
// finite, so the first value out of range fails at the very operation that
// made it.
[[gnu::always_inline]] inline bool rechenschritt(std::uint16_t opcode, long double a, long double b,
                                                 long double& r, const char*& text, Auswertung* lauf)
{
    switch (opcode) {
    case opPlus:
        r = a + b;
        return std::isfinite(r);
    case opMinus:
        r = a - b;
        return std::isfinite(r);
    case opTimes:
        r = a * b;
        return std::isfinite(r);
    case opDivide:
        if (b == 0)
            return false;
        r = a / b;
        return std::isfinite(r);
    case opPower:
        return potenz(a, b, r, lauf);
    case opNegate:
        r = -a;
        return true;
    case opLn:
    case opLg:
        if (a <= 0) {
            text = kLnArgument;
            return false;
        }
        r = opcode == opLn ? std::log(a) : std::log(a) / std::log(10.0L);
        return true;
    case opSqr:
        r = a * a;
        return std::isfinite(r);
    case opSqrt:
        if (a < 0) {
            text = kRadicand;
            return false;
        }
        r = wurzel(a);
        return true;
    case opCos:
        r = std::cos(a);
        return true;
    case opSin:
        r = std::sin(a);
        return true;
    case opTan: {
        const long double c = std::cos(a);
        if (c == 0) {
            text = kTanUndefined;
            return false;
        }
        r = std::sin(a) / c;
        return std::isfinite(r);
    }
    case opCot: {
        const long double s = std::sin(a);
        if (s == 0) {
            text = kTanUndefined;
            return false;
        }
        r = std::cos(a) / s;
        return std::isfinite(r);
    }
    case opExp:
        r = std::exp(a);
        return std::isfinite(r);
    case opAbs:
        r = std::fabs(a);
        return true;
    case opSgn:
        r = vorzeichen(a);
        return true;
    case opRad:
        r = a * kDegToRad;
        return true;
    case opGrad:
        r = a * kRadToDeg;
        return std::isfinite(r);
    case opFak:
        return fakultaet(a, r, text, lauf);
    case opArcsin:
    case opArccos: {
        const long double sq = a * a;
        long double arcsin = 0;
        if (sq == 1) {
            arcsin = std::copysign(kHalfPi, a);
        } else if (sq < 1) {
            arcsin = std::atan(a / wurzel(1 - sq));
        } else {
            text = opcode == opArcsin ? kArcsinArgument : kArccosArgument;
            return false;
        }
        r = opcode == opArcsin ? arcsin : kHalfPi - arcsin;
        return true;
    }
    case opArctan:
        r = std::atan(a);
        return true;
    case opArccot:
        r = kHalfPi - std::atan(a);
        return true;
    default:
        return false;
    }
}

} // namespace

// --- the compiled form and the compiler's working copy ----------------------

struct tfunktion::Token {
    long double value;          // opNumber
    kolvar::EntryRef ref;       // opCall and opConstant: the entry used
    std::uint32_t count;        // opPowerWhole: the exponent's magnitude
    std::uint16_t opcode;
    bool negativ;               // opPowerWhole: the exponent is below zero
};

struct tfunktion::OpEntry {
    std::uint16_t opcode;
    kolvar::EntryRef ref;
};

struct tfunktion::Entwurf {
    Token tokens[kQueueSize];
    OpEntry ops[kStackSize];
    std::uint16_t tokenCount = 0;
    std::uint16_t opDepth = 0;
    bool ok = true;
    std::string_view variable;
    // The value stack the queue needs, counted while it is built: whether it
    // never runs short or over, and how deep it is at the end.
    bool stapelOk = true;
    int werte = 0;
    int zahlen = 0; // number tokens: without any, nothing folds
    // Measured on the final queue.
    int tiefste = 0;
    bool mitVariable = false;
};


int vorzeichen(long double value)
{
    if (value < 0)
        return -1;
    if (value > 0)
        return 1;
    return 0;
}

void tfunktion::setWorkBudget(std::uint64_t units)
{
    g_workBudget = units;
}

void tfunktion::setFalten(bool an)
{
    g_falten = an;
}

tfunktion::tfunktion(Tfktbaum* owner)
    : m_owner(owner)
{
}

tfunktion::~tfunktion() = default;

// --- queue and stacks: a full or empty one clears the ok flag ---------------

tfunktion::Token* tfunktion::token_anhaengen(Entwurf& e, std::uint16_t opcode)
{
    if (e.tokenCount >= kQueueSize) {
        e.ok = false;
        return nullptr;
    }
    Token* t = &e.tokens[e.tokenCount++];
    t->opcode = opcode;
    if (istOperand(opcode)) {
        e.zahlen += opcode == opNumber;
        if (++e.werte > kStackSize)
            e.stapelOk = false;
    } else if (const int pops = stellen(opcode); pops > 0) {
        if (e.werte < pops)
            e.stapelOk = false;
        e.werte -= pops - 1;
    }
    return t;
}

inline void tfunktion::op_push(Entwurf& e, const OpEntry& entry)
{
    if (e.opDepth >= kStackSize) {
        e.ok = false;
        return;
    }
    e.ops[e.opDepth++] = entry;
}

inline bool tfunktion::op_pop(Entwurf& e, OpEntry& entry)
{
    if (e.opDepth == 0) {
        e.ok = false;
        return false;
    }
    entry = e.ops[--e.opDepth];
    return true;
}

// --- reading tokens -----------------------------------------------------------

bool tfunktion::suche_fkt(std::string_view name, OpEntry& op) const
{
    if (m_owner->m_mitschrift)
        m_owner->m_mitschrift->emplace_back(name);
    const Tfktzelle* e = name.size() <= m_owner->laengsterName() ? m_owner->findeName(name) : nullptr;
    if (!e || e->parameter.empty())
        return false;
    op.opcode = opCall;
    op.ref = e->m_ref;
    return true;
}

long double tfunktion::lese_zahl(std::string_view text, std::size_t& pos, bool& ok)
{
    std::size_t i = pos;
    bool mantissaDigit = false;
    while (i < text.size() && (isDigit(text[i]) || text[i] == ',')) {
        mantissaDigit = mantissaDigit || isDigit(text[i]);
        ++i;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        while (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    // Without a digit before the exponent this is a name such as E2, not 0.
    ok = false;
    if (!mantissaDigit)
        return 0;
    int code = 0;
    const long double v = kolvar::zahlAusText(text.substr(pos, i - pos), code);
    if (code != 0)
        return 0;
    ok = true;
    pos = i;
    return v;
}

bool tfunktion::lese_variable(const Entwurf& e, std::string_view rest, std::size_t lauf,
                              OpEntry& operand, std::size_t& length) const
{
    // The parameter comes first and so hides every longer name beginning with it.
    if (!e.variable.empty() && rest.starts_with(e.variable)) {
        operand.opcode = opVariable;
        length = e.variable.size();
        return true;
    }
    return suche_konstante(rest, lauf, operand, length);
}

bool tfunktion::suche_konstante(std::string_view rest, std::size_t lauf, OpEntry& operand,
                                std::size_t& length) const
{
    // The longest defined name that rest begins with: one of the beginnings
    // of the run of name characters there.
    if (std::vector<std::string>* mitschrift = m_owner->m_mitschrift)
        for (std::size_t n = 1; n <= lauf && n <= kMaxNameBytes; ++n)
            mitschrift->emplace_back(rest.substr(0, n));
    const Tfktzelle* best = nullptr;
    std::size_t n = lauf < m_owner->laengsterName() ? lauf : m_owner->laengsterName();
    for (; n > 0 && !best; --n)
        best = m_owner->findeName(rest.substr(0, n));
    if (!best || !best->parameter.empty())
        return false;
    operand.opcode = opConstant;
    operand.ref = best->m_ref;
    length = best->fktname.size();
    return true;
}

// --- compiling ------------------------------------------------------------------

bool tfunktion::uebersetze(std::string_view ausdruck, std::string_view variable,
                           std::string_view definitionsname)
{
    zuruecksetzen();
    Entwurf e;
    if (!entwerfen(e, ausdruck, variable, definitionsname))
        return false;
    // A single number is kept as its value alone.
    if (e.tokenCount > 1 || e.tokens[0].opcode != opNumber) {
        m_speicher = std::make_unique_for_overwrite<Token[]>(e.tokenCount);
        std::memcpy(static_cast<void*>(m_speicher.get()), e.tokens, sizeof(Token) * e.tokenCount);
    }
    uebernehmen(e, m_speicher.get());
    return true;
}

void tfunktion::zuruecksetzen()
{
    m_bereit = false;
    m_zahl = false;
    m_speicher.reset();
    m_code = nullptr;
    m_anzahl = 0;
    m_tiefe = 0;
    m_fehlertext = "";
}

void tfunktion::alsZahl(long double wert)
{
    // What uebersetze leaves for a lone number: its value, no tokens kept.
    zuruecksetzen();
    m_anzahl = 1;
    m_tiefe = 1;
    m_mitVariable = false;
    m_bereit = true;
    m_zahl = true;
    m_wert = wert;
}

bool tfunktion::berechneZeile(std::string_view ausdruck, long double& y)
{
    zuruecksetzen();
    Entwurf e;
    if (!entwerfen(e, ausdruck, {}, {}))
        return false;
    // Evaluated once: the tokens run where they were compiled.
    uebernehmen(e, e.tokens);
    const bool ok = berechne(0, y);
    m_bereit = false;
    m_code = nullptr;
    return ok;
}

bool tfunktion::entwerfen(Entwurf& e, std::string_view ausdruck, std::string_view variable,
                          std::string_view definitionsname) const
{
    // Lines are short: the working copy lives on the stack unless it is not.
    char local[512];
    std::string heap;
    char* copy = local;
    if (ausdruck.size() + 1 > sizeof local) {
        heap.resize(ausdruck.size() + 1);
        copy = heap.data();
    }
    for (std::size_t i = 0; i < ausdruck.size(); ++i)
        copy[i] = kolvar::upperAscii(ausdruck[i]);
    // The closing ")" matches the "(" pushed first, so the whole expression is
    // one group.
    copy[ausdruck.size()] = ')';
    const std::string_view text(copy, ausdruck.size() + 1);

    e.variable = variable;
    op_push(e, OpEntry{opOpen, {}});
    bool expectOperand = true;

    // Each token is an operator or function, a number, or an operand named by
    // the parameter or a definition, tried in this order.
    std::size_t pos = 0;
    while (pos < text.size() && e.ok) {
        const char c = text[pos];
        OpEntry op{};
        std::size_t length = 1;
        switch (c) {
        case '+': op.opcode = opPlus; break;
        case '-': op.opcode = opMinus; break;
        case '/':
        case ':': op.opcode = opDivide; break;
        case '*': op.opcode = opTimes; break;
        case '(': op.opcode = opOpen; break;
        case ')': op.opcode = opClose; break;
        case '^': op.opcode = opPower; break;
        default: break;
        }
        if (op.opcode == opNone) {
            if (c < 'A' || c > 'Z') {
                // Every name begins with a letter A to Z: anything else here
                // must be a number.
                bool ok = false;
                const long double value = lese_zahl(text, pos, ok);
                Token* t = nullptr;
                if (!ok || !(t = token_anhaengen(e, opNumber)))
                    return false;
                t->value = value;
                expectOperand = false;
                continue;
            }
            const std::string_view rest = text.substr(pos);
            const std::size_t lauf = namenslauf(rest);
            // A function's name, built in or defined, stands directly before
            // "("; as no name holds a "(", it is the whole run of name
            // characters there. A built-in name wins over a definition.
            if (lauf < rest.size() && rest[lauf] == '(') {
                const std::string_view name = rest.substr(0, lauf);
                op.opcode = eingebaut(name);
                if (op.opcode != opNone || suche_fkt(name, op))
                    length = lauf;
            }
            if (op.opcode == opNone) {
                OpEntry operand{};
                Token* t = nullptr;
                if (!lese_variable(e, rest, lauf, operand, length)
                    || !(t = token_anhaengen(e, operand.opcode)))
                    return false;
                t->ref = operand.ref;
                pos += length;
                expectOperand = false;
                continue;
            }
        }
        pos += length;

        if (op.opcode == opOpen) {
            op_push(e, op);
            expectOperand = true;
        } else if (op.opcode == opClose) {
            OpEntry top;
            while (op_pop(e, top) && top.opcode != opOpen)
                if (Token* t = token_anhaengen(e, top.opcode))
                    t->ref = top.ref;
        } else {
            if (expectOperand && op.opcode == opMinus)
                op.opcode = opNegate;
            OpEntry top;
            while (op_pop(e, top)) {
                if (kPrecedence[op.opcode] > kPrecedence[top.opcode]) {
                    op_push(e, top);
                    break;
                }
                if (Token* t = token_anhaengen(e, top.opcode))
                    t->ref = top.ref;
            }
            op_push(e, op);
            expectOperand = false;
        }
    }
    if (!e.ok || e.opDepth != 0 || !pruefe(e, definitionsname))
        return false;
    if (g_falten && e.zahlen > 0)
        falten(e);
    verschmelzen(e, g_falten);
    return true;
}

bool tfunktion::pruefe(const Entwurf& e, std::string_view definitionsname) const
{
    // Runs the queue on a counted stack, so that an expression that passes can
    // never under- or overrun the value stack later. Only a definition can
    // refer to itself; for a calculation the count kept while the queue was
    // built says the same.
    const bool definition = !definitionsname.empty();
    if (!definition)
        return e.stapelOk && e.werte == 1;
    int depth = 0;
    for (std::uint16_t i = 0; i < e.tokenCount; ++i) {
        const Token& t = e.tokens[i];
        if (definition && (t.opcode == opConstant || t.opcode == opCall)) {
            const Tfktzelle* entry = m_owner->resolve(t.ref);
            if (!entry)
                return false;
            if (entry->fktname == definitionsname) {
                kolvar::engineNotify(kRecursion);
                return false;
            }
        }
        if (istOperand(t.opcode)) {
            if (++depth > kStackSize)
                return false;
            continue;
        }
        const int pops = stellen(t.opcode);
        if (depth < pops)
            return false;
        if (pops > 0)
            depth -= pops - 1;
    }
    return depth == 1;
}

void tfunktion::falten(Entwurf& e)
{
    // Walks the checked queue once, keeping for each value on the stack
    // whether it is known while compiling, and where its tokens begin (a
    // known value is one number token there). An operator whose operands are
    // all known is evaluated now and its value replaces them, unless it
    // fails: then it stays and fails at evaluation as before. The queue only
    // shrinks, so it is rewritten in place.
    struct Wert {
        bool bekannt;
        std::uint16_t anfang;
    };
    Wert stapel[kStackSize];
    int sp = 0;
    std::uint16_t out = 0;
    const char* text = "";
    for (std::uint16_t i = 0; i < e.tokenCount; ++i) {
        const std::uint16_t opcode = e.tokens[i].opcode;
        if (istOperand(opcode)) {
            stapel[sp++] = {opcode == opNumber, out};
            if (out != i)
                e.tokens[out] = e.tokens[i];
            ++out;
            continue;
        }
        const int n = stellen(opcode);
        if (n == 0)
            continue;
        const Wert a = stapel[sp - n];
        const Wert b = stapel[sp - 1];
        sp -= n;
        stapel[sp++] = {false, a.anfang};
        Token& links = e.tokens[a.anfang];
        if (opcode != opCall && a.bekannt && b.bekannt) {
            long double r = 0;
            const long double rechts = n == 2 ? e.tokens[b.anfang].value : 0.0L;
            if (rechenschritt(opcode, links.value, rechts, r, text, nullptr)) {
                links.value = r;
                out = static_cast<std::uint16_t>(a.anfang + 1);
                stapel[sp - 1].bekannt = true;
                continue;
            }
        }
        // A whole exponent written as a number (or folded to one) is read
        // once here: the evaluation then only multiplies.
        if (opcode == opPower && b.bekannt) {
            Token& exponent = e.tokens[b.anfang];
            const long double w = exponent.value;
            if (ganz(w) && std::fabs(w) <= kMaxMultipliedExponent) {
                exponent.opcode = opPowerWhole;
                exponent.count = ganzzahl(std::fabs(w));
                exponent.negativ = w < 0;
                continue;
            }
        }
        if (out != i)
            e.tokens[out] = e.tokens[i];
        ++out;
    }
    e.tokenCount = out;
}

void tfunktion::verschmelzen(Entwurf& e, bool fusen)
{
    // A binary operator right after a single operand takes that operand in:
    // in postfix order the token before a binary operator ends its right
    // operand, so a lone operand there is the whole right operand. On the
    // way the final queue is measured.
    std::uint16_t out = 0;
    int depth = 0;
    int deepest = 0;
    bool mitVariable = false;
    for (std::uint16_t i = 0; i < e.tokenCount; ++i) {
        std::uint16_t opcode = e.tokens[i].opcode;
        const int pops = stellen(opcode);
        if (fusen && pops == 2 && out > 0 && istOperand(e.tokens[out - 1].opcode)) {
            Token& operand = e.tokens[out - 1];
            mitVariable = mitVariable || operand.opcode == opVariable;
            operand.opcode = fused(opcode, operand.opcode);
            --depth;
            continue;
        }
        if (out != i)
            e.tokens[out] = e.tokens[i];
        ++out;
        if (istOperand(opcode)) {
            mitVariable = mitVariable || opcode == opVariable;
            if (++depth > deepest)
                deepest = depth;
        } else if (opcode < opFusedFirst && pops > 0) {
            depth -= pops - 1;
        }
    }
    e.tokenCount = out;
    e.tiefste = deepest;
    e.mitVariable = mitVariable;
}

void tfunktion::uebernehmen(const Entwurf& e, const Token* code)
{
    m_code = code;
    m_anzahl = e.tokenCount;
    m_bereit = true;
    m_zahl = e.tokenCount == 1 && e.tokens[0].opcode == opNumber;
    if (m_zahl)
        m_wert = e.tokens[0].value;
    m_tiefe = static_cast<std::uint16_t>(e.tiefste);
    m_mitVariable = e.mitVariable;
}

// --- evaluating -------------------------------------------------------------------
//
// The value on top of the stack is kept in a local variable that the compiler
// holds in a register; only the values below it go to memory. An extended
// value written to memory and read back at once costs as much as several
// operations, so this, and the operators fused with their right operand, keep
// most of an expression off the stack. The compiler can hold the value in a
// register only in a function that calls nothing (no x87 register survives a
// call), so the evaluation runs in two loops: schnell does all that needs no
// call, including the definitions an expression uses, which run as frames of
// the same loop; it stops at a token that needs the library (LN, SIN, a power
// with a fractional exponent ...) or a call of its own, and rechne does that
// one token and hands back.

// A definition that called another: where it goes on when that one is done.
struct tfunktion::Rahmen {
    const Token* t;
    const Token* end;
    tfunktion* f;
    long double* sp;
    long double x;
    // A binary operator whose right operand was this definition: it joins
    // the value below with the definition's value on return (opNone: none).
    std::uint16_t danach;
};

// Where an evaluation stands, between the two loops.
struct tfunktion::Lage {
    const Token* t;   // the next token
    const Token* end; // the end of f's tokens
    tfunktion* f;     // the definition being run
    long double* sp;  // the values below the top
    long double acc;  // the value on top
    long double x;    // f's variable
    Rahmen* rahmen;
    int tiefe;        // frames in use
    long double* werteEnde;
    const Tfktbaum::Slot* slots;
    Auswertung* lauf;
    const char* text; // the failure's text
    std::uint16_t nachholen; // a power the slow loop applies before going on
    // The first start takes the variable from where the caller keeps it and
    // ends by writing the value there: a value just written to memory and
    // read again at once is what this avoids.
    const long double* xAnfang;
    long double* ziel;
    bool weiter;      // acc and x hold a stopped evaluation
};

namespace {

constexpr int kRahmen = 32;
constexpr int kWerte = 128;

enum Halt { kFertig, kFehler, kLangsam };

} // namespace

bool tfunktion::berechneAllgemein(const long double& x, long double& y)
{
    Auswertung& lauf = laufzustand();
    if (lauf.depth == 0)
        lauf.work = 0;
    return auswerten(x, y, lauf);
}

bool tfunktion::auswerten(const long double& x, long double& y, Auswertung& lauf)
{
    if (m_zahl) {
        y = m_wert;
        return true;
    }
    if (!eintreten(lauf)) {
        y = 0;
        return false;
    }
    const bool ok = rechne(x, y, lauf);
    austreten(lauf);
    return ok;
}

inline bool tfunktion::eintreten(Auswertung& lauf)
{
    // Coming back here means a cycle of definitions; it would also reuse the
    // stack that is still in use.
    if (!m_bereit || m_busy || lauf.depth >= kMaxNesting || !lauf.charge(m_anzahl + 1u))
        return false;
    m_busy = true;
    ++lauf.depth;
    m_fehlertext = "";
    return true;
}

inline void tfunktion::austreten(Auswertung& lauf)
{
    --lauf.depth;
    m_busy = false;
}

bool tfunktion::rechne(const long double& x, long double& y, Auswertung& lauf)
{
    long double werte[kWerte];
    Rahmen rahmen[kRahmen];
    Lage l;
    l.t = m_code;
    l.end = l.t + m_anzahl;
    l.f = this;
    l.sp = werte;
    l.rahmen = rahmen;
    l.tiefe = 0;
    l.werteEnde = werte + kWerte;
    // Evaluating defines nothing, so the list's slots stay where they are;
    // every definition in the nest belongs to the same list.
    l.slots = m_owner->m_slots.data();
    l.lauf = &lauf;
    l.text = "";
    l.xAnfang = &x;
    l.ziel = &y;
    l.weiter = false;
    l.nachholen = opNone;
    for (;;) {
        const int halt = schnell(l);
        if (halt == kFertig)
            return true;
        if (halt == kFehler || !langsam(l))
            break;
        l.weiter = true;
    }
    // The definition that failed keeps its text; every one still open is
    // left again, down to this one, which its caller leaves.
    l.f->m_fehlertext = l.text;
    while (l.tiefe > 0) {
        l.f->austreten(lauf);
        l.f = rahmen[--l.tiefe].f;
    }
    y = 0;
    return false;
}

[[gnu::noinline]] int tfunktion::schnell(Lage& l)
{
    const Token* t = l.t;
    const Token* end = l.end;
    tfunktion* f = l.f;
    long double* sp = l.sp;
    long double acc = 0;
    long double x = 0;
    if (l.weiter) {
        acc = l.acc;
        x = l.x;
    } else {
        x = *l.xAnfang;
    }
    int tiefe = l.tiefe;
    Rahmen* const rahmen = l.rahmen;
    long double* const werteEnde = l.werteEnde;
    const Tfktbaum::Slot* const slots = l.slots;
    Auswertung& lauf = *l.lauf;
    const char* text = "";
    tfunktion* g = nullptr;   // the definition to run next, with
    long double argument = 0; // this as its variable,
    bool obenauf = false;     // its value to go on top of the stack,
    std::uint16_t danach = opNone; // and this operator to join it there
    int halt;

// The slot of the definition token t uses; one that is gone stops here.
#define KOLVAR_SLOT(s)                                                                         \
    const Tfktbaum::Slot& s = slots[t->ref.slot];                                              \
    if (s.generation != t->ref.generation)                                                     \
        goto fehler;
#define KOLVAR_BINAER(OP)                                                                      \
    case OP: {                                                                                 \
        const long double links = *--sp;                                                       \
        if (!rechenschritt(OP, links, acc, acc, text, &lauf))                                  \
            goto fehler;                                                                       \
        ++t;                                                                                   \
        continue;                                                                              \
    }
#define KOLVAR_UNAER(OP)                                                                       \
    case OP:                                                                                   \
        if (!rechenschritt(OP, acc, 0.0L, acc, text, &lauf))                                   \
            goto fehler;                                                                       \
        ++t;                                                                                   \
        continue;
#define KOLVAR_MIT_ZAHL(FUSED, OP)                                                             \
    case FUSED:                                                                                \
        if (!rechenschritt(OP, acc, t->value, acc, text, &lauf))                               \
            goto fehler;                                                                       \
        ++t;                                                                                   \
        continue;
#define KOLVAR_MIT_VARIABLE(FUSED, OP)                                                         \
    case FUSED:                                                                                \
        if (!std::isfinite(x) || !rechenschritt(OP, acc, x, acc, text, &lauf))                 \
            goto fehler;                                                                       \
        ++t;                                                                                   \
        continue;
#define KOLVAR_MIT_KONSTANTE(FUSED, OP)                                                        \
    case FUSED: {                                                                              \
        KOLVAR_SLOT(s)                                                                         \
        if (s.parameter)                                                                       \
            goto fehler;                                                                       \
        if (!s.zahl) {                                                                         \
            g = s.funktion;                                                                    \
            argument = 0;                                                                      \
            obenauf = true;                                                                    \
            danach = OP;                                                                       \
            goto aufrufen;                                                                     \
        }                                                                                      \
        if (!rechenschritt(OP, acc, s.wert, acc, text, &lauf))                                 \
            goto fehler;                                                                       \
        ++t;                                                                                   \
        continue;                                                                              \
    }

// The operator a frame keeps for its return, on the value below and acc.
#define KOLVAR_NACHHER(OP)                                                                     \
    case OP: {                                                                                 \
        const long double links = *--sp;                                                       \
        if (!rechenschritt(OP, links, acc, acc, text, &lauf))                                  \
            goto fehler;                                                                       \
        break;                                                                                 \
    }

    std::uint16_t nachholen = opNone;
    for (;;) {
        if (t == end) {
            if (tiefe == 0) {
                *l.ziel = acc;
                return kFertig;
            }
            // Back from a definition: its value stands in acc.
            f->austreten(lauf);
            const Rahmen& r = rahmen[--tiefe];
            t = r.t;
            end = r.end;
            f = r.f;
            sp = r.sp;
            if (f->m_mitVariable)
                x = r.x;
            switch (r.danach) {
            case opNone:
                break;
            KOLVAR_NACHHER(opPlus)
            KOLVAR_NACHHER(opMinus)
            KOLVAR_NACHHER(opTimes)
            KOLVAR_NACHHER(opDivide)
            default:
                // A power needs the library: the slow loop applies it.
                nachholen = r.danach;
                goto langsam;
            }
            continue;
        }
        switch (t->opcode) {
        case opNumber:
            *sp++ = acc;
            acc = t->value;
            ++t;
            continue;
        case opVariable:
            // The value given from outside must be a value of the language.
            if (!std::isfinite(x))
                goto fehler;
            *sp++ = acc;
            acc = x;
            ++t;
            continue;
        case opConstant: {
            // A definition that has become a function has no value to give here.
            KOLVAR_SLOT(s)
            if (s.parameter)
                goto fehler;
            if (s.zahl) {
                *sp++ = acc;
                acc = s.wert;
                ++t;
                continue;
            }
            g = s.funktion;
            argument = 0;
            obenauf = true;
            danach = opNone;
            goto aufrufen;
        }
        case opCall: {
            // A function that has become a variable still gives its value.
            KOLVAR_SLOT(s)
            if (s.zahl) {
                acc = s.wert;
                ++t;
                continue;
            }
            g = s.funktion;
            argument = acc;
            obenauf = false;
            danach = opNone;
            goto aufrufen;
        }
        case opPowerWhole:
            if (t->count == 0)
                acc = 1;
            else if (!ganzePotenz(acc, t->count, t->negativ, acc, &lauf))
                goto fehler;
            ++t;
            continue;
        KOLVAR_BINAER(opPlus)
        KOLVAR_BINAER(opMinus)
        KOLVAR_BINAER(opTimes)
        KOLVAR_BINAER(opDivide)
        KOLVAR_MIT_ZAHL(opPlusNumber, opPlus)
        KOLVAR_MIT_ZAHL(opMinusNumber, opMinus)
        KOLVAR_MIT_ZAHL(opTimesNumber, opTimes)
        KOLVAR_MIT_ZAHL(opDivideNumber, opDivide)
        KOLVAR_MIT_VARIABLE(opPlusVariable, opPlus)
        KOLVAR_MIT_VARIABLE(opMinusVariable, opMinus)
        KOLVAR_MIT_VARIABLE(opTimesVariable, opTimes)
        KOLVAR_MIT_VARIABLE(opDivideVariable, opDivide)
        KOLVAR_MIT_KONSTANTE(opPlusConstant, opPlus)
        KOLVAR_MIT_KONSTANTE(opMinusConstant, opMinus)
        KOLVAR_MIT_KONSTANTE(opTimesConstant, opTimes)
        KOLVAR_MIT_KONSTANTE(opDivideConstant, opDivide)
        case opPowerConstant: {
            // The power itself needs the library; a definition that is not
            // a plain number still runs here, its frame keeping the power.
            KOLVAR_SLOT(s)
            if (s.parameter || s.zahl)
                goto langsam;
            g = s.funktion;
            argument = 0;
            obenauf = true;
            danach = opPower;
            goto aufrufen;
        }
        KOLVAR_UNAER(opNegate)
        KOLVAR_UNAER(opSqr)
        KOLVAR_UNAER(opSqrt)
        KOLVAR_UNAER(opAbs)
        KOLVAR_UNAER(opSgn)
        KOLVAR_UNAER(opRad)
        KOLVAR_UNAER(opGrad)
        default:
            goto langsam;
        }

    aufrufen:
        // g runs with argument as its variable; its value replaces acc, or
        // comes on top of it. Without room here the slow loop calls it.
        if (tiefe == kRahmen || sp + g->m_tiefe + 1 > werteEnde)
            goto langsam;
        if (obenauf)
            *sp++ = acc;
        if (!g->eintreten(lauf))
            goto fehler;
        // The caller's variable is kept only when it has one: reading back
        // an extended value just written would cost more than the rest.
        Rahmen& r = rahmen[tiefe++];
        r.t = t + 1;
        r.end = end;
        r.f = f;
        r.sp = sp;
        r.danach = danach;
        if (f->m_mitVariable)
            r.x = x;
        x = argument;
        f = g;
        t = g->m_code;
        end = t + g->m_anzahl;
    }
#undef KOLVAR_SLOT
#undef KOLVAR_BINAER
#undef KOLVAR_UNAER
#undef KOLVAR_MIT_ZAHL
#undef KOLVAR_MIT_VARIABLE
#undef KOLVAR_MIT_KONSTANTE
#undef KOLVAR_NACHHER

langsam:
    halt = kLangsam;
    l.nachholen = nachholen;
    goto ablegen;
fehler:
    halt = kFehler;
    l.text = text;
ablegen:
    l.t = t;
    l.end = end;
    l.f = f;
    l.sp = sp;
    l.acc = acc;
    l.x = x;
    l.tiefe = tiefe;
    return halt;
}

bool tfunktion::langsam(Lage& l)
{
    Auswertung* const lauf = l.lauf;
    // A power whose right operand was a definition just evaluated; the
    // tokens go on after it.
    if (l.nachholen != opNone) {
        const long double links = *--l.sp;
        l.nachholen = opNone;
        return rechenschritt(opPower, links, l.acc, l.acc, l.text, lauf);
    }
    // The one token the fast loop stopped at.
    const Token* t = l.t;
    const std::uint16_t op = t->opcode;
    long double rechts = 0;
    if (op == opConstant || op == opCall || (op >= opPlusConstant && op <= opPowerConstant)) {
        const Tfktbaum::Slot& s = l.slots[t->ref.slot];
        if (s.generation != t->ref.generation || (op != opCall && s.parameter))
            return false;
        if (s.zahl)
            rechts = s.wert;
        else if (!s.funktion->auswerten(op == opCall ? l.acc : 0, rechts, *lauf))
            return false;
    }
    if (op >= opPlusVariable && op <= opPowerVariable) {
        if (!std::isfinite(l.x))
            return false;
        rechts = l.x;
    }
    if (op >= opPlusNumber && op <= opPowerNumber)
        rechts = t->value;

    bool ok = true;
    if (op == opConstant) {
        *l.sp++ = l.acc;
        l.acc = rechts;
    } else if (op == opCall) {
        l.acc = rechts;
    } else if (op >= opFusedFirst) {
        static constexpr std::uint16_t kOperator[] = {opPlus, opMinus, opTimes, opDivide, opPower};
        ok = rechenschritt(kOperator[(op - opFusedFirst) % 5], l.acc, rechts, l.acc, l.text, lauf);
    } else if (stellen(op) == 2) {
        const long double links = *--l.sp;
        ok = rechenschritt(op, links, l.acc, l.acc, l.text, lauf);
    } else {
        ok = rechenschritt(op, l.acc, 0.0L, l.acc, l.text, lauf);
    }
    ++l.t;
    return ok;
}
