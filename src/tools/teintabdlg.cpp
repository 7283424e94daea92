#include "tools/teintabdlg.h"

Teintabdlg* eintabdlg = nullptr;

Teintabdlg::Teintabdlg(QWidget* parent)
    : Eingabedialog(QStringLiteral("eintabdlg"), QStringLiteral("Neue Umrechnungstabelle"),
                    {QStringLiteral("Namen der Größe"), QStringLiteral("Dateiname für die Tabelle"),
                     QStringLiteral("Variablenname ")},
                    QSize(320, 210), parent)
{
    Label1 = labels[0];
    Edit1 = edits[0];
    Label2 = labels[1];
    Edit2 = edits[1];
    Label3 = labels[2];
    Edit3 = edits[2];
    BitBtn1 = ok;
    BitBtn2 = abbrechen;
}
