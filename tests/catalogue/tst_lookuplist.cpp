#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/lookuplist.h"
#include "support/messageboxwatcher.h"
#include "support/programfixture.h"
#include "support/userinput.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

using namespace kvartson;
using namespace kvartson::test;

// The lookup lists of the first page: what their drop-downs offer and how they
// answer the user and the program.
class LookupListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFixture> fixture;

    LookupList *list(const QString &name) { return fixture->find<LookupList>(name); }

    QStringList dropDownTexts(LookupList *lookup)
    {
        QStringList texts;
        const QAbstractItemModel *model = lookup->dropDownView()->model();
        const int column = lookup->dataset()->columnIndex(lookup->listColumn());
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void init()
    {
        fixture = std::make_unique<ProgramFixture>();
        QVERIFY(fixture->activate());
    }

    void cleanup() { fixture.reset(); }

    void inStockItemsComeFirst()
    {
        QCOMPARE(dropDownTexts(list("DBLookupComboboxEh2")),
                 QStringList({"АИР71А4 0,55 кВт 1400", "АИР71В4 0,75 кВт 1400", "Мотор без оборотов", "АИР80В4 1,5 кВт 1400"}));
        QCOMPARE(dropDownTexts(list("DBLookupComboboxEh5")),
                 QStringList({"Насос 4,2 см3/об", "Насос 1,6 см3/об", "Насос 2,7 см3/об"}));
    }

    void outOfStockRowsAreColoured_data()
    {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QString>("outOfStock");
        QTest::addColumn<QString>("inStock");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("motor") << "DBLookupComboboxEh2" << "АИР80В4 1,5 кВт 1400" << "АИР71А4 0,55 кВт 1400" << QColor(192, 192, 192);
        QTest::newRow("pump") << "DBLookupComboboxEh5" << "Насос 2,7 см3/об" << "Насос 4,2 см3/об" << QColor(192, 192, 192);
        QTest::newRow("relief valve") << "DBLookupComboboxEh6" << "Клапан разгрузки НЗ" << "Клапан разгрузки ручной" << QColor(192, 192, 192);
        QTest::newRow("coil") << "DBLookupComboboxEh14" << "Катушка 12 В" << "Катушка 24 В" << QColor(192, 192, 192);
        QTest::newRow("coupling") << "DBLookupComboboxEh12" << "Муфта 1" << "Муфта 1Б" << QColor(255, 0, 0);
    }

    void outOfStockRowsAreColoured()
    {
        QFETCH(QString, listName);
        QFETCH(QString, outOfStock);
        QFETCH(QString, inStock);
        QFETCH(QColor, colour);
        LookupList *lookup = list(listName);
        const QAbstractItemModel *model = lookup->dropDownView()->model();
        const int column = lookup->dataset()->columnIndex(lookup->listColumn());
        const QStringList texts = dropDownTexts(lookup);
        const QModelIndex absent = model->index(texts.indexOf(outOfStock), column);
        const QModelIndex present = model->index(texts.indexOf(inStock), column);
        QVERIFY(absent.isValid() && present.isValid());
        QCOMPARE(absent.data(Qt::ForegroundRole).value<QColor>(), colour);
        QVERIFY(!present.data(Qt::ForegroundRole).isValid());
        QVERIFY(!absent.data(Qt::BackgroundRole).isValid());
    }

    void typeListsAreNotColoured()
    {
        for (const char *name : {"DBLookupComboboxEh1", "DBLookupComboboxEh4"})
            QVERIFY(!list(QLatin1String(name))->outOfStockColour().isValid());
    }

    void clickIntoOpensTheDropDown_data()
    {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<bool>("opens");
        for (const char *name : {"DBLookupComboboxEh2", "DBLookupComboboxEh3", "DBLookupComboboxEh5",
                                 "DBLookupComboboxEh6", "DBLookupComboboxEh12"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QTest::newRow("motor type") << "DBLookupComboboxEh1" << false;
        QTest::newRow("pump group") << "DBLookupComboboxEh4" << false;
    }

    void clickIntoOpensTheDropDown()
    {
        QFETCH(QString, listName);
        QFETCH(bool, opens);
        // The starter list takes input only for motor types that need a starter.
        pick(list("DBLookupComboboxEh1"), QStringLiteral("24 В"));
        LookupList *lookup = list(listName);
        clickInto(lookup);
        QCOMPARE(lookup->isDropDownVisible(), opens);
        lookup->hidePopup();
    }

    void dropDownSizes_data()
    {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("width");
        QTest::newRow("motor") << "DBLookupComboboxEh2" << 10 << 380;
        QTest::newRow("relief valve") << "DBLookupComboboxEh6" << 10 << 281;
        QTest::newRow("coupling") << "DBLookupComboboxEh12" << 8 << 320;
    }

    void dropDownSizes()
    {
        QFETCH(QString, listName);
        QFETCH(int, rows);
        QFETCH(int, width);
        LookupList *lookup = list(listName);
        QCOMPARE(lookup->dropDownRows(), rows);
        openDropDown(lookup);
        QCOMPARE(lookup->dropDownView()->window()->width(), width);
        lookup->hidePopup();
    }

    void settingTextIgnoresLetterCase()
    {
        LookupList *motor = list("DBLookupComboboxEh2");
        Dataset *motors = motor->dataset();
        motor->setText(QStringLiteral("аир80в4 1,5 квт 1400"));
        QCOMPARE(motor->text(), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        QCOMPARE(motor->key().toInt(), 2);
        QCOMPARE(motors->integer(QStringLiteral("id")), 2);

        // No match: the text stays as given in an editable list, no key, the row stays.
        motor->setText(QStringLiteral("Нет такого"));
        QCOMPARE(motor->text(), QStringLiteral("Нет такого"));
        QVERIFY(motor->key().isNull());
        QCOMPARE(motors->integer(QStringLiteral("id")), 2);

        // A pick-only list shows nothing it cannot offer.
        LookupList *pumpGroup = list("DBLookupComboboxEh4");
        pumpGroup->setText(QStringLiteral("Группа 9"));
        QVERIFY(pumpGroup->text().isEmpty());
    }

    void keysAndClearing()
    {
        LookupList *motor = list("DBLookupComboboxEh2");
        Dataset *motors = motor->dataset();
        motor->setKey(3);
        QCOMPARE(motor->text(), QStringLiteral("АИР71В4 0,75 кВт 1400"));
        QCOMPARE(motors->integer(QStringLiteral("id")), 3);
        motor->clearChoice();
        QVERIFY(motor->text().isEmpty());
        QVERIFY(motor->key().isNull());
        QCOMPARE(motors->integer(QStringLiteral("id")), 3);
        motor->setKey(99);
        QVERIFY(motor->text().isEmpty());
        QCOMPARE(motor->key().toInt(), 99);
    }

    void changeSignalsOnlyOnARealChange()
    {
        LookupList *motor = list("DBLookupComboboxEh2");
        QSignalSpy texts(motor, &LookupList::listTextChanged);
        QSignalSpy keys(motor, &LookupList::listKeyChanged);
        motor->setText(QStringLiteral("АИР71А4 0,55 кВт 1400"));
        QCOMPARE(texts.count(), 1);
        QCOMPARE(keys.count(), 1);
        motor->setText(QStringLiteral("АИР71А4 0,55 кВт 1400"));
        motor->setKey(1);
        QCOMPARE(texts.count(), 1);
        QCOMPARE(keys.count(), 1);
        motor->clearChoice();
        motor->clearChoice();
        QCOMPARE(texts.count(), 2);
        QCOMPARE(keys.count(), 2);
    }

    void typingChoosesAMatchingRow()
    {
        LookupList *pump = list("DBLookupComboboxEh5");
        pump->setFocus();
        typeText(pump->lineEdit(), QStringLiteral("насос 1"));
        QVERIFY2(pump->isDropDownVisible(), "typing drops the list down");
        QVERIFY(pump->key().isNull());
        typeText(pump->dropDownView(), QStringLiteral(",6 см3/об"));
        QCOMPARE(pump->text(), QStringLiteral("насос 1,6 см3/об"));
        QCOMPARE(pump->key().toInt(), 3);
        QTest::keyClick(pump->dropDownView(), Qt::Key_Return);
        QVERIFY(!pump->isDropDownVisible());
        QCOMPARE(pump->text(), QStringLiteral("Насос 1,6 см3/об"));
    }

    void arrowKeysStepThroughTheRows()
    {
        LookupList *pumpGroup = list("DBLookupComboboxEh4");
        pumpGroup->setFocus();
        QTRY_VERIFY(pumpGroup->hasFocus());
        QTest::keyClick(pumpGroup, Qt::Key_Down);
        QCOMPARE(pumpGroup->text(), QStringLiteral("Группа 2"));
        QVERIFY(!pumpGroup->isDropDownVisible());
        QTest::keyClick(pumpGroup, Qt::Key_Down);
        QCOMPARE(pumpGroup->text(), QStringLiteral("Группа 2"));
        // The group's rule ran as for a pick: the pump list follows the group.
        QCOMPARE(dropDownTexts(list("DBLookupComboboxEh5")),
                 QStringList({"Насос 8 см3/об", "Насос без объема"}));
        QTest::keyClick(pumpGroup, Qt::Key_Up);
        QCOMPARE(pumpGroup->text(), QStringLiteral("Группа 1"));
        QTest::keyClick(pumpGroup, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(pumpGroup->isDropDownVisible());
        pumpGroup->hidePopup();
    }

    void typingIntoATypeListDropsItDown()
    {
        LookupList *motorType = list("DBLookupComboboxEh1");
        motorType->setFocus();
        QTRY_VERIFY(motorType->hasFocus());
        QTest::keyClick(motorType, '2');
        QVERIFY(motorType->isDropDownVisible());
        QTest::keyClick(motorType->dropDownView(), Qt::Key_Return);
        QVERIFY(!motorType->isDropDownVisible());
        QCOMPARE(motorType->text(), QStringLiteral("220 В"));
    }

    void failingRefreshIsReportedNotFatal()
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(fixture->cataloguePath());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("DROP TABLE pump")));
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));

        MessageBoxWatcher boxes;
        LookupList *pumpGroup = list("DBLookupComboboxEh4");
        pumpGroup->setFocus();
        QTRY_VERIFY(pumpGroup->hasFocus());
        QTest::keyClick(pumpGroup, Qt::Key_Down);
        QTRY_COMPARE(boxes.texts().size(), 1);
        QVERIFY2(boxes.texts().first().contains(QStringLiteral("no such table: pump")), qPrintable(boxes.texts().first()));
        QVERIFY(fixture->main()->isVisible());
    }

    void socketsFollowTheCoilVoltage()
    {
        pick(list("DBLookupComboboxEh6"), QStringLiteral("Клапан разгрузки с электромагнитом"));
        Dataset *sockets = fixture->main()->catalogue()->dataset(QStringLiteral("socket"));
        for (const auto &[coil, expected] : {std::pair{"Катушка 12 В", QStringList{"Разъем 12 В"}},
                                             std::pair{"Катушка 24 В", QStringList{"Разъем 24 В", "Разъем 24 В со светодиодом"}},
                                             std::pair{"Катушка 220 В", QStringList{}}}) {
            pick(list("DBLookupComboboxEh14"), QString::fromUtf8(coil));
            QStringList shown;
            for (int row = 0; row < sockets->count(); ++row)
                shown << sockets->valueAt(row, QStringLiteral("description")).toString();
            QCOMPARE(shown, expected);
        }
    }

    void motorTypeWithoutMotorsOffersNothing()
    {
        pick(list("DBLookupComboboxEh1"), QStringLiteral("12 В"));
        QVERIFY(dropDownTexts(list("DBLookupComboboxEh2")).isEmpty());
        QVERIFY(dropDownTexts(list("DBLookupComboboxEh12")).isEmpty());
    }
};

QTEST_MAIN(LookupListTest)
#include "tst_lookuplist.moc"
