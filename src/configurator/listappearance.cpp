#include "configurator/listappearance.h"

#include "catalogue/lookuplist.h"

#include <QLabel>

namespace kvartson {

void setLabelEnabledLook(QLabel *label, bool enabled)
{
    if (!label)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, enabled ? QColor(Qt::black) : QColor(192, 192, 192));
    label->setPalette(palette);
}

void setListEnabled(LookupList *list, QLabel *label, bool enabled)
{
    list->setListEnabled(enabled);
    setLabelEnabledLook(label, enabled);
}

} // namespace kvartson
