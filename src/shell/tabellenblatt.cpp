#include "shell/tabellenblatt.h"

#include <QWidget>

namespace kolvar {

Tabellenblatt* alsTabellenblatt(QWidget* fenster)
{
    return dynamic_cast<Tabellenblatt*>(fenster);
}

} // namespace kolvar
