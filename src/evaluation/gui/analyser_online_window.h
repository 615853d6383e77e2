#pragma once
// The analyser in online mode: the names and the sweeping diagram of the chosen folder, the
// "Ordner:" and "Meldung:" panel, the 50 ms tick that steps the diagram and polls the live
// event stream, "Takt" and "Start/Stop", and the deferred close that ends the online connection.
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

#include "evaluation/analyser_online_model.h"

class QAction;
class QComboBox;
class QLabel;

namespace ovis::gui {

class OnlineChart;

class TFormAnalyserOnline : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 632;
    static constexpr int kNormalHeight = 425;
    static constexpr int kCloseRetryMs = 100;

    // `folderNames`: the names of folders 0 to 13 (screen text); `folder` the chosen one;
    // `nameOf`: the name of an online message (record bytes).
    TFormAnalyserOnline(OnlineSource& source, AnalyserRows rows, const QStringList& folderNames, int folder,
                        std::function<std::string(int)> nameOf, QWidget* parent = nullptr);
    ~TFormAnalyserOnline() override;

    // Starts the poll timer (after command 7 was sent).
    void StartPolling();
    void Timer1Timer();
    void Takt1Click();
    void StartStop1Click();

    const AnalyserOnlineModel& Model() const { return model_; }
    QLabel* EventLabel() const { return event_; }
    QComboBox* FolderList() const { return folders_; }
    QAction* Action(const char* objectName) const;
    QTimer& Timer1() { return timer1_; }

    std::function<void(int context)> showHelp;
    // Another folder was chosen in "Ordner:": the analyser closes and reconnects with it.
    std::function<void(int folder)> onFolderChosen;
    // The window closed after the online connection ended.
    std::function<void()> onClosed;

protected:
    // Maximised, N follows the screen width (60, 80 or 110 columns); restored, the fixed size and 60.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::int64_t NowMs() const;

    OnlineSource& source_;
    AnalyserOnlineModel model_;
    std::function<std::string(int)> nameOf_;
    OnlineChart* chart_ = nullptr;
    QComboBox* folders_ = nullptr;
    QLabel* event_ = nullptr;
    QTimer timer1_;
    QTimer closeRetry_;
    bool ending_ = false;
    bool inTick_ = false;
    bool ended_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace ovis::gui
