// The adapter's replies from the input drive the Connector commands through a fake port;
// no reply makes the device send a frame longer than its command allows or fill more of a
// buffer than was asked for.
#include "FakeBus.h"
#include "FuzzCheck.h"
#include "KelbDevice.h"
#include "KelbProtocol.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
constexpr size_t LongestFrame = 1 + kelb::WriteRequestSize; // start byte and a full write
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto bus = std::make_shared<TFakeBus>();
    size_t at = 0;
    // Each written frame takes its reply from the input: a length byte, then that many bytes.
    bus->Responder = [&](const TBytes& frame) {
        FUZZ_CHECK(!frame.empty() && frame.size() <= LongestFrame);
        if (at >= size) return TBytes{};
        const size_t length = std::min(size_t(data[at]), size - at - 1);
        ++at;
        TBytes reply(data + at, data + at + length);
        at += length;
        return reply;
    };
    TKelbDevice device(std::make_shared<TFakeProvider>(bus));
    (void)device.Probe();
    (void)device.AdapterText();
    // The clock is a command of the large kind only; asking a small one is the caller's fault.
    TConnectorTime time;
    if (!device.SmallMemory() && device.ReadClock(time)) (void)device.SetClock(time);

    constexpr int Guard = 64;
    std::vector<uint8_t> buffer(256 + Guard, 0xCC);
    const int address = device.MemorySize() > 256 ? device.MemorySize() - 200 : 0;
    (void)device.ReadMemory(address, buffer.data(), 100);
    for (size_t k = 100; k < buffer.size(); ++k)
        FUZZ_CHECK(buffer[k] == 0xCC);
    (void)device.ReadBlock(0, buffer.data(), 8);
    for (size_t k = 100; k < buffer.size(); ++k)
        FUZZ_CHECK(buffer[k] == 0xCC);
    const std::vector<uint8_t> pattern(64, 0x5A);
    (void)device.WriteMemory(address, pattern.data(), int(pattern.size()));
    for (const TBytes& frame : bus->Frames)
        FUZZ_CHECK(frame.size() <= LongestFrame);
    return 0;
}
