#include "app/mainwindow.h"
#include "calculator/calculatorpage.h"
#include "catalogue/lookuplist.h"
#include "support/messageboxwatcher.h"
#include "support/programfixture.h"
#include "support/userinput.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace kvartson;
using namespace kvartson::test;

namespace {

// One user action: typing a text into a field (an empty text deletes the whole
// field), or picking a motor by its description from the motor list.
using Steps = QList<QPair<QString, QString>>;
// Control objectName and the text it must show afterwards.
using Texts = QList<QPair<QString, QString>>;

const QString motorList = QStringLiteral("DBLookupComboboxEh15");
const QString motor1450 = QStringLiteral("Мотор 1450 1,5 кВт");
const QString motor1500 = QStringLiteral("Мотор 1500 4 кВт");
const QString motorWithoutSpeed = QStringLiteral("Мотор без оборотов");
const QString motorWithEmptySpeed = QStringLiteral("Мотор с пустыми оборотами");

// Motors for the drive examples and pumps deliberately not in order of vol, so
// that the first qualifying row is not the nearest size.
const QString extraRows = QStringLiteral(
    "INSERT INTO motor (id, id_type, brand, code, description, euro, stock, rpm, pow, dimid) VALUES\n"
    "    (7, 1, 'ВЭМЗ', 'M-1450', 'Мотор 1450 1,5 кВт', 100, 1, 1450, 1.5, 1),\n"
    "    (8, 1, 'ВЭМЗ', 'M-1500', 'Мотор 1500 4 кВт', 200, 1, 1500, 4, 1),\n"
    "    (9, 1, 'ВЭМЗ', 'M-NULL', 'Мотор с пустыми оборотами', 10, 1, NULL, 2, 1);\n"
    "INSERT INTO pump (id, id_type, brand, code, description, euro, stock, vol) VALUES\n"
    "    (6, 20, 'Marzocchi', 'P-160', 'Насос 16 см3/об', 150, 1, 16),\n"
    "    (7, 10, 'Casappa', 'P-35', 'Насос 3,5 см3/об', 58, 1, 3.5),\n"
    "    (8, 20, 'Marzocchi', 'P-100', 'Насос 10 см3/об', 120, 1, 10);\n");

QString notANumber(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value.").arg(text);
}

// The inputs of the two worked cylinder examples, typed field by field.
Steps cylinder(const QString &dp, const QString &dsh, const QString &dh, const QString &vv, const QString &dd)
{
    return {{"dp", dp}, {"dsh", dsh}, {"dh", dh}, {"vv", vv}, {"dd", dd}};
}

const Texts firstCylinder = {
    {"ppo", "19,63 см2"}, {"psho", "14,72 см2"}, {"opo", "0,39 л"}, {"osho", "0,29 л"}, {"oo", "0,68 л"},
    {"rd", "4,68"}, {"sv", "4 см/сек"}, {"voh", "3,6 c"}, {"soh", "5,56 см/сек"}, {"vvd", "1,2 c"},
    {"svd", "16,67 см/сек"}, {"uu", "1963"}, {"uoh", "1472 кг"}, {"mp", "0,9 кВт"},
};

Steps operator+(Steps steps, const Steps &more)
{
    steps.append(more);
    return steps;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

// The page "Расчеты" as a user meets it: typing into the cylinder, drive and
// pipe fields under Russian settings and reading what the page shows.
class CalculatorTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgramFixture> fixture;

    QLineEdit *field(const QString &name) { return fixture->find<QLineEdit>(name); }

    QString textOf(const QString &name)
    {
        if (auto *edit = fixture->find<QLineEdit>(name))
            return edit->text();
        if (auto *label = fixture->find<QLabel>(name))
            return label->text();
        if (auto *list = fixture->find<LookupList>(name))
            return list->text();
        return QStringLiteral("<no control %1>").arg(name);
    }

    void activate()
    {
        QVERIFY(fixture->activate());
    }

    // The field has the focus again, as after a user closed an error box.
    void refocus(QLineEdit *edit)
    {
        if (edit->hasFocus())
            return;
        activate();
        edit->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY2(edit->hasFocus(), qPrintable(edit->objectName()));
    }

    // Clicks into the field, selects its text and types over it key by key.
    void type(const QString &name, const QString &text)
    {
        QLineEdit *edit = field(name);
        QVERIFY2(edit, qPrintable(name));
        activate();
        QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, edit->height() / 2));
        QTRY_VERIFY2(edit->hasFocus(), qPrintable(name));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        for (const QChar key : text) {
            refocus(edit);
            QTest::keyClicks(edit, QString(key));
        }
    }

    void run(const Steps &steps)
    {
        for (const auto &step : steps) {
            if (step.first == motorList) {
                activate();
                pick(fixture->find<LookupList>(motorList), step.second);
            } else {
                type(step.first, step.second);
            }
            if (QTest::currentTestFailed())
                return;
        }
    }

    void compareTexts(const Texts &expected)
    {
        for (const auto &[name, text] : expected) {
            const QString actual = textOf(name);
            QVERIFY2(actual == text, qPrintable(QStringLiteral("%1: '%2', expected '%3'").arg(name, actual, text)));
        }
    }

    void addColumns()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Texts>("expected");
        QTest::addColumn<QStringList>("errors");
    }

    void runAndCompare()
    {
        QFETCH(Steps, steps);
        QFETCH(Texts, expected);
        QFETCH(QStringList, errors);
        MessageBoxWatcher boxes;
        run(steps);
        if (QTest::currentTestFailed())
            return;
        compareTexts(expected);
        QCOMPARE(boxes.texts(), errors);
        for (const QString &title : boxes.titles())
            QCOMPARE(title, QStringLiteral("Кварцон"));
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void init()
    {
        fixture = std::make_unique<ProgramFixture>(extraRows);
        activate();
        auto *pages = fixture->find<QTabWidget>("PageControl1");
        QTabBar *tabs = pages->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
    }

    void cleanup() { fixture.reset(); }

    void startsWithZeros()
    {
        for (const char *name : {"dp", "dsh", "dh", "rd", "vv", "dd", "uu", "rd1", "bon", "rd2", "up", "ppo", "psho",
                                 "opo", "osho", "oo", "sv", "vvd", "svd", "voh", "soh", "uoh", "mp", "ron", "brn", "md",
                                 "sp"})
            QCOMPARE(textOf(QLatin1String(name)), QStringLiteral("0"));
        QVERIFY(textOf(motorList).isEmpty());
        QVERIFY(!field("bon")->isVisible());
        auto *page = fixture->find<CalculatorPage>("calculatorPage");
        QVERIFY(page);
        QCOMPARE(page->pistonArea(), 0.0);
        QCOMPARE(page->annulusArea(), 0.0);
        QCOMPARE(page->pistonVolume(), 0.0);
        QCOMPARE(page->rodVolume(), 0.0);
    }

    void groupsSitWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("cylinder") << "GroupBox9" << " Гидроцилиндр " << QRect(8, 16, 497, 289);
        QTest::newRow("drive") << "GroupBox10" << " Привод " << QRect(8, 328, 497, 129);
        QTest::newRow("pipeline") << "GroupBox11" << " Трубопровод " << QRect(8, 488, 497, 97);
    }

    void groupsSitWhereTheyBelong()
    {
        QFETCH(QString, group);
        QFETCH(QString, title);
        QFETCH(QRect, geometry);
        auto *box = fixture->find<QGroupBox>(group);
        QWidget *page = fixture->find<QWidget>("TabSheet2");
        QCOMPARE(box->title(), title);
        QVERIFY(box->font().bold());
        // The given place, and at least the given size: the group grows only
        // where the platform's font needs more room, and then all three alike.
        QCOMPARE(box->mapTo(page, QPoint(0, 0)), geometry.topLeft());
        QVERIFY(box->width() >= geometry.width());
        QCOMPARE(box->height(), geometry.height());
        QCOMPARE(box->width(), fixture->find<QGroupBox>("GroupBox9")->width());
        // Every caption is drawn whole inside its group.
        for (QWidget *child : box->findChildren<QWidget *>()) {
            if (!child->isVisible())
                continue;
            QVERIFY2(!child->font().bold(), qPrintable(child->objectName()));
            QVERIFY2(box->contentsRect().contains(QRect(child->mapTo(box, QPoint(0, 0)), child->size())),
                     qPrintable(child->objectName()));
            if (auto *label = qobject_cast<QLabel *>(child); label && label->text().size() > 1)
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        }
    }

    void captionsAndColours_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        const QColor blue(0, 0, 255), green(0, 128, 0), gray(128, 128, 128), maroon(128, 0, 0);
        QTest::newRow("dp") << "dpCaption" << "Диаметр поршня " << text;
        QTest::newRow("vv") << "vvCaption" << "Время выдвижения" << green;
        QTest::newRow("vv unit") << "vvUnit" << "с" << text;
        QTest::newRow("ppo") << "ppoCaption" << "Площадь поршенвой области " << blue;
        QTest::newRow("sv") << "svCaption" << "Скорость выдвижения" << green;
        QTest::newRow("soh") << "sohlabel" << "Скорость обратного хода" << gray;
        QTest::newRow("mp") << "mpCaption" << "Расчетная мощность привода" << maroon;
        QTest::newRow("motor") << "DBLookupComboboxEh15Caption" << "Электродвигатель " << text;
        QTest::newRow("brn") << "brnCaption" << "Ближайший размер насоса" << gray;
        QTest::newRow("brn value") << "brn" << "0" << gray;
        QTest::newRow("md") << "mdCaption" << "Максимальное давление" << blue;
        QTest::newRow("sp") << "spCaption" << "Скорость потока" << blue;
        QTest::newRow("up unit") << "upUnit" << "мм" << text;
    }

    void captionsAndColours()
    {
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        auto *label = fixture->find<QLabel>(caption);
        QVERIFY2(label, qPrintable(caption));
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }

    void tabOrder()
    {
        const QStringList order = {"dp", "dsh", "dh", "vv", "rd", "dd", "uu", "rd1", motorList, "rd2", "up"};
        type(QStringLiteral("dp"), QStringLiteral("0"));
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            while (focused && focused->objectName() != order[i] && focused->parentWidget()
                   && qobject_cast<LookupList *>(focused->parentWidget()))
                focused = focused->parentWidget();
            QVERIFY(focused);
            QCOMPARE(focused->objectName(), order[i]);
        }
    }

    void typingComputes_data()
    {
        addColumns();
        const Steps first = cylinder("50", "25", "200", "5", "100");
        QTest::newRow("first worked example") << first << firstCylinder << QStringList();
        QTest::newRow("second worked example")
            << cylinder("63", "36", "500", "10", "160")
            << Texts{{"ppo", "31,17 см2"}, {"psho", "20,99 см2"}, {"opo", "1,56 л"}, {"osho", "1,05 л"},
                     {"oo", "2,61 л"}, {"rd", "9,36"}, {"sv", "5 см/сек"}, {"voh", "6,6 c"}, {"soh", "7,58 см/сек"},
                     {"vvd", "3 c"}, {"svd", "16,67 см/сек"}, {"uu", "4987,2"}, {"uoh", "3358,4 кг"},
                     {"mp", "2,88 кВт"}}
            << QStringList();
        QTest::newRow("flow gives the extension time")
            << Steps{{"dp", "50"}, {"dsh", "25"}, {"dh", "200"}, {"rd", "4,68"}}
            << Texts{{"vv", "4,8"}, {"sv", "4,17 см/сек"}, {"voh", "3,6 c"}, {"soh", "5,56 см/сек"}, {"vvd", "1,2 c"},
                     {"svd", "16,67 см/сек"}, {"mp", "0 кВт"}, {"rd1", "4,68"}, {"rd2", "4,68"}}
            << QStringList();
        QTest::newRow("force gives the pressure")
            << Steps{{"dp", "50"}, {"dsh", "25"}, {"uu", "3926"}}
            << Texts{{"dd", "200"}, {"uoh", "2944 кг"}, {"mp", "0 кВт"}} << QStringList();
        QTest::newRow("force without a piston area changes nothing")
            << Steps{{"uu", "500"}} << Texts{{"uu", "500"}, {"dd", "0"}, {"uoh", "0"}, {"mp", "0"}} << QStringList();
        QTest::newRow("stroke typed before the diameter")
            << Steps{{"dh", "200"}, {"dp", "50"}}
            << Texts{{"ppo", "19,63 см2"}, {"psho", "19,63 см2"}, {"opo", "0,39 л"}, {"osho", "0,39 л"},
                     {"oo", "0,78 л"}}
            << QStringList();
        QTest::newRow("rod larger than the piston")
            << first + Steps{{"dsh", "60"}}
            << Texts{{"psho", "-8,64 см2"}, {"osho", "-0,17 л"}, {"oo", "0,22 л"}, {"rd", "4,68"}, {"voh", "-2,4 c"},
                     {"soh", "4,17 см/сек"}, {"vvd", "7,2 c"}, {"svd", "2,78 см/сек"}, {"uoh", "-864 кг"}}
            << QStringList();
        QTest::newRow("zero time writes no flow")
            << first + Steps{{"vv", "0"}} << Texts{{"vv", "0"}, {"sv", "0"}, {"rd", "4,68"}, {"rd1", "4,68"}}
            << QStringList();
        QTest::newRow("negative time writes no flow")
            << first + Steps{{"vv", "-5"}} << Texts{{"vv", "-5"}, {"sv", "0"}, {"rd", "4,68"}, {"mp", "0,9 кВт"}}
            << QStringList{notANumber("-")};
        QTest::newRow("zero flow writes no time")
            << first + Steps{{"rd", "0"}}
            << Texts{{"vv", "5"}, {"voh", "0"}, {"soh", "0"}, {"vvd", "0"}, {"svd", "0"}, {"mp", "0 кВт"},
                     {"rd1", "0"}, {"rd2", "0"}}
            << QStringList();
        QTest::newRow("negative flow writes no time")
            << first + Steps{{"rd", "-2"}}
            << Texts{{"vv", "5"}, {"voh", "0"}, {"soh", "0"}, {"vvd", "0"}, {"svd", "0"}, {"mp", "-0,38 кВт"},
                     {"rd1", "-2"}, {"rd2", "-2"}}
            << QStringList{notANumber("-")};
        QTest::newRow("empty pressure")
            << first + Steps{{"dd", ""}} << Texts{{"dd", ""}, {"uu", "1963"}, {"uoh", "1472 кг"}, {"mp", "0,9 кВт"}}
            << QStringList{notANumber("")};
        QTest::newRow("empty flow")
            << first + Steps{{"rd", ""}}
            << Texts{{"voh", "0"}, {"soh", "0"}, {"vvd", "0"}, {"svd", "0"}, {"mp", "0,9 кВт"}, {"rd1", "4,68"},
                     {"rd2", "4,68"}}
            << QStringList{notANumber("")};
        QTest::newRow("empty rod diameter stops the piston handler")
            << Steps{{"dsh", ""}, {"dp", "50"}}
            << Texts{{"ppo", "19,63 см2"}, {"psho", "0"}, {"uoh", "0 кг"}, {"uu", "0"}}
            << QStringList{notANumber(""), notANumber("")};
        QTest::newRow("full stop becomes a comma")
            << Steps{{"dp", "12.5"}, {"dd", "1.5"}, {"uu", "2.5"}, {"dsh", "1.5"}, {"dh", "1.5"}, {"rd", "1.5"}}
            << Texts{{"dp", "12,5"}, {"ppo", "1,23 см2"}, {"dd", "2,03"}, {"uu", "2,5"}, {"dsh", "1,5"},
                     {"dh", "1,5"}, {"rd", "1,5"}, {"rd1", "1,5"}}
            << QStringList();
        QTest::newRow("full stop stays in the time")
            << Steps{{"vv", "2."}} << Texts{{"vv", "2."}, {"sv", "0 см/сек"}} << QStringList{notANumber("2.")};
        QTest::newRow("same text runs no handler")
            << Steps{{"rd1", "7"}, {"dp", "50"}} << Texts{{"rd", "0"}, {"rd1", "7"}, {"rd2", "0"}, {"mp", "0"}}
            << QStringList();
    }

    void typingComputes() { runAndCompare(); }

    void driveAndPipe_data()
    {
        addColumns();
        QTest::newRow("flow 4,68 at 1450 rpm and 1,5 kW")
            << Steps{{motorList, motor1450}, {"rd1", "4,68"}}
            << Texts{{"ron", "3,4 см3/об"}, {"bon", "3,4"}, {"brn", "3,5  см3/об"}, {"md", "176,28 бар"}}
            << QStringList();
        QTest::newRow("flow 12 at 1500 rpm and 4 kW")
            << Steps{{"rd1", "12"}, {motorList, motor1500}}
            << Texts{{"ron", "8,42 см3/об"}, {"brn", "10  см3/об"}, {"md", "183,33 бар"}} << QStringList();
        QTest::newRow("no pump large enough")
            << Steps{{motorList, motor1450}, {"rd1", "100"}}
            << Texts{{"ron", "72,6 см3/об"}, {"brn", "0  см3/об"}, {"md", "8,25 бар"}} << QStringList();
        QTest::newRow("flow back to zero")
            << Steps{{motorList, motor1450}, {"rd1", "4,68"}, {"rd1", "0"}}
            << Texts{{"ron", "0 см3/об"}, {"brn", "0 см3/об"}, {"md", "0"}} << QStringList();
        QTest::newRow("zero flow from the start keeps the pump size")
            << Steps{{motorList, motor1450}, {"rd1", "0"}}
            << Texts{{"ron", "0 см3/об"}, {"brn", "0"}, {"md", "0"}} << QStringList();
        QTest::newRow("motor chosen while the flow is empty")
            << Steps{{"rd1", ""}, {motorList, motor1500}}
            << Texts{{"ron", "0"}, {"brn", "0"}, {"md", "0"}} << QStringList();
        QTest::newRow("flow typed after the motor")
            << Steps{{"rd1", ""}, {motorList, motor1500}, {"rd1", "12"}}
            << Texts{{"ron", "8,42 см3/об"}, {"md", "183,33 бар"}} << QStringList();
        QTest::newRow("motor without speed")
            << Steps{{motorList, motor1450}, {"rd1", "4,68"}, {motorList, motorWithoutSpeed}}
            << Texts{{"ron", "0 см3/об"}, {"bon", "0"}, {"brn", "0 см3/об"}, {"md", "129,27 бар"}} << QStringList();
        QTest::newRow("motor with an empty speed")
            << Steps{{motorList, motorWithEmptySpeed}, {"rd1", "5"}}
            << Texts{{"ron", "0 см3/об"}, {"brn", "0"}, {"md", "220 бар"}} << QStringList();
        QTest::newRow("flow from the cylinder")
            << Steps{{motorList, motor1450}, {"up", "10"}} + cylinder("50", "25", "200", "5", "100")
            << Texts{{"rd1", "4,68"}, {"ron", "3,4 см3/об"}, {"md", "176,28 бар"}, {"rd2", "4,68"},
                     {"sp", "0,99 м/сек"}}
            << QStringList();
        QTest::newRow("pipe speed from the bore")
            << Steps{{"rd2", "12"}, {"up", "8"}} << Texts{{"sp", "3,98 м/сек"}} << QStringList();
        QTest::newRow("pipe speed from the flow")
            << Steps{{"up", "10"}, {"rd2", "4,68"}} << Texts{{"sp", "0,99 м/сек"}} << QStringList();
        QTest::newRow("empty bore keeps the speed until the flow changes")
            << Steps{{"rd2", "12"}, {"up", "8"}, {"up", ""}, {"rd2", "5"}}
            << Texts{{"sp", "3,98 м/сек"}} << QStringList{notANumber("")};
        QTest::newRow("full stop becomes a comma")
            << Steps{{"rd1", "1.5"}, {"rd2", "2.5"}, {"up", "3.5"}}
            << Texts{{"rd1", "1,5"}, {"rd2", "2,5"}, {"up", "3,5"}} << QStringList();
    }

    void driveAndPipe() { runAndCompare(); }

    void nearestPumpSize_data()
    {
        QTest::addColumn<double>("displacement");
        QTest::addColumn<double>("size");
        QTest::newRow("between sizes") << 3.4 << 3.5;
        QTest::newRow("exactly a size") << 4.2 << 4.2;
        QTest::newRow("below the smallest") << 0.01 << 1.6;
        QTest::newRow("between the largest") << 10.5 << 16.0;
        QTest::newRow("above the largest") << 16.01 << 0.0;
    }

    void nearestPumpSize()
    {
        QFETCH(double, displacement);
        QFETCH(double, size);
        QCOMPARE(fixture->find<CalculatorPage>("calculatorPage")->nearestPumpSize(displacement), size);
    }
};

QTEST_MAIN(CalculatorTest)
#include "tst_calculator.moc"
