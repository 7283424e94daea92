#pragma once
// The list of a user's named definitions, and the line protocol through which
// every window hands text lines to the engine. Items keep creation order; each
// holds the definition text at creation and the entry (Tfktzelle). Names are
// unique across variables and functions, stored upper case, and searched
// exactly (case-sensitive).
//
// Limits: a line handed to untersuche has at most 255 characters, a definition
// at most 200, a name or parameter at most 20. Longer texts fail; nothing is
// ever cut into a different text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/namensindex.h"
#include "engine/tfktzelle.h"

class Tfktbaum {
public:
    static constexpr std::size_t kMaxZeile = 255;
    static constexpr std::size_t kMaxDefinition = 200;
    static constexpr std::size_t kMaxName = 20;

    Tfktbaum();
    ~Tfktbaum(); // frees every entry
    Tfktbaum(const Tfktbaum&) = delete;
    Tfktbaum& operator=(const Tfktbaum&) = delete;

    // The line protocol. A definition line ("A=5", "F(X)=X^2+1") defines or
    // replaces and empties the line on success. A calculation line ("A=",
    // "F(2)=", "3+4=") is evaluated: y receives the value and the line its text
    // in the form "#.##e+##". On failure line and y stay as they were.
    bool untersuche(std::string& zeile, long double& y);

    // Defines or replaces one definition given as "NAME=..." or "NAME(P)=...".
    bool definiere(std::string_view s);
    bool fktanalyse(std::string_view zeile);
    // Defines or replaces the variable name (a valid name, upper case) as
    // the finite number wert, as the line "NAME=" with a literal that reads
    // back to wert exactly would, without writing and compiling that line.
    // Such an entry keeps no text: its item and definition are empty. False
    // for a name that is no name or a value that is not finite.
    bool setzeZahl(std::string_view name, long double wert);

    // Index of the entry named exactly name, or -1.
    int sucheeintrag(std::string_view name) const;
    // Frees the named entry and removes its item; false when absent.
    bool loesche_fkt(std::string_view name);
    // Frees every entry and removes every item.
    void alle_loeschen();
    // Room for anzahl entries in all, so that a caller about to define many
    // names does not grow the list's tables on the way.
    void reservieren(std::size_t anzahl);
    // Value of the named entry at x; false when absent or when it fails.
    bool fktberechnen(std::string_view name, long double x, long double& y);

    // Splits a definition line into name, parameter and right-hand side (all
    // upper case, blanks removed). Fails for an empty line or one without "=".
    static bool aufspalten(std::string_view zeile, std::string& name, std::string& parameter,
                           std::string& rechts);
    // As aufspalten, but a line without "=" is a call "NAME" or "NAME(ARG)".
    static bool aufspalten2(std::string_view zeile, std::string& name, std::string& parameter,
                            std::string& rechts);

    // Walks a ";"-separated list in a zero-terminated text: defines the item at
    // pos when it has a right-hand side, then delivers the entry it names and
    // moves pos past the ";" (to nullptr after the last item). A failure
    // leaves pos where it was.
    bool suchezeiger(const char*& pos, Tfktzelle*& eintrag);
    bool suchezeigerstr(std::string_view s, Tfktzelle*& eintrag);

    // While set, the compilation of a definition adds to namen every name
    // whose definition could change its outcome: those it looked up, and the
    // longer ones it would look up in a list that held longer names; nullptr
    // ends it. Lines that wait for other definitions use it to know when to
    // try again.
    void namenMitschreiben(std::vector<std::string>* namen) { m_mitschrift = namen; }

    // The items, in creation order.
    int count() const { return static_cast<int>(m_items.size()); }
    // The definition text the item was created with (a replacement keeps it).
    const std::string& item(int index) const
    {
        const Item& it = m_items.at(static_cast<std::size_t>(index));
        return it.geteilt ? it.entry->definition : it.text;
    }
    Tfktzelle* entry(int index) const { return m_items.at(static_cast<std::size_t>(index)).entry; }
    // Frees the entry at index and removes its item; false for a bad index.
    bool remove(int index);

private:
    friend class Tfktzelle;
    friend class tfunktion;

    // The entry a compiled expression refers to, or nullptr once it was freed.
    Tfktzelle* resolve(kolvar::EntryRef ref) const
    {
        if (ref.slot >= m_slots.size())
            return nullptr;
        const Slot& s = m_slots[ref.slot];
        return s.generation == ref.generation ? s.entry : nullptr;
    }

    // The entry named exactly name, or nullptr; the compiler's name lookup.
    Tfktzelle* findeName(std::string_view name) const { return m_namen.finden(name); }
    // No name in the list is longer than this (in bytes).
    std::size_t laengsterName() const { return m_laengsterName; }

    // While the entry's definition is still the text it was created with,
    // the item shares it instead of holding a second copy (geteilt, text
    // empty); replacing the definition first gives the item its own copy.
    struct Item {
        std::string text;
        Tfktzelle* entry;
        bool geteilt = false;
    };
    // Where compiled expressions find an entry. Besides the entry it holds
    // what the evaluator needs of it, so that a definition that is a plain
    // number is read without evaluating it; the list keeps this current
    // whenever an entry is defined, replaced or freed.
    struct Slot {
        Tfktzelle* entry = nullptr;
        tfunktion* funktion = nullptr;
        std::uint32_t generation = 1;
        bool parameter = false; // a function of one parameter
        bool zahl = false;      // compiled to a single number, wert
        long double wert = 0;
    };
    // Appends entry; the item's text is the entry's definition.
    void anhaengen(Tfktzelle* entry);
    // Gives entry the definition text neu; its item keeps the text it had.
    void definitionErsetzen(Tfktzelle* entry, std::string_view neu);
    void slotAktualisieren(const Tfktzelle* entry);
    void entferne(Tfktzelle* entry);
    void freeAt(std::size_t index);
    void slotFreigeben(Tfktzelle* entry);

    std::vector<Item> m_items;
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_freeSlots;
    // Every entry by its name: compiling finds names in the same time however
    // long the list is.
    kolvar::Namensindex m_namen;
    std::size_t m_laengsterName = 0;
    std::vector<std::string>* m_mitschrift = nullptr;
};
