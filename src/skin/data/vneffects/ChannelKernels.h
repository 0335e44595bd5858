#pragma once
// The per-pixel loops of the channel effects, one row at a time. Each has a portable
// loop and, where the processor has them, vector instructions chosen when the program
// runs; both give the same pixels. The unused top byte of a pixel is kept.
#include <QtGlobal>
#include <array>

namespace vneffects {

// Every colour channel c of the row becomes table[c].
void ApplyChannelTable(quint32* row, int count, const std::array<quint8, 256>& table);
// Every colour channel becomes the grey 0.3 red + 0.59 green + 0.11 blue, rounded half
// to even.
void GrayRow(quint32* row, int count);

// The portable loops alone, which the vector ones must match.
void ApplyChannelTablePortable(quint32* row, int count, const std::array<quint8, 256>& table);
void GrayRowPortable(quint32* row, int count);

} // namespace vneffects
