#include "app/mainwindow.h"
#include "app/cataloguelock.h"
#include "catalogue/catalogue.h"
#include "catalogue/lookuplist.h"
#include "support/messageboxwatcher.h"
#include "support/programfixture.h"

#include <QDialog>
#include <QFile>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace kvartson;
using namespace kvartson::test;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void startsInTheCurrentDirectoryWithCaptionAndFirstTypes()
    {
        ProgramFixture fixture;
        MainWindow *main = fixture.main();
        QCOMPARE(main->objectName(), QStringLiteral("f_main"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Кварцон  1.0.1.8"));
        QCOMPARE(main->workingDirectory(), fixture.workingDirectory());
        QCOMPARE(main->cataloguePassword(), QStringLiteral("quartzline"));
        QCOMPARE(main->frameGeometry().size(), QSize(1191, 842));
        QCOMPARE(fixture.find<LookupList>("DBLookupComboboxEh1")->text(), QStringLiteral("380 В"));
        QCOMPARE(fixture.find<LookupList>("DBLookupComboboxEh4")->text(), QStringLiteral("Группа 1"));
        auto *pages = fixture.find<QTabWidget>("PageControl1");
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QCOMPARE(pages->tabText(0), QStringLiteral("Конфигуратор"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Расчеты"));
    }

    void createsAllWindowsInOrder()
    {
        ProgramFixture fixture;
        const QList<QPair<QString, QString>> expected = {
            {"f_edit", "Редактирование базы данных"},
            {"f_userplate", "Редактирование плиты"},
            {"f_report", "Спецификация"},
            {"f_uservalve", "Редактирование распределителей"},
            {"f_drow", "Габаритный чертеж"},
            {"f_ad", "Добавление спецификации"},
        };
        QStringList created;
        for (QObject *child : fixture.main()->children()) {
            if (auto *dialog = qobject_cast<QDialog *>(child))
                created << dialog->objectName();
        }
        QStringList names;
        for (const auto &window : expected) {
            names << window.first;
            QDialog *dialog = fixture.program().window(window.first.toLatin1().constData());
            QVERIFY2(dialog, qPrintable(window.first));
            QCOMPARE(dialog->windowTitle(), window.second);
            QVERIFY(!dialog->isVisible());
        }
        QCOMPARE(created, names);
    }

    void scratchTablesAreEmptiedAndClosed()
    {
        ProgramFixture fixture;
        Catalogue *catalogue = fixture.main()->catalogue();
        for (const char *name : {"userplate", "uservalve"}) {
            QVERIFY(!catalogue->dataset(QLatin1String(name))->isOpen());
            QSqlQuery query(catalogue->database());
            QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(name))));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 0);
        }
    }

    void badCatalogueShowsTheErrorAndAnEmptyWindow_data()
    {
        QTest::addColumn<QByteArray>("fileContent");
        QTest::addColumn<bool>("writeFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << false << QStringLiteral("unable to open database file");
        QTest::newRow("not a database") << QByteArray("these are not the rows you are looking for, padded to be long enough")
                                        << true << QStringLiteral("file is not a database");
    }

    void badCatalogueShowsTheErrorAndAnEmptyWindow()
    {
        QFETCH(QByteArray, fileContent);
        QFETCH(bool, writeFile);
        QFETCH(QString, message);
        WorkingDirectory dir({}, false);
        if (writeFile) {
            QFile file(dir.cataloguePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fileContent.repeated(200));
        }
        MessageBoxWatcher boxes;
        Program program;
        program.start();
        QTRY_COMPARE(boxes.texts().size(), 1);
        QVERIFY2(boxes.texts().first().contains(message), qPrintable(boxes.texts().first()));
        QVERIFY(boxes.texts().first().endsWith(QLatin1Char('.')));
        QCOMPARE(boxes.titles().first(), QStringLiteral("Кварцон"));
        MainWindow *main = program.mainWindow();
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Кварцон"));
        QVERIFY(main->findChild<LookupList *>("DBLookupComboboxEh1")->text().isEmpty());
        QVERIFY(!QFile::exists(dir.cataloguePath()) || writeFile);
    }

    void missingTableOrColumnIsReported_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("named");
        QTest::newRow("table") << "DROP VIEW valve;\nDROP TABLE vv_volt;\n" << "vv_volt";
        QTest::newRow("column") << "ALTER TABLE motor DROP COLUMN rpm;\n" << "rpm";
    }

    void missingTableOrColumnIsReported()
    {
        QFETCH(QString, sql);
        QFETCH(QString, named);
        WorkingDirectory dir(sql);
        MessageBoxWatcher boxes;
        Program program;
        program.start();
        QTRY_COMPARE(boxes.texts().size(), 1);
        QVERIFY2(boxes.texts().first().contains(named), qPrintable(boxes.texts().first()));
        QCOMPARE(program.mainWindow()->windowTitle(), QStringLiteral("Кварцон"));
    }

    void captionWithAndWithoutVersion()
    {
        QCOMPARE(MainWindow::captionFor(QStringLiteral("1.0.1.8")), QStringLiteral("Кварцон  1.0.1.8"));
        QCOMPARE(MainWindow::captionFor(QString()), QStringLiteral("Кварцон  "));
    }

    void secondCopyOnTheSameCatalogueIsRefused()
    {
        WorkingDirectory dir;
        CatalogueLock first(dir.cataloguePath());
        QVERIFY(first.acquire());
        CatalogueLock second(dir.cataloguePath());
        QVERIFY(!second.acquire());
        QVERIFY(second.refusal().contains(QStringLiteral("другой копией")));
        WorkingDirectory other;
        CatalogueLock elsewhere(other.cataloguePath());
        QVERIFY(elsewhere.acquire());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
