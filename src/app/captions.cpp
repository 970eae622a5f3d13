#include "app/captions.h"

#include <QGroupBox>

namespace kvartson {

void makeCaptionBold(QGroupBox *group)
{
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    for (QWidget *child : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QFont regular = child->font();
        regular.setBold(false);
        child->setFont(regular);
    }
}

} // namespace kvartson
