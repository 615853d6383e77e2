#include "project/message_numbering.h"

namespace ovis {

std::string_view MessageKindName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Io: return "IO";
    case MessageKind::Led: return "LED";
    case MessageKind::Counter: return "Counter";
    case MessageKind::Timer: return "Timer";
    case MessageKind::OutputFile: return "Ausgabe";
    case MessageKind::Group: return "Gruppe";
    case MessageKind::ProgramLine: return "Programm";
    }
    return "";
}

namespace {

template <typename Record>
void AddNames(std::span<const Record> rows, auto&& add) {
    for (const auto& row : rows) add(row.Bezeichnung.str());
}

}  // namespace

MessageNumbering::MessageNumbering(const MessageSources& sources) {
    messages_.reserve(sources.io.size() + sources.led.size() + sources.counters.size() + sources.timers.size() +
                      sources.outputFiles.size() + sources.groups.size() + sources.programLines.size());
    firstByName_.reserve(messages_.capacity());
    auto adder = [this](MessageKind kind) {
        firstNumbers_[static_cast<std::size_t>(kind)] = static_cast<int>(messages_.size()) + 1;
        return [this, kind](std::string name) { Add(kind, std::move(name)); };
    };
    AddNames(sources.io, adder(MessageKind::Io));
    AddNames(sources.led, adder(MessageKind::Led));
    AddNames(sources.counters, adder(MessageKind::Counter));
    AddNames(sources.timers, adder(MessageKind::Timer));
    auto addOutput = adder(MessageKind::OutputFile);
    for (const auto& name : sources.outputFiles) addOutput(name);
    AddNames(sources.groups, adder(MessageKind::Group));
    AddNames(sources.programLines, adder(MessageKind::ProgramLine));
}

void MessageNumbering::Add(MessageKind kind, std::string name) {
    int number = static_cast<int>(messages_.size()) + 1;
    firstByName_.try_emplace(name, number);
    messages_.push_back({number, kind, std::move(name)});
    ++counts_[static_cast<std::size_t>(kind)];
}

int MessageNumbering::Number(std::string_view name) const {
    auto found = firstByName_.find(std::string(name));
    return found == firstByName_.end() ? 0 : found->second;
}

}  // namespace ovis
