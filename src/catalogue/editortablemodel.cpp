#include "catalogue/editortablemodel.h"

#include "app/numbers.h"
#include "catalogue/catalogueerror.h"

#include <QLocale>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <limits>

namespace kvartson {

const std::array<EditorTableModel::ColumnInfo, EditorTableModel::ColumnCount> &EditorTableModel::columns()
{
    static const std::array<ColumnInfo, ColumnCount> list{{
        {"id_type", "Тип", 43},
        {"brand", "Производитель", 86},
        {"code", "Код", 405},
        {"description", "Описание", 359},
        {"euro", "Цена евро", 0},
        {"stock", "Склад", 0},
    }};
    return list;
}

EditorTableModel::EditorTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString EditorTableModel::quoted(const QString &identifier) const
{
    return m_db.driver()->escapeIdentifier(identifier, QSqlDriver::FieldName);
}

QString EditorTableModel::selectList() const
{
    QStringList names{QStringLiteral("rowid")};
    for (int column = 0; column < ColumnCount; ++column) {
        if (m_present[column])
            names << quoted(QLatin1String(columns()[column].field));
    }
    return names.join(QStringLiteral(", "));
}

void EditorTableModel::load(const QSqlDatabase &db, const QString &table)
{
    beginResetModel();
    m_db = db;
    m_table = table;
    m_rows.clear();
    m_editRow = -1;
    m_inserting = false;
    const QSqlRecord record = db.record(table);
    for (int column = 0; column < ColumnCount; ++column) {
        const int field = record.indexOf(QLatin1String(columns()[column].field));
        m_present[column] = field >= 0;
        m_types[column] = field >= 0 ? QMetaType::Type(record.field(field).metaType().id()) : QMetaType::UnknownType;
    }
    // No ORDER BY: the editor shows the table in its own order.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2")
                        .arg(selectList(), m_db.driver()->escapeIdentifier(table, QSqlDriver::TableName)))) {
        const QSqlError error = query.lastError();
        m_table.clear();
        endResetModel();
        throw CatalogueError(error);
    }
    while (query.next()) {
        Row row;
        row.rowId = query.value(0);
        int field = 1;
        for (int column = 0; column < ColumnCount; ++column) {
            if (m_present[column])
                row.values[column] = query.value(field++);
        }
        m_rows << row;
    }
    endResetModel();
}

void EditorTableModel::clear()
{
    beginResetModel();
    // The catalogue removes its connection at the end; no copy may outlive it.
    m_db = QSqlDatabase();
    m_table.clear();
    m_rows.clear();
    m_editRow = -1;
    m_inserting = false;
    m_present.fill(false);
    endResetModel();
}

bool EditorTableModel::hasField(int column) const
{
    return column >= 0 && column < ColumnCount && m_present[column];
}

bool EditorTableModel::hasPendingChanges() const
{
    return isEditing() && std::find(m_changed.begin(), m_changed.end(), true) != m_changed.end();
}

bool EditorTableModel::isNumeric(int column) const
{
    switch (m_types[column]) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

int EditorTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EditorTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EditorTableModel::shownValue(int row, int column) const
{
    if (row == m_editRow && m_changed[column])
        return m_pending[column];
    return m_rows[row].values[column];
}

QVariant EditorTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || !m_present[index.column()])
        return QVariant();
    const int column = index.column();
    const QVariant value = shownValue(index.row(), column);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == Stock)
            return QVariant();
        if (value.isNull())
            return QString();
        if (value.userType() == QMetaType::Double)
            return Numbers::show(value.toDouble());
        return value.toString();
    case Qt::CheckStateRole:
        if (column != Stock)
            return QVariant();
        return value.toInt() != 0 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        if (isNumeric(column))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

bool EditorTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || !m_present[index.column()])
        return false;
    const int row = index.row();
    const int column = index.column();
    if (m_editRow >= 0 && m_editRow != row)
        return false;
    QVariant newValue;
    if (column == Stock) {
        if (role != Qt::CheckStateRole)
            return false;
        newValue = value.toInt() == Qt::Checked ? 1 : 0;
        if (shownValue(row, column) == newValue)
            return true;
    } else {
        if (role != Qt::EditRole)
            return false;
        if (data(index, Qt::EditRole).toString() == value.toString())
            return true;
        newValue = value.toString();
    }
    if (m_editRow < 0) {
        m_editRow = row;
        m_changed.fill(false);
        m_pending.fill(QVariant());
        emit headerDataChanged(Qt::Vertical, row, row);
    }
    m_pending[column] = newValue;
    m_changed[column] = true;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags EditorTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_present[index.column()])
        return result;
    if (index.column() == Stock)
        return result | Qt::ItemIsUserCheckable;
    return result | Qt::ItemIsEditable;
}

