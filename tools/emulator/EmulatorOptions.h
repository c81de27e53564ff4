#pragma once

#include "ConnectorModel.h"
#include "FaultPlan.h"

#include <QString>
#include <QStringList>

// What the emulator was asked to play, from its command line.
struct TEmulatorOptions {
    TConnectorModel::TKind Kind = TConnectorModel::TKind::Large;
    uint16_t AdapterVersion = 0x0105;
    QString ImageFile; // empty: a fresh image with a sample program
    QString SaveFile;  // empty: nothing is saved
    bool Paced = false;
    bool Demo = false;
    bool ClockLost = false;
    int DemoRecords = 400;
    int DemoIntervalMs = 3000;
    TFaultPlan Faults;

    // False with a message when the arguments make no sense; --help and --version end
    // the process from inside.
    static bool Parse(const QStringList& arguments, TEmulatorOptions& options, QString& error);
};
