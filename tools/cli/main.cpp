#include "CliCommands.h"
#include "Version.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("limnaset-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LIMNASET_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCli(arguments);
}
