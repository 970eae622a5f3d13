#pragma once

#include <QSqlError>
#include <QString>
#include <stdexcept>

namespace kvartson {

// An error that is shown to the user as it stands: its text is the message of
// the error box.
class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A failure of the catalogue database, carrying the driver's own text.
class CatalogueError : public UserError
{
public:
    using UserError::UserError;
    explicit CatalogueError(const QSqlError &error)
        : UserError(textOf(error)) {}

    static QString textOf(const QSqlError &error)
    {
        QString text = error.databaseText().trimmed();
        if (text.isEmpty())
            text = error.driverText().trimmed();
        if (text.isEmpty())
            text = error.text().trimmed();
        return text;
    }
};

} // namespace kvartson
