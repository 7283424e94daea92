// The formula window's file ".fff": the window's placement, its number
// format, the selected formula and rearrangement, the contents panel, the
// drill-down list it was left in, and every quantity's value and unit
// choice, so that reopening shows the same calculation again. The project
// file saves and restores formula windows through these commands.
#include "collection/texcausdlg.h"

#include "controls/tsaveloadlist.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/seams.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>

namespace {

const QString kKolvar = QStringLiteral("Kolvar");
const QString kVersion = QStringLiteral("Kolvar70");
const QString kFehlerhaft = QStringLiteral("Datei nicht gefunden oder fehlerhaft!");

kolvar::FileDialogRequest fensterdialog(const QString& titel, const QString& dateiname)
{
    kolvar::FileDialogRequest anfrage;
    anfrage.caption = titel;
    anfrage.filter = QStringLiteral("Kolvarfenster|*.fff");
    anfrage.defaultExtension = QStringLiteral("fff");
    anfrage.fileName = dateiname;
    if (!dateiname.isEmpty())
        anfrage.directory = QFileInfo(dateiname).absolutePath();
    return anfrage;
}

bool istFff(const QString& name)
{
    return QFileInfo(name).suffix().toUpper() == QStringLiteral("FFF");
}

// The four keys of quantity record k (the name followed by k), with the
// longest text each field of the record holds and the reader's default.
struct Satzschluessel {
    QString name;
    int laenge;
    QString vorgabe;
    QString Tgroessensatz::*feld;
};
const Satzschluessel kSatzschluessel[] = {
    {QStringLiteral("Wert"), Tgroessensatz::maxWert, QStringLiteral("0"), &Tgroessensatz::Wert},
    {QStringLiteral("umrechfaktor"), 30, QStringLiteral("1"), &Tgroessensatz::umrechfaktor},
    {QStringLiteral("umEinheit"), 20, QString(), &Tgroessensatz::umEinheit},
    {QStringLiteral("umNameeinheit"), 30, QString(), &Tgroessensatz::umNameeinheit},
};

} // namespace

bool Texcausdlg::speicheredatei(const QString& datei)
{
    // The whole file is built here and replaces the old one in one step, so
    // it holds only what is written now, and a failed write leaves the old
    // one whole.
    kolvar::IniFile ini;
    ini.setFileName(datei);
    ini.writeString(kKolvar, QStringLiteral("Version"), kVersion);
    ini.writeInteger(kKolvar, QStringLiteral("Width"), width());
    ini.writeInteger(kKolvar, QStringLiteral("Height"), height());
    ini.writeInteger(kKolvar, QStringLiteral("Top"), y());
    ini.writeInteger(kKolvar, QStringLiteral("Left"), x());
    ini.writeInteger(kKolvar, QStringLiteral("WindowState"), kolvar::zustandsnummer(windowState()));
    ini.writeString(kKolvar, QStringLiteral("Format"), zahlenformat);
    ini.writeInteger(kKolvar, QStringLiteral("Anzahl"), Anzahl);
    ini.writeInteger(kKolvar, QStringLiteral("umformnr"), umformnr);
    ini.writeInteger(kKolvar, QStringLiteral("Seitea"), PageControl1->currentIndex());
    ini.writeInteger(kKolvar, QStringLiteral("Seiteb"), PageControl2->currentIndex());
    ini.writeInteger(kKolvar, QStringLiteral("tabbedWidth"), panelbreite());
    ini.writeInteger(kKolvar, QStringLiteral("merkewidth"), merkewidth);
    ini.writeString(kKolvar, QStringLiteral("Suche"), Edit1->text());
    ini.writeString(kKolvar, QStringLiteral("thema"), thema);
    ini.writeString(kKolvar, QStringLiteral("inhalt"), inhalt);
    ini.writeString(kKolvar, QStringLiteral("gebiet"), gebiet);
    werteuebernehmen();
    for (int k = 1; k <= Anzahl; ++k)
        for (const Satzschluessel& s : kSatzschluessel)
            ini.writeString(kKolvar, s.name + QString::number(k), groessen[size_t(k)].*s.feld);
    // What the window shows, also while the window itself is hidden.
    const std::pair<QString, QWidget*> sichtbar[] = {
        {QStringLiteral("scrollbox4"), ScrollBox4}, {QStringLiteral("scrollbox5"), ScrollBox5},
        {QStringLiteral("scrollbox6"), ScrollBox6}, {QStringLiteral("panel3"), Panel3},
        {QStringLiteral("pagecontrol1"), PageControl1}};
    for (const auto& [abschnitt, control] : sichtbar)
        ini.writeBool(abschnitt, QStringLiteral("visible"), control->isVisibleTo(this));
    if (!ini.save()) {
        kolvar::showMessage(ini.errorString(), kolvar::MessageIcon::Error);
        return false;
    }
    return true;
}

