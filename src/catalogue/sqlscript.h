#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace kvartson {

// Runs a script of SQL statements, each ending with a semicolon at the end of
// a line. The schema and the demo catalogue's rows are such scripts.
class SqlScript
{
public:
    static QStringList statements(const QString &script);
    // Runs every statement inside one transaction; throws CatalogueError with the
    // failing statement's driver text and rolls back on the first failure.
    static void run(QSqlDatabase db, const QString &script);
    static void runFile(QSqlDatabase db, const QString &path);
    // The catalogue's schema, compiled into the program.
    static QString schema();
};

} // namespace kvartson
