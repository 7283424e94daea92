#pragma once
// What the project file asks of a run-time window that keeps its content in
// a file of its own (formula window, calculation window, spreadsheet). The
// windows live in libraries above the shell; each implements this beside its
// window class, and the project file reaches them through it alone.
#include "shell/windowfactory.h"

#include <QString>

namespace kolvar {

class Projektfenster {
public:
    virtual ~Projektfenster() = default;

    // The window kind the project file writes as "Art".
    virtual Fensterart projektart() const = 0;
    // The window's own save command: writes its file, or first asks for a
    // name when it has none (the person may cancel, and the window then
    // still has none).
    virtual void projektspeichern() = 0;
    // The file that holds the window, with its directory; empty when none.
    virtual QString projektdatei() const = 0;
    // Loads a file into the window. False when the file was refused; the
    // window's own message was shown and the window is unchanged.
    virtual bool projektladen(const QString& datei) = 0;
    // A window restored without a project name is an untitled copy: the
    // caption of a new window of its kind and no file name, so its next save
    // asks for one.
    virtual void projektunbenannt() = 0;
};

} // namespace kolvar
