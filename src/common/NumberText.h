#pragma once

#include <optional>

#include <QString>
#include <QStringView>

namespace kl {

// The readers of numbers in texts. Each program path has always read its texts by its own rule, and the
// rules differ where a text is not a plain number; every reader here keeps its path's rule.

// The analysis's reading of the data-entry fields: the longest start of the text that is a decimal
// number, digits, optionally a point and more digits. Anything else ends it; a text that starts with no
// digit is 0. Signs are not read: the fields take only digits and a point, and an offset's direction is a
// list of its own.
double leadingUnsignedNumber(const QString& text);

// The input file's reading of a text, and of the one-decimal form read back: as leadingUnsignedNumber, but
// the number may start with a sign ("+" or "-"), since the file's values are signed. "-5" gives -5, ".5"
// 0.5 and "1,5" 1; a text that starts with no such number is 0.
double LeadingNumber(const QString& text);

// The value of a text that is a plain decimal number and nothing else: an optional sign, digits with an
// optional point ("12", "-3.0", "+.5", "5."). Anything else is no number: the empty text, blanks, a word,
// an exponent, a thousands separator, a number too large for a double. Unlike the leading readers it
// never reads a number out of a longer text, so that a text that is not wholly a number can be told
// apart: the input file's single-precision lines are read this way. A value too small for a double keeps
// its sign as the smallest double, so it still compares as above or below zero.
std::optional<double> plainDecimalNumber(QStringView text);

// The viewer's reading of a result file's texts: a plain decimal number as plainDecimalNumber reads it,
// with blanks (spaces, tabs) allowed around it. A text that is not a number, such as "未解析", is told
// apart from 0, where the data-entry readers would read it as 0.
std::optional<double> paddedPlainDecimalNumber(const QString& text);

// A number as the input window writes it: plain decimal, "." as the point, no trailing zeros, "0" before
// the point below 1, "-" for a negative value; seven significant digits for a single-precision value,
// fifteen for a double.
QString NumberText(float value);
QString NumberText(double value);

// A plain decimal number rounded to `significantDigits` digits: no exponent, no trailing zeros, no point
// for a whole number, "0" before the point below 1, "-" for a negative value. Zero is never signed.
QString plainDecimalText(double value, int significantDigits);

// How a single-precision number is written into a text (seven significant digits).
QString PlainNumberText(float value);

// How a measured clearance is rewritten into its box (double precision, fifteen significant digits).
QString plainDoubleText(double value);

// The "0.0" form: one decimal place, at least one digit before the point.
// Rounding is decided here once for every caller: the value is first taken to fifteen significant
// digits (as the user typed it, for a double) and then rounded half away from zero, so 2.35 shows 2.4
// and -0.25 shows -0.3. A value that rounds to zero is written without a sign: "0.0".
QString formatOneDecimal(double value);

} // namespace kl
