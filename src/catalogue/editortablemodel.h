#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QMetaType>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <array>

namespace kvartson {

// The six component columns of one catalogue table, as the catalogue editor
// shows them, with one row in editing at a time. An edited or new row is only
// written when store() is called (the grid calls it when the user leaves the
// row), so a refused row keeps what the user typed until it is corrected or
// cancelled. A column the table lacks stays empty and read-only.
class EditorTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { IdType, Brand, Code, Description, Euro, Stock, ColumnCount };

    struct ColumnInfo
    {
        const char *field;
        const char *title;
        int width; // 0: the grid's default
    };
    static const std::array<ColumnInfo, ColumnCount> &columns();

    explicit EditorTableModel(QObject *parent = nullptr);

    // Reads the whole table in its own order. Throws CatalogueError.
    void load(const QSqlDatabase &db, const QString &table);
    // Forgets the table and any pending edit without writing it.
    void clear();
    QString table() const { return m_table; }
    bool hasField(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    bool isEditing() const { return m_editRow >= 0; }
    int editingRow() const { return m_editRow; }
    bool isInserting() const { return m_inserting; }
    // Whether the row in editing holds anything typed.
    bool hasPendingChanges() const;
    bool isNumeric(int column) const;

    // Adds an empty row at the end and puts it in editing; a pending edit must
    // have been stored first. Returns the new row.
    int appendRow();
    // Writes the row in editing; a new row gets its id from the database.
    // Throws CatalogueError (or UserError for text in a number column) and
    // leaves the row in editing.
    void store();
    // Drops the pending edit; a new row disappears.
    void cancel();
    // Deletes the row from the table at once. Throws CatalogueError.
    void removeRowNow(int row);

private:
    struct Row
    {
        QVariant rowId; // null for a row not yet stored
        std::array<QVariant, ColumnCount> values;
    };

    QVariant shownValue(int row, int column) const;
    QVariant valueToStore(int column, const QVariant &value) const;
    Row readRow(const QVariant &rowId) const;
    QString selectList() const;
    QString quoted(const QString &identifier) const;
    void endEditing();

    QSqlDatabase m_db;
    QString m_table;
    std::array<QMetaType::Type, ColumnCount> m_types{};
    std::array<bool, ColumnCount> m_present{};
    QList<Row> m_rows;
    int m_editRow = -1;
    bool m_inserting = false;
    std::array<QVariant, ColumnCount> m_pending;
    std::array<bool, ColumnCount> m_changed{};
};

} // namespace kvartson
