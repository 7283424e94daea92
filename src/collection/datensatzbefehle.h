#pragma once
// The table editor's commands on the formula table, without the window:
// new, duplicate, copy and paste records, fill one field over several
// records, move records up and down, renumber, the variable names beside a
// formula's quantity numbers, and saving a table. Every command posts a
// pending edit first; every failure is told in a message box and leaves the
// records before it as they were changed.
#include <QString>
#include <QStringList>

#include <functional>

namespace kolvar {
class DataTable;
}

// The table's message about the value it refused for the field at pos,
// naming the field when the message does not already.
QString feldfehler(const kolvar::DataTable& tabelle, int pos);

class Datensatzbefehle {
public:
    // formeln: the formula table, in "myNr" order, numbering its new records
    // through the data module's insert events. groessen: the quantity table
    // in "Nr" order, or nullptr.
    Datensatzbefehle(kolvar::DataTable& formeln, kolvar::DataTable* groessen);

    // A record has at most this many fields; the copy buffer holds as many
    // (more when a table has more, so nothing copied is dropped).
    static constexpr int kPufferfelder = 21;
    static constexpr int kGroessenfelder = 9; // M1 .. M9

    // Shown while the whole table is renumbered (true), hidden after (false).
    std::function<void(bool)> hinweis;

    // A record inserted at the current one, then all renumbered; the cursor
    // stands on the new record.
    bool neuerDatensatz();
    // A copy of the current record (every field but the two numbering
    // fields) inserted at it, then all renumbered.
    bool duplizieren();
    // Every field of the current record, by position, into the buffer.
    void kopieren();
    // A record inserted at the current one with the buffer's fields (all
    // but the two numbering fields), then all renumbered.
    bool einfuegen();
    const QStringList& puffer() const { return m_puffer; }

    // Writes daten into feld of the current record and of anzahl more, down
    // (or up) from it; at the end (or start) of the table the run stops. A
    // value the field refuses ends the run with a message; the records
    // before it stay filled. A negative anzahl does nothing.
    bool ausfuellen(const QString& feld, const QString& daten, int anzahl, bool nachOben);

    // The current record exchanges its number with its neighbour below
    // (above) and stays current. On the last (first) record nothing happens.
    bool verschiebenNachUnten();
    bool verschiebenNachOben();

    // Numbers the records 0, 1, 2 ... in their order ("nr" equals "myNr"
    // afterwards) and goes to the record that now carries the number the
    // current one had.
    bool reorganisieren();

    // The variable of each of the current record's quantities M1 .. M9
    // ("Ergebnis:" before the first), up to the first empty field. A number
    // that is no whole number or that no quantity carries gets an empty
    // text. The quantity table stands on the last quantity found.
    QStringList variablen();

    // Writes the table to datei (atomically); a failure is told in a message
    // and the table stays open with its changes.
    static bool speichern(kolvar::DataTable& tabelle, const QString& datei);

private:
    void abschliessen();
    // Inserts an empty record at the current one, posted.
    bool einfuegenLeer();
    bool ersteFelderSchreiben(const QStringList& texte);

    kolvar::DataTable& m_formeln;
    kolvar::DataTable* m_groessen;
    QStringList m_puffer;
};
