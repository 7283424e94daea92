#include "engine/tfunktion.h"

#include <cmath>
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
};

constexpr std::uint8_t kPrecedence[28] = {0, 2, 2, 3, 3, 0, 7, 2, 5, 4, 4, 4, 4, 4,
                                          4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};

struct BuiltIn {
    std::string_view name; // with its "(", which stays for the next token
    std::uint16_t opcode;
};

// The order matters where one name begins another.
constexpr BuiltIn kBuiltIns[] = {
    {"LG(", opLg},         {"LN(", opLn},         {"SQR(", opSqr},       {"COS(", opCos},
    {"SIN(", opSin},       {"TAN(", opTan},       {"EXP(", opExp},       {"ABS(", opAbs},
    {"SGN(", opSgn},       {"RAD(", opRad},       {"GRAD(", opGrad},     {"SQRT(", opSqrt},
    {"ARCCOS(", opArccos}, {"ARCSIN(", opArcsin}, {"ARCTAN(", opArctan}, {"COT(", opCot},
    {"ARCCOT(", opArccot}, {"FAK(", opFak},
};

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

// Whole exponents up to this magnitude are multiplied out; the factorial has
// no finite value beyond its limit.
constexpr std::uint32_t kMaxMultipliedExponent = 65536;
constexpr long double kMaxFactorial = 1754;
// A bare multiplication costs a small fraction of a token in the work budget.
constexpr std::uint32_t kMultiplicationsPerUnit = 16;

// Shared by all evaluations nested in one call from outside.
struct EvalState {
    int depth = 0;
    std::uint64_t work = 0;
};

EvalState& evalState()
{
    static thread_local EvalState state;
    return state;
}

std::uint64_t g_workBudget = tfunktion::kWorkBudget;

