// Two commands that hand the formula window's state to something else:
// "Duplizieren" opens a second window on the same formula, rearrangement,
// values and units; "HTML" puts a picture of the window into the HTML output
// dialog, from which the person inserts it into the current output page.
#include "collection/texcausdlg.h"

#include "platform/paths.h"
#include "platform/seams.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// A node's texts from its area down to itself.
QStringList knotennamen(const QTreeWidgetItem* knoten)
{
    QStringList namen;
    for (; knoten; knoten = knoten->parent())
        namen.prepend(knoten->text(0));
    return namen;
}

constexpr int kKleinsteBildnummer = 1000;
constexpr int kBildnummern = 500000; // drawn from 0 to below this

} // namespace

void Texcausdlg::Duplizieren1Click()
{
    werteuebernehmen();
    auto* n = MainForm ? qobject_cast<Texcausdlg*>(MainForm->fenster_erzeugen(
                             kolvar::Fensterart::Kolvarfenster, std::nullopt))
                       : nullptr;
    if (!n)
        return;
    n->show();
    n->zahlenformat = zahlenformat;
    n->Anzahl = Anzahl;
    // Picking the node starts the new window at the first rearrangement;
    // this window's one is gone to once the formula is loaded.
    const int nr = umformnr;
    n->umformnr = nr;

    // The same node: at the same place when the new tree has the same node
    // there, else the first with the same names (the collection may have
    // changed since this window built its tree). Without a selected node
    // here, the new window selects none either.
    if (const QTreeWidgetItem* knoten = gewaehlterKnoten()) {
        const QStringList namen = knotennamen(knoten);
        const QList<QTreeWidgetItem*> neue = n->alleKnoten();
        const int hier = knotenindex(knoten);
        int ziel = hier >= 0 && hier < neue.size() && knotennamen(neue[hier]) == namen ? hier : -1;
        for (int i = 0; ziel < 0 && i < neue.size(); ++i)
            if (knotennamen(neue[i]) == namen)
                ziel = i;
        n->knotenwaehlen(ziel);
    }

    n->Edit1->setText(Edit1->text());
    n->thema = thema;
    n->inhalt = inhalt;
    n->gebiet = gebiet;
    n->ladeeintrag();
    n->setPanelbreite(panelbreite());
    n->Inhalt1->setChecked(Inhalt1->isChecked());
    n->umformunggehe(nr);
    for (int k = 1; k <= Anzahl; ++k) {
        const Tgroessensatz& o = groessen[size_t(k)];
        Tgroessensatz& g = n->groessen[size_t(k)];
        g.Wert = o.Wert;
        g.umrechfaktor = o.umrechfaktor;
        g.umEinheit = o.umEinheit;
        g.umNameeinheit = o.umNameeinheit;
    }
    n->zeigeseiten();
    n->PageControl1->setCurrentIndex(PageControl1->currentIndex());
    n->PageControl2->setCurrentIndex(PageControl2->currentIndex());
}

QString Texcausdlg::bildname(const QString& ordner)
{
    auto frei = [&](int nummer) {
        const QString name = QString::number(nummer) + QStringLiteral(".jpg");
        return QFileInfo::exists(kolvar::resolvePath(ordner + name)) ? QString() : name;
    };
    // A picture already in the folder belongs to a page; it is never
    // replaced. Drawing again finds a free name at once unless the folder is
    // nearly full of them, and then the names are tried in turn.
    for (int versuch = 0; versuch < 10000; ++versuch) {
        const int nummer = kolvar::random(kBildnummern);
        if (nummer < kKleinsteBildnummer)
            continue;
        const QString name = frei(nummer);
        if (!name.isEmpty())
            return name;
    }
    for (int nummer = kKleinsteBildnummer; nummer < kBildnummern; ++nummer) {
        const QString name = frei(nummer);
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

void Texcausdlg::ausgabeClick()
{
    if (!htmldlg)
        return;
    htmldlg->vorbereiten();
    kolvar::randomize();
    const QString name = bildname(htmldlg->bildordner());
    // The tool bar does not belong in the picture; the layout closes its gap
    // before the picture is taken.
    Panel7->hide();
    centralWidget()->layout()->activate();
    htmldlg->zeigeGrafik(true);
    htmldlg->Panel2->show();
    htmldlg->setBild(centralWidget()->grab().toImage());
    if (!name.isEmpty())
        htmldlg->bildhinzufuegen(name);
    htmldlg->grafikaktualisieren();
    kolvar::runDialog(*htmldlg);
    Panel7->show();
}