bool Texcausdlg::ladedatei(const QString& datei)
{
    // Everything is checked before anything changes: the file, its version,
    // and that every stored value fits the field it goes into (a value cut
    // to fit would be another number).
    kolvar::IniFile ini;
    bool gut = QFileInfo(kolvar::resolvePath(datei)).isFile() && ini.load(datei)
               && ini.readString(kKolvar, QStringLiteral("Version"), QStringLiteral("0")) == kVersion;
    for (int k = 1; gut && k <= maxGroessen; ++k)
        for (const Satzschluessel& s : kSatzschluessel)
            gut = gut && ini.readString(kKolvar, s.name + QString::number(k)).size() <= s.laenge;
    if (!gut) {
        kolvar::showMessage(kFehlerhaft);
        return false;
    }

    dateiname = datei;
    setWindowTitle(kolvar::fileNameOf(datei));

    // A missing or unreadable Top or Left keeps the window where it is.
    const int zustand = ini.readInteger(kKolvar, QStringLiteral("WindowState"), 0);
    setWindowState(kolvar::fensterzustand(zustand));
    if (kolvar::fensterzustand(zustand) == Qt::WindowNoState) {
        resize(kolvar::fenstergroesse(ini.readInteger(kKolvar, QStringLiteral("Width"), 100),
                                      ini.readInteger(kKolvar, QStringLiteral("Height"), 100)));
        move(ini.readInteger(kKolvar, QStringLiteral("Left"), x()),
             ini.readInteger(kKolvar, QStringLiteral("Top"), y()));
        setWindowState(kolvar::fensterzustand(zustand));
    }

    zahlenformat = ini.readString(kKolvar, QStringLiteral("Format"), QStringLiteral("0.00E-0"));
    Anzahl = std::clamp(ini.readInteger(kKolvar, QStringLiteral("Anzahl"), 0), 0, maxGroessen);
    // Picking the formula's node starts it at its first rearrangement; the
    // stored one is gone to once the formula is loaded.
    const int gespeicherteUmformung = ini.readInteger(kKolvar, QStringLiteral("umformnr"), 0);
    umformnr = gespeicherteUmformung;
    thema = ini.readString(kKolvar, QStringLiteral("thema"));
    inhalt = ini.readString(kKolvar, QStringLiteral("inhalt"));
    gebiet = ini.readString(kKolvar, QStringLiteral("gebiet"));
    Edit1->setText(ini.readString(kKolvar, QStringLiteral("Suche")));

    // A page that does not exist keeps the one shown.
    const int seitea = ini.readInteger(kKolvar, QStringLiteral("Seitea"), 0);
    if (seitea >= 0 && seitea < PageControl1->count())
        PageControl1->setCurrentIndex(seitea);
    const int seiteb = ini.readInteger(kKolvar, QStringLiteral("Seiteb"), 0);
    if (seiteb >= 0 && seiteb < PageControl2->count())
        PageControl2->setCurrentIndex(seiteb);

    merkewidth = ini.readInteger(kKolvar, QStringLiteral("merkewidth"), 400);
    const int breite = ini.readInteger(kKolvar, QStringLiteral("tabbedWidth"), 400);
    if (breite >= 0)
        setPanelbreite(breite);
    Inhalt1->setChecked(panelbreite() != 0);

    ladeeintrag();

    auto sichtbar = [&](const QString& abschnitt) {
        return ini.readBool(abschnitt, QStringLiteral("visible"), true);
    };
    if (sichtbar(QStringLiteral("scrollbox4"))) {
        ScrollBox4->show();
        inhalt.clear();
        baumauswahl();
    } else {
        ScrollBox4->hide();
    }
    if (sichtbar(QStringLiteral("scrollbox5"))) {
        ScrollBox5->show();
        thema.clear();
        inhalt.clear();
        baumauswahl();
    } else {
        ScrollBox5->hide();
    }
    if (sichtbar(QStringLiteral("scrollbox6"))) {
        ScrollBox6->show();
        StaticText1->setText(QStringLiteral("Inhalt"));
        gebiet.clear();
        thema.clear();
        inhalt.clear();
        zeigegebiete();
    } else {
        ScrollBox6->hide();
    }
    Panel3->setVisible(sichtbar(QStringLiteral("panel3")));
    const bool seiten = sichtbar(QStringLiteral("pagecontrol1"));
    PageControl1->setVisible(seiten);
    if (!seiten)
        return true;

    baumauswahl();
    umformunggehe(gespeicherteUmformung);
    for (int k = 1; k <= Anzahl; ++k)
        for (const Satzschluessel& s : kSatzschluessel)
            groessen[size_t(k)].*s.feld = ini.readString(kKolvar, s.name + QString::number(k), s.vorgabe);
    zeigeseiten();
    // Showing the formula turns to its calculation page; the page the file
    // was saved on (the example, say) is shown again.
    if (seitea >= 0 && seitea < PageControl1->count())
        PageControl1->setCurrentIndex(seitea);
    return true;
}

// --- commands ---------------------------------------------------------------------

void Texcausdlg::ffnen1Click()
{
    const QString name = kolvar::getOpenFileName(this, fensterdialog(QStringLiteral("Öffnen"), dateiname));
    if (!name.isEmpty())
        ladedatei(name);
}

void Texcausdlg::Speichern1Click()
{
    if (dateiname.isEmpty())
        Speichernunter1Click();
    else if (istFff(dateiname))
        speicheredatei(dateiname);
}

void Texcausdlg::Speichernunter1Click()
{
    QString name = kolvar::getSaveFileName(this, fensterdialog(QStringLiteral("Speichern unter"), dateiname));
    if (name.isEmpty())
        return;
    // A window file always ends in ".fff"; under another name "Speichern"
    // would write nothing.
    if (!istFff(name))
        name += QStringLiteral(".fff");
    // The window takes the name only once the file holds it.
    if (!speicheredatei(name))
        return;
    dateiname = name;
    setWindowTitle(kolvar::fileNameOf(name));
}

// --- the project file's view --------------------------------------------------------

kolvar::Fensterart Texcausdlg::projektart() const
{
    return kolvar::Fensterart::Kolvarfenster;
}

void Texcausdlg::projektspeichern()
{
    Speichern1Click();
}

void Texcausdlg::projektunbenannt()
{
    setWindowTitle(QStringLiteral("Kolvarsammlung"));
    dateiname.clear();
}
