#pragma once

#include <QString>
#include <cstdint>

// The sentences of a plan, in the language installed (context "TPlan").
namespace PlanText {

QString Duration(int64_t seconds);

QString Refused(const QString& field, const QString& value);
QString BadDays(int days);
QString BadFrom();
QString BadAssumption();

QString Start(int programMode, const QString& first, int64_t delay, int starts);
QString NoStart(bool scheduler);
QString ExternalControl();
QString Sampling(int samplerMode, double interval, int pulsesPerSample, int samplesRate,
                 double maximumInterval, bool flowAssumed);
QString Bottles(bool byTime, int perBottle, int64_t changeInterval, int perGroup, int bottles,
                const QString& full);
QString Var(const QString& maximum);
QString Event(int eventMode, bool starts, bool changesBottle);
QString PreSampling(int samples, int64_t interval);
QString LogRate(double perDay);

QString AssumedCapacity(int bottles);
QString AssumedPulses(double perHour);
QString AssumedFlow(double percent);
QString AssumedLog(int records);

QString FullBeforeNextStart(const QString& full, const QString& next);
QString LogFull(const QString& when);
QString ClockUnset();
QString ClockOff(int64_t seconds);
QString StartPast(const QString& when);
QString StartSoon(const QString& when);
QString NoScheduledActivity();
QString NoStartInWindow();
QString NoSamplesPlanned();
QString DaylightScheduler(bool summer, const QString& when);
QString Daylight(bool summer, const QString& when);
QString Truncated(int events, const QString& when);

} // namespace PlanText
