#include "RecordReport.h"

#include "ConnectorCalendar.h"
#include "ImageLayout.h"
#include "LogText.h"
#include "R7200.h"
#include "TextFormats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <variant>

namespace {

using TField = TImageLayout::TField;

QJsonValue FieldValue(const TField& field, const TProgramBlock& block) {
    return std::visit(
        [&](const auto& access) -> QJsonValue {
            const auto& value = access.Get(block);
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QString>) {
                return value;
            } else if constexpr (std::is_same_v<T, double>) {
                return value;
            } else if constexpr (std::is_integral_v<T>) {
                return qint64(value);
            } else {
                QJsonArray bytes;
                for (const uint8_t b : value)
                    bytes.append(int(b));
                return bytes;
            }
        },
        field.Access);
}

QString ValueText(const QJsonValue& value) {
    if (value.isString()) return value.toString();
    if (value.isArray()) {
        QStringList bytes;
        for (const QJsonValue& b : value.toArray())
            bytes << QString::number(b.toInt(), 16).rightJustified(2, u'0').toUpper();
        return bytes.join(u' ');
    }
    if (value.isDouble()) {
        // The shortest text that reads back as the same double: 0.1, not 0.10000000000000001.
        const double number = value.toDouble();
        if (number == std::trunc(number) && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', QLocale::FloatingPointShortest);
    }
    return QStringLiteral("null");
}

// Places "Name", "Name.Member" and "Name[i].Member" into the object.
void Place(QJsonObject& root, const QString& name, const QJsonValue& value) {
    static const QRegularExpression Path(QStringLiteral("^(\\w+)(?:\\[(\\d+)\\])?(?:\\.(\\w+))?$"));
    const QRegularExpressionMatch m = Path.match(name);
    if (!m.hasMatch()) {
        root.insert(name, value);
        return;
    }
    const QString top = m.captured(1);
    const QString member = m.captured(3);
    if (m.captured(2).isEmpty()) {
        if (member.isEmpty()) {
            root.insert(top, value);
        } else {
            QJsonObject object = root.value(top).toObject();
            object.insert(member, value);
            root.insert(top, object);
        }
        return;
    }
    const int index = m.captured(2).toInt();
    QJsonArray array = root.value(top).toArray();
    while (array.size() <= index)
        array.append(QJsonObject());
    QJsonObject element = array.at(index).toObject();
    if (member.isEmpty())
        array.replace(index, value);
    else {
        element.insert(member, value);
        array.replace(index, element);
    }
    root.insert(top, array);
}

QJsonValue IsoTime(TDateTime value) {
    if (value == 0) return QJsonValue::Null;
    int y, mo, d, h, mi, s, ms;
    DecodeDateTime(value, y, mo, d, h, mi, s, ms);
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", y, mo, d, h, mi, s);
}

QString LogLine(const TR7200& record, int i) {
    QStringList columns = LogTableRow(record, i);
    columns.removeFirst();
    while (!columns.isEmpty() && columns.back().isEmpty())
        columns.removeLast();
    return columns.join(QStringLiteral(" | "));
}

struct TRawField {
    QString Name;
    int Offset;
    int Width;
};

QList<TRawField> ImageMap() {
    using L = TImageLayout;
    QList<TRawField> map = {
        {QStringLiteral("SerialNumber"), L::SerialNumber, 4},
        {QStringLiteral("ConnectorName"), L::Name, L::NameSize},
        {QStringLiteral("ConnectorComment"), L::Comment, L::CommentSize},
        {QStringLiteral("ImageMarker"), L::Marker, 1},
        {QStringLiteral("Format"), L::Format, 1},
        {QStringLiteral("ProgrammedAt"), L::ProgrammedAt, 4},
    };
    for (const TField& f : L::Fields()) {
        if (f.Offset < L::Checksum) map.append({f.Name, f.Offset, f.Width});
    }
    map.append({QStringLiteral("HeaderChecksum"), L::Checksum, 2});
    map.append({QStringLiteral("PumpReport"), L::PumpReport, 2});
    map.append({QStringLiteral("PumpReportComplement"), L::PumpReportComplement, 2});
    for (const TField& f : L::Fields()) {
        if (f.Offset >= L::Checksum) map.append({f.Name, f.Offset, f.Width});
    }
    return map;
}

} // namespace

QString VisibleText(const QString& text) {
    QString shown;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == u'\\')
            shown += QStringLiteral("\\\\");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            shown += QString::asprintf("\\x%02X", unsigned(u));
        else
            shown += c;
    }
    return shown;
}

namespace {

QString Visible(const QString& text) {
    return VisibleText(text);
}

} // namespace

QString RecordText(const TR7200& record) {
    QStringList lines;
    auto add = [&lines](const QString& name, const QString& value) {
        lines << name + QStringLiteral(": ") + Visible(value);
    };
    lines << QStringLiteral("[Connector]");
    add(QStringLiteral("SerialNumber"), QString::number(record.SerialNumber));
    add(QStringLiteral("ConnectorName"), record.ConnectorName);
    add(QStringLiteral("ConnectorComment"), record.ConnectorComment);
    add(QStringLiteral("ProgramStartTime"), DateShortTimeText(record.ProgramStartTime));
    add(QStringLiteral("ProgramStartDelay"), FormatHhMm(int(record.ProgramStartDelay)));
    lines << QStringLiteral("[Program]");
    for (const TField& f : TImageLayout::Fields())
        add(f.Name, ValueText(FieldValue(f, record)));
    lines << QStringLiteral("[Log]");
    add(QStringLiteral("LogCount"), QString::number(record.LogCount));
    add(QStringLiteral("LogStart"), QString::number(record.LogStart));
    if (record.LogCount > 0) {
        add(QStringLiteral("Oldest"), LogLine(record, 0));
        add(QStringLiteral("Newest"), LogLine(record, record.LogCount - 1));
    }
    return lines.join(u'\n') + u'\n';
}

QByteArray RecordJson(const TR7200& record) {
    QJsonObject root;
    root.insert(QStringLiteral("SerialNumber"), qint64(record.SerialNumber));
    root.insert(QStringLiteral("ConnectorName"), record.ConnectorName);
    root.insert(QStringLiteral("ConnectorComment"), record.ConnectorComment);
    root.insert(QStringLiteral("ProgramStartTime"), IsoTime(record.ProgramStartTime));
    root.insert(QStringLiteral("ProgramStartDelay"), qint64(record.ProgramStartDelay));
    root.insert(QStringLiteral("LogCount"), record.LogCount);
    root.insert(QStringLiteral("LogStart"), record.LogStart);
    root.insert(QStringLiteral("Status"), record.Status);
    // The reserved bytes are carried, not named fields of the program: the dump shows them.
    for (const TField& f : TImageLayout::Fields())
        if (f.Kind() != TImageLayout::TKind::Bytes) Place(root, f.Name, FieldValue(f, record));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString RecordDump(const TR7200& record) {
    QStringList lines;
    for (const TRawField& f : ImageMap()) {
        const QByteArray bytes(reinterpret_cast<const char*>(record.Image.data()) + f.Offset,
                               f.Width);
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(f.Offset, 5)
                     .arg(f.Width, 3)
                     .arg(f.Name, -26)
                     .arg(QString::fromLatin1(bytes.toHex(' ').toUpper()));
    }
    return lines.join(u'\n') + u'\n';
}
