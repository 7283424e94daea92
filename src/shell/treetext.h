#pragma once
// The text form in which the program keeps a tree (the template tree
// "Lektion\lekt.out"): one node per line in depth-first order, the number of
// leading TAB characters giving the node's depth.
#include <QList>
#include <QStringList>
#include <QTreeWidgetItem>

class QTreeWidget;

namespace kolvar {

// A tree item that sorts by its text the way a German user expects: letters
// before case, umlauts beside their base letters.
class SortedTreeItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override;
};

// Replaces the tree's nodes by those of the lines. Blank lines are skipped.
// A line more than one level deeper than the line before it becomes a child
// of that line, so no node is lost and no line is refused.
void treeFromLines(QTreeWidget& tree, const QStringList& lines);

// Loads the tree from a file (path resolved with either separator and any
// case of its letters). A missing or unreadable file leaves the tree empty
// and returns false.
bool loadTreeText(QTreeWidget& tree, const QString& path);

// The tree as lines: one node per line, parents before their children, one
// TAB per level.
QStringList treeToLines(const QTreeWidget& tree);

// Writes the tree's lines to a file, replacing it in one step. False with a
// German message in *error when it cannot be written; the old file is then
// as it was.
bool saveTreeText(const QTreeWidget& tree, const QString& path, QString* error = nullptr);

// Every node in display order (parents before their children, collapsed or
// not). A node's position in this list is its absolute index.
QList<QTreeWidgetItem*> allNodes(const QTreeWidget& tree);

// The absolute index of the tree's current node; -1 when there is none.
int currentAbsoluteIndex(const QTreeWidget& tree);

// Makes the node the tree's current and only selected node, opening its
// ancestors so that it can be seen.
void selectNode(QTreeWidget& tree, QTreeWidgetItem* node);

// The parts of a node's text "Beschreibung(Projektname)": the description
// before the first "(" and the name between it and the first ")". Without a
// "(" followed later by a ")" the text is a heading and has no parts.
struct NodeParts {
    bool brackets = false;
    QString description;
    QString name;
};
NodeParts splitNodeText(const QString& text);

} // namespace kolvar
