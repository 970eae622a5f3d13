#include "catalogue/catalogue.h"

#include "catalogue/catalogueerror.h"
#include "catalogue/sqlscript.h"

#include <QFile>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

namespace kvartson {

namespace {

const SortColumn byIdType{QStringLiteral("id_type")};
const SortColumn stockFirst{QStringLiteral("stock"), true};

QSqlDatabase createConnection(const QString &connectionName, const QString &filePath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(filePath);
    if (!db.open())
        throw CatalogueError(db.lastError());
    return db;
}

} // namespace

Catalogue::Catalogue(QObject *parent)
    : QObject(parent),
      m_connectionName(QStringLiteral("catalogue-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    defineDatasets();
}

Catalogue::~Catalogue()
{
    for (Dataset *dataset : std::as_const(m_ordered))
        dataset->close();
    qDeleteAll(m_ordered);
    m_ordered.clear();
    m_datasets.clear();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

Dataset *Catalogue::add(const QString &name, const QString &table, const QStringList &columns,
                        const QList<SortColumn> &order, const QString &filter)
{
    auto *dataset = new Dataset(name, m_db);
    dataset->setTable(table);
    dataset->setDeclaredColumns(columns);
    dataset->setOrder(order);
    dataset->setFilter(filter);
    m_datasets.insert(name, dataset);
    m_ordered << dataset;
    return dataset;
}

void Catalogue::follow(const QString &detail, const QString &master, const QString &masterColumn)
{
    dataset(detail)->setMaster(dataset(master), masterColumn);
}

void Catalogue::defineDatasets()
{
    // The columns each dataset reads: a catalogue lacking one fails to open.
    const QStringList component{QStringLiteral("id"), QStringLiteral("id_type"), QStringLiteral("brand"),
                                QStringLiteral("code"), QStringLiteral("description"), QStringLiteral("euro"),
                                QStringLiteral("stock")};
    const auto with = [&component](std::initializer_list<const char *> extra) {
        QStringList columns = component;
        for (const char *column : extra)
            columns << QLatin1String(column);
        return columns;
    };
    const auto only = [](std::initializer_list<const char *> names) {
        QStringList columns;
        for (const char *column : names)
            columns << QLatin1String(column);
        return columns;
    };
    const QStringList motor = with({"rpm", "pow", "dimid"});
    const QStringList starter = only({"id", "id_starter", "code", "description", "euro", "brand", "stock"});
    const QStringList gauge = with({"kol"});
    const QStringList plate = with({"idbrand"});
    const QStringList scratch = only({"id_type", "brand", "code", "description", "euro", "stock", "kol", "id"});

    add(QStringLiteral("motortype"), QStringLiteral("motortype"), only({"id", "type", "tok"}));
    add(QStringLiteral("motor"), QStringLiteral("motor"), motor, {byIdType, stockFirst});
    add(QStringLiteral("motors"), QStringLiteral("motor"), motor, {{QStringLiteral("description")}});
    add(QStringLiteral("starter"), QStringLiteral("starter"), starter, {{QStringLiteral("id_starter")}, stockFirst});
    add(QStringLiteral("cable"), QStringLiteral("starter"), starter, {{QStringLiteral("id_starter")}, stockFirst},
        QStringLiteral("id_starter=0"));
    add(QStringLiteral("pumptype"), QStringLiteral("pumptype"), only({"id", "type", "description"}));
    add(QStringLiteral("pump"), QStringLiteral("pump"), with({"vol"}), {byIdType, stockFirst});
    add(QStringLiteral("block"), QStringLiteral("block1"), with({"pop"}), {byIdType});
    add(QStringLiteral("poppet"), QStringLiteral("poppet"), component, {stockFirst});
    add(QStringLiteral("coil"), QStringLiteral("coil"), with({"volt"}), {stockFirst});
    add(QStringLiteral("socket"), QStringLiteral("socket"), with({"volt"}), {{QStringLiteral("volt")}});
    add(QStringLiteral("tanktype"), QStringLiteral("tanktype"), only({"id", "type"}));
    add(QStringLiteral("tank"), QStringLiteral("tank"), with({"gid", "dimid", "vol"}), {byIdType, {QStringLiteral("vol")}});
    add(QStringLiteral("gorl"), QStringLiteral("gorl"), component, {byIdType});
    add(QStringLiteral("bracket"), QStringLiteral("bracket"), component);
    add(QStringLiteral("flow"), QStringLiteral("flow"), component);
    add(QStringLiteral("plastic"), QStringLiteral("plastic"), component);
    add(QStringLiteral("filter"), QStringLiteral("filter"), component, {}, QStringLiteral("id_type=0"));
    add(QStringLiteral("sfilter"), QStringLiteral("sfilter"), component);
    add(QStringLiteral("plug"), QStringLiteral("plug"), component, {byIdType});
    add(QStringLiteral("coupling"), QStringLiteral("coupling"), component, {byIdType});
    add(QStringLiteral("control"), QStringLiteral("control"), component, {stockFirst}, QStringLiteral("id_type=0"));
    add(QStringLiteral("manometr"), QStringLiteral("manometr"), gauge, {}, QStringLiteral("id_type=1"));
    add(QStringLiteral("adapter"), QStringLiteral("manometr"), gauge);
    add(QStringLiteral("subplate"), QStringLiteral("subplate"), plate, {stockFirst});
    add(QStringLiteral("a1plate"), QStringLiteral("subplateall"), plate, {byIdType});
    add(QStringLiteral("iniplate"), QStringLiteral("subplateall"), plate, {{QStringLiteral("id")}});
    add(QStringLiteral("valve"), QStringLiteral("valve"), with({"spooll", "spoold", "spool"}),
        {stockFirst, {QStringLiteral("spool")}});
    add(QStringLiteral("inivalve"), QStringLiteral("valveall"), with({"spool", "volt", "spooll", "spoold"}),
        {{QStringLiteral("id")}});
    add(QStringLiteral("v_brand"), QStringLiteral("v_brand"), only({"id", "brand"}));
    add(QStringLiteral("v_volt"), QStringLiteral("v_volt"), only({"id", "volt", "tex"}));
    add(QStringLiteral("vv_brand"), QStringLiteral("vv_brand"), only({"id", "brand"}));
    add(QStringLiteral("vv_volt"), QStringLiteral("vv_volt"), only({"id", "volt"}));
    add(QStringLiteral("v_spool"), QStringLiteral("v_spool"), only({"id", "spool"}));
    add(QStringLiteral("userplate"), QStringLiteral("userplate"), scratch);
    add(QStringLiteral("uservalve"), QStringLiteral("uservalve"), scratch + only({"volt", "id_code"}));
    add(QStringLiteral("report"), QStringLiteral("report"),
        only({"n", "description", "code", "kol", "cena", "summa", "cenap"}));
    // The editor's dataset takes whatever columns its table has.
    add(QStringLiteral("edit"), QStringLiteral("motor"), {});

    follow(QStringLiteral("motor"), QStringLiteral("motortype"), QStringLiteral("id"));
    follow(QStringLiteral("starter"), QStringLiteral("motortype"), QStringLiteral("id"));
    follow(QStringLiteral("coupling"), QStringLiteral("motortype"), QStringLiteral("tok"));
    follow(QStringLiteral("a1plate"), QStringLiteral("motortype"), QStringLiteral("tok"));
    follow(QStringLiteral("pump"), QStringLiteral("pumptype"), QStringLiteral("type"));
    follow(QStringLiteral("block"), QStringLiteral("pumptype"), QStringLiteral("type"));
    follow(QStringLiteral("socket"), QStringLiteral("coil"), QStringLiteral("volt"));
    follow(QStringLiteral("tank"), QStringLiteral("tanktype"), QStringLiteral("id"));
    follow(QStringLiteral("gorl"), QStringLiteral("tank"), QStringLiteral("gid"));
}

Dataset *Catalogue::dataset(const QString &name) const
{
    Dataset *found = m_datasets.value(name);
    if (!found)
        throw CatalogueError(QStringLiteral("Unknown dataset %1").arg(name));
    return found;
}

void Catalogue::connectTo(const QString &filePath)
{
    m_db.close();
    if (!QFile::exists(filePath))
        throw CatalogueError(QStringLiteral("unable to open database file: %1").arg(filePath));
    // Opened as a URI in read-write mode so that a missing file is an error
    // instead of a new, empty catalogue.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    m_db.setDatabaseName(QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!m_db.open())
        throw CatalogueError(m_db.lastError());
    // A file that is not a database opens; its first read tells.
    QSqlQuery probe(m_db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QSqlError error = probe.lastError();
        probe = QSqlQuery();
        m_db.close();
        throw CatalogueError(error);
    }
}

double Catalogue::smallestPumpVolumeAtLeast(double displacement) const
{
    QSqlQuery volume(m_db);
    volume.setForwardOnly(true);
    if (!volume.prepare(QStringLiteral("SELECT vol FROM pump WHERE vol >= ? ORDER BY vol LIMIT 1")))
        throw CatalogueError(volume.lastError());
    volume.addBindValue(displacement);
    if (!volume.exec())
        throw CatalogueError(volume.lastError());
    return volume.next() ? volume.value(0).toDouble() : 0.0;
}

void Catalogue::openStartDatasets()
{
    static const char *const firstGroup[] = {
        "motortype", "motor", "motors", "starter", "pumptype", "pump", "block", "tanktype", "tank",
        "bracket", "flow", "plastic", "filter", "gorl", "plug", "coupling", "control"};
    static const char *const secondGroup[] = {
        "poppet", "coil", "socket", "v_spool", "v_brand", "v_volt", "vv_brand", "vv_volt",
        "manometr", "adapter", "uservalve", "cable", "iniplate", "inivalve", "userplate"};
    for (const char *name : firstGroup)
        dataset(QLatin1String(name))->open();
    for (const char *name : secondGroup)
        dataset(QLatin1String(name))->open();
}

void Catalogue::emptyScratchTables()
{
    for (const char *name : {"userplate", "uservalve"}) {
        Dataset *scratch = dataset(QLatin1String(name));
        scratch->open();
        scratch->removeAll();
        scratch->close();
    }
}

void Catalogue::createFile(const QString &filePath, const QStringList &rowScripts)
{
    if (QFile::exists(filePath))
        throw CatalogueError(QStringLiteral("%1 exists already").arg(filePath));
    const QString connectionName = QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = createConnection(connectionName, filePath);
        try {
            SqlScript::run(db, SqlScript::schema());
            for (const QString &script : rowScripts)
                SqlScript::runFile(db, script);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName);
            QFile::remove(filePath);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace kvartson
