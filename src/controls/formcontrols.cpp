#include "controls/formcontrols.h"

#include <QVariant>

namespace kolvar {

int tagOf(const QObject* object)
{
    return object ? object->property("Tag").toInt() : 0;
}

void setTag(QObject* object, int tag)
{
    if (object)
        object->setProperty("Tag", tag);
}

} // namespace kolvar
