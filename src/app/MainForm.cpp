#include "MainForm.h"

#include "AboutBox.h"
#include "ArchiveWindow.h"
#include "CompareWindow.h"
#include "ConnectorCalendar.h"
#include "ConnectorDialog.h"
#include "EventDialog.h"
#include "HistoryWindow.h"
#include "InternalError.h"
#include "KelbDevice.h"
#include "LogExport.h"
#include "LogPage.h"
#include "Logo.h"
#include "MessageBox.h"
#include "MsgTemplate.h"
#include "PlanPage.h"
#include "ProgramCompare.h"
#include "ProgramDialog.h"
#include "ProgramRefusal.h"
#include "PropertiesDialog.h"
#include "R7200.h"
#include "SamplerPage.h"
#include "StatusPage.h"
#include "ui_MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QtMath>
#include <algorithm>

namespace {

enum TDialogKind { OpenDialog, SaveDialog, ExportDialog, PlotDialog, PlanDialog };

// Ends the transfer framing however the transfer is left, exceptions included.
class TTransferGuard {
public:
    explicit TTransferGuard(TMainForm& form, TMainForm::TTransfer kind = TMainForm::TTransfer::Read)
        : Form(form) {
        Begin(kind);
    }
    ~TTransferGuard() { End(); }
    TTransferGuard(const TTransferGuard&) = delete;
    TTransferGuard& operator=(const TTransferGuard&) = delete;
    void Begin(TMainForm::TTransfer kind) {
        if (!Active) Form.BeginTransfer(kind);
        Active = true;
    }
    void End() {
        if (Active) Form.EndTransfer();
        Active = false;
    }

private:
    TMainForm& Form;
    bool Active = false;
};

// Runs a call however the scope is left, exceptions included.
template <class F> class TOnExit {
public:
    explicit TOnExit(F call) : Call(std::move(call)) {}
    ~TOnExit() { Call(); }
    TOnExit(const TOnExit&) = delete;
    TOnExit& operator=(const TOnExit&) = delete;

private:
    F Call;
};

// Fusion's own pictures of the icons the window shows, under their names in its resources,
// each at 16, 32 and 128 pixels. The computer and the drive it draws at 16 pixels only.
struct TStylePicture {
    QStyle::StandardPixmap Id;
    const char* Name;
};
constexpr TStylePicture StylePictures[] = {
    {QStyle::SP_FileIcon, "file"},
    {QStyle::SP_DialogOpenButton, "standardbutton-open"},
    {QStyle::SP_DialogSaveButton, "standardbutton-save"},
    {QStyle::SP_FileDialogDetailedView, "viewdetailed"},
    {QStyle::SP_ArrowDown, "down"},
    {QStyle::SP_ArrowUp, "up"},
    {QStyle::SP_FileDialogContentsView, "filecontents"},
    {QStyle::SP_FileDialogInfoView, "fileinfo"},
};

// The style's picture read only at the sizes (in device pixels) it is shown at: the style
// decodes every size it has, the 128-pixel one too, and that was most of the tool bar's
// start. Each size is drawn from the file the style's icon would choose for it, the
// smallest at least as large, else the largest. Null where Qt keeps no such file.
QIcon StylePictureAt(QStyle::StandardPixmap id, std::initializer_list<int> pixels) {
    const auto row = std::find_if(std::begin(StylePictures), std::end(StylePictures),
                                  [id](const TStylePicture& picture) { return picture.Id == id; });
    if (row == std::end(StylePictures)) return {};
    const auto file = [row](int size) {
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
            .arg(QLatin1String(row->Name))
            .arg(size);
    };
    QList<int> sizes;
    for (const int size : {16, 32, 128})
        if (QFile::exists(file(size))) sizes.append(size);
    if (sizes.isEmpty()) return {};
    QIcon icon;
    QList<int> added;
    for (const int wanted : pixels) {
        const auto fit = std::find_if(sizes.cbegin(), sizes.cend(),
                                      [wanted](int size) { return size >= wanted; });
        const int size = fit == sizes.cend() ? sizes.last() : *fit;
        if (added.contains(size)) continue;
        added.append(size);
        icon.addFile(file(size), QSize(size, size));
    }
    return icon;
}

} // namespace

