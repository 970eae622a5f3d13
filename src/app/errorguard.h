#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace kvartson {

// No exception may cross Qt's event loop: every handler body runs inside
// guarded(), which shows a failure in the program's error box and returns.
// A nested handler has its own guard, so its failure stops only itself.
void showError(QWidget *parent, const QString &message);
void showCurrentException(QWidget *parent);

template<typename Body>
bool guarded(QWidget *parent, Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        showCurrentException(parent);
        return false;
    }
}

} // namespace kvartson
