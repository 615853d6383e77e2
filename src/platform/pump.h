#pragma once
// "Process pending window messages" inside long loops: the GUI handles its events,
// the command line and the tests do nothing or check for an abort.
namespace ovis {

class Pump {
public:
    virtual ~Pump() = default;
    virtual void ProcessPendingMessages() = 0;
};

class NullPump final : public Pump {
public:
    void ProcessPendingMessages() override {}
};

}  // namespace ovis