TMainForm::TMainForm(TWorkplace& workplace, TTicks ticks, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::TMainForm), Workplace(&workplace), Ticks(ticks) {
    ui->setupUi(this);
    // The empty page is first in the page stack on purpose: the stack shows and lays out the
    // first page it is given at once, and the Status page is laid out when it is shown.
    // The logo shows only while no document is open, which is seldom: drawn when first shown.
    ui->EmptyTab->installEventFilter(this);
    StatusPage()->SetHost(this);
    SamplerPage()->SetHost(this);
    LogPage()->SetHost(this);
    CreateToolBar();
    CreateStatusBar();
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    ConnectCommands();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::StartTimer() {
    TimerRunning = true;
    if (Ticks == TTicks::Timer) Timer->start();
}

void TMainForm::StopTimer() {
    TimerRunning = false;
    Timer->stop();
}

void TMainForm::FormCreate() {
    SettingsWriteFailed = !Workplace->LoadSettings();
    const TWindowPlacement placement = Workplace->Placement();
    move(placement.Left, placement.Top);
    resize(placement.Width, placement.Height);
    setWindowState(placement.Maximized ? Qt::WindowMaximized : Qt::WindowNoState);
    EnableConnectorCommands(false);
}

TStatusPage* TMainForm::StatusPage() const {
    return ui->StatusTab;
}
TSamplerPage* TMainForm::SamplerPage() const {
    return ui->SamplerTab;
}
TLogPage* TMainForm::LogPage() const {
    return ui->LogTab;
}

TPage TMainForm::ShownPage() const {
    QWidget* shown = ui->PageControl->currentWidget();
    if (shown == ui->StatusTab) return TPage::Status;
    if (shown == ui->SamplerTab) return TPage::Sampler;
    if (shown == ui->LogTab) return TPage::Log;
    if (shown && shown == PlanTab) return TPage::Plan;
    return TPage::None;
}

QString TMainForm::PanelText(TPanel panel) const {
    switch (panel) {
    case TPanel::Result:
        return ResultPanel->text();
    case TPanel::File:
        return FilePanel->text();
    case TPanel::Adapter:
        return AdapterPanel->text();
    case TPanel::Connector:
        break;
    }
    return ConnectorPanel->text();
}

QToolButton* TMainForm::ToolButton(const QString& name) const {
    return ui->ToolBar->findChild<QToolButton*>(name);
}

void TMainForm::CreateToolBar() {
    // The style's icons come with a 128-pixel picture each; the menus and the tool bar show
    // them at two sizes, and only those are kept.
    const int bar = style()->pixelMetric(QStyle::PM_ToolBarIconSize, nullptr, ui->ToolBar);
    const qreal ratio = devicePixelRatioF();
    // Without an icon theme of the desktop the style shows its own pictures, but only after
    // reading the fallback theme's index of thousands of lines; that search is left out.
    const QStringList themePaths = QIcon::themeSearchPaths();
    const bool noDesktopTheme =
        QIcon::themeName().isEmpty() || QIcon::themeName() == QIcon::fallbackThemeName();
    if (noDesktopTheme) QIcon::setThemeSearchPaths({QStringLiteral(":/no-icon-theme")});
    TOnExit restorePaths([noDesktopTheme, &themePaths] {
        if (noDesktopTheme) QIcon::setThemeSearchPaths(themePaths);
    });
    // Fusion without a desktop theme shows its own pictures; any other style may draw its own.
    const bool fusionPictures = noDesktopTheme && style()->name().compare(QLatin1String("fusion"),
                                                                          Qt::CaseInsensitive) == 0;
    const auto icon = [this, bar, ratio, fusionPictures](QStyle::StandardPixmap id) {
        QIcon full;
        if (fusionPictures) full = StylePictureAt(id, {qCeil(16 * ratio), qCeil(bar * ratio)});
        if (full.isNull()) full = style()->standardIcon(id, nullptr, this);
        QIcon kept;
        for (const int size : {16, bar})
            kept.addPixmap(full.pixmap(QSize(size, size), ratio));
        return kept;
    };
    ui->FileNew->setIcon(icon(QStyle::SP_FileIcon));
    ui->FileOpen->setIcon(icon(QStyle::SP_DialogOpenButton));
    ui->FileSave->setIcon(icon(QStyle::SP_DialogSaveButton));
    ui->FileExport->setIcon(icon(QStyle::SP_FileDialogDetailedView));
    ui->DataRead->setIcon(icon(QStyle::SP_ArrowDown));
    ui->DataWrite->setIcon(icon(QStyle::SP_ArrowUp));
    ui->ViewStatus->setIcon(icon(QStyle::SP_ComputerIcon));
    ui->ViewSampler->setIcon(icon(QStyle::SP_DriveHDIcon));
    ui->ViewLog->setIcon(icon(QStyle::SP_FileDialogContentsView));
    ui->ViewPlan->setIcon(icon(QStyle::SP_FileDialogInfoView));
    ui->HelpAbout->setIcon(icon(QStyle::SP_MessageBoxInformation));
    ui->ToolDataReadAction->setIcon(ui->DataRead->icon());
    ui->ToolDataWriteAction->setIcon(ui->DataWrite->icon());

    auto add = [this](QAction* action, const char* name) {
        ui->ToolBar->addAction(action);
        ui->ToolBar->widgetForAction(action)->setObjectName(QLatin1String(name));
    };
    auto gap = [this](int width) {
        auto spacer = new QWidget(ui->ToolBar);
        spacer->setFixedWidth(width);
        ui->ToolBar->addWidget(spacer);
    };
    add(ui->FileOpen, "ToolOpen");
    add(ui->FileSave, "ToolSave");
    add(ui->FileExport, "ToolExport");
    gap(54);
    add(ui->ToolDataReadAction, "ToolDataRead");
    add(ui->ToolDataWriteAction, "ToolDataWrite");
    gap(132);
    add(ui->ViewStatus, "ToolStatus");
    add(ui->ViewSampler, "ToolSampler");
    add(ui->ViewLog, "ToolLog");
    add(ui->ViewPlan, "ToolPlan");
}

void TMainForm::CreateStatusBar() {
    struct TPanelRow {
        QLabel* TMainForm::*Member;
        const char* Name;
        int Width; // the file name panel stretches; the least widths leave room at 800 pixels
        QStringList Longest; // the longest texts it shows, in this language: never cut off
        Qt::Alignment Align;
    };
    const TPanelRow rows[] = {
        {&TMainForm::ResultPanel, "StatusPanel0", 100, {Msg(MsgOK), Msg(MsgError)}, Qt::AlignLeft},
        {&TMainForm::FilePanel, "StatusPanel1", 300, {}, Qt::AlignLeft},
        {&TMainForm::AdapterPanel,
         "StatusPanel2",
         150,
         {Msg(MsgNoAdapter), Workplace->Device().Description() + QStringLiteral(" 88.88")},
         Qt::AlignHCenter},
        {&TMainForm::ConnectorPanel,
         "StatusPanel3",
         50,
         {Msg(MsgConnectorOk), Msg(MsgConnectorErr)},
         Qt::AlignHCenter}};
    for (const TPanelRow& row : rows) {
        auto label = new QLabel(ui->StatusBar);
        label->setObjectName(QLatin1String(row.Name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        int width = row.Width;
        // A framed label indents its text by half an "x" on each side.
        const int room = 2 * label->frameWidth() + label->fontMetrics().horizontalAdvance(u'x') + 2;
        for (const QString& text : row.Longest)
            width = std::max(width, label->fontMetrics().horizontalAdvance(text) + room);
        label->setMinimumWidth(width);
        // The adapter text ends in a line feed; keep the panel one line high.
        label->setFixedHeight(label->fontMetrics().height() + 4);
        label->setAlignment(row.Align | Qt::AlignTop);
        ui->StatusBar->addPermanentWidget(label, row.Member == &TMainForm::FilePanel ? 1 : 0);
        this->*row.Member = label;
    }
}

void TMainForm::ConnectCommands() {
    auto bind = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
    };
    bind(ui->FileNew, &TMainForm::FileNewExecute);
    bind(ui->FileOpen, &TMainForm::FileOpenExecute);
    bind(ui->FileSave, &TMainForm::FileSaveExecute);
    bind(ui->FileSaveAs, &TMainForm::FileSaveAsExecute);
    bind(ui->FileExport, &TMainForm::FileExportExecute);
    bind(ui->FileArchive, &TMainForm::FileArchiveExecute);
    bind(ui->FileHistory, &TMainForm::FileHistoryExecute);
    bind(ui->FileCompare, &TMainForm::FileCompareExecute);
    bind(ui->FileExportPlot, &TMainForm::FileExportPlotExecute);
    bind(ui->FileExportPlan, &TMainForm::FileExportPlanExecute);
    bind(ui->FilePrint, &TMainForm::FilePrintExecute);
    bind(ui->FilePrintPreview, &TMainForm::FilePrintPreviewExecute);
    bind(ui->FileExportPdf, &TMainForm::FileExportPdfExecute);
    bind(ui->FileProperties, &TMainForm::FilePropertiesExecute);
    bind(ui->FileExit, &TMainForm::FileExitExecute);
    bind(ui->DataRead, &TMainForm::DataReadExecute);
    bind(ui->DataWrite, &TMainForm::DataWriteExecute);
    bind(ui->ViewStatus, &TMainForm::ViewStatusExecute);
    bind(ui->ViewSampler, &TMainForm::ViewSamplerExecute);
    bind(ui->ViewLog, &TMainForm::ViewLogExecute);
    bind(ui->ViewPlan, &TMainForm::ViewPlanExecute);
    bind(ui->HelpAbout, &TMainForm::HelpAboutExecute);

    // Entries that show a command under a text or hint of their own.
    auto forward = [](QAction* proxy, QAction* target) {
        connect(proxy, &QAction::triggered, target, [target] { target->trigger(); });
        connect(target, &QAction::enabledChanged, proxy, &QAction::setEnabled);
        proxy->setEnabled(target->isEnabled());
    };
    forward(ui->ToolDataReadAction, ui->DataRead);
    forward(ui->ToolDataWriteAction, ui->DataWrite);
    forward(ui->MenuViewSampler, ui->ViewSampler);
    forward(ui->MenuViewLog, ui->ViewLog);

    TStatusPage* status = StatusPage();
    connect(status, &TStatusPage::SetClockClicked, this, &TMainForm::BtnSetClockClick);
    connect(status, &TStatusPage::ConnectorDataClicked, this, &TMainForm::BtnConnectorDataClick);
    connect(status, &TStatusPage::ProgramStartClicked, this, &TMainForm::BtnProgramStartClick);
    connect(status, &TStatusPage::EventControlClicked, this, &TMainForm::BtnEventControlClick);
    connect(SamplerPage(), &TSamplerPage::AnalogScaleStored, status, &TStatusPage::ShowAnalogScale);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
    connect(ui->TransferCancel, &QPushButton::clicked, this, &TMainForm::CancelTransfer);
}

TR7200& TMainForm::Record() {
    if (!Workplace) throw TInternalError::OnFile("Main", 1);
    return Workplace->Document();
}

// --- document and pages -------------------------------------------------------------

bool TMainForm::QuerySave() {
    if (!Workplace->IsModified()) return true;
    switch (TMessageBox::Show(Msg(MsgFileModifiedQ), Msg(MsgConfirmation), TMessageBox::YesNoCancel,
                              this)) {
    case QMessageBox::Yes:
        FileSaveExecute();
        // Go on only when the document really reached its file.
        return !Workplace->IsModified();
    case QMessageBox::No:
        // The mark stays: a command that ends up keeping the document must keep asking.
        return true;
    default:
        return false;
    }
}

void TMainForm::ShowResult() {
    FilePanel->setText(Workplace->FileName().isEmpty() ? Msg(MsgNoname) : Workplace->FileName());
    const TMsgId text = StatusMessage(Workplace->Document().Status);
    if (text == MsgOK) {
        ResultPanel->setText(Msg(MsgOK));
        return;
    }
    ResultPanel->setText(Msg(MsgError));
    TMessageBox::Show(Msg(text), Msg(MsgError), TMessageBox::Ok, this);
}

void TMainForm::DocumentLoaded() {
    ShowResult();
    RefreshControls();
    UpdateDependentControls();
    ShowStatusPage();
    SetRangeHints();
    Workplace->SetModified(false);
}

void TMainForm::RefreshControls() {
    StatusPage()->Fill();
    SamplerPage()->Fill();
    LogPage()->Fill();
    if (PlanTab && CurrentPage == TPage::Plan) PlanTab->Refresh();
}

void TMainForm::UpdateDependentControls() {
    StatusPage()->UpdateDependentControls();
    SamplerPage()->UpdateDependentControls();
}

bool TMainForm::StorePages() {
    return SamplerPage()->StoreAnalogInputs() && StatusPage()->Store() &&
           SamplerPage()->StoreTiming();
}

void TMainForm::SetRangeHints() {
    StatusPage()->SetRangeHints();
    SamplerPage()->SetRangeHints();
}

void TMainForm::SyncViewChecks() {
    ui->ViewStatus->setChecked(CurrentPage == TPage::Status);
    ui->ViewSampler->setChecked(CurrentPage == TPage::Sampler);
    ui->MenuViewSampler->setChecked(CurrentPage == TPage::Sampler);
    ui->ViewLog->setChecked(CurrentPage == TPage::Log);
    ui->MenuViewLog->setChecked(CurrentPage == TPage::Log);
    ui->ViewPlan->setChecked(CurrentPage == TPage::Plan);
}

void TMainForm::ShowStatusPage() {
    ui->PageControl->setCurrentWidget(ui->StatusTab);
    CurrentPage = TPage::Status;
    SyncViewChecks();
}

void TMainForm::ShowSamplerPage() {
    ui->PageControl->setCurrentWidget(ui->SamplerTab);
    CurrentPage = TPage::Sampler;
    SyncViewChecks();
}

void TMainForm::ShowLogPage() {
    ui->PageControl->setCurrentWidget(ui->LogTab);
    CurrentPage = TPage::Log;
    SyncViewChecks();
    LogPage()->FocusTable();
}

void TMainForm::ShowPlanPage() {
    if (!PlanTab) {
        PlanTab = new TPlanPage(ui->PageControl);
        PlanTab->setObjectName(QStringLiteral("PlanTab"));
        PlanTab->SetHost(this);
        ui->PageControl->addWidget(PlanTab);
    }
    PlanTab->Refresh();
    ui->PageControl->setCurrentWidget(PlanTab);
    CurrentPage = TPage::Plan;
    SyncViewChecks();
}

void TMainForm::SetDirty() {
    Workplace->SetModified(true);
}

// --- transfers ----------------------------------------------------------------------

void TMainForm::BeginTransfer(TTransfer kind) {
    InTransfer = true;
    TransferKind = kind;
    Pass = kind == TTransfer::Backup ? TPass::Backup
           : kind == TTransfer::Read ? TPass::Read
                                     : TPass::Write;
    ui->ProgressBar->setValue(0);
    ui->ProgressBar->setVisible(true);
    ui->TransferPass->setVisible(true);
    ui->TransferCancel->setVisible(true);
    ShowPass();
    ui->ProgressBar->repaint();
    StopTimer();
    // Not the whole window: Cancel must stay within reach.
    menuBar()->setEnabled(false);
    ui->ToolBar->setEnabled(false);
    ui->PageControl->setEnabled(false);
    qApp->installEventFilter(this);
    QCoreApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BusyCursor = true;
    Workplace->Connector().SetObserver(this);
}

void TMainForm::Progress(TPass pass, int percent) {
    Pass = pass;
    TransferProgress(percent);
}

void TMainForm::Retried(TPass pass, int) {
    Pass = pass;
    ShowPass();
    QCoreApplication::processEvents();
}

void TMainForm::TransferProgress(int percent) {
    ui->ProgressBar->setValue(percent);
    ShowPass();
    if (BusyCursor) QApplication::restoreOverrideCursor();
    QCoreApplication::processEvents();
    if (BusyCursor) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TMainForm::ShowPass() {
    // The look at the log before a write belongs to the backup.
    QString pass = Pass == TPass::Read     ? tr("Reading")
                   : Pass == TPass::Write  ? tr("Writing")
                   : Pass == TPass::Verify ? tr("Verifying")
                                           : tr("Backing up");
    if (const int retries = Workplace->Connector().Retries(); retries > 0)
        pass = tr("%1, retries: %2").arg(pass).arg(retries);
    ui->TransferPass->setText(pass);
}

void TMainForm::CancelTransfer() {
    if (InTransfer) Workplace->Connector().RequestCancel();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->EmptyTab && event->type() == QEvent::Show && ui->Logo->pixmap().isNull())
        ui->Logo->setPixmap(TLogo::Pixmap(160));
    if (!InTransfer) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken here, so no menu shortcut fires; the key itself arrives next.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) CancelTransfer();
        return true;
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return watched != ui->TransferCancel;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void TMainForm::EndTransfer() {
    ui->ProgressBar->setValue(0);
    ui->ProgressBar->setVisible(false);
    ui->TransferPass->setVisible(false);
    ui->TransferCancel->setVisible(false);
    Workplace->Connector().SetObserver(nullptr);
    qApp->removeEventFilter(this);
    menuBar()->setEnabled(true);
    ui->ToolBar->setEnabled(true);
    ui->PageControl->setEnabled(true);
    StartTimer();
    if (BusyCursor) QApplication::restoreOverrideCursor();
    BusyCursor = false;
    InTransfer = false;
}

void TMainForm::ReportFailure(const QString& text) {
    ResultPanel->setText(Msg(MsgError));
    TMessageBox::Show(text, Msg(MsgError), TMessageBox::Ok, this);
}

TConnectorState TMainForm::ConfirmConnector() {
    const TConnectorState state = Workplace->Device().ProbeConnector();
    if (state != TConnectorState::Usable) ShowConnectorState(state);
    return state;
}

void TMainForm::ShowConnectorState(TConnectorState state) {
    if (state == TConnectorState::Lost) MonitorState = TMonitorState::FindAdapter;
    // Whatever comes back need not be the Connector that was read.
    if (state != TConnectorState::Usable) Workplace->ForgetConnector();
    ConnectorPanel->setText(state == TConnectorState::Small    ? Msg(MsgConnectorErr)
                            : state == TConnectorState::Usable ? Msg(MsgConnectorOk)
                                                               : QString());
    EnableConnectorCommands(state == TConnectorState::Usable);
}

void TMainForm::RefuseTransfer(TConnectorState state) {
    const bool small = state == TConnectorState::Small;
    ResultPanel->setText(Msg(MsgError));
    TMessageBox::Show(Msg(small ? MsgConnectorErr : MsgCommError), Msg(MsgError), TMessageBox::Ok,
                      this);
}

// --- commands -----------------------------------------------------------------------

void TMainForm::FileNewExecute() {
    if (!QuerySave()) return;
    Workplace->NewDocument();
    ui->PageControl->setCurrentWidget(ui->EmptyTab);
    StopTimer();
    Timer->setInterval(1000);
    MonitorState = TMonitorState::Start;
    StartTimer();
    Workplace->Document().SamplerMode = TR7200::NewDocumentSamplerMode;
    DocumentLoaded();
}

void TMainForm::FileOpenExecute() {
    if (!QuerySave()) return;
    const QString path =
        FileOpenDialog ? FileOpenDialog({}, {}) : DefaultFileDialog(OpenDialog, {}, {});
    if (path.isEmpty()) return;
    OpenDocument(path);
}

void TMainForm::OpenDocument(const QString& path) {
    if (Workplace->OpenFile(path)) {
        DocumentLoaded();
        return;
    }
    // The old document is gone and the failed one is not worth keeping.
    Workplace->SetModified(false);
    ShowResult();
    FileNewExecute();
}

void TMainForm::FileSaveExecute() {
    if (Workplace->FileName().isEmpty()) {
        FileSaveAsExecute();
        return;
    }
    if (!StorePages()) return;
    Workplace->SaveFile(Workplace->FileName());
    ShowResult();
}

void TMainForm::FileSaveAsExecute() {
    if (!StorePages()) return;
    QString folder;
    QString proposed;
    if (Workplace->FileName().isEmpty()) {
        proposed = Msg(MsgNonameFile);
    } else {
        folder = QFileInfo(Workplace->FileName()).absolutePath();
        proposed = Workplace->FileName();
    }
    const QString path = FileSaveDialog ? FileSaveDialog(folder, proposed)
                                        : DefaultFileDialog(SaveDialog, folder, proposed);
    if (path.isEmpty() || !AskOverwrite(path)) return;
    Workplace->SaveFile(path);
    ShowResult();
}

void TMainForm::FileExportExecute() {
    QString folder;
    if (!Workplace->FileName().isEmpty()) folder = QFileInfo(Workplace->FileName()).absolutePath();
    const QString proposed = Msg(MsgExportFile);
    const QString path = FileExportDialog ? FileExportDialog(folder, proposed)
                                          : DefaultFileDialog(ExportDialog, folder, proposed);
    if (path.isEmpty() || !AskOverwrite(path)) return;
    if (!ExportLogCsv(Workplace->Document(), path, TLogPage::Titles(), ExportEncoding))
        TMessageBox::Show(Msg(MsgFileError), Msg(MsgError), TMessageBox::Ok, this);
}

void TMainForm::FileArchiveExecute() {
    if (!QuerySave()) return;
    if (!ArchiveWindow) ArchiveWindow = new TArchiveWindow(Workplace->Archive(), this);
    const QString path = ArchiveWindow->Execute();
    if (path.isEmpty()) return;
    // A new document: saving must never reach the archive's file.
    const bool ok = Workplace->OpenAsNew(path);
    if (ok) {
        DocumentLoaded();
        return;
    }
    Workplace->SetModified(false);
    ShowResult();
    FileNewExecute();
}

void TMainForm::FileCompareExecute() {
    // The comparison is of what the pages hold, refused values mended first.
    if (!StorePages()) return;
    if (!CompareWindow)
        CompareWindow =
            new TCompareWindow({[this] {
                                    return FileOpenDialog ? FileOpenDialog({}, {})
                                                          : DefaultFileDialog(OpenDialog, {}, {});
                                },
                                [this] { return ReadConnectorCopy(); }, Workplace->Archive()},
                               this);
    CompareWindow->Execute(Workplace->Document());
}

std::optional<TR7200> TMainForm::ReadConnectorCopy() {
    TReadResult read;
    {
        TTransferGuard transfer(*this, TTransfer::Read);
        if (const TConnectorState state = ConfirmConnector(); state != TConnectorState::Usable) {
            transfer.End();
            RefuseTransfer(state);
            return std::nullopt;
        }
        read = Workplace->Connector().Read();
    }
    if (read.ArchiveFailed)
        TMessageBox::Show(Msg(MsgReadNotArchived).arg(Workplace->Archive().Folder()),
                          Msg(MsgWarning), TMessageBox::Ok, this);
    if (read.Ok()) return read.Document;
    ReportFailure(read.Cancelled ? Msg(MsgReadCancelled)
                                 : Msg(StatusMessage(read.Document.Status)));
    return std::nullopt;
}

void TMainForm::FileHistoryExecute() {
    const QString archive = Workplace->Archive().Folder();
    // Properties may have named another database since.
    if (!History || HistoryPlace != HistoryPlaceFor(archive)) {
        delete HistoryWindow;
        HistoryWindow = nullptr;
        HistoryPlace = HistoryPlaceFor(archive);
        History = std::make_unique<THistory>(HistoryPlace, archive);
    }
    if (!HistoryWindow) HistoryWindow = new THistoryWindow(*History, this);
    HistoryWindow->Execute();
}

void TMainForm::FileExportPlotExecute() {
    QString folder;
    if (!Workplace->FileName().isEmpty()) folder = QFileInfo(Workplace->FileName()).absolutePath();
    const QString proposed = Msg(MsgExportFile) + QStringLiteral(".png");
    const QString path = FileExportPlotDialog ? FileExportPlotDialog(folder, proposed)
                                              : DefaultFileDialog(PlotDialog, folder, proposed);
    if (path.isEmpty() || !AskOverwrite(path)) return;
    if (LogPage()->SavePlot(path)) return;
    const QString why = LogPage()->PlotLoadError();
    TMessageBox::Show(why.isEmpty() ? Msg(MsgFileError) : why, Msg(MsgError), TMessageBox::Ok,
                      this);
}

void TMainForm::FileExportPlanExecute() {
    if (!StorePages()) return;
    QString folder;
    if (!Workplace->FileName().isEmpty()) folder = QFileInfo(Workplace->FileName()).absolutePath();
    const QString proposed = Msg(MsgExportFile) + QStringLiteral(".csv");
    const QString path = FileExportPlanDialog ? FileExportPlanDialog(folder, proposed)
                                              : DefaultFileDialog(PlanDialog, folder, proposed);
    if (path.isEmpty() || !AskOverwrite(path)) return;
    if (!SavePlanFile(MakePlan(Record(), {}), Record(), path))
        TMessageBox::Show(Msg(MsgFileError), Msg(MsgError), TMessageBox::Ok, this);
}

bool TMainForm::AskOverwrite(const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return TMessageBox::Show(Msg(MsgFileExistsQ), Msg(MsgConfirmation), TMessageBox::OkCancel,
                             this) == QMessageBox::Ok;
}

void TMainForm::FilePropertiesExecute() {
    if (!QuerySave()) return;
    const TProperties old = Workplace->Properties();
    const TCodePage oldPage = Workplace->CodePage();
    if (!PropertiesDialog) PropertiesDialog = new TPropertiesDialog(this);
    const std::optional<TProperties> chosen = PropertiesDialog->Execute(old);
    if (!chosen) return;
    Workplace->SetProperties(*chosen);
    if (Workplace->CodePage() != oldPage) {
        // The document's texts were read in the old code page: read its bytes again in the
        // new one. A value the pages refuse must be mended first, so the choice waits.
        if (StorePages()) {
            Workplace->Document().RecodeTexts(oldPage, Workplace->CodePage());
            Workplace->ApplyCodePage();
            RefreshControls();
        } else {
            TProperties kept = *chosen;
            kept.CodePageChoice = old.CodePageChoice;
            Workplace->SetProperties(kept);
        }
    }
    if (chosen->LanguageId != old.LanguageId) Workplace->ApplyLanguage(this);
}

void TMainForm::FileExitExecute() {
    close();
}

void TMainForm::HelpAboutExecute() {
    if (!AboutBox) AboutBox = new TAboutBox(this);
    AboutBox->exec();
}

void TMainForm::DataReadExecute() {
    if (!QuerySave()) return;
    bool replaced = false;
    const TReadResult* read = nullptr;
    try {
        TTransferGuard transfer(*this, TTransfer::Read);
        if (const TConnectorState state = ConfirmConnector(); state != TConnectorState::Usable) {
            transfer.End();
            RefuseTransfer(state);
            return;
        }
        replaced = true;
        read = &Workplace->ReadConnector();
    } catch (...) {
        // The document was already replaced: the pages must not go on showing the old one.
        if (replaced) FileNewExecute();
        throw;
    }
    if (read->ArchiveFailed)
        TMessageBox::Show(Msg(MsgReadNotArchived).arg(Workplace->Archive().Folder()),
                          Msg(MsgWarning), TMessageBox::Ok, this);
    if (read->Ok()) {
        DocumentLoaded();
        return;
    }
    if (read->Cancelled) {
        ReportFailure(Msg(MsgReadCancelled));
    } else if (!read->ArchivePath.isEmpty()) {
        // No document, but the bytes are safe: the user learns where.
        ReportFailure(Msg(StatusMessage(Record().Status)) + QStringLiteral("\n\n") +
                      Msg(MsgReadArchived).arg(read->ArchivePath) + QLatin1Char('\n') +
                      BackupNote({TBackup::Kept, read->ArchivePath, read->Holding}));
    } else {
        ShowResult();
    }
    FileNewExecute();
}

bool TMainForm::ConfirmUnreadable() {
    return TMessageBox::Show(Msg(MsgWriteUnreadableQ), Msg(MsgWarning), TMessageBox::OkCancel,
                             this) == QMessageBox::Ok;
}

void TMainForm::DataWriteExecute() {
    if (!StorePages() || !AcceptedProgram(Workplace->Document(), this)) return;
    TTransferGuard transfer(*this, TTransfer::Backup);
    if (const TConnectorState state = ConfirmConnector(); state != TConnectorState::Usable) {
        transfer.End();
        RefuseTransfer(state);
        return;
    }
    bool refused = false;
    const TWriteReport report = Workplace->WriteConnector([&](const TBackupReport& backup) {
        transfer.End();
        const QString changes = ChangesOverBackup(backup.Path, Record()).join(u'\n');
        if (TMessageBox::Show(Msg(MsgReallyWriteQ) + QStringLiteral("\n\n") + changes +
                                  QStringLiteral("\n\n") + BackupNote(backup),
                              Msg(MsgConfirmation), TMessageBox::OkCancel, this) != QMessageBox::Ok)
            return false;
        if (backup.Outcome == TBackup::Unreadable && !ConfirmUnreadable()) return false;
        transfer.Begin(TTransfer::Write);
        // The Connector may have been swapped while the user was asked.
        if (const TConnectorState state = ConfirmConnector(); state != TConnectorState::Usable) {
            transfer.End();
            RefuseTransfer(state);
            refused = true;
            return false;
        }
        return true;
    });
    transfer.End();
    switch (report.Backup.Outcome) {
    case TBackup::ArchiveFailed:
        ReportFailure(Msg(MsgBackupArchiveFailed).arg(Workplace->Archive().Folder()));
        return;
    case TBackup::Cancelled:
        ReportFailure(Msg(MsgBackupCancelled));
        return;
    default:
        break;
    }
    if (!report.Confirmed || refused) return;
    // Stopped before the read-back: the Connector holds some of the new blocks.
    if (!report.Written && (report.Cancelled || report.Verify.Outcome == TVerifyResult::NotRun)) {
        ReportFailure((report.Cancelled ? Msg(MsgWriteCancelled) : Msg(MsgCommError)) +
                      QLatin1Char('\n') + Msg(MsgPartlyWritten));
    } else {
        ShowResult();
    }
    RefreshControls();
}

QString TMainForm::BackupNote(const TBackupReport& backup) const {
    const int records = backup.Holding.LogRecords;
    switch (backup.Outcome) {
    case TBackup::Known:
    case TBackup::Kept:
        switch (backup.Holding.Header) {
        case TImageHolding::Intact:
            return tr("Log records in the Connector: %1, all archived.").arg(records);
        case TImageHolding::Damaged:
            return tr("The program header is damaged; its %1 log records are archived.")
                .arg(records);
        case TImageHolding::OtherVersion:
            return tr("The program is of another version; its %1 log records are archived.")
                .arg(records);
        }
        break;
    case TBackup::Unreadable:
        return tr("The Connector could not be read whole; nothing was archived.");
    default:
        break;
    }
    return tr("The Connector was not backed up (File, Properties); its event log will be "
              "lost.");
}

void TMainForm::ViewStatusExecute() {
    ViewFromAnyPage(&TMainForm::ShowStatusPage);
}

void TMainForm::ViewSamplerExecute() {
    if (StorePages()) ShowSamplerPage();
    SyncViewChecks();
}

void TMainForm::ViewLogExecute() {
    ViewFromAnyPage(&TMainForm::ShowLogPage);
}

void TMainForm::ViewPlanExecute() {
    ViewFromAnyPage(&TMainForm::ShowPlanPage);
}

void TMainForm::ViewFromAnyPage(void (TMainForm::*show)()) {
    // Leaving the Sampler page first takes its analog inputs, which the Status page uses.
    if (StorePages()) (this->*show)();
    SyncViewChecks();
}

// Each dialog is made when first asked for, then kept.
template <class TDialog> void TMainForm::EditInDialog(TDialog*& dialog) {
    if (!StorePages()) return;
    if (!dialog) dialog = new TDialog(this);
    std::optional<TR7200> edited = dialog->Execute(Record());
    if (!edited) return;
    Record() = std::move(*edited);
    SetDirty();
    RefreshControls();
}

void TMainForm::BtnConnectorDataClick() {
    EditInDialog(ConnectorDialog);
}

void TMainForm::BtnProgramStartClick() {
    EditInDialog(ProgramDialog);
}

void TMainForm::BtnEventControlClick() {
    EditInDialog(EventDialog);
}

// --- status monitor -----------------------------------------------------------------

void TMainForm::TimerTimer() {
    // A box opened during the tick must not let the next tick in underneath it.
    const bool running = TimerRunning;
    StopTimer();
    TOnExit restart([this, running] {
        if (running) StartTimer();
    });
    TStatusPage* status = StatusPage();
    status->ShowPcClock(DateTimeText(TClock::Now()));
    status->ShowConnectorClock(QStringLiteral("?"));
    TKelbDevice& device = Workplace->Device();
    switch (MonitorState) {
    case TMonitorState::Start:
        ViewStatusExecute();
        [[fallthrough]];
    case TMonitorState::FindAdapter:
        if (!device.ReadAdapterVersion()) {
            AdapterPanel->setText(Msg(MsgNoAdapter));
            AdapterPanel->setToolTip(device.WhyNoAdapter());
            ShowConnectorState(TConnectorState::Lost);
            return;
        }
        AdapterPanel->setText(device.AdapterText());
        AdapterPanel->setToolTip({});
        MonitorState = TMonitorState::FindConnector;
        break;
    case TMonitorState::FindConnector:
        break;
    }
    const TConnectorState state = device.ProbeConnector();
    // The clock is read before the panel says "Connector OK".
    if (state == TConnectorState::Usable)
        status->ShowConnectorClock(DateTimeText(Workplace->Connector().ReadClock()));
    ShowConnectorState(state);
}

void TMainForm::EnableConnectorCommands(bool on) {
    StatusPage()->EnableConnectorCommands(on);
    ui->DataRead->setEnabled(on);
    ui->DataWrite->setEnabled(on);
}

void TMainForm::BtnSetClockClick() {
    StopTimer();
    TOnExit restart([this] { StartTimer(); });
    Workplace->Connector().SetClock(TClock::Now());
}

// --- window -------------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FirstShow) {
        FirstShow = false;
        FormShow();
    }
}

