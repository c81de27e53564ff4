#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <vector>

// The times of a benchmark's runs, printed as the best and the median.
struct TTimes {
    std::vector<double> Ms;
    void Print(const char* what) {
        std::sort(Ms.begin(), Ms.end());
        std::printf("%-34s best %7.1f ms   median %7.1f ms\n", what, Ms.front(), Ms[Ms.size() / 2]);
    }
};

// Windows are drawn off screen when there is no display to show them on.
inline void OffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
