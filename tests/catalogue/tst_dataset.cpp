#include "catalogue/catalogue.h"
#include "catalogue/catalogueerror.h"
#include "support/programfixture.h"

#include <QSqlQuery>
#include <QTest>

using namespace kvartson;
using namespace kvartson::test;

// Datasets over a real catalogue file: order, filters, master-detail chains and
// row editing with every value bound.
class DatasetTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingDirectory> dir;
    std::unique_ptr<Catalogue> catalogue;

    Dataset *dataset(const char *name) { return catalogue->dataset(QLatin1String(name)); }

    static QList<int> ids(Dataset *dataset)
    {
        QList<int> result;
        for (int row = 0; row < dataset->count(); ++row)
            result << dataset->valueAt(row, QStringLiteral("id")).toInt();
        return result;
    }

    int countIn(const QString &table)
    {
        QSqlQuery query(catalogue->database());
        if (!query.exec(QStringLiteral("SELECT count(*) FROM ") + table) || !query.next())
            return -1;
        return query.value(0).toInt();
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void init()
    {
        dir = std::make_unique<WorkingDirectory>();
        catalogue = std::make_unique<Catalogue>();
        catalogue->connectTo(dir->cataloguePath());
        catalogue->openStartDatasets();
    }

    void cleanup()
    {
        catalogue.reset();
        dir.reset();
    }

    void ordersAndFilters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("expected");
        // Within a type, rows in stock first; equal rows keep the table's order.
        QTest::newRow("motor") << "motor" << QList<int>{1, 3, 4, 2};
        QTest::newRow("motors by description") << "motors" << QList<int>{6, 1, 3, 2, 5, 4};
        QTest::newRow("pump") << "pump" << QList<int>{1, 3, 2};
        // Tanks of a type by increasing volume.
        QTest::newRow("tank") << "tank" << QList<int>{2, 1};
        QTest::newRow("cable only") << "cable" << QList<int>{3};
        QTest::newRow("filter kind 0") << "filter" << QList<int>{1};
        QTest::newRow("control kind 0") << "control" << QList<int>{1};
        QTest::newRow("gauges kind 1") << "manometr" << QList<int>{17, 18};
        QTest::newRow("adapter unfiltered") << "adapter" << QList<int>{17, 18, 19, 20, 21, 22};
        QTest::newRow("coil in stock first") << "coil" << QList<int>{1, 3, 2};
        QTest::newRow("valves of the held maker and voltage") << "inivalve" << QList<int>{1, 2};
    }

    void ordersAndFilters()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, expected);
        QCOMPARE(ids(catalogue->dataset(name)), expected);
    }

    void motorTypeChain()
    {
        Dataset *types = dataset("motortype");
        Dataset *a1 = dataset("a1plate");
        a1->open();
        types->setCurrentRow(types->findRow(QStringLiteral("id"), 3));
        QCOMPARE(ids(dataset("motor")), QList<int>{5});
        QCOMPARE(ids(dataset("starter")), QList<int>({1, 2}));
        QCOMPARE(ids(dataset("coupling")), QList<int>{3});
        QCOMPARE(ids(a1), QList<int>{2});
        QCOMPARE(dataset("motor")->currentRow(), 0);
        types->setCurrentRow(types->findRow(QStringLiteral("id"), 4));
        QVERIFY(dataset("motor")->isEmpty());
        QVERIFY(dataset("coupling")->isEmpty());
        QCOMPARE(dataset("motor")->currentRow(), -1);
    }

    void tankChainRefreshesInTurn()
    {
        Dataset *types = dataset("tanktype");
        types->setCurrentRow(types->findRow(QStringLiteral("id"), 2));
        QCOMPARE(ids(dataset("tank")), QList<int>{3});
        QCOMPARE(ids(dataset("gorl")), QList<int>{3});
        types->setCurrentRow(types->findRow(QStringLiteral("id"), 1));
        QCOMPARE(ids(dataset("tank")), QList<int>({2, 1}));
        QCOMPARE(ids(dataset("gorl")), QList<int>({1, 2}));
        types->setCurrentRow(types->findRow(QStringLiteral("id"), 5));
        QVERIFY(dataset("tank")->isEmpty());
        QVERIFY(dataset("gorl")->isEmpty());
    }

    void pumpGroupChainAndPlateTableSwitch()
    {
        Dataset *groups = dataset("pumptype");
        Dataset *block = dataset("block");
        QCOMPARE(block->text(QStringLiteral("description")), QStringLiteral("Плита гр.1 с разгрузкой"));
        groups->next();
        QCOMPARE(ids(dataset("pump")), QList<int>({4, 5}));
        QCOMPARE(block->text(QStringLiteral("description")), QStringLiteral("Плита гр.2 с разгрузкой"));
        block->close();
        block->setTable(QStringLiteral("block0"));
        block->open();
        QCOMPARE(block->text(QStringLiteral("description")), QStringLiteral("Плита гр.2 без разгрузки"));
        QVERIFY_THROWS_EXCEPTION(CatalogueError, block->setTable(QStringLiteral("block1")));
    }

    void navigation()
    {
        Dataset *motor = dataset("motor");
        QCOMPARE(motor->count(), 4);
        QVERIFY(!motor->atEnd());
        int visited = 0;
        for (motor->first(); !motor->atEnd(); motor->next())
            ++visited;
        QCOMPARE(visited, 4);
        motor->last();
        QCOMPARE(motor->integer(QStringLiteral("id")), 2);
        QVERIFY_THROWS_EXCEPTION(CatalogueError, motor->value(QStringLiteral("nosuchcolumn")));
    }

    void rowsAreEditedWithBoundValues()
    {
        Dataset *report = dataset("report");
        report->open();
        const QString hostile = QStringLiteral("Плита'); DROP TABLE motor; --");
        report->append();
        report->setValue(QStringLiteral("n"), 1);
        report->setValue(QStringLiteral("description"), hostile);
        report->setValue(QStringLiteral("code"), QString(300, QLatin1Char('X')));
        report->setValue(QStringLiteral("cena"), 12.5);
        report->post();
        QCOMPARE(report->count(), 1);
        QCOMPARE(report->text(QStringLiteral("description")), hostile);
        QCOMPARE(report->text(QStringLiteral("code")).size(), 300);
        QCOMPARE(countIn(QStringLiteral("motor")), 6);

        report->edit();
        report->setValue(QStringLiteral("kol"), 3);
        report->post();
        QCOMPARE(report->integer(QStringLiteral("kol")), 3);
        QCOMPARE(report->real(QStringLiteral("cena")), 12.5);

        report->remove();
        QVERIFY(report->isEmpty());
        QCOMPARE(countIn(QStringLiteral("report")), 0);
    }

    void refusedRowStaysInEditing()
    {
        Dataset *plates = dataset("userplate");
        plates->open();
        plates->append();
        plates->setValue(QStringLiteral("brand"), QString(21, QLatin1Char('b')));
        QVERIFY_THROWS_EXCEPTION(CatalogueError, plates->post());
        QVERIFY(plates->isEditing());
        plates->setValue(QStringLiteral("brand"), QStringLiteral("Кварцон"));
        plates->post();
        QVERIFY(!plates->isEditing());
        QCOMPARE(plates->text(QStringLiteral("brand")), QStringLiteral("Кварцон"));
    }

    void viewsAreReadOnly()
    {
        QVERIFY_THROWS_EXCEPTION(CatalogueError, dataset("tank")->edit());
        QVERIFY_THROWS_EXCEPTION(CatalogueError, dataset("block")->append());
    }

    void missingTableFailsToOpen()
    {
        Dataset *edit = dataset("edit");
        edit->setTable(QStringLiteral("nosuchtable"));
        try {
            edit->open();
            QFAIL("opened a missing table");
        } catch (const CatalogueError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("no such table")), qPrintable(error.message()));
        }
        QVERIFY(!edit->isOpen());
    }

    void valveViewFollowsTheHeldMakerAndVoltage()
    {
        Dataset *valve = dataset("valve");
        valve->open();
        QCOMPARE(ids(valve), QList<int>{1});
        Dataset *maker = dataset("vv_brand");
        Dataset *voltage = dataset("vv_volt");
        maker->edit();
        maker->setValue(QStringLiteral("brand"), 2);
        maker->post();
        voltage->edit();
        voltage->setValue(QStringLiteral("volt"), 220);
        voltage->post();
        valve->requery();
        QCOMPARE(ids(valve), QList<int>{2});
    }

    void missingCatalogueIsNeverCreated()
    {
        Catalogue other;
        const QString missing = dir->path() + QStringLiteral("/Data/missing.sqlite");
        QVERIFY_THROWS_EXCEPTION(CatalogueError, other.connectTo(missing));
        QVERIFY(!QFile::exists(missing));
    }
};

QTEST_MAIN(DatasetTest)
#include "tst_dataset.moc"
