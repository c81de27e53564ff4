#pragma once

class TR7200;

// The working pages of the main window; None until the first document is shown.
enum class TPage { Status, Sampler, Log, Plan, None };

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
    virtual TPage ActivePage() const = 0;
};
