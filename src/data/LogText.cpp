#include "LogText.h"

#include "ConnectorCalendar.h"
#include "MsgTemplate.h"
#include "R7200.h"
#include "TextFormats.h"

QString LogTimeText(uint32_t time) {
    if (time == TLogRecord::NeverWritten) return QString();
    return DateTimeText(TR7200::FromConnectorTimestamp(time));
}

QString LogStatusText(uint8_t code) {
    return TLogRecord::CodeWord(code);
}

QString LogBottleText(uint8_t number) {
    return number == TLogRecord::NoNumber ? QString() : QString::number(number);
}

QString LogAnalogText(uint16_t raw, const TAnalogScale& scale) {
    return raw == TLogRecord::NoAnalog ? QString() : FormatAnalogValue(raw, scale);
}

QString LogTemperatureText(int16_t tenths, int units) {
    return tenths == TLogRecord::NoTemperature ? QString() : FormatTemperature(tenths, units);
}

TLogRecord LogRecordOf(const TR7200& record, int i) {
    return TLogRecord::Decode(record.Image.data() + record.LogSlotOffset(i));
}

QStringList LogTableTitles(const TLogTitles& titles) {
    return {titles.Row,    titles.Time,   titles.Status,
            titles.Bottle, titles.Sample, titles.EnvironmentTemperature,
            titles.Var,    titles.Aux,    titles.SampleTemperature};
}

QStringList LogTableUnits(const TProgramBlock& record) {
    const QString unit = TemperatureUnitText(record.TemperatureUnits);
    return {QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            unit,
            record.Analog1.Units,
            record.Analog2.Units,
            unit};
}

QStringList LogTableRow(const TR7200& record, int i) {
    return LogTableRow(record, LogRecordOf(record, i), i + 1);
}

QStringList LogTableRow(const TProgramBlock& record, const TLogRecord& r, int row) {
    const int units = record.TemperatureUnits;
    return {QString::number(row),
            LogTimeText(r.Time),
            LogStatusText(r.Code),
            LogBottleText(r.Bottle),
            LogBottleText(r.Sample),
            LogTemperatureText(r.BoxTemperature, units),
            LogAnalogText(r.Var, record.Analog1),
            LogAnalogText(r.Aux, record.Analog2),
            LogTemperatureText(r.SampleTemperature, units)};
}

QString LogCopyText(const TR7200& record, const TLogTitles& titles, const QList<int>& records) {
    QString text = LogTableTitles(titles).join(u'\t') + u'\n';
    text += LogTableUnits(record).join(u'\t') + u'\n';
    for (int i : records)
        text += LogTableRow(record, i).join(u'\t') + u'\n';
    return text;
}

QString LogRecordSummary(const TR7200& record, const TLogTitles& titles, int i) {
    return LogRecordSummary(record, LogRecordOf(record, i), titles, i + 1);
}

QString LogRecordSummary(const TProgramBlock& program, const TLogRecord& r,
                         const TLogTitles& titles, int row) {
    const QStringList names = LogTableTitles(titles);
    const QStringList units = LogTableUnits(program);
    const QStringList texts = LogTableRow(program, r, row);
    QStringList lines;
    for (int c = 0; c < texts.size(); ++c) {
        if (texts[c].isEmpty()) continue;
        // A unit such as "%" follows its number; " °C" brings its own blank.
        lines << names[c] + QStringLiteral(": ") + texts[c] + units[c];
    }
    return lines.join(u'\n');
}

TLogTitles TranslatedLogTitles() {
    TLogTitles titles;
    titles.Row = Msg(MsgRow);
    titles.Time = Msg(MsgTime);
    titles.Status = Msg(MsgStatus);
    titles.Bottle = Msg(MsgBottle);
    titles.Sample = Msg(MsgSample);
    titles.EnvironmentTemperature = Msg(MsgEnvironmentTemperature);
    titles.Var = Msg(MsgVAR);
    titles.Aux = Msg(MsgAux);
    titles.SampleTemperature = Msg(MsgSampleTemperature);
    return titles;
}
