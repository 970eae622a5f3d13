#include "catalogue/dataset.h"

#include "catalogue/catalogueerror.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kvartson {

Dataset::Dataset(const QString &name, const QSqlDatabase &db, QObject *parent)
    : QObject(parent), m_db(db), m_table(name)
{
    setObjectName(name);
}

void Dataset::setTable(const QString &table)
{
    if (m_open)
        throw CatalogueError(QStringLiteral("Cannot change the table of the open dataset %1").arg(name()));
    m_table = table;
}

void Dataset::setOrder(const QList<SortColumn> &order)
{
    m_order = order;
}

void Dataset::setFilter(const QString &filter)
{
    m_filter = filter;
    if (m_open) {
        select();
        first();
    }
}

void Dataset::setMaster(Dataset *master, const QString &masterColumn)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterColumn = masterColumn;
    if (m_master)
        connect(m_master, &Dataset::currentRowChanged, this, &Dataset::onMasterRowChanged);
}

QString Dataset::quoted(const QString &identifier) const
{
    return m_db.driver()->escapeIdentifier(identifier, QSqlDriver::TableName);
}

QVariant Dataset::masterValue() const
{
    if (!m_master || !m_master->isOpen() || m_master->currentRow() < 0)
        return QVariant();
    return m_master->value(m_masterColumn);
}

QString Dataset::selectStatement() const
{
    QString sql = QStringLiteral("SELECT *");
    if (!m_isView)
        sql += QStringLiteral(", rowid AS ") + QLatin1String(RowIdColumn);
    sql += QStringLiteral(" FROM ") + quoted(m_table);
    QStringList conditions;
    if (!m_filter.isEmpty())
        conditions << QLatin1Char('(') + m_filter + QLatin1Char(')');
    if (m_master && !m_order.isEmpty())
        conditions << quoted(m_order.first().column) + QStringLiteral(" = :master");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    if (!m_order.isEmpty()) {
        QStringList terms;
        for (const SortColumn &sort : m_order)
            terms << quoted(sort.column) + (sort.descending ? QStringLiteral(" DESC") : QString());
        // Rows that sort alike keep the table's own order.
        terms << (m_isView ? quoted(QStringLiteral("id")) : QStringLiteral("rowid"));
        sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
    }
    return sql;
}

void Dataset::select()
{
    QSqlQuery query(m_db);
    query.setForwardOnly(false);
    if (!query.prepare(selectStatement()))
        throw CatalogueError(query.lastError());
    if (m_master && !m_order.isEmpty())
        query.bindValue(QStringLiteral(":master"), masterValue());
    if (!query.exec())
        throw CatalogueError(query.lastError());
    m_model.setQuery(std::move(query));
    if (m_model.lastError().isValid())
        throw CatalogueError(m_model.lastError());
    while (m_model.canFetchMore())
        m_model.fetchMore();
    m_state = State::Browse;
    m_pending.clear();
}

void Dataset::open()
{
    if (m_open)
        return;
    requireTable();
    QSqlQuery kind(m_db);
    if (!kind.prepare(QStringLiteral("SELECT type FROM sqlite_master WHERE name = :name COLLATE NOCASE"))
        || (kind.bindValue(QStringLiteral(":name"), m_table), !kind.exec()))
        throw CatalogueError(kind.lastError());
    m_isView = kind.next() && kind.value(0).toString() == QLatin1String("view");
    select();
    for (const QString &column : std::as_const(m_declared)) {
        if (columnIndex(column) < 0) {
            m_model.clear();
            throw CatalogueError(QStringLiteral("%1: Field '%2' not found").arg(name(), column));
        }
    }
    m_open = true;
    emit openedOrClosed();
    first();
}

void Dataset::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_state = State::Browse;
    m_pending.clear();
    m_model.clear();
    m_row = -1;
    m_eof = false;
    emit openedOrClosed();
}

void Dataset::requery()
{
    requireOpen();
    if (isEditing())
        post();
    select();
    first();
}

void Dataset::requireOpen() const
{
    if (!m_open)
        throw CatalogueError(QStringLiteral("Dataset %1: cannot perform this operation on a closed dataset").arg(name()));
}

void Dataset::requireTable() const
{
    if (m_table.isEmpty())
        throw CatalogueError(QStringLiteral("Dataset %1 has no table").arg(name()));
}

int Dataset::count() const
{
    return m_open ? m_model.rowCount() : 0;
}

void Dataset::setCurrentRow(int row)
{
    requireOpen();
    if (isEditing())
        post();
    const int target = (row >= 0 && row < count()) ? row : (count() > 0 ? 0 : -1);
    m_eof = count() == 0;
    if (target == m_row && row == target)
        return;
    m_row = target;
    emit currentRowChanged();
}

void Dataset::first()
{
    requireOpen();
    if (isEditing())
        post();
    m_row = count() > 0 ? 0 : -1;
    m_eof = count() == 0;
    emit currentRowChanged();
}

void Dataset::next()
{
    requireOpen();
    if (isEditing())
        post();
    if (m_row + 1 < count()) {
        ++m_row;
        emit currentRowChanged();
    } else {
        m_eof = true;
    }
}

void Dataset::last()
{
    requireOpen();
    if (isEditing())
        post();
    m_row = count() - 1;
    m_eof = count() == 0;
    emit currentRowChanged();
}

bool Dataset::atEnd() const
{
    return !m_open || count() == 0 || m_eof;
}

