#pragma once
// What the two table windows (value tables and unit conversion) share: a
// master table that lists table files in the data folder, a list of its
// entries that acts on every pick, grids over the tables, and a new table
// made as a file of its own with a master row naming it.
#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QListWidget;
class QPushButton;
class QTableView;
class QWidget;

namespace kolvar {

class DataTable;
class TableGridModel;
class TableNavigator;
struct FieldDef;

// Runs handler once for every pick the person makes in the list: a click
// (also on the entry already chosen), a move with the keys, or a press on
// one entry let go on another. Filling and clearing in code happen with the
// list's signals blocked and run nothing.
void beiAuswahl(QListWidget* list, const std::function<void()>& handler);

// A grid over a table: whole rows selected, one at a time.
QTableView* tabellengitter(QWidget* parent, const QString& name);

// One table of an editing page: a grid bound to the table's model and the
// navigator over the table, whose "Daten aktualisieren" reads the grid anew.
struct Tabellenbereich {
    QTableView* gitter = nullptr;
    TableNavigator* navigator = nullptr;
};
Tabellenbereich tabellenbereich(QWidget* seite, TableGridModel& modell, const QString& gitter,
                                const QString& navigator);
// Lays out an editing page: the master's grid over its navigator and
// buttons, then the table's grid over its navigator and buttons.
void bearbeitungsseite(QWidget* seite, const Tabellenbereich& master, const QList<QPushButton*>& masterKnoepfe,
                       const Tabellenbereich& tabelle, const QList<QPushButton*>& tabellenKnoepfe);

// A name may become a file in the data folder: not empty, and without "/",
// "\", ":" or "..", so it cannot point anywhere else.
bool tabellenname_zulaessig(const QString& name);
// The message for a name that may not become a file.
QString ungueltiger_tabellenname(const QString& name);
// The name with its extension replaced by (or extended with) ".cds".
QString mit_cds(const QString& name);

// Reads the master again from datei: a master whose changes cannot be
// written back stays open as it is, so the person still sees and can save
// what was typed. Returns the message to show, empty when all went well.
// Bound controls follow once, at the end.
QString master_neu_oeffnen(DataTable& master, const QString& datei);

// Makes a new table: the empty table file at pfad with the fields, then a
// master row with the values (field name, value; the first pair is the one
// that names the new file), and the master saved. The
// name's file must not exist yet. Everything the row needs is checked before
// any file is made, and a failure at any step leaves the folder, the master
// file and the master in memory as they were; the message has been shown.
// tabelle is left open on the new file.
bool neue_tabelle_anlegen(DataTable& master, DataTable& tabelle, const QString& pfad,
                          const QList<FieldDef>& felder,
                          const QList<std::pair<QString, QString>>& masterzeile);

} // namespace kolvar
