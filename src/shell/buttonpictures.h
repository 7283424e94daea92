#pragma once
// The pictures on the main window's buttons. They are drawn as vector shapes
// in code, so they stay sharp at any size and screen scaling; an icon holds
// the picture rendered at 1x and 2x, and Qt derives the greyed form of a
// disabled button from it.
#include <QIcon>

class QPainter;
class QRectF;

namespace kolvar {

enum class ButtonPicture {
    // small buttons of the tool bar
    Oeffnen,
    Speichern,
    SpeichernUnter,
    Hilfe,
    Zahlenformat,
    Beenden,
    Ausgabeindex,
    Vorlagen,
    VerdeckteFenster,
    // large buttons of the tool bar
    Kolvarsammlung,
    Tabellenwerte,
    Projektkolvarn,
    Rechnen,
    Umrechnungen,
    Kolvardatenbank,
    // button row of the template page
    AlleAufklappen,
    AlleZuklappen,
    Demo,
    Vorherige,
    Naechste,
    VorlageOeffnen,
    // the window manager's buttons
    Aktualisieren,
    FensterNormal,
    FensterMaximieren,
    FensterMinimieren,
    Hauptmenue,
};

// Draws the picture into rect (any size; the drawing is square and centred).
void paintButtonPicture(QPainter& painter, ButtonPicture picture, const QRectF& rect);

// An icon of the picture at edge x edge logical pixels, rendered for 1x and 2x.
QIcon buttonIcon(ButtonPicture picture, int edge);

} // namespace kolvar
