// qev-words as scripts meet it: the real program, its arguments, standard input, output and exit
// status; and the tool in-process for streams too large to hold.
#include "cli/words_tool.h"
#include "currency/currency_table.h"
#include "tests/run_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <random>
#include <thread>

#ifdef _WIN32
#include "cli/system_streams.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

using namespace qev;
using namespace qev::test;

// The heap bytes this program has in use, and the most since heapPeak was last set: every
// allocation goes through the operator new below.
std::size_t heapInUse = 0, heapPeak = 0;

void* operator new(std::size_t size) {
    auto* block = static_cast<std::max_align_t*>(std::malloc(sizeof(std::max_align_t) + size));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    heapPeak = std::max(heapPeak, heapInUse += size);
    return block + 1;
}

void operator delete(void* data) noexcept {
    if (data != nullptr) {
        auto* block = static_cast<std::max_align_t*>(data) - 1;
        heapInUse -= *reinterpret_cast<std::size_t*>(block);
        std::free(block);
    }
}

void operator delete(void* data, std::size_t) noexcept {
    operator delete(data);
}

namespace {

ProgramRun Words(const std::vector<std::string>& args, std::string_view input = {}) {
    return RunProgram(QEV_WORDS_PATH, args, input);
}

// The usage lines that open --help: every bad command line repeats them after its reason.
const std::string& Usage() {
    static const std::string usage = [] {
        const std::string help = Words({"--help"}).out;
        return help.substr(0, help.find("\n\n") + 1);
    }();
    return usage;
}

const std::string kMillion = "输入： USD1,234,567.89\n"
                             "输出： SAY US DOLLARS ONE MILLION TWO HUNDRED AND THIRTY FOUR "
                             "THOUSAND FIVE HUNDRED AND SIXTY SEVEN & EIGHTY NINE CENTS ONLY\n";

// A text as Notepad saves it "Unicode": UTF-16 after a byte-order mark, here in either byte order.
std::string Utf16File(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : u"\ufeff" + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xff);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// Input that comes a byte at a time, as a slow pipe may bring it.
class ByteByByte : public StringInput {
public:
    using StringInput::StringInput;
    std::ptrdiff_t Read(char* data, std::size_t, std::string& reason) override {
        return StringInput::Read(data, 1, reason);
    }
};

TEST(Cli, Conversions) {
    const std::string& kUsage = Usage();
    const std::string kPastLast = std::to_string(CurrencyRecords().size()); // no entry's index
    const struct {
        std::vector<std::string> args;
        std::string input, out, err;
        int status = 0;
    } rows[] = {
        {{"1234567.89"}, "", kMillion},
        {{"5", "0.5"},
         "",
         "输入： USD5.00\n输出： SAY US DOLLARS FIVE ONLY\n"
         "输入： USD0.50\n输出： SAY US DOLLARS & FIFTY CENTS ONLY\n"},
        {{"--currency", "gbp"}, // its value the last argument, the amounts from standard input
         "2.5",
         "输入： GBP2.50\n输出： SAY GREAT BRITAIN POUNDS TWO & FIFTY NEW PENCE ONLY\n"},
        {{"--currency", "KWD", "12.5"},
         "",
         "输入： KWD12.500\n输出： SAY KUWAITI DINAR TWELVE & FIVE HUNDRED FILS ONLY\n"},
        {{"--currency=12", "1"}, "", "输入： CNY1.00\n输出： SAY RENMINBI YUAN ONE ONLY\n"},
        {{"--currency=194", "--case=title", "3,000"},
         "",
         "输入： Twd3,000.00\n输出： Say New Taiwan Dollars Three Thousand Only\n"},
        {{"--case=lower", "--currency", "CHF", "0.2"},
         "",
         "输入： chf0.20\n输出： say swiss franc & twenty centimes only\n"},
        // The wording alone, a line for each amount: a message, or an empty line for an amount
        // rejected on standard error, keeps the rows of a column in their places.
        {{"--words-only", "1234.5", "1..5", "12a", "7"},
         "",
         "SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY\n"
         "无法转换：小数点多于一个\n\nSAY US DOLLARS SEVEN ONLY\n",
         "qev-words: invalid character 'a' in amount \"12a\"\n",
         1},
        {{"--words-only", "--case", "title", "0.5"}, "", "Say Us Dollars & Fifty Cents Only\n"},
        // Standard input: CR LF and blank lines skipped.
        {{},
         "12\r\n\r\n  \n\t7 \n40",
         "输入： USD12.00\n输出： SAY US DOLLARS TWELVE ONLY\n"
         "输入： USD7.00\n输出： SAY US DOLLARS SEVEN ONLY\n"
         "输入： USD40.00\n输出： SAY US DOLLARS FORTY ONLY\n"},
        // Input is bytes, on Windows too: a Ctrl-Z byte is no end of input.
        {{},
         "1\n\x1a\n2",
         "输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY\n"
         "输入： USD2.00\n输出： SAY US DOLLARS TWO ONLY\n",
         "qev-words: invalid character '\\x1a' in amount \"\\x1a\"\n",
         1},
        // A byte-order mark, as Notepad saves it, is no part of the first amount.
        {{},
         "\xef\xbb\xbf"
         "12\r\n",
         "输入： USD12.00\n输出： SAY US DOLLARS TWELVE ONLY\n"},
        // So is a UTF-16 one, and the text after it is read as UTF-16; a surrogate left unpaired,
        // or an odd byte at the end, is U+FFFD.
        {{},
         Utf16File(u"12\r\n\U0001F4B0\r\n3\xd800\r\n", false),
         "输入： USD12.00\n输出： SAY US DOLLARS TWELVE ONLY\n",
         "qev-words: invalid character '\U0001F4B0' in amount \"\U0001F4B0\"\n"
         "qev-words: invalid character '\ufffd' in amount \"3\ufffd\"\n",
         1},
        {{},
         Utf16File(u"7\r\n5", true) + "!",
         "输入： USD7.00\n输出： SAY US DOLLARS SEVEN ONLY\n",
         "qev-words: invalid character '\ufffd' in amount \"5\ufffd\"\n",
         1},
        // A rejected amount is reported and the rest goes on.
        {{"1", "12a", "2"},
         "",
         "输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY\n"
         "输入： USD2.00\n输出： SAY US DOLLARS TWO ONLY\n",
         "qev-words: invalid character 'a' in amount \"12a\"\n",
         1},
        {{"１２"}, "", "", "qev-words: invalid character '１' in amount \"１２\"\n", 1},
        // A European invoice's one thousand is no one dollar.
        {{"1.000,00", "12,34,567"},
         "",
         "输入： USD1.000,00\n输出： 无法转换：逗号位置不对\n"
         "输入： USD1,234,567.00\n输出： SAY US DOLLARS ONE MILLION TWO HUNDRED AND THIRTY FOUR "
         "THOUSAND FIVE HUNDRED AND SIXTY SEVEN ONLY\n",
         "",
         1},
        // A space among commas at either end is refused as well.
        {{},
         "1 000\n, 5\n5 ,\n",
         "",
         "qev-words: invalid character ' ' in amount \"1 000\"\n"
         "qev-words: invalid character ' ' in amount \", 5\"\n"
         "qev-words: invalid character ' ' in amount \"5 ,\"\n",
         1},
        // Control characters, DEL, C1 controls and broken UTF-8 are shown escaped.
        {{},
         "1\x1b"
         "2\n\xff\n3\x7f\n4\xc2\x85\n",
         "",
         "qev-words: invalid character '\\x1b' in amount \"1\\x1b"
         "2\"\n"
         "qev-words: invalid character '\\xff' in amount \"\\xff\"\n"
         "qev-words: invalid character '\\x7f' in amount \"3\\x7f\"\n"
         "qev-words: invalid character '\\xc2\\x85' in amount \"4\\xc2\\x85\"\n",
         1},
        {{""}, "", "", "qev-words: empty amount\n", 1},
        {{"1..5", "12.345", "1234567890123456"},
         "",
         "输入： USD1..5\n输出： 无法转换：小数点多于一个\n"
         "输入： USD12.345\n输出： 无法转换：小数部分超过两位\n"
         "输入： USD1234567890123456\n输出： 无法转换：整数部分超过15位\n",
         "",
         1},
        {{"--", "-12"}, "", "", "qev-words: invalid character '-' in amount \"-12\"\n", 1},
        // A long amount is quoted short, never cut inside a character.
        {{std::string(100, '1') + "x"},
         "",
         "",
         "qev-words: invalid character 'x' in amount \"" + std::string(64, '1') + "…\"\n",
         1},
        {{std::string(63, '1') + "一x"},
         "",
         "",
         "qev-words: invalid character '一' in amount \"" + std::string(63, '1') + "…\"\n",
         1},
        {{"-12"}, "", "", "qev-words: unknown option '-12'\n" + kUsage, 2},
        {{"--currency", "XYZ", "1"}, "", "", "qev-words: unknown currency 'XYZ'\n" + kUsage, 2},
        {{"--currency=" + kPastLast, "1"},
         "",
         "",
         "qev-words: unknown currency '" + kPastLast + "'\n" + kUsage,
         2},
        {{"--currency", "12x", "1"}, "", "", "qev-words: unknown currency '12x'\n" + kUsage, 2},
        {{"--case", "shout", "1"},
         "",
         "",
         "qev-words: unknown case style 'shout' (upper, title or lower)\n" + kUsage,
         2},
        // The wording's forms, each option once; the echo stays.
        {{"--subunit", "and-cents", "--opening", "say-total", "--hyphens", "1234.5"},
         "",
         "输入： USD1,234.50\n输出： SAY TOTAL US DOLLARS ONE THOUSAND TWO HUNDRED AND "
         "THIRTY-FOUR AND CENTS FIFTY ONLY\n"},
        {{"--subunit=slash", "--no-only", "--currency-after", "--no-hundred-and", "--case=title",
          "--currency=KWD", "101.5"},
         "",
         "输入： Kwd101.500\n输出： Say One Hundred One And 500/1000 Kuwaiti Dinars\n"},
        {{"--opening=none", "--subunit=and", "--words-only", "0.05"},
         "",
         "US DOLLARS ZERO AND FIVE CENTS ONLY\n"},
        // Outside the design's form a name after its number agrees with it.
        {{"--currency-after", "1", "0.5"},
         "",
         "输入： USD1.00\n输出： SAY ONE US DOLLAR ONLY\n"
         "输入： USD0.50\n输出： SAY ZERO US DOLLARS & FIFTY CENTS ONLY\n"},
        {{"--currency", "CHF", "--currency-after", "--words-only", "1000"},
         "",
         "SAY ONE THOUSAND SWISS FRANCS ONLY\n"},
        {{"--subunit=slash", "--currency-after", "--words-only", "121.21"},
         "",
         "SAY ONE HUNDRED AND TWENTY ONE AND 21/100 US DOLLARS ONLY\n"},
        {{"--subunit", "point", "--words-only", "1005.30"},
         "",
         "SAY US DOLLARS ONE THOUSAND FIVE AND POINT THREE ZERO ONLY\n"},
        {{"--only", "whole", "--words-only", "12", "12.5"},
         "",
         "SAY US DOLLARS TWELVE ONLY\nSAY US DOLLARS TWELVE & FIFTY CENTS\n"},
        {{"--numbering=indian", "--currency=INR", "--words-only", "12345678.90"},
         "",
         "SAY INDIAN RUPEE ONE CRORE TWENTY THREE LAKH FORTY FIVE THOUSAND SIX HUNDRED AND "
         "SEVENTY EIGHT & NINETY PAISE ONLY\n"},
        {{"--currency=CNY", "--rmb-capital", "--rmb-place-zero", "omit",
          "--rmb-zheng-after-jiao=omit", "--words-only", "1680.3"},
         "",
         "人民币壹仟陆佰捌拾元叁角\n"},
        {{"--subunit", "cents", "1"},
         "",
         "",
         "qev-words: unknown subunit form 'cents' (amp, and, and-cents, slash or point)\n" + kUsage,
         2},
        {{"--numbering", "chinese", "1"},
         "",
         "",
         "qev-words: unknown numbering form 'chinese' (international or indian)\n" + kUsage,
         2},
        {{"--opening=hello", "1"},
         "",
         "",
         "qev-words: unknown opening form 'hello' (say, say-total or none)\n" + kUsage,
         2},
        // The Chinese capital for the Chinese yuan, and for no other currency.
        {{"--currency", "CNY", "--rmb-capital", "107000.53", "1..5"},
         "",
         "输入： CNY107,000.53\n输出： 人民币壹拾万零柒仟元零伍角叁分\n"
         "输入： CNY1..5\n输出： 无法转换：小数点多于一个\n",
         "",
         1},
        {{"--currency=12", "--rmb-capital", "--words-only", "1409.5"},
         "",
         "人民币壹仟肆佰零玖元伍角整\n"},
        {{"--rmb-capital", "1"},
         "",
         "",
         "qev-words: --rmb-capital writes the Chinese yuan's amounts only (--currency CNY or "
         "--cells)\n" +
             kUsage,
         2},
        // Rows of spreadsheet cells: a line for each, blank ones too; --rmb-capital for rows in
        // yuan, whatever the currency chosen.
        {{"--cells"}, "1\tEUR\n¥12\tCNY\n", "SAY EUROS ONE ONLY\nSAY RENMINBI YUAN TWELVE ONLY\n"},
        {{"--cells", "--case=title"},
         "1\n\nabc\n$1,234.50\r\n",
         "Say Us Dollars One Only\n\n无法转换：没有这种货币代码\n"
         "Say Us Dollars One Thousand Two Hundred And Thirty Four & Fifty Cents Only\n",
         "",
         1},
        {{"--cells", "--rmb-capital", "CNY\t1,409.50", "12 USD", ""},
         "",
         "人民币壹仟肆佰零玖元伍角整\n无法转换：人民币大写只用于人民币\n\n",
         "",
         1},
        {{"1", "--currency"}, "", "", "qev-words: option '--currency' needs a value\n" + kUsage, 2},
        {{"--list", "1"}, "", "", "qev-words: --list takes no amounts\n" + kUsage, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args) + " " + testing::PrintToString(row.input));
        const ProgramRun run = Words(row.args, row.input);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(run.status, row.status);
        if (row.args.empty()) { // the same when the input comes a byte at a time
            ByteByByte in(row.input);
            StringOutput out, err;
            EXPECT_EQ(RunWordsTool({}, in, out, err), row.status);
            EXPECT_EQ(out.text + err.text, row.out + row.err);
        }
    }
}

