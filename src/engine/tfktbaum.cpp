#include "engine/tfktbaum.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "engine/helpers.h"
#include "engine/numberformat.h"
#include "engine/tfunktion.h"

namespace {

// Upper case (a to z only) without blanks and tabs: the form every line is
// split and compiled in.
std::string normalised(std::string_view zeile)
{
    std::string copy;
    copy.reserve(zeile.size());
    for (char c : zeile)
        if (c != ' ' && c != '\t')
            copy.push_back(kolvar::upperAscii(c));
    return copy;
}

// A defined name or parameter must read as a name wherever it is used later:
// a text such as "A*2" or "2" would otherwise capture that text in every
// expression.
bool istName(std::string_view s)
{
    if (s.empty() || s.front() < 'A' || s.front() > 'Z')
        return false;
    if (kolvar::laengerAls(s, Tfktbaum::kMaxName))
        return false;
    return s.find_first_of("+-*/:^(),;=") == std::string_view::npos;
}

// The left side of a definition is the name alone, the name with its
// parameter in one pair of brackets, or the name with an empty pair (a
// variable). The split takes the name before the first "(" and the parameter
// up to the first ")", so "F(X=2", "KAPUTT(=3" and "Q(X)(=1" would otherwise
// split into a valid name and silently replace a definition of that name.
bool linkeSeiteGanz(std::string_view zeile, const std::string& name, const std::string& parameter)
{
    const std::string copy = normalised(zeile);
    const std::string_view links = std::string_view(copy).substr(0, copy.find('='));
    if (links == name)
        return true;
    return links.size() == name.size() + parameter.size() + 2 && links.starts_with(name)
        && links[name.size()] == '(' && links.substr(name.size() + 1, parameter.size()) == parameter
        && links.back() == ')';
}

enum class Zeilenart { Ungueltig, Definition, Rechnung };

// What aufspalten decides about a line, found without building its parts: a
// line that splits is a definition when it begins with a letter and has
// something after its first "=".
Zeilenart zeilenart(std::string_view zeile)
{
    if (zeile.empty() || kolvar::laengerAls(zeile, Tfktbaum::kMaxZeile))
        return Zeilenart::Ungueltig;
    const std::size_t eq = zeile.find('=');
    if (eq == std::string_view::npos)
        return Zeilenart::Ungueltig;
    const std::size_t first = zeile.find_first_not_of(" \t");
    const char c = kolvar::upperAscii(zeile[first]);
    const bool rechts = zeile.find_first_not_of(" \t", eq + 1) != std::string_view::npos;
    return c >= 'A' && c <= 'Z' && rechts ? Zeilenart::Definition : Zeilenart::Rechnung;
}

} // namespace

Tfktbaum::Tfktbaum() = default;

Tfktbaum::~Tfktbaum()
{
    alle_loeschen();
}

// --- items and entries ----------------------------------------------------------

void Tfktbaum::definitionErsetzen(Tfktzelle* entry, std::string_view neu)
{
    if (entry->definition == neu)
        return;
    if (entry->m_pos < m_items.size()) {
        Item& it = m_items[entry->m_pos];
        if (it.entry == entry && it.geteilt) {
            it.text = std::move(entry->definition);
            it.geteilt = false;
        }
    }
    entry->definition.assign(neu);
}

void Tfktbaum::anhaengen(Tfktzelle* entry)
{
    std::uint32_t slot = 0;
    if (!m_freeSlots.empty()) {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
    } else {
        slot = static_cast<std::uint32_t>(m_slots.size());
        m_slots.emplace_back();
    }
    m_slots[slot].entry = entry;
    entry->m_ref = {slot, m_slots[slot].generation};
    entry->m_liste = this;
    entry->m_pos = m_items.size();
    slotAktualisieren(entry);
    m_items.push_back(Item{std::string(), entry, true});
    m_namen.einfuegen(entry);
    if (entry->fktname.size() > m_laengsterName)
        m_laengsterName = entry->fktname.size();
}

void Tfktbaum::slotAktualisieren(const Tfktzelle* entry)
{
    Slot& s = m_slots[entry->m_ref.slot];
    s.funktion = entry->funktion.get();
    s.parameter = !entry->parameter.empty();
    s.zahl = s.funktion && s.funktion->istZahl();
    s.wert = s.zahl ? s.funktion->zahl() : 0;
}

