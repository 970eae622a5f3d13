// The demo catalogue that ships with the program: it must open through the
// program's own datasets and hold every key value the configurator's rules
// test, and its dimension tables must cover every motor and tank.
#include "catalogue/catalogue.h"
#include "catalogue/catalogueerror.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

using kvartson::Catalogue;
using kvartson::Dataset;

namespace {

QString demoDir()
{
    return qEnvironmentVariable("KVARTSON_DEMO_DIR");
}

// Section name -> key -> value, names in lower case, as a Windows
// private-profile reader sees them.
using IniSections = QHash<QString, QHash<QString, QString>>;

IniSections readIni(const QString &path, QString *error)
{
    IniSections sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return sections;
    }
    QString section;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &raw : lines) {
        if (!raw.isEmpty() && !raw.endsWith('\r')) {
            *error = QStringLiteral("line without CR LF: %1").arg(QString::fromLatin1(raw));
            return sections;
        }
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            sections[section];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || section.isEmpty()) {
            *error = QStringLiteral("not a key line: %1").arg(line);
            return sections;
        }
        sections[section].insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1).trimmed());
    }
    return sections;
}

// Every value of one column over all rows of an open dataset.
QList<QVariant> columnValues(Dataset *dataset, const QString &column)
{
    QList<QVariant> values;
    for (int row = 0; row < dataset->count(); ++row)
        values << dataset->valueAt(row, column);
    return values;
}

QSet<int> integerSet(Dataset *dataset, const QString &column)
{
    QSet<int> values;
    for (const QVariant &value : columnValues(dataset, column))
        values.insert(value.toInt());
    return values;
}

} // namespace

class TestDemoCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void everyDatasetOpens_data();
    void everyDatasetOpens();
    void keyValuesTheRulesTest_data();
    void keyValuesTheRulesTest();
    void tank30IsVertical();
    void manometrKinds_data();
    void manometrKinds();
    void detailRowsForEveryMaster_data();
    void detailRowsForEveryMaster();
    void positiveColumns_data();
    void positiveColumns();
    void everyListShowsStockColouring_data();
    void everyListShowsStockColouring();
    void valvesForEveryMakerAndVoltage();
    void valveSchemesFitTheValveView();
    void subplatesKeepTheirIdsInThePlateTable();
    void scratchTablesAndReportAreEmpty_data();
    void scratchTablesAndReportAreEmpty();
    void dimensionKeys_data();
    void dimensionKeys();
    void pictures_data();
    void pictures();

private:
    Dataset *open(const QString &name);
    QSet<int> distinctFromTable(const QString &sql);

    Catalogue *m_catalogue = nullptr;
    QSet<int> m_motorDimids;
    QSet<int> m_tankDimids;
};

void TestDemoCatalogue::initTestCase()
{
    QVERIFY2(!demoDir().isEmpty(), "KVARTSON_DEMO_DIR is not set");
    const QString path = QDir(demoDir()).filePath(QStringLiteral("Data/data.sqlite"));
    QVERIFY2(QFile::exists(path), qPrintable(path));
    m_catalogue = new Catalogue;
    try {
        m_catalogue->connectTo(path);
        m_catalogue->openStartDatasets();
    } catch (const kvartson::UserError &error) {
        QFAIL(qPrintable(error.message()));
    }
    m_motorDimids = distinctFromTable(QStringLiteral("SELECT DISTINCT dimid FROM motor"));
    m_tankDimids = distinctFromTable(QStringLiteral("SELECT DISTINCT dimid FROM tank"));
    QVERIFY(!m_motorDimids.isEmpty());
    QVERIFY(!m_tankDimids.isEmpty());
}

void TestDemoCatalogue::cleanupTestCase()
{
    delete m_catalogue;
    m_catalogue = nullptr;
}

Dataset *TestDemoCatalogue::open(const QString &name)
{
    Dataset *dataset = m_catalogue->dataset(name);
    if (!dataset->isOpen())
        dataset->open();
    return dataset;
}

