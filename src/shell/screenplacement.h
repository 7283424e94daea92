#pragma once
// Placing a window the way its design asks.
class QWidget;

namespace kolvar {

// Moves the window so that its frame sits in the middle of the available
// area of the primary screen.
void placeAtScreenCentre(QWidget& window);

} // namespace kolvar
