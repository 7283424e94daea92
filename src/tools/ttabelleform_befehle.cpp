// The spreadsheet's commands: clipboard, delete, new, show formulas, insert a
// project formula, sums, number format, font, zoom, grid size, the exchange
// with the project formulas, HTML output, printing, help.
#include "tools/ttabelleform.h"

#include "engine/helpers.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/dateizeigen.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"
#include "tools/tabellenmodell.h"
#include "tools/tabellenrechnung.h"
#include "tools/teinffordlg.h"
#include "tools/teditform.h"
#include "tools/texpfordlg.h"
#include "tools/tsummedlg.h"
#include "tools/ttaboptiondlg.h"
#include "controls/tspineditin.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>

#include <algorithm>

QLineEdit* Ttabelleform::textfeld() const
{
    auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return feld && isAncestorOf(feld) ? feld : nullptr;
}

QString Ttabelleform::auswahltext() const
{
    const Rasterbereich b = StringGrid1->Selection();
    QString text;
    for (int zeile = b.Top; zeile <= b.Bottom; ++zeile) {
        for (int spalte = b.Left; spalte <= b.Right; ++spalte) {
            if (spalte > b.Left)
                text += QLatin1Char('\t');
            text += StringGrid1->Cells(spalte, zeile);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void Ttabelleform::Kopieren1Click()
{
    if (QLineEdit* feld = textfeld()) {
        feld->copy();
        return;
    }
    QApplication::clipboard()->setText(auswahltext());
}

void Ttabelleform::Ausschneiden1Click()
{
    if (QLineEdit* feld = textfeld()) {
        feld->cut();
        return;
    }
    QApplication::clipboard()->setText(auswahltext());
    const Rasterbereich b = StringGrid1->Selection();
    m_modell->leeren(b.Left, b.Top, b.Right, b.Bottom);
}

void Ttabelleform::Lschen1Click()
{
    if (QLineEdit* feld = textfeld()) {
        feld->del();
        return;
    }
    const Rasterbereich b = StringGrid1->Selection();
    m_modell->leeren(b.Left, b.Top, b.Right, b.Bottom);
}

void Ttabelleform::Einfgen1Click()
{
    if (QLineEdit* feld = textfeld()) {
        feld->paste();
        return;
    }
    const QMimeData* daten = QApplication::clipboard()->mimeData();
    if (!daten || !daten->hasText())
        return;
    editor_beenden();
    // The whole text: a field is never cut in two.
    const QStringList zeilen = kolvar::splitLines(daten->text());
    if (zeilen.isEmpty())
        return;
    std::vector<QStringList> felder;
    felder.reserve(std::size_t(zeilen.size()));
    qsizetype breiteste = 0;
    for (const QString& zeile : zeilen) {
        felder.push_back(zeile.split(QLatin1Char('\t')));
        breiteste = std::max(breiteste, felder.back().size());
    }

    // The grid grows once to what the text needs, as far as a sheet can.
    const Rasterbereich b = StringGrid1->Selection();
    const qsizetype zeilenNoetig = b.Top + zeilen.size();
    const qsizetype spaltenNoetig = b.Left + breiteste;
    const int neueZeilen = int(std::min<qsizetype>(std::max<qsizetype>(StringGrid1->RowCount(), zeilenNoetig),
                                                   kolvar::Tabellenmodell::kMaxZeilen));
    const int neueSpalten = int(std::min<qsizetype>(std::max<qsizetype>(StringGrid1->ColCount(), spaltenNoetig),
                                                    kolvar::Tabellenmodell::kMaxSpalten));
    if (neueZeilen != StringGrid1->RowCount() || neueSpalten != StringGrid1->ColCount()) {
        StringGrid1->setGroesse(neueZeilen, neueSpalten);
        kopfzeilen_setzen();
    }

    m_modell->beginSammeln();
    for (std::size_t i = 0; i < felder.size() && b.Top + int(i) < StringGrid1->RowCount(); ++i) {
        const int zeile = b.Top + int(i);
        const QStringList& reihe = felder[i];
        for (int j = 0; j < reihe.size() && b.Left + j < StringGrid1->ColCount(); ++j) {
            const int spalte = b.Left + j;
            StringGrid1->setCells(spalte, zeile, reihe[j]);
            if (!reihe[j].isEmpty()) {
                StringGrid2->setCells(spalte, zeile, reihe[j]);
                zelle_berechnen(spalte, zeile);
            }
        }
    }
    m_modell->endSammeln();
    if (zeilenNoetig > neueZeilen || spaltenNoetig > neueSpalten)
        kolvar::showMessage(QStringLiteral("Eine Tabelle hat höchstens %1 Zeilen und %2 Spalten; "
                                           "was darüber hinausreicht, wurde nicht eingefügt.")
                                .arg(kolvar::Tabellenmodell::kMaxZeilen - 1)
                                .arg(kolvar::Tabellenmodell::kMaxSpalten - 1));
}

void Ttabelleform::Inhalteeinfgen1Click()
{
    QApplication::clipboard()->setPixmap(grab());
}

void Ttabelleform::Neu1Click()
{
    editor_beenden();
    m_modell->leeren(1, 1, StringGrid1->ColCount() - 1, StringGrid1->RowCount() - 1);
    kopfzeilen_setzen();
}

void Ttabelleform::Programmstarten1Click()
{
    alle_berechnen();
}

void Ttabelleform::SpeedButton11Click()
{
    alle_berechnen();
}

void Ttabelleform::KolvaranzeigenClick()
{
    editor_beenden();
    m_modell->beginSammeln();
    m_modell->fuerGefuellte([this](int spalte, int zeile) {
        const QString eingabe = StringGrid2->Cells(spalte, zeile);
        if (!kolvar::Tabellenmodell::leer(eingabe))
            StringGrid1->setCells(spalte, zeile, eingabe);
    });
    m_modell->endSammeln();
}

void Ttabelleform::Kolvareinfgen1Click()
{
    if (!einffordlg || kolvar::runDialog(*einffordlg) != QDialog::Accepted)
        return;
    const QString text = einffordlg->Edit1->text();
    editor_beenden();
    const int spalte = StringGrid1->Col();
    const int zeile = StringGrid1->Row();
    StringGrid1->setCells(spalte, zeile, text);
    // The editor opens on the formula just inserted, not on the cell's old
    // input, so that it is what the cell takes when the edit ends.
    m_einzufuegen = text;
    m_einfuegen = true;
    StringGrid1->setFocus();
    StringGrid1->edit(m_modell->index(zeile, spalte));
    m_einfuegen = false;
}

void Ttabelleform::Summe1Click()
{
    editor_beenden();
    summendialog->bereich_anzeigen(StringGrid1->Selection());
    summendialog->ziel_anzeigen(StringGrid1->Col(), StringGrid1->Row() + 1);
    if (kolvar::runDialog(*summendialog) != QDialog::Accepted)
        return;
    const QString ziel = QString::fromStdString(leerzeichenweg(summendialog->Edit1->text().toStdString())).toUpper();
    int spalte = 0, zeile = 0;
    if (!zellbezug(spalte, zeile, ziel.toStdString()) || !m_modell->istDatenzelle(spalte, zeile)) {
        kolvar::showMessage(QStringLiteral("„%1“ ist keine Zelle der Tabelle.").arg(summendialog->Edit1->text()));
        return;
    }
    zelle_setzen(spalte, zeile,
                 QStringLiteral("=Summe(") + summendialog->daten1->text() + QLatin1Char(':')
                     + summendialog->daten3->text() + QLatin1Char(')'));
}

void Ttabelleform::ZahlenClick()
{
    // A dialog of the sheet's own: the shared one keeps the pattern of
    // whatever window used it last.
    Tzahlenform dialog(this);
    dialog.setVerzeichnis(verzeichnis);
    dialog.zahlenformat = zahlenformat;
    if (kolvar::runDialog(dialog) == QDialog::Accepted)
        zahlenformat = dialog.zahlenformat;
}

void Ttabelleform::SetFont()
{
    QFont schrift = StringGrid1->font();
    QColor farbe = kolvar::schriftfarbe(m_farbwert);
    if (kolvar::chooseFont(this, schrift, farbe))
        setSchrift(schrift, kolvar::farbwert(farbe, m_farbwert));
}

void Ttabelleform::zoom(int zaehler, int nenner)
{
    QFont schrift = StringGrid1->font();
    schrift.setPointSize(schrift.pointSize() * zaehler / nenner);
    StringGrid1->setFont(schrift);
    for (int spalte = 0; spalte < StringGrid1->ColCount(); ++spalte)
        StringGrid1->setColWidths(spalte, StringGrid1->ColWidths(spalte) * zaehler / nenner);
    StringGrid1->setRowHeights(0, StringGrid1->RowHeights(0) * zaehler / nenner);
    StringGrid1->setRowHeights(1, StringGrid1->RowHeights(1) * zaehler / nenner);
}

void Ttabelleform::Grer1Click()
{
    if (StringGrid1->font().pointSize() < 30)
        zoom(12, 10);
}

void Ttabelleform::Kleiner1Click()
{
    if (StringGrid1->font().pointSize() > 6)
        zoom(8, 10);
}

void Ttabelleform::Einstellungen1Click()
{
    editor_beenden();
    TTabOptiondlg dialog(this);
    dialog.spineditin1->setValue(StringGrid1->RowCount());
    dialog.spineditin2->setValue(StringGrid1->ColCount());
    if (kolvar::runDialog(dialog) != QDialog::Accepted)
        return;
    StringGrid1->setGroesse(dialog.zeilen(), dialog.spalten());
    kopfzeilen_setzen();
}

void Ttabelleform::Kolvar1Click()
{
    if (!expfordlg)
        return;
    expfordlg->tabellenliste = tabellenliste;
    kolvar::runDialog(*expfordlg);
    // The dialog is shared and outlives this sheet.
    expfordlg->tabellenliste = nullptr;
}

void Ttabelleform::HTML1Click()
{
    if (!htmldlg)
        return;
    htmldlg->vorbereiten();
    htmldlg->zeilehinzufuegen(QStringLiteral("Tabellenkalkulation") + dateiname);
    htmldlg->tabelleeinfuegen(StringGrid1);
    kolvar::runDialog(*htmldlg);
}

void Ttabelleform::Drucken1Click()
{
    kolvar::printWidget(*this, true);
}

void Ttabelleform::Close1Click()
{
    close();
}

void Ttabelleform::Inhalt1Click()
{
    dateizeigen(this, verzeichnis + QStringLiteral("hilfe\\index.htm"));
}

void Ttabelleform::SpeedButton8Click()
{
    hauptfenster_zeigen();
}
