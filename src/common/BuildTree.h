#pragma once

#include <QString>

// Whether a program in `folder` runs from the build tree `buildDir`, rather than installed.
bool InBuildTree(const QString& folder, const QString& buildDir);
