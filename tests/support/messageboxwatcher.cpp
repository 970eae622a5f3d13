#include "support/messageboxwatcher.h"

#include <QApplication>
#include <QMessageBox>

namespace kvartson::test {

MessageBoxWatcher::MessageBoxWatcher(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxWatcher::poll);
    m_timer.start(20);
}

void MessageBoxWatcher::clear()
{
    m_texts.clear();
    m_titles.clear();
}

void MessageBoxWatcher::poll()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        m_texts << box->text();
        m_titles << box->windowTitle();
        box->done(QMessageBox::Ok);
    }
}

} // namespace kvartson::test
