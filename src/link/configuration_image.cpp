#include "link/configuration_image.h"

#include <algorithm>
#include <cstring>

#include "link/configuration_image_checks.h"
#include "link/configuration_image_codings.h"
#include "link/configuration_image_messages.h"
#include "link/configuration_image_records.h"
#include "project/io_tables.h"

namespace ovis {

namespace {

constexpr std::size_t kRecordsPerTelegram = 5;
constexpr std::size_t kMembersPerTelegram = 40;
constexpr std::size_t kLedIndexPerTelegram = 20;
constexpr std::size_t kLedDataPerTelegram = 80;
constexpr std::size_t kFolderTelegramBytes = 122;
constexpr std::size_t kEventsPerTelegram = 29;

template <typename Record>
std::vector<std::uint8_t> BytesOf(const Record& record) {
    std::vector<std::uint8_t> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

// Cuts `bytes` into telegrams of `chunk` bytes from `address` on.
void AppendChunked(std::vector<MemoryWrite>& writes, std::uint16_t address, std::span<const std::uint8_t> bytes,
                   std::size_t chunk) {
    for (std::size_t offset = 0; offset < bytes.size(); offset += chunk) {
        const std::size_t n = std::min(chunk, bytes.size() - offset);
        writes.push_back({MemoryArea::Configuration, 0, std::uint16_t(address + offset),
                          std::vector<std::uint8_t>(bytes.begin() + offset, bytes.begin() + offset + n)});
    }
}

// The 16-byte records of one table, five per telegram, from message number `firstNumber` on.
template <typename Record>
void AppendRecords(std::vector<MemoryWrite>& writes, int firstNumber, std::span<const Record> records) {
    static_assert(sizeof(Record) == kMessageRecordSize);
    std::vector<std::uint8_t> bytes(records.size() * sizeof(Record));
    if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
    const auto address = std::uint16_t(kMessageRecordsAddress + kMessageRecordSize * std::size_t(firstNumber - 1));
    AppendChunked(writes, address, bytes, kRecordsPerTelegram * kMessageRecordSize);
}

template <typename Row, typename Encode>
auto EncodeAll(std::span<const Row> rows, Encode encode) {
    std::vector<decltype(encode(rows.front()))> records;
    records.reserve(rows.size());
    for (const auto& row : rows) records.push_back(encode(row));
    return records;
}

std::uint8_t BaudCode(int factor) {
    switch (factor) {
        case 1: return 0xCF;
        case 2: return 0x67;
        case 4: return 0x33;
        case 6: return 0x22;
        case 12: return 0x10;
        default: return 0;
    }
}

std::vector<std::uint8_t> TableDirectory(const MessageNumbering& numbering, std::size_t outputRows) {
    const std::size_t io = numbering.Count(MessageKind::Io);
    const std::pair<std::uint8_t, std::size_t> entries[] = {
        {6, io - outputRows},
        {10, outputRows},
        {11, numbering.Count(MessageKind::Led)},
        {13, numbering.Count(MessageKind::Counter)},
        {12, numbering.Count(MessageKind::Timer)},
        {14, numbering.Count(MessageKind::OutputFile)},
        {15, numbering.Count(MessageKind::Group)},
        {16, numbering.Count(MessageKind::ProgramLine)},
    };
    std::vector<std::uint8_t> directory{0};
    for (auto [code, count] : entries) {
        if (count == 0) continue;
        directory.insert(directory.end(), {code, std::uint8_t(count >> 8), std::uint8_t(count)});
    }
    directory[0] = std::uint8_t(directory.size());
    return directory;
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
    // Sakamoto's method.
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    if (month < 3) year -= 1;
    const int weekday = (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

std::vector<std::string> OutputFileNames(std::span<const OutputFile> files) {
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const auto& file : files) names.push_back(file.name);
    return names;
}

MessageNumbering NumberMessages(const ConfigurationInputs& inputs, std::span<const std::string> outputFileNames) {
    std::span<const TProgrammLine> lines;
    if (inputs.programs) lines = inputs.programs->lines;
    return MessageNumbering({inputs.io, inputs.led, inputs.counters, inputs.timers, outputFileNames, inputs.groups, lines});
}

std::array<MemoryWrite, 2> FolderRecordWrites(const TParameterRecord& params) {
    std::vector<std::uint8_t> records(16 * kMaxAcquisitionFolders + 16, 0);
    std::uint8_t start = 1;
    for (int k = 0; k <= kMaxAcquisitionFolders; ++k) {
        TFolderRecord record{};
        const auto end = std::uint8_t(start + params.Units[k]);
        record.First = {start, 0x80, 0};
        record.End = {end, 0x80, 0};
        record.Current = {start, 0x80, 0};
        std::memcpy(records.data() + 16 * k, &record, sizeof record);
        start = end;
    }
    auto telegram = [&](std::size_t firstFolder, std::size_t folders, std::uint16_t address) {
        std::vector<std::uint8_t> data(kFolderTelegramBytes, 0);
        const std::size_t n = std::min(kFolderTelegramBytes, folders * 16);
        std::copy_n(records.begin() + std::ptrdiff_t(16 * firstFolder), n, data.begin());
        return MemoryWrite{MemoryArea::Configuration, 0, address, std::move(data)};
    };
    return {telegram(0, 8, kFolderRecordsAddress), telegram(8, 6, kLaterFolderRecordsAddress)};
}

std::vector<MemoryWrite> OutputDataWrites(const OutputFile& file, std::span<const OutputEvent> events) {
    std::vector<MemoryWrite> writes;
    std::size_t sent = 0;
    while (sent < events.size()) {
        std::size_t n = std::min(kEventsPerTelegram, events.size() - sent);
        if (events.size() - sent - n == 1) ++n;
        MemoryWrite write{MemoryArea::Output, std::uint8_t(file.memoryCode), std::uint16_t(file.start + 4 * sent), {}};
        write.data.reserve(4 * n);
        for (std::size_t i = sent; i < sent + n; ++i) {
            const bool last = i + 1 == events.size();
            const InterfaceEventCode code = last ? InterfaceEventCode{} : EncodeEventDelay(events[i + 1].seconds - events[i].seconds);
            const auto bytes = InterfaceEventBytes(events[i].word, code);
            write.data.insert(write.data.end(), bytes.begin(), bytes.end());
        }
        writes.push_back(std::move(write));
        sent += n;
    }
    return writes;
}

ConfigurationBuild BuildConfigurationImage(const ConfigurationInputs& inputs) {
    static const ProgramSet kNoPrograms;
    const TParameterRecord& params = *inputs.parameters;
    const ProgramSet& programs = inputs.programs ? *inputs.programs : kNoPrograms;
    const std::vector<std::string> outputNames = OutputFileNames(inputs.outputFiles);
    const MessageNumbering numbering = NumberMessages(inputs, outputNames);

    ConfigurationBuild build;
    if (auto failure = CheckLedFields(inputs.ledModules, inputs.led)) {
        build.checkFailure = std::move(failure);
        return build;
    }
    if (auto failure = CheckProgramSet(programs, numbering)) {
        build.checkFailure = std::move(failure);
        return build;
    }
    ConfigurationImage& image = build.image;
    auto& writes = image.configuration;

    const std::size_t nIo = inputs.io.size();
    const std::size_t nLed = inputs.led.size();
    image.progressMaximum = int((nIo + 4 * nLed + inputs.timers.size() + inputs.outputFiles.size() +
                                 inputs.groups.size() + programs.Size()) / 5 + 6);

    const RingOffsets ring = nIo > 0 ? ComputeRingOffsets(params) : RingOffsets{};
    const auto folders = FolderRecordWrites(params);
    writes.insert(writes.end(), folders.begin(), folders.end());

    const std::size_t outputRows = std::size_t(std::count_if(inputs.io.begin(), inputs.io.end(), IsOutputRow));
    const std::vector<std::uint8_t> directory = TableDirectory(numbering, outputRows);
    writes.push_back({MemoryArea::Configuration, 0, kTableDirectoryAddress, directory});

    // Memory map behind the message records, counted without wrapping: an address beyond the
    // memory would wrap onto the system header, so such an image is refused before any of it
    // is cast to 16 bits.
    std::size_t members = 0;
    for (const auto& group : inputs.groups) members += std::size_t(GroupMemberCount(group));
    using Address = long long;
    const Address l = inputs.ledModules;
    const Address map0 = kMessageRecordsAddress + Address(kMessageRecordSize) * Address(numbering.Total());
    const Address map1 = map0 + 2 * Address(members);
    const Address map2 = map1 + 5 * l;
    const Address map3 = map2 + 35 * l;
    Address used = map3 + 35 * l;
    for (const auto& row : inputs.led) {
        used += LedLayoutOf(row).columns + row.AnzahlFarben + row.AnzahlHelligkeiten + row.Modulzahl + 2;
    }
    if (used > kFreeMemoryBase) {
        build.checkFailure = OversizedConfigurationMessage(int(used - kFreeMemoryBase));
        build.image = {};
        return build;
    }
    if (auto failure = CheckLedIndexRoom(nLed)) {
        build.checkFailure = std::move(failure);
        build.image = {};
        return build;
    }
    image.freeBytes = int(kFreeMemoryBase - used);
    const auto a0 = std::uint16_t(map0);
    const auto a1 = std::uint16_t(map1);
    const auto a2 = std::uint16_t(map2);
    const auto a3 = std::uint16_t(map3);
    const auto ledDataStart = std::uint16_t(map3 + 35 * l);

    TSystemHeader header{};
    header.Kennung = 0xAA;
    header.Datensicherung = inputs.withBackup ? 0xAA : 0;
    header.Nummer = params.Nummer;
    header.DirectorySize = std::uint8_t(directory.size());
    header.Version = 10;
    header.Systemerweiterung = std::uint8_t(params.Systemerweiterung.get());
    header.BaudCode = BaudCode(params.BaudFaktor);
    header.BaudCode2 = BaudCode(params.BaudFaktor2);
    header.Modem = params.Modem ? 1 : 0;
    header.LedModules = nLed > 0 ? std::uint8_t(l) : 0;
    header.A1 = a1;
    header.A2 = a2;
    header.A3 = a3;
    header.Messages = std::uint16_t(nIo + nLed);
    header.LedModuleBytes = std::uint16_t(5 * l);
    header.InputBytes = std::uint8_t(ring.totalIn);
    header.OutputBytes = std::uint8_t(ring.totalOut);
    header.ResetUmMitternacht = std::uint8_t(params.ResetUmMitternacht.get());
    header.ResetNachSpannungsverlust = std::uint8_t(params.ResetNachSpannungsverlust.get());
    header.Second = std::uint8_t(inputs.now.second);
    header.Minute = std::uint8_t(inputs.now.minute);
    header.Hour = std::uint8_t(inputs.now.hour);
    header.Day = std::uint8_t(inputs.now.day);
    header.Month = std::uint8_t(inputs.now.month);
    header.Year = std::uint16_t(inputs.now.year);
    header.Weekday = std::uint8_t(DayOfWeek(inputs.now.year, inputs.now.month, inputs.now.day));
    image.systemHeaderWrite = writes.size();
    writes.push_back({MemoryArea::Configuration, 0, kSystemHeaderAddress, BytesOf(header)});

    // Message records in numbering order, the input counts right after the I/O rows.
    const auto ioRecords = EncodeAll(inputs.io, [&](const TIoRecord& row) { return IoMessageRecord(row, params, ring); });
    AppendRecords<TIoMessageRecord>(writes, numbering.FirstNumber(MessageKind::Io), ioRecords);
    const auto inputCounts = InputCountBlock(inputs.io, ioRecords);
    writes.push_back({MemoryArea::Configuration, 0, kInputCountAddress, {inputCounts.begin(), inputCounts.end()}});
    AppendRecords<TLedMessageRecord>(writes, numbering.FirstNumber(MessageKind::Led),
                                     EncodeAll(inputs.led, LedMessageRecord));
    AppendRecords<TCounterMessageRecord>(
        writes, numbering.FirstNumber(MessageKind::Counter),
        EncodeAll(inputs.counters, [&](const TCounterRecord& row) { return CounterMessageRecord(row, numbering); }));
    AppendRecords<TTimerMessageRecord>(writes, numbering.FirstNumber(MessageKind::Timer),
                                       EncodeAll(inputs.timers, TimerMessageRecord));
    AppendRecords<TOutputFileMessageRecord>(writes, numbering.FirstNumber(MessageKind::OutputFile),
                                            EncodeAll(inputs.outputFiles, OutputFileMessageRecord));
    std::vector<TGroupMessageRecord> groupRecords;
    std::vector<std::uint8_t> memberLists;
    memberLists.reserve(2 * members);
    for (const auto& group : inputs.groups) {
        groupRecords.push_back(GroupMessageRecord(group, std::uint16_t(a0 + memberLists.size()), params));
        for (int m = 0; m < GroupMemberCount(group); ++m) {
            const std::uint16_t member = group.Mitglied[m];
            memberLists.push_back(std::uint8_t(member >> 8));
            memberLists.push_back(std::uint8_t(member));
        }
    }
    AppendRecords<TGroupMessageRecord>(writes, numbering.FirstNumber(MessageKind::Group), groupRecords);
    AppendRecords<TProgramMessageRecord>(
        writes, numbering.FirstNumber(MessageKind::ProgramLine),
        EncodeAll(std::span<const TProgrammLine>(programs.lines),
                  [&](const TProgrammLine& line) { return ProgramMessageRecord(line, numbering); }));

    AppendChunked(writes, a0, memberLists, 2 * kMembersPerTelegram);

    // LED pictures: the index of their start addresses, then the data as one stream.
    std::vector<std::uint8_t> ledIndex;
    std::vector<std::uint8_t> ledData;
    ledIndex.reserve(4 * nLed);
    for (const auto& row : inputs.led) {
        TLedIndexEntry entry{};
        entry.Start = std::uint16_t(ledDataStart + ledData.size());
        entry.Columns = std::uint16_t(LedLayoutOf(row).columns);
        const auto bytes = BytesOf(entry);
        ledIndex.insert(ledIndex.end(), bytes.begin(), bytes.end());
        const auto data = LedData(row);
        ledData.insert(ledData.end(), data.begin(), data.end());
    }
    AppendChunked(writes, kLedIndexAddress, ledIndex, 4 * kLedIndexPerTelegram);
    AppendChunked(writes, ledDataStart, ledData, kLedDataPerTelegram);

    for (std::size_t i = 0; i < inputs.outputFiles.size(); ++i) {
        std::span<const OutputEvent> events;
        if (i < inputs.outputEvents.size()) events = inputs.outputEvents[i];
        image.outputData.push_back(OutputDataWrites(inputs.outputFiles[i], events));
    }
    return build;
}

}  // namespace ovis
