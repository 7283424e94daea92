#pragma once
// The one list of project formulas that every calculator shares. The program
// object owns it (kolvar::Projektformeln) and frees it after every window,
// so no window ever outlives the list it reads; while the owner lives, the
// list is reachable as projektliste.
#include <memory>

class Tfktbaum;

// The list in use; nullptr while there is none.
extern Tfktbaum* projektliste;

namespace kolvar {

// Makes the project-formula list and publishes it as projektliste for its own
// lifetime; the list it replaced is published again at its end. The program
// holds one from start-up to its very end; a test that needs the list holds
// its own.
class Projektformeln {
public:
    Projektformeln();
    ~Projektformeln();
    Projektformeln(const Projektformeln&) = delete;
    Projektformeln& operator=(const Projektformeln&) = delete;

    Tfktbaum& liste() { return *m_liste; }

private:
    std::unique_ptr<Tfktbaum> m_liste;
    Tfktbaum* m_vorher;
};

} // namespace kolvar
