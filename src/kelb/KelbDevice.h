#pragma once

#include "ConnectorTime.h"
#include "KelbAdapter.h"

#include <cstdint>
#include <functional>

// What the Connector questions find in the adapter; Lost when the adapter stopped answering.
enum class TConnectorState { Lost, Absent, Small, Usable };

// One look at the adapter and its Connector, as the status monitor and the tool make it.
struct TConnectorProbe {
    bool Adapter = false; // the adapter told its version
    TConnectorState Connector = TConnectorState::Lost;
};

// The Connector command set on top of the adapter link.
class TKelbDevice : public TKelbAdapter {
public:
    explicit TKelbDevice(std::shared_ptr<TPortProvider> provider = {});

    // Hears the percentage of each memory transfer; empty for none.
    void SetProgress(std::function<void(int percent)> progress) {
        OnProgress = std::move(progress);
    }
    bool HasProgress() const { return bool(OnProgress); }
    // Set at any time, a signal handler included: the memory transfer under way stops after
    // its current block and tells so by Cancelled().
    std::atomic<bool>& CancelFlag() { return CancelRequested; }
    // The last memory transfer stopped on a cancel request.
    bool Cancelled() const { return WasCancelled; }
    // As the adapter told it; 0 before it answered.
    uint16_t AdapterVersion() const { return Version; }
    // The memory kind DetectConnector found; the small kind until then.
    bool SmallMemory() const { return Small; }
    int BlockSize() const { return Block; }
    int MemorySize() const { return Memory; }
    // Takes the memory kind as known without asking the adapter, as a detection would set it.
    void AssumeMemoryKind(bool large);

    bool ReadAdapterVersion();
    bool QueryConnector(bool& present);
    bool QueryMemoryKind(bool& large);
    bool DetectConnector(bool& present);
    TConnectorState ProbeConnector();
    // The adapter's version, then its Connector.
    TConnectorProbe Probe();
    // The status bar's text for the adapter, line feed included: "USB LIMNASET Adapter 1.05\n".
    QString AdapterText() const;
    bool ReadClock(TConnectorTime& time);
    bool SetClock(const TConnectorTime& time);
    bool ReadBlock(int address, uint8_t* buffer, int count);
    bool WriteBlock(int address, const uint8_t* data, int count);
    bool ReadMemory(int address, uint8_t* buffer, int length);
    bool WriteMemory(int address, const uint8_t* data, int length);

private:
    std::function<void(int percent)> OnProgress;
    std::atomic<bool> CancelRequested{false};
    bool WasCancelled = false;
    uint16_t Version = 0;
    bool Small = true;
    int32_t Block = 8;
    int32_t Memory = 256;

    // Takes up a cancel request between blocks.
    bool Stopping();
    // Sends a command by its row of the command table into a request buffer whose bytes
    // after the command byte are filled in; false when no reply came or it was refused.
    bool Send(uint8_t code, uint8_t* request, uint8_t* reply);
    // A one-byte question whose answer is yes when the adapter acknowledges.
    bool AskYesNo(uint8_t command, bool& yes);
};
