#include "TextFormats.h"

#include "ConnectorCalendar.h"
#include "ProgramBlock.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int MaxDecimals = 18;
constexpr int SignificantDigits = 6;

int SaturateToInt(qint64 value) {
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

int SaturateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= double(INT_MAX)) return INT_MAX;
    if (value <= double(INT_MIN)) return INT_MIN;
    return int(value);
}

bool IsCSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// The integer at the start of the text as atol reads it. Digits beyond what any duration
// needs stop counting, so nothing overflows.
qint64 LeadingInteger(QStringView text) {
    constexpr qint64 Cap = 1000000000000LL;
    qsizetype i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(Cap, value * 10 + (text[i].unicode() - u'0'));
    return negative ? -value : value;
}

struct TDuration {
    qint64 First = 0;
    qint64 Second = 0;
    qint64 Third = 0;
    bool HasThird = false;
};

bool SplitDuration(const QString& text, TDuration& parts) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) return false;
    parts.First = LeadingInteger(text);
    parts.Second = LeadingInteger(QStringView(text).mid(colon + 1));
    const qsizetype colon2 = text.indexOf(u':', colon + 1);
    parts.HasThird = colon2 >= 0;
    parts.Third = parts.HasThird ? LeadingInteger(QStringView(text).mid(colon2 + 1)) : 0;
    return true;
}

bool IsMinuteOrSecond(qint64 v) {
    return v >= 0 && v <= 59;
}

QString LocalizedPoint(QString text) {
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral(".")) text.replace(u'.', point);
    return text;
}

// Fixed notation with the given decimals, rounded to at most six significant digits first;
// a value with more than six integer digits falls back to exponent notation.
QString FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return QString::number(value);
    const QString mantissa = QString::number(std::fabs(value), 'e', SignificantDigits - 1);
    const int integerDigits = mantissa.mid(mantissa.indexOf(u'e') + 1).toInt() + 1;
    if (integerDigits > SignificantDigits)
        return LocalizedPoint(QString::number(value, 'E', SignificantDigits - 1));
    const int rounded = std::min(decimals, SignificantDigits - integerDigits);
    QString text = QString::number(value, 'f', rounded);
    if (decimals > rounded) {
        if (rounded == 0) text += u'.';
        text += QString(decimals - rounded, u'0');
    }
    if (text.startsWith(u'-') && !text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.remove(0, 1);
    return LocalizedPoint(text);
}

QString Tenths(int value) {
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(value);
    return sign + QString::number(magnitude / 10) + QLocale().decimalPoint() +
           QString::number(magnitude % 10);
}

// ---- dates and times in the locale's formats ----

struct TToken {
    QChar Field; // null for a literal
    int Count = 0;
    QString Literal;
};

QList<TToken> Tokenize(const QString& format) {
    QList<TToken> tokens;
    auto literal = [&tokens](const QString& text) {
        if (!tokens.isEmpty() && tokens.back().Field.isNull())
            tokens.back().Literal += text;
        else
            tokens.push_back({QChar(), 0, text});
    };
    static const QString Fields = QStringLiteral("dMyhHmszta");
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c == u'\'') {
            if (i + 1 < format.size() && format[i + 1] == u'\'') {
                literal(QStringLiteral("'"));
                i += 2;
                continue;
            }
            QString quoted;
            for (++i; i < format.size(); ++i) {
                if (format[i] == u'\'') {
                    if (i + 1 < format.size() && format[i + 1] == u'\'') {
                        quoted += u'\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                quoted += format[i];
            }
            literal(quoted);
            continue;
        }
        const QChar field = c.toLower() == u'a' ? QChar(u'a') : c;
        if (!Fields.contains(field)) {
            literal(QString(c));
            ++i;
            continue;
        }
        int count = 1;
        if (field == u'a') {
            if (i + 1 < format.size() && format[i + 1].toLower() == u'p') count = 2;
        } else {
            while (i + count < format.size() && format[i + count] == c)
                ++count;
        }
        tokens.push_back({field, count, QString()});
        i += count;
    }
    return tokens;
}

struct TDateParts {
    int Year = -1;
    int YearDigits = 0;
    int Month = -1;
    int Day = -1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Msec = 0;
    int Meridiem = -1; // 0 am, 1 pm, -1 none given
};

class TDateScanner {
public:
    explicit TDateScanner(QStringView text) : Text(text) {}

    bool Match(const QList<TToken>& tokens, TDateParts& parts) {
        for (const TToken& token : tokens) {
            if (!MatchToken(token, parts)) return false;
        }
        SkipSpaces();
        return Pos == Text.size();
    }

private:
    QStringView Text;
    qsizetype Pos = 0;

    void SkipSpaces() {
        while (Pos < Text.size() && Text[Pos].isSpace())
            ++Pos;
    }

