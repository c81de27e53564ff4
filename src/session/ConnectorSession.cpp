#include "ConnectorSession.h"

#include "History.h"

#include "ConnectorCalendar.h"
#include "ImageLayout.h"
#include "LittleEndian.h"

#include <algorithm>

using L = TImageLayout;

namespace {

constexpr int ImageSize = TR7200::ImageSize;
// The first four bytes, the serial number, belong to the Connector and are never written.
constexpr int ProgramStart = 4;

uint16_t ChecksumOf(const uint8_t* image) {
    uint16_t sum = 0;
    for (int i = L::ChecksumStart; i < L::ChecksumStart + L::ChecksumCount; ++i)
        sum = uint16_t(sum + image[i]);
    return uint16_t(~sum);
}

int SlotOffset(int slot) {
    return L::LogArea + TLogRecord::Size * (slot % TR7200::LogSlots);
}

} // namespace

TImageHolding TImageHolding::Of(const uint8_t* image) {
    TImageHolding holding;
    if (ChecksumOf(image) != le::Get16(image + L::Checksum))
        holding.Header = Damaged;
    else
        holding.Header = image[L::Marker] == L::MarkerByte ? Intact : OtherVersion;
    holding.LogRecords = TR7200::LogWindowOf(image).second;
    return holding;
}

TConnectorSession::TConnectorSession(std::shared_ptr<TPortProvider> provider, TArchive archive)
    : Link(std::move(provider)), Store(std::move(archive)) {}

void TConnectorSession::Begin() {
    Link.CancelFlag() = false;
    Link.ClearRetries();
}

template <class F> bool TConnectorSession::InPass(TPass pass, F transfer) {
    Link.SetProgress([this, pass](int percent) {
        if (Observer) Observer->Progress(pass, percent);
    });
    Link.SetRetryListener([this, pass] {
        if (Observer) Observer->Retried(pass, Link.Retries());
    });
    struct TDetach {
        TKelbDevice& Link;
        ~TDetach() {
            Link.SetProgress({});
            Link.SetRetryListener({});
        }
    } detach{Link};
    return transfer();
}

QString TConnectorSession::KeepInArchive(const std::vector<uint8_t>& raw) {
    const QString path = Store.Keep(raw);
    if (path.isEmpty()) return path;
    // The archive protects the log; a history that cannot take the read is only told.
    ImportIntoHistory(path);
    TArchiveEntry entry;
    if (TArchive::Describe(path, entry))
        Known = TKnownRead{entry, raw};
    else
        Known.reset();
    if (OnArchived)
        OnArchived(path,
                   QByteArray(reinterpret_cast<const char*>(raw.data()), qsizetype(raw.size())));
    return path;
}

TReadResult TConnectorSession::Transfer(TPass pass) {
    Known.reset();
    TReadResult result;
    result.Raw.assign(size_t(ImageSize), uint8_t(0xFF));
    result.Whole = InPass(pass, [&] { return Link.ReadMemory(0, result.Raw.data(), ImageSize); });
    result.Cancelled = Link.Cancelled();
    if (!result.Whole) {
        result.Document.Status = StatusCommError;
        return result;
    }
    // The bytes as they arrived go to the archive before the log scan repairs a slot.
    result.Holding = TImageHolding::Of(result.Raw.data());
    result.ArchivePath = KeepInArchive(result.Raw);
    result.ArchiveFailed = result.ArchivePath.isEmpty();
    result.Document.LoadFromConnectorImage(result.Raw, true);
    return result;
}

TReadResult TConnectorSession::Read() {
    Begin();
    return Transfer(TPass::Read);
}

TBackupReport TConnectorSession::BackUp() {
    TBackupReport report;
    const TReadResult read = Transfer(TPass::Backup);
    report.Holding = read.Holding;
    report.Path = read.ArchivePath;
    if (read.Cancelled)
        report.Outcome = TBackup::Cancelled;
    else if (!read.Whole)
        report.Outcome = TBackup::Unreadable;
    else
        report.Outcome = read.ArchiveFailed ? TBackup::ArchiveFailed : TBackup::Kept;
    return report;
}

