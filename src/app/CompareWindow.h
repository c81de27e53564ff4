#pragma once

#include "R7200.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class TArchive;

namespace Ui {
class TCompareWindow;
}

// The open document beside a file, the Connector or an archived read: caption, this
// document's text and the other's, one row a field, the differing ones marked.
class TCompareWindow : public QDialog {
    Q_OBJECT

public:
    // Where the other program comes from: the file the open dialog chooses ("" for none), the
    // Connector in the adapter (archived as every read is; the user told why when it cannot
    // be read) and the archive.
    struct TSources {
        std::function<QString()> ChooseFile;
        std::function<std::optional<TR7200>()> ReadConnector;
        const TArchive& Archive;
    };

    explicit TCompareWindow(TSources sources, QWidget* parent = nullptr);
    ~TCompareWindow() override;

    void Execute(const TR7200& document);
    // The document the window compares; Execute sets it before it shows the window.
    void SetDocument(const TR7200& document);
    // What the window compares with; tests set it as a choice would.
    void CompareWith(const TR7200& other, const QString& source);

private:
    void ChooseFile();
    void ChooseConnector();
    void ChooseArchive();
    void CompareWithFile(const QString& path);
    void Fill();

    std::unique_ptr<Ui::TCompareWindow> ui;
    TSources Sources;
    TR7200 Document;
    std::optional<TR7200> Other;
};