// Reads a whole table past any master link, so that a check covers every row.
QSet<int> TestDemoCatalogue::distinctFromTable(const QString &sql)
{
    QSet<int> values;
    QSqlQuery query(m_catalogue->database());
    if (!query.exec(sql))
        return values;
    while (query.next())
        values.insert(query.value(0).toInt());
    return values;
}

void TestDemoCatalogue::everyDatasetOpens_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("table"); // empty: the dataset's own table
    Catalogue names;
    for (const Dataset *dataset : names.datasets())
        QTest::newRow(qPrintable(dataset->name())) << dataset->name() << QString();
    // Tables the program switches datasets to: the plates without unloading,
    // and every table of the catalogue editor.
    QTest::newRow("block on block0") << "block" << "block0";
    for (const char *table : {"motor", "starter", "pump", "block", "poppetall", "tankall", "bracket", "flow",
                              "plastic", "filter", "gorl", "plug", "coupling", "control", "subplateall",
                              "valveall", "manometr"})
        QTest::newRow(qPrintable(QStringLiteral("edit on %1").arg(QLatin1String(table))))
            << "edit" << QString::fromLatin1(table);
}

void TestDemoCatalogue::everyDatasetOpens()
{
    QFETCH(QString, name);
    QFETCH(QString, table);
    try {
        Dataset *dataset = m_catalogue->dataset(name);
        const QString ownTable = dataset->table();
        if (!table.isEmpty()) {
            dataset->close();
            dataset->setTable(table);
        }
        dataset->open();
        QVERIFY(dataset->isOpen());
        if (!table.isEmpty()) {
            QVERIFY2(dataset->count() > 0, "the table is empty");
            dataset->close();
            dataset->setTable(ownTable);
            dataset->open();
        }
    } catch (const kvartson::UserError &error) {
        QFAIL(qPrintable(error.message()));
    }
}

// Key values the configurator and the specification builder compare with.
void TestDemoCatalogue::keyValuesTheRulesTest_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QList<int>>("required");
    QTest::newRow("motor types without starter") << "SELECT id FROM motortype" << QList<int>{1, 2};
    QTest::newRow("motor types with starter")
        << "SELECT id FROM motortype WHERE id NOT IN (1, 2) AND id IN (SELECT id_starter FROM starter)"
        << QList<int>{3, 4};
    QTest::newRow("cable rows") << "SELECT id_starter FROM starter" << QList<int>{0};
    QTest::newRow("tank types") << "SELECT id FROM tanktype" << QList<int>{2, 3, 5};
    QTest::newRow("a further horizontal tank type")
        << "SELECT 1 FROM tanktype WHERE id NOT IN (2, 3, 5) AND id IN (SELECT id_type FROM tank)"
        << QList<int>{1};
    QTest::newRow("relief valve kinds") << "SELECT CASE WHEN id_type = 0 THEN 0 ELSE 1 END FROM poppet"
                                        << QList<int>{0, 1};
    QTest::newRow("coil voltages") << "SELECT volt FROM coil" << QList<int>{12, 24, 220};
    QTest::newRow("socket voltages") << "SELECT volt FROM socket" << QList<int>{12, 24, 220};
    QTest::newRow("socket for every coil")
        << "SELECT count(*) FROM coil WHERE volt NOT IN (SELECT volt FROM socket)" << QList<int>{0};
    QTest::newRow("central plates with unloading for every group")
        << "SELECT count(*) FROM pumptype WHERE type NOT IN (SELECT id_type FROM block1)" << QList<int>{0};
    QTest::newRow("central plates without unloading for every group")
        << "SELECT count(*) FROM pumptype WHERE type NOT IN (SELECT id_type FROM block0)" << QList<int>{0};
    QTest::newRow("pumps for every group")
        << "SELECT count(*) FROM pumptype WHERE type NOT IN (SELECT id_type FROM pump)" << QList<int>{0};
    QTest::newRow("motors for every type")
        << "SELECT count(*) FROM motortype WHERE id NOT IN (SELECT id_type FROM motor)" << QList<int>{0};
    QTest::newRow("tanks for every type")
        << "SELECT count(*) FROM tanktype WHERE id NOT IN (SELECT id_type FROM tank)" << QList<int>{0};
    QTest::newRow("filler caps for every tank")
        << "SELECT count(*) FROM tank WHERE gid NOT IN (SELECT id_type FROM gorl)" << QList<int>{0};
    QTest::newRow("couplings for every motor group")
        << "SELECT count(*) FROM motortype WHERE tok NOT IN (SELECT id_type FROM coupling)" << QList<int>{0};
    QTest::newRow("A01 plate for every motor group")
        << "SELECT count(*) FROM motortype WHERE tok NOT IN (SELECT id_type FROM subplateall)" << QList<int>{0};
    QTest::newRow("remote controls shown and not shown")
        << "SELECT CASE WHEN id_type = 0 THEN 0 ELSE 1 END FROM control" << QList<int>{0, 1};
    QTest::newRow("filters shown") << "SELECT id_type FROM filter" << QList<int>{0};
    QTest::newRow("voltage without coil") << "SELECT volt FROM v_volt" << QList<int>{0};
    QTest::newRow("one maker held") << "SELECT count(*) FROM vv_brand" << QList<int>{1};
    QTest::newRow("one voltage held") << "SELECT count(*) FROM vv_volt" << QList<int>{1};
    QTest::newRow("two or more makers") << "SELECT count(*) >= 2 FROM v_brand" << QList<int>{1};
    QTest::newRow("first rows used without a list")
        << "SELECT (SELECT count(*) FROM sfilter) > 0 AND (SELECT count(*) FROM bracket) > 0"
           " AND (SELECT count(*) FROM plastic) > 0"
        << QList<int>{1};
}

