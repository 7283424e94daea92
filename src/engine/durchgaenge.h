#pragma once
// Defining a set of lines whose order may not suit the language: a definition
// can only refer to names that exist, and a saved list holds its entries in
// the order of their first definition, not of their dependencies (v=w*2 may
// stand before w=3). Lines that fail are therefore tried again, pass after
// pass, as long as a pass defines something new.
#include <cstddef>
#include <string>
#include <vector>

class Tfktbaum;

namespace kolvar {

// Hands each line to liste.definiere in the given order, then the lines that
// failed again, while the previous pass defined at least one line. Returns
// the positions (into zeilen) of the lines that still fail, in ascending
// order. Engine messages are shown in the first pass only, so a line that
// can never be defined is reported once. A failed line is tried again only
// once a name it uses has been defined; the rest would fail as before.
std::vector<std::size_t> definiere_in_durchgaengen(Tfktbaum& liste,
                                                   const std::vector<std::string>& zeilen);

} // namespace kolvar
