#pragma once

#include <QList>
#include <QString>

class TR7200;

// What the report shows of a program, in one place: every field with its page or dialog,
// caption and display text, and the fields whose text differs between two reads.

struct TReportField {
    QString Page; // page or dialog
    QString Caption;
    QString Text;
};

struct TReportChange {
    QString Page;
    QString Caption;
    QString Before;
    QString Now;
};

// In the order of the pages and dialogs, translated.
QList<TReportField> ReportFields(const TR7200& record);
// Fields whose display text differs, in the same order; empty when the programs agree.
QList<TReportChange> ReportChanges(const TR7200& before, const TR7200& now);
