#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>

QString BuiltProgram(const QString& name) {
#ifdef LIMNASET_BINARY_DIR
    QDirIterator it(QStringLiteral(LIMNASET_BINARY_DIR), {name}, QDir::Files | QDir::Executable,
                    QDirIterator::Subdirectories);
    if (it.hasNext())
        return it.next();
#endif
    return name;
}
