#pragma once

#include "AnsiText.h"

// Puts a Connector text code page in effect and the previous one back when the test ends.
class TCodePageGuard {
public:
    explicit TCodePageGuard(TCodePage page) : Saved(TAnsiText::CodePage()) {
        TAnsiText::SetCodePage(page);
    }
    ~TCodePageGuard() { TAnsiText::SetCodePage(Saved); }
    TCodePageGuard(const TCodePageGuard&) = delete;
    TCodePageGuard& operator=(const TCodePageGuard&) = delete;

private:
    TCodePage Saved;
};
