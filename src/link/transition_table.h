#pragma once
// The character-level state machine of a serial pass as data: for the protocol state and the
// received character, the steps the PC takes.
#include <array>
#include <cstdint>

namespace ovis {

// Columns of the table: nibble characters (0x2D and up), other characters below 0x2D, and the
// six control characters.
enum class CharColumn : std::uint8_t { Data, Other, Call, Nothing, Start, End, Confirm, Close };
inline constexpr int kCharColumnCount = 8;

CharColumn ColumnOf(std::uint8_t character);

enum class PassOp : std::uint8_t {
    None,
    AndOr,          // S := (S AND a) OR b; "S := v" is AndOr(0, v)
    Xor,            // S := S XOR a
    Or,             // S := S OR a
    AndNot,         // S := S AND NOT a
    Send,           // send character a
    Echo,           // send the received character back
    StartReceive,   // protocol state 21 (upper bits kept), CharBuffer[1] := "&", index 2, send "&", echo 2
    RestartSend,    // the whole frame goes out again from its "&"
    BeginVerify,    // CharBuffer[1] := "&", index := 2
    StoreSending,   // store, index + 1; past the frame length: index := 2 and restart send
    StoreReceiving, // store, index + 1 (below 263), echo CharBuffer[echo pointer], pointer + 1 (below 263)
    EndReceive,     // store ")", send CharBuffer from the echo pointer up to the index
    VerifyChar,     // store; on a difference to the frame: S XOR 4 and restart send; index + 1
    VerifyEnd,      // frame ends here: S XOR 0x18, store ")", send "*"; otherwise S XOR 4, restart send
    Decode,         // DecodeFrame into the receive buffer
    Encode,         // EncodeFrame from the telegram
};

struct PassStep {
    PassOp op = PassOp::None;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
};

using PassCell = std::array<PassStep, 3>;

// The steps for a character received in `linkState`: the row is the protocol state (bits 0 to
// 4), except in column "*" while SendPending is set, where the pending rows apply.
const PassCell& TransitionFor(std::uint8_t linkState, std::uint8_t character);

}  // namespace ovis
