#include "SimUart.h"

#include "ConnectorModel.h"
#include "InternalError.h"

namespace {

constexpr const char* Unit = "SimUart";
constexpr int PurgePasses = 10;

} // namespace

TSimUart::TSimUart(std::shared_ptr<TConnectorModel> model, const QString& description)
    : Model(std::move(model)), Description(description) {}

TSimUart::~TSimUart() {
    Close();
}

void TSimUart::RequireOpen(int line) const {
    if (DeviceIndex == -1) throw TInternalError::OnFile(Unit, line);
}

bool TSimUart::Alive() const {
    return DeviceIndex != -1 && Model->IsPlugged() && Model->PlugGeneration() == Generation;
}

bool TSimUart::Open(int index) {
    if (index == -1) throw TInternalError::OnFile(Unit, CheckOpenIndex);
    Close();
    // The simulated bus holds one device.
    if (index != 0 || !Model->IsPlugged()) return false;
    Generation = Model->PlugGeneration();
    DeviceIndex = index;
    return true;
}

void TSimUart::Close() {
    DeviceIndex = -1;
}

int32_t TSimUart::Write(const uint8_t* data, int32_t count) {
    RequireOpen(CheckWrite);
    if (!Alive() || !Model->Feed(data, count)) return 0;
    return count;
}

int32_t TSimUart::Read(uint8_t* buffer, int32_t count) {
    RequireOpen(CheckRead);
    if (!Alive()) return 0;
    return Model->Take(buffer, count);
}

void TSimUart::Purge() {
    RequireOpen(CheckPurge);
    for (int pass = 0; pass < PurgePasses; ++pass) {
        if (!Alive()) return;
        Model->DiscardOutput();
        if (Model->Pending() == 0) return;
    }
    // A device that keeps sending: no pause between passes, there is no line to wait for.
    throw TInternalError::OnFile(Unit, CheckPurgeFlood);
}

bool TSimUart::SetImmediateRead() {
    RequireOpen(CheckImmediateRead);
    ImmediateRead = true;
    return true;
}

void TSimUart::SetTimeouts(int32_t total, int32_t perByte) {
    RequireOpen(CheckTimeouts);
    if (total == 0 && perByte == 0) throw TInternalError::OnFile(Unit, CheckNoTimeouts);
    ImmediateRead = false;
    TimeoutTotal = ReadTotal(total, perByte);
    TimeoutPerByte = perByte;
}

bool TSimUart::SetSettings(const TUartSettings& settings) {
    RequireOpen(CheckSettings);
    if (settings.DataBits != 7 && settings.DataBits != 8) return false;
    if (settings.StopBits != TStopBits::One && settings.StopBits != TStopBits::Two) return false;
    if (settings.Parity < TParity::None || settings.Parity > TParity::Space)
        throw TInternalError::Switch(Unit, CheckParity);
    if (settings.FlowControl < TFlowControl::None || settings.FlowControl > TFlowControl::XonXoff)
        throw TInternalError::Switch(Unit, CheckFlowControl);
    Settings = settings;
    return SetImmediateRead();
}
