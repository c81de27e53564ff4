#include "PlanText.h"

#include "Plan.h"
#include "ProgramBlock.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace {

QString Number(double value) {
    const double rounded = std::round(value * 10) / 10;
    return QLocale().toString(rounded, 'f', rounded == std::floor(rounded) ? 0 : 1);
}

QString Input(int eventMode) {
    switch (eventMode) {
    case EventDigital:
        return QCoreApplication::translate("TPlan", "digital");
    case EventAnalog:
        return QCoreApplication::translate("TPlan", "analog");
    case EventLevel:
        return QCoreApplication::translate("TPlan", "level");
    default:
        return QCoreApplication::translate("TPlan", "temperature");
    }
}

} // namespace

QString PlanKindName(TPlanKind kind) {
    switch (kind) {
    case TPlanKind::Start:
        return QStringLiteral("start");
    case TPlanKind::Sample:
        return QStringLiteral("sample");
    case TPlanKind::Bottle:
        return QStringLiteral("bottle");
    case TPlanKind::Full:
        return QStringLiteral("full");
    case TPlanKind::End:
        return QStringLiteral("end");
    case TPlanKind::LogFull:
        break;
    }
    return QStringLiteral("log-full");
}

QString PlanKindText(TPlanKind kind) {
    switch (kind) {
    case TPlanKind::Start:
        return QCoreApplication::translate("TPlan", "Start");
    case TPlanKind::Sample:
        return QCoreApplication::translate("TPlan", "Sample");
    case TPlanKind::Bottle:
        return QCoreApplication::translate("TPlan", "Bottle change");
    case TPlanKind::Full:
        return QCoreApplication::translate("TPlan", "Distributor full");
    case TPlanKind::End:
        return QCoreApplication::translate("TPlan", "End of the plan");
    case TPlanKind::LogFull:
        break;
    }
    return QCoreApplication::translate("TPlan", "Log ring full");
}

QString PlanMomentText(TDateTime local) {
    const QDateTime t = FromDateTime(local);
    const QLocale locale;
    return QCoreApplication::translate("TPlan", "%1 at %2")
        .arg(locale.toString(t.date(), QStringLiteral("d MMM yyyy")),
             t.time().toString(QStringLiteral("HH:mm")));
}

