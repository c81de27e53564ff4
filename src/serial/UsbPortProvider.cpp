#include "UsbPortProvider.h"

#include "AdapterDiagnosis.h"
#include "UsbUart.h"

bool TUsbPortProvider::FindDevice(const QString& description, int& index) {
    return TUsbUart::FindDevice(description, index);
}

std::unique_ptr<TUart> TUsbPortProvider::CreatePort() {
    return std::make_unique<TUsbUart>();
}

QString TUsbPortProvider::WhyNotFound(const QString& description) {
    return TAdapterDiagnosis().Explain(description);
}
