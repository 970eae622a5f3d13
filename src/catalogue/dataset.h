#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QString>
#include <QVariant>

namespace kvartson {

struct SortColumn
{
    QString column;
    bool descending = false;
};

// A live, sorted and optionally filtered view of one catalogue table or view,
// with a current row. A dataset may follow a master dataset: it then shows only
// the rows whose first order column equals the master's column in the master's
// current row, and re-reads itself, moving to its first row, whenever the
// master's current row changes.
//
// Rows of a table (not of a view) can be appended, edited and deleted; every
// value goes into the database as a bound parameter.
class Dataset : public QObject
{
    Q_OBJECT

public:
    // The hidden column that identifies a row of a table for updates.
    static constexpr const char *RowIdColumn = "_rowid";

    Dataset(const QString &name, const QSqlDatabase &db, QObject *parent = nullptr);

    QString name() const { return objectName(); }

    QString table() const { return m_table; }
    void setTable(const QString &table); // only while closed
    QList<SortColumn> order() const { return m_order; }
    void setOrder(const QList<SortColumn> &order);
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter); // re-reads an open dataset
    void setMaster(Dataset *master, const QString &masterColumn);
    // The columns the program reads; opening fails when the table lacks one.
    void setDeclaredColumns(const QStringList &columns) { m_declared = columns; }
    Dataset *master() const { return m_master; }

    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Re-reads the rows and moves to the first; a pending edit is stored first.
    void requery();

    int count() const;
    bool isEmpty() const { return count() == 0; }
    int currentRow() const { return m_row; }
    void setCurrentRow(int row);
    void first();
    void next();
    void last();
    bool atEnd() const;
    // First row whose column equals the value (texts compared without letter
    // case when caseInsensitive), or -1.
    int findRow(const QString &column, const QVariant &value, bool caseInsensitive = false) const;

    QVariant value(const QString &column) const;
    QVariant valueAt(int row, const QString &column) const;
    QString text(const QString &column) const;
    int integer(const QString &column) const;
    double real(const QString &column) const;
    bool boolean(const QString &column) const;
    int columnIndex(const QString &column) const;

    void append();
    void edit();
    void setValue(const QString &column, const QVariant &value);
    void post();
    void cancel();
    bool isEditing() const { return m_state != State::Browse; }
    void remove();
    void removeAll();

    QSqlQueryModel *model() { return &m_model; }
    const QSqlQueryModel *model() const { return &m_model; }

signals:
    void currentRowChanged();
    void openedOrClosed();

private:
    enum class State { Browse, Edit, Insert };

    void select();
    void reselectAt(const QVariant &rowId);
    void onMasterRowChanged();
    void requireOpen() const;
    void requireTable() const;
    QString quoted(const QString &identifier) const;
    QString selectStatement() const;
    QVariant masterValue() const;

    QSqlDatabase m_db;
    QString m_table;
    QList<SortColumn> m_order;
    QString m_filter;
    QStringList m_declared;
    QPointer<Dataset> m_master;
    QString m_masterColumn;
    bool m_open = false;
    bool m_isView = false;
    int m_row = -1;
    bool m_eof = false;
    State m_state = State::Browse;
    QHash<QString, QVariant> m_pending;
    QSqlQueryModel m_model;
};

} // namespace kvartson
