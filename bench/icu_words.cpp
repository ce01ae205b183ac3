// The peer on ICU: the same two-line job as qev-words (echo, then the wording in a letter case)
// for each line of standard input, with ICU's rule-based English spell-out, as a C++ program
// without this engine would do it. For the throughput comparison in words_throughput.sh.
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string style = argc > 1 ? argv[1] : "upper";
    UErrorCode status = U_ZERO_ERROR;
    const icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale::getEnglish(), status);
    if (U_FAILURE(status)) {
        std::fputs("icu-words: no spell-out rules\n", stderr);
        return 1;
    }
    std::ios::sync_with_stdio(false);
    std::string line, out, utf8;
    while (std::getline(std::cin, line)) {
        const auto point = line.find('.');
        const std::string integer = line.substr(0, point);
        const std::string cents =
            point == std::string::npos ? "00" : (line.substr(point + 1) + "00").substr(0, 2);
        std::string grouped;
        for (std::size_t i = 0; i < integer.size(); ++i) {
            if (i > 0 && (integer.size() - i) % 3 == 0) {
                grouped += ',';
            }
            grouped += integer[i];
        }
        icu::UnicodeString words("say us dollars ");
        format.format(static_cast<int64_t>(std::stoll(integer)), words);
        if (cents != "00") {
            words += " & ";
            format.format(static_cast<int32_t>(std::stoi(cents)), words);
            words += " cents";
        }
        words += " only";
        if (style == "upper") {
            words.toUpper(icu::Locale::getRoot());
        } else if (style == "title") {
            words.toTitle(nullptr, icu::Locale::getRoot());
        }
        utf8.clear();
        words.toUTF8String(utf8);
        out += "输入： USD" + grouped + "." + cents + "\n输出： " + utf8 + "\n";
        if (out.size() >= 65536) {
            std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    }
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    return 0;
}