    // Some locales write digits outside the basic plane, as surrogate pairs.
    bool Number(int maxDigits, int& value, int* digits = nullptr) {
        int count = 0;
        value = 0;
        while (count < maxDigits && Pos < Text.size()) {
            char32_t c = Text[Pos].unicode();
            qsizetype width = 1;
            if (Text[Pos].isHighSurrogate() && Pos + 1 < Text.size() &&
                Text[Pos + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(Text[Pos], Text[Pos + 1]);
                width = 2;
            }
            if (!QChar::isDigit(c)) break;
            value = value * 10 + QChar::digitValue(c);
            Pos += width;
            ++count;
        }
        if (digits) *digits = count;
        return count > 0;
    }

    // The longest of the names that the text continues with; its index, or -1.
    int Name(const QStringList& names) {
        int best = -1;
        qsizetype bestLength = 0;
        for (int i = 0; i < names.size(); ++i) {
            const QString& name = names[i];
            if (name.size() > bestLength && Text.mid(Pos).startsWith(name, Qt::CaseInsensitive)) {
                best = i;
                bestLength = name.size();
            }
        }
        Pos += bestLength;
        return best;
    }

    bool MatchLiteral(const QString& literal) {
        for (const QChar c : literal) {
            if (c.isSpace()) {
                SkipSpaces();
                continue;
            }
            if (Pos >= Text.size() || Text[Pos].toCaseFolded() != c.toCaseFolded()) return false;
            ++Pos;
        }
        return true;
    }

    bool MatchToken(const TToken& token, TDateParts& parts) {
        const QLocale locale;
        switch (token.Field.unicode()) {
        case 0:
            return MatchLiteral(token.Literal);
        case u'd':
            if (token.Count <= 2) return Number(2, parts.Day);
            return DayName(locale);
        case u'M':
            if (token.Count <= 2) return Number(2, parts.Month);
            return MonthName(locale, parts);
        case u'y':
            return Number(4, parts.Year, &parts.YearDigits);
        case u'h':
        case u'H':
            return Number(2, parts.Hour);
        case u'm':
            return Number(2, parts.Minute);
        case u's':
            return Number(2, parts.Second);
        case u'z': {
            int digits = 0;
            if (!Number(3, parts.Msec, &digits)) return false;
            for (; digits < 3; ++digits)
                parts.Msec *= 10;
            return true;
        }
        case u'a': {
            // Optional, so that a 24-hour time typed where the locale shows AM/PM reads too.
            const int index = Name(
                {locale.amText(), locale.pmText(), QStringLiteral("AM"), QStringLiteral("PM")});
            parts.Meridiem = index < 0 ? -1 : index % 2;
            return true;
        }
        default:
            return false;
        }
    }

    bool DayName(const QLocale& locale) {
        QStringList names;
        for (int day = 1; day <= 7; ++day)
            names << locale.dayName(day, QLocale::LongFormat)
                  << locale.dayName(day, QLocale::ShortFormat);
        return Name(names) >= 0;
    }

    bool MonthName(const QLocale& locale, TDateParts& parts) {
        QStringList names;
        for (int month = 1; month <= 12; ++month)
            names << locale.monthName(month, QLocale::LongFormat)
                  << locale.monthName(month, QLocale::ShortFormat)
                  << locale.standaloneMonthName(month, QLocale::LongFormat)
                  << locale.standaloneMonthName(month, QLocale::ShortFormat);
        const int index = Name(names);
        parts.Month = index < 0 ? -1 : index / 4 + 1;
        return index >= 0;
    }
};

bool EncodeParts(TDateParts parts, TDateTime& value) {
    if (parts.Year < 0 || parts.Month < 0 || parts.Day < 0) return false;
    if (parts.YearDigits <= 2) parts.Year += 2000;
    if (parts.Meridiem >= 0) {
        if (parts.Hour < 1 || parts.Hour > 12) return false;
        parts.Hour = parts.Hour % 12 + (parts.Meridiem == 1 ? 12 : 0);
    }
    return TryEncodeDateTime(parts.Year, parts.Month, parts.Day, parts.Hour, parts.Minute,
                             parts.Second, parts.Msec, value);
}

} // namespace

QString FormatHhMm(int seconds) {
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    if (s != 0) return QString::asprintf("%02d:%02d:%02d", h, m, s);
    return QString::asprintf("%02d:%02d", h, m);
}

QString FormatMmSs(int seconds) {
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    if (h != 0) return QString::asprintf("%02d:%02d:%02d", h, m, s);
    return QString::asprintf("%02d:%02d", m, s);
}

QString FormatHhMmRange(int a, int b) {
    return FormatHhMm(a) + QStringLiteral("..") + FormatHhMm(b);
}

QString FormatMmSsRange(int a, int b) {
    return FormatMmSs(a) + QStringLiteral("..") + FormatMmSs(b);
}

