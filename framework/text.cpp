#include "text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace fw {

namespace {

// ---- Characters: QString holds UTF-16, the program counts code points ----

bool startsPair(const QString& text, qsizetype i)
{
    return i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate();
}

// The UTF-16 index reached by stepping over count characters from index from.
// A lone surrogate counts as one character; the walk stops at the end.
qsizetype advance(const QString& text, qsizetype from, qsizetype count)
{
    qsizetype i = from;
    for (; count > 0 && i < text.size(); --count)
        i += startsPair(text, i) ? 2 : 1;
    return i;
}

// Characters in the UTF-16 units [0, end).
qsizetype charsBefore(const QString& text, qsizetype end)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < end; ++count)
        i += startsPair(text, i) ? 2 : 1;
    return count;
}

// A match must not begin or end in the middle of a surrogate pair.
bool splitsPair(const QString& text, qsizetype index)
{
    return index > 0 && index < text.size() && startsPair(text, index - 1);
}

// ---- Val ----

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The ASCII spelling of the leading number of a text, without its sign.
struct ScannedNumber {
    bool negative = false;
    std::string mantissa; // digits with at most one '.'
    std::string exponent; // "e", an optional sign and digits, or empty
};

std::optional<ScannedNumber> scanNumber(const QString& text)
{
    ScannedNumber number;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        number.negative = text.at(i++) == u'-';

    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (isAsciiDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        number.mantissa += char(c.unicode());
    }
    if (!digits)
        return std::nullopt;

    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-'))
            exponent += char(text.at(j++).unicode());
        if (j < n && isAsciiDigit(text.at(j))) {
            for (; j < n && isAsciiDigit(text.at(j)); ++j)
                exponent += char(text.at(j).unicode());
            number.exponent = exponent;
        }
    }
    return number;
}

// The exponent's value, held within +/-1e15 so that it cannot overflow; that is
// far beyond any Double and keeps the sign of the order of magnitude right.
long long exponentValue(const std::string& exponent)
{
    constexpr long long cap = 1'000'000'000'000'000LL;
    long long value = 0;
    bool negative = false;
    for (const char c : exponent) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9' && value < cap)
            value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// A number out of range is refused without saying which way, so decide from the
// decimal order of magnitude whether it was too large or too small.
bool overflows(const ScannedNumber& number)
{
    const std::string& m = number.mantissa;
    const auto first = m.find_first_of("123456789");
    if (first == std::string::npos)
        return false;
    const auto point = m.find('.');
    const long long intDigits = static_cast<long long>(point == std::string::npos ? m.size() : point);
    long long firstDigit = static_cast<long long>(first);
    if (point != std::string::npos && first > point)
        --firstDigit;
    // The value is 0.d... times 10 to this power.
    const long long order = intDigits - firstDigit + exponentValue(number.exponent);
    return order > 0;
}

// ---- Str ----

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

// ---- Format ----

bool isFieldChar(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

// The pattern's number field: the units [begin, end) and what they ask for.
struct NumberField {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype minIntDigits = 0;
    bool grouping = false;
    qsizetype maxDecimals = 0;
    qsizetype minDecimals = 0;
};

NumberField describeField(const QString& pattern, qsizetype begin, qsizetype end)
{
    NumberField field{begin, end};
    bool afterPoint = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = pattern.at(i);
        if (c == u'.') {
            afterPoint = true;
        } else if (!afterPoint) {
            field.minIntDigits += c == u'0' ? 1 : 0;
            field.grouping = field.grouping || c == u',';
        } else if (c == u'#' || c == u'0') {
            ++field.maxDecimals;
            if (c == u'0')
                field.minDecimals = field.maxDecimals;
        }
    }
    return field;
}

// The first run of field characters (at most one '.') holding a digit placeholder.
std::optional<NumberField> findField(const QString& pattern)
{
    qsizetype i = 0;
    while (i < pattern.size()) {
        if (pattern.at(i) == u'\\') {
            i += 1 + (startsPair(pattern, i + 1) ? 2 : 1);
            continue;
        }
        if (!isFieldChar(pattern.at(i))) {
            ++i;
            continue;
        }
        const qsizetype begin = i;
        bool point = false;
        bool placeholder = false;
        for (; i < pattern.size() && isFieldChar(pattern.at(i)); ++i) {
            if (pattern.at(i) == u'.') {
                if (point)
                    break;
                point = true;
            }
            placeholder = placeholder || pattern.at(i) == u'#' || pattern.at(i) == u'0';
        }
        if (placeholder)
            return describeField(pattern, begin, i);
    }
    return std::nullopt;
}

// Pattern text outside the number field: a backslash copies the next character.
QString literalText(const QString& pattern, qsizetype begin, qsizetype end)
{
    QString out;
    for (qsizetype i = begin; i < end; ++i) {
        if (pattern.at(i) == u'\\' && i + 1 < end)
            ++i;
        out += pattern.at(i);
    }
    return out;
}

// The shortest fixed-notation text that reads back as the same magnitude. Below 2^53
// Qt's conversion gives the same text as the C++ library's, whose code would otherwise
// be loaded at start for the angles alone; above it Qt pads its shortest digits with
// zeros, where fixed notation calls for the value's exact digits.
std::string shortestDigits(double magnitude)
{
    if (magnitude < 0x1p53)
        return QByteArray::number(magnitude, 'f', QLocale::FloatingPointShortest).toStdString();
    char buffer[512]; // the longest fixed text of a Double is about 330 characters
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}

struct Decimal {
    std::string integer;
    std::string fraction;
};

// Rounds a decimal text to at most decimals places, halves away from zero.
Decimal roundDecimal(const std::string& text, qsizetype decimals)
{
    const auto point = text.find('.');
    Decimal d{text.substr(0, point), point == std::string::npos ? std::string() : text.substr(point + 1)};
    if (static_cast<qsizetype>(d.fraction.size()) <= decimals)
        return d;
    const bool up = d.fraction[static_cast<std::size_t>(decimals)] >= '5';
    d.fraction.resize(static_cast<std::size_t>(decimals));
    if (!up)
        return d;
    for (auto* part : {&d.fraction, &d.integer}) {
        for (auto it = part->rbegin(); it != part->rend(); ++it) {
            if (*it != '9') {
                ++*it;
                return d;
            }
            *it = '0';
        }
    }
    d.integer.insert(d.integer.begin(), '1');
    return d;
}

std::string groupThousands(const std::string& digits)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// The number field's text for the magnitude of a value, and whether it is zero.
std::string fieldText(double magnitude, const NumberField& field, bool& isZero)
{
    Decimal d = roundDecimal(shortestDigits(magnitude), field.maxDecimals);
    d.integer.erase(0, d.integer.find_first_not_of('0')); // all zeros: erased whole
    isZero = d.integer.empty() && d.fraction.find_first_not_of('0') == std::string::npos;

    if (static_cast<qsizetype>(d.integer.size()) < field.minIntDigits)
        d.integer.insert(0, static_cast<std::size_t>(field.minIntDigits) - d.integer.size(), '0');
    if (static_cast<qsizetype>(d.fraction.size()) < field.minDecimals)
        d.fraction.append(static_cast<std::size_t>(field.minDecimals) - d.fraction.size(), '0');
    while (static_cast<qsizetype>(d.fraction.size()) > field.minDecimals && d.fraction.back() == '0')
        d.fraction.pop_back();

    std::string text = field.grouping ? groupThousands(d.integer) : d.integer;
    if (!d.fraction.empty())
        text += '.' + d.fraction;
    return text;
}

} // namespace

