#include "ReportFields.h"

#include "ProgramCompare.h"
#include "ProgramModel.h"
#include "R7200.h"

#include <QCoreApplication>

namespace {

// Each place by the title its window gives it, so the report takes that translation.
struct TPlaceName {
    TFieldPlace Place;
    const char* Context;
    const char* Name;
};

const TPlaceName Places[] = {{TFieldPlace::StatusPage, "TMainForm", "Status"},
                             {TFieldPlace::SamplerPage, "TSamplerPage", "Sampler"},
                             {TFieldPlace::EventDialog, "TEventDialog", "Event control"},
                             {TFieldPlace::ProgramStartDialog, "TProgramDialog", "Program Start"},
                             {TFieldPlace::ConnectorDialog, "TConnectorDialog", "Connector data"}};

QString PlaceText(TFieldPlace place) {
    for (const TPlaceName& p : Places)
        if (p.Place == place) return QCoreApplication::translate(p.Context, p.Name);
    return {};
}

// A label without the colon the window puts after it.
QString Caption(const TProgramField& field) {
    QString caption = FieldCaption(field);
    if (caption.endsWith(u':')) caption.chop(1);
    return caption.trimmed();
}

} // namespace

QList<TReportField> ReportFields(const TR7200& record) {
    QList<TReportField> fields;
    // The report goes page by page, as the technician opens them.
    for (const TPlaceName& place : Places)
        for (const TProgramField& field : ProgramFields())
            if (field.Rule->Place == place.Place && FieldCounts(*field.Rule, record))
                fields.append({PlaceText(place.Place), Caption(field), DisplayText(field, record)});
    return fields;
}

QList<TReportChange> ReportChanges(const TR7200& before, const TR7200& now) {
    const TProgramComparison comparison = CompareProgram(before, now);
    QList<TReportChange> changes;
    for (const TPlaceName& place : Places)
        for (const TProgramDifference& d : comparison.Fields)
            if (d.Place == place.Place)
                changes.append({PlaceText(d.Place), d.Caption, d.TextA, d.TextB});
    return changes;
}
