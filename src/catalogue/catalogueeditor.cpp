#include "catalogue/catalogueeditor.h"

#include "app/mainwindow.h"

namespace kvartson {

CatalogueEditor::CatalogueEditor(MainWindow *main)
    : QDialog(main)
{
    setObjectName(QStringLiteral("f_edit"));
    setWindowTitle(QStringLiteral("Редактирование базы данных"));
    setModal(true);
    resize(1305, 675);
}

} // namespace kvartson
