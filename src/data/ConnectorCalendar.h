#pragma once

#include "ConnectorTime.h"
#include "DateTime.h"

#include <QString>
#include <cstdint>
#include <functional>

// Calendar arithmetic of the Connector clock: seconds since 2000-01-01 00:00:00 in
// standard time. Years count from 2000; every fourth year is a leap year (exact to 2099).

// A daylight-saving switch point: month, week (1..4, 5 = last), weekday (0 = Monday), time.
struct TSwitchPoint {
    int Month;
    int Week;
    int WeekDay;
    int Hour;
    int Minute;
};

uint16_t DayNumber(int year, int month, int day);
void DayToDate(uint16_t dayNumber, int& year, int& month, int& day);
int WeekDay(uint16_t dayNumber);
int DaysInMonth(int year, int month);

// Without daylight saving.
uint32_t PackTime(const TConnectorTime& time);
void UnpackTime(uint32_t seconds, TConnectorTime& time);

int SwitchDay(int year, const TSwitchPoint& point);
// Under the rule in force (DaylightRule()); seconds are not compared.
bool IsSummerTime(const TConnectorTime& time);

// Local time to standard-time seconds, and back, under the rule in force.
uint32_t PackLocalTime(TConnectorTime time);
void UnpackLocalTime(uint32_t seconds, TConnectorTime& time);

// Local time to Connector seconds and back, under the rule in force; 0 stays 0 both ways.
uint32_t ToConnectorTimestamp(TDateTime t);
TDateTime FromConnectorTimestamp(uint32_t s);

// The daylight-saving rule in force: 0 none, 1 European, 2 United States. It is read at
// every conversion from the installed source; with none installed the European rule holds.
int DaylightRule();
void SetDaylightRuleSource(std::function<int()> source);

// A time format without its zone name: these are Connector times under its own rule.
QString WithoutZone(const QString& timeFormat);

// Display texts in the default locale's formats; empty for the value 0.
QString DateTimeText(TDateTime value);
QString DateShortTimeText(TDateTime value);
