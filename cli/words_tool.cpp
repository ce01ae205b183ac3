#include "cli/words_tool.h"

#include "currency/currency_table.h"
#include "engine/amount_input.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "engine/rmb_capital.h"
#include "engine/text_services.h"
#include "qev_version.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

namespace qev {

void Utf16Pieces::Append(std::string& out, std::u16string_view piece) {
    if (lead_ != 0 && !piece.empty()) {
        const char16_t waiting[] = {lead_, piece.front()};
        const std::size_t length = FirstUtf16Character({waiting, 2}).length;
        AppendUtf8(out, {waiting, length});
        piece.remove_prefix(length - 1);
        lead_ = 0;
    }
    if (!piece.empty() && IsLeadSurrogate(piece.back())) {
        lead_ = piece.back();
        piece.remove_suffix(1);
    }
    AppendUtf8(out, piece);
}

void Utf16Pieces::End(std::string& out) {
    if (lead_ != 0) {
        AppendUtf8(out, {&lead_, 1});
        lead_ = 0;
    }
}

namespace {

constexpr std::string_view kUsage =
    "usage: qev-words [--currency CODE|INDEX] [--case upper|title|lower] [--words-only]\n"
    "                 [--subunit amp|and|and-cents|slash|point] [--opening say|say-total|none]\n"
    "                 [--only always|whole|none] [--no-only] [--currency-after] [--hyphens]\n"
    "                 [--no-hundred-and] [--numbering international|indian]\n"
    "                 [--rmb-capital] [--rmb-place-zero write|omit]\n"
    "                 [--rmb-zheng-after-jiao write|omit] [--line-buffered] [AMOUNT ...]\n"
    "       qev-words --list\n"
    "       qev-words --help | --version\n";

// The list's last index goes between the two parts.
constexpr std::string_view kHelp[] = {
    "Writes money amounts out in the English words used on cheques and invoices.\n"
    "\n"
    "Each AMOUNT, or each line of standard input when none is given, gives two lines:\n"
    "the amount echoed behind the currency code, and its wording.\n"
    "An amount holds only the characters \"0123456789,.\": at most 15 integer digits\n"
    "and two decimals, three for currencies divided in thousandths; \",\" is a\n"
    "thousands separator, \".\" the decimal point.\n"
    "\n"
    "  --currency CODE|INDEX  currency by code (any letter case) or list index 0-",
    ";\n"
    "                         default 0, US Dollars (see --list)\n"
    "  --case upper|title|lower\n"
    "                         letter case of the result; default upper\n"
    "  --words-only           one line for each amount: the wording alone, or the\n"
    "                         message of an amount that cannot be written out (an empty\n"
    "                         line for one rejected on standard error)\n"
    "\n"
    "The wording's form, as a document asks for it (default: SAY US DOLLARS ONE THOUSAND\n"
    "TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY):\n"
    "  --subunit amp|and|and-cents|slash|point\n"
    "                         & FIFTY CENTS (default), AND FIFTY CENTS,\n"
    "                         AND CENTS FIFTY, AND 50/100 (the cheque form),\n"
    "                         AND POINT FIVE ZERO\n"
    "  --opening say|say-total|none\n"
    "                         SAY US DOLLARS (default), SAY TOTAL US DOLLARS, US DOLLARS\n"
    "  --only always|whole|none\n"
    "                         the closing ONLY: always (default), after whole amounts\n"
    "                         alone, never\n"
    "  --no-only              the same as --only none\n"
    "  --currency-after       the currency after the number: SAY ONE THOUSAND ... THIRTY\n"
    "                         FOUR US DOLLARS & FIFTY CENTS ONLY\n"
    "  --hyphens              THIRTY-FOUR, every compound of 21 to 99\n"
    "  --no-hundred-and       ONE HUNDRED ONE, not ONE HUNDRED AND ONE\n"
    "  --numbering international|indian\n"
    "                         THOUSAND, MILLION (default), or THOUSAND, LAKH, CRORE\n"
    "Outside the design's form, a name after its number agrees with it: ONE US DOLLAR,\n"
    "TWO SWISS FRANCS, ONE CENT.\n"
    "\n"
    "  --rmb-capital          with --currency CNY: the Chinese capital in place of the\n"
    "                         words, as bills write it (人民币壹仟贰佰叁拾肆元伍角整)\n"
    "  --rmb-place-zero write|omit\n"
    "                         the 零 of a zero at the 万 or 元 place before a non-zero\n"
    "                         千 or 角: written (default) or left out\n"
    "  --rmb-zheng-after-jiao write|omit\n"
    "                         整 after an amount that ends at 角: written (default) or not\n"
    "\n"
    "  --line-buffered        write each result at once, not in blocks (the default\n"
    "                         when standard output is a terminal)\n"
    "  --list                 the currency list: index, code, name and decimals,\n"
    "                         tab-separated\n"
    "  --                     ends the options\n"
    "  --help, --version      this text, the version\n"
    "\n"
    "Exit status: 0 every amount converted, 1 some amount rejected, 2 bad command line,\n"
    "3 input could not be read or output not written.\n"};

// Results are written in blocks of about this size, so long streams go fast.
constexpr std::size_t kOutputBlock = 64 * 1024;
// A rejected amount is quoted in its message up to this many bytes.
constexpr std::size_t kQuoteLimit = 64;

// Converted in pieces, so no text is too long for the system's conversion.
void AppendUtf8InPieces(std::string& out, std::u16string_view text) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    while (!text.empty()) {
        std::size_t size = std::min(text.size(), kPiece);
        if (size < text.size() && IsLeadSurrogate(text[size - 1])) {
            --size; // keep a surrogate pair together
        }
        AppendUtf8(out, text.substr(0, size));
        text.remove_prefix(size);
    }
}

// Characters that show as nothing, as a blank that is not a space, or that reorder the text
// around them: no-break and other spaces, zero-width and joining characters, bidirectional
// controls and the other format characters.
bool IsInvisible(char32_t c) {
    constexpr std::pair<char32_t, char32_t> kRanges[] = {
        {0x00a0, 0x00a0},   {0x00ad, 0x00ad},   {0x034f, 0x034f},   {0x061c, 0x061c},
        {0x115f, 0x1160},   {0x17b4, 0x17b5},   {0x180b, 0x180f},   {0x2000, 0x200f},
        {0x2028, 0x202f},   {0x205f, 0x206f},   {0x3000, 0x3000},   {0x3164, 0x3164},
        {0xfe00, 0xfe0f},   {0xfeff, 0xfeff},   {0xffa0, 0xffa0},   {0xfff0, 0xfffb},
        {0x1bca0, 0x1bca3}, {0x1d173, 0x1d17a}, {0xe0000, 0xe0fff},
    };
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// Bytes safe to show on a terminal: control characters and bytes that are not UTF-8 as \xNN,
// invisible characters as \u{XXXX}.
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
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(bytes[k]));
                shown += hex;
            }
        } else if (IsInvisible(c)) {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u{%04X}", static_cast<unsigned>(c));
            shown += escape;
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
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct Options {
    SelectedCurrency currency;
    std::optional<PreparedCurrency<char>> prepared; // the currency in the chosen style and form
    CaseStyle style = CaseStyle::Upper;
    WordingForm form;
    bool rmbCapital = false;
    bool list = false;
    bool lineBuffered = false;
    bool wordsOnly = false;
    std::vector<std::string_view> amounts;
};

// The tool's two outputs. The first write that fails ends the run: nothing after it could be
// trusted to arrive.
class Outputs {
public:
    Outputs(ByteOutput& out, ByteOutput& err) : out_(out), err_(err) {}

    bool Failed() const { return failed_; }

    // Standard output goes in blocks, or a result at a time when line-buffered. A result is
    // written in place: Room(n) gives n free bytes, Written(end) keeps what went there.
    char* Room(std::size_t size) {
        if (used_ + size > buffer_.size()) {
            Flush();
            buffer_.resize(std::max(buffer_.size(), kOutputBlock + size));
        }
        return buffer_.data() + used_;
    }
    void Written(const char* end) {
        used_ = static_cast<std::size_t>(end - buffer_.data());
        if (used_ >= kOutputBlock) {
            Flush();
        }
    }
    void Out(std::string_view bytes) {
        if (bytes.size() < kOutputBlock) {
            Written(std::copy(bytes.begin(), bytes.end(), Room(bytes.size())));
        } else {
            Flush();
            Send(bytes);
        }
    }

    void Flush() {
        Send(std::string_view(buffer_.data(), used_));
        used_ = 0;
    }

    // Messages go out at once, after what standard output has so far.
    void Err(const std::string& message) {
        Flush();
        std::string reason;
        if (!failed_ && !err_.Write(message, reason)) {
            failed_ = true;
        }
    }

private:
    void Send(std::string_view bytes) {
        std::string reason;
        if (!failed_ && !bytes.empty() && !out_.Write(bytes, reason)) {
            failed_ = true;
            std::string ignored; // standard error is all that is left to say it on
            err_.Write("qev-words: write error: " + reason + "\n", ignored);
        }
    }

    ByteOutput& out_;
    ByteOutput& err_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

// The message for the first character of `trimmed` that cannot be in an amount; empty when there
// is none.
std::string InvalidCharacterMessage(std::string_view amount, std::string_view trimmed) {
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (!IsAmountCharacter(static_cast<unsigned char>(trimmed[i]))) {
            // Name the whole character, not just its first byte.
            const std::size_t length = FirstUtf8Character(trimmed.substr(i)).length;
            return "qev-words: invalid character '" + Printable(trimmed.substr(i, length)) +
                   "' in amount \"" + Quoted(amount) + "\"\n";
        }
    }
    return {};
}

// The error Result text of an amount of amount characters alone, as the windows show it in the
// chosen style, its lines ended by line feeds; with --words-only its message alone.
std::string ErrorResult(std::string_view amount, AmountProblem problem, const Options& options) {
    const std::u16string wide(amount.begin(), amount.end()); // plain ASCII
    std::u16string text =
        options.wordsOnly
            ? std::u16string(MessageOf(problem, options.currency.decimals))
            : ApplyCaseStyle(RejectedResult(wide, options.currency, problem, u"\n"), options.style);
    text.push_back(u'\n');
    std::string bytes;
    AppendUtf8InPieces(bytes, text);
    return bytes;
}

// An amount rejected with a message on standard error: with --words-only its row on standard
// output stays, empty, so the rows of a column of amounts keep their places.
bool Reject(const std::string& message, const Options& options, Outputs& outputs) {
    outputs.Err(message);
    if (options.wordsOnly) {
        outputs.Out("\n");
    }
    return false;
}

// Writes the two lines of `amount`, which `trimmed` is without the blanks at its ends, or with
// --words-only its wording alone; false when it was rejected or not convertible.
bool Convert(std::string_view amount, std::string_view trimmed, const Options& options,
             Outputs& outputs) {
    if (trimmed.empty()) {
        return Reject("qev-words: empty amount\n", options, outputs);
    }
    const PreparedCurrency<char>& prepared = *options.prepared;
    char* room = outputs.Room(prepared.Room() + 1);
    AmountProblem problem = AmountProblem::None;
    char* wording = nullptr;
    char* end = prepared.WriteResult(room, trimmed, problem, &wording);
    // The engine refuses every character that cannot be in an amount, save spaces among commas at
    // either end, which it cuts as blanks: each character is looked at here only where it refused
    // the amount or may have cut commas.
    if (problem != AmountProblem::None || trimmed.front() == ',' || trimmed.back() == ',') {
        if (const std::string message = InvalidCharacterMessage(amount, trimmed);
            !message.empty()) {
            return Reject(message, options, outputs);
        }
    }
    if (problem == AmountProblem::None) {
        if (options.rmbCapital) { // the Chinese capital where the English wording stood
            std::string capital;
            AppendUtf8(capital, *RmbCapitalOf(std::u16string(trimmed.begin(), trimmed.end()),
                                              options.form));
            end = std::copy(capital.begin(), capital.end(), options.wordsOnly ? room : wording);
        } else if (options.wordsOnly) {
            end = std::copy(wording, end, room);
        }
        *end++ = '\n';
        outputs.Written(end);
    } else {
        outputs.Out(ErrorResult(trimmed, problem, options));
    }
    if (options.lineBuffered) {
        outputs.Flush();
    }
    return problem == AmountProblem::None;
}

// The input as UTF-8 for the line reader. A text that opens with a UTF-16 byte-order mark, as
// Notepad saves "Unicode", is converted, little- or big-endian, the mark too (the line reader drops
// it as it does UTF-8's); an odd byte at its end becomes U+FFFD. Any other input is passed on as
// it comes.
class Utf8Input : public ByteInput {
public:
    explicit Utf8Input(ByteInput& in) : in_(in) {}

    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override {
        if (!checked_) {
            const std::ptrdiff_t count = ReadStart(data, size, reason);
            if (count <= 0 || !utf16_) {
                return count;
            }
            Convert(std::string_view(data, static_cast<std::size_t>(count)));
        } else if (!utf16_) {
            return ended_ ? 0 : in_.Read(data, size, reason);
        }
        while (converted_.empty() && !ended_) {
            const std::ptrdiff_t count = in_.Read(block_.data(), block_.size(), reason);
            if (count < 0) {
                return -1;
            }
            ended_ = count == 0;
            Convert(std::string_view(block_.data(), static_cast<std::size_t>(count)));
        }
        const std::size_t count = converted_.copy(data, size);
        converted_.erase(0, count);
        return static_cast<std::ptrdiff_t>(count);
    }

private:
    // Reads until the first two bytes show whether a UTF-16 mark opens the input.
    std::ptrdiff_t ReadStart(char* data, std::size_t size, std::string& reason) {
        std::size_t count = 0;
        do {
            const std::ptrdiff_t got = in_.Read(data + count, size - count, reason);
            if (got < 0) {
                return -1;
            }
            count += static_cast<std::size_t>(got);
            ended_ = got == 0;
        } while (!ended_ && count < 2 && static_cast<unsigned char>(data[0]) >= 0xfe);
        checked_ = true;
        const std::string_view start(data, count);
        utf16_ = start.starts_with("\xff\xfe") || start.starts_with("\xfe\xff");
        bigEndian_ = start.starts_with('\xfe');
        if (utf16_) {
            block_.resize(64 * 1024);
        }
        return static_cast<std::ptrdiff_t>(count);
    }

    void Convert(std::string_view bytes) {
        units_.clear();
        for (const char byte : bytes) {
            if (!odd_) {
                odd_ = static_cast<unsigned char>(byte);
                continue;
            }
            const unsigned next = static_cast<unsigned char>(byte);
            units_.push_back(
                static_cast<char16_t>(bigEndian_ ? *odd_ << 8 | next : next << 8 | *odd_));
            odd_.reset();
        }
        if (ended_ && odd_) {
            units_.push_back(u'\ufffd');
        }
        pieces_.Append(converted_, units_);
        if (ended_) {
            pieces_.End(converted_);
        }
    }

    ByteInput& in_;
    bool checked_ = false, utf16_ = false, bigEndian_ = false, ended_ = false;
    std::vector<char> block_;
    std::optional<unsigned> odd_; // a byte read without the other of its unit
    std::u16string units_;
    Utf16Pieces pieces_;
    std::string converted_; // converted and not yet read
};

// The lines of the input, read in blocks. A line is held only up to the length limit: the rest of
// a longer one is read past, never kept.
class LineReader {
public:
    explicit LineReader(ByteInput& in) : in_(in), buffer_(kInputBlock) {}

    enum class Next { Line, TooLong, End, ReadError };

    // The next line, without its line feed; valid until the next call. `reason` says why a read
    // failed.
    Next Read(std::string_view& line, std::string& reason) {
        bool tooLong = false;
        for (;;) {
            const char* held = buffer_.data();
            if (const void* feed = std::memchr(held + scanned_, '\n', end_ - scanned_)) {
                const std::size_t at =
                    static_cast<std::size_t>(static_cast<const char*>(feed) - held);
                line = std::string_view(held + start_, at - start_);
                start_ = scanned_ = at + 1;
                markChecked_ = true; // a line that ended before three bytes came: no mark
                return tooLong || line.size() > kMaxLineLength ? Next::TooLong : Next::Line;
            }
            scanned_ = end_;
            if (ended_) {
                line = std::string_view(held + start_, end_ - start_);
                start_ = end_;
                return tooLong ? Next::TooLong : line.empty() ? Next::End : Next::Line;
            }
            if (!ReadBlock(tooLong, reason)) {
                return Next::ReadError;
            }
        }
    }

private:
    static constexpr std::size_t kInputBlock = 64 * 1024;

    // Reads a block after the start of the next line, moved to the front, or after nothing when
    // that start is already too long to keep; false when the read failed.
    bool ReadBlock(bool& tooLong, std::string& reason) {
        if (end_ - start_ > kMaxLineLength) {
            tooLong = true;
            start_ = end_;
        }
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(start_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
        end_ -= start_;
        scanned_ = end_;
        start_ = 0;
        buffer_.resize(std::max(buffer_.size(), end_ + kInputBlock));
        const std::ptrdiff_t count = in_.Read(buffer_.data() + end_, kInputBlock, reason);
        if (count < 0) {
            return false;
        }
        end_ += static_cast<std::size_t>(count);
        ended_ = count == 0;
        // A UTF-8 byte-order mark, as Windows editors save it, is no part of the first line.
        if (!markChecked_ && (end_ >= 3 || ended_)) {
            markChecked_ = true;
            if (std::string_view(buffer_.data(), end_).starts_with("\xef\xbb\xbf")) {
                start_ = 3;
                scanned_ = std::max(scanned_, start_);
            }
        }
        return true;
    }

    ByteInput& in_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;   // where the next line starts
    std::size_t scanned_ = 0; // how far it is known to hold no line feed
    std::size_t end_ = 0;     // how much is held
    bool ended_ = false;
    bool markChecked_ = false;
};

int UsageError(ByteOutput& err, const std::string& reason) {
    std::string ignored;
    return err.Write("qev-words: " + Printable(reason) + "\n" + std::string(kUsage), ignored)
               ? kExitUsage
               : kExitIoError;
}

// Writes everything of a reply, such as the list or the help; status 3 when it could not.
int Reply(const std::string& text, ByteOutput& out, ByteOutput& err) {
    Outputs outputs(out, err);
    outputs.Out(text);
    outputs.Flush();
    return outputs.Failed() ? kExitIoError : kExitConverted;
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

// A choice's values as a message lists them: "say, say-total or none".
std::string ValueList(FormChoice choice) {
    std::string list;
    const std::size_t count = ValueCount(choice);
    for (std::size_t i = 0; i < count; ++i) {
        list += std::string(i == 0           ? ""
                            : i + 1 == count ? " or "
                                             : ", ") +
                std::string(kFormChoices[static_cast<std::size_t>(choice)].values[i]);
    }
    return list;
}

std::string CurrencyList() {
    std::string list;
    for (std::size_t i = 0; i < CurrencyRecords().size(); ++i) {
        list += std::to_string(i) + '\t';
        AppendUtf8InPieces(list, CurrencyFieldsAt(i).code);
        list += '\t';
        AppendUtf8InPieces(list, ListEntryText(i));
        list += '\t' + std::to_string(CurrencyFieldsAt(i).decimals) + '\n';
    }
    return list;
}

// Converts the amounts given as arguments: the exit status, 3 as soon as output fails.
int ConvertAmounts(const Options& options, Outputs& outputs) {
    bool allConverted = true;
    for (const std::string_view amount : options.amounts) {
        allConverted = Convert(amount, TrimBlanks(amount), options, outputs) && allConverted;
        if (outputs.Failed()) {
            return kExitIoError;
        }
    }
    return allConverted ? kExitConverted : kExitRejected;
}

// Converts each line of the input that is not blank: the exit status, 3 as soon as input or
// output fails.
int ConvertLines(ByteInput& in, const Options& options, Outputs& outputs) {
    Utf8Input text(in);
    LineReader reader(text);
    std::string_view line;
    std::string reason;
    bool allConverted = true;
    for (std::size_t number = 1;; ++number) {
        const LineReader::Next next = reader.Read(line, reason);
        if (next == LineReader::Next::End) {
            return allConverted ? kExitConverted : kExitRejected;
        }
        if (next == LineReader::Next::ReadError) {
            outputs.Err("qev-words: read error: " + reason + "\n");
            return kExitIoError;
        }
        if (next == LineReader::Next::TooLong) {
            allConverted = Reject("qev-words: line " + std::to_string(number) + " too long\n",
                                  options, outputs);
        } else {
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            const std::string_view amount = TrimBlanks(line);
            if (!amount.empty()) {
                allConverted = Convert(line, amount, options, outputs) && allConverted;
            }
        }
        if (outputs.Failed()) {
            return kExitIoError;
        }
    }
}

} // namespace

int RunWordsTool(const std::vector<std::string>& args, ByteInput& in, ByteOutput& out,
                 ByteOutput& err, bool lineBuffered) {
    Options options;
    options.lineBuffered = lineBuffered;
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
            return Reply(std::string(kUsage) + "\n" + std::string(kHelp[0]) +
                             std::to_string(CurrencyRecords().size() - 1) + std::string(kHelp[1]),
                         out, err);
        }
        if (arg == "--version") {
            return Reply("qev-words " QEV_VERSION "\n", out, err);
        }
        if (arg == "--list") {
            options.list = true;
            continue;
        }
        if (arg == "--line-buffered") {
            options.lineBuffered = true;
            continue;
        }
        if (arg == "--words-only") {
            options.wordsOnly = true;
            continue;
        }
        if (arg == "--rmb-capital") {
            options.rmbCapital = true;
            continue;
        }
        // The forms' switches: the second value of their choice.
        constexpr std::pair<std::string_view, FormChoice> kSwitches[] = {
            {"--no-only", FormChoice::Closing},
            {"--currency-after", FormChoice::Currency},
            {"--hyphens", FormChoice::Tens},
            {"--no-hundred-and", FormChoice::Hundreds}};
        if (const auto* flag = std::find_if(std::begin(kSwitches), std::end(kSwitches),
                                            [arg](const auto& f) { return f.first == arg; });
            flag != std::end(kSwitches)) {
            options.form.values[static_cast<std::size_t>(flag->second)] = 1;
            continue;
        }
        // "--currency X" or "--currency=X", likewise --case and the forms' choices.
        constexpr std::pair<std::string_view, FormChoice> kChoices[] = {
            {"--subunit", FormChoice::Subunit},
            {"--opening", FormChoice::Opening},
            {"--only", FormChoice::Closing},
            {"--numbering", FormChoice::Numbering},
            {"--rmb-place-zero", FormChoice::RmbPlaceZero},
            {"--rmb-zheng-after-jiao", FormChoice::RmbZhengAfterJiao}};
        const std::string_view name = arg.substr(0, arg.find('='));
        const auto* choice = std::find_if(std::begin(kChoices), std::end(kChoices),
                                          [name](const auto& c) { return c.first == name; });
        if (name != "--currency" && name != "--case" && choice == std::end(kChoices)) {
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
        } else if (name == "--case") {
            const auto style = CaseStyleNamed(value);
            if (!style) {
                return UsageError(err, "unknown case style '" + std::string(value) +
                                           "' (upper, title or lower)");
            }
            options.style = *style;
        } else {
            const auto form = ValueNamed(choice->second, value);
            if (!form) {
                return UsageError(
                    err,
                    "unknown " +
                        std::string(kFormChoices[static_cast<std::size_t>(choice->second)].name) +
                        " form '" + std::string(value) + "' (" + ValueList(choice->second) + ")");
            }
            options.form.values[static_cast<std::size_t>(choice->second)] = *form;
        }
    }

    if (options.list) {
        if (!options.amounts.empty()) {
            return UsageError(err, "--list takes no amounts");
        }
        return Reply(CurrencyList(), out, err);
    }

    options.currency = CurrencyAt(currencyIndex);
    if (options.rmbCapital && options.currency.code != u"CNY") {
        return UsageError(err, "--rmb-capital writes the Chinese yuan's amounts only "
                               "(--currency CNY)");
    }
    options.prepared.emplace(options.currency, options.style, "\n", options.form);
    Outputs outputs(out, err);
    const int status = options.amounts.empty() ? ConvertLines(in, options, outputs)
                                               : ConvertAmounts(options, outputs);
    outputs.Flush();
    return outputs.Failed() ? kExitIoError : status;
}

} // namespace qev
