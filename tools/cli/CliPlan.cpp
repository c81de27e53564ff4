#include "CliPlan.h"

#include "CliOutcome.h"
#include "ConnectorSession.h"
#include "Plan.h"
#include "R7200.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using O = QCommandLineOption;

void Write(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int Usage(const QString& message) {
    std::fprintf(stderr, "limnaset-cli: %s\nTry 'limnaset-cli plan --help'.\n",
                 message.toUtf8().constData());
    return int(TCliOutcome::Usage);
}

int Refused(TCliOutcome outcome, const QString& why) {
    std::fprintf(stderr, "%s\n", why.toUtf8().constData());
    return Finish(outcome);
}

// A number option; false for a text that is not a number.
bool NumberOption(const QCommandLineParser& parser, const char* name, std::optional<double>& out) {
    const QString option = QString::fromLatin1(name);
    if (!parser.isSet(option)) return true;
    bool ok = false;
    out = parser.value(option).toDouble(&ok);
    return ok;
}

QJsonObject EventJson(const TPlanEvent& e) {
    QJsonObject o{{QStringLiteral("time"), PlanIsoText(e.Local)},
                  {QStringLiteral("connector_time"), PlanConnectorIsoText(e.Connector)},
                  {QStringLiteral("kind"), PlanKindName(e.Kind)}};
    if (e.Bottle > 0) {
        o[QStringLiteral("bottle")] = e.Bottle;
        QJsonArray bottles;
        for (int b = e.Bottle; b < e.Bottle + e.Bottles; ++b)
            bottles.append(b);
        o[QStringLiteral("bottles")] = bottles;
    }
    if (e.Sample > 0) o[QStringLiteral("sample")] = e.Sample;
    return o;
}

QByteArray Json(const TPlan& plan) {
    QJsonArray events;
    for (const TPlanEvent& e : plan.Events)
        events.append(EventJson(e));
    const QJsonObject o{
        {QStringLiteral("summary"), plan.Summary.join(u' ')},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(plan.Warnings)},
        {QStringLiteral("assumptions"), QJsonArray::fromStringList(plan.Assumptions)},
        {QStringLiteral("truncated"), plan.Truncated},
        {QStringLiteral("events"), events}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QByteArray Text(const TPlan& plan) {
    QString out = plan.Summary.join(u' ') + u'\n';
    if (!plan.Assumptions.isEmpty())
        out += QStringLiteral("Assumed: ") + plan.Assumptions.join(QStringLiteral("; ")) + u'\n';
    for (const QString& w : plan.Warnings)
        out += QStringLiteral("Warning: ") + w + u'\n';
    out += QStringLiteral("\n%1  %2  %3  %4  %5\n")
               .arg(QStringLiteral("Time"), -19)
               .arg(QStringLiteral("Connector time"), -19)
               .arg(QStringLiteral("Event"), -8)
               .arg(QStringLiteral("Bottles"), -8)
               .arg(QStringLiteral("Sample"));
    for (const TPlanEvent& e : plan.Events) {
        QString bottles;
        if (e.Bottle > 0)
            bottles = e.Bottles > 1
                          ? QStringLiteral("%1-%2").arg(e.Bottle).arg(e.Bottle + e.Bottles - 1)
                          : QString::number(e.Bottle);
        out += QStringLiteral("%1  %2  %3  %4  %5\n")
                   .arg(PlanIsoText(e.Local), -19)
                   .arg(PlanConnectorIsoText(e.Connector), -19)
                   .arg(PlanKindName(e.Kind), -8)
                   .arg(bottles, -8)
                   .arg(e.Sample > 0 ? QString::number(e.Sample) : QString())
                   .trimmed() +
               u'\n';
    }
    return out.toUtf8();
}

// The Connector clock, for the clock warnings; the outcome when it cannot be read.
TCliOutcome ReadClock(TDateTime& clock) {
    TConnectorSession session;
    if (const TCliOutcome probe = OutcomeOfProbe(session.Probe()); probe != TCliOutcome::Ok)
        return probe;
    bool answered = false;
    clock = session.ReadClock(&answered);
    return answered ? TCliOutcome::Ok : TCliOutcome::CommError;
}

} // namespace

QList<QCommandLineOption> PlanOptions() {
    return {O(QStringLiteral("connector"),
              QStringLiteral("check the Connector clock in the adapter against the PC clock")),
            O(QStringLiteral("from"), QStringLiteral("plan from this local moment (default now)"),
              QStringLiteral("YYYY-MM-DDTHH:MM:SS")),
            O(QStringLiteral("days"), QStringLiteral("days the plan covers, 1..366 (default 7)"),
              QStringLiteral("N")),
            O(QStringLiteral("pulses-per-hour"), QStringLiteral("assumed flow pulses an hour"),
              QStringLiteral("N")),
            O(QStringLiteral("flow"), QStringLiteral("assumed flow, percent of the flow maximum"),
              QStringLiteral("PERCENT")),
            O(QStringLiteral("capacity"), QStringLiteral("bottles of an \"Auto\" distributor"),
              QStringLiteral("N")),
            O(QStringLiteral("json"), QStringLiteral("one JSON object")),
            O(QStringLiteral("csv"), QStringLiteral("the events as CSV")),
            O(QStringLiteral("ics"), QStringLiteral("an iCalendar of the starts, the full "
                                                    "distributor and the collection date"))};
}

int RunPlan(const QCommandLineParser& parser, const QString& file) {
    const int forms = int(parser.isSet(QStringLiteral("json"))) +
                      int(parser.isSet(QStringLiteral("csv"))) +
                      int(parser.isSet(QStringLiteral("ics")));
    if (forms > 1) return Usage(QStringLiteral("choose one of --json, --csv and --ics"));
    TPlanRequest request;
    if (parser.isSet(QStringLiteral("from"))) {
        const QDateTime from =
            QDateTime::fromString(parser.value(QStringLiteral("from")), Qt::ISODate);
        if (!from.isValid())
            return Usage(QStringLiteral("--from takes a local time YYYY-MM-DDTHH:MM:SS"));
        request.From = ToDateTime(from);
    }
    std::optional<double> days, capacity;
    if (!NumberOption(parser, "days", days) || !NumberOption(parser, "capacity", capacity) ||
        !NumberOption(parser, "pulses-per-hour", request.PulsesPerHour) ||
        !NumberOption(parser, "flow", request.FlowPercent))
        return Usage(
            QStringLiteral("--days, --capacity, --pulses-per-hour and --flow take numbers"));
    if ((days && *days != std::floor(*days)) || (capacity && *capacity != std::floor(*capacity)))
        return Usage(QStringLiteral("--days and --capacity take whole numbers"));
    // Out-of-range values reach the planner, which names them.
    if (days) request.Days = int(std::clamp(*days, -1.0, double(plan::MaxDays + 1)));
    if (capacity) request.Capacity = int(std::clamp(*capacity, -1.0, 25.0));

    TR7200 record;
    if (!record.LoadFromFile(file)) return Finish(OutcomeOfStatus(record.Status));
    if (parser.isSet(QStringLiteral("connector"))) {
        TDateTime clock = 0;
        if (const TCliOutcome read = ReadClock(clock); read != TCliOutcome::Ok) return Finish(read);
        request.ConnectorClock = clock;
    }
    const TPlan plan = MakePlan(record, request);
    switch (plan.Refusal) {
    case TPlanRefusal::None:
        break;
    case TPlanRefusal::Window:
    case TPlanRefusal::Assumption:
    case TPlanRefusal::Program:
        return Refused(TCliOutcome::OutOfRange, plan.RefusalText);
    }
    if (parser.isSet(QStringLiteral("json")))
        Write(Json(plan));
    else if (parser.isSet(QStringLiteral("csv")))
        Write(PlanCsv(plan));
    else if (parser.isSet(QStringLiteral("ics")))
        Write(PlanCalendar(plan, record, QDateTime::currentDateTimeUtc()));
    else
        Write(Text(plan));
    return 0;
}