int Dataset::findRow(const QString &column, const QVariant &value, bool caseInsensitive) const
{
    const int col = columnIndex(column);
    if (col < 0 || !m_open)
        return -1;
    const QString wanted = value.toString();
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const QVariant cell = m_model.record(row).value(col);
        if (caseInsensitive) {
            if (cell.toString().compare(wanted, Qt::CaseInsensitive) == 0)
                return row;
        } else if (!cell.isNull() && cell == value) {
            return row;
        } else if (!cell.isNull() && cell.toString() == wanted && !wanted.isEmpty()) {
            return row;
        }
    }
    return -1;
}

int Dataset::columnIndex(const QString &column) const
{
    return m_model.record().indexOf(column);
}

QVariant Dataset::valueAt(int row, const QString &column) const
{
    if (!m_open || row < 0 || row >= m_model.rowCount())
        return QVariant();
    const int col = columnIndex(column);
    if (col < 0)
        throw CatalogueError(QStringLiteral("%1: Field '%2' not found").arg(name(), column));
    return m_model.record(row).value(col);
}

QVariant Dataset::value(const QString &column) const
{
    if (m_state != State::Browse && m_pending.contains(column))
        return m_pending.value(column);
    if (m_state == State::Insert) {
        if (m_open && columnIndex(column) < 0)
            throw CatalogueError(QStringLiteral("%1: Field '%2' not found").arg(name(), column));
        return QVariant();
    }
    if (m_open && columnIndex(column) < 0)
        throw CatalogueError(QStringLiteral("%1: Field '%2' not found").arg(name(), column));
    return valueAt(m_row, column);
}

QString Dataset::text(const QString &column) const
{
    return value(column).toString();
}

int Dataset::integer(const QString &column) const
{
    return value(column).toInt();
}

double Dataset::real(const QString &column) const
{
    return value(column).toDouble();
}

bool Dataset::boolean(const QString &column) const
{
    return value(column).toInt() != 0;
}

void Dataset::append()
{
    requireOpen();
    if (m_isView)
        throw CatalogueError(QStringLiteral("%1: Cannot modify a read-only dataset").arg(name()));
    if (isEditing())
        post();
    m_state = State::Insert;
    m_pending.clear();
}

void Dataset::edit()
{
    requireOpen();
    if (m_isView)
        throw CatalogueError(QStringLiteral("%1: Cannot modify a read-only dataset").arg(name()));
    if (m_state != State::Browse)
        return;
    if (m_row < 0)
        throw CatalogueError(QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(name()));
    m_state = State::Edit;
    m_pending.clear();
}

void Dataset::setValue(const QString &column, const QVariant &value)
{
    if (m_state == State::Browse)
        throw CatalogueError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(name()));
    if (columnIndex(column) < 0 || column == QLatin1String(RowIdColumn))
        throw CatalogueError(QStringLiteral("%1: Field '%2' not found").arg(name(), column));
    m_pending.insert(column, value);
}

void Dataset::post()
{
    if (m_state == State::Browse)
        return;
    QSqlQuery query(m_db);
    const QStringList columns = m_pending.keys();
    QVariant rowId;
    if (m_state == State::Insert) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table));
        } else {
            QStringList names, marks;
            for (const QString &column : columns) {
                names << quoted(column);
                marks << QStringLiteral("?");
            }
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(m_table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        if (!query.prepare(sql))
            throw CatalogueError(query.lastError());
        for (const QString &column : columns)
            query.addBindValue(m_pending.value(column));
        if (!query.exec())
            throw CatalogueError(query.lastError());
        rowId = query.lastInsertId();
    } else {
        rowId = valueAt(m_row, QLatin1String(RowIdColumn));
        if (!columns.isEmpty()) {
            QStringList sets;
            for (const QString &column : columns)
                sets << quoted(column) + QStringLiteral(" = ?");
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                    .arg(quoted(m_table), sets.join(QStringLiteral(", ")));
            if (!query.prepare(sql))
                throw CatalogueError(query.lastError());
            for (const QString &column : columns)
                query.addBindValue(m_pending.value(column));
            query.addBindValue(rowId);
            if (!query.exec())
                throw CatalogueError(query.lastError());
        }
    }
    m_state = State::Browse;
    m_pending.clear();
    reselectAt(rowId);
}

void Dataset::reselectAt(const QVariant &rowId)
{
    select();
    const int row = findRow(QLatin1String(RowIdColumn), rowId);
    m_row = row >= 0 ? row : (count() > 0 ? qMin(qMax(m_row, 0), count() - 1) : -1);
    m_eof = count() == 0;
    emit currentRowChanged();
}

void Dataset::cancel()
{
    m_state = State::Browse;
    m_pending.clear();
}

void Dataset::remove()
{
    requireOpen();
    if (m_isView)
        throw CatalogueError(QStringLiteral("%1: Cannot modify a read-only dataset").arg(name()));
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_row < 0)
        throw CatalogueError(QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(name()));
    QSqlQuery query(m_db);
    if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(m_table))))
        throw CatalogueError(query.lastError());
    query.addBindValue(valueAt(m_row, QLatin1String(RowIdColumn)));
    if (!query.exec())
        throw CatalogueError(query.lastError());
    const int previous = m_row;
    select();
    m_row = count() > 0 ? qMin(previous, count() - 1) : -1;
    m_eof = count() == 0;
    emit currentRowChanged();
}

void Dataset::removeAll()
{
    requireOpen();
    cancel();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("DELETE FROM %1").arg(quoted(m_table))))
        throw CatalogueError(query.lastError());
    select();
    first();
}

void Dataset::onMasterRowChanged()
{
    if (!m_open)
        return;
    select();
    first();
}

} // namespace kvartson
