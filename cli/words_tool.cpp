#include "cli/words_tool.h"

#include "currency/currency_table.h"
#include "engine/amount_input.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "engine/text_services.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace qev {

namespace {

constexpr std::string_view kUsage =
    "usage: qev-words [--currency CODE|INDEX] [--case upper|title|lower] [AMOUNT ...]\n"
    "       qev-words --list\n"
    "       qev-words --help | --version\n";

constexpr std::string_view kHelp =
    "Writes money amounts out in the English words used on cheques and invoices.\n"
    "\n"
    "Each AMOUNT, or each line of standard input when none is given, gives two lines:\n"
    "the amount echoed behind the currency code, and its wording.\n"
    "An amount holds only the characters \"0123456789,.\": at most 15 integer digits\n"
    "and two decimals; \",\" is a thousands separator, \".\" the decimal point.\n"
    "\n"
    "  --currency CODE|INDEX  currency by code (any letter case) or list index 0-133;\n"
    "                         default 0, US Dollars (see --list)\n"
    "  --case upper|title|lower\n"
    "                         letter case of the result; default upper\n"
    "  --list                 the currency list: index, code and name, tab-separated\n"
    "  --                     ends the options\n"
    "  --help, --version      this text, the version\n"
    "\n"
    "Exit status: 0 every amount converted, 1 some amount rejected, 2 bad command line.\n";

// Results are written in blocks of about this size, so long streams go fast.
constexpr std::size_t kOutputBlock = 64 * 1024;
// A rejected amount is quoted in its message up to this many bytes.
constexpr std::size_t kQuoteLimit = 64;

// Converted in pieces, so no text is too long for the system's conversion.
void AppendUtf8InPieces(std::string& out, std::u16string_view text) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    while (!text.empty()) {
        std::size_t size = std::min(text.size(), kPiece);
        if (size < text.size() && (text[size - 1] & 0xfc00) == 0xd800) {
            --size; // keep a surrogate pair together
        }
        AppendUtf8(out, text.substr(0, size));
        text.remove_prefix(size);
    }
}

// Bytes safe to show on a terminal: control characters and bytes that are not UTF-8 as \xNN.
std::string Printable(std::string_view bytes) {
    std::string shown;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        const Utf8Character character = FirstUtf8Character(bytes.substr(i));
        const char32_t c = character.codePoint;
        i += character.length;
        if (!character.valid || c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0)) {
            // One control character, or the longest start of a character that is not UTF-8.
            for (std::size_t k = start; k < i; ++k) {
                constexpr char kHex[] = "0123456789abcdef";
                const auto byte = static_cast<unsigned char>(bytes[k]);
                shown += "\\x";
                shown += kHex[byte >> 4];
                shown += kHex[byte & 0xf];
            }
        } else {
            shown.append(bytes.substr(start, i - start));
        }
    }
    return shown;
}

