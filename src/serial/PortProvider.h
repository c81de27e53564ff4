#pragma once

#include <QString>
#include <memory>

class TUart;

// Where the adapter link finds and opens its port. The USB provider searches the
// machine's serial ports; a simulated adapter plugs in here instead.
class TPortProvider {
public:
    virtual ~TPortProvider() = default;
    // Exactly one device with this description: true and its index.
    virtual bool FindDevice(const QString& description, int& index) = 0;
    // A new, closed port to be opened by the index FindDevice gave.
    virtual std::unique_ptr<TUart> CreatePort() = 0;
    // Why no adapter with this description is reached, and the fix; "" when unknown.
    virtual QString WhyNotFound(const QString& description) {
        (void)description;
        return {};
    }
};
