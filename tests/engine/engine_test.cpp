// The wording engine from outside: group words, whole Result texts, case styles and the cleaning
// of the amount box, plus a round trip that reads the words back into digits.
#include "engine/amount_input.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "tests/table_row.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <limits>

using namespace qev;

namespace {

const SelectedCurrency kUsDollars{u"US Dollars", u"USD", u"cents"};

std::u16string U16(const QString& text) {
    return text.toStdU16String();
}
QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Reads words back into the number they name, independently of the engine's tables, and checks
// their order: "TWO HUNDRED AND FORTY THOUSAND SIX" is 240006; words out of place give -1.
qint64 ReadNumber(const QString& words) {
    static const QStringList units = {"",        "ONE",     "TWO",       "THREE",    "FOUR",
                                      "FIVE",    "SIX",     "SEVEN",     "EIGHT",    "NINE",
                                      "TEN",     "ELEVEN",  "TWELVE",    "THIRTEEN", "FOURTEEN",
                                      "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN"};
    static const QStringList tens = {"",      "",      "TWENTY",  "THIRTY", "FORTY",
                                     "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY"};
    static const QStringList scales = {"THOUSAND", "MILLION", "BILLION", "TRILLION"};
    qint64 total = 0;
    qint64 group = 0;
    qint64 lastScale = std::numeric_limits<qint64>::max();
    QString previous;
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const qint64 scale = qint64(std::pow(1000, scales.indexOf(word) + 1));
        const int unit = units.indexOf(word);
        if (unit > 0 && (group % 100 == 0 || (unit < 10 && group % 100 >= 20 && group % 10 == 0))) {
            group += unit;
        } else if (tens.indexOf(word) > 1 && group % 100 == 0) {
            group += 10 * tens.indexOf(word);
        } else if (word == "HUNDRED" && group >= 1 && group <= 9) {
            group *= 100;
        } else if (word == "AND" && previous == "HUNDRED") {
        } else if (scales.contains(word) && group > 0 && scale < lastScale) {
            total += group * scale;
            lastScale = scale;
            group = 0;
        } else {
            return -1;
        }
        previous = word;
    }
    return total + group;
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void threeDigitsToWords_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("words");
        Row("000 is empty", "000", "");
        Row("0 is empty", "0", "");
        Row("single digit", "5", "five ");
        Row("two digits read as tens and units", "05", "five ");
        Row("ten", "10", "ten ");
        Row("teen", "12", "twelve ");
        Row("teen after zero hundreds", "015", "fifteen ");
        Row("tens and units without hyphen", "21", "twenty one ");
        Row("forty is spelt forty", "40", "forty ");
        Row("round tens", "070", "seventy ");
        Row("round hundred has no and", "100", "one hundred ");
        Row("hundred and one", "101", "one hundred and one ");
        Row("hundred and ten", "110", "one hundred and ten ");
        Row("hundred and teen", "219", "two hundred and nineteen ");
        Row("hundred and forty", "340", "three hundred and forty ");
        Row("largest group", "999", "nine hundred and ninety nine ");
    }
    void threeDigitsToWords() {
        QFETCH(QString, group);
        QFETCH(QString, words);
        QCOMPARE(Q(ThreeDigitsToWords(U16(group))), words);
    }

    void amountToWords_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("echo");
        QTest::addColumn<QString>("wording");
        QTest::addColumn<bool>("converted");
        // Whole lines, written without the prefixes every row shares: "0.00" is the echo
        // "输入： USD0.00", and the words "ONE" the wording "输出： SAY US DOLLARS ONE ONLY".
        const auto row =
            [](const char* name, const char* amount, const char* echo, const char* words) {
                const QString wording = QString::fromUtf8(words);
                QTest::newRow(name)
                    << QString::fromUtf8(amount) << "输入： USD" + QString::fromUtf8(echo)
                    << "输出： SAY US DOLLARS " + wording + (wording.isEmpty() ? "" : " ") + "ONLY"
                    << true;
            };
        const auto rejected = [](const char* name, const char* amount, const char* echo,
                                 const char* message) {
            QTest::newRow(name) << QString::fromUtf8(amount)
                                << "输入： USD" + QString::fromUtf8(echo)
                                << "输出： " + QString::fromUtf8(message) << false;
        };
        row("zero", "0", "0.00", "");
        row("no and between groups", "1001", "1,001.00", "ONE THOUSAND ONE");
        row("zero group skipped", "2000001", "2,000,001.00", "TWO MILLION ONE");
        row("worked example", "1234567.89", "1,234,567.89",
            "ONE MILLION TWO HUNDRED AND THIRTY FOUR THOUSAND FIVE HUNDRED AND SIXTY SEVEN & "
            "EIGHTY NINE CENTS");
        row("largest amount", "999999999999999.99", "999,999,999,999,999.99",
            "NINE HUNDRED AND NINETY NINE TRILLION NINE HUNDRED AND NINETY NINE BILLION NINE "
            "HUNDRED AND NINETY NINE MILLION NINE HUNDRED AND NINETY NINE THOUSAND NINE HUNDRED "
            "AND NINETY NINE & NINETY NINE CENTS");
        row("forty in a group", "340", "340.00", "THREE HUNDRED AND FORTY");
        row("forty cents", "1.40", "1.40", "ONE & FORTY CENTS");
        row("one fraction digit is tenths", "0.5", "0.50", "& FIFTY CENTS");
        row("cents only", "0.05", "0.05", "& FIVE CENTS");
        row("zero fraction", "0.00", "0.00", "");
        row("subunit used whatever the number", "10.01", "10.01", "TEN & ONE CENTS");
        row("one zero decimal", "1.0", "1.00", "ONE");
        row("trailing point", "1.", "1.00", "ONE");
        row("commas anywhere", "1,0,0", "100.00", "ONE HUNDRED");
        row("leading zero kept in echo", "0123", "0,123.00", "ONE HUNDRED AND TWENTY THREE");
        row("all zeros", "0000", "0,000.00", "");
        row("spaces at both ends cut", "  42  ", "42.00", "FORTY TWO");

        // Digits beyond the limits are dropped only when they are zeros.
        row("leading zeros beyond fifteen", "0000000000000001", "000,000,000,000,001.00", "ONE");
        row("trailing zeros beyond two decimals", "12.340", "12.34", "TWELVE & THIRTY FOUR CENTS");
        row("empty integer before fraction", ".5", "0.50", "& FIFTY CENTS");
        row("lone point", ".", "0.00", "");
        row("lone comma", ",", "0.00", "");

        // Amounts that cannot be written out exactly give no words at all.
        rejected("two points in a row", "1..5", "1..5", "无法转换：小数点多于一个");
        rejected("three dotted parts", "1.5.3", "1.5.3", "无法转换：小数点多于一个");
        rejected("point inside fraction", "1.23.4", "1.23.4", "无法转换：小数点多于一个");
        rejected("points checked before digit counts", "1234567890123456..", "1234567890123456..",
                 "无法转换：小数点多于一个");
        rejected("sixteen integer digits", "1234567890123456", "1234567890123456",
                 "无法转换：整数部分超过15位");
        rejected("error echo drops commas", "1,234,567,890,123,456", "1234567890123456",
                 "无法转换：整数部分超过15位");
        rejected("integer checked before fraction", "1234567890123456.789", "1234567890123456.789",
                 "无法转换：整数部分超过15位");
        rejected("three decimals", "12.345", "12.345", "无法转换：小数部分超过两位");
        rejected("nonzero beyond trailing zeros", "1.0001", "1.0001", "无法转换：小数部分超过两位");
        rejected("letter", "12a", "12A", "无法转换：含有无效字符");
        rejected("line break shown as replacement", "1\n2",
                 "1\xef\xbf\xbd"
                 "2",
                 "无法转换：含有无效字符");
        rejected("inner space", "1 000", "1 000", "无法转换：含有无效字符");
    }
    void amountToWords() {
        QFETCH(QString, amount);
        QFETCH(QString, echo);
        QFETCH(QString, wording);
        QFETCH(bool, converted);
        const Conversion result = AmountToWords(U16(amount), kUsDollars);
        QCOMPARE(Q(result.text), echo + "\r\n" + wording);
        QCOMPARE(result.converted, converted);
    }

    void amountToWordsUsesTheCurrencyAsGiven() {
        const SelectedCurrency pounds{u"Great Britain Pounds", u"GBP", u"new pence"};
        QCOMPARE(Q(AmountToWords(u"2.5", pounds).text),
                 QString("输入： GBP2.50\r\n输出： SAY GREAT BRITAIN POUNDS TWO & FIFTY NEW PENCE "
                         "ONLY"));
        // Letters are upper-cased by Unicode's rules, not just ASCII.
        const SelectedCurrency accented{u"Złoty", u"pln", u"groszy"};
        QCOMPARE(Q(AmountToWords(u"1.01", accented).text),
                 QString("输入： PLN1.01\r\n输出： SAY ZŁOTY ONE & ONE GROSZY ONLY"));
    }

    void amountToWordsTakesAnyLength() {
        // Far beyond any 16-bit count: zeros lose nothing, anything else is refused.
        const std::u16string zeros(70000, u'0');
        const Conversion padded = AmountToWords(zeros + u"7.25", kUsDollars);
        QVERIFY(padded.converted);
        QCOMPARE(Q(padded.text), QString("输入： USD000,000,000,000,007.25\r\n"
                                         "输出： SAY US DOLLARS SEVEN & TWENTY FIVE CENTS ONLY"));
        const Conversion tail = AmountToWords(u"3." + zeros, kUsDollars);
        QVERIFY(tail.converted);
        QCOMPARE(Q(tail.text), QString("输入： USD3.00\r\n输出： SAY US DOLLARS THREE ONLY"));
        const Conversion huge = AmountToWords(u"9" + zeros, kUsDollars);
        QVERIFY(!huge.converted);
        QVERIFY(Q(huge.text).endsWith("\r\n输出： 无法转换：整数部分超过15位"));
        QCOMPARE(huge.text.size(),
                 zeros.size() + 1 +
                     QString("输入： USD\r\n输出： 无法转换：整数部分超过15位").size());
    }

    // Random amounts of 1 to 15 integer digits and 0 to 2 decimals, with commas strewn about:
    // the words read back to the same number, and the echo regroups the same digits.
    void roundTrip() {
        QRandomGenerator random(20261206);
        for (int n = 0; n < 20000; ++n) {
            const int integerDigits = random.bounded(1, 16);
            const int fractionDigits = random.bounded(0, 3);
            QString integer;
            for (int i = 0; i < integerDigits; ++i) {
                integer += QChar('0' + random.bounded(10));
            }
            QString fraction;
            for (int i = 0; i < fractionDigits; ++i) {
                fraction += QChar('0' + random.bounded(10));
            }
            QString amount = integer;
            for (int commas = random.bounded(4); commas > 0; --commas) {
                amount.insert(random.bounded(amount.size() + 1), ',');
            }
            if (fractionDigits > 0 || random.bounded(2) == 0) {
                amount += '.' + fraction;
            }

            const Conversion result = AmountToWords(U16(amount), kUsDollars);
            QVERIFY2(result.converted, qPrintable(amount));
            const QStringList lines = Q(result.text).split("\r\n");
            QCOMPARE(lines.size(), 2);

            const QString expectedCents = (fraction + "00").left(2);
            QString grouped;
            for (qsizetype i = 0; i < integer.size(); ++i) {
                if (i > 0 && (integer.size() - i) % 3 == 0) {
                    grouped += ',';
                }
                grouped += integer[i];
            }
            QCOMPARE(lines[0], "输入： USD" + grouped + "." + expectedCents);

            const QString prefix = "输出： SAY US DOLLARS ";
            QVERIFY2(lines[1].startsWith(prefix) && lines[1].endsWith("ONLY"),
                     qPrintable(lines[1]));
            QVERIFY2(!lines[1].contains("  "), qPrintable(lines[1]));
            const QStringList words = lines[1].mid(prefix.size()).chopped(4).split("& ");
            QCOMPARE(ReadNumber(words[0]), integer.toLongLong());
            const bool hasCents = expectedCents != "00";
            QCOMPARE(words.size(), hasCents ? 2 : 1);
            if (hasCents) {
                QVERIFY2(words[1].endsWith(" CENTS "), qPrintable(lines[1]));
                QCOMPARE(ReadNumber(words[1].chopped(7)), expectedCents.toLongLong());
            }
        }
    }

    void caseStyles_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("lower");
        Row("result text", "输入： USD100.00\r\n输出： SAY US DOLLARS ONE HUNDRED ONLY",
            "输入： USD100.00\r\n输出： SAY US DOLLARS ONE HUNDRED ONLY",
            "输入： Usd100.00\r\n输出： Say Us Dollars One Hundred Only",
            "输入： usd100.00\r\n输出： say us dollars one hundred only");
        Row("ampersand is a word", "& FIFTY CENTS ONLY", "& FIFTY CENTS ONLY", "& Fifty Cents Only",
            "& fifty cents only");
        Row("spaces at the ends", "  one two  ", "  ONE TWO  ", "One Two", "  one two  ");
        Row("two spaces in a row", "ONE  TWO", "ONE  TWO", "One  Two", "one  two");
        Row("word after a line break stays lower", "ONE\r\nTWO THREE", "ONE\r\nTWO THREE",
            "One\r\ntwo Three", "one\r\ntwo three");
        Row("space before a line break", "ONE \r\nTWO", "ONE \r\nTWO", "One \r\ntwo",
            "one \r\ntwo");
        Row("tab is no separator", "one\ttwo", "ONE\tTWO", "One\ttwo", "one\ttwo");
        Row("only spaces", "   ", "   ", "", "   ");
        Row("beyond ASCII", "élan ÅSA", "ÉLAN ÅSA", "Élan Åsa", "élan åsa");
        Row("sharp s keeps its length in capitals", "ß straße", "SS STRASSE", "ß Straße",
            "ß straße");
        Row("supplementary letters", QString::fromUtf8("\xf0\x90\x90\xa8\xf0\x90\x90\xa8 x"),
            QString::fromUtf8("\xf0\x90\x90\x80\xf0\x90\x90\x80 X"),
            QString::fromUtf8("\xf0\x90\x90\x80\xf0\x90\x90\xa8 X"),
            QString::fromUtf8("\xf0\x90\x90\xa8\xf0\x90\x90\xa8 x"));
        Row("dotted capital I in the root locale", "istanbul", "ISTANBUL", "Istanbul", "istanbul");
    }
    void caseStyles() {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QFETCH(QString, title);
        QFETCH(QString, lower);
        const std::u16string input = U16(text);
        QCOMPARE(Q(ApplyCaseStyle(input, CaseStyle::Upper)), upper);
        QCOMPARE(Q(ApplyCaseStyle(input, CaseStyle::Title)), title);
        QCOMPARE(Q(ApplyCaseStyle(input, CaseStyle::Lower)), lower);
        // A style applied twice is the style applied once.
        for (const CaseStyle style : {CaseStyle::Upper, CaseStyle::Title, CaseStyle::Lower}) {
            const std::u16string once = ApplyCaseStyle(input, style);
            QCOMPARE(Q(ApplyCaseStyle(once, style)), Q(once));
        }
    }

    void capitalizeAt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("result");
        Row("first", "abc", 1, "Abc");
        Row("middle", "abc", 2, "aBc");
        Row("last", "abc", 3, "abC");
        Row("past the end", "abc", 4, "abc");
        Row("zero", "abc", 0, "abc");
        Row("empty text", "", 1, "");
        Row("no case", "1 b", 2, "1 b");
        Row("only the one character", "aaa", 2, "aAa");
    }
    void capitalizeAt() {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, result);
        QCOMPARE(Q(CapitalizeAt(U16(text), static_cast<std::size_t>(position))), result);
    }

    // The window's amount-box table covers typing and pasting; these are the caret and
    // leading-point cases it cannot reach.
    void cleanAmountInput_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<int>("cleanedCaret");
        Row("clean text untouched", "1,234.5", 7, "1,234.5", 7);
        Row("every occurrence goes", "a1a2a", 5, "12", 2);
        Row("control characters", "1\t2\n3\r", 6, "123", 3);
        Row("caret before the leading point", ".5", 0, "0.5", 0);
        Row("point leading after cleaning", "x.5", 3, "0.5", 3);
        Row("two leading points", "..5", 3, "0..5", 4);
        Row("caret before removed text", "12xy34", 1, "1234", 1);
    }
    void cleanAmountInput() {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        QFETCH(QString, cleaned);
        QFETCH(int, cleanedCaret);
        const CleanedAmount result = CleanAmountInput(U16(typed), static_cast<std::size_t>(caret));
        QCOMPARE(Q(result.text), cleaned);
        QCOMPARE(result.caret, static_cast<std::size_t>(cleanedCaret));
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "engine_test.moc"
