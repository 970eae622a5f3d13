#include "app/windows.h"

#include "app/mainwindow.h"
#include "catalogue/catalogueeditor.h"

#include <QDialog>

namespace kvartson {

namespace {

// A window whose contents arrive with a later part of the program: it already
// has its name, caption and size.
void plainWindow(MainWindow *main, const char *name, const QString &caption, int width, int height)
{
    auto *dialog = new QDialog(main);
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
    dialog->resize(width, height);
}

} // namespace

void createDialogs(MainWindow *main)
{
    new CatalogueEditor(main);
    plainWindow(main, "f_userplate", QStringLiteral("Редактирование плиты"), 520, 200);
    plainWindow(main, "f_report", QStringLiteral("Спецификация"), 833, 675);
    plainWindow(main, "f_uservalve", QStringLiteral("Редактирование распределителей"), 520, 260);
    plainWindow(main, "f_drow", QStringLiteral("Габаритный чертеж"), 928, 653);
    plainWindow(main, "f_ad", QStringLiteral("Добавление спецификации"), 322, 231);
}

} // namespace kvartson
