#pragma once
// Export of the shown messages of a recording for other programs, written in one pass over the
// records: a value change dump (IEEE 1364) for waveform viewers and a CSV list for spreadsheets.
// Marker records and records of messages that are not shown are left out.
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "evaluation/analyser_rows.h"
#include "project/recording.h"

namespace ovis {

enum class ExportFormat { Vcd, Csv };

// The value change dump, in printable ASCII as the viewers read it: timescale 10 us, one 1-bit
// wire per shown row (named by VcdWireNames; the message number and the original name, with
// "\uNNNN" for a character outside ASCII, in a comment before it), the file begin (the first record
// that is no marker) as $date, times in 10-us steps from the file begin. The records at the file
// begin (the initial block) give the values of $dumpvars; a wire without one starts as 'x'. A
// record that repeats its wire's level changes nothing; a record earlier than the one before it
// counts at the time already reached, so that times never go back. The dump ends with the time of
// the last record, so viewers show the whole file.
void WriteVcd(std::ostream& out, std::span<const TRecordingEvent> records, const AnalyserRows& rows);

// The CSV list for German spreadsheets: UTF-8 with BOM, ';' between fields, CR LF after each line,
// the header "Datum;Uhrzeit;Nummer;Meldung;Pegel", then one line per record of a shown message in
// file order (the initial and final blocks included): dd.mm.yyyy, hh:mm:ss,mmmuu, the message
// number, its name and "High" or "Low". A name holding ';' or '"' is quoted; one beginning with
// '=', '+', '-' or '@' gets a leading "'" so that no spreadsheet takes it for a formula.
void WriteCsv(std::ostream& out, std::span<const TRecordingEvent> records, const AnalyserRows& rows);

// Why the recording cannot be exported with these rows (German); nothing when it can: it needs a
// record that is no marker and at least one shown row.
std::optional<std::string> ExportRefusal(const TRecording& recording, const AnalyserRows& rows);

void WriteExport(std::ostream& out, std::span<const TRecordingEvent> records, const AnalyserRows& rows,
                 ExportFormat format);

// Writes the export to `file` atomically (the analyser's "Exportieren..."). Returns the German
// text of a refusal or of the failed write, and nothing on success; an existing file stays as it
// was when the export fails.
std::optional<std::string> ExportRecordingFile(const std::filesystem::path& file, const TRecording& recording,
                                               const AnalyserRows& rows, ExportFormat format);

}  // namespace ovis
