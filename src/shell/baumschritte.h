#pragma once
// The steps the template trees share: the main window's template tree and
// its contents tree, and the template editor's tree. Every step walks the
// nodes in display order by their absolute index; an empty tree is left
// alone.
class QString;
class QTreeWidget;

namespace kolvar {

// Collapses the tree and selects the node after the current one, the first
// node after the last (and when none is current). False on an empty tree.
bool naechster_knoten(QTreeWidget& baum);

// Collapses the tree and selects the node before the current one; the first
// node when the current one is the first or second. False on an empty tree.
bool vorheriger_knoten(QTreeWidget& baum);

// Selects the first node when none is current, then expands every node.
void alle_aufklappen(QTreeWidget& baum);

enum class Suchergebnis { Gefunden, NichtGefunden, LeererBaum };

// Collapses the tree and looks, from the node at position on, for the first
// node whose text holds begriff, ignoring the case of a-z; selects it. The
// position moves past the examined nodes and goes back to 0 when the search
// reaches the end (a position at or past the end is the end). An empty
// begriff matches no node.
Suchergebnis knoten_suchen(QTreeWidget& baum, const QString& begriff, int& position);

} // namespace kolvar
