// How PCs, connectors and cables are numbered on the board.
#pragma once

#include <cstddef>

namespace kestrelink {

inline constexpr int kMinPcs = 4;
inline constexpr int kMaxPcs = 16;
// Every shared table has rows 0..32: enough for the 32 connectors of 16 PCs, plus one spare.
inline constexpr int kTableRows = 33;
inline constexpr int kNone = -1;

// PC p owns PC connectors 2p and 2p+1.
constexpr int pcOfConnector(int pcConnector) {
    return pcConnector / 2;
}

// Cable k owns cable connectors 2k and 2k+1.
constexpr int cableOfConnector(int cableConnector) {
    return cableConnector / 2;
}

// The other connector of a pair: 2k <-> 2k+1. The same rule gives the other PC connector of
// one PC and the other end of one cable.
constexpr int partnerInPair(int index) {
    return 2 * (index / 2) + 1 - (index % 2);
}

constexpr int otherConnectorOfSamePc(int pcConnector) {
    return partnerInPair(pcConnector);
}
constexpr int otherEndOfCable(int cableConnector) {
    return partnerInPair(cableConnector);
}

// Entry `index` of a table or list that one of these numbers indexes. Checked: an index outside
// the table stops the program there instead of reading or writing beside it.
template <typename Table> constexpr decltype(auto) at(Table& table, int index) {
    return table.at(static_cast<std::size_t>(index));
}

} // namespace kestrelink
