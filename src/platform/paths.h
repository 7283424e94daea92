#pragma once
// File names as the program and its data files write them ("daten\kolvar.cds",
// "Lektion\lekt.out", "DATEN\") turned into real paths on a case-sensitive
// file system.
#include <QString>

namespace kolvar {

// "\" and "/" both separate. Each component that does not exist with the
// exact spelling is matched against the directory's entries with a-z folded;
// a component that matches nothing keeps the given spelling, so a new file
// gets the name it was given. The result uses "/" and keeps a trailing
// separator.
QString resolvePath(const QString& path);

// The directory of the executable with a trailing "/".
QString programDirectory();

// programDir (with its trailing "/") joined with a name relative to it,
// resolved. An absolute name is resolved as it stands.
QString programPath(const QString& programDir, const QString& relative);

// A file name as projects and other files store it: with "/" separators.
QString storedName(const QString& path);

// The name after the last "\" or "/".
QString fileNameOf(const QString& path);

// Everything up to and including the last "\" or "/" (empty when none).
QString directoryOf(const QString& path);

// Equal except for the case of the letters a-z.
bool sameNameFolded(const QString& a, const QString& b);

} // namespace kolvar
