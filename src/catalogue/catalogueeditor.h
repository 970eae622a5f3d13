#pragma once

#include <QDialog>

namespace kvartson {

class MainWindow;

// The catalogue table editor f_edit.
class CatalogueEditor : public QDialog
{
    Q_OBJECT

public:
    explicit CatalogueEditor(MainWindow *main);
};

} // namespace kvartson
