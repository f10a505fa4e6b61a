// libFuzzer target for the number <-> text conversion. Arbitrary bytes are
// read as UTF-8, as UTF-16 (lone surrogates, NULs, RTL marks …) and as a raw
// double; for each, reading must not crash and the round trip through the
// shown text must give back the same number.

#include "numbertext.h"

#include <QString>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool sameNumber(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (a == 0 && b == 0);
}

[[noreturn]] void failed(const char *what, const QString &text, double a, double b)
{
    std::fprintf(stderr, "%s: %.17g vs %.17g for text (%lld UTF-16 units) \"%s\"\n", what, a, b,
                 static_cast<long long>(text.size()), text.left(200).toUtf8().constData());
    std::abort();
}

void checkNumber(double x)
{
    const QString shown = numbertext::fromNumber(x);
    const double back = numbertext::toNumber(shown);
    if (!sameNumber(x, back))
        failed("round trip", shown, x, back);
}

void checkText(const QString &text)
{
    const double x = numbertext::toNumber(text);
    checkNumber(x);
    // White space around a text never changes what it reads as.
    const QString padded = QStringLiteral(" \u3000") + text + QStringLiteral("\t\u3000");
    const double y = numbertext::toNumber(padded);
    if (!sameNumber(x, y))
        failed("padding", text, x, y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));

    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    checkText(QString::fromUtf16(units.data(), qsizetype(units.size())));

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        checkNumber(x);
    }
    return 0;
}