bool ParseHhMm(const QString& text, int& seconds) {
    TDuration parts;
    if (!SplitDuration(text, parts) || !IsMinuteOrSecond(parts.Second) ||
        !IsMinuteOrSecond(parts.Third))
        return false;
    seconds = SaturateToInt(parts.First * 3600 + parts.Second * 60 + parts.Third);
    return true;
}

bool ParseMmSs(const QString& text, int& seconds) {
    TDuration parts;
    if (!SplitDuration(text, parts)) return false;
    if (!parts.HasThird) {
        if (!IsMinuteOrSecond(parts.First) || !IsMinuteOrSecond(parts.Second)) return false;
        seconds = int(parts.First * 60 + parts.Second);
        return true;
    }
    if (!IsMinuteOrSecond(parts.Second) || !IsMinuteOrSecond(parts.Third)) return false;
    seconds = SaturateToInt(parts.First * 3600 + parts.Second * 60 + parts.Third);
    return true;
}

int AnalogDecimals(const TAnalogScale& scale) {
    double bound = std::max(scale.Min, scale.Max);
    // With no positive bound the size of the values goes by their magnitude, so that a scale
    // such as -1..0 keeps its decimals.
    if (!(bound > 0)) bound = std::max(std::fabs(scale.Min), std::fabs(scale.Max));
    if (!(bound > 0) || !std::isfinite(bound)) return 0;
    const double l = std::log10(bound);
    const int decimals = l >= 0 ? 4 - (int(std::floor(l)) + 1) : int(3 - std::ceil(l - 0.999999));
    return std::clamp(decimals, 0, MaxDecimals);
}

QString FormatAnalogValue(int raw, const TAnalogScale& scale) {
    const double value = scale.Min + raw * 0.001 * (scale.Max - scale.Min);
    return FormatFixed(value, AnalogDecimals(scale));
}

bool ParseAnalogValue(const QString& text, const TAnalogScale& scale, int& raw) {
    double value = 0;
    if (!ParseFloatText(text, value) || scale.Max == scale.Min) return false;
    const double scaled = std::round((value - scale.Min) / (scale.Max - scale.Min) * 1000.0);
    raw = scaled >= 0 && scaled <= 65535 ? int(scaled) : 65535;
    return true;
}

QString FormatAnalogRange(const TAnalogScale& scale) {
    return FormatAnalogValue(0, scale) + QStringLiteral("..") + FormatAnalogValue(1000, scale) +
           u' ' + scale.Units;
}

QString TemperatureUnitText(int units) {
    return units == UnitsFahrenheit ? QStringLiteral(" F") : QStringLiteral(" \u00B0C");
}

QString FormatTemperature(int tenths, int units) {
    int t = std::clamp<int>(int16_t(tenths), -400, 850);
    if (units == UnitsFahrenheit) t = t * 9 / 5 + 320;
    return Tenths(t);
}

bool ParseTemperature(const QString& text, int units, int& tenths) {
    double x = 0;
    if (!ParseFloatText(text, x)) return false;
    double celsius = x;
    if (units == UnitsFahrenheit) {
        const double shifted = (x - 32) * 5;
        celsius = shifted * (1.0 / 9);
    }
    tenths = SaturateToInt(std::round(celsius * 10));
    return true;
}

QString FormatTemperatureRange(int a, int b, int units) {
    return FormatTemperature(a, units) + QStringLiteral("..") + FormatTemperature(b, units) + u' ' +
           TemperatureUnitText(units);
}

bool ParseDateTime(const QString& text, TDateTime& value) {
    const QLocale locale;
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    // The display texts leave the time zone out.
    const QStringList formats = {
        date + u' ' + WithoutZone(locale.timeFormat(QLocale::ShortFormat)),
        date + u' ' + WithoutZone(locale.timeFormat(QLocale::LongFormat)),
        date,
    };
    const QString trimmed = text.trimmed();
    for (const QString& format : formats) {
        TDateParts parts;
        TDateScanner scanner(trimmed);
        if (scanner.Match(Tokenize(format), parts) && EncodeParts(parts, value)) return true;
    }
    value = 0;
    return false;
}

bool ParseFloatText(const QString& text, double& value) {
    const QString point = QLocale().decimalPoint();
    const QString trimmed = text.trimmed();
    QByteArray ascii;
    ascii.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (QStringView(trimmed).mid(i).startsWith(point)) {
            ascii += '.';
            i += point.size() - 1;
        } else if (c == u'.') {
            return false; // not the decimal separator of this locale
        } else if (c.isDigit()) {
            ascii += char('0' + c.digitValue());
        } else if (c == u'+' || c == u'-' || c == u'e' || c == u'E') {
            ascii += char(c.unicode());
        } else if (c == QChar(0x2212)) {
            ascii += '-';
        } else {
            return false;
        }
    }
    static const QRegularExpression Number(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!Number.match(QString::fromLatin1(ascii)).hasMatch()) return false;
    bool ok = false;
    const double parsed = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}
