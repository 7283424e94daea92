// Makes the shipped templates with the program itself: on a copy of the
// program directory it opens windows, picks formulas, types values and
// programs, and saves each template as a project with its window files, the
// way a person would; then it writes the template tree. Run by hand when the
// templates are to be made anew:
//   vorlagen_erzeugen <program directory>   (data/ of the sources)
// It writes <program directory>/Lektion/. The window files are stored by
// their bare names, as a project moved with its files is read, and the HTML
// page by its name below the program directory.
#include "app/startup.h"
#include "collection/texcausdlg.h"
#include "controls/textendedit.h"
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "tools/teditform.h"
#include "tools/tabellenmodell.h"
#include "tools/tformumrech.h"
#include "tools/tformumtab.h"
#include "tools/ttabelleform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

#include <cstdio>
#include <memory>

namespace {

kolvar::ScriptedSeams* seams = nullptr;
QString arbeit; // the program directory copy
int fehler = 0;

void melde(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    ++fehler;
}

template <class T>
T* neuestes()
{
    T* t = nullptr;
    for (QWidget* w : MainForm->eigeneFenster())
        if (auto* x = qobject_cast<T*>(w))
            t = x;
    return t;
}

void tippe(QWidget* w, const QString& text)
{
    w->setFocus();
    QTest::keyClicks(w, text);
}

QList<QLabel*> sichtbar(const QList<QLabel*>& labels)
{
    QList<QLabel*> l;
    for (QLabel* x : labels)
        if (!x->isHidden() && !x->text().isEmpty())
            l << x;
    return l;
}

void neu()
{
    MainForm->Neu1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A formula window on the area's topic and content, values typed into every
// quantity but the first, the second quantity's unit changed, calculated, the
// example page shown.
QString formelfenster(int gebiet, int thema, int inhalt)
{
    QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
    Texcausdlg* f = neuestes<Texcausdlg>();
    QList<QLabel*> g = sichtbar(f->gebietlabels);
    if (gebiet >= g.size())
        return {};
    QTest::mouseClick(g[gebiet], Qt::LeftButton);
    QList<QLabel*> t = sichtbar(f->themenlabels);
    if (thema >= t.size())
        return {};
    QTest::mouseClick(t[thema], Qt::LeftButton);
    QList<QLabel*> i = sichtbar(f->inhaltlabels);
    if (inhalt >= i.size())
        return {};
    QTest::mouseClick(i[inhalt], Qt::LeftButton);
    QTest::mouseClick(f->Seite2btn, Qt::LeftButton);
    for (int k = 2; k <= f->Anzahl; ++k) {
        f->extendEdits[size_t(k)]->selectAll();
        tippe(f->extendEdits[size_t(k)], QString::number(k + 1));
    }
    QTest::mouseClick(f->Speedrechne, Qt::LeftButton);
    // The result in another unit, one that still shows it in the number
    // format; when none does, in its own.
    QComboBox* einheit = f->ComboBoxes[1];
    const int eigene = einheit->currentIndex();
    einheit->setFocus();
    for (Qt::Key taste : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
        QTest::keyClick(einheit, taste);
        QTest::mouseClick(f->Speedrechne, Qt::LeftButton);
        if (einheit->currentIndex() != eigene && f->extendEdit1->text() != "0,00")
            break;
    }
    if (f->extendEdit1->text() == "0,00" || einheit->currentIndex() == eigene) {
        einheit->setCurrentIndex(eigene);
        QTest::mouseClick(f->Speedrechne, Qt::LeftButton);
    }
    QTest::mouseClick(f->seite3btn, Qt::LeftButton);
    return f->inhalt;
}

TEditForm* rechenfenster(const QStringList& zeilen)
{
    QTest::mouseClick(MainForm->SpeedButton39, Qt::LeftButton);
    TEditForm* r = neuestes<TEditForm>();
    // Program mode: the lines are a program to run, not queries.
    r->ProgrammModus1->trigger();
    for (const QString& z : zeilen) {
        tippe(r->Memo1, z);
        QTest::keyClick(r->Memo1, Qt::Key_Return);
    }
    return r;
}

void zelle(Ttabelleform* blatt, int spalte, int zeile, const QString& text)
{
    const QRect r = blatt->StringGrid1->visualRect(blatt->modell()->index(zeile, spalte));
    QTest::mouseClick(blatt->StringGrid1->viewport(), Qt::LeftButton, {}, r.center());
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

// "Projekt speichern unter...": the project's name, then each window's file,
// the newest window first.
void speichern(const QString& name)
{
    const QString ziel = arbeit + "/Lektion/";
    seams->answerSave(ziel + name + ".pro");
    QList<QWidget*> fenster = MainForm->eigeneFenster();
    for (int n = int(fenster.size()) - 1; n >= 0; --n) {
        const QString art = qobject_cast<Texcausdlg*>(fenster[n])  ? ".fff"
                            : qobject_cast<TEditForm*>(fenster[n]) ? ".ref"
                                                                   : ".tab";
        seams->answerSave(ziel + name + QString::number(n + 1) + art);
    }
    QTest::mouseClick(MainForm->SpeedButton13, Qt::LeftButton);
    if (!seams->messages.empty())
        melde(name + ": " + seams->messageTexts().join('|'));
    seams->messages.clear();
    // Window files by their bare names: the project travels with them.
    QFile f(ziel + name + ".pro");
    if (!f.open(QIODevice::ReadOnly))
        return melde(name + ": nicht geschrieben");
    QByteArray b = f.readAll();
    f.close();
    b.replace(ziel.toLocal8Bit(), "");
    b.replace((arbeit + "/").toLocal8Bit(), ""); // the HTML page, in the output folder
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(b);
}

struct Knoten {
    int tiefe;
    QString text;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "vorlagen_erzeugen <Programmverzeichnis>\n");
        return 2;
    }
    const QString quelle = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir tmp;
    arbeit = tmp.path();
    QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString s = it.next();
        if (s.contains("/Lektion/"))
            continue;
        const QString z = arbeit + s.mid(quelle.size());
        QDir().mkpath(QFileInfo(z).absolutePath());
        QFile::copy(s, z);
    }
    QDir().mkpath(arbeit + "/Lektion");