bool chargeWork(std::uint64_t units)
{
    EvalState& s = evalState();
    s.work += units;
    return s.work <= g_workBudget;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

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

tfunktion::tfunktion(Tfktbaum* owner)
    : m_owner(owner)
{
}

// --- queue and stacks: a full or empty one clears the ok flag ---------------

void tfunktion::token_anhaengen(const Token& token)
{
    if (m_tokenCount >= kQueueSize) {
        m_ok = false;
        return;
    }
    m_tokens[m_tokenCount++] = token;
}

bool tfunktion::token_lesen(Token& token)
{
    if (m_readIndex >= m_tokenCount) {
        m_ok = false;
        return false;
    }
    token = m_tokens[m_readIndex++];
    return true;
}

void tfunktion::wert_push(long double value)
{
    if (m_valueDepth >= kStackSize) {
        m_ok = false;
        return;
    }
    m_werte[m_valueDepth++] = value;
}

bool tfunktion::wert_pop(long double& value)
{
    if (m_valueDepth == 0) {
        m_ok = false;
        return false;
    }
    value = m_werte[--m_valueDepth];
    return true;
}

void tfunktion::op_push(const OpEntry& entry)
{
    if (m_opDepth >= kStackSize) {
        m_ok = false;
        return;
    }
    m_ops[m_opDepth++] = entry;
}

bool tfunktion::op_pop(OpEntry& entry)
{
    if (m_opDepth == 0) {
        m_ok = false;
        return false;
    }
    entry = m_ops[--m_opDepth];
    return true;
}

// --- reading tokens -----------------------------------------------------------

bool tfunktion::lese_operator(std::string_view text, std::size_t& pos, OpEntry& op)
{
    op = OpEntry{};
    switch (text[pos]) {
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
    if (op.opcode != opNone) {
        ++pos;
        return true;
    }

    // Every name begins with a letter A to Z: nothing else can start one.
    const std::string_view rest = text.substr(pos);
    if (rest.front() < 'A' || rest.front() > 'Z')
        return false;
    for (const BuiltIn& b : kBuiltIns) {
        if (rest.front() == b.name.front() && rest.starts_with(b.name)) {
            op.opcode = b.opcode;
            pos += b.name.size() - 1;
            return true;
        }
    }

    std::size_t length = 0;
    if (suche_fkt(rest, length, op)) {
        pos += length;
        return true;
    }
    return false;
}

bool tfunktion::suche_fkt(std::string_view rest, std::size_t& length, OpEntry& op)
{
    // The longest name followed directly by "(", the earlier one on a tie.
    Tfktzelle* best = nullptr;
    for (int i = 0; i < m_owner->count(); ++i) {
        Tfktzelle* e = m_owner->entry(i);
        const std::string& name = e->fktname;
        if (name.empty() || rest.size() <= name.size() || rest.front() != name.front()
            || !rest.starts_with(name) || rest[name.size()] != '(')
            continue;
        if (!best || name.size() > best->fktname.size())
            best = e;
    }
    if (!best || best->parameter.empty())
        return false;
    op.opcode = opCall;
    op.ref = best->m_ref;
    length = best->fktname.size();
    return true;
}

bool tfunktion::lese_zahl(std::string_view text, std::size_t& pos, long double& value)
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
    if (!mantissaDigit)
        return false;
    long double v = 0;
    int code = 0;
    strzuzahl(text.substr(pos, i - pos), v, code);
    if (code != 0)
        return false;
    value = v;
    pos = i;
    return true;
}

bool tfunktion::lese_variable(std::string_view text, std::size_t& pos, Token& token)
{
    const std::string_view rest = text.substr(pos);
    token = Token{};
    token.kind = 3;
    // The parameter comes first and so hides every longer name beginning with it.
    if (!m_variable.empty() && rest.starts_with(m_variable)) {
        token.marker = 'x';
        token.opcode = opVariable;
        pos += m_variable.size();
        return true;
    }
    std::size_t length = 0;
    if (suche_konstante(rest, length, token)) {
        pos += length;
        return true;
    }
    return false;
}

bool tfunktion::suche_konstante(std::string_view rest, std::size_t& length, Token& token)
{
    Tfktzelle* best = nullptr;
    for (int i = 0; i < m_owner->count(); ++i) {
        Tfktzelle* e = m_owner->entry(i);
        const std::string& name = e->fktname;
        if (name.empty() || rest.front() != name.front() || !rest.starts_with(name))
            continue;
        if (!best || name.size() > best->fktname.size())
            best = e;
    }
    if (!best || !best->parameter.empty())
        return false;
    token.marker = '0';
    token.opcode = opConstant;
    token.ref = best->m_ref;
    length = best->fktname.size();
    return true;
}

// --- compiling ------------------------------------------------------------------

bool tfunktion::uebersetze(std::string_view ausdruck, std::string_view variable,
                           std::string_view definitionsname)
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

    m_bereit = false;
    m_variable = variable;
    m_tokenCount = 0;
    m_opDepth = 0;
    m_ok = true;
    op_push(OpEntry{opOpen, {}});
    bool expectOperand = true;

    std::size_t pos = 0;
    while (pos < text.size() && m_ok) {
        OpEntry op;
        Token token{};
        long double value = 0;
        if (lese_operator(text, pos, op)) {
            if (op.opcode == opOpen) {
                op_push(op);
                expectOperand = true;
            } else if (op.opcode == opClose) {
                OpEntry top;
                while (op_pop(top) && top.opcode != opOpen) {
                    Token t{};
                    t.kind = 2;
                    t.opcode = top.opcode;
                    t.ref = top.ref;
                    token_anhaengen(t);
                }
            } else {
                if (expectOperand && op.opcode == opMinus)
                    op.opcode = opNegate;
                OpEntry top;
                while (op_pop(top)) {
                    if (kPrecedence[op.opcode] <= kPrecedence[top.opcode]) {
                        Token t{};
                        t.kind = 2;
                        t.opcode = top.opcode;
                        t.ref = top.ref;
                        token_anhaengen(t);
                    } else {
                        op_push(top);
                        break;
                    }
                }
                op_push(op);
                expectOperand = false;
            }
        } else if (lese_zahl(text, pos, value)) {
            token.kind = 1;
            token.opcode = opNumber;
            token.value = value;
            token_anhaengen(token);
            expectOperand = false;
        } else if (lese_variable(text, pos, token)) {
            token_anhaengen(token);
            expectOperand = false;
        } else {
            m_ok = false;
        }
    }
    m_variable = {};
    if (m_opDepth != 0)
        m_ok = false;
    if (!m_ok)
        return false;
    m_bereit = pruefe(definitionsname);
    return m_bereit;
}