void TestDemoCatalogue::keyValuesTheRulesTest()
{
    QFETCH(QString, sql);
    QFETCH(QList<int>, required);
    QSqlQuery query(m_catalogue->database());
    QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
    QSet<int> found;
    while (query.next())
        found.insert(query.value(0).toInt());
    for (int value : required)
        QVERIFY2(found.contains(value), qPrintable(QStringLiteral("no row gives %1").arg(value)));
}

void TestDemoCatalogue::tank30IsVertical()
{
    Dataset *tanktype = open(QStringLiteral("tanktype"));
    Dataset *tank = open(QStringLiteral("tank"));
    const int vertical = tanktype->findRow(QStringLiteral("id"), 3);
    QVERIFY(vertical >= 0);
    tanktype->setCurrentRow(vertical);
    QVERIFY2(tank->findRow(QStringLiteral("id"), 30) >= 0, "tank 30 is not among the tanks of type 3");
}

// The gauge list and the accessory dataset filter the one table by kind.
void TestDemoCatalogue::manometrKinds_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("requiredIds");
    QTest::addColumn<bool>("needsQuantity");
    QTest::newRow("gauges") << "id_type=1" << QList<int>{17, 18} << false;
    QTest::newRow("gauges of tank type 2") << "id_type=4" << QList<int>{} << false;
    QTest::newRow("gauge adapters") << "id_type=0" << QList<int>{} << true;
    QTest::newRow("suction-filter adapters") << "id_type=2" << QList<int>{} << true;
    QTest::newRow("subplate accessories") << "id_type=3" << QList<int>{} << false;
}

