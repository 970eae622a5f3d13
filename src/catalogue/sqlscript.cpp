#include "catalogue/sqlscript.h"

#include "catalogue/catalogueerror.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

// Resources of a static library are registered by hand, outside any namespace.
static void initCatalogueResource()
{
    Q_INIT_RESOURCE(catalogue);
}

namespace kvartson {

QStringList SqlScript::statements(const QString &script)
{
    QStringList result;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1String("--")) || (line.isEmpty() && current.isEmpty()))
            continue;
        current += rawLine;
        current += QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            result << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        result << current.trimmed();
    return result;
}

void SqlScript::run(QSqlDatabase db, const QString &script)
{
    if (!db.transaction())
        throw CatalogueError(db.lastError());
    QSqlQuery query(db);
    for (const QString &statement : statements(script)) {
        if (!query.exec(statement)) {
            const QSqlError error = query.lastError();
            db.rollback();
            throw CatalogueError(CatalogueError::textOf(error) + QStringLiteral(" (")
                                 + statement.left(80) + QStringLiteral(")"));
        }
    }
    if (!db.commit())
        throw CatalogueError(db.lastError());
}

void SqlScript::runFile(QSqlDatabase db, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    run(db, QString::fromUtf8(file.readAll()));
}

QString SqlScript::schema()
{
    initCatalogueResource();
    QFile file(QStringLiteral(":/catalogue/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("The catalogue schema is missing from the program"));
    return QString::fromUtf8(file.readAll());
}

} // namespace kvartson
