#include "CliCommands.h"
#include "CliReport.h"
#include "Version.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = MakeCliApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("limnaset-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LIMNASET_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCli(arguments);
}
