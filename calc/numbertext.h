#pragma once

#include <QString>
#include <QStringView>

// How the calculator turns the text of a box into a number and a number back
// into text. No widgets and no locale: the same text reads the same everywhere.
namespace numbertext {

// The shortest text that reads back as exactly the same double, in ASCII with
// '.' as decimal point ("0.6", "8", "1e-07"). Infinities are "∞" and "-∞",
// NaN is "无效", and negative zero is shown as "0".
QString fromNumber(double value);

// Reads what a driver types: white space around the number is ignored,
// full-width digits, signs and points count as their ASCII forms, a unit after
// the number ("300元", "500 km") is skipped, and thousands may be grouped
// ("1,234"). Text that does not begin with a number, or has more digits after
// it, is NaN; so is the empty text. Never fails: every text gives a double.
double toNumber(QStringView text);

} // namespace numbertext
