#include "platform/screenfit.h"

#include <QGuiApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kolvar {

QRect fitIntoArea(const QRect& frame, const QRect& area)
{
    if (area.isEmpty())
        return frame;
    const int w = std::min(frame.width(), area.width());
    const int h = std::min(frame.height(), area.height());
    const int x = std::clamp(frame.x(), area.left(), area.left() + area.width() - w);
    const int y = std::clamp(frame.y(), area.top(), area.top() + area.height() - h);
    return {x, y, w, h};
}

void keepOnScreen(QWidget& window)
{
    if (!window.isWindow())
        return;
    const QRect inner = window.geometry();
    QScreen* screen = QGuiApplication::screenAt(inner.center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    // Before the window is first shown its frame is not known yet; it then
    // counts as having none.
    const QRect frame = window.frameGeometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QRect fitted = fitIntoArea(frame, screen->availableGeometry());
    if (fitted == frame)
        return;
    if (fitted.size() != frame.size())
        window.resize(fitted.marginsRemoved(margins).size());
    // A window nobody has placed is left to the window system, which puts it
    // on the screen by itself.
    if (window.testAttribute(Qt::WA_Moved))
        window.move(fitted.topLeft());
}

bool OnScreenGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType art = w->windowType();
        if (w->isWindow() && (art == Qt::Window || art == Qt::Dialog) && w->windowState() == Qt::WindowNoState)
            keepOnScreen(*w);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kolvar
