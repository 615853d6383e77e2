#include "link/rs232_port.h"

#include "project/system_parameters.h"
#include "link/baud_rates.h"

namespace ovis {

Rs232Port::Rs232Port(SerialPort& device, std::function<PortSettings()> settings, DevicePathResolver devicePath,
                     Delay& delay)
    : device_(device), settings_(std::move(settings)), devicePath_(std::move(devicePath)), delay_(delay) {}

Rs232Port::Rs232Port(SerialPort& device, const SystemParameters& parameters, DevicePathResolver devicePath,
                     Delay& delay)
    : Rs232Port(
          device, [&parameters] { return PortSettings{parameters.PortNumber(), parameters.PcBaudFactor()}; },
          std::move(devicePath), delay) {}

int Rs232Port::SelectedBaud() const { return kBaudRates[std::size_t(baudIndex_)]; }

void Rs232Port::ReopenPort() {
    if (PortIsOpen()) ClosePort();
    baudIndex_ = BaudIndexForFactor(settings_().baudFactor, baudIndex_);
    OpenPort();
}

bool Rs232Port::OpenPort() {
    if (PortIsOpen()) return true;
    const int portNumber = settings_().portNumber;
    auto path = devicePath_(portNumber);
    if (!path) {
        Fail("Zur Schnittstellennummer " + std::to_string(portNumber) + " gibt es keine Schnittstelle.");
        return false;
    }
    const std::string opening = "Die Schnittstelle \"" + *path + "\" kann nicht geöffnet werden: ";
    if (!device_.Open(*path)) {
        Fail(opening + device_.OpenFailure() + ".");
        return false;
    }
    ConfigurePort();
    if (!PortIsOpen()) {
        Fail(opening + "sie nimmt die Leitungseinstellungen (" + std::to_string(SelectedBaud()) +
             " Baud, 7 Datenbits, keine Parität, 2 Stoppbits) nicht an.");
        return false;
    }
    openFailure_.clear();
    return true;
}

void Rs232Port::Fail(const std::string& message) {
    if (message == openFailure_) return;
    openFailure_ = message;
    if (report_) report_(message);
}

void Rs232Port::ConfigurePort() {
    if (!PortIsOpen()) return;
    // A device that takes no line settings is no serial port: it stays closed.
    if (!device_.Configure(SelectedBaud())) {
        device_.Close();
        return;
    }
    PurgePort(true, true);
}

void Rs232Port::PurgePort(bool rx, bool tx) {
    if (PortIsOpen()) device_.Purge(rx, tx);
}

void Rs232Port::ClosePort() {
    if (PortIsOpen()) device_.Close();
}

bool Rs232Port::WriteByte(std::uint8_t byte) {
    if (!PortIsOpen()) return false;
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        if (device_.WriteOnce(byte)) return true;
        delay_.Pause(std::chrono::milliseconds(1));
    }
    return false;
}

bool Rs232Port::ReadByte(std::uint8_t& byte) {
    if (!PortIsOpen()) return false;
    LineStatus status = device_.Status();
    if (!status.readable) return false;
    if (status.bytesWaiting > 0) return device_.ReadOne(byte);
    return status.errorPending;
}

void Rs232Port::WaitForInput(std::chrono::microseconds timeout) {
    if (PortIsOpen()) device_.WaitForInput(timeout);
}

}  // namespace ovis
