#pragma once
// The link as the main window drives it: the serial port, the telegram exchange, the Interface
// actions with their progress windows, the connection timer (Timer1) and the 100 ms
// housekeeping timer (Timer2). The main window owns one instance and connects its "Ovis" menu
// items and buttons to the slots.
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "link/delay.h"
#include "link/gui/Zel_Global.h"
#include "link/gui/Zel_RS232.h"
#include "platform/gui/qt_pump.h"
#include "link/housekeeping.h"
#include "link/interface_actions.h"
#include "link/link.h"

namespace ovis::gui {

class LinkController final : public QObject, private ActionTimer {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        const SystemParameters& parameters;
        std::function<std::filesystem::path()> baseDirectory;
        OpenEditors& editors;
        InterfaceActionHooks actionHooks = {};
        HousekeepingHooks housekeepingHooks = {};
        QWidget* window = nullptr;  // parent of the progress windows
    };

    explicit LinkController(Context context, QObject* parent = nullptr);

    Link& link() { return *link_; }
    InterfaceActions& actions() { return *actions_; }
    TFormRS232& rs232() { return rs232_; }
    ProgressWindows& progressWindows() { return progress_; }
    QTimer& Timer1() { return timer1_; }
    QTimer& Timer2() { return timer2_; }

    // First showing of the main window: the relay files (not on a Client) and the housekeeping
    // timer with Tag 0.
    void FormShow();
    // Starts the housekeeping timer with a Tag ("Übernehmen" of the message selection: 2, 10 ms).
    void StartTimer2(int tag, int intervalMs);

public slots:
    void InterfaceNeukonfigurationClick() { actions_->InterfaceNeukonfigurationClick(); }
    void InterfaceResetClick() { actions_->InterfaceResetClick(); }
    void InterfaceProgrammierungClick() { actions_->InterfaceProgrammierungClick(); }
    void AnsichtAnalyserClick() { actions_->AnsichtAnalyserClick(); }
    void AnsichtCounterClick() { actions_->AnsichtCounterClick(); }
    void VisualisierungClick() { actions_->VisualisierungClick(); }
    void Timer1Timer() { actions_->Timer1Timer(); }
    void Timer2Timer();

private:
    void Start(int intervalMs) override;
    void Stop() override { timer1_.stop(); }

    Context context_;
    TFormRS232 rs232_;
    SleepingDelay delay_;
    QtPump pump_;
    std::unique_ptr<Link> link_;
    QtProgressWindows progress_;
    std::unique_ptr<InterfaceActions> actions_;
    Housekeeping housekeeping_;
    QTimer timer1_, timer2_;
    int timer2Tag_ = 0;
};

}  // namespace ovis::gui
