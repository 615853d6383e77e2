#include "led/led_sim_step.h"

#include <algorithm>
#include <cstdlib>

namespace ovis {

namespace {

// The terms of one message, clamped to the ranges the editor allows.
struct Terms {
    int C;     // `LetzteSpalte`
    int Dist;  // `Distanz`
    int W;     // 5 x `Umbruch`
    int Mz;    // `Modulzahl`
    int dx;    // `Dx`
    int X0, X1;
    int direction;

    explicit Terms(const TLedRecord& m)
        : C(std::clamp<int>(m.LetzteSpalte, 0, kLedColumns)),
          Dist(std::clamp<int>(m.Distanz, 0, kLedColumns)),
          W(5 * std::clamp<int>(m.Umbruch, 0, kLedColumns)),
          Mz(std::clamp<int>(m.Modulzahl, 0, kLedModulePositions)),
          dx(std::clamp<int>(m.Dx, 0, kLedColumns)),
          X0(std::clamp<int>(m.X0, 1, kLedColumns)),
          X1(std::clamp<int>(m.X1, 1, kLedColumns)),
          direction(m.Richtung) {}
};

// The picture S[k] (0 outside 1..C) and the frame B[k] (writes outside 1..1275 are dropped),
// both 1-based.
class Frame {
public:
    Frame(const TLedRecord& message, int lastColumn, SimMessage& state)
        : picture_(message.Spalten), lastColumn_(lastColumn), row_(state.SimRow) {}

    std::uint8_t S(int k) const { return k >= 1 && k <= lastColumn_ ? picture_[k - 1] : 0; }
    std::uint8_t B(int k) const { return InRow(k) ? row_[std::size_t(k - 1)] : 0; }
    void Set(int k, int value) {
        if (InRow(k)) row_[std::size_t(k - 1)] = std::uint8_t(value);
    }
    void Or(int k, int value) {
        if (InRow(k)) row_[std::size_t(k - 1)] |= std::uint8_t(value);
    }

private:
    static bool InRow(int k) { return k >= 1 && k <= kLedColumns; }

