#pragma once
// Keeping windows on the screen. A window's default placement was made for
// one screen size and scale factor, and a restored one may come from another
// machine; either may not fit the screen the program runs on. Such a window
// is moved, and shrunk where it is larger, into the screen's available area.
#include <QObject>
#include <QRect>

class QWidget;

namespace kolvar {

// frame moved (and, where larger, shrunk) to lie inside area.
QRect fitIntoArea(const QRect& frame, const QRect& area);

// Fits a top-level window, its frame included where the window system has
// told it, into the available area of the screen it stands on. A window that
// was never placed explicitly is only shrunk; the window system places it.
void keepOnScreen(QWidget& window);

// Installed on the application, fits every window and dialog into the
// screen each time it is shown, when its frame is known.
class OnScreenGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kolvar