bool tfunktion::pruefe(std::string_view definitionsname)
{
    // Runs the queue on the value stack with stand-in values, so that an
    // expression that passes can never under- or overrun the stack later.
    m_readIndex = 0;
    m_valueDepth = 0;
    m_ok = true;
    long double a = 0;
    long double b = 0;
    Token t{};
    while (m_ok && m_readIndex < m_tokenCount && token_lesen(t)) {
        switch (t.kind) {
        case 1:
            wert_push(t.value);
            break;
        case 3:
            if (t.marker == '0') {
                const Tfktzelle* e = m_owner->resolve(t.ref);
                if (!e) {
                    m_ok = false;
                    break;
                }
                if (e->fktname == definitionsname) {
                    kolvar::engineNotify(kRecursion);
                    m_ok = false;
                    break;
                }
            }
            wert_push(1.0L);
            break;
        case 2:
            switch (t.opcode) {
            case opPlus:
            case opMinus:
            case opDivide:
            case opTimes:
            case opPower:
                if (wert_pop(b) && wert_pop(a))
                    wert_push(1.0L);
                break;
            case opCall: {
                const Tfktzelle* e = m_owner->resolve(t.ref);
                if (!e) {
                    m_ok = false;
                    break;
                }
                if (e->fktname == definitionsname) {
                    kolvar::engineNotify(kRecursion);
                    m_ok = false;
                    break;
                }
                if (wert_pop(a))
                    wert_push(1.0L);
                break;
            }
            case opNone:
            case opOpen:
            case opClose:
                break;
            default: // unary minus and the built-in functions
                if (wert_pop(a))
                    wert_push(1.0L);
                break;
            }
            break;
        default:
            m_ok = false;
            break;
        }
    }
    wert_pop(a);
    return m_ok && m_valueDepth == 0 && m_readIndex == m_tokenCount;
}

// --- evaluating -------------------------------------------------------------------

bool tfunktion::berechne(long double x, long double& y)
{
    EvalState& state = evalState();
    // Coming back here means a cycle of definitions; it would also reuse the
    // stacks that are still in use.
    if (!m_bereit || m_busy || state.depth >= kMaxNesting) {
        y = 0;
        return false;
    }
    if (state.depth == 0)
        state.work = 0;
    if (!chargeWork(m_tokenCount + 1u)) {
        y = 0;
        return false;
    }
    m_busy = true;
    ++state.depth;
    const bool ok = rechne(x, y);
    --state.depth;
    m_busy = false;
    return ok;
}

