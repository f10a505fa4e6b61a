#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace numbertext {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// Full-width ASCII (what a Chinese input method types in full-width mode),
// the ideographic full stop used as a decimal point and the minus sign read
// as their ASCII forms.
char16_t folded(char16_t c)
{
    if (c >= u'！' && c <= u'～')
        return char16_t(c - u'！' + u'!');
    if (c == u'。')
        return u'.';
    if (c == u'−')
        return u'-';
    return c;
}

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The text between the white space around it, folded to ASCII forms.
std::u16string foldedTrimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].isSpace())
        ++begin;
    while (end > begin && text[end - 1].isSpace())
        --end;
    std::u16string result;
    result.reserve(std::size_t(end - begin));
    for (qsizetype i = begin; i < end; ++i)
        result.push_back(folded(text[i].unicode()));
    return result;
}

// How many characters from `start` a whole part grouped in thousands covers
// ("1,234,567"): one to three digits, then groups of a comma and three
// digits. 0 when the digits there are not grouped that way.
std::size_t groupedLength(const std::u16string &text, std::size_t start)
{
    std::size_t i = start;
    while (i < text.size() && isAsciiDigit(text[i]))
        ++i;
    const std::size_t lead = i - start;
    if (lead < 1 || lead > 3)
        return 0;
    while (i + 3 < text.size() && text[i] == u',' && isAsciiDigit(text[i + 1]) &&
           isAsciiDigit(text[i + 2]) && isAsciiDigit(text[i + 3]))
        i += 4;
    if (i == start + lead)
        return 0;
    if (i < text.size() && (text[i] == u',' || isAsciiDigit(text[i])))
        return 0;
    return i - start;
}

// For a decimal that std::from_chars found out of range: true when it is too
// large for a double, false when too small. The sign of its decimal
// magnitude decides, so a rough count is enough.
bool overflows(std::string_view number)
{
    const auto e = number.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000'000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, e);
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
        return exponent + static_cast<long long>(whole.size() - firstWhole) > 0;
    if (point == std::string_view::npos)
        return false;
    const auto leadingZeros = mantissa.substr(point + 1).find_first_not_of('0');
    return leadingZeros != std::string_view::npos &&
           exponent - static_cast<long long>(leadingZeros) > 0;
}

// Reads an unsigned decimal, "infinity" or "notANumber" at `start`. On success stores the
// value and the index just past the number.
bool readUnsigned(const std::u16string &text, std::size_t start, double &value, std::size_t &end)
{
    if (start < text.size() && text[start] == u'∞') {
        value = infinity;
        end = start + 1;
        return true;
    }
    // std::from_chars reads ASCII only; the commas of a grouped whole part are
    // left out, anything else outside ASCII ends the number.
    const std::size_t grouped = groupedLength(text, start);
    std::size_t commas = 0;
    std::string ascii;
    ascii.reserve(text.size() - start);
    for (std::size_t i = start; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (i < start + grouped && c == u',') {
            ++commas;
            continue;
        }
        ascii.push_back(c < 0x80 ? char(c) : ' ');
    }
    const char *first = ascii.data();
    const char *last = first + ascii.size();
    if (first == last || *first == '+' || *first == '-')
        return false;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr == first)
        return false;
    if (ec == std::errc::result_out_of_range)
        value = overflows(std::string_view(first, std::size_t(ptr - first))) ? infinity : 0.0;
    // A number always takes in all the digits of its whole part, commas too.
    end = start + std::size_t(ptr - first) + commas;
    return true;
}

} // namespace

QString fromNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("无效");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    if (value == 0)
        return QStringLiteral("0");
    std::array<char, 32> buffer; // the longest shortest form of a double is 24
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

double toNumber(QStringView text)
{
    const std::u16string s = foldedTrimmed(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
        negative = s[pos] == u'-';
        ++pos;
    }
    double value = notANumber;
    std::size_t end = pos;
    if (!readUnsigned(s, pos, value, end))
        return notANumber;
    // A unit may follow the number, but no more digits.
    if (std::any_of(s.begin() + std::ptrdiff_t(end), s.end(),
                    [](char16_t c) { return QChar::isDigit(c); }))
        return notANumber;
    return negative ? -value : value;
}

} // namespace numbertext
