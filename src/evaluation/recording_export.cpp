#include "evaluation/recording_export.h"

#include <charconv>
#include <cstdint>
#include <sstream>
#include <vector>

#include "evaluation/analyser_model.h"
#include "evaluation/analyser_navigation.h"
#include "evaluation/analyser_time_labels.h"
#include "evaluation/vcd_signal_names.h"
#include "project/recording_time.h"
#include "records/codepage.h"
#include "records/io_error.h"
#include "records/terminal_text.h"
#include "records/typed_file.h"

namespace ovis {
namespace {

// Collects the text and hands it to the stream in large pieces.
class BufferedText {
public:
    explicit BufferedText(std::ostream& out) : out_(out) { text_.reserve(kFlushSize + 256); }
    ~BufferedText() { Flush(); }
    BufferedText(const BufferedText&) = delete;
    BufferedText& operator=(const BufferedText&) = delete;

    BufferedText& operator<<(std::string_view s) {
        text_ += s;
        if (text_.size() >= kFlushSize) Flush();
        return *this;
    }
    BufferedText& operator<<(char c) { return *this << std::string_view(&c, 1); }
    BufferedText& operator<<(std::int64_t n) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        return *this << std::string_view(digits, std::size_t(end - digits));
    }

private:
    static constexpr std::size_t kFlushSize = 1 << 16;
    std::ostream& out_;
    std::string text_;

    void Flush() {
        out_.write(text_.data(), std::streamsize(text_.size()));
        text_.clear();
    }
};

// The record's time in 10-us steps, counted over years of 365 days as the recordings count them,
// so that a recording across New Year keeps its order.
std::int64_t Steps(const TRecordingEvent& e) {
    const std::int64_t days = std::int64_t(e.Jahr) * kDaysPerYear + MonthStart(e.Monat) + e.Tag - 1;
    const std::int64_t minutes = (days * 24 + e.Std) * 60 + e.Min;
    return (minutes * 60000 + e.SekMSek.get()) * 100 + e.Misek;
}

const TRecordingEvent* FirstMessageRecord(std::span<const TRecordingEvent> records) {
    for (const TRecordingEvent& e : records)
        if (!IsMarker(e)) return &e;
    return nullptr;
}

// A message name (record bytes) as screen text without control characters.
std::string ShownName(const std::string& name) { return EscapeControlCharacters(ToUtf8(name)); }

// The code point of the UTF-8 text of one character.
char32_t CodePoint(std::string_view utf8) {
    const auto byte = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(utf8[i])); };
    if (utf8.size() == 2) return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    if (utf8.size() == 3) return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    return utf8.empty() ? 0 : byte(0);
}

// The original name (record bytes) in a VCD comment, in printable ASCII, since waveform viewers
// read no other bytes in a header: a control character as "\xNN", any other character outside
// ASCII as "\uNNNN", and '$' and '\' with a '\' before them, so that no name ends the comment.
std::string CommentText(const std::string& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char byte : name) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x20 || c == 0x7F) {
            text += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        } else if (c >= 0x80) {
            const char32_t u = CodePoint(ToUtf8(std::string_view(&byte, 1)));
            text += {'\\', 'u', kHex[(u >> 12) & 15], kHex[(u >> 8) & 15], kHex[(u >> 4) & 15], kHex[u & 15]};
        } else {
            if (c == '$' || c == '\\') text += '\\';
            text += byte;
        }
    }
    return text;
}

// Digits of n, `width` of them with leading zeros.
void PutDigits(char*& at, int n, int width) {
    for (int i = width - 1; i >= 0; --i, n /= 10) at[i] = char('0' + n % 10);
    at += width;
}

// TimeLabel of the record, formatted without allocating when every field has its width.
std::string_view CsvTime(const TRecordingEvent& e, char (&text)[48]) {
    const int sekMSek = e.SekMSek.get();
    if (e.Std > 99 || e.Min > 99 || e.Misek > 99) {
        const std::string label = TimeLabel(StampOf(e));
        return {text, label.copy(text, sizeof text)};
    }
    char* at = text;
    PutDigits(at, e.Std, 2), *at++ = ':', PutDigits(at, e.Min, 2), *at++ = ':';
    PutDigits(at, sekMSek / 1000, 2), *at++ = ',', PutDigits(at, sekMSek % 1000, 3), PutDigits(at, e.Misek, 2);
    return {text, std::size_t(at - text)};
}

// The name as a CSV field: quoted when it holds ';' or '"', with "'" before a formula sign.
std::string CsvName(const std::string& name) {
    const std::string text = ShownName(name);
    const bool formula = !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
    const bool quoted = text.find_first_of(";\"") != std::string::npos;
    std::string field;
    if (quoted) field += '"';
    if (formula) field += '\'';
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    if (quoted) field += '"';
    return field;
}