bool TConnectorSession::StillAsKnown() {
    if (!Known) return false;
    const std::vector<uint8_t>& raw = Known->Raw;
    const auto [start, count] = TR7200::LogWindowOf(raw.data());
    // The newest record and the slot the next one goes to; with no record, the first slot.
    const int newest = count > 0 ? start + count - 1 : start;
    const int next = count > 0 ? start + count : start + 1;
    struct TSpan {
        int Address;
        int Count;
    };
    const TSpan spans[] = {
        {L::SerialNumber, 4},
        {L::Checksum, 2},
        {SlotOffset(newest), TLogRecord::Size},
        {SlotOffset(next), TLogRecord::Size},
    };
    return InPass(TPass::Check, [&] {
        for (const TSpan& s : spans) {
            uint8_t bytes[TLogRecord::Size];
            if (!Link.ReadBlock(s.Address, bytes, s.Count) ||
                !std::equal(bytes, bytes + s.Count, raw.begin() + s.Address))
                return false;
        }
        return true;
    });
}

bool TConnectorSession::WriteImage(const TR7200& image, TWriteReport& report) {
    const bool sent = InPass(TPass::Write, [&] {
        return Link.WriteMemory(ProgramStart, image.Image.data() + ProgramStart,
                                ImageSize - ProgramStart);
    });
    report.Cancelled = Link.Cancelled();
    if (!sent) return false;
    std::vector<uint8_t> back(size_t(ImageSize - ProgramStart));
    const bool read = InPass(TPass::Verify, [&] {
        return Link.ReadMemory(ProgramStart, back.data(), ImageSize - ProgramStart);
    });
    report.Cancelled = Link.Cancelled();
    if (!read) {
        report.Verify.Outcome = TVerifyResult::ReadFailed;
        return false;
    }
    report.Verify.Outcome = TVerifyResult::Equal;
    for (int i = 0; i < int(back.size()); ++i) {
        if (back[size_t(i)] == image.Image[size_t(ProgramStart + i)]) continue;
        if (report.Verify.DifferingBytes++ == 0) {
            report.Verify.Outcome = TVerifyResult::Mismatch;
            report.Verify.FirstAddress = ProgramStart + i;
        }
    }
    return report.Verify.Outcome == TVerifyResult::Equal;
}

TWriteReport TConnectorSession::Write(TR7200& document, bool backup, const TConfirm& confirm) {
    Begin();
    TWriteReport report;
    // A log that grows while the user is asked is backed up again, a few times at most:
    // after that the newest backup is as fresh as a backup can be.
    constexpr int Rounds = 3;
    for (int round = 0;; ++round) {
        TBackupReport& b = report.Backup;
        if (!backup) {
            Known.reset();
            b = {TBackup::Skipped, {}, {}};
        } else if (StillAsKnown()) {
            b = {TBackup::Known, Known->Entry.Path, TImageHolding::Of(Known->Raw.data())};
        } else {
            b = BackUp();
            if (b.Outcome == TBackup::Cancelled || b.Outcome == TBackup::ArchiveFailed)
                return report;
        }
        // Without a caller to ask, a Connector that could not be backed up stays as it is.
        report.Confirmed = confirm ? confirm(b) : b.Outcome != TBackup::Unreadable;
        if (!report.Confirmed) return report;
        if (!backup || !Known || round + 1 >= Rounds || StillAsKnown()) break;
    }
    // Stopped between the passes: nothing is written yet.
    if (Link.CancelFlag().exchange(false)) {
        report.Backup.Outcome = TBackup::Cancelled;
        return report;
    }
    // Whatever the write reaches, the archived read no longer tells the Connector's content.
    Known.reset();
    TR7200 written = document;
    written.Pack();
    written.ResetLog();
    if (WriteImage(written, report)) {
        written.Status = StatusOk;
        document = written;
        report.Written = true;
        return report;
    }
    // The log read with the document stays until the Connector really holds the new
    // program: a failed write must not lose a log that has not been saved yet.
    std::copy_n(written.Image.begin(), L::LogArea, document.Image.begin());
    document.Status = StatusCommError;
    return report;
}

bool TConnectorSession::SetClock(TDateTime t) {
    TConnectorTime time;
    UnpackTime(TR7200::ToConnectorTimestamp(t), time);
    return Link.SetClock(time);
}

TDateTime TConnectorSession::ReadClock(bool* answered) {
    TConnectorTime time;
    const bool replied = Link.ReadClock(time);
    if (answered) *answered = replied;
    if (!replied) return 0;
    // An unset or garbled clock must not reach the calendar tables.
    const bool valid = time.Year <= 99 && time.Second < 60 && time.Minute < 60 && time.Hour < 24 &&
                       time.Month >= 1 && time.Month <= 12 && time.Day >= 1 &&
                       time.Day <= DaysInMonth(time.Year, time.Month);
    return valid ? TR7200::FromConnectorTimestamp(PackTime(time)) : 0;
}

std::optional<TArchiveEntry> TConnectorSession::LastRead() const {
    if (!Known) return std::nullopt;
    return Known->Entry;
}
