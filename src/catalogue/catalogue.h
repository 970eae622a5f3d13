#pragma once

#include "catalogue/dataset.h"

#include <QMap>
#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace kvartson {

// The catalogue database: one connection to Data/data.sqlite and every dataset
// of the program, each named after its table as the rest of the program knows it.
class Catalogue : public QObject
{
    Q_OBJECT

public:
    explicit Catalogue(QObject *parent = nullptr);
    ~Catalogue() override;

    // Connects to an existing catalogue file; never creates one. Throws
    // CatalogueError with the driver's text.
    void connectTo(const QString &filePath);
    QSqlDatabase database() const { return m_db; }

    // Opens the datasets the program keeps open from start, in start-up order.
    void openStartDatasets();
    // Empties the scratch tables userplate and uservalve and leaves them closed.
    void emptyScratchTables();

    Dataset *dataset(const QString &name) const;

    // The volume query: the smallest pump displacement of the catalogue that
    // is at least the given one, or 0 when no pump is that large.
    double smallestPumpVolumeAtLeast(double displacement) const;
    QList<Dataset *> datasets() const { return m_ordered; }

    // Creates a new catalogue file with the program's schema (for demo
    // catalogues and test fixtures). Fails if the file exists.
    static void createFile(const QString &filePath, const QStringList &rowScripts = {});

private:
    Dataset *add(const QString &name, const QString &table, const QStringList &columns,
                 const QList<SortColumn> &order = {}, const QString &filter = {});
    void follow(const QString &detail, const QString &master, const QString &masterColumn);
    void defineDatasets();

    QString m_connectionName;
    QSqlDatabase m_db;
    QMap<QString, Dataset *> m_datasets;
    QList<Dataset *> m_ordered;
};

} // namespace kvartson
