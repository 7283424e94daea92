#include "shell/treetext.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QCollator>
#include <QTreeWidget>

#include <vector>

namespace kolvar {

bool SortedTreeItem::operator<(const QTreeWidgetItem& other) const
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    return collator.compare(text(column < 0 ? 0 : column), other.text(column < 0 ? 0 : column)) < 0;
}

void treeFromLines(QTreeWidget& tree, const QStringList& lines)
{
    const bool sorting = tree.isSortingEnabled();
    // Sorting while inserting would re-sort on every item; sort once at the end.
    tree.setSortingEnabled(false);
    tree.clear();
    std::vector<QTreeWidgetItem*> path; // the last node of each depth
    for (const QString& line : lines) {
        qsizetype depth = 0;
        while (depth < line.size() && line.at(depth) == QLatin1Char('\t'))
            ++depth;
        const QString text = line.mid(depth);
        if (text.trimmed().isEmpty())
            continue;
        if (depth > static_cast<qsizetype>(path.size()))
            depth = static_cast<qsizetype>(path.size());
        path.resize(static_cast<std::size_t>(depth));
        QTreeWidgetItem* item = path.empty() ? new SortedTreeItem(&tree)
                                             : new SortedTreeItem(path.back());
        item->setText(0, text);
        path.push_back(item);
    }
    if (sorting) {
        tree.setSortingEnabled(true);
        tree.sortItems(0, Qt::AscendingOrder);
    }
}

bool loadTreeText(QTreeWidget& tree, const QString& path)
{
    QStringList lines;
    if (!readTextLines(resolvePath(path), lines)) {
        tree.clear();
        return false;
    }
    treeFromLines(tree, lines);
    return true;
}

QList<QTreeWidgetItem*> allNodes(const QTreeWidget& tree)
{
    QList<QTreeWidgetItem*> nodes;
    std::vector<QTreeWidgetItem*> stack;
    for (int i = tree.topLevelItemCount() - 1; i >= 0; --i)
        stack.push_back(tree.topLevelItem(i));
    while (!stack.empty()) {
        QTreeWidgetItem* node = stack.back();
        stack.pop_back();
        nodes.append(node);
        for (int i = node->childCount() - 1; i >= 0; --i)
            stack.push_back(node->child(i));
    }
    return nodes;
}

QStringList treeToLines(const QTreeWidget& tree)
{
    QStringList lines;
    for (QTreeWidgetItem* node : allNodes(tree)) {
        int depth = 0;
        for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent())
            ++depth;
        lines << QString(depth, QLatin1Char('\t')) + node->text(0);
    }
    return lines;
}

bool saveTreeText(const QTreeWidget& tree, const QString& path, QString* error)
{
    return writeTextLines(resolvePath(path), treeToLines(tree), error);
}

int currentAbsoluteIndex(const QTreeWidget& tree)
{
    const QTreeWidgetItem* current = tree.currentItem();
    return current ? static_cast<int>(allNodes(tree).indexOf(current)) : -1;
}

void selectNode(QTreeWidget& tree, QTreeWidgetItem* node)
{
    if (!node)
        return;
    for (QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        p->setExpanded(true);
    tree.setCurrentItem(node);
    node->setSelected(true);
    tree.scrollToItem(node);
}

NodeParts splitNodeText(const QString& text)
{
    NodeParts parts;
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype close = text.indexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return parts;
    parts.brackets = true;
    parts.description = text.left(open);
    parts.name = text.mid(open + 1, close - open - 1);
    return parts;
}

} // namespace kolvar
