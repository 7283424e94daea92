// The drill-down lists, the contents tree, its navigation and its search.
#include "collection/texcausdlg.h"

#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "platform/datatable.h"
#include "platform/seams.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

const QString kGebiet = QStringLiteral("GEBIET");
const QString kThema = QStringLiteral("THEMA");
const QString kInhalt = QStringLiteral("INHALT");
const QString kKolvar = QStringLiteral("KOLVAR");

kolvar::DataTable* formeltabelle()
{
    return Datadlg && Datadlg->table2 && Datadlg->table2->isActive() ? Datadlg->table2 : nullptr;
}

void fuellen(QLabel* label, const QString& text)
{
    label->setText(text);
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    label->adjustSize();
    label->show();
}

// Upper-cases the letters a to z only; umlauts and the rest stay as they are.
QString grossAz(const QString& text)
{
    QString s = text;
    for (QChar& c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return s;
}

} // namespace

// --- drill-down lists --------------------------------------------------------

void Texcausdlg::zeigegebiete()
{
    menueaus();
    // Labels beyond the areas found would otherwise keep a list of an
    // earlier walk.
    for (QLabel* l : gebietlabels)
        l->hide();
    kolvar::DataTable* t = formeltabelle();
    if (!t || t->isEmpty())
        return;
    QString vorher;
    int i = 0;
    for (t->first(); !t->eof(); t->next()) {
        const QString g = t->value(kGebiet);
        if (g != vorher) {
            vorher = g;
            if (i < maxGebiete)
                fuellen(gebietlabels[i], g);
            ++i;
        }
    }
}

void Texcausdlg::zeigethemen()
{
    for (QLabel* l : themenlabels)
        l->hide();
    kolvar::DataTable* t = formeltabelle();
    if (!t || !t->locate(QStringLiteral("Gebiet"), gebiet))
        return;
    QString vorher;
    int i = 0;
    while (!t->eof() && t->value(kGebiet) == gebiet) {
        const QString th = t->value(kThema);
        if (th != vorher) {
            vorher = th;
            if (i < maxThemen)
                fuellen(themenlabels[i], th);
            ++i;
        }
        t->next();
    }
}

void Texcausdlg::zeigeinhalte(const QString& einGebiet, const QString& einThema)
{
    for (int i = 0; i < maxInhalte; ++i) {
        inhaltlabels[i]->hide();
        inhaltshapes[i]->hide();
    }
    kolvar::DataTable* t = formeltabelle();
    if (!t || !t->locate(QStringLiteral("Gebiet;Thema"), {einGebiet, einThema}))
        return;
    // Only the topic is compared: a topic of the same name directly after
    // it in another area continues the list.
    const QString gefundenesThema = t->value(kThema);
    QString vorher;
    int i = 0;
    while (!t->eof() && t->value(kThema) == gefundenesThema) {
        const QString in = t->value(kInhalt);
        if (in != vorher) {
            vorher = in;
            if (i < maxInhalte) {
                inhaltshapes[i]->setText(t->value(kKolvar));
                inhaltshapes[i]->show();
                fuellen(inhaltlabels[i], in);
                inhaltlabels[i]->move(160, inhaltlabels[i]->y());
            }
            ++i;
        }
        t->next();
    }
}

void Texcausdlg::listensichtbar(QScrollArea* sichtbar)
{
    for (QScrollArea* box : {ScrollBox4, ScrollBox5, ScrollBox6})
        box->setVisible(box == sichtbar);
}

namespace {
// The label that was clicked, or nullptr for the box itself.
QLabel* geklicktesLabel(QObject* sender)
{
    auto* l = qobject_cast<QLabel*>(sender);
    return l && l->property("Tag").toInt() > 0 ? l : nullptr;
}
} // namespace

void Texcausdlg::ScrollBox6Click(QObject* sender)
{
    if (QLabel* l = geklicktesLabel(sender)) {
        gebiet = l->text();
        thema.clear();
        inhalt.clear();
        baumauswahl();
    }
}

void Texcausdlg::ScrollBox5Click(QObject* sender)
{
    if (QLabel* l = geklicktesLabel(sender)) {
        thema = l->text();
        baumauswahl();
    }
}

