#pragma once
// The analyser's undo history: 15 snapshots of the recording's records, allocated once at the
// recording's capacity. Clearing empties it at once and blanks the snapshots on a worker thread.
#include "project/recording.h"
#include "tables/undo_history.h"

namespace ovis {

class RecordingUndo {
public:
    // Takes a snapshot of records 1..Count; at depth 15 the oldest is dropped.
    void Snapshot(const TRecording& recording) { history_.Snapshot(recording.Events(), NoExtra{}); }
    // Puts the newest snapshot back into the recording and drops it; false at depth 0.
    bool Undo(TRecording& recording) {
        return history_.Pop([&](std::span<const TRecordingEvent> records) { recording.Assign(records); });
    }
    int Depth() const { return history_.Levels(); }
    bool CanUndo() const { return Depth() > 0; }
    // After saving or discarding: depth 0 now, the snapshot buffers are blanked in the background.
    void Clear() { history_.Clear(); }
    void WaitForClearing() { history_.WaitForWorker(); }

private:
    UndoHistory<TRecordingEvent, NoExtra, kRecordingCapacity> history_;
};

}  // namespace ovis
