#include "ProgramCompare.h"

#include "R7200.h"

#include <QCoreApplication>

namespace {

const char* const Context = "TProgramCompare";
const char* const StaysText = QT_TRANSLATE_NOOP("TProgramCompare", "The program stays as it is");
const char* const MoreText = QT_TRANSLATE_NOOP("TProgramCompare", "and %1 more");
const char* const NoBackupText = QT_TRANSLATE_NOOP(
    "TProgramCompare", "Without the backup, what the write changes cannot be told");
const char* const NoProgramText = QT_TRANSLATE_NOOP(
    "TProgramCompare", "The backup holds no program: what the write changes cannot be told");

QString Text(const char* text, bool source) {
    return source ? QString::fromUtf8(text) : QCoreApplication::translate(Context, text);
}

// The label without the colon that stands before its edit.
QString Bare(QString caption) {
    while (caption.endsWith(u':') || caption.endsWith(u' '))
        caption.chop(1);
    return caption;
}

bool Counts(const TFieldRule& rule, const TR7200& record) {
    return FieldCounts(rule, record) && FieldActive(rule, record);
}

// Equal values may still show differently (a scale bound moved under an analog value),
// and equal texts may hide a changed value (seconds under hh:mm): either is a change.
bool Differs(const TProgramField& field, const TR7200& a, const TR7200& b, const QString& textA,
             const QString& textB) {
    const TFieldRule& rule = *field.Rule;
    if (rule.Form == TFieldForm::Text) return FieldString(rule.Id, a) != FieldString(rule.Id, b);
    return FieldValue(rule.Id, a, field.Index) != FieldValue(rule.Id, b, field.Index) ||
           textA != textB;
}

} // namespace

TProgramComparison CompareProgram(const TR7200& a, const TR7200& b, bool source) {
    TProgramComparison result;
    for (const TProgramField& field : ProgramFields()) {
        if (!Counts(*field.Rule, a) && !Counts(*field.Rule, b)) continue;
        QString textA = DisplayText(field, a, source);
        QString textB = DisplayText(field, b, source);
        if (!Differs(field, a, b, textA, textB)) continue;
        result.Fields.push_back({&field, Bare(FieldCaption(field, source)), field.Rule->Place,
                                 std::move(textA), std::move(textB)});
    }
    result.SerialDiffers = a.SerialNumber != b.SerialNumber;
    result.LogDiffers = a.LogCount != b.LogCount || a.LogStart != b.LogStart;
    return result;
}

QString PlaceName(TFieldPlace place) {
    switch (place) {
    case TFieldPlace::StatusPage:
        return QStringLiteral("StatusPage");
    case TFieldPlace::SamplerPage:
        return QStringLiteral("SamplerPage");
    case TFieldPlace::ConnectorDialog:
        return QStringLiteral("ConnectorDialog");
    case TFieldPlace::ProgramStartDialog:
        return QStringLiteral("ProgramStartDialog");
    case TFieldPlace::EventDialog:
        return QStringLiteral("EventDialog");
    }
    return {};
}

QStringList ChangeLines(const TProgramComparison& comparison, int shown, bool source) {
    if (comparison.Fields.empty()) return {Text(StaysText, source)};
    QStringList lines;
    const int total = int(comparison.Fields.size());
    const int listed = total <= shown ? total : shown;
    for (int i = 0; i < listed; ++i) {
        const TProgramDifference& d = comparison.Fields[size_t(i)];
        lines << QStringLiteral("%1: %2 → %3").arg(d.Caption, d.TextA, d.TextB);
    }
    if (listed < total) lines << Text(MoreText, source).arg(total - listed);
    return lines;
}

QStringList ChangesOverBackup(const QString& backup, const TR7200& next, bool source) {
    if (backup.isEmpty()) return {Text(NoBackupText, source)};
    TR7200 current;
    if (!current.LoadFromFile(backup)) return {Text(NoProgramText, source)};
    return ChangeLines(CompareProgram(current, next, source), 10, source);
}
