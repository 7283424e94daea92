#pragma once
// Small pieces every window builds itself from: hints, tool buttons and menu
// items that carry the control's own name, so tests and window files find
// them by it.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace kolvar {

// A hint is "short|long": the short part is the tool tip, the long part the
// status-bar text (empty when the hint has no "|").
inline void hinweis(QWidget* w, const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    w->setToolTip(bar < 0 ? hint : hint.left(bar));
    w->setStatusTip(bar < 0 ? QString() : hint.mid(bar + 1));
}

// A flat tool button with a text caption that never takes the focus away
// from the edit the user is typing in.
inline QToolButton* knopf(QWidget* parent, const char* name, const QString& text,
                          const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    hinweis(b, hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

inline QAction* eintrag(QMenu* menu, const char* name, const QString& text,
                        const QKeySequence& taste = QKeySequence())
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    if (!taste.isEmpty())
        a->setShortcut(taste);
    return a;
}

// A menu of the menu bar, named like its control.
inline QMenu* menue(QMenuBar* leiste, const char* name, const QString& text)
{
    QMenu* m = leiste->addMenu(text);
    m->setObjectName(QLatin1String(name));
    return m;
}

} // namespace kolvar
