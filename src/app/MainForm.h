#pragma once

#include "DocumentHost.h"
#include "Workplace.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QFileDialog;
class QLabel;
class QTimer;
class QToolButton;
class TAboutBox;
class TLogPage;
class TPropertiesDialog;
class TSamplerPage;
class TStatusPage;

namespace Ui {
class TMainForm;
}

// The main window: menu, tool bar, the Status, Sampler and Log pages and the status bar.
// Every user command enters here and is turned into calls on the workplace; outcomes are
// reported in one place (ShowResult). Its timer runs the Connector status monitor.
class TMainForm : public QMainWindow, public TDocumentHost {
    Q_OBJECT

public:
    explicit TMainForm(TWorkplaceOptions options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // A file dialog: initial folder ("" = as last time) and proposed name in, chosen path
    // out ("" = cancelled). Replaceable so the commands can run without a person.
    using TFileDialog = std::function<QString(const QString& folder, const QString& proposed)>;
    TFileDialog FileOpenDialog;
    TFileDialog FileSaveDialog;
    TFileDialog FileExportDialog;

    // The program dialogs of the Status page buttons: true when closed with OK.
    std::function<bool()> ConnectorDialogExecute;
    std::function<bool()> ProgramDialogExecute;
    std::function<bool()> EventDialogExecute;

    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<TWorkplace> Workplace;
    QTimer* Timer = nullptr;
    TAboutBox* AboutBox = nullptr;
    TPropertiesDialog* PropertiesDialog = nullptr;
    int CurrentPage = 3;
    int MonitorState = 0;

    TStatusPage* StatusPage() const;
    TSamplerPage* SamplerPage() const;
    TLogPage* LogPage() const;
    QLabel* Panel(int index) const { return Panels[index]; }
    QString PanelText(int index) const;
    QToolButton* ToolButton(const QString& name) const;

    // Document and page operations.
    bool QuerySave();
    void ShowResult();
    void DocumentLoaded();
    void RefreshControls() override;
    void UpdateDependentControls();
    bool StorePages() override;
    bool LeaveSamplerPage();
    void SetRangeHints();
    void ShowStatusPage() override;
    void ShowSamplerPage() override;
    void ShowLogPage();
    void BeginTransfer();
    void EndTransfer();
    void TransferProgress(int percent);
    void SetDirty();
    bool Transferring() const { return InTransfer; }

    // Commands.
    void FileNewExecute();
    void FileOpenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileExportExecute();
    void FilePropertiesExecute();
    void FileExitExecute();
    void DataReadExecute();
    void DataWriteExecute();
    void ViewStatusExecute();
    void ViewSamplerExecute();
    void ViewLogExecute();
    void HelpAboutExecute();
    void BtnConnectorDataClick();
    void BtnProgramStartClick();
    void BtnEventControlClick();

    // Connector status monitor.
    void TimerTimer();
    void EnableConnectorCommands(bool on);
    void BtnSetClockClick();

    // TDocumentHost
    TR7200& Record() override;
    void SetModified() override { SetDirty(); }
    int ActivePage() const override { return CurrentPage; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCommands();
    void SyncViewChecks();
    void ViewFromAnyPage(void (TMainForm::*show)());
    void RunDialogButton(const std::function<bool()>& execute);
    bool AskOverwrite(const QString& path);
    // Asks the adapter again which Connector it holds; false unless a Connector with the
    // large memory answers. RefuseTransfer then says why nothing happens.
    bool ConfirmConnector();
    void RefuseTransfer();
    void ShowSettingsWriteError();
    QString DefaultFileDialog(int kind, const QString& folder, const QString& proposed);

    QLabel* Panels[4] = {};
    bool FirstShow = true;
    bool InTransfer = false;
    bool BusyCursor = false;
    bool SettingsWriteFailed = false;
    QFileDialog* FileDialogs[3] = {};
};
