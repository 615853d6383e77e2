#pragma once
// A pseudo-terminal for the simulator: the simulator holds the master side, the PC opens the
// slave device like a serial port.
#include <string>

namespace ovis::sim {

class PseudoTerminal {
public:
    // Opens a new pseudo-terminal; std::runtime_error when the system has none to give.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slaveKeeper_ = -1;  // keeps the slave side open, so the master never reads a hang-up
    std::string slavePath_;
};

}  // namespace ovis::sim
