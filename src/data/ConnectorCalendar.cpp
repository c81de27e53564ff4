#include "ConnectorCalendar.h"

#include "InternalError.h"

#include <QLocale>
#include <algorithm>
#include <utility>

namespace {

constexpr int MonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int DaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

struct TDaylightRule {
    TSwitchPoint Start;
    TSwitchPoint End;
};

// Index 0 (no daylight saving) is never consulted: the conversions test the rule first.
constexpr TDaylightRule Rules[3] = {
    {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{3, 5, 6, 2, 0}, {10, 5, 6, 2, 0}},
    {{3, 2, 6, 2, 0}, {11, 1, 6, 2, 0}},
};

// Check point of the rule choice, reported in the internal-error message.
constexpr int RuleSwitchLine = 120;

std::function<int()>& RuleSource() {
    static std::function<int()> source;
    return source;
}

// A clock record read from a device may hold any month; keep table look-ups in bounds.
int MonthIndex(int month) {
    return std::clamp(month, 1, 12) - 1;
}

bool IsLeapYear(int year) {
    return year % 4 == 0;
}

const TDaylightRule& RuleInForce(int rule) {
    if (rule < 0 || rule > 2) throw TInternalError::Switch("ConnectorCalendar", RuleSwitchLine);
    return Rules[rule];
}

// Seconds of a day number and a time of day, wide enough for any byte values.
uint32_t Seconds(uint32_t dayNumber, int hour, int minute, int second) {
    const uint64_t s = uint64_t(second) + 60 * uint64_t(minute) + 3600 * uint64_t(hour) +
                       86400 * uint64_t(dayNumber);
    return uint32_t(s);
}

void SetDate(TConnectorTime& time, uint16_t dayNumber) {
    int year, month, day;
    DayToDate(dayNumber, year, month, day);
    time.Year = uint8_t(year);
    time.Month = uint8_t(month);
    time.Day = uint8_t(day);
}

QString DateAndTime(TDateTime value, const QString& timeFormat) {
    if (value == 0) return QString();
    const QDateTime dt = FromDateTime(value);
    const QLocale locale;
    return locale.toString(dt.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(dt.time(), timeFormat);
}

} // namespace

uint16_t DayNumber(int year, int month, int day) {
    int leapDays = (year + 4) / 4;
    if (IsLeapYear(year) && month <= 2) --leapDays;
    return uint16_t(year * 365 + leapDays + DaysBeforeMonth[MonthIndex(month)] + (day - 1));
}

void DayToDate(uint16_t dayNumber, int& year, int& month, int& day) {
    year = (dayNumber / 1461) * 4;
    int rest = dayNumber % 1461;
    while (rest >= (IsLeapYear(year) ? 366 : 365)) {
        rest -= IsLeapYear(year) ? 366 : 365;
        ++year;
    }
    int dayOfYear = rest + 1;
    if (IsLeapYear(year)) {
        if (dayOfYear == 60) {
            month = 2;
            day = 29;
            return;
        }
        if (dayOfYear > 60) --dayOfYear;
    }
    month = 1;
    while (MonthLength[month - 1] < dayOfYear) {
        dayOfYear -= MonthLength[month - 1];
        ++month;
    }
    day = dayOfYear;
}

int WeekDay(uint16_t dayNumber) {
    return (dayNumber + 5) % 7;
}

int DaysInMonth(int year, int month) {
    if (month == 2 && IsLeapYear(year)) return 29;
    return MonthLength[MonthIndex(month)];
}

uint32_t PackTime(const TConnectorTime& time) {
    return Seconds(DayNumber(time.Year, time.Month, time.Day), time.Hour, time.Minute, time.Second);
}

void UnpackTime(uint32_t seconds, TConnectorTime& time) {
    time.Second = uint8_t(seconds % 60);
    time.Minute = uint8_t(seconds / 60 % 60);
    time.Hour = uint8_t(seconds / 3600 % 24);
    SetDate(time, uint16_t(seconds / 86400));
}

int SwitchDay(int year, const TSwitchPoint& point) {
    const int limit = std::min(point.Week * 7, DaysInMonth(year, point.Month));
    int w = WeekDay(DayNumber(year, point.Month, limit));
    if (w < point.WeekDay) w += 7;
    return limit - w + point.WeekDay;
}

bool IsSummerTime(const TConnectorTime& time) {
    const int rule = DaylightRule();
    if (rule == 0) return false;
    const TDaylightRule& r = RuleInForce(rule);
    const int month = time.Month;
    if (month < r.Start.Month || month > r.End.Month) return false;
    if (month > r.Start.Month && month < r.End.Month) return true;
    if (month == r.Start.Month) {
        const int d = SwitchDay(time.Year, r.Start);
        if (time.Day != d) return time.Day > d;
        if (time.Hour != r.Start.Hour) return time.Hour > r.Start.Hour;
        return time.Minute >= r.Start.Minute;
    }
    const int d = SwitchDay(time.Year, r.End);
    if (time.Day != d) return time.Day < d;
    if (time.Hour != r.End.Hour) return time.Hour < r.End.Hour;
    return time.Minute < r.End.Minute;
}

uint32_t PackLocalTime(TConnectorTime time) {
    uint32_t dayNumber = DayNumber(time.Year, time.Month, time.Day);
    if (DaylightRule() != 0 && IsSummerTime(time)) {
        if (time.Hour == 0) {
            time.Hour = 23;
            --dayNumber;
        } else {
            --time.Hour;
        }
    }
    return Seconds(dayNumber, time.Hour, time.Minute, time.Second);
}

void UnpackLocalTime(uint32_t seconds, TConnectorTime& time) {
    UnpackTime(seconds, time);
    if (DaylightRule() == 0 || !IsSummerTime(time)) return;
    if (++time.Hour == 24) {
        time.Hour = 0;
        SetDate(time, uint16_t(seconds / 86400 + 1));
    }
}

int DaylightRule() {
    const auto& source = RuleSource();
    return source ? source() : 1;
}

void SetDaylightRuleSource(std::function<int()> source) {
    RuleSource() = std::move(source);
}

// Some locales put the zone first ("t HH:mm:ss") or in brackets ("H:mm:ss (t)").
QString WithoutZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u't') {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == u't')
            ++i;
        if (result.endsWith(u'(') && i + 1 < format.size() && format.at(i + 1) == u')') {
            result.chop(1);
            ++i;
        }
        if (!result.isEmpty() && result.back().isSpace()) {
            while (!result.isEmpty() && result.back().isSpace())
                result.chop(1);
        } else {
            while (i + 1 < format.size() && format.at(i + 1).isSpace())
                ++i;
        }
    }
    return result.trimmed();
}

uint32_t ToConnectorTimestamp(TDateTime t) {
    if (t == 0) return 0;
    int year, month, day, hour, minute, second, msec;
    DecodeDateTime(t, year, month, day, hour, minute, second, msec);
    const TConnectorTime time{uint8_t(second), uint8_t(minute), uint8_t(hour),
                              uint8_t(day),    uint8_t(month),  uint8_t((year % 100 + 100) % 100)};
    return PackLocalTime(time);
}

TDateTime FromConnectorTimestamp(uint32_t s) {
    if (s == 0) return 0;
    TConnectorTime time;
    UnpackLocalTime(s, time);
    TDateTime result = 0;
    TryEncodeDateTime(time.Year + 2000, time.Month, time.Day, time.Hour, time.Minute, time.Second,
                      0, result);
    return result;
}

QString DateTimeText(TDateTime value) {
    return DateAndTime(value, WithoutZone(QLocale().timeFormat(QLocale::LongFormat)));
}

QString DateShortTimeText(TDateTime value) {
    return DateAndTime(value, QLocale().timeFormat(QLocale::ShortFormat));
}