bool tfunktion::rechne(long double x, long double& y)
{
    m_fehlertext = "";
    // pruefe has run this queue on the same stack, so the pushes and pops
    // below stay within it without further checks.
    long double* const stack = m_werte;
    int sp = 0;
    bool ok = true;
    for (const Token* t = m_tokens, *end = m_tokens + m_tokenCount; t != end; ++t) {
        long double r = 0;
        switch (t->opcode) {
        case opNumber:
            stack[sp++] = t->value;
            continue;
        case opVariable:
            r = x;
            break;
        case opConstant: {
            // A definition that is gone, or that has become a function, has
            // no value to give here.
            Tfktzelle* e = m_owner->resolve(t->ref);
            long double v = 0;
            ok = e && e->parameter.empty() && e->funktion->berechne(0, v);
            r = v;
            break;
        }
        case opNone:
        case opOpen:
        case opClose:
            continue;
        case opPlus:
            r = stack[sp - 2] + stack[sp - 1];
            sp -= 2;
            break;
        case opMinus:
            r = stack[sp - 2] - stack[sp - 1];
            sp -= 2;
            break;
        case opTimes:
            r = stack[sp - 2] * stack[sp - 1];
            sp -= 2;
            break;
        case opDivide:
            if (stack[sp - 1] == 0)
                ok = false;
            else
                r = stack[sp - 2] / stack[sp - 1];
            sp -= 2;
            break;
        case opPower: {
            long double p = 0;
            ok = potenz(stack[sp - 2], stack[sp - 1], p);
            r = p;
            sp -= 2;
            break;
        }
        case opNegate:
            r = -stack[--sp];
            break;
        case opLn:
        case opLg: {
            const long double a = stack[--sp];
            if (a <= 0) {
                fehler(kLnArgument);
                ok = false;
            } else {
                r = t->opcode == opLn ? std::log(a) : std::log(a) / std::log(10.0L);
            }
            break;
        }
        case opSqr: {
            const long double a = stack[--sp];
            r = a * a;
            break;
        }
        case opSqrt: {
            const long double a = stack[--sp];
            if (a < 0) {
                fehler(kRadicand);
                ok = false;
            } else {
                r = std::sqrt(a);
            }
            break;
        }
        case opCos:
            r = std::cos(stack[--sp]);
            break;
        case opSin:
            r = std::sin(stack[--sp]);
            break;
        case opTan: {
            const long double a = stack[--sp];
            const long double c = std::cos(a);
            if (c == 0) {
                fehler(kTanUndefined);
                ok = false;
            } else {
                r = std::sin(a) / c;
            }
            break;
        }
        case opCot: {
            const long double a = stack[--sp];
            const long double si = std::sin(a);
            if (si == 0) {
                fehler(kTanUndefined);
                ok = false;
            } else {
                r = std::cos(a) / si;
            }
            break;
        }
        case opExp:
            r = std::exp(stack[--sp]);
            break;
        case opAbs:
            r = std::fabs(stack[--sp]);
            break;
        case opSgn:
            r = vorzeichen(stack[--sp]);
            break;
        case opRad:
            r = stack[--sp] * kDegToRad;
            break;
        case opGrad:
            r = stack[--sp] * kRadToDeg;
            break;
        case opFak: {
            long double f = 0;
            ok = fakultaet(stack[--sp], f);
            r = f;
            break;
        }
        case opArcsin:
        case opArccos: {
            const long double a = stack[--sp];
            const long double sq = a * a;
            long double arcsin = 0;
            if (sq == 1) {
                arcsin = std::copysign(kHalfPi, a);
            } else if (sq < 1) {
                arcsin = std::atan(a / std::sqrt(1 - sq));
            } else {
                fehler(t->opcode == opArcsin ? kArcsinArgument : kArccosArgument);
                ok = false;
                break;
            }
            r = t->opcode == opArcsin ? arcsin : kHalfPi - arcsin;
            break;
        }
        case opArctan:
            r = std::atan(stack[--sp]);
            break;
        case opArccot:
            r = kHalfPi - std::atan(stack[--sp]);
            break;
        case opCall: {
            Tfktzelle* e = m_owner->resolve(t->ref);
            long double v = 0;
            ok = e && e->funktion->berechne(stack[--sp], v);
            r = v;
            break;
        }
        default:
            ok = false;
            break;
        }
        // An overflow of the extended range or an invalid operation ends the
        // evaluation as a failure, whichever token caused it.
        if (!ok || !std::isfinite(r)) {
            ok = false;
            break;
        }
        stack[sp++] = r;
    }
    m_ok = ok;
    m_readIndex = m_tokenCount;
    m_valueDepth = 0;
    if (!ok || sp == 0) {
        y = 0;
        return false;
    }
    y = stack[sp - 1];
    return true;
}

bool tfunktion::potenz(long double a, long double b, long double& result)
{
    if (b == 0) {
        result = 1;
        return true;
    }
    if (b == std::trunc(b)) {
        const long double n = std::fabs(b);
        long double r = a;
        if (n <= kMaxMultipliedExponent) {
            const auto count = static_cast<std::uint32_t>(n);
            if (!chargeWork(count / kMultiplicationsPerUnit))
                return false;
            for (std::uint32_t k = 1; k < count; ++k)
                r *= a;
        } else {
            r = std::pow(std::fabs(a), n);
            if (a < 0 && std::fmod(n, 2.0L) != 0)
                r = -r;
        }
        if (!std::isfinite(r))
            return false;
        if (b < 0) {
            if (r == 0)
                return false;
            r = 1 / r;
        }
        result = r;
        return true;
    }
    if (a <= 0)
        return false;
    result = std::exp(b * std::log(a));
    return true;
}

bool tfunktion::fakultaet(long double a, long double& result)
{
    if (a != std::trunc(a) || a < 0) {
        fehler(kNotNatural);
        return false;
    }
    if (a > kMaxFactorial)
        return false;
    const auto n = static_cast<std::uint32_t>(a);
    if (!chargeWork(n / kMultiplicationsPerUnit))
        return false;
    long double r = 1;
    for (std::uint32_t k = 2; k <= n; ++k)
        r *= k;
    result = r;
    return true;
}
