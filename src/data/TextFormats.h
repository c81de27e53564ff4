#pragma once

#include "DateTime.h"
#include "ProgramBlock.h"

#include <QString>

// Text forms of the record's values: what the editors show and read back, and the range
// hints of the edits. Numbers use the default locale's decimal separator (never group
// separators), dates and times the default locale's formats. No function keeps state, and
// the parsers never throw: they return false for a text they cannot read.

// Seconds as hh:mm (hh:mm:ss when the seconds are not 0); hours are not wrapped at 24.
QString FormatHhMm(int seconds);
// Seconds as mm:ss (hh:mm:ss when the hours are not 0).
QString FormatMmSs(int seconds);
QString FormatHhMmRange(int a, int b);
QString FormatMmSsRange(int a, int b);

// "h:m" or "h:m:s"; each part is read like atol (blanks, sign, digits, rest ignored).
// Minutes and seconds must be 0..59. Hours are not limited; a total beyond 32 bits
// saturates at INT_MAX or INT_MIN, so the callers' range checks reject it.
bool ParseHhMm(const QString& text, int& seconds);
// "m:s" or "h:m:s", read as ParseHhMm reads.
bool ParseMmSs(const QString& text, int& seconds);

// Number of decimals of the scale's texts. When neither bound is positive, the larger
// magnitude takes the place of the larger bound; 0 decimals for the scale 0..0.
int AnalogDecimals(const TAnalogScale& scale);
// The engineering value of a raw value (any raw, the rule is linear).
QString FormatAnalogValue(int raw, const TAnalogScale& scale);
// The raw value of an engineering text, rounded to the nearest. A result outside 0..65535
// (a value below Min, or one too large for 16 bits) gives 65535, so that the callers'
// 0..1000 checks reject it. False for a text that is not a number and for a scale whose
// Min equals its Max.
bool ParseAnalogValue(const QString& text, const TAnalogScale& scale, int& raw);
// "min..max units".
QString FormatAnalogRange(const TAnalogScale& scale);

// Temperatures are tenths of a degree Celsius; units is the record's TemperatureUnits
// (1 Fahrenheit, anything else Celsius).
QString TemperatureUnitText(int units);
// Clamped to -40.0..85.0 °C, shown in the unit with one decimal.
QString FormatTemperature(int tenths, int units);
// Rounded to the nearest tenth of a degree Celsius; not clamped (the callers check the
// range), saturated at INT_MAX or INT_MIN when beyond 32 bits.
bool ParseTemperature(const QString& text, int units, int& tenths);
QString FormatTemperatureRange(int a, int b, int units);

// Reads a date, optionally followed by a time, in the default locale's short date format and
// its short or long time format: every text DateShortTimeText and DateTimeText write.
// Two-digit years are 2000..2099. False for a text that is not a valid date.
bool ParseDateTime(const QString& text, TDateTime& value);

// A floating-point text with the default locale's decimal separator: blanks around, sign,
// digits, optional exponent. False for anything else, including infinities.
bool ParseFloatText(const QString& text, double& value);
