// qev-words' command line: every option once, in one table that gives the usage lines, --help and
// the parser.
#pragma once

#include "engine/amount_words.h"

#include <string>
#include <string_view>
#include <vector>

namespace qev {

// What the command line asks for, the defaults until it says otherwise.
struct Options {
    std::size_t currencyIndex = 0; // --currency: its list entry
    SelectedCurrency currency;     // that entry's fields
    CaseStyle style = CaseStyle::Upper;
    WordingForm form;
    bool wordsOnly = false;
    bool cells = false;
    bool rmbCapital = false;
    bool lineBuffered = false;
    std::vector<std::string_view> amounts; // the arguments that are no options, in order
};

// What the tool is asked to do.
enum class Request { Convert, List, Help, Version, Bad };

// Reads the arguments after the program name into `options`; `reason` says what is wrong with a
// bad command line. --help and --version answer at once, whatever follows them.
Request ReadOptions(const std::vector<std::string>& args, Options& options, std::string& reason);

// The usage lines, which a bad command line repeats after its reason.
std::string UsageText();

// The usage lines, then what each option does.
std::string HelpText();

} // namespace qev
