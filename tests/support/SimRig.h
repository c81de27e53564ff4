#pragma once

#include "ConnectorModel.h"
#include "KelbDevice.h"
#include "SimPortProvider.h"

#include <memory>

// The shape the program uses: a shared simulated Connector, a provider on it, a device on
// the provider.
struct TSimRig {
    explicit TSimRig(TConnectorModel::TKind kind = TConnectorModel::TKind::Large,
                     const TFaultPlan& plan = {})
        : Model(std::make_shared<TConnectorModel>(kind, plan)),
          Provider(std::make_shared<TSimPortProvider>(Model)), Device(Provider) {}

    // True when the detection worked and found a Connector.
    bool Detect() {
        bool present = false;
        return Device.DetectConnector(present) && present;
    }

    std::shared_ptr<TConnectorModel> Model;
    std::shared_ptr<TSimPortProvider> Provider;
    TKelbDevice Device;
};
