#pragma once

#include <QString>

class QWidget;

namespace kvartson {

// Asks for the catalogue password in a small modal box centred on the screen:
// every typed character shows as "*", at most 255 characters, "OK" (Enter)
// and "Отмена" (Esc). Returns the typed text, or an empty text when the box
// is cancelled.
QString askCataloguePassword(QWidget *parent);

} // namespace kvartson
