// In-process benchmarks of the work behind a click: one Calculate on a real
// window, and the two conversions it uses.
#include "calculatorwindow.h"
#include "commands.h"
#include "numbertext.h"

#include <QLineEdit>
#include <QTest>

class BenchWork : public QObject {
    Q_OBJECT

private slots:
    void calculate()
    {
        CalculatorWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QLineEdit *>(u"编辑框2"_qs)->setText(u"7.89"_qs);
        window.findChild<QLineEdit *>(u"编辑框3"_qs)->setText(u"100"_qs);
        window.findChild<QLineEdit *>(u"编辑框4"_qs)->setText(u"3"_qs);
        QBENCHMARK
        {
            commands::calculate(window);
        }
    }

    void numberToText()
    {
        double x = 33.333333333333336;
        QBENCHMARK
        {
            const QString text = numbertext::fromNumber(x);
            x += text.size() * 1e-15;
        }
    }

    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << "7.5";
        QTest::newRow("shortest round trip") << "33.333333333333336";
        QTest::newRow("full-width with unit") << "１，２３４。５元";
    }

    void textToNumber()
    {
        QFETCH(QString, text);
        double sum = 0;
        QBENCHMARK
        {
            sum += numbertext::toNumber(text);
        }
        QVERIFY(sum == sum || text.isEmpty());
    }
};

QTEST_MAIN(BenchWork)
#include "bench_work.moc"