    kolvar::ScriptedSeams s;
    kolvar::SeamsGuard guard{s};
    seams = &s;
    auto programm = std::make_unique<kolvar::Programm>(arbeit + "/kolvar");
    programm->starten();

    QList<Knoten> baum;
    // A formula window of every area, and a second topic where there is one.
    neu();
    QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
    QStringList gebiete;
    for (QLabel* l : sichtbar(neuestes<Texcausdlg>()->gebietlabels))
        gebiete << l->text();
    neu();
    int nr = 0;
    for (int g = 0; g < gebiete.size(); ++g) {
        baum << Knoten{0, gebiete[g]};
        for (int thema = 0; thema < 2; ++thema) {
            neu();
            const QString inhalt = formelfenster(g, thema, 0);
            if (inhalt.isEmpty())
                continue;
            const QString name = QString("formel%1").arg(++nr, 2, 10, QChar('0'));
            speichern(name);
            // The first parentheses of a node hold its template's name.
            QString text = inhalt;
            text.replace(" (", ", ").remove('(').remove(')');
            baum << Knoten{1, text + " (" + name + ")"};
        }
    }

    baum << Knoten{0, "Rechnen und Tabellen"};
    // A calculation-window program with its outputs.
    neu();
    rechenfenster({";Kreis und Kugel", "pi=3,14159265358979", "r=2,5", "A(r)=pi*r^2", "V(r)=4/3*pi*r^3",
                   "Ausgabe(A(r))", "Ausgabe(V(r))", "Ausgabe(V(2*r)/V(r))"});
    speichern("rechnen");
    baum << Knoten{1, "Programm im Rechenfenster (rechnen)"};

    // A sheet that tabulates the fall of a body, with the sum.
    neu();
    MainForm->Tabellenkalkulation1->trigger();
    Ttabelleform* blatt = neuestes<Ttabelleform>();
    blatt->activateWindow();
    QTest::qWaitForWindowActive(blatt);
    for (int z = 1; z <= 5; ++z) {
        zelle(blatt, 1, z, QString::number(z));
        zelle(blatt, 2, z, QString("=9,81/2*A%1^2").arg(z));
    }
    zelle(blatt, 2, 6, "=Summe(B1:B5)");
    speichern("tabelle");
    baum << Knoten{1, "Tabelle mit Summe (tabelle)"};

    // A unit conversion defined as project formulas, used in a calculation.
    neu();
    Tformumrech* um = formumrech;
    um->show();
    um->ListBox1->setCurrentRow(0);
    um->ListBox2->setCurrentRow(0);
    um->ListBox3->setCurrentRow(std::min(1, um->ListBox3->count() - 1));
    um->extendEdit1->selectAll();
    tippe(um->extendEdit1, "1");
    QTest::mouseClick(um->BitBtn1, Qt::LeftButton);
    QTest::mouseClick(um->BitBtn4, Qt::LeftButton);
    const QString umrechnung = um->Edit1->text().section('=', 0, 0).trimmed();
    um->hide();
    rechenfenster({";Umrechnung aus der Einheitenumrechnung", "Ausgabe(" + umrechnung + ")",
                   "Ausgabe(10*" + umrechnung + ")"});
    speichern("umrechnung");
    baum << Knoten{1, "Einheiten umrechnen (umrechnung)"};

    // A value from the material tables, used in a formula.
    neu();
    Tformumtab* tab = formumtab;
    tab->show();
    tab->ListBox1->setCurrentRow(0);
    QCoreApplication::processEvents();
    const QModelIndex wert = tab->DBGrid1->model()->index(0, 1);
    QTest::mouseClick(tab->DBGrid1->viewport(), Qt::LeftButton, {}, tab->DBGrid1->visualRect(wert).center());
    QTest::mouseClick(tab->BitBtn4, Qt::LeftButton);
    const QString tabwert = tab->Edit1->text().section('=', 0, 0).trimmed();
    tab->hide();
    rechenfenster({";Ein Tabellenwert in einer Formel", "m(V)=" + tabwert + "*V", "Ausgabe(m(2))"});
    speichern("stoffwert");
    baum << Knoten{1, "Stoffwert aus der Tabelle (stoffwert)"};

    // An HTML output page beside a formula window.
    neu();
    formelfenster(0, 0, 1);
    htmldlg->Edit5->setText(arbeit + "/ausgabe/index.htm");
    htmldlg->ladeaktuelledatei();
    speichern("html");
    baum << Knoten{1, "HTML-Ausgabe (html)"};

    // The tree file, its headings in the order of the areas.
    QFile out(arbeit + "/Lektion/lekt.out");
    out.open(QIODevice::WriteOnly);
    for (const Knoten& k : baum)
        out.write(QString(k.tiefe, '\t').toLatin1() + k.text.toLatin1() + "\r\n");
    out.close();

    programm.reset();
    QDir ziel(quelle + "/Lektion");
    for (const QString& alt : ziel.entryList(QDir::Files))
        ziel.remove(alt);
    for (const QString& neu : QDir(arbeit + "/Lektion").entryList(QDir::Files))
        QFile::copy(arbeit + "/Lektion/" + neu, ziel.filePath(neu));
    std::printf("%d Vorlagen, %d Fehler\n", nr + 5, fehler);
    return fehler ? 1 : 0;
}
