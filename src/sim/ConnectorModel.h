#pragma once

#include "FaultPlan.h"

#include <QElapsedTimer>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <vector>

// The USB adapter with a Connector in it, at the byte level: it is fed the bytes the PC
// sends and queues the bytes the adapter answers. The same model serves the emulator
// program and in-process tests (through TSimUart).
//
// Behaviour where the real devices leave a choice:
// - Addresses wrap at the memory size, as a serial memory's address counter does.
// - Block commands of the other Connector kind, block counts above the kind's block size,
//   and clock or memory commands without a Connector get no reply (the request is dropped).
// - The clock is seeded at construction from the PC clock (local time turned into standard
//   time) and keeps running; it always answers.
// - A fresh model holds erased memory (all 0xFF) in both kinds.
// - The demo sampler writes the write marker only over a slot that holds an older record;
//   an unwritten slot already ends the log for the reader.
// One thread at a time: the emulator's loop or a test.
class TConnectorModel {
public:
    enum class TKind { None, Small, Large };

    explicit TConnectorModel(TKind kind = TKind::Large, const TFaultPlan& plan = {});

    // The adapter.
    uint16_t AdapterVersion = 0x0105;
    // Plugged in at construction; unplugging drops every queued byte and half-read request.
    void SetPlugged(bool plugged);
    bool IsPlugged() const { return Plugged; }
    // Counts every plugging in, so a port opened before an unplug stays dead afterwards.
    int PlugGeneration() const { return Generation; }

    // The Connector in the adapter; each kind keeps its own memory while it is out
    // (Memory(TKind::None) is the large one).
    void SetKind(TKind kind) { Kind = kind; }
    TKind GetKind() const { return Kind; }
    std::vector<uint8_t>& Memory(TKind kind = TKind::Large);
    // Copies the bytes to the start of that kind's memory; the rest is left unchanged.
    void LoadMemory(const uint8_t* data, int count, TKind kind = TKind::Large);

    // The Connector clock, in standard-time seconds since 2000-01-01.
    uint32_t ClockSeconds() const;
    void SetClockSeconds(uint32_t seconds);
    // A clock that lost its time (a flat battery) reads 255 in every field until it is set.
    bool ClockLost = false;
    // Milliseconds of a monotonic clock; tests install their own to move time on.
    void SetElapsedSource(std::function<int64_t()> source);

    // The wire. Feed takes what the PC sent (false when no adapter is there to take it);
    // Take hands out what the adapter answered.
    bool Feed(const uint8_t* data, int count);
    int Pending() const;
    int Take(uint8_t* buffer, int count);
    // The PC empties its receive queue. A junk stream refills it at once.
    void DiscardOutput();
    bool StreamsJunk() const { return Plan.Junk; }

    void SetFaultPlan(const TFaultPlan& plan);
    int ReplyCount() const { return Replies; }
    // Complete requests seen with this command byte.
    int RequestCount(uint8_t command) const { return Requests[command]; }

    // A working sampler: appends one log record into the large memory's ring, stamped with
    // the Connector clock, and moves the write marker behind it.
    void AppendDemoRecord();
    // Fills the ring with count records, the newest stamped now and the older ones
    // spread back in time, as if the sampler had been at work for a while. The "CLEAR"
    // record of a freshly cleared log is dated back to before them.
    void PrefillDemoRecords(int count, int spacingSeconds = 600);
    // The program the demo sampler follows: a sample each period, a bottle change after so
    // many samples.
    void SetDemoProgram(uint32_t samplingPeriod, int samplesPerBottle);
    // Slot the next demo record goes to.
    int NextLogSlot() const;

private:
    void HandleRequest(const std::vector<uint8_t>& request);
    void Emit(std::vector<uint8_t> payload, TReplyFault fault);
    TReplyFault DrawFault();
    void TopUpJunk();
    int64_t Elapsed() const;
    void WriteDemoRecord(uint32_t time);

    TKind Kind;
    bool Plugged = true;
    bool VanishPending = false; // gone once the last reply has been taken
    int Generation = 1;
    std::vector<uint8_t> Small;
    std::vector<uint8_t> Large;

    uint32_t ClockBase = 0;
    int64_t ClockBaseElapsed = 0;
    QElapsedTimer Timer;
    std::function<int64_t()> ElapsedSource;

    std::vector<uint8_t> Input;
    std::deque<uint8_t> Output;
    TFaultPlan Plan;
    std::mt19937 Random;
    int Replies = 0;
    std::array<int, 256> Requests{};

    std::mt19937 DemoRandom{7200};
    int DemoSample = 0;
    uint32_t DemoPeriod = 3600;
    int DemoPerBottle = 4;
    uint32_t DemoLast = 0; // time of the last demo record
    double DemoLevel = -1;
    bool DemoChanged = false;
};
