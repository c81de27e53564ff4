#include "ConnectorCalendar.h"
#include "ImageLayout.h"
#include "Plan.h"
#include "PlanText.h"
#include "R7200.h"

#include <QCryptographicHash>
#include <QSaveFile>

namespace {

QString BottleList(const TPlanEvent& e, const QString& separator) {
    QStringList bottles;
    for (int b = e.Bottle; e.Bottle > 0 && b < e.Bottle + e.Bottles; ++b)
        bottles << QString::number(b);
    return bottles.join(separator);
}

// RFC 5545 text: backslash, semicolon, comma and line breaks escaped.
QString IcsText(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u';', QStringLiteral("\\;"));
    text.replace(u',', QStringLiteral("\\,"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

// Content lines end in CRLF and are folded before 75 octets, never inside a character.
void AddLine(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    qsizetype at = 0;
    int limit = 75;
    while (bytes.size() - at > limit) {
        qsizetype cut = at + limit;
        while ((uchar(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        out += bytes.mid(at, cut - at) + "\r\n ";
        at = cut;
        limit = 74; // the leading blank of a continuation counts
    }
    out += bytes.mid(at) + "\r\n";
}

QString IcsLocal(TDateTime local) {
    return FromDateTime(local).toString(QStringLiteral("yyyyMMddTHHmmss"));
}

// The same program on the same Connector gives the same UIDs on every export.
QString ProgramKey(const TR7200& record) {
    std::array<uint8_t, TR7200::ImageSize> image{};
    TImageLayout::Pack(record, image.data());
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(
        QByteArrayView(image.data() + TImageLayout::BlockHead, TImageLayout::BlockHeadSize));
    hash.addData(
        QByteArrayView(image.data() + TImageLayout::BlockTail, TImageLayout::BlockTailSize));
    return QString::fromLatin1(hash.result().toHex().left(12));
}

} // namespace

QString PlanConnectorIsoText(int64_t connector) {
    TConnectorTime t;
    UnpackTime(uint32_t(connector), t);
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(2000 + t.Year)
        .arg(t.Month, 2, 10, QLatin1Char('0'))
        .arg(t.Day, 2, 10, QLatin1Char('0'))
        .arg(t.Hour, 2, 10, QLatin1Char('0'))
        .arg(t.Minute, 2, 10, QLatin1Char('0'))
        .arg(t.Second, 2, 10, QLatin1Char('0'));
}

QByteArray PlanCsv(const TPlan& plan) {
    QByteArray out = "time,connector_time,kind,bottle,bottles,sample\r\n";
    for (const TPlanEvent& e : plan.Events) {
        const QStringList fields{PlanIsoText(e.Local),
                                 PlanConnectorIsoText(e.Connector),
                                 PlanKindName(e.Kind),
                                 e.Bottle > 0 ? QString::number(e.Bottle) : QString(),
                                 BottleList(e, QStringLiteral(" ")),
                                 e.Sample > 0 ? QString::number(e.Sample) : QString()};
        out += fields.join(u',').toUtf8() + "\r\n";
    }
    return out;
}

QByteArray PlanCalendar(const TPlan& plan, const TR7200& record, const QDateTime& stamp) {
    QByteArray out;
    AddLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    AddLine(out, QStringLiteral("VERSION:2.0"));
    AddLine(out, QStringLiteral("PRODID:-//Limnaset//Limnaset plan//EN"));
    AddLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    const QString key = QStringLiteral("%1-%2")
                            .arg(record.SerialNumber, 8, 16, QLatin1Char('0'))
                            .arg(ProgramKey(record));
    const QString summary = IcsText(plan.Summary.join(u' '));
    for (const TPlanEvent& e : plan.Events) {
        if (e.Kind != TPlanKind::Start && e.Kind != TPlanKind::Full && e.Kind != TPlanKind::LogFull)
            continue;
        QString title = PlanKindText(e.Kind);
        if (e.Kind == TPlanKind::LogFull) title = PlanText::LogFull(PlanMomentText(e.Local));
        if (!record.ConnectorName.isEmpty()) title += QStringLiteral(" - ") + record.ConnectorName;
        AddLine(out, QStringLiteral("BEGIN:VEVENT"));
        AddLine(out, QStringLiteral("UID:%1-%2-%3@limnaset")
                         .arg(key, PlanKindName(e.Kind))
                         .arg(e.Connector));
        AddLine(out, QStringLiteral("DTSTAMP:") +
                         stamp.toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ")));
        AddLine(out, QStringLiteral("DTSTART:") + IcsLocal(e.Local));
        AddLine(out, QStringLiteral("DURATION:PT15M"));
        AddLine(out, QStringLiteral("SUMMARY:") + IcsText(title));
        AddLine(out, QStringLiteral("DESCRIPTION:") + summary);
        AddLine(out, QStringLiteral("END:VEVENT"));
    }
    AddLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

bool SavePlanFile(const TPlan& plan, const TR7200& record, const QString& path) {
    const QByteArray bytes = path.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive)
                                 ? PlanCalendar(plan, record, QDateTime::currentDateTimeUtc())
                                 : PlanCsv(plan);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
