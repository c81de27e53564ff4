#include "CliProgram.h"

#include "AnsiText.h"
#include "CliOutcome.h"
#include "ProgramModel.h"
#include "R7200.h"
#include "RecordReport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <cstdio>

namespace {

const QString FormatKey = QStringLiteral("format");
const QString FormatName = QStringLiteral("limnaset-program/1");

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int Usage(const QString& message) {
    Print(stderr, QStringLiteral("limnaset-cli: ") + message);
    return int(TCliOutcome::Usage);
}

TCliOutcome Load(TR7200& record, const QString& path) {
    return record.LoadFromFile(path) ? TCliOutcome::Ok : OutcomeOfStatus(record.Status);
}

TCliOutcome OutcomeOf(TFieldCheck check) {
    return check == TFieldCheck::BadFormat ? TCliOutcome::BadFormat : TCliOutcome::OutOfRange;
}

// "SamplesPerBottle=241: Parameter out of range (1..240)".
int Refuse(const TProgramField& field, const QString& text, TFieldCheck check,
           const QString& range) {
    const QString why = check == TFieldCheck::Unstorable
                            ? TAnsiText::UnstorableMessage(TAnsiText::Unstorable(text))
                            : OutcomeText(OutcomeOf(check));
    QString line = QStringLiteral("%1=%2: %3").arg(field.Name, VisibleText(text), why);
    if (check != TFieldCheck::Unstorable && !range.isEmpty())
        line += QStringLiteral(" (%1)").arg(range);
    Print(stderr, line);
    return int(OutcomeOf(check));
}

// Sets the given texts in store order, so that a mode is taken before the fields that count
// in it are judged; nothing reaches `record` unless every one is accepted.
int SetAll(TR7200& record, const QMap<const TProgramField*, QString>& texts) {
    TR7200 edited = record;
    for (const TProgramField& field : ProgramFields()) {
        const auto it = texts.constFind(&field);
        if (it == texts.constEnd()) continue;
        // A text as the record holds it stays, even with letters the code page cannot hold.
        if (field.Rule->Form == TFieldForm::Text && *it == FieldString(field.Rule->Id, edited))
            continue;
        const TFieldCheck check = SetDisplayText(field, edited, *it);
        if (check != TFieldCheck::Accepted)
            return Refuse(field, *it, check, FieldRangeText(field, edited));
    }
    record = edited;
    return 0;
}

int Save(TR7200& record, const QString& path) {
    return record.SaveToFile(path) ? 0 : Finish(OutcomeOfStatus(record.Status));
}

const TProgramField* Known(const QString& name) {
    const TProgramField* field = FindProgramField(name);
    if (!field) Usage(QStringLiteral("unknown field '%1'").arg(name));
    return field;
}

QJsonObject FieldSchema(const TProgramField& field) {
    const TFieldRule& rule = *field.Rule;
    QJsonObject schema{{QStringLiteral("type"), QStringLiteral("string")},
                       {QStringLiteral("description"), FieldCaption(field, true)}};
    const QString empty = rule.Unset >= 0 ? QStringLiteral("|") : QString();
    switch (rule.Form) {
    case TFieldForm::Choice: {
        // A value outside the items shows as its number.
        QStringList items;
        for (const TFieldItem& item : rule.Items)
            items << QRegularExpression::escape(QString::fromUtf8(item.Caption));
        schema.insert(QStringLiteral("pattern"),
                      QStringLiteral("^(%1|[0-9]+)$").arg(items.join(u'|')));
        break;
    }
    case TFieldForm::Integer:
        schema.insert(QStringLiteral("pattern"), QStringLiteral("^(%1-?[0-9]+)$").arg(empty));
        break;
    case TFieldForm::HhMm:
    case TFieldForm::MmSs:
        schema.insert(QStringLiteral("pattern"),
                      QStringLiteral("^(%1[0-9]+:[0-9]{2}(:[0-9]{2})?)$").arg(empty));
        break;
    case TFieldForm::Analog:
    case TFieldForm::Temperature:
        schema.insert(QStringLiteral("pattern"), QStringLiteral("^-?[0-9]+([.,][0-9]+)?$"));
        break;
    case TFieldForm::WeekSet:
        schema.insert(QStringLiteral("pattern"),
                      QStringLiteral("^((1|2|3|4|Last)(,(1|2|3|4|Last))*)?$"));
        break;
    case TFieldForm::Text:
        schema.insert(QStringLiteral("maxLength"), int(rule.Max));
        break;
    case TFieldForm::ScaleBound:
    case TFieldForm::DateTime:
        break;
    }
    return schema;
}

} // namespace

