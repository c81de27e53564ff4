#include "KelbDevice.h"

#include "InternalError.h"
#include "KelbProtocol.h"
#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using namespace kelb;

using TRequest = std::array<uint8_t, LongestRequest>;
using TReply = std::array<uint8_t, LongestReply>;

static_assert(Command(CmdReadClock).ReplyLength == int(sizeof(TConnectorTime)));

int Percent(int64_t done, int64_t length) {
    return int(done * 100 / length);
}

} // namespace

TKelbDevice::TKelbDevice(std::shared_ptr<TPortProvider> provider)
    : TKelbAdapter(std::move(provider)) {}

bool TKelbDevice::Send(uint8_t code, uint8_t* request, uint8_t* reply) {
    const TCommandRow& entry = Command(code);
    request[0] = code;
    const int replyLength = entry.ReplyLength != 0 ? entry.ReplyLength : request[3];
    if (!Transact(request, entry.RequestLength, reply, replyLength)) return false;
    return !entry.Acknowledged || reply[0] == Acknowledge;
}

bool TKelbDevice::ReadAdapterVersion() {
    TRequest request{};
    TReply reply{};
    if (!Send(CmdAdapterVersion, request.data(), reply.data())) return false;
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
    if (!Send(command, request.data(), reply.data())) return false;
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
    return QString::asprintf("%s %x.%02x\n", Description().toUtf8().constData(), Version >> 8,
                             Version & 0xFF);
}

bool TKelbDevice::ReadClock(TConnectorTime& time) {
    if (Small) throw TInternalError::OnFile("KelbDevice", 111);
    TRequest request{};
    TReply reply{};
    if (!Send(CmdReadClock, request.data(), reply.data())) return false;
    std::memcpy(&time, reply.data(), sizeof(TConnectorTime));
    return true;
}

bool TKelbDevice::SetClock(const TConnectorTime& time) {
    if (Small) throw TInternalError::OnFile("KelbDevice", 86);
    TRequest request{};
    TReply reply{};
    std::memcpy(&request[1], &time, sizeof(TConnectorTime));
    return Send(CmdSetClock, request.data(), reply.data());
}

bool TKelbDevice::ReadBlock(int address, uint8_t* buffer, int count) {
    const uint8_t code = Small ? CmdReadSmall : CmdReadLarge;
    if (count < 1 || count > Block || count > Command(code).MaxBlock) return false;
    TRequest request{};
    TReply reply{};
    le::Put16(&request[1], uint16_t(address));
    request[3] = uint8_t(count);
    if (!Send(code, request.data(), reply.data())) return false;
    std::memcpy(buffer, reply.data(), size_t(count));
    return true;
}

bool TKelbDevice::WriteBlock(int address, const uint8_t* data, int count) {
    const uint8_t code = Small ? CmdWriteSmall : CmdWriteLarge;
    if (count < 1 || count > Block || count > Command(code).MaxBlock) return false;
    TRequest request{};
    TReply reply{};
    le::Put16(&request[1], uint16_t(address));
    request[3] = uint8_t(count);
    std::memcpy(&request[4], data, size_t(count));
    return Send(code, request.data(), reply.data());
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
