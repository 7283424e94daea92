#pragma once
// The project file ".pro": the main window's placement and its template
// panel, the default number format, the window manager, the HTML page, the
// project formulas, and every open formula window, calculation window and
// spreadsheet with the file in which that window keeps its own content. A
// restorer is made for one save or one restore and dropped right after.
//
// A save asks every window to save itself first, builds the whole file in
// memory and replaces the old one in one step. A restore reads and checks the
// whole file before it changes anything; it only adds (project formulas and
// windows): emptying the list and closing the windows is the caller's task,
// done between pruefen and laden so that a refused file changes nothing.
#include "platform/inifile.h"

#include <QString>

class TMainForm;

class TWinRestorer {
public:
    // pfad with its extension replaced by ".pro" (or ".pro" added) is the
    // project file; its directory is the project directory.
    explicit TWinRestorer(const QString& pfad);
    ~TWinRestorer();
    TWinRestorer(const TWinRestorer&) = delete;
    TWinRestorer& operator=(const TWinRestorer&) = delete;

    const QString& dateiname() const { return m_datei; }
    // With its trailing "/".
    const QString& projektverzeichnis() const { return m_verzeichnis; }
    // The project directory followed by the file name of pfad (without its
    // directory).
    QString projektpfad(const QString& pfad) const;

    // Writes the project of the main window. False, with "In <file> kann
    // nicht geschrieben werden" shown, when the file cannot be written; the
    // old file is then as it was.
    bool speichern(TMainForm& haupt);

    // Reads the file and checks it: it exists, is a regular file and carries
    // exactly the version "Kolvar80". False, with "Datei nicht gefunden oder
    // fehlerhaft!" shown, otherwise.
    bool pruefen();
    // Restores the file into the main window, which owns every window made
    // here; checks it first unless pruefen has. False when it was refused.
    bool laden(TMainForm& haupt);

    // Where a window file stored in the project is looked for: an absolute
    // name that names a file as it stands; a relative one in the project
    // directory; else the file of that name in the project directory (a
    // project moved with its window files). An empty name gives the project
    // directory itself, which is no file.
    QString fensterdatei(const QString& gespeichert) const;

private:
    QString m_datei;
    QString m_verzeichnis;
    kolvar::IniFile m_ini;
    bool m_geprueft = false;
};

// The restorer in use; nullptr while there is none.
extern TWinRestorer* WinRestorer;
