#include "shell/twinrestorer.h"

#include "controls/tsaveloadlist.h"
#include "engine/durchgaenge.h"
#include "engine/notifier.h"
#include "engine/tfktbaum.h"
#include "platform/paths.h"
#include "platform/seams.h"
#include "shell/projektfenster.h"
#include "shell/tanzeigedlg.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

TWinRestorer* WinRestorer = nullptr;

namespace {

const QString kHaupt = QStringLiteral("Hauptfenster");
const QString kFenster = QStringLiteral("Fenster");
const QString kAnzeige = QStringLiteral("Anzeigefenster");
const QString kHtml = QStringLiteral("HTMLDLG");
const QString kBaum = QStringLiteral("treeview2");
const QString kKolvarn = QStringLiteral("Kolvarn");
const QString kVersion = QStringLiteral("Kolvar80");
// The main window without its template panel: its menu and tool bar.
constexpr int kHoeheOhneVorlagen = 138;

QString fensterabschnitt(int n)
{
    return QStringLiteral("Kolvarfenster") + QString::number(n);
}

// The position of the tree's selected node among all its nodes, parents
// before their children, collapsed or not; -1 when none is selected.
int absoluterIndex(const QTreeWidget& baum)
{
    const QTreeWidgetItem* gesucht = baum.currentItem();
    if (!gesucht || !gesucht->isSelected())
        return -1;
    int index = 0;
    std::function<bool(const QTreeWidgetItem*)> suche = [&](const QTreeWidgetItem* k) {
        if (k == gesucht)
            return true;
        ++index;
        for (int i = 0; i < k->childCount(); ++i)
            if (suche(k->child(i)))
                return true;
        return false;
    };
    for (int i = 0; i < baum.topLevelItemCount(); ++i)
        if (suche(baum.topLevelItem(i)))
            return index;
    return -1;
}

// The template editor's "Vorlagen als Projekt laden", once that editor is
// registered with the main window; until then templates are never projects.
bool vorlagenAlsProjekt(const TMainForm& haupt)
{
    const QWidget* editor = haupt.dialog(Dialogfenster::vorlbeadlg);
    const auto* box = editor ? editor->findChild<QCheckBox*>(QStringLiteral("vorprojekt")) : nullptr;
    return box && box->isChecked();
}

} // namespace

TWinRestorer::TWinRestorer(const QString& pfad)
{
    const QString name = kolvar::fileNameOf(pfad);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    m_datei = kolvar::directoryOf(pfad) + (punkt >= 0 ? name.left(punkt) : name) + QStringLiteral(".pro");
    m_verzeichnis = kolvar::directoryOf(m_datei);
    WinRestorer = this;
}

TWinRestorer::~TWinRestorer()
{
    if (WinRestorer == this)
        WinRestorer = nullptr;
}

QString TWinRestorer::projektpfad(const QString& pfad) const
{
    return m_verzeichnis + kolvar::fileNameOf(pfad);
}

QString TWinRestorer::fensterdatei(const QString& gespeichert) const
{
    if (gespeichert.isEmpty())
        return m_verzeichnis;
    const QString name = QString(gespeichert).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString hier = kolvar::resolvePath(QDir::isAbsolutePath(name) ? name : m_verzeichnis + name);
    if (QFileInfo(hier).isFile())
        return hier;
    return kolvar::resolvePath(projektpfad(gespeichert));
}

// --- saving ----------------------------------------------------------------------

