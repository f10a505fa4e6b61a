#include "commands.h"

#include "numbertext.h"

#include <QLineEdit>
#include <QWidget>

namespace commands {

namespace {

const auto price = QStringLiteral("编辑框2");
const auto money = QStringLiteral("编辑框3");
const auto distance = QStringLiteral("编辑框4");
const auto perHundredKm = QStringLiteral("编辑框5");
const auto perKm = QStringLiteral("编辑框6");

QLineEdit &box(QWidget &window, const QString &name)
{
    auto *found = window.findChild<QLineEdit *>(name);
    Q_ASSERT_X(found, "commands::box", "the window has no edit box of that name");
    return *found;
}

// Replaces the whole text and shows its start: setText() leaves the cursor,
// and so the view, at the end, where a long figure would show only its tail.
void write(QWidget &window, const QString &name, const QString &text)
{
    QLineEdit &edit = box(window, name);
    edit.setText(text);
    edit.setCursorPosition(0);
}

double readNumber(QWidget &window, const QString &name)
{
    return numbertext::toNumber(box(window, name).text());
}

void showNumber(QWidget &window, const QString &name, double value)
{
    write(window, name, numbertext::fromNumber(value));
}

} // namespace

void calculate(QWidget &window)
{
    const double m = readNumber(window, money);
    const double d = readNumber(window, distance);
    showNumber(window, perKm, m / d);
    // The consumption is worked out from the cost per km as it is shown.
    const double costPerKm = readNumber(window, perKm);
    const double per100 = costPerKm * 100.0;
    const double p = readNumber(window, price);
    showNumber(window, perHundredKm, per100 / p);
}

void clear(QWidget &window)
{
    for (const QString &name : {price, money, distance, perHundredKm, perKm})
        write(window, name, QString());
}

} // namespace commands
