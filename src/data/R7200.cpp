#include "R7200.h"

#include "AnsiText.h"
#include "ConnectorCalendar.h"
#include "ImageLayout.h"
#include "InternalError.h"
#include "LittleEndian.h"
#include "RangeError.h"
#include "WholeFile.h"

#include <QFile>
#include <algorithm>
#include <vector>

using L = TImageLayout;

TR7200::TR7200() {
    ConnectorName = QStringLiteral("Limnaset");
    ProgramStartTime = TClock::Now();
    LoadDefaults();
    ResetLog();
}

void TR7200::LoadDefaults() {
    L::LoadDefaults(*this);
}

void TR7200::Pack() {
    switch (ProgramMode) {
    case ProgramAfterDelay:
        ProgramStartValue = ProgramStartDelay;
        break;
    case ProgramAtTime:
        ProgramStartValue = ToConnectorTimestamp(ProgramStartTime);
        break;
    default:
        ProgramStartValue = DefaultStartDelay;
        break;
    }

    uint8_t* image = Image.data();
    std::fill(image, image + L::IdentitySize, uint8_t(0));
    le::Put32(image + L::SerialNumber, SerialNumber);
    TAnsiText::Store(ConnectorName, image + L::Name, L::NameSize);
    TAnsiText::Store(ConnectorComment, image + L::Comment, L::CommentSize);

    std::fill(image + L::IdentitySize, image + L::Filler, uint8_t(0));
    std::fill(image + L::Filler, image + L::PumpReport, uint8_t(0xFF));
    image[L::Marker] = L::MarkerByte;
    image[L::Format] = 1;
    le::Put32(image + L::ProgrammedAt, ToConnectorTimestamp(TClock::Now()));

    L::Pack(*this, image);
    // The sampler reports its pump pulses afresh for each program.
    le::Put16(image + L::PumpReport, 0);
    le::Put16(image + L::PumpReportComplement, 0);
    le::Put16(image + L::Checksum, HeaderChecksum());
}

void TR7200::Unpack() {
    const uint8_t* image = Image.data();
    SerialNumber = le::Get32(image + L::SerialNumber);
    // Identity bytes are outside the checksum and may lack their zero: stay inside the field.
    ConnectorName = TAnsiText::Load(image + L::Name, L::NameSize - 1);
    ConnectorComment = TAnsiText::Load(image + L::Comment, L::CommentSize - 1);

    L::Unpack(image, *this);
    const uint16_t pulses = le::Get16(image + L::PumpReport);
    const uint16_t complement = le::Get16(image + L::PumpReportComplement);
    PumpPulses = complement == uint16_t(~pulses) ? pulses : 0;

    ProgramStartTime = TClock::Now();
    ProgramStartDelay = DefaultStartDelay;
    if (ProgramMode == ProgramAfterDelay)
        ProgramStartDelay = ProgramStartValue;
    else if (ProgramMode == ProgramAtTime)
        ProgramStartTime = FromConnectorTimestamp(ProgramStartValue);
}

uint16_t TR7200::HeaderChecksum() const {
    uint16_t sum = 0;
    for (int i = L::ChecksumStart; i < L::ChecksumStart + L::ChecksumCount; ++i)
        sum = uint16_t(sum + Image[size_t(i)]);
    return uint16_t(~sum);
}

uint32_t TR7200::ToConnectorTimestamp(TDateTime t) {
    return ::ToConnectorTimestamp(t);
}

TDateTime TR7200::FromConnectorTimestamp(uint32_t s) {
    return ::FromConnectorTimestamp(s);
}

// ---- Event log ----

void TR7200::RecodeTexts(TCodePage from, TCodePage to) {
    for (QString* text : {&ConnectorName, &ConnectorComment, &Analog1.Units, &Analog2.Units})
        *text = TAnsiText::Recode(*text, from, to);
}

void TR7200::ResetLog() {
    std::fill(Image.begin() + L::LogArea, Image.end(), uint8_t(0xFF));
    TLogRecord clear = TLogRecord::Empty(LogClear);
    clear.Time = ToConnectorTimestamp(TClock::Now());
    clear.Encode(Image.data() + L::LogArea);
    SetLogWindow(0, 1);
}

void TR7200::SetLogWindow(int start, int count) {
    LogStart = start;
    LogCount = count;
    CheckLogWindow();
}

void TR7200::CheckLogWindow() const {
    if (LogStart < 0 || LogStart >= LogSlots || LogCount < 0 || LogCount > LogSlots)
        throw TInternalError::OnFile("R7200", 118);
}

