#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/lookuplist.h"
#include "support/programfixture.h"
#include "support/userinput.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QPlainTextEdit>
#include <QTest>

using namespace kvartson;
using namespace kvartson::test;

namespace {

const QColor silver(192, 192, 192);

bool looksEnabled(QLabel *label)
{
    return label->palette().color(QPalette::WindowText) != silver;
}

} // namespace

// The drive group as a user meets it: motor type, motor, starter, pump group,
// pump, central plate, relief valve, coil, coupling and the status bar.
class DriveGroupTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFixture> fixture;

    LookupList *list(const char *name) { return fixture->find<LookupList>(QLatin1String(name)); }
    QString panel(int index) { return fixture->main()->statusPanelText(index); }
    QString plate() { return fixture->find<QPlainTextEdit>("DBEditEh2")->toPlainText(); }

private slots:
    void initTestCase() { prepareApplication(); }

    void init()
    {
        fixture = std::make_unique<ProgramFixture>();
        QVERIFY(fixture->activate());
    }

    void cleanup() { fixture.reset(); }

    void initialState()
    {
        QCOMPARE(list("DBLookupComboboxEh1")->text(), QStringLiteral("380 В"));
        QCOMPARE(list("DBLookupComboboxEh4")->text(), QStringLiteral("Группа 1"));
        QVERIFY(list("DBLookupComboboxEh2")->text().isEmpty());
        QVERIFY(list("DBLookupComboboxEh5")->text().isEmpty());
        QVERIFY(fixture->find<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(plate(), QStringLiteral("Плита гр.1 с разгрузкой"));
        QVERIFY(list("DBLookupComboboxEh6")->isEnabled());
        QVERIFY(!list("DBLookupComboboxEh14")->isEnabled());
        QVERIFY(!looksEnabled(fixture->find<QLabel>("Label21")));
        QVERIFY(panel(0).isEmpty());
        QVERIFY(panel(1).isEmpty());
    }

    void flowAndPressureOfTheChosenDrive_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("pump");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("pressure");
        // 1400 × 4,2 × 0,95 / 1000 = 5,586 → 5,6; 1,5 × 550 / 5,6 = 147,32… → 147,3
        QTest::newRow("example") << "АИР80В4 1,5 кВт 1400" << "Насос 4,2 см3/об" << "Подача: 5,6 л/мин" << "Давление: 147,3 бар";
        // 1400 × 1,6 × 0,95 / 1000 = 2,128 → 2,1; 0,55 × 550 / 2,1 = 144,047… → 144
        QTest::newRow("whole pressure") << "АИР71А4 0,55 кВт 1400" << "Насос 1,6 см3/об" << "Подача: 2,1 л/мин" << "Давление: 144 бар";
        // A motor without speed gives no flow; no pressure is shown rather than a division by zero.
        QTest::newRow("motor without speed") << "Мотор без оборотов" << "Насос 4,2 см3/об" << "Подача: 0 л/мин" << "";
    }

    void flowAndPressureOfTheChosenDrive()
    {
        QFETCH(QString, motor);
        QFETCH(QString, pump);
        QFETCH(QString, flow);
        QFETCH(QString, pressure);
        pick(list("DBLookupComboboxEh5"), pump);
        QVERIFY2(panel(0).isEmpty(), "a pump alone gives no flow");
        pick(list("DBLookupComboboxEh2"), motor);
        QCOMPARE(panel(0), flow);
        QCOMPARE(panel(1), pressure);
    }

    void pumpWithoutDisplacementShowsZeroFlowOnly()
    {
        pick(list("DBLookupComboboxEh4"), QStringLiteral("Группа 2"));
        pick(list("DBLookupComboboxEh2"), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        pick(list("DBLookupComboboxEh5"), QStringLiteral("Насос без объема"));
        QCOMPARE(panel(0), QStringLiteral("Подача: 0 л/мин"));
        QVERIFY(panel(1).isEmpty());
    }

    void motorWithoutPumpLeavesThePanels()
    {
        pick(list("DBLookupComboboxEh5"), QStringLiteral("Насос 4,2 см3/об"));
        pick(list("DBLookupComboboxEh2"), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        list("DBLookupComboboxEh5")->clearChoice();
        QCOMPARE(panel(0), QStringLiteral("Подача: 5,6 л/мин"));
        pick(list("DBLookupComboboxEh2"), QStringLiteral("АИР71А4 0,55 кВт 1400"));
        QCOMPARE(panel(0), QStringLiteral("Подача: 5,6 л/мин"));
        QCOMPARE(panel(1), QStringLiteral("Давление: 147,3 бар"));
    }

    void typingAPumpRecomputes()
    {
        pick(list("DBLookupComboboxEh2"), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        LookupList *pump = list("DBLookupComboboxEh5");
        clickInto(pump);
        pump->hidePopup();
        // Not the group's first pump, so that only the last keystroke can give
        // the right figures: 1400 × 1,6 × 0,95 / 1000 → 2,1; 1,5 × 550 / 2,1 → 392,9
        typeText(pump->lineEdit(), QStringLiteral("Насос 1,6"));
        QVERIFY(pump->isDropDownVisible());
        typeText(pump->dropDownView(), QStringLiteral(" см3/об"));
        QCOMPARE(pump->key().toInt(), 3);
        QCOMPARE(panel(0), QStringLiteral("Подача: 2,1 л/мин"));
        QCOMPARE(panel(1), QStringLiteral("Давление: 392,9 бар"));
    }

    void programChangeWithoutFocusDoesNotRecompute()
    {
        pick(list("DBLookupComboboxEh5"), QStringLiteral("Насос 4,2 см3/об"));
        fixture->find<QCheckBox>("CheckBox1")->setFocus();
        QTRY_VERIFY(fixture->find<QCheckBox>("CheckBox1")->hasFocus());
        list("DBLookupComboboxEh2")->setText(QStringLiteral("АИР80В4 1,5 кВт 1400"));
        QCOMPARE(list("DBLookupComboboxEh2")->text(), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        QVERIFY(panel(0).isEmpty());
        QVERIFY(panel(1).isEmpty());
    }

    void motorTypeChangeClearsItsDependants()
    {
        pick(list("DBLookupComboboxEh5"), QStringLiteral("Насос 4,2 см3/об"));
        pick(list("DBLookupComboboxEh2"), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        QCOMPARE(list("DBLookupComboboxEh12")->text(), QStringLiteral("Муфта 1"));
        QVERIFY(!panel(0).isEmpty());

        pick(list("DBLookupComboboxEh1"), QStringLiteral("24 В"));
        pick(list("DBLookupComboboxEh3"), QStringLiteral("Стартер 24 В"));
        pick(list("DBLookupComboboxEh2"), QStringLiteral("Двигатель 24 В 2,2 кВт"));
        QCOMPARE(list("DBLookupComboboxEh12")->text(), QStringLiteral("Муфта 2"));

        pick(list("DBLookupComboboxEh1"), QStringLiteral("12 В"));
        for (const char *name : {"DBLookupComboboxEh2", "DBLookupComboboxEh3", "DBLookupComboboxEh12"}) {
            QVERIFY2(list(name)->text().isEmpty(), name);
            QVERIFY2(list(name)->key().isNull(), name);
        }
        QVERIFY(panel(0).isEmpty());
        QVERIFY(panel(1).isEmpty());
        QCOMPARE(list("DBLookupComboboxEh3")->dataset()->count(), 1);
    }

    void starterFollowsTheMotorType_data()
    {
        QTest::addColumn<QString>("motorType");
        QTest::addColumn<bool>("starterEnabled");
        QTest::newRow("key 1") << "380 В" << false;
        QTest::newRow("key 2") << "220 В" << false;
        QTest::newRow("key 3") << "24 В" << true;
        QTest::newRow("key 4") << "12 В" << true;
    }

    void starterFollowsTheMotorType()
    {
        QFETCH(QString, motorType);
        QFETCH(bool, starterEnabled);
        // Start from the opposite state, so that the rule has to act.
        pick(list("DBLookupComboboxEh1"), starterEnabled ? QStringLiteral("220 В") : QStringLiteral("24 В"));
        pick(list("DBLookupComboboxEh1"), motorType);
        QCOMPARE(list("DBLookupComboboxEh3")->isEnabled(), starterEnabled);
        QCOMPARE(looksEnabled(fixture->find<QLabel>("Label3")), starterEnabled);
        const QColor background = list("DBLookupComboboxEh3")->palette().color(QPalette::Base);
        QCOMPARE(background, QApplication::palette().color(starterEnabled ? QPalette::Base : QPalette::Button));
    }

    void pumpGroupChangeClearsPumpAndReliefValveButKeepsTheCoil()
    {
        pick(list("DBLookupComboboxEh2"), QStringLiteral("АИР80В4 1,5 кВт 1400"));
        pick(list("DBLookupComboboxEh5"), QStringLiteral("Насос 4,2 см3/об"));
        pick(list("DBLookupComboboxEh6"), QStringLiteral("Клапан разгрузки с электромагнитом"));
        QCOMPARE(list("DBLookupComboboxEh14")->text(), QStringLiteral("Катушка 24 В"));
        QVERIFY(!panel(0).isEmpty());

        pick(list("DBLookupComboboxEh4"), QStringLiteral("Группа 2"));
        QVERIFY(list("DBLookupComboboxEh5")->text().isEmpty());
        QVERIFY(list("DBLookupComboboxEh6")->text().isEmpty());
        QVERIFY(panel(0).isEmpty());
        QVERIFY(panel(1).isEmpty());
        QCOMPARE(plate(), QStringLiteral("Плита гр.2 с разгрузкой"));
        // The coil rule reads the relief valve still current in its dataset.
        QVERIFY(list("DBLookupComboboxEh14")->isEnabled());
        QCOMPARE(list("DBLookupComboboxEh14")->text(), QStringLiteral("Катушка 24 В"));
    }

    void coilFollowsTheReliefValve_data()
    {
        QTest::addColumn<QString>("reliefValve");
        QTest::addColumn<bool>("coilEnabled");
        QTest::addColumn<QString>("coil");
        QTest::newRow("no solenoid") << "Клапан разгрузки ручной" << false << "";
        QTest::newRow("solenoid") << "Клапан разгрузки с электромагнитом" << true << "Катушка 24 В";
        QTest::newRow("solenoid out of stock") << "Клапан разгрузки НЗ" << true << "Катушка 24 В";
    }

    void coilFollowsTheReliefValve()
    {
        QFETCH(QString, reliefValve);
        QFETCH(bool, coilEnabled);
        QFETCH(QString, coil);
        // A coil chosen before is replaced by the rule.
        pick(list("DBLookupComboboxEh6"), QStringLiteral("Клапан разгрузки с электромагнитом"));
        pick(list("DBLookupComboboxEh14"), QStringLiteral("Катушка 220 В"));
        list("DBLookupComboboxEh6")->clearChoice();
        pick(list("DBLookupComboboxEh6"), reliefValve);
        QCOMPARE(list("DBLookupComboboxEh14")->isEnabled(), coilEnabled);
        QCOMPARE(looksEnabled(fixture->find<QLabel>("Label21")), coilEnabled);
        QCOMPARE(list("DBLookupComboboxEh14")->text(), coilEnabled ? QStringLiteral("Катушка 220 В") : coil);
    }

    void unloadingSwitchesThePlateTableAndTheValveLists()
    {
        pick(list("DBLookupComboboxEh6"), QStringLiteral("Клапан разгрузки с электромагнитом"));
        QVERIFY(list("DBLookupComboboxEh14")->isChosen());
        auto *unloading = fixture->find<QCheckBox>("CheckBox1");

        QTest::mouseClick(unloading, Qt::LeftButton, Qt::NoModifier, QPoint(8, unloading->height() / 2));
        QVERIFY(!unloading->isChecked());
        QCOMPARE(plate(), QStringLiteral("Плита гр.1 без разгрузки"));
        QCOMPARE(fixture->main()->catalogue()->dataset("block")->table(), QStringLiteral("block0"));
        for (const char *name : {"DBLookupComboboxEh6", "DBLookupComboboxEh14"}) {
            QVERIFY2(!list(name)->isEnabled(), name);
            QVERIFY2(list(name)->text().isEmpty(), name);
        }
        QVERIFY(!looksEnabled(fixture->find<QLabel>("Label20")));
        QVERIFY(!looksEnabled(fixture->find<QLabel>("Label21")));

        QTest::mouseClick(unloading, Qt::LeftButton, Qt::NoModifier, QPoint(8, unloading->height() / 2));
        QVERIFY(unloading->isChecked());
        QCOMPARE(plate(), QStringLiteral("Плита гр.1 с разгрузкой"));
        QVERIFY(list("DBLookupComboboxEh6")->isEnabled());
        QVERIFY(looksEnabled(fixture->find<QLabel>("Label20")));
        QVERIFY(looksEnabled(fixture->find<QLabel>("Label21")));
        QVERIFY2(!list("DBLookupComboboxEh14")->isEnabled(), "the coil waits for a relief valve");
    }
};

QTEST_MAIN(DriveGroupTest)
#include "tst_drivegroup.moc"
