#pragma once
// TFormCounterOnline: the counter table with the live Stand values read from the Interface every
// 50 ms (Timer1), and the deferred close (Timer2) that waits for the reading to stop before the
// online connection ends.
#include <QTimer>
#include <QWidget>
#include <functional>

#include "link/interface_actions.h"
#include "link/link.h"
#include "link/progress.h"
#include "project/message_tables.h"

class QTableWidget;

namespace ovis::gui {

class TFormCounterOnline : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 742;
    static constexpr int kClientHeight = 403;
    static constexpr int kHelpContext = 4001;
    static constexpr int kHilfeContext = 12002;
    static constexpr int kTimerMs = 50;

    struct Services {
        Link& link;
        InterfaceActions& actions;
        ProgressWindows& progressWindows;
        CounterTable& counters;
        std::function<std::uint8_t()> address;          // Nummer
        std::function<int()> firstCounterNumber;        // I/O plus LED messages plus 1
        std::function<void(int context)> showHelp;
        std::function<void(bool open)> openChanged;     // the main window's holds and images
    };

    explicit TFormCounterOnline(Services services, QWidget* parent = nullptr);

    void FormShow();
    void Timer1Timer();
    void Timer2Timer();
    void SchliessenClick() { close(); }
    void Hilfe1Click();

    QTableWidget* Grid() const { return grid_; }
    QTimer& Timer1() { return timer1_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillRows();

    Services services_;
    QTableWidget* grid_ = nullptr;
    QTimer timer1_, timer2_;
    bool reading_ = false;
    bool inTick_ = false;
    bool closing_ = false;
};

}  // namespace ovis::gui
