#include "numbertext.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using numbertext::fromNumber;
using numbertext::toNumber;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Exact comparison: QCOMPARE on doubles is fuzzy, and a driver comparing
// figures needs the same double, not a close one. Every NaN counts as one.
quint64 bits(double x)
{
    return std::isnan(x) ? std::bit_cast<quint64>(notANumber) : std::bit_cast<quint64>(x);
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void numberToText_data();
    void numberToText();
    void textToNumber_data();
    void textToNumber();
    void roundTripSpecialValues_data();
    void roundTripSpecialValues();
    void roundTripRandomBitPatterns();
};

void TestNumberText::numberToText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << 8.0 << "8";
    QTest::newRow("decimal") << 0.6 << "0.6";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("shortest that reads back") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("long quotient") << 100.0 / 3 << "33.333333333333336";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("small: exponent form") << 1e-7 << "1e-07";
    QTest::newRow("large: exponent form") << 1e22 << "1e+22";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << "5e-324";
    QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.7976931348623157e+308";
    QTest::newRow("plus infinity") << infinity << "∞";
    QTest::newRow("minus infinity") << -infinity << "-∞";
    QTest::newRow("NaN") << notANumber << "无效";
    QTest::newRow("negative NaN") << -notANumber << "无效";
}

void TestNumberText::numberToText()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(fromNumber(number), text);
}

void TestNumberText::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    // Plain numbers.
    QTest::newRow("integer") << "300" << 300.0;
    QTest::newRow("decimal") << "7.5" << 7.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("minus sign") << "-0.6" << -0.6;
    QTest::newRow("minus zero") << "-0" << -0.0;
    QTest::newRow("exponent") << "1e-07" << 1e-7;
    QTest::newRow("capital exponent") << "1E3" << 1000.0;
    QTest::newRow("overflow") << "1e999" << infinity;
    QTest::newRow("negative overflow") << "-1e999" << -infinity;
    QTest::newRow("overflow by digits") << QString(400, u'9') << infinity;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("underflow by zeros") << "0." + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("huge exponent digits") << "1e" + QString(30, u'9') << infinity;
    QTest::newRow("long mantissa") << "0.1000000000000000055511151231257827" << 0.1;

    // White space around the number.
    QTest::newRow("ASCII spaces") << " \t7.5 \n" << 7.5;
    QTest::newRow("ideographic spaces") << "\u30007.5\u3000" << 7.5;

    // What a Chinese input method types in full-width mode.
    QTest::newRow("full-width digits") << "３００" << 300.0;
    QTest::newRow("full-width point") << "７．５" << 7.5;
    QTest::newRow("ideographic full stop") << "７。５" << 7.5;
    QTest::newRow("full-width plus") << "＋５" << 5.0;
    QTest::newRow("full-width minus") << "－５" << -5.0;
    QTest::newRow("minus sign U+2212") << "−5" << -5.0;
    QTest::newRow("full-width exponent") << "１ｅ３" << 1000.0;

    // A unit after the number.
    QTest::newRow("yuan") << "300元" << 300.0;
    QTest::newRow("space and km") << "500 km" << 500.0;
    QTest::newRow("yuan per litre") << "7.5元/升" << 7.5;
    QTest::newRow("unfinished exponent") << "5e" << 5.0;

    // Grouped thousands: the whole number, or NaN.
    QTest::newRow("grouped") << "1,234" << 1234.0;
    QTest::newRow("grouped, full-width comma") << "1，234.5" << 1234.5;
    QTest::newRow("grouped millions") << "12,345,678" << 12345678.0;
    QTest::newRow("grouped, signed, with unit") << "-1,234元" << -1234.0;
    QTest::newRow("short group") << "1,23" << notANumber;
    QTest::newRow("long group") << "1,2345" << notANumber;
    QTest::newRow("long lead") << "1234,567" << notANumber;
    QTest::newRow("comma first") << ",123" << notANumber;
    QTest::newRow("decimal comma") << "7,5" << notANumber;

    // Infinities and NaN by name.
    QTest::newRow("infinity sign") << "∞" << infinity;
    QTest::newRow("minus infinity sign") << "-∞" << -infinity;
    QTest::newRow("inf") << "inf" << infinity;
    QTest::newRow("minus inf") << "-inf" << -infinity;
    QTest::newRow("nan") << "nan" << notANumber;
    QTest::newRow("invalid, as shown") << "无效" << notANumber;

    // Not a number.
    QTest::newRow("empty") << "" << notANumber;
    QTest::newRow("only spaces") << "  \u3000 " << notANumber;
    QTest::newRow("letters") << "abc" << notANumber;
    QTest::newRow("unit first") << "元300" << notANumber;
    QTest::newRow("sign alone") << "-" << notANumber;
    QTest::newRow("point alone") << "." << notANumber;
    QTest::newRow("exponent alone") << "e5" << notANumber;
    QTest::newRow("two signs") << "--5" << notANumber;
    QTest::newRow("mixed signs") << "+-5" << notANumber;
    QTest::newRow("space after sign") << "- 5" << notANumber;
    QTest::newRow("hexadecimal") << "0x10" << notANumber;
    QTest::newRow("two points") << "1.2.3" << notANumber;
    QTest::newRow("two numbers") << "5 5" << notANumber;
    QTest::newRow("digit after unit") << "5元3" << notANumber;
    QTest::newRow("full-width digit after unit") << "5元３" << notANumber;
    QTest::newRow("other script's digit after") << "5 \u0663" << notANumber;
}

void TestNumberText::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(bits(toNumber(text)), bits(number));
}

void TestNumberText::roundTripSpecialValues_data()
{
    using limits = std::numeric_limits<double>;
    QTest::addColumn<double>("number");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("smallest subnormal") << limits::denorm_min();
    QTest::newRow("largest subnormal") << limits::min() - limits::denorm_min();
    QTest::newRow("smallest normal") << limits::min();
    QTest::newRow("largest") << limits::max();
    QTest::newRow("lowest") << limits::lowest();
    QTest::newRow("epsilon above one") << 1 + limits::epsilon();
    QTest::newRow("2^53 + 2") << 9007199254740994.0;
    QTest::newRow("plus infinity") << infinity;
    QTest::newRow("minus infinity") << -infinity;
    QTest::newRow("NaN") << notANumber;
    QTest::newRow("signalling NaN") << limits::signaling_NaN();
}

void TestNumberText::roundTripSpecialValues()
{
    QFETCH(double, number);
    const double back = toNumber(fromNumber(number));
    // Negative zero comes back as zero; everything else as the same bits.
    QCOMPARE(bits(back), bits(number == 0 ? 0.0 : number));
}

void TestNumberText::roundTripRandomBitPatterns()
{
    QRandomGenerator random(20261211);
    for (int i = 0; i < 1'000'000; ++i) {
        const double number = std::bit_cast<double>(random.generate64());
        const QString text = fromNumber(number);
        const double back = toNumber(text);
        if (bits(back) != bits(number == 0 ? 0.0 : number))
            QFAIL(qPrintable(QStringLiteral("%1 (bits %2) read back as %3")
                                 .arg(text)
                                 .arg(std::bit_cast<quint64>(number), 16, 16, QChar(u'0'))
                                 .arg(fromNumber(back))));
    }
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
