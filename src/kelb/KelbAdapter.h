#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class TUart;
class TPortProvider;
class TLinkMonitor;

// The adapter link: finds the adapter, keeps its port open and exchanges
// 0x5A request / 0xA5 reply frames with five attempts per exchange.
class TKelbAdapter {
public:
    // The provider decides where ports come from: the USB bridges (default) or a simulation.
    explicit TKelbAdapter(std::shared_ptr<TPortProvider> provider = {});
    ~TKelbAdapter();
    TKelbAdapter(const TKelbAdapter&) = delete;
    TKelbAdapter& operator=(const TKelbAdapter&) = delete;

    bool Connect();
    void Disconnect();
    bool SendFrame(const uint8_t* request, int count);
    bool ReceiveFrame(uint8_t* reply, int count);
    bool Transact(const uint8_t* request, int requestCount, uint8_t* reply, int replyCount);
    // When the adapter does not answer: why, and what to do about it ("" when unknown).
    QString WhyNoAdapter() const;

    // Exchanges sent again since the count was last cleared; the listener hears each one.
    int Retries() const { return RetryCount; }
    void ClearRetries() { RetryCount = 0; }
    void SetRetryListener(std::function<void()> listener) { OnRetry = std::move(listener); }
    // Traces every frame; not owned, nullptr for none.
    void SetMonitor(TLinkMonitor* monitor) { Monitor = monitor; }
    // The USB description the adapter is found by.
    const QString& Description() const { return AdapterDescription; }
    // The open port while connected, else nullptr.
    TUart* ConnectedPort() const { return Port.get(); }

private:
    int RetryCount = 0;
    std::function<void()> OnRetry;
    std::unique_ptr<TUart> Port;
    TLinkMonitor* Monitor = nullptr;
    QString AdapterDescription;
    std::shared_ptr<TPortProvider> Provider;
};
