#pragma once
// TFormZeitintervall: "Zeitbereich festlegen" of the analyser, in event-range mode (the level of
// the marked messages over a time range) or file-limits mode (the file's begin and end). It
// closes itself when it loses the focus and is freed on close.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "evaluation/time_range.h"
#include "platform/dialogs.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimeEdit;

namespace ovis::gui {

class TFormZeitintervall : public QWidget {
    Q_OBJECT
public:
    enum class Mode { EventRange, FileLimits };
    static constexpr int kWidth = 330;
    static constexpr int kEventRangeHeight = 238;
    static constexpr int kFileLimitsHeight = 162;
    static constexpr int kHelpContext = 10005;

    // `messages`: the marked rows' messages in row order; `caption` (UTF-8) in event-range mode.
    TFormZeitintervall(Mode mode, TRecording& recording, Dialogs& dialogs, std::vector<int> messages,
                       const std::string& caption, QWidget* parent);

    void UebernehmenClick();
    void AbbrechenClick() { close(); }

    Mode GetMode() const { return mode_; }
    const TimeRange& Range() const { return range_; }
    QTimeEdit* BeginTime() const { return beginTime_; }
    QTimeEdit* EndTime() const { return endTime_; }
    QLineEdit* BeginDate() const { return beginDate_; }
    QLineEdit* EndDate() const { return endDate_; }
    QGroupBox* Box(const char* objectName) const;
    QAction* Action(const char* objectName) const;

    // After "Übernehmen" changed the recording.
    std::function<void()> onApplied;
    std::function<void(int context)> showHelp;

protected:
    bool event(QEvent* event) override;

private:
    QGroupBox* EditBox(const QString& title, const char* objectName, QLineEdit*& date, QTimeEdit*& time);
    QGroupBox* FileBox(const QString& title, const char* objectName, const TTimeStamp& stamp);
    void TimeChanged();
    void ShowDates();
    // A message box; the dialog does not close while it is up.
    void Tell(BoxKind kind, const std::string& text);

    Mode mode_;
    TRecording& recording_;
    Dialogs& dialogs_;
    std::vector<int> messages_;
    TimeRange file_;
    TimeRange range_;
    QLineEdit* beginDate_ = nullptr;
    QLineEdit* endDate_ = nullptr;
    QTimeEdit* beginTime_ = nullptr;
    QTimeEdit* endTime_ = nullptr;
    QAction* activated_ = nullptr;
    bool telling_ = false;
};

}  // namespace ovis::gui