// Characters that show as nothing or turn the text around are named by their numbers: the first
// and last of each range of them, and one just past a range, shown as it is.
TEST(Cli, InvisibleCharactersNamed) {
    const struct {
        std::string character, shown;
    } rows[] = {
        {"\u00a0", "\\u{00A0}"},      {"\u00ad", "\\u{00AD}"},      {"\u034f", "\\u{034F}"},
        {"\u061c", "\\u{061C}"},      {"\u115f", "\\u{115F}"},      {"\u1160", "\\u{1160}"},
        {"\u17b4", "\\u{17B4}"},      {"\u17b5", "\\u{17B5}"},      {"\u180b", "\\u{180B}"},
        {"\u180f", "\\u{180F}"},      {"\u2000", "\\u{2000}"},      {"\u200f", "\\u{200F}"},
        {"\u2028", "\\u{2028}"},      {"\u202f", "\\u{202F}"},      {"\u205f", "\\u{205F}"},
        {"\u206f", "\\u{206F}"},      {"\u3000", "\\u{3000}"},      {"\u3164", "\\u{3164}"},
        {"\ufe00", "\\u{FE00}"},      {"\ufe0f", "\\u{FE0F}"},      {"\ufeff", "\\u{FEFF}"},
        {"\uffa0", "\\u{FFA0}"},      {"\ufff0", "\\u{FFF0}"},      {"\ufffb", "\\u{FFFB}"},
        {"\U0001bca0", "\\u{1BCA0}"}, {"\U0001bca3", "\\u{1BCA3}"}, {"\U0001d173", "\\u{1D173}"},
        {"\U0001d17a", "\\u{1D17A}"}, {"\U000e0000", "\\u{E0000}"}, {"\U000e0fff", "\\u{E0FFF}"},
        {"\u2030", "\u2030"},
    };
    std::vector<std::string> amounts;
    std::string err;
    for (const auto& row : rows) {
        amounts.push_back("1" + row.character + "0");
        err +=
            "qev-words: invalid character '" + row.shown + "' in amount \"1" + row.shown + "0\"\n";
    }
    const ProgramRun run = Words(amounts);
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.status, 1);
}

