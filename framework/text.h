#pragma once

#include <QString>

#include <cstdint>

// The framework's text functions. Texts come in and go out as UTF-8 and are never
// normalised. A character is a Unicode code point: one outside the Basic
// Multilingual Plane counts as one character, not as two UTF-16 units.
// Positions are 1-based, as in BASIC.
namespace fw {

// ---- Numbers and text ----

// The leading number of a text, or 0 when there is none.
// Reads: leading blanks (spaces and tabs); an optional sign + or -; ASCII digits
// with at most one decimal point; then, only if a digit was read, an optional
// exponent (e or E, an optional sign, at least one digit; an incomplete exponent
// is not part of the number). Whatever follows is ignored. "nan", "inf" and
// non-ASCII digits give 0. Too large for a Double gives +/-infinity; too small
// gives 0 (or the subnormal value).
double Val(const QString& text);

// Decimal text of an Int32: "1968", "-5".
QString Str(std::int32_t value);

// Decimal text of a Double. An integral value below 1e15 in magnitude shows
// without decimals ("6"); any other value shows with up to 7 significant digits
// in the shorter of fixed and exponent notation ("0.5", "3.141593", "1e+99").
// Negative zero shows as "0"; NaN as "NaN", infinities as "Infinity" and "-Infinity".
QString Str(double value);

// CStr is the same conversion as Str; the program uses both names.
QString CStr(std::int32_t value);
QString CStr(double value);

// A number laid out by a pattern such as "#,##0.0\°".
// The pattern's number field is its first run of '#' (optional digit), '0'
// (required digit), ',' and at most one '.', holding at least one '#' or '0'.
// In the integer part, the count of '0' is the least number of digits and a ','
// groups the digits by thousands. After the '.', the count of '#' and '0' is the
// most number of decimals and the place of the last '0' the least; when no
// decimal remains the point is left out. The value is rounded to that many
// decimals, halves away from zero, taking the shortest decimal text that reads
// back as the same Double (so 1.005 rounds to 1.01). Everything else is copied
// as it is, and a backslash copies the character after it literally.
// A negative value whose rounded digits are not all zero gets a leading "-" in
// front of the whole result (so -0.04 with one decimal gives "0.0").
// An empty pattern gives Str(value). NaN gives "NaN" and infinities
// "Infinity" / "-Infinity", whatever the pattern.
QString Format(double value, const QString& pattern);

// ---- Characters ----

// The number of characters.
qsizetype Len(const QString& text);

// The first n characters; n <= 0 gives "", n past the end the whole text.
QString Left(const QString& text, qsizetype n);

// The last n characters; n <= 0 gives "", n past the end the whole text.
QString Right(const QString& text, qsizetype n);

// length characters from character start (1-based). A start below 1 counts as 1;
// a start past the end or a length <= 0 gives ""; a length past the end gives
// the rest of the text.
QString Mid(const QString& text, qsizetype start, qsizetype length);

// The text from character start (1-based, below 1 counts as 1) to its end.
QString Mid(const QString& text, qsizetype start);

// The 1-based character position of the first occurrence of find in source,
// searching from character start (below 1 counts as 1), or 0 when there is none.
// Letters compare case-insensitively (Unicode simple case folding), as the
// framework's string equality does. An empty find is found at start when start
// is within source; an empty source never holds anything.
qsizetype InStr(const QString& source, const QString& find);
qsizetype InStr(qsizetype start, const QString& source, const QString& find);

// The framework's string equality: case-insensitive (Unicode simple case folding),
// without normalisation, so different code points never compare equal unless
// they are case variants of each other.
bool StrEquals(const QString& a, const QString& b);

} // namespace fw