void TestDemoCatalogue::manometrKinds()
{
    QFETCH(QString, filter);
    QFETCH(QList<int>, requiredIds);
    QFETCH(bool, needsQuantity);
    Dataset *adapter = open(QStringLiteral("adapter"));
    const QString before = adapter->filter();
    adapter->setFilter(filter);
    const int rows = adapter->count();
    const QSet<int> ids = integerSet(adapter, QStringLiteral("id"));
    const QList<QVariant> quantities = columnValues(adapter, QStringLiteral("kol"));
    adapter->setFilter(before);

    QVERIFY2(rows > 0, "no rows of this kind");
    for (int id : requiredIds)
        QVERIFY2(ids.contains(id), qPrintable(QStringLiteral("id %1 missing").arg(id)));
    if (filter == QLatin1String("id_type=4")) {
        // Gauges on both sides of the adapter threshold, for either kind.
        QVERIFY(std::any_of(ids.begin(), ids.end(), [](int id) { return id < 18; }));
        QVERIFY(std::any_of(ids.begin(), ids.end(), [](int id) { return id >= 18; }));
    }
    if (needsQuantity) {
        for (const QVariant &kol : quantities)
            QVERIFY2(kol.toInt() > 0, "an accessory set line needs its quantity");
    }
}

// Walking each master row by row, every detail dataset offers something.
void TestDemoCatalogue::detailRowsForEveryMaster_data()
{
    QTest::addColumn<QString>("master");
    QTest::addColumn<QString>("detail");
    QTest::newRow("motortype > motor") << "motortype" << "motor";
    QTest::newRow("motortype > coupling") << "motortype" << "coupling";
    QTest::newRow("motortype > a1plate") << "motortype" << "a1plate";
    QTest::newRow("pumptype > pump") << "pumptype" << "pump";
    QTest::newRow("pumptype > block") << "pumptype" << "block";
    QTest::newRow("tanktype > tank") << "tanktype" << "tank";
    QTest::newRow("tank > gorl") << "tank" << "gorl";
    QTest::newRow("coil > socket") << "coil" << "socket";
}

void TestDemoCatalogue::detailRowsForEveryMaster()
{
    QFETCH(QString, master);
    QFETCH(QString, detail);
    Dataset *masterSet = open(master);
    Dataset *detailSet = open(detail);
    if (master == QLatin1String("tank")) {
        // Every tank of every type, not only those of the current tank type.
        Dataset *tanktype = open(QStringLiteral("tanktype"));
        for (int type = 0; type < tanktype->count(); ++type) {
            tanktype->setCurrentRow(type);
            for (int row = 0; row < masterSet->count(); ++row) {
                masterSet->setCurrentRow(row);
                QVERIFY2(detailSet->count() > 0, qPrintable(QStringLiteral("tank %1 has no filler cap")
                                                                 .arg(masterSet->integer(QStringLiteral("id")))));
            }
        }
        return;
    }
    QVERIFY(masterSet->count() > 0);
    for (int row = 0; row < masterSet->count(); ++row) {
        masterSet->setCurrentRow(row);
        QVERIFY2(detailSet->count() > 0, qPrintable(QStringLiteral("%1 row %2 has no %3")
                                                        .arg(master).arg(row).arg(detail)));
    }
}

void TestDemoCatalogue::positiveColumns_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("motor rpm") << "motor" << "rpm";
    QTest::newRow("motor pow") << "motor" << "pow";
    QTest::newRow("pump vol") << "pump" << "vol";
}

// The flow and pressure divide by these; a zero would show nonsense.
void TestDemoCatalogue::positiveColumns()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QSqlQuery query(m_catalogue->database());
    QVERIFY(query.exec(QStringLiteral("SELECT count(*), sum(%1 IS NULL OR %1 <= 0) FROM %2").arg(column, table)));
    QVERIFY(query.next());
    QVERIFY(query.value(0).toInt() > 0);
    QCOMPARE(query.value(1).toInt(), 0);
}

// A few items out of stock in every list, so that the colouring shows.
void TestDemoCatalogue::everyListShowsStockColouring_data()
{
    QTest::addColumn<QString>("table");
    for (const char *table : {"motor", "starter", "pump", "block", "poppet", "coil", "socket", "tank", "gorl",
                              "coupling", "flow", "control", "manometr", "subplate", "valveall", "sfilter",
                              "filter", "bracket", "plastic", "plug"})
        QTest::newRow(table) << QString::fromLatin1(table);
}

