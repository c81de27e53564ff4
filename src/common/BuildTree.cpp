#include "BuildTree.h"

#include <QDir>

bool InBuildTree(const QString& folder, const QString& buildDir) {
    const QString tree = QDir(buildDir).canonicalPath();
    return !tree.isEmpty() &&
           (QDir(folder).canonicalPath() + QLatin1Char('/')).startsWith(tree + QLatin1Char('/'));
}