QVariant EditorTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= ColumnCount)
            return QVariant();
        if (role == Qt::DisplayRole)
            return QString::fromUtf8(columns()[section].title);
        if (role == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignCenter);
        return QVariant();
    }
    // The row indicator: a new row and a changed, not yet stored row.
    if (role == Qt::DisplayRole)
        return section == m_editRow ? QString(m_inserting ? QStringLiteral("*") : QStringLiteral("✎")) : QString();
    return QVariant();
}

int EditorTableModel::appendRow()
{
    if (isEditing())
        store();
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows << Row{};
    m_editRow = row;
    m_inserting = true;
    m_changed.fill(false);
    m_pending.fill(QVariant());
    endInsertRows();
    emit headerDataChanged(Qt::Vertical, row, row);
    return row;
}

QVariant EditorTableModel::valueToStore(int column, const QVariant &value) const
{
    if (value.userType() != QMetaType::QString)
        return value;
    const QString text = value.toString();
    if (!isNumeric(column))
        return text.isEmpty() ? QVariant() : QVariant(text);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QVariant();
    if (m_types[column] == QMetaType::Double) {
        // A typed full stop counts as the decimal separator.
        QString localised = trimmed;
        localised.replace(QLatin1Char('.'), QLocale().decimalPoint());
        try {
            return Numbers::read(localised);
        } catch (const UserError &) {
            throw UserError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
    bool ok = false;
    const qlonglong number = trimmed.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        throw UserError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return number;
}

EditorTableModel::Row EditorTableModel::readRow(const QVariant &rowId) const
{
    QSqlQuery query(m_db);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                           .arg(selectList(), m_db.driver()->escapeIdentifier(m_table, QSqlDriver::TableName))))
        throw CatalogueError(query.lastError());
    query.addBindValue(rowId);
    if (!query.exec())
        throw CatalogueError(query.lastError());
    Row row;
    row.rowId = rowId;
    if (query.next()) {
        int field = 1;
        for (int column = 0; column < ColumnCount; ++column) {
            if (m_present[column])
                row.values[column] = query.value(field++);
        }
    }
    return row;
}

void EditorTableModel::store()
{
    if (!isEditing())
        return;
    QStringList names;
    QVariantList values;
    for (int column = 0; column < ColumnCount; ++column) {
        if (!m_changed[column])
            continue;
        names << quoted(QLatin1String(columns()[column].field));
        values << valueToStore(column, m_pending[column]);
    }
    if (names.isEmpty()) {
        // Leaving a row that was never typed into stores nothing.
        if (m_inserting)
            cancel();
        else
            endEditing();
        return;
    }
    const QString table = m_db.driver()->escapeIdentifier(m_table, QSqlDriver::TableName);
    QSqlQuery query(m_db);
    QVariant rowId = m_rows[m_editRow].rowId;
    if (m_inserting) {
        QStringList marks;
        for (int i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
            throw CatalogueError(query.lastError());
    } else {
        QStringList sets;
        for (const QString &name : std::as_const(names))
            sets << name + QStringLiteral(" = ?");
        if (!query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, sets.join(QStringLiteral(", ")))))
            throw CatalogueError(query.lastError());
    }
    for (const QVariant &value : std::as_const(values))
        query.addBindValue(value);
    if (!m_inserting)
        query.addBindValue(rowId);
    if (!query.exec())
        throw CatalogueError(query.lastError());
    if (m_inserting) {
        rowId = query.lastInsertId();
    } else if (query.numRowsAffected() == 0) {
        throw CatalogueError(QStringLiteral("Row cannot be located for updating. "
                                            "Some values may have been changed since it was last read"));
    }
    const int row = m_editRow;
    m_rows[row] = readRow(rowId);
    endEditing();
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void EditorTableModel::endEditing()
{
    const int row = m_editRow;
    m_editRow = -1;
    m_inserting = false;
    m_changed.fill(false);
    m_pending.fill(QVariant());
    if (row >= 0) {
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    }
}

void EditorTableModel::cancel()
{
    if (!isEditing())
        return;
    if (m_inserting) {
        const int row = m_editRow;
        m_editRow = -1;
        m_inserting = false;
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.removeAt(row);
        endRemoveRows();
        return;
    }
    endEditing();
}

void EditorTableModel::removeRowNow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    if (row == m_editRow) {
        if (m_inserting) {
            cancel();
            return;
        }
        endEditing();
    } else if (isEditing()) {
        store();
    }
    QSqlQuery query(m_db);
    if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?")
                           .arg(m_db.driver()->escapeIdentifier(m_table, QSqlDriver::TableName))))
        throw CatalogueError(query.lastError());
    query.addBindValue(m_rows[row].rowId);
    if (!query.exec())
        throw CatalogueError(query.lastError());
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

} // namespace kvartson