void WriteVcdHeader(BufferedText& out, const TRecordingEvent& begin, const AnalyserRows& rows) {
    const TTimeStamp stamp = StampOf(begin);
    out << "$date\n\t" << DateLabel(stamp) << ' ' << TimeLabel(stamp) << "\n$end\n";
    out << "$timescale 10 us $end\n$scope module Aufzeichnung $end\n";
    const std::vector<std::string> wires = VcdWireNames(rows);
    for (int r = 1; r <= rows.Count(); ++r) {
        out << "$comment Meldung " << std::int64_t(rows.Message(r)) << ": \"" << CommentText(rows.Name(r))
            << "\" $end\n";
        out << "$var wire 1 " << VcdIdentifier(r - 1) << ' ' << wires[std::size_t(r - 1)] << " $end\n";
    }
    out << "$upscope $end\n$enddefinitions $end\n";
}

}  // namespace

void WriteVcd(std::ostream& stream, std::span<const TRecordingEvent> records, const AnalyserRows& rows) {
    const TRecordingEvent* begin = FirstMessageRecord(records);
    if (begin == nullptr) return;
    BufferedText out(stream);
    WriteVcdHeader(out, *begin, rows);

    std::vector<std::string> ids;
    for (int r = 1; r <= rows.Count(); ++r) ids.push_back(VcdIdentifier(r - 1));
    std::vector<char> value(std::size_t(rows.Count()), 'x');
    const std::int64_t origin = Steps(*begin);
    std::int64_t reached = 0;   // the latest time of a record so far
    std::int64_t written = 0;   // the latest "#time" in the dump
    bool dumped = false;        // $dumpvars written
    auto writeDumpvars = [&] {
        out << "#0\n$dumpvars\n";
        for (std::size_t w = 0; w < ids.size(); ++w) out << value[w] << ids[w] << '\n';
        out << "$end\n";
        dumped = true;
    };
    for (const TRecordingEvent& e : records) {
        if (IsMarker(e)) continue;
        reached = std::max(reached, Steps(e) - origin);
        const int row = rows.RowOf(MessageNumber(e));
        if (row == 0) continue;
        const std::size_t w = std::size_t(row - 1);
        const char level = IsLevelHigh(e) ? '1' : '0';
        if (!dumped && reached == 0) {
            value[w] = level;
            continue;
        }
        if (!dumped) writeDumpvars();
        if (value[w] == level) continue;
        value[w] = level;
        if (reached != written) out << '#' << reached << '\n';
        written = reached;
        out << level << ids[w] << '\n';
    }
    if (!dumped) writeDumpvars();
    if (reached != written) out << '#' << reached << '\n';
}

void WriteCsv(std::ostream& stream, std::span<const TRecordingEvent> records, const AnalyserRows& rows) {
    BufferedText out(stream);
    out << "\xEF\xBB\xBF" << "Datum;Uhrzeit;Nummer;Meldung;Pegel\r\n";
    std::vector<std::string> names;
    for (int r = 1; r <= rows.Count(); ++r) names.push_back(CsvName(rows.Name(r)));
    std::string date;  // the date text of the record `dateOf`
    TRecordingEvent dateOf{};
    for (const TRecordingEvent& e : records) {
        if (IsMarker(e)) continue;
        const int number = MessageNumber(e);
        const int row = rows.RowOf(number);
        if (row == 0) continue;
        if (e.Jahr != dateOf.Jahr || e.Monat != dateOf.Monat || e.Tag != dateOf.Tag || date.empty()) {
            dateOf = e;
            date = DateLabel(StampOf(e));
        }
        char time[48];
        out << date << ';' << CsvTime(e, time) << ';' << std::int64_t(number) << ';'
            << names[std::size_t(row - 1)] << ';' << (IsLevelHigh(e) ? "High" : "Low") << "\r\n";
    }
}

std::optional<std::string> ExportRefusal(const TRecording& recording, const AnalyserRows& rows) {
    if (FirstMessageRecord(recording.Events()) == nullptr) return NoEventsText(recording.FileName());
    if (rows.Count() == 0) return "Im Ordner ist keine Meldung zur Anzeige ausgewählt; es gibt nichts zu exportieren.";
    return std::nullopt;
}

void WriteExport(std::ostream& out, std::span<const TRecordingEvent> records, const AnalyserRows& rows,
                 ExportFormat format) {
    if (format == ExportFormat::Vcd)
        WriteVcd(out, records, rows);
    else
        WriteCsv(out, records, rows);
}

std::optional<std::string> ExportRecordingFile(const std::filesystem::path& file, const TRecording& recording,
                                               const AnalyserRows& rows, ExportFormat format) {
    if (auto refusal = ExportRefusal(recording, rows)) return refusal;
    std::ostringstream text;
    WriteExport(text, recording.Events(), rows, format);
    const std::string bytes = std::move(text).str();
    try {
        WriteBytesAtomically(file, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    } catch (const IoError& e) {
        return e.what();
    }
    return std::nullopt;
}

}  // namespace ovis