TEST(Cli, List) {
    const ProgramRun run = Words({"--list"});
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(run.out.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), CurrencyRecords().size());
    EXPECT_TRUE(run.out.ends_with('\n'));
    EXPECT_EQ(lines[0], "0\tUSD\t美国美元 US Dollars\t2");
    EXPECT_EQ(lines[33], "33\tKWD\t科威特第纳尔 Kuwaiti Dinar\t3");
    EXPECT_EQ(lines[133], "133\tKMF\t科摩罗法郎 Comoros Franc\t2");
    EXPECT_EQ(lines[134], "134\tAED\t阿联酋迪拉姆 UAE Dirhams (AED)\t2");
    const std::string last = std::to_string(lines.size() - 1);
    EXPECT_NE(Words({"--help"}).out.find(" list index 0-" + last + ";\n"), std::string::npos);
}

// Lines of a batch job's stream and what qev-words must make of each: its two output lines, or
// one line on standard error, or nothing for a blank line.
struct StreamLine {
    std::string in, out, err;
};

const StreamLine kStreamLines[] = {
    {"1234567.89", kMillion, ""},
    {"\t0.5 \r", "输入： USD0.50\n输出： SAY US DOLLARS & FIFTY CENTS ONLY\n", ""},
    {"1..5", "输入： USD1..5\n输出： 无法转换：小数点多于一个\n", ""},
    {std::string("1\0", 2), "", "qev-words: invalid character '\\x00' in amount \"1\\x00\"\n"},
    {" \t\r", "", ""},
};

