#pragma once

#include "DocumentHost.h"
#include "KelbDevice.h"
#include "LogExport.h"
#include "Workplace.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QFileDialog;
class QLabel;
class QTimer;
class QToolButton;
class TAboutBox;
class TArchiveWindow;
class THistory;
class THistoryWindow;
class TCompareWindow;
class TConnectorDialog;
class TEventDialog;
class TProgramDialog;
class TLogPage;
class TPlanPage;
class TPropertiesDialog;
class TSamplerPage;
class TStatusPage;

namespace Ui {
class TMainForm;
}

// The main window: menu, tool bar, the Status, Sampler and Log pages and the status bar.
// Every user command enters here and is turned into calls on the workplace; outcomes are
// reported in one place (ShowResult). Its timer runs the Connector status monitor.
class TMainForm : public QMainWindow, public TDocumentHost, private TSessionObserver {
    Q_OBJECT

public:
    // Who drives the status monitor: its one-second timer, or the caller through TimerTimer
    // (the timer is then only switched on and off, never fired).
    enum class TTicks { Timer, Manual };
    // The window works on the workplace, which outlives it.
    explicit TMainForm(TWorkplace& workplace, TTicks ticks = TTicks::Timer,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // A file dialog: initial folder ("" = as last time) and proposed name in, chosen path
    // out ("" = cancelled). Replaceable so the commands can run without a person.
    using TFileDialog = std::function<QString(const QString& folder, const QString& proposed)>;
    TFileDialog FileOpenDialog;
    TFileDialog FileSaveDialog;
    TFileDialog FileExportDialog;
    TFileDialog FileExportPlotDialog;
    TFileDialog FileExportPlanDialog;
    TFileDialog FileExportPdfDialog;
    // The export's file type as last chosen in its dialog.
    TCsvEncoding ExportEncoding = TCsvEncoding::CodePage;

    // What the user sees: the page shown, the status bar texts, whether the monitor runs.
    TPage ShownPage() const;
    enum class TPanel { Result, File, Adapter, Connector };
    QString PanelText(TPanel panel) const;
    bool MonitorRunning() const { return TimerRunning; }
    QToolButton* ToolButton(const QString& name) const;

    // Document and page operations.
    bool QuerySave();
    // File Open after its dialog: a file named on the command line comes in here too.
    void OpenDocument(const QString& path);
    void ShowResult();
    void DocumentLoaded();
    void RefreshControls() override;
    void UpdateDependentControls();
    bool StorePages() override;
    void SetRangeHints();
    void ShowStatusPage() override;
    void ShowSamplerPage() override;
    void ShowLogPage();
    // Built when first shown; nullptr until then.
    void ShowPlanPage();
    TPlanPage* PlanPage() const { return PlanTab; }
    // What a transfer does, for the pass the window shows.
    enum class TTransfer { Read, Backup, Write };
    void BeginTransfer(TTransfer kind = TTransfer::Read);
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
    void FileArchiveExecute();
    void FileHistoryExecute();
    void FileCompareExecute();
    // A read of the Connector beside the document, with the transfer's progress and refusals.
    std::optional<TR7200> ReadConnectorCopy();
    void FileExportPlotExecute();
    void FileExportPlanExecute();
    // The report of the document, in MainFormReport.cpp.
    void FilePrintExecute();
    void FilePrintPreviewExecute();
    void FileExportPdfExecute();
    void FilePropertiesExecute();
    void FileExitExecute();
    void DataReadExecute();
    void DataWriteExecute();
    void ViewStatusExecute();
    void ViewSamplerExecute();
    void ViewLogExecute();
    void ViewPlanExecute();
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
    TPage ActivePage() const override { return CurrentPage; }

protected:
    // Keeps the user's input away from the window during a transfer, but for Cancel and Esc.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // 0: the next tick shows the Status page and looks for the adapter; 1: looking for the
    // adapter; 2: the adapter answered, looking for the Connector.
    enum class TMonitorState { Start, FindAdapter, FindConnector };

    TStatusPage* StatusPage() const;
    TSamplerPage* SamplerPage() const;
    TLogPage* LogPage() const;
    void StartTimer();
    void StopTimer();
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCommands();
    void SyncViewChecks();
    void ViewFromAnyPage(void (TMainForm::*show)());
    // Shows the dialog over the stored pages; what it returns becomes the document.
    template <class TDialog> void EditInDialog(TDialog*& dialog);
    bool AskOverwrite(const QString& path);
    // Asks the adapter again which Connector it holds and shows it unless it is usable;
    // RefuseTransfer then says why nothing happens.
    TConnectorState ConfirmConnector();
    // Panel 3 and the Connector commands for what the adapter holds.
    void ShowConnectorState(TConnectorState state);
    void RefuseTransfer(TConnectorState state);
    void ShowSettingsWriteError();
    void ShowPass();
    void CancelTransfer();
    // Panel 0 says "Error" and a box tells why.
    void ReportFailure(const QString& text);
    // The line below the write question: what the Connector's log comes to.
    QString BackupNote(const TBackupReport& backup) const;
    // The Connector could not be read for its backup: the user must agree to lose its log.
    bool ConfirmUnreadable();
    // TSessionObserver
    void Progress(TPass pass, int percent) override;
    void Retried(TPass pass, int retries) override;
    QString DefaultFileDialog(int kind, const QString& folder, const QString& proposed);

    std::unique_ptr<Ui::TMainForm> ui;
    TWorkplace* Workplace;
    QTimer* Timer = nullptr;
    TTicks Ticks;
    bool TimerRunning = false;
    TAboutBox* AboutBox = nullptr;
    TPropertiesDialog* PropertiesDialog = nullptr;
    TConnectorDialog* ConnectorDialog = nullptr;
    TProgramDialog* ProgramDialog = nullptr;
    TEventDialog* EventDialog = nullptr;
    TArchiveWindow* ArchiveWindow = nullptr;
    // Opened on first use, so that the start does not wait for a database.
    std::unique_ptr<THistory> History;
    QString HistoryPlace;
    THistoryWindow* HistoryWindow = nullptr;
    TCompareWindow* CompareWindow = nullptr;
    TPage CurrentPage = TPage::None;
    TPlanPage* PlanTab = nullptr;
    TMonitorState MonitorState = TMonitorState::Start;
    QLabel* ResultPanel = nullptr;
    QLabel* FilePanel = nullptr;
    QLabel* AdapterPanel = nullptr;
    QLabel* ConnectorPanel = nullptr;
    bool FirstShow = true;
    bool InTransfer = false;
    TTransfer TransferKind = TTransfer::Read;
    // The pass the session reports.
    TPass Pass = TPass::Read;
    bool BusyCursor = false;
    bool SettingsWriteFailed = false;
    QFileDialog* FileDialogs[5] = {};
};