void Tfktbaum::slotFreigeben(Tfktzelle* entry)
{
    Slot& s = m_slots[entry->m_ref.slot];
    s = Slot{nullptr, nullptr, s.generation + 1};
    if (s.generation == 0) // 0 never names a live entry
        s.generation = 1;
    m_freeSlots.push_back(entry->m_ref.slot);
    entry->m_liste = nullptr;
}

void Tfktbaum::freeAt(std::size_t index)
{
    Tfktzelle* e = m_items[index].entry;
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    for (std::size_t i = index; i < m_items.size(); ++i)
        m_items[i].entry->m_pos = i;
    m_namen.entfernen(e);
    slotFreigeben(e);
    delete e;
}

void Tfktbaum::entferne(Tfktzelle* entry)
{
    if (entry->m_pos < m_items.size() && m_items[entry->m_pos].entry == entry)
        freeAt(entry->m_pos);
    else
        delete entry;
}

bool Tfktbaum::remove(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size())
        return false;
    freeAt(static_cast<std::size_t>(index));
    return true;
}

void Tfktbaum::alle_loeschen()
{
    for (Item& item : m_items) {
        slotFreigeben(item.entry);
        delete item.entry;
    }
    m_items.clear();
    m_namen.leeren();
    m_laengsterName = 0;
}

void Tfktbaum::reservieren(std::size_t anzahl)
{
    m_items.reserve(anzahl);
    m_slots.reserve(anzahl);
    m_namen.reservieren(anzahl);
}

int Tfktbaum::sucheeintrag(std::string_view name) const
{
    const Tfktzelle* e = findeName(name);
    return e ? static_cast<int>(e->m_pos) : -1;
}

bool Tfktbaum::loesche_fkt(std::string_view name)
{
    const int index = sucheeintrag(name);
    if (index < 0)
        return false;
    freeAt(static_cast<std::size_t>(index));
    return true;
}

bool Tfktbaum::fktberechnen(std::string_view name, long double x, long double& y)
{
    const int index = sucheeintrag(name);
    if (index < 0)
        return false;
    return entry(index)->funktion->berechne(x, y);
}

// --- splitting lines ------------------------------------------------------------

bool Tfktbaum::aufspalten(std::string_view zeile, std::string& name, std::string& parameter,
                          std::string& rechts)
{
    if (zeile.empty() || kolvar::laengerAls(zeile, kMaxZeile))
        return false;
    const std::string copy = normalised(zeile);
    const std::size_t eq = copy.find('=');
    if (eq == std::string::npos)
        return false;
    const std::size_t open = copy.find('(');
    const std::size_t close = copy.find(')');
    const bool openBeforeEq = open != std::string::npos && open < eq;

    if (openBeforeEq && close != std::string::npos && close < eq && close > open + 1)
        parameter = copy.substr(open + 1, close - open - 1);
    else
        parameter.clear();
    name = copy.substr(0, openBeforeEq ? open : eq);
    // A right-hand side makes the line a definition; a line that does not begin
    // with a name ("3+4=") or ends in "=" ("A=") is a calculation.
    if (eq + 1 < copy.size() && copy.front() >= 'A' && copy.front() <= 'Z')
        rechts = copy.substr(eq + 1);
    else
        rechts.clear();
    return true;
}

bool Tfktbaum::aufspalten2(std::string_view zeile, std::string& name, std::string& parameter,
                           std::string& rechts)
{
    if (zeile.empty() || kolvar::laengerAls(zeile, kMaxZeile))
        return false;
    const std::string copy = normalised(zeile);
    if (copy.find('=') != std::string::npos)
        return aufspalten(copy, name, parameter, rechts);
    const std::size_t open = copy.find('(');
    const std::size_t close = copy.find(')');
    if (open != std::string::npos && close != std::string::npos && close > open + 1) {
        name = copy.substr(0, open);
        parameter = copy.substr(open + 1, close - open - 1);
    } else {
        name = copy;
        parameter.clear();
    }
    rechts.clear();
    return true;
}

// --- defining -----------------------------------------------------------------------

bool Tfktbaum::definiere(std::string_view s)
{
    if (kolvar::laengerAls(s, kMaxDefinition))
        return false;
    return fktanalyse(s);
}