void Texcausdlg::ScrollBox4Click(QObject* sender)
{
    if (QLabel* l = geklicktesLabel(sender)) {
        inhalt = l->text();
        baumauswahl();
    }
}

void Texcausdlg::SpeedButton9Click()
{
    if (!gebiet.isEmpty() && !thema.isEmpty() && !inhalt.isEmpty()) {
        inhalt.clear();
        baumauswahl();
    } else if (!gebiet.isEmpty() && !thema.isEmpty()) {
        thema.clear();
        baumauswahl();
    } else if (!gebiet.isEmpty()) {
        listensichtbar(ScrollBox6);
        PageControl1->hide();
        Panel3->hide();
        StaticText1->setText(QStringLiteral("Inhalt"));
        zeigegebiete();
    }
}

// --- contents tree -----------------------------------------------------------

void Texcausdlg::fuellenClick()
{
    TreeView2->clear();
    m_letzterKnoten = nullptr;
    kolvar::DataTable* t = formeltabelle();
    if (!t || t->isEmpty())
        return;
    QString vorGebiet, vorThema, vorInhalt;
    QTreeWidgetItem* gebietknoten = nullptr;
    QTreeWidgetItem* themaknoten = nullptr;
    // Build the whole tree off the view, then hand it over at once.
    QList<QTreeWidgetItem*> oben;
    for (t->first(); !t->eof(); t->next()) {
        const QString g = t->value(kGebiet);
        const QString th = t->value(kThema);
        const QString in = t->value(kInhalt);
        if (g != vorGebiet || !gebietknoten) {
            gebietknoten = new QTreeWidgetItem(QStringList{g});
            oben.append(gebietknoten);
            vorGebiet = g;
            vorThema.clear();
            themaknoten = nullptr;
        }
        if (th != vorThema || !themaknoten) {
            // A new area always starts a new topic, and a new topic a new
            // formula, even for equal names.
            themaknoten = new QTreeWidgetItem(gebietknoten, QStringList{th});
            vorThema = th;
            vorInhalt.clear();
        }
        if (in != vorInhalt) {
            new QTreeWidgetItem(themaknoten, QStringList{in});
            vorInhalt = in;
        }
    }
    TreeView2->addTopLevelItems(oben);
}

QList<QTreeWidgetItem*> Texcausdlg::alleKnoten() const
{
    QList<QTreeWidgetItem*> knoten;
    std::function<void(QTreeWidgetItem*)> sammle = [&](QTreeWidgetItem* k) {
        knoten.append(k);
        for (int i = 0; i < k->childCount(); ++i)
            sammle(k->child(i));
    };
    for (int i = 0; i < TreeView2->topLevelItemCount(); ++i)
        sammle(TreeView2->topLevelItem(i));
    return knoten;
}

int Texcausdlg::knotenindex(const QTreeWidgetItem* knoten) const
{
    if (!knoten)
        return -1;
    return int(alleKnoten().indexOf(const_cast<QTreeWidgetItem*>(knoten)));
}

QTreeWidgetItem* Texcausdlg::gewaehlterKnoten() const
{
    // A current node that is not selected (the view sets one when it gets
    // the focus) is no selection of the user's.
    QTreeWidgetItem* k = TreeView2->currentItem();
    return k && k->isSelected() ? k : nullptr;
}

void Texcausdlg::knotenwaehlen(int index)
{
    const QList<QTreeWidgetItem*> knoten = alleKnoten();
    if (index < 0 || index >= knoten.size())
        return;
    TreeView2->setCurrentItem(knoten[index]);
    TreeView2->scrollToItem(knoten[index]);
}

void Texcausdlg::baumauswahl()
{
    const bool g = !gebiet.isEmpty(), t = !thema.isEmpty(), i = !inhalt.isEmpty();
    QString text, eltern;
    if (g && t && i) {
        text = inhalt;
        eltern = thema;
    } else if (g && t && !i) {
        text = thema;
        eltern = gebiet;
    } else if (g && !t && !i) {
        text = gebiet;
    } else {
        return;
    }
    for (QTreeWidgetItem* k : alleKnoten()) {
        if (k->text(0) != text)
            continue;
        if (!eltern.isEmpty() && (!k->parent() || k->parent()->text(0) != eltern))
            continue;
        if (eltern.isEmpty()) {
            // Deselect first so that the change handler runs even when the
            // area is selected already (the topic list is then refilled).
            TreeView2->setCurrentItem(nullptr);
        }
        if (TreeView2->currentItem() != k || !k->isSelected())
            TreeView2->setCurrentItem(k);
        TreeView2->scrollToItem(k);
        return;
    }
}

