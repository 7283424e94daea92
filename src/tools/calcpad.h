#pragma once
// What the calculation window does with its lines, without the window: the
// direct mode's handling of one line, a program run over the whole text, and
// the entries of the side list. Every function works on the definition list it
// is given (the window passes the shared project-formula list) and formats
// values with the window's number pattern.
#include <QString>
#include <QStringList>

class Tfktbaum;

namespace kolvar {

// A handled line holds at most this many characters as typed; a longer line is
// refused as a whole rather than cut into a different line.
inline constexpr int kMaxRechenzeile = 255;

struct DirectResult {
    enum class Kind {
        Nothing,         // empty line or comment
        Clear,           // "cls": the window empties its text
        ListDefinitions, // "zeige_fkt": lines holds every definition text
        DeletedAll,      // "lösche_alle": the list is empty now
        Value,           // a query: value holds the formatted result
        Defined,         // a definition now stands in the list
        Invalid,         // the engine refused the line (or it was too long)
    };
    Kind kind = Kind::Nothing;
    QString value;
    QStringList lines;
};

// Handles one line as the direct mode does on Enter. Blanks and tabs do not
// count; the three commands are recognised whatever the case of a to z.
DirectResult handleDirectLine(Tfktbaum& liste, const QString& zahlenformat, const QString& zeile);

// Runs every line of a program in order and returns the lines of its output
// window (empty: the run had neither output nor errors, so no window opens).
// An "Ausgabe(x)" line gives ";x=" and the value, or ";x" when x fails;
// any other line must be a definition, else it gives "Fehler:" and the line.
QStringList runProgram(Tfktbaum& liste, const QString& zahlenformat, const QStringList& zeilen);

// The side list: each definition text, followed by "=" and its current value
// when the left-hand side can be evaluated. Never changes the list.
QStringList sideListEntries(Tfktbaum& liste, const QString& zahlenformat);

// The definition text of every entry, in list order.
QStringList definitionLines(const Tfktbaum& liste);

} // namespace kolvar
