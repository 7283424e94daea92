// The spreadsheet's files: ".tab" (a header of three lines, then the
// window's form-state text with both grids), and plain tab-separated text of
// the whole sheet, of the selection, or read into the grid.
#include "tools/ttabelleform.h"

#include "controls/formcontrols.h"
#include "controls/tsaveloadlist.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "tools/tabellenmodell.h"
#include "tools/teditform.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QLineEdit>

namespace {

const QString kKopf = QStringLiteral("Rechnenfenster");
const QString kNichtLadbar = QStringLiteral("Datei kann nicht geladen werden.");
const QString kBlockAnfang = QStringLiteral("DATEN_ANFANG");
const QString kBlockEnde = QStringLiteral("DATEN_ENDE");
const QString kTabellenfilter = QStringLiteral("Tabelle|*.tab");
const QString kTextfilter = QStringLiteral("Text Files (*.txt) | *.txt | All Files (*.*) | *.*");

// Larger sizes are no font size a sheet ever had; they would only ask for
// an impossible font.
constexpr int kMaxSchriftgroesse = 1000;

int punktgroesse(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

// The font line "name#bold#italic#underline#strikeout#colour#size#rows#columns#".
struct Schriftzeile {
    QString name;
    int stile[4] = {};
    int farbe = 0;
    int groesse = 0;
    int zeilen = 0;
    int spalten = 0;
};

bool liesSchriftzeile(QString zeile, Schriftzeile& s)
{
    QString feld;
    auto zahl = [&](int& wert, int von, int bis) {
        if (!zeile.contains(QLatin1Char('#')))
            return false;
        Tsaveloadlist::teilestring(zeile, feld);
        bool ok = false;
        wert = feld.toInt(&ok, 10);
        return ok && wert >= von && wert <= bis;
    };
    if (!zeile.contains(QLatin1Char('#')))
        return false;
    Tsaveloadlist::teilestring(zeile, s.name);
    for (int& stil : s.stile)
        if (!zahl(stil, INT_MIN, INT_MAX))
            return false;
    return zahl(s.farbe, INT_MIN, INT_MAX) && zahl(s.groesse, 1, kMaxSchriftgroesse)
        && zahl(s.zeilen, kolvar::Tabellenmodell::kMinGroesse, kolvar::Tabellenmodell::kMaxZeilen)
        && zahl(s.spalten, kolvar::Tabellenmodell::kMinGroesse, kolvar::Tabellenmodell::kMaxSpalten)
        && zeile.isEmpty();
}

// A grid block of exactly zeilen lines of spalten cells each, starting at
// anfang; the index after it, or -1.
qsizetype rasterblock(const QStringList& liste, qsizetype anfang, int zeilen, int spalten)
{
    if (liste.value(anfang) != kBlockAnfang)
        return -1;
    for (int i = 1; i <= zeilen; ++i) {
        if (anfang + i >= liste.size() || liste[anfang + i].count(QLatin1Char('\t')) != spalten - 1)
            return -1;
    }
    return liste.value(anfang + zeilen + 1) == kBlockEnde ? anfang + zeilen + 2 : -1;
}

} // namespace

QString Ttabelleform::schriftzeile() const
{
    const QFont f = StringGrid1->font();
    auto schalter = [](bool an) { return an ? QStringLiteral("1#") : QStringLiteral("0#"); };
    return f.family() + QLatin1Char('#') + schalter(f.bold()) + schalter(f.italic()) + schalter(f.underline())
        + schalter(f.strikeOut()) + QString::number(m_farbwert) + QLatin1Char('#')
        + QString::number(punktgroesse(f)) + QLatin1Char('#') + QString::number(StringGrid1->RowCount())
        + QLatin1Char('#') + QString::number(StringGrid1->ColCount()) + QLatin1Char('#');
}

void Ttabelleform::setSchrift(const QFont& font, int farbwert)
{
    StringGrid1->setFont(font);
    m_farbwert = farbwert;
    QPalette p = StringGrid1->palette();
    p.setColor(QPalette::Text, kolvar::schriftfarbe(farbwert));
    StringGrid1->setPalette(p);
}

// --- ".tab" ---------------------------------------------------------------------------

bool Ttabelleform::tabelle_speichern(const QString& name)
{
    // The file keeps every cell's input in both grids.
    editor_beenden();
    KolvaranzeigenClick();
    Tsaveloadlist liste;
    liste << kKopf << zahlenformat << schriftzeile();
    liste.componentenspeichern(formControls());
    QString fehler;
    const bool geschrieben = kolvar::writeTextLines(name, liste, &fehler);
    // The values come back whether or not the file was written.
    alle_berechnen();
    if (!geschrieben)
        kolvar::showMessage(QStringLiteral("In %1 kann nicht geschrieben werden").arg(name));
    return geschrieben;
}

bool Ttabelleform::tabelle_laden(const QString& name)
{
    Tsaveloadlist liste;
    QString fehler;
    if (!kolvar::readTextLines(name, liste, &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }

    // The whole file is checked before anything is set: the header, the
    // font line with the grid's size, both grid blocks of that size around
    // the formula bar's line, and nothing after them. A calculation
    // window's file has the same first line but another layout.
    Schriftzeile schrift;
    bool passt = liste.size() >= 3 && liste[0] == kKopf && liesSchriftzeile(liste[2], schrift);
    if (passt) {
        const qsizetype nachWerten = rasterblock(liste, 4, schrift.zeilen, schrift.spalten);
        const qsizetype nachFormeln =
            nachWerten < 0 ? -1 : rasterblock(liste, nachWerten + 1, schrift.zeilen, schrift.spalten);
        passt = nachFormeln >= 0;
        for (qsizetype i = nachFormeln; passt && i < liste.size(); ++i)
            passt = liste[i].isEmpty();
    }
    if (passt)
        editor_beenden();
    int zeile = 2;
    if (!passt || !liste.componentenladen(formControls(), zeile).ok()) {
        kolvar::showMessage(kNichtLadbar);
        return false;
    }

    zahlenformat = liste[1];
    QFont f = StringGrid1->font();
    f.setFamily(schrift.name);
    f.setBold(schrift.stile[0] == 1);
    f.setItalic(schrift.stile[1] == 1);
    f.setUnderline(schrift.stile[2] == 1);
    f.setStrikeOut(schrift.stile[3] == 1);
    f.setPointSize(schrift.groesse);
    setSchrift(f, schrift.farbe);

    // What the value grid shows is each cell's input.
    m_modell->fuerGefuellte([this](int spalte, int zeile) {
        const QString text = StringGrid1->Cells(spalte, zeile);
        if (!kolvar::Tabellenmodell::leer(text))
            StringGrid2->setCells(spalte, zeile, text);
    });
    dateiname = name;
    titel_setzen();
    alle_berechnen();
    return true;
}

bool Ttabelleform::Save1Click()
{
    if (dateiname.isEmpty())
        return SaveAs1Click();
    return tabelle_speichern(dateiname);
}

bool Ttabelleform::SaveAs1Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.caption = QStringLiteral("Speichern unter");
    anfrage.filter = kTabellenfilter;
    anfrage.defaultExtension = QStringLiteral("tab");
    anfrage.fileName = dateiname;
    if (!dateiname.isEmpty())
        anfrage.directory = QFileInfo(dateiname).absolutePath();
    const QString name = kolvar::getSaveFileName(this, anfrage);
    // The sheet takes the name only once the file holds it.
    if (name.isEmpty() || !tabelle_speichern(name))
        return false;
    dateiname = name;
    titel_setzen();
    return true;
}

void Ttabelleform::projektunbenannt()
{
    dateiname.clear();
    titel_setzen();
}

void Ttabelleform::ffnen1Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.caption = QStringLiteral("Öffnen");
    anfrage.filter = kTabellenfilter;
    anfrage.defaultExtension = QStringLiteral("tab");
    if (!dateiname.isEmpty())
        anfrage.directory = QFileInfo(dateiname).absolutePath();
    const QString name = kolvar::getOpenFileName(this, anfrage);
    if (!name.isEmpty())
        tabelle_laden(name);
}