// The amount as quoted in a message: cut at a character boundary when long.
std::string Quoted(std::string_view amount) {
    if (amount.size() <= kQuoteLimit) {
        return Printable(amount);
    }
    std::size_t cut = kQuoteLimit;
    while (cut > 0 && (static_cast<unsigned char>(amount[cut]) & 0xc0) == 0x80) {
        --cut;
    }
    return Printable(amount.substr(0, cut)) + "…";
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct Options {
    SelectedCurrency currency;
    CaseStyle style = CaseStyle::Upper;
    bool list = false;
    std::vector<std::string_view> amounts;
};

class Converter {
public:
    Converter(const Options& options, std::ostream& out, std::ostream& err, bool interactive)
        : options_(options), out_(out), err_(err), interactive_(interactive) {}

    ~Converter() { Flush(); }

    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Writes the amount's two lines; false when it was rejected or not convertible.
    bool Convert(std::string_view amount) {
        const std::string_view trimmed = TrimBlanks(amount);
        if (trimmed.empty()) {
            return Reject("qev-words: empty amount\n");
        }
        std::u16string wide;
        wide.reserve(trimmed.size());
        for (std::size_t i = 0; i < trimmed.size(); ++i) {
            if (!IsAmountCharacter(static_cast<unsigned char>(trimmed[i]))) {
                // Name the whole character, not just its first byte.
                const std::size_t length = FirstUtf8Character(trimmed.substr(i)).length;
                return Reject("qev-words: invalid character '" +
                              Printable(trimmed.substr(i, length)) + "' in amount \"" +
                              Quoted(amount) + "\"\n");
            }
            wide.push_back(static_cast<char16_t>(trimmed[i]));
        }

        const Conversion conversion = AmountToWords(wide, options_.currency);
        std::u16string text = options_.style == CaseStyle::Upper
                                  ? conversion.text
                                  : ApplyCaseStyle(conversion.text, options_.style);
        const auto lineBreak = text.find(u"\r\n");
        if (lineBreak != std::u16string::npos) {
            text.erase(lineBreak, 1);
        }
        text.push_back(u'\n');
        AppendUtf8InPieces(buffer_, text);
        if (interactive_ || buffer_.size() >= kOutputBlock) {
            Flush();
        }
        return conversion.converted;
    }

    void Flush() {
        if (!buffer_.empty()) {
            out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
            buffer_.clear();
        }
        out_.flush();
    }

private:
    bool Reject(const std::string& message) {
        err_ << message;
        return false;
    }

    const Options& options_;
    std::ostream& out_;
    std::ostream& err_;
    bool interactive_;
    std::string buffer_;
};

int UsageError(std::ostream& err, const std::string& reason) {
    err << "qev-words: " << Printable(reason) << '\n' << kUsage;
    return kExitUsage;
}

std::optional<std::size_t> CurrencyIndex(std::string_view value) {
    std::size_t index = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
    if (!value.empty() && ec == std::errc() && end == value.data() + value.size()) {
        if (index < kCurrencyCount) {
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

std::optional<CaseStyle> StyleNamed(std::string_view name) {
    if (name == "upper") {
        return CaseStyle::Upper;
    }
    if (name == "title") {
        return CaseStyle::Title;
    }
    if (name == "lower") {
        return CaseStyle::Lower;
    }
    return std::nullopt;
}

void WriteList(std::ostream& out) {
    std::string list;
    const auto& records = CurrencyRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto currency = ReadCurrencyRecord(records[i]);
        list += std::to_string(i) + '\t';
        AppendUtf8InPieces(list, currency->code);
        list += '\t';
        AppendUtf8InPieces(list, ListEntryText(records[i]));
        list += '\n';
    }
    out << list << std::flush;
}

} // namespace

int RunWordsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                 std::ostream& err, bool interactive) {
    Options options;
    std::size_t currencyIndex = 0;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            options.amounts.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            out << kUsage << '\n' << kHelp << std::flush;
            return kExitConverted;
        }
        if (arg == "--version") {
            out << "qev-words " QEV_VERSION "\n" << std::flush;
            return kExitConverted;
        }
        if (arg == "--list") {
            options.list = true;
            continue;
        }
        // "--currency X" or "--currency=X", likewise --case.
        const std::string_view name = arg.substr(0, arg.find('='));
        if (name != "--currency" && name != "--case") {
            return UsageError(err, "unknown option '" + std::string(arg) + "'");
        }
        std::string_view value;
        if (name.size() < arg.size()) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError(err, "option '" + std::string(name) + "' needs a value");
        }
        if (name == "--currency") {
            const auto index = CurrencyIndex(value);
            if (!index) {
                return UsageError(err, "unknown currency '" + std::string(value) + "'");
            }
            currencyIndex = *index;
        } else {
            const auto style = StyleNamed(value);
            if (!style) {
                return UsageError(err, "unknown case style '" + std::string(value) +
                                           "' (upper, title or lower)");
            }
            options.style = *style;
        }
    }

    if (options.list) {
        if (!options.amounts.empty()) {
            return UsageError(err, "--list takes no amounts");
        }
        WriteList(out);
        return kExitConverted;
    }

    options.currency = *ReadCurrencyRecord(CurrencyRecords()[currencyIndex]);
    Converter converter(options, out, err, interactive);
    bool allConverted = true;
    if (!options.amounts.empty()) {
        for (const std::string_view amount : options.amounts) {
            allConverted = converter.Convert(amount) && allConverted;
        }
    } else {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!TrimBlanks(line).empty()) {
                allConverted = converter.Convert(line) && allConverted;
            }
        }
    }
    converter.Flush();
    return allConverted ? kExitConverted : kExitRejected;
}

} // namespace qev