bool TWinRestorer::speichern(TMainForm& haupt)
{
    // A fresh file: no section of an earlier project survives.
    kolvar::IniFile ini;
    ini.setFileName(m_datei);

    ini.writeString(kHaupt, QStringLiteral("Version"), kVersion);
    ini.writeInteger(kHaupt, QStringLiteral("Width"), haupt.width());
    ini.writeInteger(kHaupt, QStringLiteral("Height"), haupt.height());
    ini.writeInteger(kHaupt, QStringLiteral("Top"), haupt.y());
    ini.writeInteger(kHaupt, QStringLiteral("Left"), haupt.x());
    ini.writeInteger(kHaupt, QStringLiteral("WindowState"), kolvar::zustandsnummer(haupt.windowState()));
    ini.writeString(kHaupt, QStringLiteral("Format"), haupt.zahlenformat);
    ini.writeInteger(kHaupt, QStringLiteral("control"), haupt.PageControl1->currentIndex());

    const QRect panel = haupt.PageControl1->geometry();
    ini.writeBool(kFenster, QStringLiteral("visible"), haupt.PageControl1->isVisibleTo(&haupt));
    ini.writeInteger(kFenster, QStringLiteral("Width"), panel.width());
    ini.writeInteger(kFenster, QStringLiteral("Height"), panel.height());
    ini.writeInteger(kFenster, QStringLiteral("Top"), panel.y());
    ini.writeInteger(kFenster, QStringLiteral("Left"), panel.x());

    // The window manager tells where it stands; a main window without one
    // writes back what the project it restored held.
    if (auto* dlg = qobject_cast<Tanzeigedlg*>(haupt.dialog(Dialogfenster::anzeigedlg)))
        haupt.anzeigefenster = dlg->platz();
    const Anzeigefensterplatz& anzeige = haupt.anzeigefenster;
    ini.writeBool(kAnzeige, QStringLiteral("visible"), anzeige.visible);
    ini.writeInteger(kAnzeige, QStringLiteral("Width"), anzeige.width);
    ini.writeInteger(kAnzeige, QStringLiteral("Height"), anzeige.height);
    ini.writeInteger(kAnzeige, QStringLiteral("Top"), anzeige.top);
    ini.writeInteger(kAnzeige, QStringLiteral("Left"), anzeige.left);
    ini.writeInteger(kAnzeige, QStringLiteral("WindowState"), anzeige.windowState);
    ini.writeInteger(kAnzeige, QStringLiteral("control"), anzeige.control);

    ini.writeString(kHtml, QStringLiteral("Datei"),
                    htmldlg ? htmldlg->Edit5->text() : QStringLiteral("standard.htm"));

    const int knoten = absoluterIndex(*haupt.TreeView1);
    if (knoten >= 0)
        ini.writeInteger(kBaum, QStringLiteral("Datei"), knoten);

    if (projektliste && projektliste->count() > 0) {
        ini.writeInteger(kKolvarn, QStringLiteral("Anzahl"), projektliste->count());
        for (int i = 0; i < projektliste->count(); ++i)
            ini.writeString(kKolvarn, QStringLiteral("Nr") + QString::number(i),
                            QString::fromStdString(projektliste->entry(i)->definition));
    }

    // Newest window first. A window's own save may ask for a name, and
    // meanwhile the person may close other windows: those are passed over.
    QList<QPointer<QWidget>> fenster;
    for (QWidget* w : haupt.eigeneFenster())
        fenster.prepend(w);
    int n = 0;
    for (const QPointer<QWidget>& w : fenster) {
        auto* p = dynamic_cast<kolvar::Projektfenster*>(w.data());
        if (!p)
            continue;
        ++n;
        ini.writeInteger(fensterabschnitt(n), QStringLiteral("Art"), int(p->projektart()));
        p->projektspeichern();
        ini.writeString(fensterabschnitt(n), QStringLiteral("Datei"),
                        w ? kolvar::storedName(p->projektdatei()) : QString());
    }
    ini.writeInteger(kFenster, QStringLiteral("Anzahl"), n);

    if (!ini.save()) {
        kolvar::showMessage(ini.errorString(), kolvar::MessageIcon::Error);
        return false;
    }
    return true;
}

// --- restoring ---------------------------------------------------------------------

bool TWinRestorer::pruefen()
{
    m_geprueft = QFileInfo(kolvar::resolvePath(m_datei)).isFile() && m_ini.load(m_datei)
                 && m_ini.readString(kHaupt, QStringLiteral("Version"), QStringLiteral("0")) == kVersion;
    if (!m_geprueft) {
        m_ini.clear();
        kolvar::showMessage(QStringLiteral("Datei nicht gefunden oder fehlerhaft!"));
    }
    return m_geprueft;
}

