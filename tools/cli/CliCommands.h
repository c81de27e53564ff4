#pragma once

#include <QStringList>

class TR7200;

// Runs one command line (the arguments after the program name); gives the exit code.
int RunCli(QStringList arguments);
// Reads the Connector into the record and keeps the image in the archive, as `read` does; 0 or
// the exit code, its message printed. `archived` gets the archive file's path ("" for none).
int ReadAndArchive(TR7200& record, QString* archived = nullptr);