void TMainForm::FormShow() {
    ui->PageControl->setCurrentWidget(ui->EmptyTab);
    ui->TabShield->raise();
    // The new document's page is the first one shown, with no empty page shown before it.
    FileNewExecute();
    ui->PageControl->setVisible(true);
    if (SettingsWriteFailed) {
        SettingsWriteFailed = false;
        QTimer::singleShot(0, this, [this] { ShowSettingsWriteError(); });
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A transfer keeps the window disabled; the window system may still ask it to close.
    if (InTransfer || !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::FormCloseQuery() {
    return !Workplace->IsModified() || QuerySave();
}

void TMainForm::FormClose() {
    StopTimer();
    Workplace->SetPlacement({y(), x(), width(), height(), isMaximized()});
    if (!Workplace->SaveSettings()) ShowSettingsWriteError();
}

void TMainForm::ShowSettingsWriteError() {
    TMessageBox::Show(tr("Unable to write to %1").arg(Workplace->SettingsFileName()), Msg(MsgError),
                      TMessageBox::Ok, this);
}

QString TMainForm::DefaultFileDialog(int kind, const QString& folder, const QString& proposed) {
    QFileDialog*& dialog = FileDialogs[kind];
    if (!dialog) {
        dialog = new QFileDialog(this);
        switch (kind) {
        case OpenDialog:
            dialog->setWindowTitle(tr("Open File"));
            dialog->setNameFilter(tr("Limnaset Configuration (*.r72)"));
            dialog->setDefaultSuffix(QStringLiteral("r72"));
            dialog->setAcceptMode(QFileDialog::AcceptOpen);
            dialog->setFileMode(QFileDialog::ExistingFile);
            break;
        case SaveDialog:
            dialog->setWindowTitle(tr("Save file"));
            dialog->setNameFilter(tr("Limnaset Configuration (*.r72)"));
            dialog->setDefaultSuffix(QStringLiteral("r72"));
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            break;
        case PlotDialog:
            dialog->setWindowTitle(tr("Export Plot"));
            dialog->setNameFilters({tr("PNG image (*.png)"), tr("SVG image (*.svg)")});
            dialog->setDefaultSuffix(QStringLiteral("png"));
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            // The name's suffix picks the format; keep it in step with the chosen filter.
            connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
                dialog->setDefaultSuffix(filter.contains(QStringLiteral("*.svg"))
                                             ? QStringLiteral("svg")
                                             : QStringLiteral("png"));
            });
            break;
        case PlanDialog:
            dialog->setWindowTitle(tr("Export Plan"));
            dialog->setNameFilters({tr("Plan (CSV) (*.csv)"), tr("Calendar (*.ics)")});
            dialog->setDefaultSuffix(QStringLiteral("csv"));
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
                dialog->setDefaultSuffix(filter.contains(QStringLiteral("*.ics"))
                                             ? QStringLiteral("ics")
                                             : QStringLiteral("csv"));
            });
            break;
        default:
            dialog->setWindowTitle(tr("Export file"));
            dialog->setNameFilters(
                {tr("Export file (CSV) (*.csv)"), tr("Export file (CSV, UTF-8) (*.csv)")});
            dialog->setDefaultSuffix(QStringLiteral("csv"));
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            break;
        }
        // Overwriting is asked by the command itself, with the program's own question.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!folder.isEmpty()) dialog->setDirectory(folder);
    if (!proposed.isEmpty()) dialog->selectFile(proposed);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    if (kind == ExportDialog)
        ExportEncoding = dialog->selectedNameFilter() == dialog->nameFilters().value(1)
                             ? TCsvEncoding::Utf8
                             : TCsvEncoding::CodePage;
    return dialog->selectedFiles().constFirst();
}