    const std::uint8_t* picture_;
    int lastColumn_;
    std::array<std::uint8_t, kLedColumns>& row_;
};

// SimPosition := SimPosition + dx; at least L + N: minus L (16-bit counter).
void Advance(SimMessage& state, int by, int L, int N) {
    state.SimPosition = std::uint16_t(state.SimPosition + by);
    if (state.SimPosition >= L + N) state.SimPosition = std::uint16_t(state.SimPosition - L);
}

void StepLinks(const Terms& t, int L, int N, SimMessage& state, Frame& f) {
    int src = 1;
    int dst = t.X0 % 5 == 0 ? 5 : t.X0 % 5;
    Advance(state, t.dx, L, N);
    int n;
    if (state.SimPosition >= N) {
        n = N;
        src = state.SimPosition - N + 1;
    } else {
        n = state.SimPosition;
        dst = dst + N - state.SimPosition;
    }
    for (int i = 0; i < n; ++i) {
        if (src + i > L) src = 1 - i;
        f.Set(dst + i, f.S(src + i));
        if (t.direction == kLinksFromX0 && i >= t.W) f.Set(dst + i, f.B(dst + i - t.W));
    }
}

void StepRechts(const Terms& t, int L, int N, SimMessage& state, Frame& f) {
    int src = t.C;
    int dst = t.Mz * 5;
    Advance(state, t.dx, L, N);
    int n;
    if (state.SimPosition >= N) {
        n = N;
        src = t.C + N - state.SimPosition;
    } else {
        n = state.SimPosition;
        dst = dst + state.SimPosition - N;
    }
    for (int i = 0; i < n; ++i) {
        if (src - i < 1 - t.Dist) src = i + t.C;
        if (src - i >= 1) f.Set(dst - i, f.S(src - i));
        if (t.direction == kRechtsFromX1 && i >= t.W) f.Set(dst - i, f.B(dst - i + t.W));
    }
}

// Steps 1 to 3 of both vertical directions: the line position at phase 7, the outgoing (prev)
// and incoming (next) line positions, and the new phase.
struct Lines {
    int prev, next;
};

Lines AdvanceLines(const Terms& t, int L, int N, SimMessage& state) {
    if (state.SimPhase == 7) {
        state.SimPosition = std::uint16_t(state.SimPosition + t.W);
        if (state.SimPosition >= L + N) state.SimPosition = std::uint16_t(N);
    }
    Lines lines{state.SimPosition, state.SimPosition + t.W};
    if (lines.next >= L + N) lines.next = N;
    state.SimPhase = state.SimPhase == 7 ? 1 : std::uint8_t(state.SimPhase + 1);
    return lines;
}

void StepOben(const Terms& t, int L, int N, SimMessage& state, Frame& f) {
    const Lines lines = AdvanceLines(t, L, N, state);
    const int phase = state.SimPhase;
    const int mask = (255 << phase) & 255;
    const auto lay = [&](int position, auto&& bits) {
        int src = 1, dst = 1, n;
        if (position >= N) {
            n = N;
            src = position - N + 1;
        } else {
            n = position;
            dst = N + 1 - position;
        }
        for (int c = 0; c < n; ++c) {
            if (src + c > L) src = 1 - c;
            f.Or(dst + c, bits(f.S(src + c)));
        }
    };
    lay(lines.next, [&](int s) { return (s >> (7 - phase)) & ~mask & 255; });
    lay(lines.prev, [&](int s) { return (s << phase) & mask; });
    state.SimPosition = std::uint16_t(lines.prev);
}

void StepUnten(const Terms& t, int L, int N, int pad, SimMessage& state, Frame& f) {
    const Lines lines = AdvanceLines(t, L, N, state);
    const int phase = state.SimPhase;
    const int mask = 255 >> (phase + 1);
    const auto lay = [&](int position, auto&& bits) {
        int src = pad + t.C, dst = t.Mz * 5, n;
        if (position >= N) {
            n = N;
            src = src + N - position;
        } else {
            n = position;
            dst = dst + position - N;
        }
        for (int c = 0; c < n; ++c) {
            if (src - c < 1 - t.Dist) src = c + L;
            f.Or(dst - c, bits(f.S(src - c)));
        }
    };
    lay(lines.next, [&](int s) { return ((s << (7 - phase)) & 255) & ~mask & 255; });
    lay(lines.prev, [&](int s) { return (s >> phase) & mask; });
    state.SimPosition = std::uint16_t(lines.prev);
}

}  // namespace

void SimulationStep(const TLedRecord& message, SimMessage& state) {
    state.SimRow.fill(0);
    const Terms t(message);
    Frame frame(message, t.C, state);
    const bool horizontal = t.direction >= kLinksFromX0 && t.direction <= kRechtsFromX1;
    const bool vertical = t.direction >= kObenFromX0 && t.direction <= kUntenFromX1;
    int N = std::abs(t.X1 - t.X0) + 1;
    if (horizontal) {
        const int L = std::uint16_t(t.C + t.Dist);
        if (t.direction <= kLinksFromX1)
            StepLinks(t, L, N, state, frame);
        else
            StepRechts(t, L, N, state, frame);
        return;
    }
    // Lines of W columns: without a line width there is nothing to move.
    if (!vertical || t.W == 0) return;
    const int pad = t.C % t.W == 0 ? 0 : t.W - t.C % t.W;
    const int L = std::uint16_t(t.C + pad + t.Dist * t.W);
    N = N % 5 == 0 ? (N / t.W) * t.W : (N / t.W + 1) * t.W;
    if (t.direction <= kObenFromX1)
        StepOben(t, L, N, state, frame);
    else
        StepUnten(t, L, N, pad, state, frame);
}

}  // namespace ovis
