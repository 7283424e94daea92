// The calculation window's files (".ref" and plain text) and its remaining
// commands: new window, print, clipboard, font, number format, project
// formulas, HTML output, help.
#include "tools/teditform.h"

#include "controls/formcontrols.h"
#include "controls/tsaveloadlist.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/dateizeigen.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>

namespace {

const QString kKopf = QStringLiteral("Rechnenfenster");
const QString kNichtLadbar = QStringLiteral("Datei kann nicht geladen werden.");

// Sizes beyond this are no font size a window ever had; they would only ask
// for an impossible font.
constexpr int kMaxSchriftgroesse = 1000;

bool istRef(const QString& name)
{
    return QFileInfo(name).suffix().toUpper() == QStringLiteral("REF");
}

// The system colours by the low byte of their stored value, as the palette
// roles that stand in for them here.
QPalette::ColorRole systemrolle(int index)
{
    switch (index) {
    case 0: return QPalette::Button;           // scroll bar
    case 1: return QPalette::Dark;             // desktop
    case 2: return QPalette::Highlight;        // active caption
    case 3: return QPalette::Mid;              // inactive caption
    case 4: return QPalette::Window;           // menu
    case 5: return QPalette::Base;             // window background
    case 6: return QPalette::Shadow;           // window frame
    case 7: return QPalette::WindowText;       // menu text
    case 8: return QPalette::Text;             // window text
    case 9: return QPalette::HighlightedText;  // caption text
    case 10:
    case 11: return QPalette::Window;          // borders
    case 12: return QPalette::Mid;             // application workspace
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;          // button face
    case 16: return QPalette::Dark;            // button shadow
    case 17: return QPalette::PlaceholderText; // grey text
    case 18: return QPalette::ButtonText;
    case 19: return QPalette::WindowText;      // inactive caption text
    case 20: return QPalette::Light;           // button highlight
    case 21: return QPalette::Shadow;          // dark 3D shadow
    case 22: return QPalette::Midlight;        // 3D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Text;
    }
}

int punktgroesse(const QFont& font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return QFontInfo(font).pointSize();
}

bool ganzzahl(const QString& feld, int& wert)
{
    bool ok = false;
    wert = feld.toInt(&ok, 10);
    if (!ok)
        kolvar::showMessage(QStringLiteral("„%1“ ist kein gültiger ganzzahliger Wert.").arg(feld));
    return ok;
}

} // namespace

namespace kolvar {

QColor schriftfarbe(int farbwert)
{
    if (farbwert < 0)
        return QApplication::palette().color(systemrolle(farbwert & 0xFF));
    return QColor(farbwert & 0xFF, (farbwert >> 8) & 0xFF, (farbwert >> 16) & 0xFF);
}

int farbwert(const QColor& farbe, int bisher)
{
    if (farbe == schriftfarbe(bisher))
        return bisher;
    return farbe.red() | (farbe.green() << 8) | (farbe.blue() << 16);
}

} // namespace kolvar

void TEditForm::setSchrift(const QFont& font, int farbwert)
{
    Memo1->setFont(font);
    m_farbwert = farbwert;
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Text, kolvar::schriftfarbe(farbwert));
    Memo1->setPalette(p);
}

QString TEditForm::modusundschrift() const
{
    const QFont f = Memo1->font();
    auto schalter = [](bool an) { return an ? QStringLiteral("1#") : QStringLiteral("0#"); };
    return (direktmodus ? QStringLiteral("0#") : QStringLiteral("1#")) + f.family() + QLatin1Char('#')
        + schalter(f.bold()) + schalter(f.italic()) + schalter(f.underline()) + schalter(f.strikeOut())
        + QString::number(m_farbwert) + QLatin1Char('#') + QString::number(punktgroesse(f)) + QLatin1Char('#');
}

// --- files -------------------------------------------------------------------

bool TEditForm::dateioeffnen(const QString& name)
{
    return istRef(name) ? Openref(name) : Open(name);
}

