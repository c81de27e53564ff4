#include "KelbAdapter.h"

#include "InternalError.h"
#include "KelbProtocol.h"
#include "LinkMonitor.h"
#include "PortProvider.h"
#include "Uart.h"
#include "UsbPortProvider.h"

#include <vector>

namespace {

using namespace kelb;
constexpr int Attempts = 5;

} // namespace

TKelbAdapter::TKelbAdapter(std::shared_ptr<TPortProvider> provider)
    : AdapterDescription(QStringLiteral("USB LIMNASET Adapter")), Provider(std::move(provider)) {
    if (!Provider) Provider = std::make_shared<TUsbPortProvider>();
}

TKelbAdapter::~TKelbAdapter() = default;

bool TKelbAdapter::Connect() {
    if (Port) {
        if (Port->IsOpen()) return true;
        // Only open ports are ever stored.
        throw TInternalError::OnFile("KelbAdapter", 137);
    }
    std::unique_ptr<TUart> port = Provider->CreatePort();
    int index = -1;
    if (!Provider->FindDevice(AdapterDescription, index)) return false;
    if (!port->Open(index)) return false;
    TUartSettings settings;
    settings.BaudRate = 19200;
    settings.DataBits = 8;
    settings.StopBits = TStopBits::One;
    settings.Parity = TParity::None;
    settings.FlowControl = TFlowControl::None;
    // Some bridges refuse parts of the line setup; the adapter answers regardless.
    port->SetSettings(settings);
    port->SetTimeouts(300, 20);
    port->Purge();
    Port = std::move(port);
    return true;
}

QString TKelbAdapter::WhyNoAdapter() const {
    return Provider->WhyNotFound(AdapterDescription);
}

void TKelbAdapter::Disconnect() {
    Port.reset();
}

bool TKelbAdapter::SendFrame(const uint8_t* request, int count) {
    if (!Connect()) return false;
    std::vector<uint8_t> frame;
    frame.reserve(count + 1);
    frame.push_back(RequestStart);
    frame.insert(frame.end(), request, request + count);
    // Drops the tail of an earlier, broken reply.
    Port->Purge();
    if (Port->Write(frame.data(), int32_t(frame.size())) < int32_t(frame.size())) {
        if (Monitor) Monitor->TraceText(QStringLiteral("Unable send\n"));
        // The adapter may be gone: the next attempt searches for it afresh.
        Disconnect();
        return false;
    }
    if (Monitor) Monitor->TraceData(TLinkMonitor::RequestSent, request, count);
    return true;
}

bool TKelbAdapter::ReceiveFrame(uint8_t* reply, int count) {
    if (!Connect()) return false;
    if (Port->Read(reply, 1) != 1) return false;
    if (reply[0] != ReplyStart) {
        if (Monitor) Monitor->TraceData(TLinkMonitor::BadReply, reply, 1);
        return false;
    }
    const int32_t received = Port->Read(reply, count);
    if (received == 0) {
        if (Monitor) Monitor->TraceText(QStringLiteral("Rx timeout\n"));
        return false;
    }
    if (received < count) {
        if (Monitor) Monitor->TraceData(TLinkMonitor::BadReply, reply, received);
        return false;
    }
    if (Monitor) Monitor->TraceData(TLinkMonitor::ReplyReceived, reply, count);
    return true;
}

bool TKelbAdapter::Transact(const uint8_t* request, int requestCount, uint8_t* reply,
                            int replyCount) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (attempt > 0) {
            ++RetryCount;
            if (OnRetry) OnRetry();
        }
        if (SendFrame(request, requestCount) && ReceiveFrame(reply, replyCount)) return true;
    }
    return false;
}
