#pragma once

#include "KelbDevice.h"
#include "R7200.h"

#include <QString>

#include <functional>

// How a command ends: the process exit code. Record failures map to 10 + Status.
enum class TCliOutcome : int {
    Ok = 0,
    CommError = 11,     // Status 1
    FileError = 12,     // Status 2
    CorruptedFile = 13, // Status 3
    WrongVersion = 14,  // Status 4
    OutOfRange = 15,    // Status 5
    BadFormat = 16,     // a text that cannot be read as its field's value
    NoAdapter = 20,
    NoConnector = 21,
    SmallConnector = 22,
    BackupFailed = 23,
    ClockNotSet = 24,      // the clock answered without a valid time
    BackupUnreadable = 25, // the Connector could not be read whole; written only with --force
    Usage = 64,
    InternalError = 70, // a broken invariant of the program; its message is printed
    Interrupted = 130,  // Ctrl+C, as a shell reports it
};

TCliOutcome OutcomeOfStatus(TRecordStatus status);
// Only a usable Connector of the large kind is Ok.
TCliOutcome OutcomeOfProbe(const TConnectorProbe& probe);
// The message for an outcome, the window's own in English; empty for Ok and Usage.
QString OutcomeText(TCliOutcome outcome);
// The exit-code table of the help texts.
QString OutcomeTable();
// Prints the outcome's message on standard error and gives the exit code.
int Finish(TCliOutcome outcome);
// Runs a command; a TInternalError from it is printed and ends as InternalError.
int GuardInternalErrors(const std::function<int()>& run);
