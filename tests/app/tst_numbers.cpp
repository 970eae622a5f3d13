#include "app/numbers.h"
#include "catalogue/catalogueerror.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace kvartson;

// Reading, rounding and showing numbers as every window does, under the
// Russian settings the program is made for unless a row says otherwise.
class NumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void readsLocaleText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "19,63" << 19.63;
        QTest::newRow("whole number") << "4" << 4.0;
        QTest::newRow("blanks around") << "  4,5 " << 4.5;
        QTest::newRow("minus") << "-0,5" << -0.5;
        QTest::newRow("plus") << "+2" << 2.0;
        QTest::newRow("leading separator") << ",5" << 0.5;
        QTest::newRow("trailing separator") << "12," << 12.0;
        QTest::newRow("exponent") << "1,5E3" << 1500.0;
        QTest::newRow("small exponent") << "2e-3" << 0.002;
        QTest::newRow("zero") << "0" << 0.0;
    }

    void readsLocaleText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Numbers::read(text), value);
    }

    void refusesWhatIsNotANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("full stop under Russian settings") << "1.5";
        QTest::newRow("blank as group separator") << "1 000";
        QTest::newRow("locale group separator") << QStringLiteral("1\u00a0000");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("sign only") << "-";
        QTest::newRow("two separators") << "1,2,3";
        QTest::newRow("number and unit") << "1,5 кВт";
        QTest::newRow("exponent without digits") << "1e";
        QTest::newRow("exponent alone") << "e5";
        QTest::newRow("two signs") << "--1";
        QTest::newRow("too large") << "1e400";
        QTest::newRow("infinity") << "inf";
    }

    void refusesWhatIsNotANumber()
    {
        QFETCH(QString, text);
        try {
            Numbers::read(text);
            QFAIL("read a number");
        } catch (const UserError &error) {
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }

    void readsInTheGivenLocale()
    {
        QCOMPARE(Numbers::read(QStringLiteral("1.5"), QLocale::c()), 1.5);
        QVERIFY_THROWS_EXCEPTION(UserError, Numbers::read(QStringLiteral("1,5"), QLocale::c()));
    }

    void showsFifteenDigits_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << 19.63L << "19,63";
        QTest::newRow("whole") << 4.0L << "4";
        QTest::newRow("one decimal") << 0.9L << "0,9";
        QTest::newRow("zero") << 0.0L << "0";
        QTest::newRow("minus zero") << -0.0L << "0";
        QTest::newRow("negative") << -2.4L << "-2,4";
        // Differences and sums of rounded doubles carry a tail that 15 digits hide.
        QTest::newRow("difference of rounded areas") << static_cast<long double>(19.63 - 4.91) << "14,72";
        QTest::newRow("negative difference") << static_cast<long double>(19.63 - 28.27) << "-8,64";
        QTest::newRow("sum of doubles") << static_cast<long double>(0.1) + 0.2 << "0,3";
        QTest::newRow("third") << 1.0L / 3 << "0,333333333333333";
        QTest::newRow("two thirds") << 2.0L / 3 << "0,666666666666667";
        QTest::newRow("fifteen digits") << 123456789012345.6L << "123456789012346";
        QTest::newRow("largest plain") << 999999999999999.0L << "999999999999999";
        QTest::newRow("from 10^15") << 1e15L << "1E15";
        QTest::newRow("rounds up to 10^15") << 999999999999999.9L << "1E15";
        QTest::newRow("large with decimals") << -2.5e16L << "-2,5E16";
        QTest::newRow("0.00001 plain") << 0.00001L << "0,00001";
        QTest::newRow("0.00001 as a double") << static_cast<long double>(0.00001) << "0,00001";
        QTest::newRow("rounds up to 0.00001") << 0.0000099999999999999999L << "0,00001";
        QTest::newRow("small plain") << 0.0000123L << "0,0000123";
        QTest::newRow("below 0.00001") << 0.000009L << "9E-6";
        QTest::newRow("tiny") << -1.5e-7L << "-1,5E-7";
    }

    void showsFifteenDigits()
    {
        QFETCH(long double, value);
        QFETCH(QString, text);
        QCOMPARE(Numbers::show(value), text);
        QString c = text;
        QCOMPARE(Numbers::show(value, QLocale::c()), c.replace(QLatin1Char(','), QLatin1Char('.')));
    }

    void roundsToTwoPlaces_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("twoPlaces");
        QTest::newRow("piston area") << 50.0L * 50 * 3.1415L / 400 << "19,63";
        QTest::newRow("rod area") << 25.0L * 25 * 3.1415L / 400 << "4,91";
        QTest::newRow("volume") << 200.0L * 19.63 / 10000 << "0,39";
        QTest::newRow("negative") << -0.0393L << "-0,04";
        QTest::newRow("minutes") << 0.29L / 4.68 << "0,06";
        QTest::newRow("whole") << 1963.0L << "1963";
        QTest::newRow("below half a step") << 0.001L << "0";
        // 0.005 is exactly half the double nearest 0.01: ties go to even.
        QTest::newRow("exact half to even") << static_cast<long double>(0.005) << "0";
        QTest::newRow("exact half, negative") << static_cast<long double>(-0.005) << "0";
        QTest::newRow("just below a half") << 1.125L << "1,12";
        QTest::newRow("stored as a double first") << 0.00500000000000000015L << "0";
    }

    void roundsToTwoPlaces()
    {
        QFETCH(long double, value);
        QFETCH(QString, twoPlaces);
        QCOMPARE(Numbers::show(Numbers::twoPlaces(value)), twoPlaces);
    }

    void roundsToOnePlace_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("onePlace");
        QTest::newRow("up") << 1.26L << "1,3";
        QTest::newRow("down") << 1.24L << "1,2";
        // 0.05 is exactly half the double nearest 0.1.
        QTest::newRow("exact half to even") << static_cast<long double>(0.05) << "0";
        QTest::newRow("negative") << -7.77L << "-7,8";
    }

    void roundsToOnePlace()
    {
        QFETCH(long double, value);
        QFETCH(QString, onePlace);
        QCOMPARE(Numbers::show(Numbers::onePlace(value)), onePlace);
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
