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

#include <QFontMetrics>
#include <QLabel>
#include <QMetaObject>
#include <QPointer>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// The calculation window lives in a library the collection does not see; it
// offers these two operations to other windows by name.
constexpr const char* kZeileHinzufuegen = "zeilehinzufuegen";
constexpr const char* kDirektModus = "DirektModus1Click";

// Makes a display as high as the formula it shows and moves the formula's
// top to the display's top margin, so that fractions and exponents are not
// cut off at either edge.
void hoeheAnpassen(Ttxtshape* s)
{
    constexpr int rand = 4;
    const kolvar::MarkupLayout l = s->layout();
    const int zellenhoehe = QFontMetrics(s->font()).height();
    int oben = std::numeric_limits<int>::max();
    int unten = std::numeric_limits<int>::min();
    for (const kolvar::MarkupTextOp& t : l.texts) {
        oben = std::min(oben, t.pos.y());
        unten = std::max(unten, t.pos.y() + zellenhoehe);
    }
    for (const kolvar::MarkupLineOp& linie : l.lines) {
        for (const QPoint& p : linie.points) {
            oben = std::min(oben, p.y());
            unten = std::max(unten, p.y() + 1);
        }
    }
    for (const kolvar::MarkupEllipseOp& e : l.ellipses) {
        oben = std::min(oben, e.top);
        unten = std::max(unten, e.bottom);
    }
    if (oben > unten)
        return;
    s->setTextposy(s->Textposy() + rand - oben);
    s->resize(s->width(), unten - oben + 2 * rand);
}

} // namespace

QWidget* Texcausdlg::neuesProtokollfenster()
{
    if (!MainForm)
        return nullptr;
    kolvar::Fenstervorgaben vorgaben;
    vorgaben.zahlenformat = zahlenformat;
    QWidget* fenster = MainForm->fenster_erzeugen(kolvar::Fensterart::Rechnenfenster, vorgaben);
    if (!fenster)
        return nullptr;
    // The transcript is read line by line as the engine took it, so the
    // window must not be in program mode.
    QMetaObject::invokeMethod(fenster, kDirektModus, Qt::DirectConnection);
    fenster->show();
    return fenster;
}

void Texcausdlg::Rechne1Click()
{
    // The commands are off without a calculation line; a stray click on a
    // window showing a list must not calculate the formula shown before.
    if (!rechenbar() || !projektliste)
        return;

    // The transcript window is made before any value is looked at, so a run
    // that stops early still leaves the steps it took.
    QPointer<QWidget> protokollfenster;
    if (protokollieren)
        protokollfenster = neuesProtokollfenster();

    kolvar::KeinProtokoll ohne;
    kolvar::Zeilenprotokoll mit([&protokollfenster](const QString& zeile) {
        if (protokollfenster)
            QMetaObject::invokeMethod(protokollfenster.data(), kZeileHinzufuegen, Qt::DirectConnection,
                                      Q_ARG(QString, zeile));
    });
    berechnen(protokollfenster ? static_cast<kolvar::Rechenprotokoll&>(mit)
                               : static_cast<kolvar::Rechenprotokoll&>(ohne));
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
    QPointer<QWidget> fenster = MainForm->fenster_erzeugen(kolvar::Fensterart::Tabellenkalkulation, vorgaben);
    kolvar::Tabellenblatt* blatt = kolvar::alsTabellenblatt(fenster);
    if (!blatt)
        return;
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
    hoeheAnpassen(txtshape30);
    int y = txtshape30->geometry().bottom() + 1 + abstand;
    for (int i = 0; i < maxGroessen; ++i) {
        Ttxtshape* zeile = beispielzeilen[size_t(i)];
        if (zeile->isHidden())
            continue;
        hoeheAnpassen(zeile);
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