QString PlanIsoText(TDateTime local) {
    return FromDateTime(local).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

namespace PlanText {

QString Duration(int64_t s) {
    if (s >= 86400 && s % 86400 == 0)
        return QCoreApplication::translate("TPlan", "%1 d").arg(s / 86400);
    if (s >= 3600 && s % 3600 == 0)
        return QCoreApplication::translate("TPlan", "%1 h").arg(s / 3600);
    if (s >= 3600 && s % 60 == 0)
        return QCoreApplication::translate("TPlan", "%1 h %2 min").arg(s / 3600).arg(s / 60 % 60);
    if (s >= 60 && s % 60 == 0) return QCoreApplication::translate("TPlan", "%1 min").arg(s / 60);
    if (s >= 60) return QCoreApplication::translate("TPlan", "%1 min %2 s").arg(s / 60).arg(s % 60);
    return QCoreApplication::translate("TPlan", "%1 s").arg(s);
}

QString Refused(const QString& field, const QString& value) {
    return QCoreApplication::translate("TPlan",
                                       "The program cannot be planned: %1 %2 is out of range.")
        .arg(field, value);
}

QString BadDays(int days) {
    return QCoreApplication::translate("TPlan", "The plan covers 1 to %1 days, not %2.")
        .arg(plan::MaxDays)
        .arg(days);
}

QString BadFrom() {
    return QCoreApplication::translate(
        "TPlan", "The plan must begin after 1 January 2000 and end before 2068.");
}

QString BadAssumption() {
    return QCoreApplication::translate(
        "TPlan", "An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between "
                 "0 and 3600000 an hour, a capacity between 1 and 24 bottles.");
}

QString Start(int mode, const QString& first, int64_t delay, int starts) {
    switch (mode) {
    case ProgramImmediately:
        return QCoreApplication::translate("TPlan", "Starts immediately, on %1.").arg(first);
    case ProgramAfterDelay:
        return QCoreApplication::translate("TPlan", "Starts after a delay of %1, on %2.")
            .arg(Duration(delay), first);
    case ProgramAtTime:
        return QCoreApplication::translate("TPlan", "Starts on %1.").arg(first);
    default:
        return QCoreApplication::translate(
                   "TPlan", "Starts by the scheduler, first on %1; starts in the plan: %2.")
            .arg(first)
            .arg(starts);
    }
}

QString NoStart(bool scheduler) {
    return scheduler ? QCoreApplication::translate(
                           "TPlan", "The scheduler starts the program on no day of the plan.")
                     : QCoreApplication::translate("TPlan",
                                                   "The program does not start within the plan.");
}

QString ExternalControl() {
    return QCoreApplication::translate(
        "TPlan", "Samples are taken on the external control signal; none are planned.");
}

QString Sampling(int mode, double interval, int pulses, int rate, double maximum, bool assumed) {
    const QString every = Duration(int64_t(std::llround(interval)));
    if (mode == 1)
        return QCoreApplication::translate("TPlan",
                                           "Takes a sample every %1, the first at the start.")
            .arg(every);
    QString flow =
        mode == 2
            ? QCoreApplication::translate("TPlan", "Samples follow the flow: one every %1 pulses.")
                  .arg(pulses)
            : QCoreApplication::translate(
                  "TPlan", "Samples follow the flow: %1 an hour at the flow maximum.")
                  .arg(rate);
    if (assumed && interval > 0)
        flow +=
            u' ' + QCoreApplication::translate("TPlan", "With the assumed flow, a sample every %1.")
                       .arg(every);
    if (maximum > 0)
        flow += u' ' + QCoreApplication::translate("TPlan", "At most %1 pass between two samples.")
                           .arg(Duration(int64_t(std::llround(maximum))));
    return flow;
}

QString Bottles(bool byTime, int perBottle, int64_t change, int perGroup, int bottles,
                const QString& full) {
    QString text =
        byTime
            ? QCoreApplication::translate("TPlan", "Bottles change every %1").arg(Duration(change))
            : QCoreApplication::translate("TPlan", "%1 per bottle").arg(perBottle);
    if (perGroup > 1)
        text += u' ' + QCoreApplication::translate("TPlan", "(%1 bottles at a time)").arg(perGroup);
    if (bottles == 0)
        return text + QStringLiteral(", ") +
               QCoreApplication::translate("TPlan", "into one bottle after another: the capacity "
                                                    "is Auto, so the plan has no end of bottles.");
    text += QStringLiteral(", ") +
            QCoreApplication::translate("TPlan", "into %1 bottles:").arg(bottles) + u' ';
    return text + (full.isEmpty()
                       ? QCoreApplication::translate("TPlan", "not full within the plan.")
                       : QCoreApplication::translate("TPlan", "full on %1.").arg(full));
}

QString Var(const QString& maximum) {
    return QCoreApplication::translate("TPlan",
                                       "The sample volume follows the VAR/FLOW input, up to %1.")
        .arg(maximum);
}

QString Event(int mode, bool starts, bool changesBottle) {
    if (mode == 0) return QCoreApplication::translate("TPlan", "No event control.");
    QString text =
        starts
            ? QCoreApplication::translate("TPlan", "An event on the %1 input starts the program.")
                  .arg(Input(mode))
            : QCoreApplication::translate(
                  "TPlan", "Samples are taken only while an event on the %1 input lasts.")
                  .arg(Input(mode));
    if (changesBottle)
        text += u' ' + QCoreApplication::translate("TPlan", "Each event changes the bottle.");
    return text;
}

QString PreSampling(int samples, int64_t interval) {
    return QCoreApplication::translate("TPlan",
                                       "Before an event, %1 pre-samples are taken every %2.")
        .arg(samples)
        .arg(Duration(interval));
}

QString LogRate(double perDay) {
    return QCoreApplication::translate("TPlan", "The event log takes about %1 records a day.")
        .arg(Number(perDay));
}

QString AssumedCapacity(int bottles) {
    return QCoreApplication::translate("TPlan", "a distributor of %1 bottles").arg(bottles);
}

QString AssumedPulses(double perHour) {
    return QCoreApplication::translate("TPlan", "%1 flow pulses an hour").arg(Number(perHour));
}

QString AssumedFlow(double percent) {
    return QCoreApplication::translate("TPlan", "a flow of %1 % of the flow maximum")
        .arg(Number(percent));
}

QString AssumedLog(int records) {
    return QCoreApplication::translate("TPlan", "records in the event log at the start: %1")
        .arg(records);
}

QString FullBeforeNextStart(const QString& full, const QString& next) {
    return QCoreApplication::translate("TPlan", "The distributor is full on %1, before the next "
                                                "start on %2: empty the bottles in between.")
        .arg(full, next);
}

QString LogFull(const QString& when) {
    return QCoreApplication::translate("TPlan",
                                       "Collect the Connector before %1: then the event "
                                       "log ring is full and overwrites its oldest records.")
        .arg(when);
}

QString ClockUnset() {
    return QCoreApplication::translate("TPlan", "The Connector clock is not set.");
}

QString ClockOff(int64_t seconds) {
    const QString by = Duration(std::abs(seconds));
    return seconds > 0
               ? QCoreApplication::translate("TPlan",
                                             "The Connector clock is %1 ahead of the PC clock.")
                     .arg(by)
               : QCoreApplication::translate("TPlan",
                                             "The Connector clock is %1 behind the PC clock.")
                     .arg(by);
}

QString StartPast(const QString& when) {
    return QCoreApplication::translate("TPlan", "The start on %1 lies in the past.").arg(when);
}

QString StartSoon(const QString& when) {
    return QCoreApplication::translate("TPlan", "The start on %1 is less than 10 minutes ahead.")
        .arg(when);
}

QString NoScheduledActivity() {
    return QCoreApplication::translate("TPlan",
                                       "No scheduled activity: the scheduler has no day chosen.");
}

QString NoStartInWindow() {
    return QCoreApplication::translate("TPlan", "No start falls within the plan.");
}

QString NoSamplesPlanned() {
    return QCoreApplication::translate(
        "TPlan",
        "Without an assumed flow and without a maximum interval no sample can be planned.");
}

QString DaylightScheduler(bool summer, const QString& when) {
    return summer ? QCoreApplication::translate(
                        "TPlan",
                        "Summer time begins on %1: the scheduled starts after it come one hour "
                        "later on the wall clock, as the Connector clock keeps standard time.")
                        .arg(when)
                  : QCoreApplication::translate(
                        "TPlan", "Summer time ends on %1: the scheduled starts after it come one "
                                 "hour earlier on the wall clock, back at their Connector time.")
                        .arg(when);
}

QString Daylight(bool summer, const QString& when) {
    return summer
               ? QCoreApplication::translate("TPlan",
                                             "Summer time begins on %1: from then on the wall "
                                             "clock is one hour ahead of the Connector clock.")
                     .arg(when)
               : QCoreApplication::translate("TPlan", "Summer time ends on %1: from then on the "
                                                      "wall clock shows the Connector time again.")
                     .arg(when);
}

QString Truncated(int events, const QString& when) {
    return QCoreApplication::translate("TPlan", "The plan stops at %1 events, on %2.")
        .arg(events)
        .arg(when);
}

} // namespace PlanText
