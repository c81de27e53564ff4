#pragma once

#include "PortProvider.h"

// Ports of the USB bridges plugged into this machine (or the device LIMNASET_PORT names).
class TUsbPortProvider : public TPortProvider {
public:
    bool FindDevice(const QString& description, int& index) override;
    std::unique_ptr<TUart> CreatePort() override;
    QString WhyNotFound(const QString& description) override;
};
