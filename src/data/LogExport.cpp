#include "LogExport.h"

#include "AnsiText.h"
#include "R7200.h"
#include "TextFormats.h"

#include <QSaveFile>
#include <QStringList>

namespace {

QByteArray Ansi(const QString& text) {
    QByteArray bytes;
    for (const char32_t c : text.toUcs4())
        bytes += char(TAnsiText::ToByte(c));
    return bytes;
}

void AppendLine(QByteArray& out, const QStringList& fields) {
    for (const QString& field : fields) {
        QString quoted = field;
        quoted.replace(u'"', QStringLiteral("\"\""));
        out += '"';
        out += Ansi(quoted);
        out += "\",";
    }
    out += '\n';
}

} // namespace

QByteArray LogCsvBytes(const TR7200& record, const TLogTitles& titles) {
    QByteArray out;
    AppendLine(out, {titles.Time, titles.Status, titles.Bottle, titles.Sample, titles.Var,
                     titles.SampleTemperature, titles.EnvironmentTemperature, titles.Aux});
    const QString unit = TemperatureUnitText(record.TemperatureUnits);
    AppendLine(out, {QString(), QString(), QString(), QString(), record.Analog1.Units, unit, unit,
                     record.Analog2.Units});
    const int units = record.TemperatureUnits;
    for (int i = 0; i < record.LogCount; ++i) {
        const TLogRecord r = LogRecordOf(record, i);
        AppendLine(out, {LogTimeText(r.Time), LogStatusText(r.Code), LogBottleText(r.Bottle),
                         LogBottleText(r.Sample), LogAnalogText(r.Var, record.Analog1),
                         LogTemperatureText(r.SampleTemperature, units),
                         LogTemperatureText(r.BoxTemperature, units),
                         LogAnalogText(r.Aux, record.Analog2)});
    }
    return out;
}

bool ExportLogCsv(const TR7200& record, const QString& path, const TLogTitles& titles) {
    const QByteArray bytes = LogCsvBytes(record, titles);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
