#include "CliDiff.h"

#include "Archive.h"
#include "CliOutcome.h"
#include "ConnectorSession.h"
#include "MsgTemplate.h"
#include "ProgramCompare.h"
#include "R7200.h"
#include "RecordReport.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

const QString ConnectorOption = QStringLiteral("connector");
const QString ArchiveOption = QStringLiteral("archive");

void Note(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

TCliOutcome LoadFile(TR7200& record, const QString& path) {
    return record.LoadFromFile(path) ? TCliOutcome::Ok : OutcomeOfStatus(record.Status);
}

// Reads the Connector as `read` does, archive included; nothing is written to it.
TCliOutcome ReadConnector(TR7200& record) {
    TConnectorSession session;
    if (const TCliOutcome probe = OutcomeOfProbe(session.Probe()); probe != TCliOutcome::Ok)
        return probe;
    TReadResult read = session.Read();
    if (read.Cancelled) return TCliOutcome::Interrupted;
    if (read.ArchiveFailed)
        Note(TMsgTemplate::SourceText(MsgReadNotArchived).arg(session.Archive().Folder()));
    if (!read.Ok()) return OutcomeOfStatus(read.Document.Status);
    record = std::move(read.Document);
    return TCliOutcome::Ok;
}

// The newest archived read of exactly that serial number, hexadecimal as the archive
// prints it or decimal; the archive's filter alone would also take longer numbers.
TCliOutcome LoadArchived(TR7200& record, const QString& serial) {
    const TArchive archive;
    for (const TArchiveEntry& e : archive.List(serial)) {
        if (TArchive::SerialText(e.SerialNumber).compare(serial, Qt::CaseInsensitive) != 0 &&
            QString::number(e.SerialNumber) != serial)
            continue;
        return LoadFile(record, e.Path);
    }
    Note(QStringLiteral("no archived image of %1").arg(serial));
    return TCliOutcome::FileError;
}

QByteArray ComparisonJson(const TProgramComparison& c) {
    QJsonArray fields;
    for (const TProgramDifference& d : c.Fields)
        fields.append(QJsonObject{{QStringLiteral("field"), d.Field->Name},
                                  {QStringLiteral("caption"), d.Caption},
                                  {QStringLiteral("place"), PlaceName(d.Place)},
                                  {QStringLiteral("a"), d.TextA},
                                  {QStringLiteral("b"), d.TextB}});
    return QJsonDocument(QJsonObject{{QStringLiteral("fields"), fields},
                                     {QStringLiteral("serialDiffers"), c.SerialDiffers},
                                     {QStringLiteral("logDiffers"), c.LogDiffers}})
        .toJson(QJsonDocument::Indented);
}

} // namespace

QList<QCommandLineOption> DiffOptions() {
    using O = QCommandLineOption;
    return {O(ConnectorOption, QStringLiteral("compare with the Connector in the adapter")),
            O(ArchiveOption, QStringLiteral("compare with the newest archived read of SERIAL"),
              QStringLiteral("SERIAL")),
            O(QStringLiteral("json"), QStringLiteral("one JSON object with the list"))};
}

int RunDiff(const QCommandLineParser& parser, const QStringList& files) {
    const bool connector = parser.isSet(ConnectorOption);
    const bool archived = parser.isSet(ArchiveOption);
    const qsizetype wanted = connector || archived ? 1 : 2;
    if ((connector && archived) || files.size() != wanted) {
        Note(QStringLiteral("limnaset-cli: usage: limnaset-cli diff A (B | --connector | "
                            "--archive SERIAL) [--json]"));
        return int(TCliOutcome::Usage);
    }
    TR7200 a;
    TR7200 b;
    if (const TCliOutcome loaded = LoadFile(a, files[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    const TCliOutcome other = connector  ? ReadConnector(b)
                              : archived ? LoadArchived(b, parser.value(ArchiveOption))
                                         : LoadFile(b, files[1]);
    if (other != TCliOutcome::Ok) return Finish(other);

    const TProgramComparison c = CompareProgram(a, b, true);
    if (parser.isSet(QStringLiteral("json"))) {
        const QByteArray json = ComparisonJson(c);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    } else {
        for (const TProgramDifference& d : c.Fields)
            std::printf("%s\n",
                        QStringList{d.Field->Name, VisibleText(d.TextA), VisibleText(d.TextB)}
                            .join(u'\t')
                            .toUtf8()
                            .constData());
        // Not program changes: told apart, where a script reading the lines does not look.
        if (c.SerialDiffers)
            Note(QStringLiteral("The serial numbers differ: %1, %2")
                     .arg(TArchive::SerialText(a.SerialNumber),
                          TArchive::SerialText(b.SerialNumber)));
        if (c.LogDiffers) Note(QStringLiteral("The event logs differ"));
    }
    return c.Fields.empty() ? 0 : 1;
}
