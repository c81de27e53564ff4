#pragma once

#include <cstdio>

// A one-line progress bar on a terminal; silent when the stream is not a terminal.
class TProgressBar {
public:
    explicit TProgressBar(std::FILE* stream);
    ~TProgressBar();
    TProgressBar(const TProgressBar&) = delete;
    TProgressBar& operator=(const TProgressBar&) = delete;

    void Show(int percent);
    // Ends the bar's line, if one was drawn.
    void Finish();

private:
    std::FILE* Stream;
    bool Enabled;
    bool Drawn = false;
    int Last = -1;
};
