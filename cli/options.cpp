#include "cli/options.h"

#include "currency/currency_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <optional>
#include <span>

namespace qev {

namespace {

// What an option does.
enum class Does {
    Set,        // sets a flag of the options
    Currency,   // chooses the currency by its code or list index
    Case,       // chooses the letter style by its name
    Choose,     // gives a choice of the wording's form the value it names
    Switch,     // gives a choice of the wording's form its second value
    List,       // asks for the currency list
    Help,       // asks for --help
    Version,    // asks for the version
    EndOptions, // makes every argument after it an amount
};

// Where the usage lines show an option.
enum class Usage {
    InBrackets,          // "[--name VALUES]", with the others that go before the amounts
    InBracketsOnNewLine, // the same, opening a line: the Chinese capital's start their own
    OwnLine,             // a usage line of its own: "qev-words --list"
    WithPrevious,        // another way to run on the previous line: "--help | --version"
    Nowhere,
};

// An option; or, without a name, a paragraph of --help as it stands.
struct Option {
    std::string_view name = {};
    std::string_view values = {}; // what its value may be, as usage and --help show it; empty: none
    Does does = Does::Set;
    FormChoice choice = FormChoice::Subunit; // that it chooses or switches
    bool Options::*flag = nullptr;           // that it sets
    Usage usage = Usage::InBrackets;
    // What --help says it does, line by line; empty: nothing (-h), or what the previous option's
    // line says (--version).
    std::string_view help = {};
};

// Stands for the list's last index in --help.
constexpr std::string_view kLastIndex = "{last index}";

// Every option, in the order the usage lines and --help show them, and the paragraphs of --help
// between them.
constexpr Option kOptions[] = {
    {.help = "Writes money amounts out in the English words used on cheques and invoices.\n"
             "\n"
             "Each AMOUNT, or each line of standard input when none is given, gives two lines:\n"
             "the amount echoed behind the currency code, and its wording.\n"
             "An amount holds only the characters \"0123456789,.\": at most 15 integer digits\n"
             "and two decimals, three for currencies divided in thousandths; \",\" is a\n"
             "thousands separator, \".\" the decimal point.\n"
             "\n"},
    {.name = "--currency",
     .values = "CODE|INDEX",
     .does = Does::Currency,
     .help = "currency by code (any letter case) or list index 0-{last index};\n"
             "default 0, US Dollars (see --list)"},
    {.name = "--case",
     .values = "upper|title|lower",
     .does = Does::Case,
     .help = "letter case of the result; default upper"},
    {.name = "--words-only",
     .flag = &Options::wordsOnly,
     .help = "one line for each amount: the wording alone, or the\n"
             "message of an amount that cannot be written out (an empty\n"
             "line for one rejected on standard error)"},
    {.name = "--cells",
     .flag = &Options::cells,
     .help = "each AMOUNT or line a row of spreadsheet cells, split at tabs:\n"
             "the amount's cell may show spaces, a currency symbol and\n"
             "code, and a cell of a code alone sets the row's currency;\n"
             "one line for each row: its wording alone, its message, or\n"
             "an empty line for a blank row"},
    {.help = "\n"
             "The wording's form, as a document asks for it (default: SAY US DOLLARS ONE THOUSAND\n"
             "TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY):\n"},
    {.name = "--subunit",
     .values = "amp|and|and-cents|slash|point",
     .does = Does::Choose,
     .choice = FormChoice::Subunit,
     .help = "& FIFTY CENTS (default), AND FIFTY CENTS,\n"
             "AND CENTS FIFTY, AND 50/100 (the cheque form),\n"
             "AND POINT FIVE ZERO"},
    {.name = "--opening",
     .values = "say|say-total|none",
     .does = Does::Choose,
     .choice = FormChoice::Opening,
     .help = "SAY US DOLLARS (default), SAY TOTAL US DOLLARS, US DOLLARS"},
    {.name = "--only",
     .values = "always|whole|none",
     .does = Does::Choose,
     .choice = FormChoice::Closing,
     .help = "the closing ONLY: always (default), after whole amounts\n"
             "alone, never"},
    {.name = "--no-only",
     .does = Does::Switch,
     .choice = FormChoice::Closing,
     .help = "the same as --only none"},
    {.name = "--currency-after",
     .does = Does::Switch,
     .choice = FormChoice::Currency,
     .help = "the currency after the number: SAY ONE THOUSAND ... THIRTY\n"
             "FOUR US DOLLARS & FIFTY CENTS ONLY"},
    {.name = "--hyphens",
     .does = Does::Switch,
     .choice = FormChoice::Tens,
     .help = "THIRTY-FOUR, every compound of 21 to 99"},
    {.name = "--no-hundred-and",
     .does = Does::Switch,
     .choice = FormChoice::Hundreds,
     .help = "ONE HUNDRED ONE, not ONE HUNDRED AND ONE"},
    {.name = "--numbering",
     .values = "international|indian",
     .does = Does::Choose,
     .choice = FormChoice::Numbering,
     .help = "THOUSAND, MILLION (default), or THOUSAND, LAKH, CRORE"},
    {.help = "Outside the design's form, a name after its number agrees with it: ONE US DOLLAR,\n"
             "TWO SWISS FRANCS, ONE CENT.\n"
             "\n"},
    {.name = "--rmb-capital",
     .flag = &Options::rmbCapital,
     .usage = Usage::InBracketsOnNewLine,
     .help = "with --currency CNY, or --cells for rows in yuan: the Chinese\n"
             "capital in place of the words, as bills write it\n"
             "(人民币壹仟贰佰叁拾肆元伍角整)"},
    {.name = "--rmb-place-zero",
     .values = "write|omit",
     .does = Does::Choose,
     .choice = FormChoice::RmbPlaceZero,
     .help = "the 零 of a zero at the 万 or 元 place before a non-zero\n"
             "千 or 角: written (default) or left out"},
    {.name = "--rmb-zheng-after-jiao",
     .values = "write|omit",
     .does = Does::Choose,
     .choice = FormChoice::RmbZhengAfterJiao,
     .help = "整 after an amount that ends at 角: written (default) or not"},
    {.help = "\n"},
    {.name = "--line-buffered",
     .flag = &Options::lineBuffered,
     .help = "write each result at once, not in blocks (the default\n"
             "when standard output is a terminal)"},
    {.name = "--list",
     .does = Does::List,
     .usage = Usage::OwnLine,
     .help = "the currency list: index, code, name and decimals,\n"
             "tab-separated"},
    {.name = "--", .does = Does::EndOptions, .usage = Usage::Nowhere, .help = "ends the options"},
    {.name = "--help",
     .does = Does::Help,
     .usage = Usage::OwnLine,
     .help = "this text, the version"},
    {.name = "--version", .does = Does::Version, .usage = Usage::WithPrevious},
    {.name = "-h", .does = Does::Help, .usage = Usage::Nowhere},
    {.help = "\n"
             "Exit status: 0 every amount converted, 1 some amount rejected, 2 bad command line,\n"
             "3 input could not be read or output not written.\n"},
};

// The names an option's value may take, in the order they are kept.
constexpr std::span<const std::string_view> ValueNames(const Option& option) {
    if (option.does == Does::Case) {
        return kCaseStyleNames;
    }
    const std::size_t choice = static_cast<std::size_t>(option.choice);
    return std::span(kFormChoices[choice].values).first(ValueCount(option.choice));
}

// Whether the values usage shows for an option that takes a name ("amp|and|...") are those the
// parser takes, each once.
constexpr bool ShowsItsValues(const Option& option) {
    if (option.does != Does::Case && option.does != Does::Choose) {
        return true;
    }
    const std::span<const std::string_view> names = ValueNames(option);
    std::array<bool, 8> shown{}; // more than any option has values
    for (std::string_view rest = option.values;;) {
        const std::string_view value = rest.substr(0, rest.find('|'));
        const auto named = std::find(names.begin(), names.end(), value);
        if (named == names.end() || shown[named - names.begin()]) {
            return false;
        }
        shown[named - names.begin()] = true;
        if (value.size() == rest.size()) {
            return std::count(shown.begin(), shown.end(), true) == std::ssize(names);
        }
        rest.remove_prefix(value.size() + 1);
    }
}
static_assert(std::all_of(std::begin(kOptions), std::end(kOptions), ShowsItsValues));

// A message's list of the values an option takes: "say, say-total or none".
std::string Alternatives(const Option& option) {
    const std::span<const std::string_view> names = ValueNames(option);
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list.append(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ").append(names[i]);
    }
    return list;
}

std::optional<std::size_t> CurrencyIndex(std::string_view value) {
    std::size_t index = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
    if (!value.empty() && ec == std::errc() && end == value.data() + value.size()) {
        if (index < CurrencyRecords().size()) {
            return index;
        }
        return std::nullopt;
    }
    std::u16string code;
    for (char c : value) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return std::nullopt; // every code is plain ASCII
        }
        code.push_back(static_cast<char16_t>(c));
    }
    return FindCurrencyCode(code);
}

} // namespace

