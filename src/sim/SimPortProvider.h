#pragma once

#include "PortProvider.h"

#include <QString>
#include <memory>

class TConnectorModel;

// The machine's bus with the simulated adapter on it: found while plugged in, and every
// port it creates talks to the one shared model.
class TSimPortProvider : public TPortProvider {
public:
    explicit TSimPortProvider(std::shared_ptr<TConnectorModel> model,
                              const QString& description = QStringLiteral("USB LIMNASET Adapter"));

    bool FindDevice(const QString& description, int& index) override;
    std::unique_ptr<TUart> CreatePort() override;

    // Pulls the adapter out of the USB socket, or plugs it back in.
    void SetPlugged(bool plugged);
    bool IsPlugged() const;
    const std::shared_ptr<TConnectorModel>& Model() const { return SharedModel; }

    // Device searches made and ports created, for tests that check reuse.
    int Searches = 0;
    int PortsCreated = 0;

private:
    std::shared_ptr<TConnectorModel> SharedModel;
    QString Description;
};
