#include "SimPortProvider.h"

#include "ConnectorModel.h"
#include "SimUart.h"

TSimPortProvider::TSimPortProvider(std::shared_ptr<TConnectorModel> model,
                                   const QString& description)
    : SharedModel(std::move(model)), Description(description) {}

bool TSimPortProvider::FindDevice(const QString& description, int& index) {
    ++Searches;
    if (!SharedModel->IsPlugged() || description != Description) return false;
    index = 0;
    return true;
}

std::unique_ptr<TUart> TSimPortProvider::CreatePort() {
    ++PortsCreated;
    return std::make_unique<TSimUart>(SharedModel, Description);
}

void TSimPortProvider::SetPlugged(bool plugged) {
    SharedModel->SetPlugged(plugged);
}

bool TSimPortProvider::IsPlugged() const {
    return SharedModel->IsPlugged();
}