// Line 5,000 and every 250,000th after it is 10 MiB long, past the line limit: reported by its
// number and never held.
constexpr int kLongLineEvery = 250'000;
constexpr std::size_t kLongLineSize = 10 << 20;

std::uint64_t Digest(std::uint64_t digest, std::string_view bytes) {
    for (const char c : bytes) {
        digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    return digest;
}

// `count` seeded lines, each made as it is read, so that the test holds no more of the stream
// than the tool may; and digests of the output and errors they call for.
class StreamInput : public ByteInput {
public:
    explicit StreamInput(int count) : count_(count) {}
    std::ptrdiff_t Read(char* data, std::size_t size, std::string&) override {
        if (line_.empty() && longLeft_ == 0 && lines_ < count_) {
            if (++lines_ % kLongLineEvery == 5'000) {
                longLeft_ = kLongLineSize;
                line_ = "\n";
                err = Digest(err, "qev-words: line " + std::to_string(lines_) + " too long\n");
            } else {
                const StreamLine& line = kStreamLines[random_() % std::size(kStreamLines)];
                line_ = line.in + '\n';
                out = Digest(out, line.out);
                err = Digest(err, line.err);
            }
        }
        const std::size_t count =
            longLeft_ > 0 ? std::min(size, longLeft_) : line_.copy(data, size);
        if (longLeft_ > 0) {
            std::fill_n(data, count, '7');
            longLeft_ -= count;
        } else {
            line_.erase(0, count);
        }
        return static_cast<std::ptrdiff_t>(count);
    }
    std::uint64_t out = 14695981039346656037u, err = out;

private:
    int count_, lines_ = 0;
    std::mt19937 random_{20261206};
    std::string line_;
    std::size_t longLeft_ = 0;
};

// A stream as a file takes it: the digest of its bytes.
class DigestOutput : public ByteOutput {
public:
    bool Write(std::string_view bytes, std::string&) override {
        digest = Digest(digest, bytes);
        return true;
    }
    std::uint64_t digest = 14695981039346656037u;
};

// A million lines with garbage and very long lines mixed in, as a batch job feeds them: every
// good line written out in order, every bad one reported, the whole fails; and the tool's memory
// is that of ten thousand lines, far less than a long line.
TEST(Cli, MillionLineStream) {
    std::size_t peaks[2];
    for (const int size : {10'000, 1'000'000}) {
        SCOPED_TRACE(size);
        StreamInput in(size);
        DigestOutput out, err;
        const std::size_t before = heapPeak = heapInUse;
        EXPECT_EQ(RunWordsTool({}, in, out, err), 1);
        peaks[size > 10'000] = heapPeak - before;
        EXPECT_EQ(out.digest, in.out);
        EXPECT_EQ(err.digest, in.err);
    }
    EXPECT_LE(peaks[1], peaks[0] + 64 * 1024) << "ten thousand lines: " << peaks[0];
    EXPECT_LT(peaks[1], kLongLineSize / 2);
}

#ifdef _WIN32
// Typing into a console, in the pieces ReadConsoleW gives: a line that starts with Ctrl-Z ends the
// input, the first line too, as console programs end it; a Ctrl-Z within a line does not.
TEST(Cli, ConsoleTyping) {
    const std::string one = "输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY\n";
    const struct {
        std::vector<std::u16string> pieces;
        std::string out, err;
        int status = 0;
    } rows[] = {
        {{u"\x1a\r\n", u"1\r\n"}, ""},
        {{u"1\r\n\x1a\r\n2\r\n"}, one},
        {{u"3\x1a"
          u"4\r\n1\r\n",
          u"\x1a\r\n", u"2\r\n"},
         one,
         "qev-words: invalid character '\\x1a' in amount \"3\\x1a"
         "4\"\n",
         1},
    };
    for (const auto& row : rows) {
        std::size_t typed = 0;
        ConsoleInput in([&](std::u16string& piece, std::string&) {
            piece = typed < row.pieces.size() ? row.pieces[typed++] : u"";
            return true;
        });
        StringOutput out, err;
        EXPECT_EQ(RunWordsTool({}, in, out, err), row.status);
        EXPECT_EQ(out.text, row.out);
        EXPECT_EQ(err.text, row.err);
    }
}

// Both program files carry the version the build sets, the same in numbers and in words, and
// their own names.
TEST(Cli, VersionBlocks) {
    const struct {
        std::string path;
        std::wstring name;
    } rows[] = {{QEV_WORDS_PATH, L"qev-words"}, {QEV_WINDOW_PATH, L"QEV英文金额大写转换工具"}};
    const std::string version = RunProgram(QEV_WORDS_PATH, {"--version"}).out;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        const std::wstring path =
            std::filesystem::path(std::u8string(row.path.begin(), row.path.end())).wstring();
        std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
        ASSERT_FALSE(block.empty());
        ASSERT_TRUE(
            GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
        const auto value = [&](const std::wstring& entry) {
            void* text = nullptr;
            UINT length = 0;
            const std::wstring key = L"\\StringFileInfo\\080404b0\\" + entry;
            return VerQueryValueW(block.data(), key.c_str(), &text, &length) && length > 0
                       ? std::wstring(static_cast<const wchar_t*>(text), length - 1)
                       : std::wstring();
        };
        void* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &fixed, &length));
        const auto& numbers = *static_cast<const VS_FIXEDFILEINFO*>(fixed);
        const std::string inNumbers = std::to_string(HIWORD(numbers.dwFileVersionMS)) + '.' +
                                      std::to_string(LOWORD(numbers.dwFileVersionMS)) + '.' +
                                      std::to_string(HIWORD(numbers.dwFileVersionLS)) + '.' +
                                      std::to_string(LOWORD(numbers.dwFileVersionLS));
        EXPECT_EQ(version, "qev-words " + inNumbers + "\n");
        const std::wstring inWords(inNumbers.begin(), inNumbers.end());
        EXPECT_EQ(value(L"FileVersion"), inWords);
        EXPECT_EQ(value(L"ProductVersion"), inWords);
        EXPECT_EQ(value(L"InternalName"), row.name);
        EXPECT_EQ(value(L"OriginalFilename"), row.name + L".exe");
        EXPECT_EQ(value(L"ProductName"), L"QEV英文金额大写转换工具");
    }
}
#else
std::string Numbers(int count) {
    std::string numbers;
    for (int i = 1; i <= count; ++i) {
        numbers += std::to_string(i) + '\n';
    }
    return numbers;
}

// Output that cannot be written and input that cannot be read end the run at once, with status 3
// and the reason: neither is ever taken for success or for the end of input.
TEST(Cli, StreamsThatFail) {
    const ScratchFolder folder;
    WriteFile(folder / "numbers", Numbers(200000));
    const std::string numbers = (folder / "numbers").string(), out = (folder / "out").string();
    const std::string full = "qev-words: write error: No space left on device\n";
    const struct {
        std::vector<std::string> args;
        std::string in, out, err; // an empty path: the stream is closed
    } rows[] = {
        {{"1"}, "/dev/null", "/dev/full", full},
        {{}, numbers, "/dev/full", full},
        {{"--list"}, "/dev/null", "/dev/full", full},
        {{"--help"}, "/dev/null", "/dev/full", full},
        {{"--version"}, "/dev/null", "/dev/full", full},
        {{"1"}, "/dev/null", "", "qev-words: write error: Bad file descriptor\n"},
        {{}, "/", out, "qev-words: read error: Is a directory\n"},
        {{}, "", out, "qev-words: read error: Bad file descriptor\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args) + " < " + row.in + " > " + row.out);
        const int streams[3] = {
            row.in.empty() ? -1 : open(row.in.c_str(), O_RDONLY | O_CLOEXEC),
            row.out.empty() ? -1 : open(row.out.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600),
            open((folder / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
        const int pid = StartProgram(QEV_WORDS_PATH, row.args, streams);
        for (const int fd : streams) {
            close(fd);
        }
        EXPECT_EQ(WaitForProgram(pid), 3);
        EXPECT_EQ(ReadFile(folder / "err"), row.err);
    }
}

// Reads from `fd` until `enough` bytes have come or the writer has closed; false if nothing came
// for a minute, so a tool that holds its output back fails the test instead of hanging it.
bool ReadFrom(int fd, std::string& out, std::size_t enough = std::string::npos) {
    char block[4096];
    while (out.size() < enough) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 60000) != 1) {
            return false;
        }
        const ssize_t count = read(fd, block, sizeof block);
        if (count <= 0) {
            return count == 0;
        }
        out.append(block, static_cast<std::size_t>(count));
    }
    return true;
}

// A reader that goes away, with SIGPIPE ignored: the tool stops at the broken pipe and says so,
// rather than converting the rest for nobody.
TEST(Cli, ReaderThatGoesAway) {
    const ScratchFolder folder;
    WriteFile(folder / "in", Numbers(2000000));
    int output[2];
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    const auto previous = std::signal(SIGPIPE, SIG_IGN); // the tool inherits it
    const int streams[3] = {open((folder / "in").c_str(), O_RDONLY | O_CLOEXEC), output[1],
                            open((folder / "err").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600)};
    const int pid = StartProgram(QEV_WORDS_PATH, {}, streams);
    std::signal(SIGPIPE, previous);
    for (const int fd : streams) {
        close(fd);
    }
    std::string out;
    EXPECT_TRUE(ReadFrom(output[0], out, 1));
    close(output[0]);
    EXPECT_EQ(WaitForProgram(pid), 3);
    EXPECT_EQ(ReadFile(folder / "err"), "qev-words: write error: Broken pipe\n");
}

// Standard output set non-blocking, read slowly: the tool waits for the reader, and every byte
// arrives.
TEST(Cli, NonBlockingOutputIsWaitedFor) {
    const ScratchFolder folder;
    WriteFile(folder / "in", Numbers(100000));
    const int expected =
        RunProgram(QEV_WORDS_PATH, {}, folder / "in", folder / "expected", folder / "err");
    EXPECT_EQ(expected, 0);
    int output[2];
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    fcntl(output[1], F_SETFL, O_NONBLOCK);
    const int streams[3] = {open((folder / "in").c_str(), O_RDONLY | O_CLOEXEC), output[1], 2};
    const int pid = StartProgram(QEV_WORDS_PATH, {}, streams);
    close(streams[0]);
    close(output[1]);
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the pipe fills meanwhile
    std::string out;
    EXPECT_TRUE(ReadFrom(output[0], out));
    close(output[0]);
    EXPECT_EQ(WaitForProgram(pid), 0);
    EXPECT_TRUE(out == ReadFile(folder / "expected")) << out.size() << " bytes arrived";
}

// --line-buffered answers each line as it comes, as a co-process on pipes needs.
TEST(Cli, LineBufferedAnswersEachLine) {
    int input[2], output[2];
    ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    const int streams[3] = {input[0], output[1], 2};
    const int pid = StartProgram(QEV_WORDS_PATH, {"--line-buffered"}, streams);
    close(input[0]);
    close(output[1]);
    const std::string one = "输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY\n";
    std::string out;
    EXPECT_EQ(write(input[1], "1\n", 2), 2);
    EXPECT_TRUE(ReadFrom(output[0], out, one.size()));
    EXPECT_EQ(out, one);
    close(input[1]);
    EXPECT_TRUE(ReadFrom(output[0], out));
    close(output[0]);
    EXPECT_EQ(WaitForProgram(pid), 0);
}
#endif

} // namespace
