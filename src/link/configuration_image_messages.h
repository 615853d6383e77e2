#pragma once
// The 16-byte message records of the configuration image, one function per table.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "project/parameter_record.h"
#include "project/led_record.h"
#include "link/configuration_image_codings.h"
#include "link/configuration_image_records.h"
#include "project/message_numbering.h"
#include "project/program_line.h"
#include "programs/program_set.h"
#include "project/output_file_table.h"
#include "project/counter_record.h"
#include "project/group_record.h"
#include "project/io_records.h"
#include "project/timer_record.h"

namespace ovis {

TIoMessageRecord IoMessageRecord(const TIoRecord& row, const TParameterRecord& params, const RingOffsets& ring);
// Byte b: the input rows whose ring byte is b.
std::array<std::uint8_t, 64> InputCountBlock(std::span<const TIoRecord> rows, std::span<const TIoMessageRecord> records);

// The picture of an LED row as the Interface stores it.
struct LedLayout {
    bool consecutive = true;  // the module list runs on without gaps
    int pad = 0;              // columns added to fill the last text line of a vertical row
    int columns = 0;          // LetzteSpalte + pad
};
LedLayout LedLayoutOf(const TLedRecord& row);
TLedMessageRecord LedMessageRecord(const TLedRecord& row);
// Picture columns, brightness levels, colours and modules of an LED row.
std::vector<std::uint8_t> LedData(const TLedRecord& row);

TCounterMessageRecord CounterMessageRecord(const TCounterRecord& row, const MessageNumbering& numbering);
TTimerMessageRecord TimerMessageRecord(const TTimerRecord& row);
TOutputFileMessageRecord OutputFileMessageRecord(const OutputFile& file);
// `firstMember`: the address of the group's first member in the member lists.
TGroupMessageRecord GroupMessageRecord(const TGruppeRecord& row, std::uint16_t firstMember,
                                       const TParameterRecord& params);
// The members the group sends: `Anzahl` within 0 and 100.
int GroupMemberCount(const TGruppeRecord& row);
TProgramMessageRecord ProgramMessageRecord(const TProgrammLine& line, const MessageNumbering& numbering);

}  // namespace ovis
