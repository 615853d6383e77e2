#pragma once
// The two conversations of the evaluation window with the Interface: the unit directory of a
// folder (command 8) and the read-out of units into a recording file (command 9). Each connects
// with its own progress window and holds the link busy (LinkIdle) while it runs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "link/interface_actions.h"
#include "link/link.h"
#include "link/progress.h"
#include "link/readout_decoder.h"
#include "link/unit_directory.h"
#include "platform/dialogs.h"

namespace ovis {

inline constexpr const char* kNoMemoryCardText = "Keine Memorycard im Interface !";
inline constexpr const char* kConnectingToInterfaceText = "Verbindungsaufbau zum Interface";
inline constexpr const char* kTransferringDataText = "Übertragung der Daten";
inline constexpr int kRepliesPerUnit = 252;

enum class DirectoryOutcome { Listed, NoCard, Aborted, NotConnected };

struct DirectoryRead {
    DirectoryOutcome outcome = DirectoryOutcome::NotConnected;
    std::vector<UnitBegin> units;
};

// The panel text while replies arrive: "Auslesen der Daten  " and the byte total in seven digits.
std::string ReadoutProgressText(std::size_t bytes);

class UnitReadout {
public:
    UnitReadout(Link& link, Dialogs& dialogs, ProgressWindows& progressWindows, InterfaceActions& actions);

    // Connects and reads the directory of `folderIndex`; `folderUnits` is the folder's `Units`
    // entry. Reply 11 shows "Keine Memorycard im Interface !".
    DirectoryRead ListUnits(std::uint8_t address, int folderIndex, int folderUnits);

    // Connects and reads units `firstUnit` to `lastUnit` (1-based) of `folderIndex` into `file`,
    // which is written, atomically, only after the closing empty reply; its folder is created when
    // missing. Returns the number of records written; nothing when the read-out was aborted, did
    // not connect or broke the data rules (the fault's message shown). IoError when the file
    // cannot be written.
    std::optional<std::size_t> TransferUnits(std::uint8_t address, int folderIndex, int firstUnit, int lastUnit,
                                             const std::filesystem::path& file);

    const ReadoutDecoder& Decoder() const { return decoder_; }

private:
    bool Ok() const { return link_.Result() == LinkResult::Ok; }
    // After a connection that failed: the link ready for the next action.
    void ClearAfterFailure();
    DirectoryRead ReadUnitDirectory(std::uint8_t address, int folderIndex, int folderUnits);
    bool ReadUnits(std::uint8_t address, int folderIndex, int firstUnit, int lastUnit, ProgressWindow& progress);

    Link& link_;
    Dialogs& dialogs_;
    ProgressWindows& progressWindows_;
    InterfaceActions& actions_;
    ReadoutDecoder decoder_;  // the read-out buffer, allocated once
};

}  // namespace ovis