Request ReadOptions(const std::vector<std::string>& args, Options& options, std::string& reason) {
    bool list = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            options.amounts.push_back(arg);
            continue;
        }
        // "--currency X" or "--currency=X"; an option without a value is named whole.
        const std::string_view name = arg.substr(0, arg.find('='));
        const Option* option =
            std::find_if(std::begin(kOptions), std::end(kOptions), [&](const Option& o) {
                return !o.name.empty() && o.name == (o.values.empty() ? arg : name);
            });
        if (option == std::end(kOptions)) {
            reason = "unknown option '" + std::string(arg) + "'";
            return Request::Bad;
        }
        std::string_view value;
        if (!option->values.empty()) {
            if (name.size() < arg.size()) {
                value = arg.substr(name.size() + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                reason = "option '" + std::string(name) + "' needs a value";
                return Request::Bad;
            }
        }
        const std::size_t choice = static_cast<std::size_t>(option->choice);
        switch (option->does) {
        case Does::Set:
            options.*option->flag = true;
            break;
        case Does::Currency:
            if (const auto index = CurrencyIndex(value)) {
                options.currencyIndex = *index;
                break;
            }
            reason = "unknown currency '" + std::string(value) + "'";
            return Request::Bad;
        case Does::Case:
            if (const auto style = CaseStyleNamed(value)) {
                options.style = *style;
                break;
            }
            reason =
                "unknown case style '" + std::string(value) + "' (" + Alternatives(*option) + ")";
            return Request::Bad;
        case Does::Choose:
            if (const auto named = ValueNamed(option->choice, value)) {
                options.form.values[choice] = *named;
                break;
            }
            reason = "unknown " + std::string(kFormChoices[choice].name) + " form '" +
                     std::string(value) + "' (" + Alternatives(*option) + ")";
            return Request::Bad;
        case Does::Switch:
            options.form.values[choice] = 1;
            break;
        case Does::List:
            list = true;
            break;
        case Does::Help:
            return Request::Help;
        case Does::Version:
            return Request::Version;
        case Does::EndOptions:
            optionsEnded = true;
            break;
        }
    }
    if (list) {
        if (!options.amounts.empty()) {
            reason = "--list takes no amounts";
            return Request::Bad;
        }
        return Request::List;
    }
    options.currency = CurrencyAt(options.currencyIndex);
    if (options.rmbCapital && !options.cells && options.currency.code != u"CNY") {
        reason = "--rmb-capital writes the Chinese yuan's amounts only (--currency CNY or --cells)";
        return Request::Bad;
    }
    return Request::Convert;
}