std::pair<int, int> TR7200::LogWindowOf(const uint8_t* image) {
    auto timeAt = [image](int slot) {
        return le::Get32(image + L::LogArea + TLogRecord::Size * slot);
    };
    int start = 0;
    int count = LogSlots;
    // The write marker decides first: a stray blank slot before it must not hide the
    // records after it.
    int marker = -1;
    for (int k = 0; k < LogSlots && marker < 0; ++k)
        if (timeAt(k) == TLogRecord::WriteMarker) marker = k;
    if (marker >= 0) {
        start = marker + 1 == LogSlots ? 0 : marker + 1;
        count = LogSlots - 1;
    } else {
        for (int k = 0; k < LogSlots; ++k)
            if (timeAt(k) == TLogRecord::NeverWritten) {
                count = k;
                break;
            }
    }
    return {start, count};
}

void TR7200::ScanLog() {
    const auto [start, count] = LogWindowOf(Image.data());
    SetLogWindow(start, count);

    using TSlot = std::array<uint8_t, TLogRecord::Size>;
    // Time 0, not the blank-slot word, so a saved and reloaded log keeps its length. A damaged
    // log may have every slot repaired: each repair is encoded once.
    const auto repair = [](uint8_t code) {
        TLogRecord r = TLogRecord::Empty(code);
        r.Time = 0;
        TSlot bytes;
        r.Encode(bytes.data());
        return bytes;
    };
    static const TSlot blank = repair(LogMarker);
    static const TSlot marker = repair(LogMarkerX);
    static const TSlot corrupted = repair(LogCorrupted);
    for (int i = 0; i < LogCount; ++i) {
        uint8_t* bytes = Image.data() + LogSlotOffset(i);
        const uint32_t time = le::Get32(bytes);
        const TSlot* repaired =
            time == TLogRecord::NeverWritten                                        ? &blank
            : time == TLogRecord::WriteMarker                                       ? &marker
            : Crc8Maxim(bytes, TLogRecord::Size - 1) != bytes[TLogRecord::Size - 1] ? &corrupted
                                                                                    : nullptr;
        if (repaired) std::copy(repaired->begin(), repaired->end(), bytes);
    }
}

TLogRecord TR7200::LogRecordAt(int i) {
    CheckLogWindow();
    if (i < 0 || i >= LogCount) {
        Status = StatusOutOfRange;
        throw ERangeError();
    }
    return TLogRecord::Decode(Image.data() + LogSlotOffset(i));
}

int TR7200::LogSlotOffset(int i) const {
    CheckLogWindow();
    if (i < 0 || i >= LogSlots) throw TInternalError::OnFile("R7200", 165);
    int slot = LogStart + i;
    if (slot >= LogSlots) slot -= LogSlots;
    return L::LogArea + TLogRecord::Size * slot;
}

// ---- Configuration file ----

bool TR7200::LoadFromFile(const QString& name) {
    QFile file(name);
    if (!IsRegularFile(name) || !file.open(QIODevice::ReadOnly)) {
        Status = StatusFileError;
        return false;
    }
    std::array<uint8_t, ImageSize> bytes;
    qint64 total = 0;
    while (total < ImageSize) {
        const qint64 n =
            file.read(reinterpret_cast<char*>(bytes.data()) + total, ImageSize - total);
        if (n <= 0) break;
        total += n;
    }
    return LoadFromBytes(std::span(bytes).first(size_t(total)));
}

bool TR7200::LoadFromBytes(std::span<const uint8_t> bytes) {
    const size_t n = std::min(bytes.size(), Image.size());
    std::copy_n(bytes.begin(), n, Image.begin());
    return AcceptImage(n == Image.size(), StatusCorruptedFile);
}

bool TR7200::AcceptImage(bool complete, TRecordStatus failure) {
    if (!complete || HeaderChecksum() != le::Get16(Image.data() + L::Checksum)) {
        Status = failure;
        return false;
    }
    if (Image[L::Marker] != L::MarkerByte) {
        Status = StatusWrongVersion;
        return false;
    }
    Unpack();
    ScanLog();
    Status = StatusOk;
    return true;
}

QByteArray TR7200::PackToBytes() {
    // The pump report is the sampler's, kept for the file as read or loaded; only a write
    // to a Connector starts it afresh.
    constexpr int ReportSize = L::PumpReportComplement + 2 - L::PumpReport;
    uint8_t report[ReportSize];
    std::copy_n(Image.begin() + L::PumpReport, ReportSize, report);
    Pack();
    std::copy_n(report, ReportSize, Image.begin() + L::PumpReport);
    return QByteArray(reinterpret_cast<const char*>(Image.data()), ImageSize);
}

bool TR7200::SaveToFile(const QString& name) {
    switch (WriteWholeFile(name, PackToBytes())) {
    case TWholeFileWrite::Ok:
        Status = StatusOk;
        return true;
    case TWholeFileWrite::CannotOpen:
        Status = StatusFileError;
        return false;
    case TWholeFileWrite::Incomplete:
        break;
    }
    Status = StatusCorruptedFile;
    return false;
}

bool TR7200::LoadFromConnectorImage(std::span<const uint8_t> bytes, bool complete) {
    const size_t n = std::min(bytes.size(), Image.size());
    std::copy_n(bytes.begin(), n, Image.begin());
    return AcceptImage(complete && n == Image.size(), StatusCommError);
}
