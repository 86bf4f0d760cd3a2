#pragma once

#include <QString>

namespace kl {

// Value of the longest start of a text that is a decimal number: digits, optionally a point and more
// digits. Anything else ends it; a text that starts with no digit is 0. Signs are not read.
double leadingNumberValue(const QString& text);

// The input file's reading of a text: the longest start that is a decimal number, an optional sign
// ("+" or "-") and digits with at most one point, so "-5" gives -5, ".5" 0.5 and "1,5" 1. A text that
// starts with no such number is 0.
double LeadingNumber(const QString& text);

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
QString PlainDoubleText(double value);

// The "0.0" form: one decimal place, at least one digit before the point.
// Rounding is decided here once for every caller: the value is first taken to fifteen significant
// digits (as the user typed it, for a double) and then rounded half away from zero, so 2.35 shows 2.4
// and -0.25 shows -0.3. A value that rounds to zero is written without a sign: "0.0".
QString formatOneDecimal(double value);

// Reads a text written by formatOneDecimal back as a number (leading "-" allowed).
double readOneDecimal(const QString& text);

} // namespace kl
