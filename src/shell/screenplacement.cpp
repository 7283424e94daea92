#include "shell/screenplacement.h"

#include "platform/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kolvar {

void placeAtScreenCentre(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window larger than the screen is first made to fit it.
    kolvar::keepOnScreen(window);
    const QSize size = window.frameGeometry().size();
    window.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

} // namespace kolvar