bool TWinRestorer::laden(TMainForm& haupt)
{
    if (!m_geprueft && !pruefen())
        return false;
    const kolvar::IniFile& ini = m_ini;

    if (vorlagenAlsProjekt(haupt)) {
        haupt.projektname = m_datei;
        haupt.setWindowTitle(m_datei);
    }

    // The main window: its size and place count only in the normal state.
    haupt.move(0, 0);
    const Qt::WindowState zustand =
        kolvar::fensterzustand(ini.readInteger(kHaupt, QStringLiteral("WindowState"), 0));
    haupt.setWindowState(zustand);
    if (zustand == Qt::WindowNoState) {
        haupt.resize(kolvar::fenstergroesse(ini.readInteger(kHaupt, QStringLiteral("Width"), 400),
                                            ini.readInteger(kHaupt, QStringLiteral("Height"), 500)));
        haupt.move(ini.readInteger(kHaupt, QStringLiteral("Left"), 0),
                   ini.readInteger(kHaupt, QStringLiteral("Top"), 0));
    }
    // A page that does not exist keeps the one shown.
    const int seite = ini.readInteger(kHaupt, QStringLiteral("control"), 0);
    if (seite >= 0 && seite < haupt.PageControl1->count())
        haupt.PageControl1->setCurrentIndex(seite);
    haupt.zahlenformat = ini.readString(kHaupt, QStringLiteral("Format"), QStringLiteral("0.00"));

    // Project formulas: a project saved without any has no section and
    // restores none. A formula that uses one stored after it is defined in
    // a later pass; what still fails is passed over without a word.
    if (projektliste && ini.sectionExists(kKolvarn)) {
        const int anzahl = std::min<qsizetype>(ini.readInteger(kKolvarn, QStringLiteral("Anzahl"), 1),
                                               ini.keys(kKolvarn).size());
        std::vector<std::string> zeilen;
        for (int i = 0; i < anzahl; ++i) {
            const QString schluessel = QStringLiteral("Nr") + QString::number(i);
            if (ini.valueExists(kKolvarn, schluessel))
                zeilen.push_back(ini.readString(kKolvarn, schluessel).toStdString());
        }
        const kolvar::EngineNotifier vorher = kolvar::setEngineNotifier(nullptr);
        kolvar::definiere_in_durchgaengen(*projektliste, zeilen);
        kolvar::setEngineNotifier(vorher);
    }

    // The window manager keeps its own placement.
    Anzeigefensterplatz& anzeige = haupt.anzeigefenster;
    anzeige.visible = ini.readBool(kAnzeige, QStringLiteral("visible"), false);
    anzeige.top = 0;
    anzeige.left = 0;
    anzeige.windowState = ini.readInteger(kAnzeige, QStringLiteral("WindowState"), 0);
    if (kolvar::fensterzustand(anzeige.windowState) == Qt::WindowNoState) {
        const QSize groesse = kolvar::fenstergroesse(ini.readInteger(kAnzeige, QStringLiteral("Width"), 100),
                                                     ini.readInteger(kAnzeige, QStringLiteral("Height"), 100));
        anzeige.width = groesse.width();
        anzeige.height = groesse.height();
        anzeige.top = ini.readInteger(kAnzeige, QStringLiteral("Top"), 0);
        anzeige.left = ini.readInteger(kAnzeige, QStringLiteral("Left"), 0);
        anzeige.control = ini.readInteger(kAnzeige, QStringLiteral("control"), 0);
    }
    if (auto* dlg = qobject_cast<Tanzeigedlg*>(haupt.dialog(Dialogfenster::anzeigedlg)))
        dlg->platz_setzen(anzeige);

    // The template panel fills the window below the tool bar, so only its
    // visibility is taken; without it the window shrinks to menu and tool bar.
    const bool vorlagen = ini.readBool(kFenster, QStringLiteral("visible"), true);
    haupt.PageControl1->setVisible(vorlagen);
    if (!vorlagen) {
        haupt.centralWidget()->layout()->activate();
        haupt.layout()->activate();
        haupt.resize(haupt.width(), kHoeheOhneVorlagen);
    }
    // A count beyond the file's sections names sections that are not there.
    const int anzahl = std::min<qsizetype>(ini.readInteger(kFenster, QStringLiteral("Anzahl"), 1),
                                           ini.sections().size());

    if (htmldlg) {
        htmldlg->Edit5->setText(ini.readString(kHtml, QStringLiteral("Datei"), QStringLiteral("standard.htm")));
        htmldlg->ladeaktuelledatei();
    }
    // The template node ("treeview2") is stored but not restored.

    // The highest section is the oldest window: the windows come back in
    // the order in which they were first made.
    for (int n = anzahl; n >= 1; --n) {
        const int art = ini.readInteger(fensterabschnitt(n), QStringLiteral("Art"), -1);
        if (art != int(kolvar::Fensterart::Kolvarfenster) && art != int(kolvar::Fensterart::Rechnenfenster)
            && art != int(kolvar::Fensterart::Tabellenkalkulation))
            continue;
        QWidget* w = haupt.fenster_erzeugen(kolvar::Fensterart(art), std::nullopt);
        auto* p = dynamic_cast<kolvar::Projektfenster*>(w);
        if (!p)
            continue;
        // A sheet is shown once it is filled, the others before.
        const bool spaeter = art == int(kolvar::Fensterart::Tabellenkalkulation);
        if (!spaeter)
            w->show();
        const QString datei = fensterdatei(ini.readString(fensterabschnitt(n), QStringLiteral("Datei")));
        if (QFileInfo(datei).isFile())
            p->projektladen(datei);
        else
            kolvar::showMessage(datei + QStringLiteral(" Datei nicht gefunden!"));
        if (spaeter)
            w->show();
        if (haupt.projektname.isEmpty())
            p->projektunbenannt();
    }
    return true;
}
