#pragma once
// TFormVisualisierung: the lift visualisation in its three modes: parameter mode (element cursor,
// hiding elements, saving "Grafik.ofd"), online mode (drawing the online stream's queue each
// tick) and video mode (the replay of a recording on a timer).
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/visu_queue.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "project/grafik_record.h"
#include "project/io_records.h"
#include "project/recording_event.h"
#include "visualisation/replay_engine.h"
#include "visualisation/visu_binding.h"
#include "visualisation/visu_cursor.h"
#include "visualisation/visu_lists.h"
#include "visualisation/visu_scene.h"
#include "visualisation/visu_states.h"
#include "visualisation/visu_window_model.h"

class QListWidget;
class QPushButton;
class QTimer;
class QCloseEvent;

namespace ovis::gui {

class TFormVisInit;

struct VisualisationServices {
    Dialogs& dialogs;
    const Clock& clock;
    std::function<std::filesystem::path()> projectDirectory;
    std::function<std::vector<TIoRecord>()> ioRows;  // the I/O table whose roles bind the elements
    std::function<void(int context)> showHelp;
    std::function<void()> onlinePoll;               // online mode: one poll of the event stream
    std::function<void(VisuMode mode)> closed;      // the window closed (online: end the connection)
    // Online "Info" and "Relais": bytes of the Interface's area 1 (nothing when not read), and
    // switching a message with command 20 (false when it was not sent).
    std::function<std::optional<std::vector<std::uint8_t>>(std::uint16_t start, std::size_t count)> readMemory;
    std::function<bool(int message, bool on)> switchRelay;
    // Video mode: "Abbrechen" of a progress window stops the replay; each replay starts cleared.
    std::function<bool()> replayStopRequested;
    std::function<void()> clearReplayStop;
};

class TFormVisualisierung : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOnlineTickMs = 50;
    static constexpr int kReplayTickMs = 10;

    explicit TFormVisualisierung(VisualisationServices services, QWidget* parent = nullptr);
    ~TFormVisualisierung() override;

    // Each opening loads "Grafik.ofd" and lays the picture out; false (after a message) when the
    // file is damaged.
    bool OpenParameter();
    bool OpenOnline();
    void StartOnlineTimer();
    // The records must stay loaded while the window is open.
    bool OpenVideo(std::span<const TRecordingEvent> records, const std::string& fileName);

    VisuMode Mode() const { return mode_; }
    VisuQueue& Queue() { return queue_; }
    const VisuBinding& Binding() const { return binding_; }
    const VisuStates& States() const { return states_; }
    const TGrafikRecord& Record() const { return *record_; }
    const ReplayEngine* Replay() const { return replay_.get(); }
    VisuCursorPosition Cursor() const { return cursor_; }
    bool IsChanged() const { return changed_; }
    QPushButton* Button(const QString& text) const;
    TFormVisInit* VisInit() const;
    QImage Picture() const;
    // The event or relay list while it is shown.
    QListWidget* List() const;
    bool TimerActive() const;
    void ShowHelp(int context);

    // The timer ticks (tests call them directly).
    void OnlineTick();
    void ReplayTick();

    // "Ansicht" of the parameter dialog: the record as edited, laid out again in parameter mode.
    void ShowEdited(const TGrafikRecord& record);
    // "Speichern": writes "Grafik.ofd"; false after a message when it failed.
    bool Save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool Load();
    void Layout();
    void SetMode(VisuMode mode, const std::string& fileName = {});
    void ApplyDraws(std::span<const ReplayDraw> draws);
    void MoveCursor(VisuCursorPosition to);
    void UpdateReplayTexts(bool drawn);
    void VorClick();
    void ZurueckClick();
    void EinfuegenLoeschenClick();
    void InfoClick();
    void RelaisClick();
    // Shows a list under its title; Escape closes it, activating a line calls `activated`.
    void ShowList(const char* title, const QStringList& lines, std::function<void(int row)> activated);

    VisualisationServices services_;
    VisuMode mode_ = VisuMode::Parameter;
    std::unique_ptr<TGrafikRecord> record_;
    std::unique_ptr<VisuScene> scene_;
    std::vector<TIoRecord> rows_;
    VisuBinding binding_;
    std::vector<RelayLine> relays_;
    VisuStates states_;
    VisuQueue queue_;
    VisuCursorPosition cursor_;
    bool changed_ = false;
    std::span<const TRecordingEvent> records_;
    std::unique_ptr<ReplayEngine> replay_;
    QString footer_;
    QWidget* picture_ = nullptr;
    QTimer* timer_ = nullptr;
    std::vector<QPushButton*> buttons_;
    QPointer<TFormVisInit> visInit_;
    QPointer<QListWidget> list_;
};

}  // namespace ovis::gui
