#pragma once
// One compiled expression of the formula language: the right-hand side of a
// definition or the expression of a calculation line. uebersetze turns the
// text into postfix order in a bounded queue; berechne runs it on a bounded
// value stack in extended precision. Both work only in the fixed arrays of the
// object: evaluation allocates nothing.
#include <cstdint>
#include <string_view>

#include "engine/tfktzelle.h"

class Tfktbaum;

// -1 below zero, 0 at zero, 1 above.
int vorzeichen(long double value);

class tfunktion {
public:
    static constexpr int kQueueSize = 100;
    static constexpr int kStackSize = 50;
    // Definitions that use one another nest their evaluations; this keeps the
    // nesting within the machine stack.
    static constexpr int kMaxNesting = 2000;
    // Work allowed for one evaluation, definitions it uses included, counted
    // in postfix tokens (some tens of milliseconds). Definitions that each use
    // the one before several times multiply the work at every level and could
    // otherwise keep the program busy for hours. The bound still leaves room
    // for what users build that way, such as a Fibonacci column of 30 rows in
    // a sheet, and for a chain as deep as the nesting bound.
    static constexpr std::uint64_t kWorkBudget = 10'000'000;

    // Lowers (or restores) the bound for every later evaluation; the fuzz
    // target runs many evaluations per input and needs each one short.
    static void setWorkBudget(std::uint64_t units);

    explicit tfunktion(Tfktbaum* owner);
    tfunktion(const tfunktion&) = delete;
    tfunktion& operator=(const tfunktion&) = delete;

    // Compiles expression with variable as the name of the parameter (empty
    // for none). definitionsname is the name being defined (empty for a
    // calculation); a direct reference to it is refused with a message.
    bool uebersetze(std::string_view ausdruck, std::string_view variable,
                    std::string_view definitionsname);

    // Evaluates for x. On failure y is 0.
    bool berechne(long double x, long double& y);

    // The text of the last domain failure of berechne ("" when there was none).
    const char* fehlertext() const { return m_fehlertext; }

private:
    // No member initialisers: the queue is filled by compiling, and a new
    // object need not clear it first.
    struct Token {
        std::uint8_t kind;      // 1 number, 2 operator or function, 3 operand reference
        char marker;            // kind 3: 'x' the variable, '0' a parameterless definition
        std::uint16_t opcode;   // kind 2: the operator; operands carry their own code
        kolvar::EntryRef ref;   // opcode 27 and marker '0': the entry used
        long double value;      // kind 1
    };
    struct OpEntry {
        std::uint16_t opcode;
        kolvar::EntryRef ref;
    };

    void token_anhaengen(const Token& token);
    bool token_lesen(Token& token);
    void wert_push(long double value);
    bool wert_pop(long double& value);
    void op_push(const OpEntry& entry);
    bool op_pop(OpEntry& entry);

    bool lese_operator(std::string_view text, std::size_t& pos, OpEntry& op);
    bool lese_zahl(std::string_view text, std::size_t& pos, long double& value);
    bool lese_variable(std::string_view text, std::size_t& pos, Token& token);
    bool suche_fkt(std::string_view rest, std::size_t& length, OpEntry& op);
    bool suche_konstante(std::string_view rest, std::size_t& length, Token& token);

    bool pruefe(std::string_view definitionsname);
    bool rechne(long double x, long double& y);
    bool potenz(long double a, long double b, long double& result);
    bool fakultaet(long double a, long double& result);

    // The engine's error-report hook: keeps the text, shows nothing.
    void fehler(const char* text) { m_fehlertext = text; }

    Tfktbaum* m_owner;
    std::string_view m_variable; // valid only while compiling
    Token m_tokens[kQueueSize];
    OpEntry m_ops[kStackSize];
    long double m_werte[kStackSize];
    std::uint16_t m_tokenCount = 0;
    std::uint16_t m_readIndex = 0;
    std::uint16_t m_opDepth = 0;
    std::uint16_t m_valueDepth = 0;
    bool m_ok = false;
    bool m_bereit = false; // compiled and checked: only such a queue may be run
    bool m_busy = false; // being evaluated: a cycle of definitions has come back here
    const char* m_fehlertext = "";
};
