#pragma once

#include <QStringList>

// Runs one command line (the arguments after the program name); gives the exit code.
int RunCli(QStringList arguments);