bool Tfktbaum::fktanalyse(std::string_view zeile)
{
    if (kolvar::laengerAls(zeile, kMaxDefinition))
        return false;
    std::string name;
    std::string parameter;
    std::string rechts;
    if (!aufspalten(zeile, name, parameter, rechts))
        return false;
    if (!istName(name) || (!parameter.empty() && !istName(parameter)))
        return false;
    if (!linkeSeiteGanz(zeile, name, parameter))
        return false;

    if (m_mitschrift)
        m_mitschrift->push_back(name);
    const int index = sucheeintrag(name);
    if (index >= 0) {
        // The entry stays, so every definition that uses it sees the new
        // meaning at once; a failed compilation leaves the old one in place.
        auto funktion = std::make_unique<tfunktion>(this);
        if (!funktion->uebersetze(rechts, parameter, name))
            return false;
        Tfktzelle* e = entry(index);
        e->parameter = std::move(parameter);
        e->fktname = std::move(name);
        definitionErsetzen(e, zeile);
        e->funktion = std::move(funktion);
        slotAktualisieren(e);
        return true;
    }

    // Not yet in the list while it is compiled: a new definition that uses its
    // own name finds nothing of that name.
    std::unique_ptr<Tfktzelle> e(new Tfktzelle);
    e->parameter = std::move(parameter);
    e->fktname = std::move(name);
    e->definition = std::string(zeile);
    e->funktion = std::make_unique<tfunktion>(this);
    if (!e->funktion->uebersetze(rechts, e->parameter, e->fktname))
        return false;
    anhaengen(e.release());
    return true;
}

bool Tfktbaum::setzeZahl(std::string_view name, long double wert)
{
    if (!std::isfinite(wert) || !istName(name))
        return false;
    for (char c : name)
        if (c == ' ' || c == '\t' || kolvar::upperAscii(c) != c)
            return false;
    if (m_mitschrift)
        m_mitschrift->emplace_back(name);
    if (Tfktzelle* e = findeName(name)) {
        // Replaced in place, as a definition keeps its entry: every
        // definition using it reads the new value.
        if (!e->funktion)
            e->funktion = std::make_unique<tfunktion>(this);
        e->funktion->alsZahl(wert);
        e->parameter.clear();
        definitionErsetzen(e, {});
        slotAktualisieren(e);
        return true;
    }
    std::unique_ptr<Tfktzelle> e(new Tfktzelle);
    e->fktname = std::string(name);
    e->funktion = std::make_unique<tfunktion>(this);
    e->funktion->alsZahl(wert);
    anhaengen(e.release());
    return true;
}

// --- the line protocol ------------------------------------------------------------

bool Tfktbaum::untersuche(std::string& zeile, long double& y)
{
    const Zeilenart art = zeilenart(zeile);
    if (art == Zeilenart::Ungueltig)
        return false;
    if (art == Zeilenart::Definition) {
        if (!fktanalyse(zeile))
            return false;
        zeile.clear();
        return true;
    }

    // A calculation: the line as given without its closing "=". Blanks are
    // not removed here; the caller has done that.
    const std::string_view ausdruck = std::string_view(zeile).substr(0, zeile.size() - 1);
    tfunktion funktion(this);
    long double value = 0;
    if (!funktion.berechneZeile(ausdruck, value))
        return false;
    y = value;
    // Into the line's own buffer: the caller's capacity stays for its next line.
    zeile.assign(kolvar::formatQueryResult(value));
    return true;
}

// --- walking lists --------------------------------------------------------------

bool Tfktbaum::suchezeiger(const char*& pos, Tfktzelle*& eintrag)
{
    if (!pos)
        return false;
    const char* end = std::strchr(pos, ';');
    const std::string_view item = end ? std::string_view(pos, static_cast<std::size_t>(end - pos))
                                      : std::string_view(pos);
    std::string name;
    std::string parameter;
    std::string rechts;
    if (!aufspalten2(item, name, parameter, rechts))
        return false;
    if (!rechts.empty() && !fktanalyse(item))
        return false;
    const int index = sucheeintrag(name);
    if (index < 0)
        return false;
    eintrag = entry(index);
    pos = end ? end + 1 : nullptr;
    return true;
}

bool Tfktbaum::suchezeigerstr(std::string_view s, Tfktzelle*& eintrag)
{
    if (kolvar::laengerAls(s, kMaxDefinition))
        return false;
    const std::string copy(s);
    const char* pos = copy.c_str();
    return suchezeiger(pos, eintrag);
}
