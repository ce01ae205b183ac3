// qev-words' loop: each amount, from the arguments or the input's lines, converted and written
// out, and the replies to --list, --help and --version.
#include "cli/words_tool.h"

#include "cli/line_input.h"
#include "cli/options.h"
#include "cli/output.h"
#include "currency/currency_table.h"
#include "currency/row_wording.h"
#include "engine/amount_input.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "engine/rmb_capital.h"
#include "engine/text_services.h"
#include "qev_version.h"

#include <algorithm>

namespace qev {

namespace {

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

// One run over the amounts: what the command line asks for, the currency prepared once in its
// style and form, and the two outputs.
struct Run {
    Run(const Options& options, ByteOutput& out, ByteOutput& err)
        : options(options), prepared(options.currency, options.style, "\n", options.form),
          outputs(out, err) {}

    const Options& options;
    const PreparedCurrency<char> prepared;
    Outputs outputs;
};

// An amount rejected with a message on standard error: with --words-only or --cells its row on
// standard output stays, empty, so the rows of a column of amounts keep their places.
bool Reject(const std::string& message, Run& run) {
    run.outputs.Err(message);
    if (run.options.wordsOnly || run.options.cells) {
        run.outputs.Out("\n");
    }
    return false;
}

// Writes the two lines of `amount`, which `trimmed` is without the blanks at its ends, or with
// --words-only its wording alone; false when it was rejected or not convertible.
bool Convert(std::string_view amount, std::string_view trimmed, Run& run) {
    if (trimmed.empty()) {
        return Reject("qev-words: empty amount\n", run);
    }
    const Options& options = run.options;
    const PreparedCurrency<char>& prepared = run.prepared;
    Outputs& outputs = run.outputs;
    char* room = outputs.Room(prepared.Room() + 1);
    AmountProblem problem = AmountProblem::None;
    char* wording = nullptr;
    char* end = prepared.WriteResult(room, trimmed, problem, &wording);
    // The engine refuses every character that cannot be in an amount: each character is looked at
    // here only where it refused the amount, to name the one it could not take.
    if (problem != AmountProblem::None) {
        if (const std::string message = InvalidCharacterMessage(amount, trimmed);
            !message.empty()) {
            return Reject(message, run);
        }
    }
    if (problem == AmountProblem::None) {
        if (options.rmbCapital) { // the Chinese capital where the English wording stood
            std::string capital;
            AppendUtf8(capital,
                       *RmbCapitalOf(std::u16string(trimmed.begin(), trimmed.end()), options.form));
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

// The bytes of a row in UTF-16, each byte that is not UTF-8 as U+FFFD.
std::u16string Utf16Of(std::string_view bytes) {
    std::u16string text;
    while (!bytes.empty()) {
        const Utf8Character character = FirstUtf8Character(bytes);
        const Utf16Character units =
            Utf16CharacterOf(character.valid ? character.codePoint : 0xfffd);
        text.append(units.units, units.length);
        bytes.remove_prefix(character.length);
    }
    return text;
}

// Writes the line of a row of spreadsheet cells: its wording alone, its message, or nothing for a
// blank row; false when it was refused.
bool ConvertRow(std::string_view row, RowWording& rows, Run& run) {
    const RowWording::Line line = rows.Of(Utf16Of(row));
    std::string bytes;
    AppendUtf8(bytes, line.text);
    bytes.push_back('\n');
    run.outputs.Out(bytes);
    if (run.options.lineBuffered) {
        run.outputs.Flush();
    }
    return line.written || line.blank;
}

// Calls `convert` with each amount given as an argument and the argument without the blanks at its
// ends; the exit status, 3 as soon as output fails.
template <typename ConvertOne>
int ConvertAmounts(Run& run, ConvertOne convert) {
    bool allConverted = true;
    for (const std::string_view amount : run.options.amounts) {
        allConverted = convert(amount, TrimBlanks(amount)) && allConverted;
        if (run.outputs.Failed()) {
            return kExitIoError;
        }
    }
    return allConverted ? kExitConverted : kExitRejected;
}

// Calls `convert` with each line of the input and the line without the blanks at its ends (a blank
// line too only when `blankLines` says so): the exit status, 3 as soon as input or output fails.
template <typename ConvertOne>
int ConvertLines(ByteInput& in, Run& run, bool blankLines, ConvertOne convert) {
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
            run.outputs.Err("qev-words: read error: " + reason + "\n");
            return kExitIoError;
        }
        if (next == LineReader::Next::TooLong) {
            allConverted = Reject("qev-words: line " + std::to_string(number) + " too long\n", run);
        } else {
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            const std::string_view amount = TrimBlanks(line);
            if (blankLines || !amount.empty()) {
                allConverted = convert(line, amount) && allConverted;
            }
        }
        if (run.outputs.Failed()) {
            return kExitIoError;
        }
    }
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

int UsageError(ByteOutput& err, const std::string& reason) {
    std::string ignored;
    return err.Write("qev-words: " + Printable(reason) + "\n" + UsageText(), ignored)
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

} // namespace

int RunWordsTool(const std::vector<std::string>& args, ByteInput& in, ByteOutput& out,
                 ByteOutput& err, bool lineBuffered) {
    Options options;
    options.lineBuffered = lineBuffered;
    std::string reason;
    switch (ReadOptions(args, options, reason)) {
    case Request::Bad:
        return UsageError(err, reason);
    case Request::Help:
        return Reply(HelpText(), out, err);
    case Request::Version:
        return Reply("qev-words " QEV_VERSION "\n", out, err);
    case Request::List:
        return Reply(CurrencyList(), out, err);
    case Request::Convert:
        break;
    }
    Run run(options, out, err);
    int status = 0;
    if (options.cells) {
        RowWording rows(options.currencyIndex, options.form, options.style, options.rmbCapital);
        const auto convert = [&](std::string_view row, std::string_view) {
            return ConvertRow(row, rows, run);
        };
        status = options.amounts.empty() ? ConvertLines(in, run, true, convert)
                                         : ConvertAmounts(run, convert);
    } else {
        const auto convert = [&](std::string_view amount, std::string_view trimmed) {
            return Convert(amount, trimmed, run);
        };
        status = options.amounts.empty() ? ConvertLines(in, run, false, convert)
                                         : ConvertAmounts(run, convert);
    }
    run.outputs.Flush();
    return run.outputs.Failed() ? kExitIoError : status;
}

} // namespace qev
