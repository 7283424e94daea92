// The formula window's calculation and its worked example: the typed values
// go through the project-formula list, the result comes back in the picked
// unit and the window's format, and the example page shows the formula with
// the values put in. The lines themselves are built by Formelrechnung and the
// example texts by baueBeispielseite; this file only connects them to the
// window's controls and records.
#include "collection/texcausdlg.h"

#include "collection/beispielseite.h"
#include "collection/formelrechnung.h"
#include "collection/tabellenexport.h"
#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "platform/seams.h"
#include "shell/tabellenblatt.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"
#include "shell/windowfactory.h"

#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {


} // namespace

kolvar::Protokollfenster* Texcausdlg::neuesProtokollfenster()
{
    if (!MainForm)
        return nullptr;
    kolvar::Fenstervorgaben vorgaben;
    vorgaben.zahlenformat = zahlenformat;
    kolvar::Protokollfenster* fenster = MainForm->protokollfenster_erzeugen(vorgaben);
    if (!fenster)
        return nullptr;
    // The transcript is read line by line as the engine took it, so the
    // window must not be in program mode.
    fenster->direktmodus_setzen();
    fenster->fenster()->show();
    return fenster;
}

void Texcausdlg::Rechne1Click()
{
    // The commands are off without a calculation line; a stray click on a
    // window showing a list must not calculate the formula shown before.
    if (!rechenbar() || !projektliste)
        return;

    // The transcript window opens with the first line the engine took, so a
    // run that stops before it sends anything leaves no empty window, and one
    // that stops later keeps the steps it took.
    kolvar::Protokollfenster* ziel = nullptr;
    QPointer<QWidget> zielfenster;
    bool geoeffnet = false;
    kolvar::KeinProtokoll ohne;
    kolvar::Zeilenprotokoll mit([&](const QString& zeile) {
        if (!geoeffnet) {
            geoeffnet = true;
            ziel = neuesProtokollfenster();
            if (ziel)
                zielfenster = ziel->fenster();
        }
        if (zielfenster)
            ziel->zeile_anhaengen(zeile);
    });
    kolvar::Rechenprotokoll& protokoll =
        protokollieren ? static_cast<kolvar::Rechenprotokoll&>(mit) : static_cast<kolvar::Rechenprotokoll&>(ohne);
    berechnen(protokoll);
}

bool Texcausdlg::berechnen(kolvar::Rechenprotokoll& protokoll)
{
    extendEdit1->clear();
    groessen[1].Wert.clear();
    std::vector<kolvar::Rechengroesse> satz;
    for (int k = 1; k <= Anzahl; ++k) {
        // Taken whole: the edits hold no more than a value may have, and a
        // longer text is refused by the calculation instead of being cut.
        if (k >= 2)
            groessen[size_t(k)].Wert = extendEdits[size_t(k)]->text();
        satz.push_back(kolvar::rechengroesse(groessen[size_t(k)]));
    }

    kolvar::Formelrechnung rechnen(*projektliste);
    const kolvar::Rechenergebnis e = rechnen.rechne(rechnung, satz, zahlenformat, protokoll);
    if (!e.berechnet()) {
        kolvar::showMessage(e.meldung());
        return false;
    }
    // The result edit takes no typing limit: the formatted result is kept
    // whole, here and in the record.
    extendEdit1->setText(e.text);
    extendEdit1->setCursorPosition(0);
    groessen[1].Wert = e.text;
    zeigebeispiel();
    return true;
}

void Texcausdlg::Rechnenfenster1Click()
{
    protokollieren = true;
    Rechne1Click();
    protokollieren = false;
}

void Texcausdlg::abellenkalkulation1Click()
{
    if (!rechenbar() || !projektliste || !MainForm)
        return;
    kolvar::Fenstervorgaben vorgaben;
    vorgaben.zahlenformat = zahlenformat;
    kolvar::Tabellenblatt* blatt = MainForm->tabellenblatt_erzeugen(vorgaben);
    if (!blatt)
        return;
    const QPointer<QWidget> fenster = blatt->fenster();
    protokollieren = true;
    blatt->setZahlenformat(zahlenformat);
    fenster->show();
    blatt->setSpaltenbreite(1, 220);
    blatt->setSpaltenbreite(3, 220);
    // The sheet is written as the steps succeed; a run that stops leaves it
    // as far as it got, not recalculated.
    kolvar::Tabellenprotokoll protokoll(*blatt, Anzahl);
    if (berechnen(protokoll) && fenster)
        blatt->alle_berechnen();
    protokollieren = false;
}

void Texcausdlg::extendEdit1Click()
{
    Rechne1Click();
}

void Texcausdlg::zeigebeispiel()
{
    std::vector<kolvar::Beispielgroesse> satz;
    for (int k = 1; k <= Anzahl; ++k)
        satz.push_back(kolvar::beispielgroesse(groessen[size_t(k)], extendEdits[size_t(k)]->text()));
    const kolvar::Beispielseite seite =
        kolvar::baueBeispielseite(txtshape31->text(), rechnung, extendEdit1->text(), satz);

    if (seite.ok) {
        PageControl1->setTabVisible(2, true);
        schalten(seite3btn, true);
        schalten(SeiteBeispiel1, true);
    }
    txtshape30->setText(seite.formel);
    // Without a result the page shows its one sentence and nothing else.
    Label5->setVisible(seite.ok);
    Label6->setVisible(seite.ok);
    for (int i = 0; i < maxGroessen; ++i) {
        Ttxtshape* zeile = beispielzeilen[size_t(i)];
        const bool gezeigt = i < seite.zeilen.size();
        if (gezeigt)
            zeile->setText(seite.zeilen[i]);
        zeile->setVisible(gezeigt);
    }

    // The lines stack below each other as high as their formulas are; the
    // labels stand level with the first line they belong to.
    constexpr int abstand = 6;
    txtshape30->senkrechtEinpassen(4);
    int y = txtshape30->geometry().bottom() + 1 + abstand;
    for (int i = 0; i < maxGroessen; ++i) {
        Ttxtshape* zeile = beispielzeilen[size_t(i)];
        if (zeile->isHidden())
            continue;
        zeile->senkrechtEinpassen(4);
        if (i <= 1) {
            QLabel* label = i == 0 ? Label5 : Label6;
            if (i == 1)
                y += abstand;
            label->move(label->x(), y + (zeile->height() - label->sizeHint().height()) / 2);
        }
        zeile->move(zeile->x(), y);
        y += zeile->height() + 4;
    }

    // The page scrolls to whatever its longest line needs.
    QWidget* flaeche = ScrollBox3->widget();
    int rechtsRand = 500, unten = 400;
    for (QWidget* w : flaeche->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(flaeche)) {
            rechtsRand = std::max(rechtsRand, w->geometry().right() + 10);
            unten = std::max(unten, w->geometry().bottom() + 10);
        }
    }
    flaeche->setMinimumSize(rechtsRand, unten);
}
