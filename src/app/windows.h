#pragma once

namespace kvartson {

class MainWindow;

// Creates the six windows that follow the main window, in their fixed order,
// hidden, as children of the main window so that each is centred on it.
void createDialogs(MainWindow *main);

} // namespace kvartson
