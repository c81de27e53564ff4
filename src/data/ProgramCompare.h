#pragma once

#include "ProgramModel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TR7200;

// One field whose value differs between two programs, with the texts its editor shows.
struct TProgramDifference {
    const TProgramField* Field;
    QString Caption;
    TFieldPlace Place;
    QString TextA;
    QString TextB;
};

// What differs between two documents. The program is what a write changes on the sampler;
// the serial number and the log belong to the Connector, so they are told apart.
struct TProgramComparison {
    std::vector<TProgramDifference> Fields; // in store order; empty for equal programs
    bool SerialDiffers = false;
    bool LogDiffers = false;
};

// A field that counts in neither program's modes is no change: the sampler ignores it in
// both. Captions and item texts are translated unless `source` asks for the program's own.
TProgramComparison CompareProgram(const TR7200& a, const TR7200& b, bool source = false);

// The place's name as the command line prints it, "SamplerPage".
QString PlaceName(TFieldPlace place);

// What a write of `next` over `current` changes, one "Caption: old → new" a line, at most
// `shown` lines and then "and N more"; "The program stays as it is" when nothing differs.
// Translated unless `source` asks for the program's own texts.
QStringList ChangeLines(const TProgramComparison& comparison, int shown = 10, bool source = false);

// What a write of `next` changes over the Connector's bytes a backup archived at the path
// (a file, no read of the Connector); "" when there is no backup, which it says.
QStringList ChangesOverBackup(const QString& backup, const TR7200& next, bool source = false);
