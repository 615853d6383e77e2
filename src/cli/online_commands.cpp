// ovisctl online and counters: the live event stream and the live counter values of an
// Interface, one line per decoded item or counter, cells separated by tabs.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/link_session.h"
#include "evaluation/analyser_online_names.h"
#include "link/counter_online_rows.h"
#include "link/counter_values.h"
#include "link/interface_commands.h"
#include "link/online_poll.h"
#include "project/io_tables.h"
#include "project/led_table.h"
#include "project/message_tables.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(50);

std::vector<std::string> With(std::vector<std::string> list, const std::vector<std::string>& more) {
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// Connects as the connection step of an Interface action does; false when it failed.
bool Connect(Link& link) {
    link.ClearAbort();
    link.SetResult(LinkResult::Ok);
    link.SetState(link_state::kDone);
    link.FinishExchange();
    return link.Result() == LinkResult::Ok;
}

int OnlineCommand(const std::vector<std::string>& args) {
    Arguments a(args, With(kLinkValueOptions, {"seconds"}), kLinkFlags, 1);
    const fs::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    const int seconds = a.IntegerOption("seconds", 0, 86400).value_or(10);
    SystemParameters parameters;
    parameters.Load(dir);
    IoTable io;
    LoadIoTable(io, dir);
    LedTable led;
    led.LoadExisting(ResolveInDirectory(dir, kLedFileName));
    const OnlineMessages messages = OnlineMessagesOf(io, led);

    const auto session = OpenProjectSession(a, parameters);
    if (!session->OpenPort()) return 1;
    Link& link = session->link();
    const auto address = std::uint8_t(session->parameters().InterfaceNumber());
    if (!Connect(link)) return 1;
    link.Prepare(address, command::kOnlineStart, OnlineStartPayload(messages.Count()));
    link.SendTelegram();
    if (link.Result() != LinkResult::Ok) return 1;

    SystemClock clock;
    ClockSetting clockSetting;
    OnlineStream stream(link, clock, clockSetting,
                        {[address] { return int(address); }, [] { return false; },
                         [&messages] { return messages.Count(); }});
    stream.Targets().messageCount = messages.Count();
    stream.Targets().roles = messages.roles;
    stream.SetItemObserver([&messages](std::uint8_t reply, std::span<const OnlineEvent> items) {
        std::string out;
        for (const OnlineEvent& item : items)
            out += std::to_string(reply) + '\t' + std::to_string(item.message) + '\t' + (item.high ? "High" : "Low") +
                   '\t' + EscapeControlCharacters(ToUtf8(messages.Name(item.message))) + '\n';
        std::cout << out << std::flush;
    });
    const auto end = Steady::now() + std::chrono::seconds(seconds);
    for (auto next = Steady::now(); Steady::now() < end && link.Result() != LinkResult::Aborted;) {
        stream.OnlinePoll();
        next += kPollInterval;
        std::this_thread::sleep_until(std::min(next, end));
    }
    const bool aborted = link.Result() == LinkResult::Aborted;
    EndOnline(link, session->progress());
    return aborted ? 1 : 0;
}

int CountersCommand(const std::vector<std::string>& args) {
    Arguments a(args, With(kLinkValueOptions, {"rounds"}), kLinkFlags, 1);
    const fs::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    const int rounds = a.IntegerOption("rounds", 1, 1000000).value_or(1);
    SystemParameters parameters;
    parameters.Load(dir);
    IoTable io;
    LoadIoTable(io, dir);
    LedTable led;
    led.LoadExisting(ResolveInDirectory(dir, kLedFileName));
    CounterTable counters;
    counters.LoadExisting(ResolveInDirectory(dir, kCounterFileName));

    const auto session = OpenProjectSession(a, parameters);
    if (!session->OpenPort()) return 1;
    Link& link = session->link();
    const auto address = std::uint8_t(session->parameters().InterfaceNumber());
    if (!Connect(link)) return 1;
    const int first = int(io.Count() + led.Count()) + 1;
    bool complete = true;
    for (int round = 0; round < rounds && complete; ++round) {
        const auto values = ReadCounterValues(link, address, first, int(counters.Count()));
        std::string out;
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (!values[k]) {
                complete = false;
                break;
            }
            TCounterRecord& row = counters.Rows()[k];
            row.Stand = *values[k];
            const CounterOnlineRow cells = CounterOnlineCells(row, int(k + 1));
            out += cells[0] + '\t' + EscapeControlCharacters(ToUtf8(cells[1])) + '\t' + cells[kCounterStandColumn] + '\n';
        }
        std::cout << out << std::flush;
    }
    EndOnline(link, session->progress());
    return complete ? 0 : 1;
}

CommandRegistration onlineCommand{
    "online", "online PROJEKTVERZEICHNIS --port DEV [--seconds S] [--number N] [--baud RATE] [--trace]", OnlineCommand};
CommandRegistration countersCommand{
    "counters", "counters PROJEKTVERZEICHNIS --port DEV [--rounds R] [--number N] [--baud RATE] [--trace]",
    CountersCommand};

}  // namespace
}  // namespace ovis::cli
