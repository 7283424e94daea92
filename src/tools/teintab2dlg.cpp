#include "tools/teintab2dlg.h"

Teintab2dlg* eintab2dlg = nullptr;

Teintab2dlg::Teintab2dlg(QWidget* parent)
    : Eingabedialog(QStringLiteral("eintab2dlg"), QStringLiteral("Neue Tabelle"),
                    {QStringLiteral("Namen der Größe"), QStringLiteral("SYMBOL"), QStringLiteral("EINHEIT"),
                     QStringLiteral("Dateiname für die Tabelle"), QStringLiteral("Variablenname ")},
                    QSize(340, 330), parent)
{
    QLabel** l[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    QLineEdit** e[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    for (int i = 0; i < 5; ++i) {
        *l[i] = labels[i];
        *e[i] = edits[i];
    }
    BitBtn1 = ok;
    BitBtn2 = abbrechen;
}