void Texcausdlg::baumsignal()
{
    // Deselecting counts as a change too, so that selecting the same node
    // again (as the area pick does) runs the handler again.
    QTreeWidgetItem* k = gewaehlterKnoten();
    if (k == m_letzterKnoten)
        return;
    m_letzterKnoten = k;
    if (k)
        TreeView2Change();
}

void Texcausdlg::TreeView2Change()
{
    baumwechsel();
}

void Texcausdlg::baumwechsel()
{
    QTreeWidgetItem* k = gewaehlterKnoten();
    if (!k)
        return;
    int ebene = 0;
    for (QTreeWidgetItem* p = k->parent(); p; p = p->parent())
        ++ebene;
    if (ebene != 2) {
        PageControl1->hide();
        Panel3->hide();
    }
    if (ebene == 0) {
        listensichtbar(ScrollBox5);
        gebiet = k->text(0);
        thema.clear();
        inhalt.clear();
        StaticText1->setText(gebiet);
        zeigethemen();
        menueaus();
    } else if (ebene == 1) {
        gebiet = k->parent()->text(0);
        thema = k->text(0);
        inhalt.clear();
        listensichtbar(ScrollBox4);
        StaticText1->setText(gebiet + QStringLiteral("  ") + thema);
        zeigeinhalte(k->parent()->text(0), k->text(0));
        menueaus();
    } else if (ebene == 2) {
        gebiet = k->parent()->parent()->text(0);
        thema = k->parent()->text(0);
        inhalt = k->text(0);
        Panel3->show();
        PageControl1->show();
        menueein();
        listensichtbar(nullptr);
        StaticText1->setText(gebiet + QStringLiteral("  ") + thema + QStringLiteral("  ") + inhalt);
        // A formula picked by the user starts at its first rearrangement, so
        // the number always names the rearrangement shown.
        umformnr = 0;
        ladeeintrag();
    }
}

void Texcausdlg::naechste()
{
    const QList<QTreeWidgetItem*> knoten = alleKnoten();
    if (knoten.isEmpty())
        return;
    QTreeWidgetItem* k = gewaehlterKnoten();
    if (!k) {
        knotenwaehlen(0);
        return;
    }
    const int i = int(knoten.indexOf(k));
    knotenwaehlen(i + 1 < knoten.size() ? i + 1 : 0);
}

void Texcausdlg::vorherclick()
{
    const QList<QTreeWidgetItem*> knoten = alleKnoten();
    if (knoten.isEmpty())
        return;
    QTreeWidgetItem* k = gewaehlterKnoten();
    if (!k) {
        knotenwaehlen(0);
        return;
    }
    const int i = int(knoten.indexOf(k));
    knotenwaehlen(i < 2 ? 0 : i - 1);
}

void Texcausdlg::BitBtn3Click()
{
    TreeView2->expandAll();
}

void Texcausdlg::collapscloseClick()
{
    TreeView2->collapseAll();
}

void Texcausdlg::SuchenClick()
{
    suchpos = 0;
    WeiterClick();
}

void Texcausdlg::WeiterClick()
{
    const QList<QTreeWidgetItem*> knoten = alleKnoten();
    const QString such = grossAz(Edit1->text());
    const int anzahl = int(knoten.size());
    bool treffer = false;
    // An empty search text matches nothing; an empty tree has nothing to
    // look at. Both end as a search without a hit.
    if (!such.isEmpty()) {
        if (suchpos < 0 || suchpos > anzahl)
            suchpos = 0;
        while (suchpos < anzahl && !treffer) {
            if (grossAz(knoten[suchpos]->text(0)).contains(such)) {
                treffer = true;
                knotenwaehlen(suchpos);
            }
            ++suchpos;
        }
    } else {
        suchpos = anzahl;
    }
    if (suchpos >= anzahl) {
        if (!treffer)
            kolvar::showMessage(QStringLiteral("Ausdruck nicht gefunden"));
        suchpos = 0;
    }
}
