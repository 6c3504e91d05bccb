// A naive twin of the ring walk for the tests: the cables join the PCs into one ring exactly
// when they connect all of them, since every PC of a full board has two cable ends.
#pragma once

#include <numeric>
#include <vector>

namespace kestrelink::testing {

// pcConnectorOfEnd[j] is the PC connector that cable connector j is plugged into.
inline bool isOneRing(const std::vector<int>& pcConnectorOfEnd, int n) {
    std::vector<int> parent(static_cast<std::size_t>(n));
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&](int p) {
        while (parent[static_cast<std::size_t>(p)] != p)
            p = parent[static_cast<std::size_t>(p)];
        return p;
    };
    int components = n;
    for (int k = 0; k < n; ++k) {
        const int a = root(pcConnectorOfEnd[static_cast<std::size_t>(2 * k)] / 2);
        const int b = root(pcConnectorOfEnd[static_cast<std::size_t>(2 * k + 1)] / 2);
        if (a != b) {
            parent[static_cast<std::size_t>(a)] = b;
            --components;
        }
    }
    return components == 1;
}

} // namespace kestrelink::testing
