// qev-words, the command-line companion: writes amounts out in words for scripts and batch work.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qev {

// Exit statuses of qev-words.
inline constexpr int kExitConverted = 0; // every amount written out
inline constexpr int kExitRejected = 1;  // some amount rejected or not convertible
inline constexpr int kExitUsage = 2;     // bad command line

// Runs qev-words on the arguments that follow the program name, reading amounts from `in` when
// none is given. `interactive` writes each result at once instead of in blocks.
int RunWordsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                 std::ostream& err, bool interactive = false);

} // namespace qev
