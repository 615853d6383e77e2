#pragma once
// The Pump of the windows: processes pending events inside the link's loops, so that the
// progress window's "Abbrechen" and the timers stay live. It runs the event loop at most every
// two milliseconds; the steps between cost nothing.
#include <QElapsedTimer>

#include "platform/pump.h"

namespace ovis::gui {

class QtPump final : public Pump {
public:
    QtPump() { sinceLast_.start(); }
    void ProcessPendingMessages() override;

private:
    QElapsedTimer sinceLast_;
};

}  // namespace ovis::gui