bool TEditForm::Open(const QString& name)
{
    QStringList inhalt;
    QString fehler;
    if (!kolvar::readTextLines(name, inhalt, &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }
    Memo1->setPlainText(inhalt.join(QLatin1Char('\n')));
    Memo1->moveCursor(QTextCursor::Start);
    dateiname = name;
    titel_setzen();
    Memo1->document()->setModified(false);
    return true;
}

bool TEditForm::Openref(const QString& name)
{
    Tsaveloadlist liste;
    QString fehler;
    if (!kolvar::readTextLines(name, liste, &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }
    // Header, number format, the mode-and-font line, the placement and the
    // memo's block, which ends the file: anything else (another window's
    // file with the same header, a cut-off copy) is not this window's.
    qsizetype ende = -1;
    if (liste.size() >= 6 && liste[4] == QStringLiteral("DATEN_ANFANG"))
        ende = liste.indexOf(QStringLiteral("DATEN_ENDE"), 5);
    bool rest_leer = ende >= 0;
    for (qsizetype i = ende + 1; rest_leer && i < liste.size(); ++i)
        rest_leer = liste[i].isEmpty();
    if (liste.value(0) != kKopf || !rest_leer) {
        kolvar::showMessage(kNichtLadbar);
        return false;
    }

    // Line 3, checked whole before anything is set.
    QString zeile = liste[2];
    QString modus, schriftname, feld;
    Tsaveloadlist::teilestring(zeile, modus);
    Tsaveloadlist::teilestring(zeile, schriftname);
    int stile[4] = {};
    for (int& stil : stile) {
        Tsaveloadlist::teilestring(zeile, feld);
        if (!ganzzahl(feld, stil))
            return false;
    }
    int farbwert = 0, groesse = 0;
    Tsaveloadlist::teilestring(zeile, feld);
    if (!ganzzahl(feld, farbwert))
        return false;
    Tsaveloadlist::teilestring(zeile, feld);
    if (!ganzzahl(feld, groesse))
        return false;
    if (groesse < 1 || groesse > kMaxSchriftgroesse) {
        kolvar::showMessage(QStringLiteral("Die Schriftgröße %1 ist ungültig.").arg(groesse));
        return false;
    }

    // The form-state text checks itself whole and sets nothing on failure.
    int position = 2;
    const kolvar::FormStateResult ergebnis = liste.componentenladen(formControls(), position);
    if (!ergebnis.ok()) {
        kolvar::showMessage(ergebnis.message);
        return false;
    }

    zahlenformat = liste[1];
    if (modus == QStringLiteral("0"))
        DirektModus1Click();
    else
        ProgrammModus1Click();
    QFont schrift = Memo1->font();
    schrift.setFamily(schriftname);
    schrift.setBold(stile[0] == 1);
    schrift.setItalic(stile[1] == 1);
    schrift.setUnderline(stile[2] == 1);
    schrift.setStrikeOut(stile[3] == 1);
    schrift.setPointSize(groesse);
    setSchrift(schrift, farbwert);
    raender_setzen();

    dateiname = name;
    titel_setzen();
    Memo1->document()->setModified(false);
    zeigekolvar_aktualisieren();
    return true;
}

bool TEditForm::Saveref(const QString& name)
{
    Tsaveloadlist liste;
    liste << kKopf << zahlenformat << modusundschrift();
    liste.componentenspeichern(formControls());
    QString fehler;
    if (!kolvar::writeTextLines(name, liste, &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }
    return true;
}

bool TEditForm::speichereText(const QString& name)
{
    QString fehler;
    if (!kolvar::writeTextLines(name, zeilen(), &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }
    return true;
}

bool TEditForm::schreiben(const QString& name)
{
    if (!(istRef(name) ? Saveref(name) : speichereText(name)))
        return false;
    Memo1->document()->setModified(false);
    return true;
}

void TEditForm::Speichern1Click()
{
    if (dateiname.isEmpty())
        Speichernunter1Click();
    else
        schreiben(dateiname);
}

void TEditForm::Speichernunter1Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.caption = QStringLiteral("Speichern unter");
    anfrage.filter = QStringLiteral("Rechnenfenster|*.ref|Kolvarn|*.for|Text|*.txt");
    anfrage.defaultExtension = QStringLiteral("ref");
    anfrage.fileName = dateiname;
    if (!dateiname.isEmpty())
        anfrage.directory = QFileInfo(dateiname).absolutePath();
    const QString name = kolvar::getSaveFileName(this, anfrage);
    if (name.isEmpty())
        return;
    // The window takes the name only once the file holds it.
    if (!schreiben(name))
        return;
    dateiname = name;
    titel_setzen();
}

void TEditForm::projektunbenannt()
{
    dateiname.clear();
    titel_setzen();
}

void TEditForm::ffnen1Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.caption = QStringLiteral("Öffnen");
    anfrage.filter = QStringLiteral("Rechnenfenster|*.ref|Kolvarn|*.for|Textdatei|*.txt");
    anfrage.defaultExtension = QStringLiteral("ref");
    if (!dateiname.isEmpty())
        anfrage.directory = QFileInfo(dateiname).absolutePath();
    const QString name = kolvar::getOpenFileName(this, anfrage);
    if (!name.isEmpty())
        dateioeffnen(name);
}

// --- other commands ----------------------------------------------------------

void TEditForm::Neu1Click()
{
    TEditForm* fenster = neuesFenster(kolvar::Zugehoerigkeit::Erzeuger);
    if (!fenster)
        return;
    if (zahlenform) {
        fenster->zahlenformat = zahlenform->zahlenformat;
        fenster->winkelmodus = zahlenform->winkelmodus;
    }
    fenster->show();
}

void TEditForm::Drucken1Click()
{
    kolvar::printLines(zeilen(), Memo1->font(), true, this);
}

void TEditForm::Beenden1Click()
{
    close();
}

void TEditForm::Ausschneiden1Click()
{
    Memo1->cut();
}

void TEditForm::Kopieren1Click()
{
    Memo1->copy();
}

void TEditForm::Einfgen1Click()
{
    Memo1->paste();
}

void TEditForm::Lschen1Click()
{
    Memo1->textCursor().removeSelectedText();
}

void TEditForm::Allesauswhlen1Click()
{
    Memo1->selectAll();
}

void TEditForm::Schriftwhlen1Click()
{
    QFont schrift = Memo1->font();
    QColor farbe = kolvar::schriftfarbe(m_farbwert);
    if (kolvar::chooseFont(this, schrift, farbe))
        setSchrift(schrift, kolvar::farbwert(farbe, m_farbwert));
    raender_setzen();
}

void TEditForm::Zahlenformat1Click()
{
    if (!zahlenform)
        return;
    zahlenform->zahlenformat = zahlenformat;
    if (kolvar::runDialog(*zahlenform) == QDialog::Accepted) {
        zahlenformat = zahlenform->zahlenformat;
        zeigekolvar_aktualisieren();
    }
}

void TEditForm::Projektkolvarnbearbeiten1Click()
{
    if (dialogkolvar)
        kolvar::runDialog(*dialogkolvar);
    zeigekolvar_aktualisieren();
}

void TEditForm::HTML1Click()
{
    if (!htmldlg)
        return;
    htmldlg->vorbereiten();
    htmldlg->zeilehinzufuegen(kKopf + dateiname);
    QStringList liste;
    for (int i = 0; i < zeigekolvar->count(); ++i)
        liste << zeigekolvar->item(i)->text();
    htmldlg->zeilenhinzufuegen(liste);
    htmldlg->zeilenhinzufuegen(zeilen());
    kolvar::runDialog(*htmldlg);
}

void TEditForm::Inhalt1Click()
{
    dateizeigen(this, verzeichnis + QStringLiteral("hilfe\\index.htm"));
}

void TEditForm::SpeedButton8Click()
{
    hauptfenster_zeigen();
}