// ---- Numbers and text ----

double Val(const QString& text)
{
    const std::optional<ScannedNumber> number = scanNumber(text);
    if (!number)
        return 0.0;
    const std::string spelled = number->mantissa + number->exponent;
    // Qt reads in the C locale, rounding correctly. The scanned spelling is always a
    // number, so a refusal means that it is out of range.
    bool inRange = false;
    double magnitude = QByteArrayView(spelled.data(), qsizetype(spelled.size())).toDouble(&inRange);
    if (!inRange)
        magnitude = overflows(*number) ? std::numeric_limits<double>::infinity() : 0.0;
    return number->negative ? -magnitude : magnitude;
}

QString Str(std::int32_t value)
{
    return QString::number(value);
}

QString Str(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0.0)
        return QStringLiteral("0");
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 7);
}

QString CStr(std::int32_t value)
{
    return Str(value);
}

QString CStr(double value)
{
    return Str(value);
}

QString Format(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (pattern.isEmpty())
        return Str(value);
    const std::optional<NumberField> field = findField(pattern);
    if (!field)
        return literalText(pattern, 0, pattern.size());

    bool isZero = true;
    const std::string number = fieldText(std::fabs(value), *field, isZero);
    QString out;
    if (value < 0 && !isZero)
        out += u'-';
    out += literalText(pattern, 0, field->begin);
    out += QString::fromLatin1(number.data(), static_cast<qsizetype>(number.size()));
    out += literalText(pattern, field->end, pattern.size());
    return out;
}

// ---- Characters ----

qsizetype Len(const QString& text)
{
    return charsBefore(text, text.size());
}

QString Left(const QString& text, qsizetype n)
{
    if (n <= 0)
        return QString();
    return text.left(advance(text, 0, n));
}

QString Right(const QString& text, qsizetype n)
{
    if (n <= 0)
        return QString();
    const qsizetype length = Len(text);
    if (n >= length)
        return text;
    return text.mid(advance(text, 0, length - n));
}

QString Mid(const QString& text, qsizetype start, qsizetype length)
{
    if (length <= 0)
        return QString();
    const qsizetype begin = advance(text, 0, start < 1 ? 0 : start - 1);
    const qsizetype end = advance(text, begin, length);
    return text.mid(begin, end - begin);
}

QString Mid(const QString& text, qsizetype start)
{
    return text.mid(advance(text, 0, start < 1 ? 0 : start - 1));
}

qsizetype InStr(const QString& source, const QString& find)
{
    return InStr(1, source, find);
}

qsizetype InStr(qsizetype start, const QString& source, const QString& find)
{
    if (start < 1)
        start = 1;
    if (source.isEmpty())
        return 0;
    const qsizetype begin = advance(source, 0, start - 1);
    if (begin >= source.size())
        return 0;
    if (find.isEmpty())
        return start;
    for (qsizetype from = begin;;) {
        const qsizetype index = source.indexOf(find, from, Qt::CaseInsensitive);
        if (index < 0)
            return 0;
        if (!splitsPair(source, index) && !splitsPair(source, index + find.size()))
            return charsBefore(source, index) + 1;
        from = index + 1;
    }
}

bool StrEquals(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

} // namespace fw
