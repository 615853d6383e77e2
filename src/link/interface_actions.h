#pragma once
// The actions the main window starts on the Interface: connection set-up, reset,
// reconfiguration, software update, the online starts. A menu handler records the action in
// ActionTag and starts the connection timer; its tick (Timer1Timer) connects and runs it.
#include <filesystem>
#include <functional>
#include <memory>

#include "link/link.h"
#include "link/open_editors.h"
#include "link/progress.h"
#include "platform/dialogs.h"

namespace ovis {

class SystemParameters;

enum class ActionTag : int {
    None = 0,
    AnalyserOnline = 1,
    VisualisationOnline = 2,
    Configure = 4,            // without data backup
    ResetWithAnalyser = 5,
    SoftwareUpdate = 6,
    ConfigureWithBackup = 7,  // then program the data
    Reset = 8,
};

inline constexpr const char* kConfigureWithoutBackupQuestion = "Ovis konfigurieren  o h n e  Datensicherung ?";
inline constexpr const char* kConfigureWithBackupQuestion = "Ovis konfigurieren mit Datensicherung ?";
inline constexpr const char* kResetQuestion = "Ovis Reset mit Analyser (Online)?";
inline constexpr const char* kSoftwareUpdateQuestion =
    "Soll wirklich ein Software-UpDate (Flash-EPROM) des Interfaces durchgeführt werden???\r"
    "         Hiermit werden nicht die Daten der Meldungen zum Interface übertragen!!!";

// The main window's connection timer (Timer1).
class ActionTimer {
public:
    virtual ~ActionTimer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};

// What the actions hand to the windows of other subsystems. Unset hooks do nothing. An action
// whose window or image is not built yet (unset `transferConfiguration`, `openOnlineAnalyser`,
// `openOnlineVisualisation` or `openCounterWindow`) shows `kLaterVersionNote` and leaves the link
// idle and the Interface out of online mode.
struct InterfaceActionHooks {
    std::function<void()> clearOnlineStates;  // the analyser's online message states
    std::function<void()> resetFolderIndex;   // the current folder of the evaluation
    // Builds and transfers the configuration image; true when it failed.
    std::function<bool(bool withBackup, ProgressWindow& progress)> transferConfiguration;
    std::function<bool()> analyserOnline;
    std::function<void()> closeAnalyser;
    std::function<void()> raiseAnalyser;
    std::function<void()> openOnlineAnalyser;  // maximised when it was before
    std::function<void()> startAnalyserPoll;
    std::function<bool()> visualisationOpen;
    std::function<void()> openOnlineVisualisation;
    std::function<void()> startVisualisationTimer;
    std::function<bool()> counterWindowOpen;
    std::function<void()> raiseCounterWindow;
    std::function<void()> openCounterWindow;
    std::function<int()> onlineMessageCount;  // I/O messages plus LED messages
};

class InterfaceActions {
public:
    InterfaceActions(Link& link, Dialogs& dialogs, ActionTimer& timer, ProgressWindows& progressWindows,
                     OpenEditors& editors, const SystemParameters& parameters,
                     std::function<std::filesystem::path()> baseDirectory, InterfaceActionHooks hooks = {});

    bool LinkIdle() const { return linkIdle_; }
    void SetLinkIdle(bool idle) { linkIdle_ = idle; }
    ActionTag Tag() const { return tag_; }
    // Whether the last action of Timer1Timer ran to its end (connected, nothing timed out,
    // not aborted, the firmware found).
    bool LastActionCompleted() const { return lastCompleted_; }

    // Menu handlers; each returns at once while the link is busy.
    void InterfaceNeukonfigurationClick();
    void InterfaceResetClick();
    void InterfaceProgrammierungClick();
    void AnsichtAnalyserClick(bool fromProjectOpen = false);
    void VisualisierungClick();
    void AnsichtCounterClick();

    // Requests an action: LinkResult := ConnectRequested, ActionTag, Timer1 with 50 ms.
    void StartAction(ActionTag tag);
    // The connection timer's tick: connect, run the action, free the link.
    void Timer1Timer();

    // The firmware file of the software update; IFACE.BIN of the base directory unless set.
    void SetFirmwareFile(std::filesystem::path file) { firmwareFile_ = std::move(file); }

    // The image transfer of "Neukonfiguration" (set by who knows the project's tables).
    void SetTransferConfiguration(std::function<bool(bool withBackup, ProgressWindow& progress)> transfer) {
        hooks_.transferConfiguration = std::move(transfer);
    }

    // Command 7 with the number of online messages.
    void SendOnlineStart();

private:
    void RunAction(std::unique_ptr<ProgressWindow>& progress);
    void RunReset(std::unique_ptr<ProgressWindow>& progress);
    void RunConfiguration(std::unique_ptr<ProgressWindow>& progress);
    void RunSoftwareUpdate(ProgressWindow& progress);
    // Sends the prepared telegram with one exchange, no repetition; true when the Interface
    // confirmed it. Otherwise "Das Interface reagiert nicht!!!" (unless aborted) and the result
    // stays not Ok.
    bool SendOnce();
    void StartOnlineAnalyser();
    void StartOnlineVisualisation();
    // Positions 0 to `maximum`, `stepMs` apart; "Abbrechen" ends them early.
    void ProgressSteps(ProgressWindow& progress, int maximum, int stepMs);
    bool Ok() const { return link_.Result() == LinkResult::Ok; }
    std::uint8_t Address() const;

    Link& link_;
    Dialogs& dialogs_;
    ActionTimer& timer_;
    ProgressWindows& progressWindows_;
    OpenEditors& editors_;
    const SystemParameters& parameters_;
    std::function<std::filesystem::path()> baseDirectory_;
    InterfaceActionHooks hooks_;
    std::filesystem::path firmwareFile_;
    bool linkIdle_ = true;
    ActionTag tag_ = ActionTag::None;
    bool lastCompleted_ = false;
    bool actionCompleted_ = false;
};

}  // namespace ovis
