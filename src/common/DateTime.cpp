#include "DateTime.h"

#include <cmath>

namespace {
constexpr qint64 MsPerDay = 86400000;
// A function, not a global: values may be encoded while other globals are initialised.
QDate Epoch() {
    return QDate(1899, 12, 30);
}
} // namespace

std::optional<TDateTime> TClock::Fixed;

bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec,
                       TDateTime& result) {
    result = 0;
    const QDate date(year, month, day);
    if (!date.isValid() || !QTime::isValid(hour, minute, second, msec)) return false;
    const qint64 ms = ((qint64(hour) * 60 + minute) * 60 + second) * 1000 + msec;
    result = double(Epoch().daysTo(date)) + double(ms) / double(MsPerDay);
    return true;
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute,
                    int& second, int& msec) {
    qint64 days = qint64(std::floor(value));
    qint64 ms = qint64(std::llround((value - double(days)) * double(MsPerDay)));
    if (ms >= MsPerDay) {
        ++days;
        ms -= MsPerDay;
    }
    const QDate date = Epoch().addDays(days);
    year = date.year();
    month = date.month();
    day = date.day();
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    msec = int(ms % 1000);
}

TDateTime ToDateTime(const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    TDateTime result = 0;
    TryEncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec(),
                      result);
    return result;
}

QDateTime FromDateTime(TDateTime value) {
    int y, mo, d, h, mi, s, ms;
    DecodeDateTime(value, y, mo, d, h, mi, s, ms);
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

TDateTime TClock::Now() {
    return Fixed ? *Fixed : ToDateTime(QDateTime::currentDateTime());
}

void TClock::SetFixed(std::optional<TDateTime> value) {
    Fixed = value;
}