// --- plain text ---------------------------------------------------------------------------

namespace {

bool zeilenSchreiben(const QString& name, const QStringList& zeilen)
{
    QString fehler;
    if (kolvar::writeTextLines(name, zeilen, &fehler))
        return true;
    kolvar::showMessage(QStringLiteral("In %1 kann nicht geschrieben werden").arg(name));
    return false;
}

QString textname(QWidget* fenster, bool speichern)
{
    kolvar::FileDialogRequest anfrage;
    anfrage.caption = speichern ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen");
    anfrage.filter = speichern ? kTextfilter : QStringLiteral("Text|*.txt");
    anfrage.defaultExtension = QStringLiteral("txt");
    return speichern ? kolvar::getSaveFileName(fenster, anfrage) : kolvar::getOpenFileName(fenster, anfrage);
}

} // namespace

bool Ttabelleform::textdatei_speichern(const QString& name)
{
    QStringList zeilen;
    for (int zeile = 1; zeile < StringGrid1->RowCount(); ++zeile) {
        QStringList felder;
        for (int spalte = 1; spalte < StringGrid1->ColCount(); ++spalte)
            felder << StringGrid1->Cells(spalte, zeile);
        zeilen << felder.join(QLatin1Char('\t'));
    }
    return zeilenSchreiben(name, zeilen);
}

