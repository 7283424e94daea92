#pragma once
// The text form in which the program keeps a tree (the template tree
// "Lektion\lekt.out"): one node per line in depth-first order, the number of
// leading TAB characters giving the node's depth.
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

} // namespace kolvar
