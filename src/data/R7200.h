#pragma once

#include "AnsiText.h"
#include "ConnectorImage.h"
#include "DateTime.h"
#include "LogRecord.h"
#include "ProgramBlock.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <utility>

// Outcome of the last file, Connector or log operation of a record.
enum TRecordStatus : int {
    StatusOk = 0,
    StatusCommError = 1,     // transfer failed, checksum after a read, or verification
    StatusFileError = 2,     // file cannot be opened or created
    StatusCorruptedFile = 3, // short file, checksum, or short write
    StatusWrongVersion = 4,  // marker byte is not '#'
    StatusOutOfRange = 5,    // log index out of range
};

// What the read-back after a write found; the record's Status tells only that it failed.
struct TVerifyResult {
    enum TOutcome { NotRun, Equal, ReadFailed, Mismatch };
    TOutcome Outcome = NotRun;
    int FirstAddress = 0; // Connector address of the first byte that differs
    int DifferingBytes = 0;
};

// The document: one Connector image plus the typed fields the editors work on.
// The program block fields come from TProgramBlock and are read and written directly.
class TR7200 : public TProgramBlock {
public:
    static constexpr int ImageSize = connector::ImageSize;
    static constexpr int LogSlots = connector::LogSlots;

    TR7200();

    std::array<uint8_t, ImageSize> Image{};
    uint32_t SerialNumber = 0;
    QString ConnectorName;    // at most 63 characters reach the image
    QString ConnectorComment; // at most 443 characters reach the image
    TDateTime ProgramStartTime = 0;
    // Also what the image holds as the start of a mode that has none.
    static constexpr uint32_t DefaultStartDelay = 600;
    uint32_t ProgramStartDelay = DefaultStartDelay;
    int LogCount = 0;
    int LogStart = 0;
    TRecordStatus Status = StatusOk;

    void LoadDefaults();
    void Pack();
    void Unpack();
    uint16_t HeaderChecksum() const;

    bool LoadFromFile(const QString& name);
    bool SaveToFile(const QString& name);
    // A file's bytes: fewer than an image is a corrupted file, bytes after the image are
    // not looked at.
    bool LoadFromBytes(std::span<const uint8_t> bytes);
    // The bytes a file holds: the program packed into the image, the sampler's pump report
    // kept as read or loaded.
    QByteArray PackToBytes();

    // Takes in an image as a Connector read brought it; `complete` tells whether every byte
    // arrived. A short read or a wrong checksum is a communication error.
    bool LoadFromConnectorImage(std::span<const uint8_t> bytes, bool complete);

    static uint32_t ToConnectorTimestamp(TDateTime t);
    static TDateTime FromConnectorTimestamp(uint32_t s);

    // Reads the name, the comment and the units again as the other code page shows the bytes
    // this one wrote.
    void RecodeTexts(TCodePage from, TCodePage to);

    void ResetLog();
    void ScanLog();
    // Where the log of an image starts and how many records it holds, as ScanLog finds them;
    // the image is not touched.
    static std::pair<int, int> LogWindowOf(const uint8_t* image);
    // The i-th oldest record; outside 0..LogCount-1 sets Status 5 and throws ERangeError.
    TLogRecord LogRecordAt(int i);
    // Image offset of the slot that holds the i-th oldest record; i is checked against the
    // ring, not LogCount. A LogStart or LogCount outside the ring is a TInternalError.
    int LogSlotOffset(int i) const;

private:
    void SetLogWindow(int start, int count);
    void CheckLogWindow() const;
    // Checks a freshly filled image and takes it in; `failure` is the code for an incomplete
    // image or a wrong checksum (a file and a Connector report them differently).
    bool AcceptImage(bool complete, TRecordStatus failure);
};
