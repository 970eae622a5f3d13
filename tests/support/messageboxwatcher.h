#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace kvartson::test {

// Answers every message box that opens while it watches: records its text and
// closes it with the given button role, as a user would, so that tests can check
// what the program told the user.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxWatcher(QObject *parent = nullptr);

    QStringList texts() const { return m_texts; }
    QStringList titles() const { return m_titles; }
    void clear();

private:
    void poll();

    QTimer m_timer;
    QStringList m_texts;
    QStringList m_titles;
};

} // namespace kvartson::test
