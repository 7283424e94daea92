#pragma once
// A window's form-state text: the placement line ("state#width#height#top#left#",
// state 0 normal, 1 minimised, 2 maximised; width and height of the client
// area, top and left of the frame), then the contents of the listed controls
// whose Tag is 0, in list order and without names:
//
//   TlongintEdit, TextendEdit   its text, twice (as itself and as an edit)
//   TSpinEditex, Tspineditin    its text
//   QLineEdit (other)           its text
//   QCheckBox, QRadioButton     "1" checked, "0" not
//   QButtonGroup                index of the checked button in buttons(), -1 none
//   QStackedWidget, QTabWidget  index of the current page (-1 only while it has none)
//   QPlainTextEdit              DATEN_ANFANG, each line, DATEN_ENDE
//   QComboBox                   DATEN_ANFANG, its text, each item, DATEN_ENDE
//   QListWidget                 DATEN_ANFANG, each item, DATEN_ENDE
//   QTableWidget, FormGrid      DATEN_ANFANG, each row's cells joined by tabs, DATEN_ENDE
//                               (at most kMaxGridRows rows of kMaxGridColumns cells)
//
// Inside a block a line that reads DATEN_ENDE after any number of "\" gets
// one "\" more when written and loses one when read, so no content can end
// its block early and texts written before the rule still read.
//
// The caller adds its own header lines, appends the form-state text with
// componentenspeichern and writes the list to a file; or reads a file into
// the list and calls componentenladen. Reading checks the whole text against
// the window before it sets anything: a text that is short, malformed or
// written by another window leaves the window exactly as it was.
#include "controls/formcontrols.h"
#include "controls/formgrid.h"

#include <QStringList>

namespace kolvar {

// Why a form-state text was not read. line is the index in the list of the
// line at fault (the list's size when a line is missing); message is a German
// sentence for the caller's message box, naming the line counted from 1.
struct FormStateResult {
    enum class Problem { None, MissingLine, NotAnInteger, OutOfRange, TooLong, UnendedBlock };
    Problem problem = Problem::None;
    qsizetype line = -1;
    QString message;

    bool ok() const { return problem == Problem::None; }
};

// A window state as the program's files store it: 0 normal, 1 minimised,
// 2 maximised (full screen counts as maximised; any other number as normal).
int zustandsnummer(Qt::WindowStates state);
Qt::WindowState fensterzustand(int nummer);

// A window size read from a file, limited to what a desktop can show: each
// side at most the larger of 4096 pixels and the desktop's extent, and not
// below 0, so a damaged file cannot ask for a window of gigabytes.
QSize fenstergroesse(int breite, int hoehe);

} // namespace kolvar

class Tsaveloadlist : public QStringList {
public:
    Tsaveloadlist() = default;
    Tsaveloadlist(const QStringList& lines) : QStringList(lines) {}

    // Appends the window's placement line and its controls' lines.
    void componentenspeichern(const kolvar::FormControls& form);

    // Reads the form-state text that follows line zeile (the caller's last
    // header line; -1 when the text starts the list) into the window. On
    // success zeile becomes the index of the first line after the text; a
    // caller that expects nothing after it compares zeile with size(). On
    // failure nothing is set and zeile is unchanged.
    kolvar::FormStateResult componentenladen(const kolvar::FormControls& form, int& zeile);

    // Moves the text before the first "#" of zeile into feld and removes it
    // from zeile together with the "#". Without a "#", feld takes the whole
    // rest and zeile becomes empty.
    static void teilestring(QString& zeile, QString& feld);
};
