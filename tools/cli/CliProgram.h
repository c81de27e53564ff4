#pragma once

#include <QString>
#include <QStringList>

class TR7200;

// Programs as text: the commands get, set, apply and schema, over the program model.

// FILE [FIELD...]: one "FIELD<TAB>TEXT" line a field, or one JSON object with `json`.
int RunGetProgram(const QStringList& arguments, bool json);
// FILE FIELD=TEXT...: all or nothing, saved to `output` or FILE.
int RunSetProgram(const QStringList& arguments, const QString& output);
// FILE PROGRAM.json: the fields of a `get --json` object, as set takes them.
int RunApplyProgram(const QStringList& arguments, const QString& output);
// The JSON Schema of the `get --json` object.
int RunProgramSchema();
QByteArray ProgramSchema();
QByteArray ProgramJson(const TR7200& record);

// Refuses a program the editors would refuse, with the field, its text and its range on
// standard error: the exit code, or 0 for a program they accept.
int RefuseInvalidProgram(const TR7200& record);
