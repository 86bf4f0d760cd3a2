#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace kl {

double leadingUnsignedNumber(const QString& text) {
    std::string digits;
    bool seenPoint = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            digits.push_back(static_cast<char>(c.unicode()));
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            digits.push_back('.');
        } else {
            break;
        }
    }
    if (digits.find_first_of("0123456789") == std::string::npos) {
        return 0.0;
    }
    // Never strtod: the program runs in the user's locale, where the decimal point may be a comma.
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when the whole part has a digit other than 0, else tiny.
        const std::string whole = digits.substr(0, digits.find('.'));
        return whole.find_first_not_of('0') == std::string::npos ? 0.0 : HUGE_VAL;
    }
    return value;
}

namespace {

// Decimal digits and exponent of |value| rounded to `sig` significant digits, half away from zero on
// the correctly rounded 17-digit expansion. Returns digits without a point; value = 0.d1d2... * 10^exp.
struct DecimalDigits {
    std::string digits; // most significant first, never empty
    int exponent = 0;   // position of the point: value = digits * 10^(exponent - digits.size())
};

DecimalDigits roundedDigits(double magnitude, int sig) {
    char buf[64];
    // 17 significant digits hold every double exactly enough to round from. to_chars writes "." whatever
    // the user's locale says.
    const auto written = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 16);
    std::string s(buf, written.ptr);
    const auto ePos = s.find('e');
    int exp10 = std::atoi(s.c_str() + ePos + 1);
    std::string mant;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (s[i] != '.') {
            mant.push_back(s[i]);
        }
    }
    // mant has 17 digits, value = m.ant * 10^exp10
    if (static_cast<int>(mant.size()) > sig) {
        const bool up = mant[static_cast<std::size_t>(sig)] >= '5';
        mant.resize(static_cast<std::size_t>(sig));
        if (up) {
            int i = sig - 1;
            while (i >= 0) {
                if (mant[static_cast<std::size_t>(i)] == '9') {
                    mant[static_cast<std::size_t>(i)] = '0';
                    --i;
                } else {
                    ++mant[static_cast<std::size_t>(i)];
                    break;
                }
            }
            if (i < 0) {
                mant.insert(mant.begin(), '1');
                mant.pop_back();
                ++exp10;
            }
        }
    }
    return {mant, exp10 + 1};
}

// Rounds |value| to `sig` significant digits and then, if `decimals` >= 0, to that many decimals,
// half away from zero; returns the fixed-point text without sign.
std::string fixedText(double magnitude, int sig, int decimals, bool trimZeros) {
    if (magnitude == 0.0) {
        return decimals > 0 && !trimZeros ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    }
    DecimalDigits d = roundedDigits(magnitude, sig);
    // Integer part and fraction from digits/exponent.
    std::string intPart;
    std::string frac;
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        intPart = "0";
        frac = std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    } else if (d.exponent >= n) {
        intPart = d.digits + std::string(static_cast<std::size_t>(d.exponent - n), '0');
    } else {
        intPart = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
        frac = d.digits.substr(static_cast<std::size_t>(d.exponent));
    }
    if (decimals >= 0 && static_cast<int>(frac.size()) > decimals) {
        const bool up = frac[static_cast<std::size_t>(decimals)] >= '5';
        frac.resize(static_cast<std::size_t>(decimals));
        if (up) {
            std::string all = intPart + frac;
            int i = static_cast<int>(all.size()) - 1;
            while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') {
                all[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                all.insert(all.begin(), '1');
            } else {
                ++all[static_cast<std::size_t>(i)];
            }
            intPart = all.substr(0, all.size() - frac.size());
            frac = all.substr(all.size() - frac.size());
        }
    }
    if (decimals > 0) {
        while (static_cast<int>(frac.size()) < decimals) {
            frac.push_back('0');
        }
    }
    if (trimZeros) {
        while (!frac.empty() && frac.back() == '0') {
            frac.pop_back();
        }
    }
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    return frac.empty() ? intPart : intPart + "." + frac;
}

bool isZeroText(const std::string& s) {
    return s.find_first_not_of("0.") == std::string::npos;
}

QString signedText(double value, const std::string& magnitudeText) {
    if (value < 0 && !isZeroText(magnitudeText)) {
        return QString::fromLatin1("-" + magnitudeText);
    }
    return QString::fromLatin1(magnitudeText);
}

} // namespace

QString plainDecimalText(double value, int significantDigits) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? u"NaN"_s : (value < 0 ? u"-Inf"_s : u"Inf"_s);
    }
    return signedText(value, fixedText(std::fabs(value), significantDigits, -1, true));
}

QString PlainNumberText(float value) {
    return plainDecimalText(static_cast<double>(value), 7);
}

QString plainDoubleText(double value) {
    return plainDecimalText(value, 15);
}

double LeadingNumber(const QString& text) {
    if (text.startsWith(u'-')) {
        return -leadingUnsignedNumber(text.mid(1));
    }
    return leadingUnsignedNumber(text.startsWith(u'+') ? text.mid(1) : text);
}

QString NumberText(float value) {
    return PlainNumberText(value);
}

QString NumberText(double value) {
    return plainDoubleText(value);
}

QString formatOneDecimal(double value) {
    if (!std::isfinite(value)) {
        return plainDecimalText(value, 15);
    }
    return signedText(value, fixedText(std::fabs(value), 15, 1, false));
}

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<double> plainDecimalNumber(QStringView text) {
    qsizetype begin = 0;
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-')) {
        negative = text[0] == u'-';
        ++begin;
    }
    std::string digits;
    bool seenPoint = false;
    bool seenDigit = false;
    bool nonZeroWhole = false;
    bool nonZero = false;
    for (qsizetype i = begin; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            nonZero = nonZero || c != u'0';
            nonZeroWhole = nonZeroWhole || (!seenPoint && c != u'0');
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
        digits.push_back(static_cast<char>(c.unicode()));
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    // from_chars, never strtod: the user's locale may use a comma for the point.
    double magnitude = 0.0;
    const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (error == std::errc::result_out_of_range || (error == std::errc() && magnitude == 0.0 && nonZero)) {
        if (nonZeroWhole) {
            return std::nullopt; // beyond any double
        }
        // Too small to hold, yet not zero: it still lies on its side of every limit.
        magnitude = std::numeric_limits<double>::denorm_min();
    } else if (error != std::errc() || ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<double> paddedPlainDecimalNumber(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return plainDecimalNumber(QStringView(text).sliced(begin, end - begin));
}

} // namespace kl
