#pragma once
// What the main window's project commands ask of other subsystems. The defaults do nothing, so
// the shell works before the serial port and the LED simulation are attached.
namespace ovis {

class ShellHooks {
public:
    virtual ~ShellHooks() = default;
    // Closes and opens the serial port with the settings of the project just loaded.
    virtual void ReopenSerialPort() {}
    // Stops the start view's LED simulation when it runs.
    virtual void StopStartViewSimulation() {}
};

}  // namespace ovis
