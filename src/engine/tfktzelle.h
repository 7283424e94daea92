#pragma once
// One named definition of a definition list: a variable such as A=5 or a
// function of one parameter such as F(X)=X^2+1, with its compiled right-hand
// side. Other windows read the four fields directly; only the list changes
// them, since it keeps beside them what compiled expressions need of an
// entry (its name in the index, whether it is a plain number).
#include <cstdint>
#include <memory>
#include <string>

class Tfktbaum;
class tfunktion;

namespace kolvar {

// How a compiled expression refers to another entry of its list. An entry that
// has been freed never answers to a reference made before, so nothing reaches
// it afterwards, and checking a reference needs no allocation.
struct EntryRef {
    std::uint32_t slot;
    std::uint32_t generation;
};

} // namespace kolvar

class Tfktzelle {
public:
    std::string definition; // the line as the user gave it (at most 200 characters)
    std::string fktname;    // the defined name, upper case, without blanks (at most 20)
    std::string parameter;  // the parameter name, upper case; empty for a variable (at most 20)
    std::unique_ptr<tfunktion> funktion; // the compiled right-hand side

    Tfktzelle(const Tfktzelle&) = delete;
    Tfktzelle& operator=(const Tfktzelle&) = delete;

    // Frees the compiled expression and the entry. An entry still in its list
    // leaves the list as well (its item is removed): do not also remove its
    // position afterwards. Every definition that used it fails from then on.
    void freigeben();

private:
    // Entries are made and destroyed only by their list (or freigeben), so
    // that the list always knows which entries exist.
    friend class Tfktbaum;
    friend class tfunktion;
    friend struct std::default_delete<Tfktzelle>;
    Tfktzelle();
    ~Tfktzelle();

    Tfktbaum* m_liste = nullptr; // the list holding this entry, or none while being built
    kolvar::EntryRef m_ref{};
    std::size_t m_pos = 0; // its place in the list
};
