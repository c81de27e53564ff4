#include "ProgressBar.h"

#include <algorithm>
#include <string>
#include <unistd.h>

namespace {
constexpr int Width = 40;
}

TProgressBar::TProgressBar(std::FILE* stream)
    : Stream(stream), Enabled(isatty(fileno(stream)) != 0) {}

TProgressBar::~TProgressBar() {
    Finish();
}

void TProgressBar::Show(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (!Enabled || percent == Last) return;
    Last = percent;
    const int filled = percent * Width / 100;
    const std::string bar =
        std::string(size_t(filled), '#') + std::string(size_t(Width - filled), '.');
    std::fprintf(Stream, "\r[%s] %3d%%", bar.c_str(), percent);
    std::fflush(Stream);
    Drawn = true;
}

void TProgressBar::Finish() {
    if (Drawn) std::fputc('\n', Stream);
    Drawn = false;
    Last = -1;
}
