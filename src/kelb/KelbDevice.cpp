#include "KelbDevice.h"

#include "InternalError.h"
#include "KelbProtocol.h"
#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using namespace kelb;

constexpr int RequestSize = 36;
constexpr int ReplySize = 32;

using TRequest = std::array<uint8_t, RequestSize>;
using TReply = std::array<uint8_t, ReplySize>;

int Percent(int64_t done, int64_t length) {
    return int(done * 100 / length);
}

} // namespace

TKelbDevice::TKelbDevice(std::shared_ptr<TPortProvider> provider)
    : TKelbAdapter(std::move(provider)) {}

bool TKelbDevice::ReadAdapterVersion() {
    TRequest request{};
    TReply reply{};
    request[0] = CmdAdapterVersion;
    if (!Transact(request.data(), 1, reply.data(), 2)) return false;
    Version = le::Get16(reply.data());
    return true;
}

bool TKelbDevice::QueryConnector(bool& present) {
    return AskYesNo(CmdQueryConnector, present);
}

bool TKelbDevice::QueryMemoryKind(bool& large) {
    return AskYesNo(CmdMemoryKind, large);
}

bool TKelbDevice::AskYesNo(uint8_t command, bool& yes) {
    TRequest request{};
    TReply reply{};
    request[0] = command;
    if (!Transact(request.data(), 1, reply.data(), 1)) return false;
    yes = reply[0] == Acknowledge;
    return true;
}

bool TKelbDevice::DetectConnector(bool& present) {
    present = false;
    bool found = false;
    if (!QueryConnector(found)) return false;
    if (!found) return true;
    bool large = false;
    if (!QueryMemoryKind(large)) return false;
    AssumeMemoryKind(large);
    present = true;
    return true;
}

void TKelbDevice::AssumeMemoryKind(bool large) {
    Small = !large;
    Block = Small ? 8 : 32;
    Memory = Small ? SmallMemorySize : LargeMemorySize;
}

TConnectorState TKelbDevice::ProbeConnector() {
    bool present = false;
    if (!DetectConnector(present)) return TConnectorState::Lost;
    if (!present) return TConnectorState::Absent;
    return Small ? TConnectorState::Small : TConnectorState::Usable;
}

TConnectorProbe TKelbDevice::Probe() {
    TConnectorProbe probe;
    probe.Adapter = ReadAdapterVersion();
    if (probe.Adapter) probe.Connector = ProbeConnector();
    return probe;
}

QString TKelbDevice::AdapterText() const {
    return QString::asprintf("%s %x.%02x\n", Description.toUtf8().constData(), Version >> 8,
                             Version & 0xFF);
}

bool TKelbDevice::ReadClock(TConnectorTime& time) {
    if (Small) throw TInternalError::OnFile("KelbDevice", 111);
    TRequest request{};
    TReply reply{};
    request[0] = CmdReadClock;
    if (!Transact(request.data(), 1, reply.data(), int(sizeof(TConnectorTime)))) return false;
    std::memcpy(&time, reply.data(), sizeof(TConnectorTime));
    return true;
}

bool TKelbDevice::SetClock(const TConnectorTime& time) {
    if (Small) throw TInternalError::OnFile("KelbDevice", 86);
    TRequest request{};
    TReply reply{};
    request[0] = CmdSetClock;
    std::memcpy(&request[1], &time, sizeof(TConnectorTime));
    if (!Transact(request.data(), 1 + int(sizeof(TConnectorTime)), reply.data(), 1)) return false;
    return reply[0] == Acknowledge;
}

bool TKelbDevice::ReadBlock(int address, uint8_t* buffer, int count) {
    // The reply buffer holds one block of the large kind at most.
    if (count < 1 || count > Block || count > ReplySize) return false;
    TRequest request{};
    TReply reply{};
    request[0] = Small ? CmdReadSmall : CmdReadLarge;
    le::Put16(&request[1], uint16_t(address));
    request[3] = uint8_t(count);
    if (!Transact(request.data(), 4, reply.data(), count)) return false;
    std::memcpy(buffer, reply.data(), size_t(count));
    return true;
}

bool TKelbDevice::WriteBlock(int address, const uint8_t* data, int count) {
    if (count < 1 || count > Block || count > BlockDataSize) return false;
    TRequest request{};
    TReply reply{};
    request[0] = Small ? CmdWriteSmall : CmdWriteLarge;
    le::Put16(&request[1], uint16_t(address));
    request[3] = uint8_t(count);
    std::memcpy(&request[4], data, size_t(count));
    if (!Transact(request.data(), WriteRequestSize, reply.data(), 1)) return false;
    return reply[0] == Acknowledge;
}

bool TKelbDevice::Stopping() {
    WasCancelled = CancelRequested.exchange(false);
    return WasCancelled;
}

bool TKelbDevice::ReadMemory(int address, uint8_t* buffer, int length) {
    WasCancelled = false;
    if (OnProgress) OnProgress(0);
    int remaining = length;
    while (remaining > 0) {
        if (Stopping()) return false;
        const int chunk = std::min(remaining, int(Block));
        if (!ReadBlock(address, buffer, chunk)) return false;
        address += chunk;
        buffer += chunk;
        remaining -= chunk;
        if (OnProgress) OnProgress(Percent(length - remaining, length));
    }
    return true;
}

bool TKelbDevice::WriteMemory(int address, const uint8_t* data, int length) {
    WasCancelled = false;
    if (OnProgress) OnProgress(0);
    // Nothing to write; a zero-byte block and a division by the length would follow.
    if (length <= 0) return true;
    // Blocks never cross a multiple of the block size.
    const int boundary = (address / Block) * Block + Block;
    const int first = std::min(boundary - address, length);
    if (Stopping() || !WriteBlock(address, data, first)) return false;
    if (OnProgress) OnProgress(Percent(first, length));
    address += first;
    data += first;
    int remaining = length - first;
    while (remaining > 0) {
        const int chunk = std::min(remaining, int(Block));
        if (Stopping() || !WriteBlock(address, data, chunk)) return false;
        address += chunk;
        data += chunk;
        remaining -= chunk;
        if (OnProgress) OnProgress(Percent(length - remaining, length));
    }
    return true;
}
