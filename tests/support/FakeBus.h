#pragma once

#include "LinkMonitor.h"
#include "PortProvider.h"
#include "Uart.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using TBytes = std::vector<uint8_t>;

// A scripted bus for link tests: records every byte written and every port call, and
// answers each written frame from a script (or, when the script has run out, from a
// responder function).
struct TFakeBus {
    struct TAnswer {
        TBytes Reply;        // bytes queued for reading after the write
        int Written = -1;    // bytes the write reports; -1 = all of them
        bool Unplug = false; // the device vanishes with this write
    };

    int Devices = 1; // devices carrying the adapter's description
    bool OpenFails = false;
    bool PurgeThrows = false;
    QString SearchedFor;

    std::deque<TAnswer> Script;
    std::function<TBytes(const TBytes& frame)> Responder;

    std::vector<TBytes> Frames; // every write, whole
    std::deque<uint8_t> Rx;
    QStringList Calls; // "search", "create", "open", "settings", "timeouts", "purge", "write",
                       // "read", "close"
    std::optional<TUartSettings> AppliedSettings;
    int TimeoutTotal = 0;
    int TimeoutPerByte = 0;

    int Count(const QString& call) const { return int(Calls.count(call)); }
};

class TFakeUart : public TUart {
public:
    explicit TFakeUart(std::shared_ptr<TFakeBus> bus) : Bus(std::move(bus)) {}
    ~TFakeUart() override { Close(); }

    bool Open(int index) override {
        Bus->Calls << "open";
        if (Bus->OpenFails || Bus->Devices != 1) return false;
        DeviceIndex = index;
        return true;
    }
    void Close() override {
        if (DeviceIndex != -1) Bus->Calls << "close";
        DeviceIndex = -1;
    }
    int32_t Write(const uint8_t* data, int32_t count) override {
        Bus->Calls << "write";
        if (Bus->Devices != 1) return 0;
        TBytes frame(data, data + count);
        Bus->Frames.push_back(frame);
        TFakeBus::TAnswer answer;
        if (!Bus->Script.empty()) {
            answer = Bus->Script.front();
            Bus->Script.pop_front();
        } else if (Bus->Responder) {
            answer.Reply = Bus->Responder(frame);
        }
        if (answer.Unplug) {
            Bus->Devices = 0;
            return 0;
        }
        Bus->Rx.insert(Bus->Rx.end(), answer.Reply.begin(), answer.Reply.end());
        return answer.Written < 0 ? count : answer.Written;
    }
    int32_t Read(uint8_t* buffer, int32_t count) override {
        Bus->Calls << "read";
        if (Bus->Devices != 1) return 0;
        int32_t n = 0;
        while (n < count && !Bus->Rx.empty()) {
            buffer[n++] = Bus->Rx.front();
            Bus->Rx.pop_front();
        }
        return n;
    }
    void Purge() override {
        Bus->Calls << "purge";
        if (Bus->PurgeThrows) throw std::runtime_error("purge");
        Bus->Rx.clear();
    }
    bool IsOpen() override { return DeviceIndex != -1; }
    bool SetImmediateRead() override { return true; }
    void SetTimeouts(int32_t total, int32_t perByte) override {
        Bus->Calls << "timeouts";
        Bus->TimeoutTotal = total;
        Bus->TimeoutPerByte = perByte;
    }
    bool SetSettings(const TUartSettings& settings) override {
        Bus->Calls << "settings";
        Bus->AppliedSettings = settings;
        return true;
    }

private:
    std::shared_ptr<TFakeBus> Bus;
};

class TFakeProvider : public TPortProvider {
public:
    explicit TFakeProvider(std::shared_ptr<TFakeBus> bus) : Bus(std::move(bus)) {}
    bool FindDevice(const QString& description, int& index) override {
        Bus->Calls << "search";
        Bus->SearchedFor = description;
        if (Bus->Devices != 1) return false;
        index = 3;
        return true;
    }
    std::unique_ptr<TUart> CreatePort() override {
        Bus->Calls << "create";
        return std::make_unique<TFakeUart>(Bus);
    }

private:
    std::shared_ptr<TFakeBus> Bus;
};

// Collects the link's trace points.
class TRecordingMonitor : public TLinkMonitor {
public:
    struct TTrace {
        int Kind;
        TBytes Bytes;
    };
    void TraceData(int kind, const uint8_t* bytes, int count) override {
        Data.push_back({kind, TBytes(bytes, bytes + count)});
    }
    void TraceText(const QString& text) override { Texts << text; }

    std::vector<TTrace> Data;
    QStringList Texts;
};
