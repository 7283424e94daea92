#include "shell/baumschritte.h"

#include "shell/treetext.h"

#include <QTreeWidget>

namespace kolvar {

namespace {

// The current node's index is taken before the tree collapses: collapsing may
// move the current node to a closed ancestor, and counting from there would
// keep "next" inside one branch.
int indexVorDemZuklappen(QTreeWidget& baum)
{
    const int index = currentAbsoluteIndex(baum);
    baum.collapseAll();
    return index;
}

QString grossAscii(const QString& text)
{
    QString gross = text;
    for (QChar& c : gross)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return gross;
}

} // namespace

bool naechster_knoten(QTreeWidget& baum)
{
    const QList<QTreeWidgetItem*> knoten = allNodes(baum);
    if (knoten.isEmpty())
        return false;
    const int i = indexVorDemZuklappen(baum) + 1;
    selectNode(baum, knoten.at(i >= knoten.size() ? 0 : i));
    return true;
}

bool vorheriger_knoten(QTreeWidget& baum)
{
    const QList<QTreeWidgetItem*> knoten = allNodes(baum);
    if (knoten.isEmpty())
        return false;
    const int i = indexVorDemZuklappen(baum);
    selectNode(baum, knoten.at(i >= 2 ? i - 1 : 0));
    return true;
}

void alle_aufklappen(QTreeWidget& baum)
{
    if (!baum.currentItem() && baum.topLevelItemCount() > 0)
        selectNode(baum, baum.topLevelItem(0));
    baum.expandAll();
}

Suchergebnis knoten_suchen(QTreeWidget& baum, const QString& begriff, int& position)
{
    const QList<QTreeWidgetItem*> knoten = allNodes(baum);
    if (knoten.isEmpty()) {
        position = 0;
        return Suchergebnis::LeererBaum;
    }
    baum.collapseAll();
    const QString gesucht = grossAscii(begriff);
    QTreeWidgetItem* treffer = nullptr;
    if (position < 0)
        position = 0;
    while (!treffer && position < knoten.size()) {
        if (!gesucht.isEmpty() && grossAscii(knoten.at(position)->text(0)).contains(gesucht))
            treffer = knoten.at(position);
        ++position;
    }
    if (treffer)
        selectNode(baum, treffer);
    // A hit on the last node also starts the next search from the top.
    if (position >= knoten.size())
        position = 0;
    return treffer ? Suchergebnis::Gefunden : Suchergebnis::NichtGefunden;
}

} // namespace kolvar