QByteArray ProgramJson(const TR7200& record) {
    QJsonObject root{{FormatKey, FormatName}};
    for (const TProgramField& field : ProgramFields())
        root.insert(field.Name, DisplayText(field, record, true));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

int RunGetProgram(const QStringList& arguments, bool json) {
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, arguments[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    if (json) {
        const QByteArray text = ProgramJson(record);
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    }
    std::vector<const TProgramField*> fields;
    for (const QString& name : arguments.mid(1)) {
        const TProgramField* field = Known(name);
        if (!field) return int(TCliOutcome::Usage);
        fields.push_back(field);
    }
    if (fields.empty())
        for (const TProgramField& field : ProgramFields())
            fields.push_back(&field);
    QString lines;
    for (const TProgramField* field : fields)
        lines += field->Name + u'\t' + VisibleText(DisplayText(*field, record, true)) + u'\n';
    const QByteArray bytes = lines.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}

int RunSetProgram(const QStringList& arguments, const QString& output) {
    QMap<const TProgramField*, QString> texts;
    for (const QString& assignment : arguments.mid(1)) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals < 0) return Usage(QStringLiteral("'%1' is not FIELD=TEXT").arg(assignment));
        const TProgramField* field = Known(assignment.left(equals));
        if (!field) return int(TCliOutcome::Usage);
        texts.insert(field, assignment.mid(equals + 1));
    }
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, arguments[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    if (const int refused = SetAll(record, texts)) return refused;
    return Save(record, output.isEmpty() ? arguments[0] : output);
}

int RunApplyProgram(const QStringList& arguments, const QString& output) {
    QFile file(arguments[1]);
    if (!file.open(QIODevice::ReadOnly)) return Finish(TCliOutcome::FileError);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        Print(stderr, QStringLiteral("%1: not a JSON object (%2)")
                          .arg(arguments[1], document.isNull() ? error.errorString()
                                                               : QStringLiteral("another value")));
        return int(TCliOutcome::BadFormat);
    }
    const QJsonObject root = document.object();
    QMap<const TProgramField*, QString> texts;
    for (auto it = root.constBegin(); it != root.constEnd(); ++it) {
        if (it.key() == FormatKey) {
            if (it.value() == FormatName) continue;
            Print(stderr, QStringLiteral("%1: format is not %2").arg(arguments[1], FormatName));
            return int(TCliOutcome::BadFormat);
        }
        const TProgramField* field = Known(it.key());
        if (!field) return int(TCliOutcome::Usage);
        if (!it.value().isString()) {
            Print(stderr,
                  QStringLiteral("%1: %2").arg(field->Name, OutcomeText(TCliOutcome::BadFormat)));
            return int(TCliOutcome::BadFormat);
        }
        texts.insert(field, it.value().toString());
    }
    TR7200 record;
    if (const TCliOutcome loaded = Load(record, arguments[0]); loaded != TCliOutcome::Ok)
        return Finish(loaded);
    if (const int refused = SetAll(record, texts)) return refused;
    return Save(record, output.isEmpty() ? arguments[0] : output);
}

QByteArray ProgramSchema() {
    QJsonObject properties{{FormatKey, QJsonObject{{QStringLiteral("const"), FormatName}}}};
    for (const TProgramField& field : ProgramFields())
        properties.insert(field.Name, FieldSchema(field));
    const QJsonObject schema{
        {QStringLiteral("$schema"), QStringLiteral("https://json-schema.org/draft/2020-12/schema")},
        {QStringLiteral("$id"),
         QStringLiteral("https://limnaset.org/schema/limnaset-program-1.json")},
        {QStringLiteral("title"), QStringLiteral("Limnaset sampler program")},
        {QStringLiteral("description"),
         QStringLiteral("Field name to the text the editors show, as limnaset-cli get --json "
                        "writes it and apply reads it; any subset of the fields.")},
        {QStringLiteral("type"), QStringLiteral("object")},
        {QStringLiteral("properties"), properties},
        {QStringLiteral("additionalProperties"), false},
    };
    return QJsonDocument(schema).toJson(QJsonDocument::Indented);
}

int RunProgramSchema() {
    const QByteArray schema = ProgramSchema();
    std::fwrite(schema.constData(), 1, size_t(schema.size()), stdout);
    return 0;
}

int RefuseInvalidProgram(const TR7200& record) {
    const std::optional<TFieldRefusal> refusal = ValidateProgram(record);
    if (!refusal) return 0;
    return Refuse(*refusal->Field, DisplayText(*refusal->Field, record, true), refusal->Check,
                  refusal->Hint);
}
