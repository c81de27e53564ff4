#pragma once

#include <QDateTime>
#include <optional>

// The PC side's date-time: days since 1899-12-30, the time of day as the fraction.
// Values are local wall-clock time; 0 stands for "no time".
using TDateTime = double;

// Builds a value from its parts; false (and 0) when the parts are not a valid date and time.
bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec,
                       TDateTime& result);
// Splits a value into its parts (milliseconds rounded to the nearest).
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute,
                    int& second, int& msec);

TDateTime ToDateTime(const QDateTime& value);
QDateTime FromDateTime(TDateTime value);

// The one source of "now" for the whole program. Tests set a fixed moment.
class TClock {
public:
    static TDateTime Now();
    static void SetFixed(std::optional<TDateTime> value);

private:
    static std::optional<TDateTime> Fixed;
};
