#include "link/transition_table.h"

#include "link/frame_code.h"
#include "link/telegram.h"

namespace ovis {
namespace {

using Op = PassOp;

constexpr PassStep Set(std::uint8_t v) { return {Op::AndOr, 0, v}; }
constexpr PassStep AndOr(std::uint8_t a, std::uint8_t b) { return {Op::AndOr, a, b}; }
constexpr PassStep Xor(std::uint8_t v) { return {Op::Xor, v, 0}; }
constexpr PassStep Or(std::uint8_t v) { return {Op::Or, v, 0}; }
constexpr PassStep AndNot(std::uint8_t v) { return {Op::AndNot, v, 0}; }
constexpr PassStep Send(std::uint8_t c) { return {Op::Send, c, 0}; }
constexpr PassStep Do(Op op) { return {op, 0, 0}; }

constexpr PassCell Cell(PassStep a = {}, PassStep b = {}, PassStep c = {}) { return {a, b, c}; }
constexpr PassCell kNone = Cell();

constexpr std::uint8_t kCall = line_char::kCall, kNothing = line_char::kNothing,
                       kConfirm = line_char::kConfirm, kClose = line_char::kClose;

struct Row {
    std::uint8_t state;
    // Columns in the order of CharColumn: data, other, "#", "%", "&", ")", "*", ","
    std::array<PassCell, kCharColumnCount> cells;
};

namespace ls = link_state;

// clang-format off
constexpr Row kRows[] = {
    {ls::kIdle, {Cell(Send(kCall)), kNone, Cell(Set(3), Send(kClose)), Cell(Set(3), Send(kClose)),
                 Cell(Do(Op::StartReceive)), Cell(Send(kCall)), Cell(Send(kConfirm)), Cell(Set(2))}},
    {ls::kAcknowledging, {Cell(Do(Op::Echo)), Cell(Do(Op::Echo)), kNone, Cell(AndOr(0xE0, 3), Send(kClose)),
                 Cell(Do(Op::StartReceive)), Cell(Send(kClose)), Cell(Send(kConfirm)), Cell(Send(kClose))}},
    {ls::kDone, {kNone, kNone, Cell(Send(kCall), Send(kNothing), Xor(0x13)), kNone, kNone, kNone, kNone, kNone}},
    {ls::kClosing, {Cell(Send(kClose)), Cell(Send(kClose)), Cell(Send(kClose)), Cell(Send(kClose)),
                 Cell(Send(kClose)), Cell(Send(kClose)), Cell(Send(kClose)), Cell(Xor(1))}},
    {ls::kAwaitingConfirm, {Cell(Send(kConfirm)), Cell(Send(kConfirm)), Cell(Send(kConfirm)), Cell(Send(kConfirm)),
                 Cell(Send(kConfirm)), kNone, Cell(Xor(0x0C), Send(kClose)), Cell(Send(kConfirm))}},
    {ls::kAnswering, {Cell(Do(Op::Echo)), Cell(Do(Op::Echo)), kNone, Cell(AndOr(0xE0, 3), Send(kClose)),
                 Cell(Do(Op::StartReceive)), Cell(Send(kClose)), Cell(Send(kConfirm)), Cell(Send(kClose))}},
    {ls::kSending, {Cell(Do(Op::StoreSending)), Cell(Do(Op::StoreSending)), kNone,
                 Cell(AndNot(4), Do(Op::RestartSend)), Cell(Or(4), Do(Op::BeginVerify)), Cell(Do(Op::RestartSend)),
                 kNone, kNone}},
    {ls::kReceiving, {Cell(Do(Op::StoreReceiving)), Cell(Do(Op::StoreReceiving)), Cell(Send(kCall)), Cell(Send(kCall)),
                 Cell(Do(Op::StartReceive)), Cell(Or(8), Do(Op::EndReceive)), Cell(Send(kConfirm)), Cell(Send(kClose))}},
    {ls::kVerifying, {Cell(Do(Op::VerifyChar)), Cell(Do(Op::VerifyChar)), Cell(Xor(4), Do(Op::RestartSend)),
                 Cell(AndNot(4), Do(Op::RestartSend)), Cell(Or(4), Do(Op::BeginVerify)), Cell(Do(Op::VerifyEnd)),
                 Cell(AndNot(4), Do(Op::RestartSend)), Cell(AndNot(4), Do(Op::RestartSend))}},
    {ls::kReceived, {Cell(Do(Op::Echo)), Cell(Do(Op::Echo)), Cell(Send(kCall)), Cell(Send(kCall)),
                 Cell(Do(Op::StartReceive)), Cell(Send(kClose)), Cell(AndOr(0xE3, ls::kTelegramReceived), Do(Op::Decode)),
                 Cell(Send(kClose))}},
    {ls::kResync, {kNone, kNone, kNone, Cell(Set(3), Send(kClose)), kNone, kNone, kNone, kNone}},
};

// Column "*" while SendPending is set; the row is LinkState AND 0x9F.
constexpr struct { std::uint8_t state; PassCell cell; } kPendingConfirmRows[] = {
    {0x81, Cell(Set(ls::kSendRequest), Send(kClose))},
    {0x83, Cell(Send(kClose))},
    {0x8F, Cell(Xor(0x9C), Do(Op::Encode), Do(Op::RestartSend))},
    {0x91, Cell(Send(kConfirm))},
    {0x95, Cell(Send(kConfirm))},
    {0x9D, Cell(Set(0x81), Send(kConfirm))},
};
// clang-format on

}  // namespace

CharColumn ColumnOf(std::uint8_t character) {
    switch (character) {
        case line_char::kCall: return CharColumn::Call;
        case line_char::kNothing: return CharColumn::Nothing;
        case line_char::kStart: return CharColumn::Start;
        case line_char::kEnd: return CharColumn::End;
        case line_char::kConfirm: return CharColumn::Confirm;
        case line_char::kClose: return CharColumn::Close;
        default: return character >= 0x2D ? CharColumn::Data : CharColumn::Other;
    }
}

const PassCell& TransitionFor(std::uint8_t linkState, std::uint8_t character) {
    CharColumn column = ColumnOf(character);
    if (column == CharColumn::Confirm && (linkState & link_state::kSendPending)) {
        for (const auto& row : kPendingConfirmRows)
            if (row.state == (linkState & 0x9F)) return row.cell;
        return kNone;
    }
    for (const auto& row : kRows)
        if (row.state == (linkState & link_state::kProtocolMask)) return row.cells[std::size_t(column)];
    return kNone;
}

}  // namespace ovis
