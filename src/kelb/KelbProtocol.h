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

// Bytes of memory of each Connector kind.
constexpr int SmallMemorySize = 256;
constexpr int LargeMemorySize = 32768;

} // namespace kelb