void TestDemoCatalogue::everyListShowsStockColouring()
{
    QFETCH(QString, table);
    QSqlQuery query(m_catalogue->database());
    QVERIFY(query.exec(QStringLiteral("SELECT sum(stock = 1), sum(stock = 0), sum(stock IS NULL) FROM %1").arg(table)));
    QVERIFY(query.next());
    QVERIFY2(query.value(0).toInt() > 0, "nothing in stock");
    if (table != QLatin1String("plug"))
        QVERIFY2(query.value(1).toInt() > 0, "nothing out of stock");
    QCOMPARE(query.value(2).toInt(), 0);
}

// The valve dialog stores a maker and a voltage and re-reads valve.
void TestDemoCatalogue::valvesForEveryMakerAndVoltage()
{
    Dataset *brands = open(QStringLiteral("v_brand"));
    Dataset *volts = open(QStringLiteral("v_volt"));
    Dataset *holdBrand = open(QStringLiteral("vv_brand"));
    Dataset *holdVolt = open(QStringLiteral("vv_volt"));
    Dataset *valve = open(QStringLiteral("valve"));
    const int savedBrand = holdBrand->integer(QStringLiteral("brand"));
    const int savedVolt = holdVolt->integer(QStringLiteral("volt"));
    for (int b = 0; b < brands->count(); ++b) {
        const int brand = brands->valueAt(b, QStringLiteral("id")).toInt();
        holdBrand->edit();
        holdBrand->setValue(QStringLiteral("brand"), brand);
        holdBrand->post();
        for (int v = 0; v < volts->count(); ++v) {
            const int volt = volts->valueAt(v, QStringLiteral("volt")).toInt();
            holdVolt->edit();
            holdVolt->setValue(QStringLiteral("volt"), volt);
            holdVolt->post();
            valve->requery();
            QVERIFY2(valve->count() > 0, qPrintable(QStringLiteral("no valves of maker %1 at %2 V").arg(brand).arg(volt)));
            for (int row = 0; row < valve->count(); ++row)
                QCOMPARE(valve->valueAt(row, QStringLiteral("id_type")).toInt(), brand);
        }
    }
    holdBrand->edit();
    holdBrand->setValue(QStringLiteral("brand"), savedBrand);
    holdBrand->post();
    holdVolt->edit();
    holdVolt->setValue(QStringLiteral("volt"), savedVolt);
    holdVolt->post();
}

// valve declares spoold with two characters, valveall with three.
void TestDemoCatalogue::valveSchemesFitTheValveView()
{
    QSqlQuery query(m_catalogue->database());
    QVERIFY(query.exec(QStringLiteral(
        "SELECT count(*), sum(length(spoold) BETWEEN 1 AND 2), sum(length(spooll) BETWEEN 1 AND 3) FROM valveall")));
    QVERIFY(query.next());
    QVERIFY(query.value(0).toInt() > 0);
    QCOMPARE(query.value(1).toInt(), query.value(0).toInt());
    QCOMPARE(query.value(2).toInt(), query.value(0).toInt());
}

