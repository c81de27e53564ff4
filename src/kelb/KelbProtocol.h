#pragma once

#include <cstdint>

// The adapter's wire protocol, shared by the link, the command set and the simulated adapter.
namespace kelb {

constexpr uint8_t RequestStart = 0x5A;
constexpr uint8_t ReplyStart = 0xA5;
constexpr uint8_t Acknowledge = 2; // also "present" and "large kind"

constexpr uint8_t CmdAdapterVersion = 0x10;
constexpr uint8_t CmdQueryConnector = 0x20;
constexpr uint8_t CmdReadLarge = 0x30;
constexpr uint8_t CmdWriteLarge = 0x40;
constexpr uint8_t CmdReadSmall = 0x50;
constexpr uint8_t CmdWriteSmall = 0x60;
constexpr uint8_t CmdMemoryKind = 0x70;
constexpr uint8_t CmdReadClock = 0x80;
constexpr uint8_t CmdSetClock = 0x90;

// A write request always carries a full data block, zero-padded.
constexpr int WriteRequestSize = 36;
constexpr int BlockDataSize = 32;
// The longest request and reply of any command.
constexpr int LongestRequest = WriteRequestSize;
constexpr int LongestReply = BlockDataSize;
constexpr int ClockSize = 6;

// Which Connector the adapter must hold to answer a command.
enum class TServes { Any, Large, Small };

// One Connector command: the device builds its requests from this row and the simulated
// adapter answers by it. A block command carries address and count in bytes 1..3 and
// replies with `count` bytes when ReplyLength is 0.
struct TCommandRow {
    uint8_t Code;
    int RequestLength; // with the command byte
    int ReplyLength;   // 0: as many bytes as the request's count
    TServes Serves;
    int MaxBlock;      // block commands: the largest count; 0 for the others
    bool Acknowledged; // the reply is one byte, Acknowledge or a refusal
};

inline constexpr TCommandRow CommandTable[] = {
    {CmdAdapterVersion, 1, 2, TServes::Any, 0, false},
    {CmdQueryConnector, 1, 1, TServes::Any, 0, false},
    {CmdMemoryKind, 1, 1, TServes::Any, 0, false},
    {CmdReadClock, 1, ClockSize, TServes::Large, 0, false},
    {CmdSetClock, 1 + ClockSize, 1, TServes::Large, 0, true},
    {CmdReadLarge, 4, 0, TServes::Large, BlockDataSize, false},
    {CmdWriteLarge, WriteRequestSize, 1, TServes::Large, BlockDataSize, true},
    {CmdReadSmall, 4, 0, TServes::Small, 8, false},
    {CmdWriteSmall, WriteRequestSize, 1, TServes::Small, 8, true},
};

// The row of a command code; nullptr for a code the adapter does not know.
constexpr const TCommandRow* FindCommand(uint8_t code) {
    for (const TCommandRow& entry : CommandTable)
        if (entry.Code == code) return &entry;
    return nullptr;
}

// The row of a code that must be in the table.
constexpr const TCommandRow& Command(uint8_t code) {
    return *FindCommand(code);
}

// Bytes of memory of each Connector kind.
constexpr int SmallMemorySize = 256;
constexpr int LargeMemorySize = 32768;

} // namespace kelb
