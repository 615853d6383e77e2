#include "link/gui/link_controller.h"

#include "project/system_parameters.h"
#include "link/relay.h"

namespace ovis::gui {

LinkController::LinkController(Context context, QObject* parent)
    : QObject(parent),
      context_(std::move(context)),
      rs232_(context_.parameters, this),
      progress_([this] { link_->Cancel(); }, context_.window),
      housekeeping_(context_.housekeepingHooks) {
    link_ = std::make_unique<Link>(rs232_.Port(), context_.dialogs, pump_, delay_, [this] {
        return RelaySettingsFrom(context_.parameters, context_.baseDirectory());
    });
    ActionTimer& connectionTimer = *this;
    actions_ = std::make_unique<InterfaceActions>(*link_, context_.dialogs, connectionTimer, progress_, context_.editors,
                                                  context_.parameters, context_.baseDirectory, context_.actionHooks);
    timer1_.setObjectName("Timer1");
    timer2_.setObjectName("Timer2");
    connect(&timer1_, &QTimer::timeout, this, &LinkController::Timer1Timer);
    connect(&timer2_, &QTimer::timeout, this, &LinkController::Timer2Timer);
}

void LinkController::Start(int intervalMs) {
    timer1_.setInterval(intervalMs);
    timer1_.start();
}

void LinkController::FormShow() {
    if (!context_.parameters.IsClient()) {
        CreateRelayFiles(context_.baseDirectory(), delay_);
        link_->RelayFiles().Reset();
    }
    StartTimer2(Housekeeping::kLayOut, 100);
}

void LinkController::StartTimer2(int tag, int intervalMs) {
    timer2Tag_ = tag;
    timer2_.setInterval(intervalMs);
    timer2_.start();
}

void LinkController::Timer2Timer() {
    timer2_.stop();
    const Housekeeping::Next next = housekeeping_.Tick(timer2Tag_);
    if (next.restart) StartTimer2(next.tag, next.intervalMs);
}

}  // namespace ovis::gui