// A saved configuration names a plate by its subplate id and finds it again
// in subplateall.
void TestDemoCatalogue::subplatesKeepTheirIdsInThePlateTable()
{
    QSqlQuery query(m_catalogue->database());
    QVERIFY(query.exec(QStringLiteral(
        "SELECT count(*) FROM subplate AS s LEFT JOIN subplateall AS a ON a.id = s.id"
        " WHERE a.id IS NULL OR a.code IS NOT s.code OR a.euro IS NOT s.euro")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 0);
    // The plates of the dialog must not pass for an A01 plate.
    QVERIFY(query.exec(QStringLiteral(
        "SELECT count(*) FROM subplate WHERE id_type IN (SELECT tok FROM motortype)")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 0);
}

void TestDemoCatalogue::scratchTablesAndReportAreEmpty_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("userplate") << "userplate";
    QTest::newRow("uservalve") << "uservalve";
    QTest::newRow("report") << "report";
}

void TestDemoCatalogue::scratchTablesAndReportAreEmpty()
{
    QFETCH(QString, name);
    QCOMPARE(open(name)->count(), 0);
}

// Every key the drawings look up, for every motor and tank of the catalogue.
void TestDemoCatalogue::dimensionKeys_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("tankKeys");  // letters followed by the tank's dimid
    QTest::addColumn<QStringList>("motorKeys"); // plain keys of the motor's section
    QTest::newRow("Dimr.ini") << "Dimr.ini" << QStringList{"w", "l", "v"} << QStringList{"wm"};
    QTest::newRow("Dims.ini") << "Dims.ini" << QStringList{"a", "b", "c", "h"} << QStringList{};
    QTest::newRow("Dimw.ini") << "Dimw.ini" << QStringList{} << QStringList{"wm", "l", "w"};
}

void TestDemoCatalogue::dimensionKeys()
{
    QFETCH(QString, file);
    QFETCH(QStringList, tankKeys);
    QFETCH(QStringList, motorKeys);
    QString error;
    const IniSections ini = readIni(QDir(demoDir()).filePath(QStringLiteral("Data/") + file), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const auto checkInteger = [&](const QString &section, const QString &key) {
        const QString text = ini.value(section).value(key);
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok && value > 0 && value < 3000;
    };
    for (int s : m_motorDimids) {
        const QString section = QString::number(s);
        QVERIFY2(ini.contains(section), qPrintable(QStringLiteral("section %1 missing").arg(section)));
        for (const QString &key : motorKeys)
            QVERIFY2(checkInteger(section, key), qPrintable(QStringLiteral("[%1] %2").arg(section, key)));
        for (int t : m_tankDimids) {
            for (const QString &letter : tankKeys) {
                const QString key = letter + QString::number(t);
                QVERIFY2(checkInteger(section, key), qPrintable(QStringLiteral("[%1] %2").arg(section, key)));
            }
        }
    }
    if (file == QLatin1String("Dimw.ini")) {
        for (int t : m_tankDimids) {
            const QString key = QStringLiteral("v") + QString::number(t);
            QVERIFY2(checkInteger(QStringLiteral("b"), key), qPrintable(QStringLiteral("[b] %1").arg(key)));
        }
    }
}

void TestDemoCatalogue::pictures_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("subplates") << "SELECT DISTINCT code FROM subplate" << "Images" << ".bmp";
    QTest::newRow("spool schemes") << "SELECT DISTINCT spoold FROM valveall" << "Images" << ".bmp";
    QTest::newRow("components")
        << "SELECT 'motor' UNION SELECT 'pump' UNION SELECT 'plate' UNION SELECT 'tank'"
           " UNION SELECT 'sfilter' UNION SELECT 'coupling' UNION SELECT 'valves'"
        << "Images/components" << ".png";
}

// Most plates and schemes have a picture; a few have none, which the dialogs
// must cope with. Component pictures are all there.
void TestDemoCatalogue::pictures()
{
    QFETCH(QString, sql);
    QFETCH(QString, folder);
    QFETCH(QString, suffix);
    QSqlQuery query(m_catalogue->database());
    QVERIFY(query.exec(sql));
    int total = 0;
    int present = 0;
    const QDir dir(QDir(demoDir()).filePath(folder));
    while (query.next()) {
        ++total;
        const QString path = dir.filePath(query.value(0).toString() + suffix);
        if (QFile::exists(path)) {
            ++present;
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }
    }
    QVERIFY(total > 0);
    if (folder.endsWith(QLatin1String("components"))) {
        QCOMPARE(present, total);
    } else {
        QVERIFY2(present * 2 > total, "most items need a picture");
        QVERIFY2(present < total, "a few items are left without a picture");
    }
}

QTEST_GUILESS_MAIN(TestDemoCatalogue)
#include "tst_democatalogue.moc"
