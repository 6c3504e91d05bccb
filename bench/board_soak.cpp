// Runs the board's random-play soak for as long as asked, or replays a game it wrote down:
//   board_soak [seconds] [first seed]
//   board_soak --replay FILE
// Every board size in turn, one seed after another; a failure prints the game that led to it,
// which --replay plays again through the same checks.
#include "tests/core/BoardSoak.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

int replay(const char* fileName) {
    using namespace kestrelink::testing;
    std::ifstream file(fileName);
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    const auto record = parseRecord(text.str(), error);
    if (!file || !record) {
        std::fprintf(stderr, "%s: %s\n", fileName, file ? error.c_str() : "cannot be read");
        return 2;
    }
    const SoakResult result = BoardSoak::replay(*record);
    if (!result.failure.empty()) {
        std::printf("FAILED: %s\n", result.failure.c_str());
        return 1;
    }
    std::printf("%ld moves replayed, all checks held\n", result.operations);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace kestrelink;
    if (argc > 2 && std::strcmp(argv[1], "--replay") == 0)
        return replay(argv[2]);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const auto started = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    long operations = 0;
    long seeds = 0;
    while (elapsed() < seconds) {
        for (int n = kMinPcs; n <= kMaxPcs; ++n, ++seed, ++seeds) {
            testing::BoardSoak soak(n, seed);
            const testing::SoakResult result = soak.run(5000);
            operations += result.operations;
            if (!result.failure.empty()) {
                std::printf("FAILED: %s\n", result.failure.c_str());
                return 1;
            }
        }
    }
    std::printf("%ld operations over %ld seeds in %.1f s (%.0f per second), all checks held\n",
                operations, seeds, elapsed(), static_cast<double>(operations) / elapsed());
    return 0;
}
