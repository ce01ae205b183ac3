// qev-words reading amounts from standard input, on any bytes: invalid UTF-8, NUL bytes, CRs,
// lines longer than a rejected amount's quote, UTF-16 after its byte-order mark, all coming in
// pieces of any size; and the same lines read as rows of spreadsheet cells. Very long lines are the
// command's tests' to check.
#include "cli/line_input.h"
#include "cli/words_tool.h"
#include "fuzz/fuzz_support.h"

#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        UChar32 c = 0;
        U8_NEXT(bytes.data(), i, bytes.size(), c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

// The input as the tool reads its lines: UTF-16 after its byte-order mark converted by ICU, an odd
// last byte as U+FFFD; anything else as it is.
std::string AsUtf8(std::string_view input) {
    if (!input.starts_with("\xff\xfe") && !input.starts_with("\xfe\xff")) {
        return std::string(input);
    }
    const bool bigEndian = input[0] == '\xfe';
    std::u16string units;
    for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
        const auto first = static_cast<unsigned char>(input[i]);
        const auto second = static_cast<unsigned char>(input[i + 1]);
        units.push_back(
            static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    if (input.size() % 2 != 0) {
        units.push_back(u'\ufffd');
    }
    std::string text(units.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length, units.data(),
                       static_cast<int32_t>(units.size()), 0xfffd, nullptr, &status);
    FUZZ_REQUIRE(U_SUCCESS(status));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The bytes in pieces of one size, so that lines, characters and surrogate pairs are cut anywhere.
class PieceInput : public qev::StringInput {
public:
    PieceInput(std::string_view bytes, std::size_t piece) : StringInput(bytes), piece_(piece) {}
    std::ptrdiff_t Read(char* data, std::size_t size, std::string& reason) override {
        return StringInput::Read(data, std::min(size, piece_), reason);
    }

private:
    std::size_t piece_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PieceInput in(bytes, 1 + size % 64);
    qev::StringOutput out;
    qev::StringOutput err;
    const int status = qev::RunWordsTool({}, in, out, err);
    const std::string& written = out.text;
    const std::string& errors = err.text;
    const std::string text = AsUtf8(bytes);
    const std::string_view input = text;

    // The same as from the text in UTF-8, read whole.
    qev::StringInput whole(input);
    qev::StringOutput wholeOut;
    qev::StringOutput wholeErr;
    FUZZ_REQUIRE(qev::RunWordsTool({}, whole, wholeOut, wholeErr) == status);
    FUZZ_REQUIRE(wholeOut.text == written && wholeErr.text == errors);

    // Each non-blank line is converted (two lines out) or rejected for a character that cannot
    // be in an amount (one line on standard error).
    std::size_t amounts = 0;
    std::size_t rejected = 0;
    for (std::size_t start = 0; start < input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (line.data() == input.data() && line.starts_with("\xef\xbb\xbf")) {
            line.remove_prefix(3); // a byte-order mark opening the input
        }
        if (line.size() > qev::kMaxLineLength) {
            ++amounts; // too long to be held: reported, not read
            ++rejected;
            continue;
        }
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) {
            continue;
        }
        line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
        ++amounts;
        if (line.find_first_not_of("0123456789,.") != std::string_view::npos) {
            ++rejected;
        }
    }
    const auto lines = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n'); };
    FUZZ_REQUIRE(static_cast<std::size_t>(lines(written)) == 2 * (amounts - rejected));
    FUZZ_REQUIRE(static_cast<std::size_t>(lines(errors)) == rejected);
    FUZZ_REQUIRE(written.empty() || written.ends_with('\n'));
    FUZZ_REQUIRE(errors.empty() || errors.ends_with('\n'));
    FUZZ_REQUIRE(IsValidUtf8(written));
    FUZZ_REQUIRE(IsValidUtf8(errors));

    // 0 only when every amount was written out in words.
    const bool allConverted = rejected == 0 && written.find("无法转换") == std::string::npos;
    FUZZ_REQUIRE(status == (allConverted ? qev::kExitConverted : qev::kExitRejected));

    // Read as rows of cells, every line gives one: empty for a blank line or one too long, the
    // wording or a message for any other; a line of amount characters with a digit among them
    // gives what --words-only gives it.
    qev::StringInput rowsIn(input), wordsIn(input);
    qev::StringOutput rowsOut, rowsErr, wordsOut, wordsErr;
    const int rowsStatus = qev::RunWordsTool({"--cells"}, rowsIn, rowsOut, rowsErr);
    qev::RunWordsTool({"--words-only"}, wordsIn, wordsOut, wordsErr);
    FUZZ_REQUIRE(IsValidUtf8(rowsOut.text) &&
                 (rowsOut.text.empty() || rowsOut.text.ends_with('\n')));
    std::string_view rows = rowsOut.text, words = wordsOut.text;
    const auto next = [](std::string_view& lines) {
        FUZZ_REQUIRE(!lines.empty());
        const std::string_view line = lines.substr(0, lines.find('\n'));
        lines.remove_prefix(line.size() + 1);
        return line;
    };
    bool allRows = true;
    std::string_view body = input; // without a byte-order mark that opens it
    if (body.starts_with("\xef\xbb\xbf")) {
        body.remove_prefix(3);
    }
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = std::min(body.find('\n', start), body.size());
        std::string_view line = body.substr(start, end - start);
        start = end + 1;
        const std::string_view row = next(rows);
        if (line.size() > qev::kMaxLineLength) {
            FUZZ_REQUIRE(row.empty() && next(words).empty());
            allRows = false;
            continue;
        }
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) {
            FUZZ_REQUIRE(row.empty());
            continue;
        }
        line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
        const std::string_view wording = next(words);
        const bool digits = line.find_first_of("0123456789") != std::string_view::npos;
        FUZZ_REQUIRE(!row.empty() || !digits); // blank only for other spaces than these
        allRows = allRows && !row.starts_with("无法转换：");
        if (digits && line.find_first_not_of("0123456789,.") == std::string_view::npos) {
            FUZZ_REQUIRE(row == wording);
        }
    }
    FUZZ_REQUIRE(rows.empty());
    FUZZ_REQUIRE(rowsStatus == (allRows ? qev::kExitConverted : qev::kExitRejected));
    return 0;
}