bool Ttabelleform::bereich_speichern(const QString& name)
{
    const Rasterbereich b = StringGrid1->Selection();
    QStringList zeilen;
    for (int zeile = b.Top; zeile <= b.Bottom; ++zeile) {
        QStringList felder;
        for (int spalte = b.Left; spalte <= b.Right; ++spalte)
            felder << StringGrid1->Cells(spalte, zeile);
        zeilen << felder.join(QLatin1Char('\t'));
    }
    return zeilenSchreiben(name, zeilen);
}

bool Ttabelleform::textdatei_einfuegen(const QString& name)
{
    QStringList zeilen;
    QString fehler;
    if (!kolvar::readTextLines(name, zeilen, &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }
    editor_beenden();
    const Rasterbereich b = StringGrid1->Selection();
    bool ausserhalb = false;
    m_modell->beginSammeln();
    for (int i = 0; i < zeilen.size(); ++i) {
        const QStringList felder = zeilen[i].split(QLatin1Char('\t'));
        for (int j = 0; j < felder.size(); ++j) {
            const int spalte = b.Left + j;
            const int zeile = b.Top + i;
            if (!m_modell->istDatenzelle(spalte, zeile)) {
                ausserhalb = ausserhalb || !felder[j].isEmpty();
                continue;
            }
            StringGrid1->setCells(spalte, zeile, felder[j]);
            if (!kolvar::Tabellenmodell::leer(felder[j]))
                StringGrid2->setCells(spalte, zeile, felder[j]);
        }
    }
    m_modell->endSammeln();
    if (ausserhalb)
        kolvar::showMessage(QStringLiteral("Die Datei %1 reicht über die Tabelle hinaus; "
                                           "was außerhalb liegt, wurde nicht eingefügt.")
                                .arg(QFileInfo(name).fileName()));
    return true;
}

void Ttabelleform::AlsTextdateispeichern1Click()
{
    const QString name = textname(this, true);
    if (!name.isEmpty())
        textdatei_speichern(name);
}

void Ttabelleform::MarkiertenBereichspeichern1Click()
{
    const QString name = textname(this, true);
    if (!name.isEmpty())
        bereich_speichern(name);
}

void Ttabelleform::Textdateieinfgen1Click()
{
    const QString name = textname(this, false);
    if (!name.isEmpty())
        textdatei_einfuegen(name);
}