std::string UsageText() {
    // The options that go before the amounts fill lines of up to this many characters.
    constexpr std::size_t kWidth = 89;
    constexpr std::string_view kFirst = "usage: qev-words", kOther = "       qev-words";
    std::string usage, line(kFirst), ownLines;
    const auto add = [&](std::string_view item, bool newLine) {
        if (newLine || line.size() + 1 + item.size() > kWidth) {
            usage.append(line).append("\n");
            line.assign(kFirst.size(), ' ');
        }
        line.append(" ").append(item);
    };
    for (const Option& option : kOptions) {
        std::string shown(option.name);
        if (!option.values.empty()) {
            shown.append(" ").append(option.values);
        }
        switch (option.name.empty() ? Usage::Nowhere : option.usage) {
        case Usage::InBrackets:
        case Usage::InBracketsOnNewLine:
            add("[" + shown + "]", option.usage == Usage::InBracketsOnNewLine);
            break;
        case Usage::OwnLine:
            ownLines.append("\n").append(kOther).append(" ").append(shown);
            break;
        case Usage::WithPrevious:
            ownLines.append(" | ").append(shown);
            break;
        case Usage::Nowhere:
            break;
        }
    }
    add("[AMOUNT ...]", false);
    return usage.append(line).append(ownLines).append("\n");
}

std::string HelpText() {
    // What an option does is written from this column on: on the option's own line when there is
    // room, else below it.
    constexpr std::size_t kColumn = 25;
    std::string help = UsageText() + '\n';
    for (const Option* option = std::begin(kOptions); option != std::end(kOptions); ++option) {
        if (option->name.empty() || option->help.empty()) {
            help += option->help; // a paragraph as it stands, or no entry of its own
            continue;
        }
        std::size_t lineStart = help.size();
        help += "  " + std::string(option->name);
        for (const Option* next = option + 1;
             next != std::end(kOptions) && next->usage == Usage::WithPrevious; ++next) {
            help += ", " + std::string(next->name);
        }
        if (!option->values.empty()) {
            help += ' ' + std::string(option->values);
        }
        if (help.size() - lineStart + 2 > kColumn) {
            help += '\n';
            lineStart = help.size();
        }
        std::string text(option->help);
        if (const std::size_t at = text.find(kLastIndex); at != std::string::npos) {
            text.replace(at, kLastIndex.size(), std::to_string(CurrencyRecords().size() - 1));
        }
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = text.find('\n', start);
            help.resize(lineStart + kColumn, ' ');
            help += text.substr(start, end - start) + '\n';
            lineStart = help.size();
        }
    }
    return help;
}

} // namespace qev
