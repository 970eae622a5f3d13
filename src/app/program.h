#pragma once

#include <QObject>
#include <memory>

class QDialog;

namespace kvartson {

class MainWindow;

// The program's windows, created once at start in a fixed order and kept until
// the program ends: the main window first, then the six dialogs it shows.
class Program
{
public:
    Program();
    ~Program();

    // Creates the windows and shows the main window.
    void start();

    MainWindow *mainWindow() const { return m_main.get(); }
    QDialog *window(const char *objectName) const;

private:
    std::unique_ptr<MainWindow> m_main;
};

// Application-wide set-up shared by the program and its tests: fonts,
// translations, the application name.
void setUpApplication();

// The whole program: what main() calls.
int runProgram(int argc, char *argv[]);

} // namespace kvartson
