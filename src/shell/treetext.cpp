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

} // namespace kolvar
