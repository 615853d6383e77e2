#include "link/interface_actions.h"

#include "project/system_parameters.h"
#include "link/firmware_image.h"
#include "link/interface_commands.h"
#include "records/io_error.h"

namespace ovis {
namespace ls = link_state;

namespace {

constexpr int kConnectionTimerMs = 50;

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

bool Ask(const std::function<bool()>& hook) { return hook && hook(); }

// True when the window an action ends in exists; otherwise the user is told it comes later.
template <typename Hook>
bool Built(const Hook& hook, Dialogs& dialogs) {
    if (hook) return true;
    dialogs.Information(kLaterVersionNote);
    return false;
}

}  // namespace

InterfaceActions::InterfaceActions(Link& link, Dialogs& dialogs, ActionTimer& timer, ProgressWindows& progressWindows,
                                   OpenEditors& editors, const SystemParameters& parameters,
                                   std::function<std::filesystem::path()> baseDirectory, InterfaceActionHooks hooks)
    : link_(link),
      dialogs_(dialogs),
      timer_(timer),
      progressWindows_(progressWindows),
      editors_(editors),
      parameters_(parameters),
      baseDirectory_(std::move(baseDirectory)),
      hooks_(std::move(hooks)) {}

std::uint8_t InterfaceActions::Address() const { return std::uint8_t(parameters_.InterfaceNumber()); }

void InterfaceActions::StartAction(ActionTag tag) {
    link_.SetResult(LinkResult::ConnectRequested);
    tag_ = tag;
    timer_.Start(kConnectionTimerMs);
}

void InterfaceActions::InterfaceNeukonfigurationClick() {
    if (!linkIdle_ || !Built(hooks_.transferConfiguration, dialogs_)) return;
    ActionTag tag;
    switch (dialogs_.Show(BoxKind::Question, kConfigureWithoutBackupQuestion, Buttons::YesNoCancel)) {
        case Answer::Yes: tag = ActionTag::Configure; break;
        case Answer::No:
            if (dialogs_.Show(BoxKind::Question, kConfigureWithBackupQuestion, Buttons::YesCancel) != Answer::Yes) return;
            tag = ActionTag::ConfigureWithBackup;
            break;
        default: return;
    }
    if (!CheckUnsavedInput(editors_, dialogs_)) return;
    StartAction(tag);
    link_.Port().ReopenPort();
}

void InterfaceActions::InterfaceResetClick() {
    if (!linkIdle_) return;
    switch (dialogs_.Show(BoxKind::Question, kResetQuestion, Buttons::YesNoCancel)) {
        case Answer::Yes:
            if (!Built(hooks_.openOnlineAnalyser, dialogs_)) return;
            StartAction(ActionTag::ResetWithAnalyser);
            break;
        case Answer::No: StartAction(ActionTag::Reset); break;
        default: return;
    }
    link_.Port().ReopenPort();
}

void InterfaceActions::InterfaceProgrammierungClick() {
    if (!linkIdle_) return;
    if (dialogs_.Show(BoxKind::Warning, kSoftwareUpdateQuestion, Buttons::YesNo) == Answer::Yes)
        StartAction(ActionTag::SoftwareUpdate);
}

void InterfaceActions::AnsichtAnalyserClick(bool fromProjectOpen) {
    if (fromProjectOpen) Call(hooks_.closeAnalyser);
    if (!linkIdle_) {
        Call(hooks_.raiseAnalyser);
        return;
    }
    if (Ask(hooks_.analyserOnline) || !Built(hooks_.openOnlineAnalyser, dialogs_)) return;
    StartAction(ActionTag::AnalyserOnline);
    link_.Port().ReopenPort();
}

void InterfaceActions::VisualisierungClick() {
    if (!linkIdle_ || Ask(hooks_.visualisationOpen) || !Built(hooks_.openOnlineVisualisation, dialogs_)) return;
    StartAction(ActionTag::VisualisationOnline);
}

void InterfaceActions::AnsichtCounterClick() {
    if (!linkIdle_) {
        Call(hooks_.raiseCounterWindow);
        return;
    }
    if (Ask(hooks_.counterWindowOpen) || !Built(hooks_.openCounterWindow, dialogs_)) return;
    {
        auto progress = progressWindows_.Open("Verbindungsaufbau zum Interface");
        linkIdle_ = false;
        link_.ClearAbort();
        link_.FinishExchange();
    }
    Call(hooks_.openCounterWindow);
}

void InterfaceActions::Timer1Timer() {
    timer_.Stop();
    actionCompleted_ = false;
    if (link_.Result() == LinkResult::ConnectRequested) {
        auto progress = progressWindows_.Open("Verbindungsaufbau zur Ovis");
        linkIdle_ = false;
        Call(hooks_.clearOnlineStates);
        link_.ClearAbort();
        link_.SetResult(LinkResult::Ok);
        link_.SetState(ls::kDone);
        link_.RelayFiles().ClearRecordsPending();
        Call(hooks_.resetFolderIndex);
        link_.FinishExchange();
        if (Ok()) RunAction(progress);
    }
    lastCompleted_ = actionCompleted_;
    link_.ClearAbort();
    link_.SetResult(LinkResult::Ok);
    linkIdle_ = true;
}

void InterfaceActions::RunAction(std::unique_ptr<ProgressWindow>& progress) {
    try {
        switch (tag_) {
            case ActionTag::AnalyserOnline:
                progress.reset();
                StartOnlineAnalyser();
                break;
            case ActionTag::VisualisationOnline:
                progress.reset();
                StartOnlineVisualisation();
                break;
            case ActionTag::Configure:
            case ActionTag::ConfigureWithBackup: RunConfiguration(progress); break;
            case ActionTag::ResetWithAnalyser:
            case ActionTag::Reset: RunReset(progress); break;
            case ActionTag::SoftwareUpdate: RunSoftwareUpdate(*progress); break;
            case ActionTag::None: break;
        }
    } catch (const IoError& e) {
        progress.reset();
        dialogs_.Error(e.what());
    }
}

void InterfaceActions::ProgressSteps(ProgressWindow& progress, int maximum, int stepMs) {
    progress.SetMaximum(maximum);
    for (int position = 0; position <= maximum; ++position) {
        if (position > 0) link_.WaitMs(stepMs);
        progress.SetPosition(position);
        link_.MessagePump().ProcessPendingMessages();
        if (link_.AbortRequested()) {
            link_.SetResult(LinkResult::Aborted);
            return;
        }
    }
}

void InterfaceActions::RunReset(std::unique_ptr<ProgressWindow>& progress) {
    progress->SetStepText("Reset der Ovis");
    const std::uint8_t zero[] = {0};
    link_.Prepare(Address(), command::kMemoryWrite, MemoryWritePayload(MemoryArea::Configuration, kResetAddress, zero));
    link_.SendTelegram();
    if (Ok()) {
        link_.WaitMs(100);
        link_.Prepare(Address(), command::kReset);
        link_.SendTelegram();
    }
    if (Ok()) link_.FinishExchange();
    if (Ok()) ProgressSteps(*progress, 17, 100);
    progress.reset();
    if (!Ok()) return;
    if (tag_ == ActionTag::ResetWithAnalyser)
        StartOnlineAnalyser();
    else
        actionCompleted_ = true;
}

void InterfaceActions::SendOnlineStart() {
    const int count = hooks_.onlineMessageCount ? hooks_.onlineMessageCount() : 0;
    link_.Prepare(Address(), command::kOnlineStart, OnlineStartPayload(count));
    link_.SendTelegram();
}

void InterfaceActions::StartOnlineAnalyser() {
    Call(hooks_.openOnlineAnalyser);
    SendOnlineStart();
    if (!Ok()) return;
    Call(hooks_.startAnalyserPoll);
    actionCompleted_ = true;
}

void InterfaceActions::StartOnlineVisualisation() {
    Call(hooks_.openOnlineVisualisation);
    SendOnlineStart();
    if (!Ok()) return;
    Call(hooks_.startVisualisationTimer);
    actionCompleted_ = true;
}

void InterfaceActions::RunConfiguration(std::unique_ptr<ProgressWindow>& progress) {
    progress->SetStepText("Ovis wird konfiguriert");
    const bool withBackup = tag_ == ActionTag::ConfigureWithBackup;
    const bool failed = hooks_.transferConfiguration ? hooks_.transferConfiguration(withBackup, *progress) : true;
    if (!failed && withBackup && Ok()) {
        progress.reset();
        progress = progressWindows_.Open("Daten werden programmiert");
        link_.Prepare(Address(), command::kReset);
        if (SendOnce()) ProgressSteps(*progress, 110, 100);
    }
    progress.reset();
    actionCompleted_ = !failed && Ok();
}

bool InterfaceActions::SendOnce() {
    link_.SetState(ls::kSendRequest);
    link_.Exchange();
    if (link_.AbortRequested()) {
        link_.SetResult(LinkResult::Aborted);
        return false;
    }
    if (!link_.FrameConfirmed()) {
        if (Ok()) link_.SetResult(LinkResult::TimedOut);
        dialogs_.Warning(kInterfaceNotRespondingText);
        return false;
    }
    // Taken by the Interface, even when its closing "," was lost.
    link_.SetResult(LinkResult::Ok);
    return true;
}

void InterfaceActions::RunSoftwareUpdate(ProgressWindow& progress) {
    progress.SetStepText("Programm wird gelöscht ...");
    auto image = LoadFirmwareImage(firmwareFile_.empty() ? FirmwareFileIn(baseDirectory_()) : firmwareFile_);
    if (!image) return;

    link_.Prepare(Address(), command::kPrepare);
    link_.SendTelegram();
    link_.WaitMs(50);
    if (!Ok()) return;

    link_.Prepare(Address(), command::kUpdateStart);
    link_.SendTelegram();
    link_.WaitMs(1000);

    progress.SetStepText("Programm wird übertragen ...");
    progress.SetMaximum(kFirmwareBlockCount);
    progress.SetPosition(0);
    for (int k = 0; k < kFirmwareBlockCount && Ok(); ++k) {
        const auto block = FirmwareBlock(*image, k);
        link_.Prepare(Address(), command::kMemoryWrite,
                      MemoryWritePayload(MemoryArea::Firmware, FirmwareBlockAddress(k), block));
        link_.SendTelegram();
        link_.WaitMs(10);
        progress.SetPosition(k + 1);
    }
    if (Ok()) {
        const std::uint8_t address[] = {Address()};
        link_.Prepare(Address(), command::kMemoryWrite,
                      MemoryWritePayload(MemoryArea::Firmware, kAddressPatchAddress, address));
        link_.SendTelegram();
        link_.WaitMs(10);
    }
    if (!Ok()) return;
    progress.SetStepText("Interface wird programmiert ...");
    progress.SetMaximum(100);
    progress.SetPosition(0);
    link_.Prepare(Address(), command::kProgramFirmware);
    if (!SendOnce()) return;
    // The Interface programs itself; the PC only waits.
    ProgressSteps(progress, 100, 100);
    actionCompleted_ = Ok();
}

}  // namespace ovis
