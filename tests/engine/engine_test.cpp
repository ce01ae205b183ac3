// The wording engine from outside: group words, whole Result texts, case styles and the cleaning
// of the amount box, plus a round trip that reads the words back into digits.
#include "engine/amount_cells.h"
#include "engine/amount_input.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "engine/rmb_capital.h"
#include "fuzz/words_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <sstream>

using namespace qev;

namespace {

// The names after a count as the catalogue gives them.
const SelectedCurrency kUsDollars{u"US Dollars", u"USD",        u"cents", 2,
                                  u"US Dollar",  u"US Dollars", u"cent",  u"cents"};
const SelectedCurrency kDinars{u"Kuwaiti Dinar",  u"KWD",  u"fils", 3, u"Kuwaiti Dinar",
                               u"Kuwaiti Dinars", u"fils", u"fils"};

std::string Ascii(std::u16string_view text) {
    return {text.begin(), text.end()};
}

TEST(Engine, ThreeDigitsToWords) {
    const struct {
        std::u16string_view group, words;
    } rows[] = {
        {u"000", u""},
        {u"0", u""},
        {u"5", u"five "},
        {u"05", u"five "}, // two digits read as tens and units
        {u"10", u"ten "},
        {u"12", u"twelve "},
        {u"015", u"fifteen "},
        {u"21", u"twenty one "},
        {u"40", u"forty "},
        {u"070", u"seventy "},
        {u"100", u"one hundred "},
        {u"101", u"one hundred and one "},
        {u"110", u"one hundred and ten "},
        {u"219", u"two hundred and nineteen "},
        {u"340", u"three hundred and forty "},
        {u"999", u"nine hundred and ninety nine "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ThreeDigitsToWords(row.group), row.words);
    }
}

TEST(Engine, AmountToWords) {
    // Whole lines, written without the prefixes every row shares: the echo "0.00" is the line
    // "输入： USD0.00", the words "ONE" the line "输出： SAY US DOLLARS ONE ONLY"; a row that is
    // not converted gives its message instead of words.
    const struct {
        std::u16string_view amount, echo, words;
        bool converted = true;
    } rows[] = {
        {u"0", u"0.00", u""},
        {u"1001", u"1,001.00", u"ONE THOUSAND ONE"},
        {u"2000001", u"2,000,001.00", u"TWO MILLION ONE"},
        {u"1234567.89", u"1,234,567.89",
         u"ONE MILLION TWO HUNDRED AND THIRTY FOUR THOUSAND FIVE HUNDRED AND SIXTY SEVEN & "
         u"EIGHTY NINE CENTS"},
        {u"999999999999999.99", u"999,999,999,999,999.99",
         u"NINE HUNDRED AND NINETY NINE TRILLION NINE HUNDRED AND NINETY NINE BILLION NINE "
         u"HUNDRED AND NINETY NINE MILLION NINE HUNDRED AND NINETY NINE THOUSAND NINE HUNDRED "
         u"AND NINETY NINE & NINETY NINE CENTS"},
        {u"340", u"340.00", u"THREE HUNDRED AND FORTY"},
        {u"1.40", u"1.40", u"ONE & FORTY CENTS"},
        {u"0.5", u"0.50", u"& FIFTY CENTS"},
        {u"0.05", u"0.05", u"& FIVE CENTS"},
        {u"0.00", u"0.00", u""},
        {u"10.01", u"10.01", u"TEN & ONE CENTS"}, // the subunit whatever the number
        {u"1.0", u"1.00", u"ONE"},
        {u"1.", u"1.00", u"ONE"},
        // Commas between the integer part's groups of three, or the Indian way; anywhere else
        // they say the amount is not what it seems, and it is not written out.
        {u"1,234,567", u"1,234,567.00",
         u"ONE MILLION TWO HUNDRED AND THIRTY FOUR THOUSAND FIVE HUNDRED AND SIXTY SEVEN"},
        {u"12,34,567", u"1,234,567.00",
         u"ONE MILLION TWO HUNDRED AND THIRTY FOUR THOUSAND FIVE HUNDRED AND SIXTY SEVEN"},
        {u"1.000,00", u"1.000,00", u"无法转换：逗号位置不对", false},
        {u"12.3,4", u"12.3,4", u"无法转换：逗号位置不对", false},
        {u"1,23", u"1,23", u"无法转换：逗号位置不对", false},
        {u"1,0,0", u"1,0,0", u"无法转换：逗号位置不对", false},
        {u"1234,567", u"1234,567", u"无法转换：逗号位置不对", false},
        {u"1,234,56,789", u"1,234,56,789", u"无法转换：逗号位置不对", false},
        {u",123", u",123", u"无法转换：逗号位置不对", false},
        {u"123,", u"123,", u"无法转换：逗号位置不对", false},
        {u"0123", u"0,123.00", u"ONE HUNDRED AND TWENTY THREE"},
        {u"0000", u"0,000.00", u""},
        {u"  42  ", u"42.00", u"FORTY TWO"},
        // Digits beyond the limits are dropped only when they are zeros.
        {u"0000000000000001", u"000,000,000,000,001.00", u"ONE"},
        {u"0123456789012345", u"123,456,789,012,345.00",
         u"ONE HUNDRED AND TWENTY THREE TRILLION FOUR HUNDRED AND FIFTY SIX BILLION SEVEN HUNDRED "
         u"AND EIGHTY NINE MILLION TWELVE THOUSAND THREE HUNDRED AND FORTY FIVE"},
        {u"12.340", u"12.34", u"TWELVE & THIRTY FOUR CENTS"},
        {u".5", u"0.50", u"& FIFTY CENTS"},
        {u".", u"0.00", u""},
        // Amounts that cannot be written out exactly give no words at all.
        {u"1..5", u"1..5", u"无法转换：小数点多于一个", false},
        {u"1.5.3", u"1.5.3", u"无法转换：小数点多于一个", false},
        {u"1234567890123456..", u"1234567890123456..", u"无法转换：小数点多于一个", false},
        {u"1234567890123456", u"1234567890123456", u"无法转换：整数部分超过15位", false},
        {u"1,234,567,890,123,456", u"1234567890123456", u"无法转换：整数部分超过15位", false},
        {u"1234567890123456.789", u"1234567890123456.789", u"无法转换：整数部分超过15位", false},
        {u"12.345", u"12.345", u"无法转换：小数部分超过两位", false},
        {u"1.0001", u"1.0001", u"无法转换：小数部分超过两位", false},
        {u"12a", u"12A", u"无法转换：含有无效字符", false},
        // Line breaks and other controls would break the Result text's two lines; a no-break space
        // would not.
        {u"\u007f1\n2\u009f", u"\ufffd1\ufffd2\ufffd", u"无法转换：含有无效字符", false},
        {u"1 000\u00a0", u"1 000\u00a0", u"无法转换：含有无效字符", false},
    };
    for (const auto& row : rows) {
        std::u16string expected = u"输入： USD" + std::u16string(row.echo) + u"\r\n输出： ";
        if (row.converted) {
            expected += u"SAY US DOLLARS " + std::u16string(row.words) +
                        (row.words.empty() ? u"" : u" ") + u"ONLY";
        } else {
            expected += row.words;
        }
        const Conversion result = AmountToWords(row.amount, kUsDollars);
        EXPECT_EQ(result.text, expected);
        EXPECT_EQ(result.converted, row.converted) << testing::PrintToString(row.amount);
    }
}

// A currency divided in thousandths: three decimals read, echoed and worded. "12.345" in dollars
// is refused (the table above), so switching currency never cuts a third decimal.
TEST(Engine, Thousandths) {
    const struct {
        std::u16string_view amount, echo, wording;
    } rows[] = {
        {u"12.5", u"12.500", u"SAY KUWAITI DINAR TWELVE & FIVE HUNDRED FILS ONLY"},
        {u"12.05", u"12.050", u"SAY KUWAITI DINAR TWELVE & FIFTY FILS ONLY"},
        {u"12.345", u"12.345",
         u"SAY KUWAITI DINAR TWELVE & THREE HUNDRED AND FORTY FIVE FILS ONLY"},
        {u"0.001", u"0.001", u"SAY KUWAITI DINAR & ONE FILS ONLY"},
        {u"1,000.0100", u"1,000.010", u"SAY KUWAITI DINAR ONE THOUSAND & TEN FILS ONLY"},
        {u"12.000", u"12.000", u"SAY KUWAITI DINAR TWELVE ONLY"},
        {u"12.3456", u"12.3456", u"无法转换：小数部分超过三位"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AmountToWords(row.amount, kDinars).text,
                  u"输入： KWD" + std::u16string(row.echo) + u"\r\n输出： " +
                      std::u16string(row.wording));
    }
}

// The forms a wording can take, each choice alone and together: "abcdefg" are the values of the
// sub-unit, opening, closing, currency, tens, hundreds and numbering choices ("0000000" is the
// design's). The echo never changes.
TEST(Engine, WordingForms) {
    const SelectedCurrency pounds{
        u"Great Britain Pounds", u"GBP",       u"new pence", 2, u"Great Britain Pound",
        u"Great Britain Pounds", u"new penny", u"new pence"};
    const SelectedCurrency francs{u"Swiss Franc", u"CHF",          u"centimes", 2,
                                  u"Swiss Franc", u"Swiss Francs", u"centime",  u"centimes"};
    const SelectedCurrency rupees{u"Indian Rupee", u"INR",           u"paisa", 2,
                                  u"Indian Rupee", u"Indian Rupees", u"paisa", u"paise"};
    const struct {
        std::string_view form;
        std::u16string_view amount, wording;
        const SelectedCurrency& currency = kUsDollars;
    } rows[] = {
        {"1000000", u"1234.5",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR AND FIFTY CENTS ONLY"},
        {"2000000", u"1234.5",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR AND CENTS FIFTY ONLY"},
        {"3000000", u"1234.5",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR AND 50/100 ONLY"},
        {"0100000", u"1234.5",
         u"SAY TOTAL US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY"},
        {"0200000", u"1234.5",
         u"US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY"},
        {"0010000", u"1234.5",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS"},
        {"0001000", u"1234.5",
         u"SAY ONE THOUSAND TWO HUNDRED AND THIRTY FOUR US DOLLARS & FIFTY CENTS ONLY"},
        {"0000100", u"1234.5",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY-FOUR & FIFTY CENTS ONLY"},
        {"0000010", u"1234.5",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED THIRTY FOUR & FIFTY CENTS ONLY"},
        {"2100100", u"1234.5",
         u"SAY TOTAL US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY-FOUR AND CENTS FIFTY ONLY"},
        // The design's form writes the names as stored, whatever the number; the others make a
        // name that follows its count agree with it. A name before the count is a label.
        {"0000000", u"10.01", u"SAY US DOLLARS TEN & ONE CENTS ONLY"},
        {"0001000", u"0", u"SAY ZERO US DOLLARS ONLY"},
        {"0001000", u"1", u"SAY ONE US DOLLAR ONLY"},
        {"0001000", u"2", u"SAY TWO SWISS FRANCS ONLY", francs},
        {"0001000", u"21", u"SAY TWENTY ONE US DOLLARS ONLY"},
        {"0001000", u"1000000", u"SAY ONE MILLION US DOLLARS ONLY"},
        {"0001000", u"1.01", u"SAY ONE US DOLLAR & ONE CENT ONLY"},
        {"0001000", u"0.5", u"SAY ZERO US DOLLARS & FIFTY CENTS ONLY"},
        {"0001000", u"12.5", u"SAY TWELVE KUWAITI DINARS & FIVE HUNDRED FILS ONLY", kDinars},
        {"0001000", u"1.001", u"SAY ONE KUWAITI DINAR & ONE FILS ONLY", kDinars},
        {"1000000", u"1.01", u"SAY US DOLLARS ONE AND ONE CENT ONLY"},
        {"1000000", u"0.01", u"SAY GREAT BRITAIN POUNDS ZERO AND ONE NEW PENNY ONLY", pounds},
        {"0000100", u"2.01", u"SAY GREAT BRITAIN POUNDS TWO & ONE NEW PENNY ONLY", pounds},
        {"2001000", u"1.21", u"SAY ONE US DOLLAR AND CENTS TWENTY ONE ONLY"},
        // A zero integer part: the design's "& FIFTY CENTS" alone before the name, "ZERO" in the
        // other sub-unit forms and wherever the name follows.
        {"0000100", u"0.5", u"SAY US DOLLARS & FIFTY CENTS ONLY"},
        {"1000000", u"0.5", u"SAY US DOLLARS ZERO AND FIFTY CENTS ONLY"},
        {"2001000", u"0.55", u"SAY ZERO US DOLLARS AND CENTS FIFTY FIVE ONLY"},
        // The cheque form's clause is always there, in thousandths too, and belongs to the
        // number: the currency after it.
        {"3000000", u"100", u"SAY US DOLLARS ONE HUNDRED AND 00/100 ONLY"},
        {"3010000", u"0", u"SAY US DOLLARS ZERO AND 00/100"},
        {"3000000", u"12.5", u"SAY KUWAITI DINAR TWELVE AND 500/1000 ONLY", kDinars},
        {"3001000", u"121.21", u"SAY ONE HUNDRED AND TWENTY ONE AND 21/100 US DOLLARS ONLY"},
        {"3001000", u"1", u"SAY ONE AND 00/100 US DOLLARS ONLY"},
        {"2000110", u"112.075", u"SAY KUWAITI DINAR ONE HUNDRED TWELVE AND FILS SEVENTY-FIVE ONLY",
         kDinars},
        // POINT and the fraction's digits one by one, as the echo shows them.
        {"4000000", u"1005.30", u"SAY US DOLLARS ONE THOUSAND FIVE AND POINT THREE ZERO ONLY"},
        {"4000000", u"0.05", u"SAY US DOLLARS ZERO AND POINT ZERO FIVE ONLY"},
        {"4000000", u"0.50", u"SAY US DOLLARS ZERO AND POINT FIVE ZERO ONLY"},
        {"4000000", u"7", u"SAY US DOLLARS SEVEN ONLY"},
        {"4000000", u"12.5", u"SAY KUWAITI DINAR TWELVE AND POINT FIVE ZERO ZERO ONLY", kDinars},
        {"4001000", u"1005.3", u"SAY ONE THOUSAND FIVE AND POINT THREE ZERO US DOLLARS ONLY"},
        {"4001000", u"1", u"SAY ONE US DOLLAR ONLY"},
        // ONLY after whole amounts alone.
        {"0020000", u"12", u"SAY US DOLLARS TWELVE ONLY"},
        {"0020000", u"12.5", u"SAY US DOLLARS TWELVE & FIFTY CENTS"},
        {"3020000", u"12.00", u"SAY US DOLLARS TWELVE AND 00/100 ONLY"},
        // Indian numbering at each group's edge, and at fifteen digits.
        {"0000001", u"99999",
         u"SAY US DOLLARS NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE ONLY"},
        {"0000001", u"100000", u"SAY US DOLLARS ONE LAKH ONLY"},
        {"0000001", u"9999999",
         u"SAY US DOLLARS NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE "
         u"ONLY"},
        {"0000001", u"10000000", u"SAY US DOLLARS ONE CRORE ONLY"},
        {"0000001", u"100000000", u"SAY US DOLLARS TEN CRORE ONLY"},
        {"0000001", u"12345678901",
         u"SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR CRORE FIFTY SIX LAKH SEVENTY "
         u"EIGHT THOUSAND NINE HUNDRED AND ONE ONLY"},
        {"0000001", u"1000000000000", u"SAY US DOLLARS ONE LAKH CRORE ONLY"},
        {"0000001", u"999999999999999.99",
         u"SAY US DOLLARS NINE HUNDRED AND NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND "
         u"NINETY NINE CRORE NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE & "
         u"NINETY NINE CENTS ONLY"},
        {"0000001", u"12345678.90",
         u"SAY INDIAN RUPEE ONE CRORE TWENTY THREE LAKH FORTY FIVE THOUSAND SIX HUNDRED AND "
         u"SEVENTY EIGHT & NINETY PAISE ONLY",
         rupees},
        {"0001001", u"10000000", u"SAY ONE CRORE INDIAN RUPEES ONLY", rupees},
        // Nothing but words, single spaces, no "AND" twice.
        {"2211111", u"101.45", u"ONE HUNDRED ONE US DOLLARS AND CENTS FORTY-FIVE"},
        {"0210000", u"0", u"US DOLLARS"},
        {"1211000", u"100", u"ONE HUNDRED US DOLLARS"},
        {"4221111", u"1.01", u"ONE AND POINT ZERO ONE US DOLLARS"},
    };
    for (const auto& row : rows) {
        WordingForm form;
        for (std::size_t k = 0; k < row.form.size(); ++k) {
            form.values[k] = static_cast<std::uint8_t>(row.form[k] - '0');
        }
        const std::u16string text = AmountToWords(row.amount, row.currency, form).text;
        const std::u16string design = AmountToWords(row.amount, row.currency).text;
        const std::size_t lineBreak = text.find(u"\r\n输出： ");
        EXPECT_EQ(text.substr(lineBreak + 6), row.wording) << row.form;
        EXPECT_EQ(text.substr(0, lineBreak), design.substr(0, design.find(u'\r'))); // the echo
    }
}

// Names longer than the 64 characters a currency's texts are kept with room for, in each form and
// each agreement that writes them: the whole Result text, written in place within Room().
TEST(Engine, NamesLongerThanTheirRoom) {
    const std::u16string realm =
        u" OF THE UNITED PROVINCES BEYOND THE SEVEN SEAS AND THE NINE RIVERS";
    const std::u16string stored = u"CROWNS (STORED)" + realm, crown = u"CROWN" + realm,
                         crowns = u"CROWNS" + realm, storedPence = u"PENCE (STORED)" + realm,
                         penny = u"PENNY" + realm, pence = u"PENCE" + realm;
    const struct {
        std::string_view form; // as in WordingForms
        std::u16string_view amount, echo;
        std::u16string wording;
        std::size_t decimals = 2;
    } rows[] = {
        {"0000000", u"21.5", u"21.50",
         u"SAY " + stored + u" TWENTY ONE & FIFTY " + storedPence + u" ONLY"},
        {"0000000", u"1", u"1.00", u"SAY " + stored + u" ONE ONLY"},
        {"0000000", u"0.5", u"0.500",
         u"SAY " + stored + u" & FIVE HUNDRED " + storedPence + u" ONLY", 3},
        {"1000000", u"1.01", u"1.01", u"SAY " + stored + u" ONE AND ONE " + penny + u" ONLY"},
        {"1010000", u"21.5", u"21.50", u"SAY " + stored + u" TWENTY ONE AND FIFTY " + pence},
        {"2000000", u"21.5", u"21.50",
         u"SAY " + stored + u" TWENTY ONE AND " + storedPence + u" FIFTY ONLY"},
        {"3001000", u"21.5", u"21.50", u"SAY TWENTY ONE AND 50/100 " + crowns + u" ONLY"},
        {"0001000", u"1.01", u"1.01", u"SAY ONE " + crown + u" & ONE " + penny + u" ONLY"},
        {"0201000", u"21.5", u"21.50", u"TWENTY ONE " + crowns + u" & FIFTY " + pence + u" ONLY"},
        {"0021000", u"21", u"21.00", u"SAY TWENTY ONE " + crowns + u" ONLY"},
        {"4001000", u"1", u"1.00", u"SAY ONE " + crown + u" ONLY"},
        {"1001001", u"999999999999999.999", u"999,999,999,999,999.999",
         u"SAY NINE HUNDRED AND NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE "
         u"CRORE NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE " +
             crowns + u" AND NINE HUNDRED AND NINETY NINE " + pence + u" ONLY",
         3},
        {"4001001", u"999999999999999.99", u"999,999,999,999,999.99",
         u"SAY NINE HUNDRED AND NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE "
         u"CRORE NINETY NINE LAKH NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE AND POINT NINE "
         u"NINE " +
             crowns + u" ONLY"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.form) + " " + Ascii(row.amount));
        WordingForm form;
        for (std::size_t k = 0; k < row.form.size(); ++k) {
            form.values[k] = static_cast<std::uint8_t>(row.form[k] - '0');
        }
        const SelectedCurrency currency{stored, u"LNG", storedPence, row.decimals,
                                        crown,  crowns, penny,       pence};
        const PreparedCurrency<char16_t> prepared(currency, CaseStyle::Upper, u"\r\n", form);
        const std::u16string guard(8, u'#');
        std::u16string block(prepared.Room(), u' ');
        block += guard;
        AmountProblem problem = AmountProblem::None;
        char16_t* end = prepared.WriteResult(block.data(), row.amount, problem);
        EXPECT_EQ(std::u16string(block.data(), end),
                  u"输入： LNG" + std::u16string(row.echo) + u"\r\n输出： " + row.wording);
        EXPECT_EQ(block.substr(prepared.Room()), guard) << "a move passed the room";
    }
}

TEST(Engine, AmountToWordsTakesAnyLength) {
    // Far beyond any 16-bit count: zeros lose nothing, anything else is refused.
    const std::u16string zeros(70000, u'0');
    const Conversion padded = AmountToWords(zeros + u"7.25", kUsDollars);
    EXPECT_TRUE(padded.converted);
    EXPECT_EQ(padded.text, u"输入： USD000,000,000,000,007.25\r\n"
                           u"输出： SAY US DOLLARS SEVEN & TWENTY FIVE CENTS ONLY");
    const Conversion tail = AmountToWords(u"3." + zeros, kUsDollars);
    EXPECT_TRUE(tail.converted);
    EXPECT_EQ(tail.text, u"输入： USD3.00\r\n输出： SAY US DOLLARS THREE ONLY");
    const Conversion huge = AmountToWords(u"9" + zeros, kUsDollars);
    EXPECT_FALSE(huge.converted);
    EXPECT_EQ(huge.text, u"输入： USD9" + zeros + u"\r\n输出： 无法转换：整数部分超过15位");
}

// Random amounts of 1 to 15 integer digits and up to the currency's decimals, in random forms,
// in hundredths and thousandths: the echo regroups the same digits, and the words, read back by
// the grammar of written numbers, name the same amount as the form writes it (WordingFault). The
// Chinese capital of each amount in yuan reads back to its digits in every variant.
TEST(Engine, RoundTrip) {
    std::mt19937 random(20261206);
    const auto bounded = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high - 1)(random);
    };
    for (int n = 0; n < 20000; ++n) {
        const SelectedCurrency& currency = bounded(0, 4) == 0 ? kDinars : kUsDollars;
        std::string integer, fraction;
        for (int i = bounded(1, 16); i > 0; --i) {
            integer += static_cast<char>('0' + bounded(0, i == 1 || bounded(0, 3) ? 10 : 1));
        }
        for (int i = bounded(0, int(currency.decimals) + 1); i > 0; --i) {
            fraction += static_cast<char>('0' + bounded(0, 10));
        }
        std::string grouped;
        for (std::size_t i = 0; i < integer.size(); ++i) {
            grouped += i > 0 && (integer.size() - i) % 3 == 0 ? "," : "";
            grouped += integer[i];
        }
        const std::string amount =
            (bounded(0, 2) ? grouped : integer) + (fraction.empty() ? "" : "." + fraction);
        WordingForm form;
        for (std::size_t k = 0; k < kEnglishChoiceCount; ++k) {
            form.values[k] = static_cast<std::uint8_t>(bounded(0, int(ValueCount(FormChoice(k)))));
        }
        SCOPED_TRACE(amount + " " + testing::PrintToString(form.values));

        const Conversion result =
            AmountToWords(std::u16string(amount.begin(), amount.end()), currency, form);
        ASSERT_TRUE(result.converted);
        const std::string text = Ascii(result.text.substr(result.text.find(u"\r\n") + 6));
        const std::string digits = (fraction + "000").substr(0, currency.decimals);
        EXPECT_EQ(result.text.substr(0, result.text.find(u'\r')),
                  u"输入： " + currency.code + std::u16string(grouped.begin(), grouped.end()) +
                      u'.' + std::u16string(digits.begin(), digits.end()));
        EXPECT_EQ(fuzz::WordingFault(text, currency, form, std::stoll(integer), std::stoi(digits)),
                  "")
            << text;

        if (currency.decimals == 2) {
            for (std::uint8_t variant = 0; variant < 4; ++variant) {
                form.values[std::size_t(FormChoice::RmbPlaceZero)] = variant & 1;
                form.values[std::size_t(FormChoice::RmbZhengAfterJiao)] = variant >> 1;
                const auto capital =
                    RmbCapitalOf(std::u16string(amount.begin(), amount.end()), form);
                ASSERT_TRUE(capital.has_value());
                EXPECT_EQ(fuzz::ReadRmbCapital(*capital),
                          std::string(15 - integer.size(), '0') + integer + digits);
            }
        }
    }
}

TEST(Engine, CaseStyles) {
    const struct {
        std::u16string_view text, upper, title, lower;
    } rows[] = {
        {u"输入： USD100.00\r\n输出： SAY US DOLLARS ONE HUNDRED ONLY",
         u"输入： USD100.00\r\n输出： SAY US DOLLARS ONE HUNDRED ONLY",
         u"输入： Usd100.00\r\n输出： Say Us Dollars One Hundred Only",
         u"输入： usd100.00\r\n输出： say us dollars one hundred only"},
        {u"& FIFTY CENTS ONLY", u"& FIFTY CENTS ONLY", u"& Fifty Cents Only",
         u"& fifty cents only"},
        {u"  one two  ", u"  ONE TWO  ", u"One Two", u"  one two  "},
        {u"ONE  TWO", u"ONE  TWO", u"One  Two", u"one  two"},
        // A word after a line break stays lower; so does one after a tab.
        {u"ONE\r\nTWO THREE", u"ONE\r\nTWO THREE", u"One\r\ntwo Three", u"one\r\ntwo three"},
        {u"ONE \r\nTWO", u"ONE \r\nTWO", u"One \r\ntwo", u"one \r\ntwo"},
        {u"one\ttwo", u"ONE\tTWO", u"One\ttwo", u"one\ttwo"},
        {u"   ", u"   ", u"", u"   "},
        {u"élan ÅSA", u"ÉLAN ÅSA", u"Élan Åsa", u"élan åsa"},
        // Deseret letters, outside the Basic Multilingual Plane.
        {u"\U00010428\U00010428 x", u"\U00010400\U00010400 X", u"\U00010400\U00010428 X",
         u"\U00010428\U00010428 x"},
        // The root locale, whatever the user's: no dotted capital I.
        {u"istanbul", u"ISTANBUL", u"Istanbul", u"istanbul"},
    // A capital never changes a text's length, so "Abc" keeps "ß" as it is; whole-text upper
    // case lengthens it to "SS" by Unicode's rules, which Windows' own mapping does not do.
#ifdef _WIN32
        {u"ß straße", u"ß STRAßE", u"ß Straße", u"ß straße"},
#else
        {u"ß straße", u"SS STRASSE", u"ß Straße", u"ß straße"},
#endif
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(row.text)));
        EXPECT_EQ(ApplyCaseStyle(row.text, CaseStyle::Upper), row.upper);
        EXPECT_EQ(ApplyCaseStyle(row.text, CaseStyle::Title), row.title);
        EXPECT_EQ(ApplyCaseStyle(row.text, CaseStyle::Lower), row.lower);
        // A style applied twice is the style applied once.
        for (const CaseStyle style : {CaseStyle::Upper, CaseStyle::Title, CaseStyle::Lower}) {
            const std::u16string once = ApplyCaseStyle(row.text, style);
            EXPECT_EQ(ApplyCaseStyle(once, style), once);
        }
    }
}

TEST(Engine, CapitalizeAt) {
    const struct {
        std::u16string_view text;
        std::size_t position;
        std::u16string_view result;
    } rows[] = {
        {u"abc", 1, u"Abc"}, {u"abc", 2, u"aBc"}, {u"abc", 3, u"abC"}, {u"abc", 4, u"abc"},
        {u"abc", 0, u"abc"}, {u"", 1, u""},       {u"1 b", 2, u"1 b"}, {u"aaa", 2, u"aAa"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CapitalizeAt(row.text, row.position), row.result) << row.position;
    }
}

// The wording a result box holds, as the clerk copies it; nothing where it holds none.
TEST(Engine, WordingOf) {
    const struct {
        std::u16string_view box;
        std::optional<std::u16string_view> wording;
    } rows[] = {
        {u"输入： USD1.50\r\n输出： SAY US DOLLARS ONE & FIFTY CENTS ONLY",
         u"SAY US DOLLARS ONE & FIFTY CENTS ONLY"},
        {u"输入： Usd1.00\n输出： Say Us Dollars One Only", u"Say Us Dollars One Only"},
        // The clerk's own edits stay, and so do the lines they added below.
        {u"输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY (PAID)\nThank you",
         u"SAY US DOLLARS ONE ONLY (PAID)"},
        {u"输入： USD1.00\r\n输出： SAY US DOLLARS ONE ONLY\r\nPaid", u"SAY US DOLLARS ONE ONLY"},
        {u"Invoice 7\n输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY", std::nullopt},
        {u"输入： USD1..5\r\n输出： 无法转换：小数点多于一个", std::nullopt},
        {u"输入： USD1.00", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WordingOf(row.box), row.wording)
            << testing::PrintToString(std::u16string(row.box));
    }
    EXPECT_EQ(WordingOf(std::string_view("输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY\n")),
              "SAY US DOLLARS ONE ONLY");
}

// Rows of a spreadsheet's cells, as a clerk copies them: the amount each holds and the currency
// it names, or why it holds none that can be read.
TEST(Engine, ReadCells) {
    using enum CellsRow::Kind;
    const auto isCode = [](std::u16string_view code) {
        return code == u"USD" || code == u"EUR" || code == u"CNY";
    };
    const struct {
        std::u16string_view row;
        CellsRow::Kind kind;
        std::u16string_view amount, code, message;
    } rows[] = {
        {u"", Blank},
        {u" \t\u3000\t", Blank},
        {u"1", Amount, u"1"},
        {u"$1,234.50", Amount, u"1,234.50"},
        {u"\u00a0€ 12.5\u00a0", Amount, u"12.5"},
        {u"USD 2,000", Amount, u"2,000", u"USD"},
        {u"2,000 usd", Amount, u"2,000", u"USD"},
        {u"＄１２３。４", Amount, u"123.4"},
        {u"1\tEUR", Amount, u"1", u"EUR"},
        {u"ＣＮＹ\t¥12", Amount, u"12", u"CNY"},
        {u"CNY ¥12\tcny", Amount, u"12", u"CNY"},
        {u"1,2,3", Amount, u"1,2,3"}, // its commas are the wording's to judge
        {u"abc", Refused, {}, {}, u"无法转换：没有这种货币代码"},
        {u"12 XYZ", Refused, {}, {}, u"无法转换：没有这种货币代码"},
        {u"Total\t12", Refused, {}, {}, u"无法转换：含有无效字符"},
        {u"12a", Refused, {}, {}, u"无法转换：含有无效字符"},
        {u"$$12", Refused, {}, {}, u"无法转换：含有无效字符"},
        {u"-1,234.50", Refused, {}, {}, u"无法转换：带有正负号或括号"},
        {u"（12）", Refused, {}, {}, u"无法转换：带有正负号或括号"},
        {u"12\t34", Refused, {}, {}, u"无法转换：一行中有两个金额"},
        {u"USD 12\tEUR", Refused, {}, {}, u"无法转换：一行中有两种货币"},
        {u"EUR", Refused, {}, {}, u"无法转换：没有金额"},
    };
    for (const auto& row : rows) {
        const CellsRow read = ReadCells(row.row, isCode);
        EXPECT_EQ(read.kind, row.kind) << testing::PrintToString(std::u16string(row.row));
        EXPECT_EQ(read.amount, row.amount);
        EXPECT_EQ(read.code, row.code);
        EXPECT_EQ(read.message, row.message);
    }
}

// What typing or pasting leaves in the amount box, '|' marking the caret before and after, and
// the characters removed, each once.
TEST(Engine, CleanAmountInput) {
    const struct {
        std::u16string_view typed, cleaned, removed;
    } rows[] = {
        {u"1,234.5|", u"1,234.5|"},
        {u"a1a2a|", u"12|", u"a"},
        {u"1\t2\n3\r|", u"123|", u"\t\n\r"},
        {u"|.5", u"0|.5"},
        {u"x.5|", u"0.5|", u"x"},
        {u"..5|", u"0..5|"},
        {u"1|2xy34", u"1|234", u"xy"},
        {u"１２３４．５６人民币|", u"1234.56|", u"人民币"},
        {u"1234。5|6", u"1234.5|6"},
        {u"1，000|", u"1,000|"},
        {u"\U0001F4B01\U0001F4B0|", u"1|", u"\U0001F4B0"},
        {u"abcdefghi|", u"|", u"abcdefgh"},
    };
    for (const auto& row : rows) {
        std::u16string typed(row.typed);
        const std::size_t caret = typed.find(u'|');
        typed.erase(caret, 1);
        CleanedAmount result = CleanAmountInput(typed, caret);
        result.text.insert(result.caret, 1, u'|');
        EXPECT_EQ(result.text, row.cleaned);
        EXPECT_EQ(result.removed, row.removed);
        EXPECT_EQ(result.moreRemoved, row.typed == u"abcdefghi|");
    }
}

// Amounts as a clerk writes them, in the Chinese capital; "p" leaves out the 零 the People's Bank
// leaves to the writer (a zero at the 万 or 元 place before a non-zero 千 or 角), "z" the 整
// after 角.
TEST(Engine, RmbCapital) {
    const struct {
        std::u16string_view amount;
        std::string_view form;
        std::optional<std::u16string_view> capital;
    } rows[] = {
        {u"1,409.50", "", u"人民币壹仟肆佰零玖元伍角整"},
        {u"6,007.14", "", u"人民币陆仟零柒元壹角肆分"},
        {u"1,680.32", "", u"人民币壹仟陆佰捌拾元零叁角贰分"},
        {u"107,000.53", "", u"人民币壹拾万零柒仟元零伍角叁分"},
        {u"16,409.02", "", u"人民币壹万陆仟肆佰零玖元零贰分"},
        {u"15", "", u"人民币壹拾伍元整"},
        {u"100,000,000", "", u"人民币壹亿元整"},
        {u"10,010,000", "", u"人民币壹仟零壹万元整"},
        {u"0.05", "", u"人民币伍分"},
        {u"123,456,789,012,345.67", "",
         u"人民币壹佰贰拾叁万肆仟伍佰陆拾柒亿捌仟玖佰零壹万贰仟叁佰肆拾伍元陆角柒分"},
        // One 零 for a run of zeros, across whole groups of them and the 元.
        {u"100,000,001", "", u"人民币壹亿零壹元整"},
        {u"1,000,010", "", u"人民币壹佰万零壹拾元整"},
        {u"1,000,000.10", "", u"人民币壹佰万元零壹角整"},
        {u"10.05", "", u"人民币壹拾元零伍分"},
        {u"10.00", "", u"人民币壹拾元整"},
        // The top three digits count 万 of 亿.
        {u"1,000,000,000,000", "", u"人民币壹万亿元整"},
        {u"1,000,100,000,000", "", u"人民币壹万零壹亿元整"},
        {u"10,000,000,010,000", "", u"人民币壹拾万亿零壹万元整"},
        {u"100,000,000,000,000", "", u"人民币壹佰万亿元整"},
        // Under one yuan, no 零元; nothing at all is 零元整.
        {u"0.50", "", u"人民币伍角整"},
        {u"0.10", "", u"人民币壹角整"},
        {u"0.00", "", u"人民币零元整"},
        // What the rule leaves to the writer, on its own examples; every other 零 stays.
        {u"1,680.32", "p", u"人民币壹仟陆佰捌拾元叁角贰分"},
        {u"107,000.53", "p", u"人民币壹拾万柒仟元伍角叁分"},
        {u"1,000,000.10", "pz", u"人民币壹佰万元壹角"},
        {u"1,005", "p", u"人民币壹仟零伍元整"},
        {u"100,500", "p", u"人民币壹拾万零伍佰元整"},
        {u"10,001", "p", u"人民币壹万零壹元整"},
        {u"105,000,000", "p", u"人民币壹亿零伍佰万元整"},
        {u"10.05", "p", u"人民币壹拾元零伍分"},
        {u"16,409.02", "p", u"人民币壹万陆仟肆佰零玖元零贰分"},
        {u"1,409.50", "z", u"人民币壹仟肆佰零玖元伍角"},
        {u"0.50", "z", u"人民币伍角"},
        {u"10.00", "z", u"人民币壹拾元整"},
        {u"6,007.14", "z", u"人民币陆仟零柒元壹角肆分"},
        // By the same rules as the English wording.
        {u"1.005", "", std::nullopt},
        {u"1..5", "", std::nullopt},
    };
    for (const auto& row : rows) {
        WordingForm form;
        form.values[static_cast<std::size_t>(FormChoice::RmbPlaceZero)] =
            row.form.find('p') != std::string_view::npos;
        form.values[static_cast<std::size_t>(FormChoice::RmbZhengAfterJiao)] =
            row.form.find('z') != std::string_view::npos;
        EXPECT_EQ(RmbCapitalOf(row.amount, form), row.capital) << Ascii(row.amount) << row.form;
    }
}

} // namespace
