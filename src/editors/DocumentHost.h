#pragma once

class TR7200;

// What the pages and dialogs need from the window that holds them: the current document,
// the modified mark and the page commands they run before and after their own work.
class TDocumentHost {
public:
    virtual ~TDocumentHost() = default;

    virtual TR7200& Record() = 0;
    virtual void SetModified() = 0;
    virtual bool StorePages() = 0;
    virtual void RefreshControls() = 0;
    virtual void ShowStatusPage() = 0;
    virtual void ShowSamplerPage() = 0;
    // 0 Status, 1 Sampler, 2 Log, 3 none yet.
    virtual int ActivePage() const = 0;
};
