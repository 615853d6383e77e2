#pragma once
// TFormRS232: owns the PC's serial port for the whole process; never shown. COMn is the device
// of OVIS_COMn, else of the program setting "COMn", else /dev/ttyS{n-1}.
#include <QObject>

#include "link/delay.h"
#include "link/rs232_port.h"
#include "link/termios_serial_port.h"

namespace ovis {
class SystemParameters;
}

namespace ovis::gui {

class TFormRS232 final : public QObject {
    Q_OBJECT
public:
    explicit TFormRS232(const SystemParameters& parameters, QObject* parent = nullptr);

    Rs232Port& Port() { return port_; }

private:
    TermiosSerialPort device_;
    SleepingDelay delay_;
    Rs232Port port_;
};

}  // namespace ovis::gui
