#pragma once
// One compiled expression of the formula language: the right-hand side of a
// definition or the expression of a calculation line. uebersetze turns the
// text into postfix order within a bounded queue and bounded stacks (100
// tokens, 50 entries); berechne runs it in extended precision. Compiling
// folds the parts without names into their values, so a calculation line
// without names is evaluated once, while it is compiled. Only the compiled
// form is kept, in one block sized to it; evaluation allocates nothing.
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/tfktzelle.h"

class Tfktbaum;

namespace kolvar {
// The state one evaluation from outside shares with the evaluations nested in it.
struct Auswertung;
} // namespace kolvar

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
    // in postfix tokens of the compiled forms (some tens of milliseconds).
    // Definitions that each use the one before several times multiply the
    // work at every level and could otherwise keep the program busy for
    // hours. The bound still leaves room for what users build that way, such
    // as a Fibonacci column of 30 rows in a sheet, and for a chain as deep as
    // the nesting bound.
    static constexpr std::uint64_t kWorkBudget = 10'000'000;

    // Lowers (or restores) the bound for every later evaluation; the fuzz
    // target runs many evaluations per input and needs each one short.
    static void setWorkBudget(std::uint64_t units);

    // Switches the compile-time shortcuts (folding the parts without names,
    // whole literal exponents read once) for every later compilation. They
    // are on in the program; results and failures are the same either way,
    // which a test checks by compiling with and without them.
    static void setFalten(bool an);

    explicit tfunktion(Tfktbaum* owner);
    ~tfunktion();
    tfunktion(const tfunktion&) = delete;
    tfunktion& operator=(const tfunktion&) = delete;

    // Compiles expression with variable as the name of the parameter (empty
    // for none). definitionsname is the name being defined (empty for a
    // calculation); a direct reference to it is refused with a message.
    bool uebersetze(std::string_view ausdruck, std::string_view variable,
                    std::string_view definitionsname);

    // Evaluates for x. On failure y is 0. An expression that folded into one
    // number gives it at once.
    bool berechne(long double x, long double& y)
    {
        if (m_zahl) {
            y = m_wert;
            return true;
        }
        return berechneAllgemein(x, y);
    }

    // The text of the last domain failure of berechne ("" when there was none).
    const char* fehlertext() const { return m_fehlertext; }

    // Compiled to a single number (a plain number, or parts without names
    // that folded into one): its value, the same for every x.
    bool istZahl() const { return m_zahl; }
    long double zahl() const { return m_wert; }

private:
    struct Token;
    struct OpEntry;
    struct Entwurf;
    struct Rahmen;
    struct Lage;

    // Compiling, on a working copy that lives only while uebersetze runs.
    bool entwerfen(Entwurf& e, std::string_view ausdruck, std::string_view variable,
                   std::string_view definitionsname) const;
    static Token* token_anhaengen(Entwurf& e, std::uint16_t opcode);
    static void op_push(Entwurf& e, const OpEntry& entry);
    static bool op_pop(Entwurf& e, OpEntry& entry);
    static long double lese_zahl(std::string_view text, std::size_t& pos, bool& ok);
    bool lese_variable(const Entwurf& e, std::string_view rest, std::size_t lauf, OpEntry& operand,
                       std::size_t& length) const;
    bool suche_fkt(std::string_view name, OpEntry& op) const;
    bool suche_konstante(std::string_view rest, std::size_t lauf, OpEntry& operand,
                         std::size_t& length) const;
    bool pruefe(const Entwurf& e, std::string_view definitionsname) const;
    static void falten(Entwurf& e);
    static void verschmelzen(Entwurf& e, bool fusen);
    void zuruecksetzen();
    // Makes code, which holds the tokens of e, the compiled form.
    void uebernehmen(const Entwurf& e, const Token* code);

    // A calculation line of the line protocol: compiled and evaluated once,
    // from the working copy, without keeping a compiled form.
    friend class Tfktbaum;
    bool berechneZeile(std::string_view ausdruck, long double& y);
    // The compiled form of a single number literal of this value.
    void alsZahl(long double wert);

    // Evaluating.
    bool berechneAllgemein(const long double& x, long double& y);
    bool auswerten(const long double& x, long double& y, kolvar::Auswertung& lauf);
    bool eintreten(kolvar::Auswertung& lauf);
    void austreten(kolvar::Auswertung& lauf);
    bool rechne(const long double& x, long double& y, kolvar::Auswertung& lauf);
    static int schnell(Lage& l);
    static bool langsam(Lage& l);

    Tfktbaum* m_owner;
    std::unique_ptr<Token[]> m_speicher; // holds m_code
    const Token* m_code = nullptr;       // the postfix form
    std::uint16_t m_anzahl = 0;      // tokens in m_code
    std::uint16_t m_tiefe = 0;       // deepest value stack m_code needs
    long double m_wert = 0;          // the value when m_zahl
    bool m_zahl = false;
    bool m_mitVariable = false; // m_code reads the variable
    bool m_bereit = false; // compiled and checked: only such a queue may be run
    bool m_busy = false;   // being evaluated: a cycle of definitions has come back here
    const char* m_fehlertext = "";
};
