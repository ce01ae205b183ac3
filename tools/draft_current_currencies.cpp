// Drafts currency/current_currencies.inc: one record for each currency in use today that the 134
// records of the window's design do not carry under its current code, ordered by code. The output
// is committed after a review by hand; the program never reads ICU for this at run time, and the
// build does not compile this. Run it again only to compare with a newer list: the rows keep their
// indices once handed out, and a currency that comes into use later gets a row after the last one
// (README says how). From the project's root:
//
//   flags=$(pkg-config --cflags --libs icu-io)
//   c++ -std=c++20 -o /tmp/draft tools/draft_current_currencies.cpp $flags
//   /tmp/draft list-one.xml currency/currency_table.cpp > currency/current_currencies.inc
//
// list-one.xml is ISO 4217's List One as its maintenance agency publishes it (the copy drafted
// from, of 2024-06-25, comes with the npm package currency-codes as iso-4217-list-one.xml); the
// amendments since that list are applied below. Codes come from that list, the number of decimals
// is checked against ICU's, and the names come from ICU's currency data (Debian's libicu: the
// plural English name, the Chinese name of mainland China) where they fit; kNames below replaces
// those that do not. The subunit names are written below, each checked against a second source.
// Warnings on standard error say where ICU and ISO 4217 disagree; ISO 4217 holds.
#include <unicode/translit.h>
#include <unicode/ucal.h>
#include <unicode/uchar.h>
#include <unicode/ucurr.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Changes to List One after 2024-06-25: XCG replaced ANG on 2025-03-31 (amendment 176), CUC went
// to the historical list (178), and Bulgaria took the euro on 2026-01-01, BGN going to the
// historical list (180), as HRK did before it.
const std::map<std::string, int> kAdded = {{"XCG", 2}};
const std::set<std::string> kWithdrawn = {"ANG", "CUC", "BGN"};

// Funds, units of account, precious metals and testing codes: no clerk writes an invoice in them.
// XAD (amendment 179) is an accounting dinar of the Arab Monetary Fund.
const std::set<std::string> kNotForInvoices = {
    "BOV", "CHE", "CHW", "CLF", "COU", "MXV", "USN", "UYI", "UYW", "XAD", "XAG", "XAU",
    "XBA", "XBB", "XBC", "XBD", "XDR", "XPD", "XPT", "XSU", "XTS", "XUA", "XXX"};

// The hundredth's plural name in plain ASCII, as the design's records write theirs, each checked
// against a second source (an encyclopaedia's article on the currency, the currency table of a
// published money library); the notes say where a choice was made.
const std::map<std::string, std::string> kSubunits = {
    {"AED", "fils"},
    {"AFN", "puls"}, // as the design's record of the old afghani
    {"AMD", "luma"},
    {"AOA", "centimos"},
    {"ARS", "centavos"},
    {"AWG", "cents"},
    {"AZN", "qapik"},
    {"BAM", "feninga"}, // as the coins read
    {"BDT", "poisha"},
    {"BMD", "cents"},
    {"BND", "cents"}, // sen in Malay; cents as the design writes the ringgit's and Singapore's
    {"BOB", "centavos"},
    {"BRL", "centavos"},
    {"BTN", "chhertum"},
    {"BWP", "thebe"},
    {"BYN", "kopecks"},
    {"BZD", "cents"},
    {"CDF", "centimes"},
    {"CVE", "centavos"},
    {"CZK", "haleru"},
    {"ERN", "cents"},
    {"ETB", "santim"},
    {"FKP", "pence"},
    {"GEL", "tetri"},
    {"GHS", "pesewas"},
    {"GIP", "pence"},
    {"GNF", "centimes"}, // no minor unit in use: the historical one
    {"ILS", "agorot"},
    {"KGS", "tyiyn"},
    {"KRW", "jeon"}, // no minor unit in use: the historical one
    {"KYD", "cents"},
    {"KZT", "tiyn"},
    {"LSL", "lisente"},
    {"MDL", "bani"},
    // The ariary's and the ouguiya's own subunits are fifths (iraimbilanja, khoums): "fifty" of
    // them would not be half a unit. ISO 4217 counts hundredths, and so do the words.
    {"MGA", "cents"},
    {"MKD", "deni"},
    {"MMK", "pyas"},
    {"MNT", "mongo"},
    {"MRU", "cents"},
    {"MWK", "tambala"},
    {"MXN", "centavos"},
    {"MZN", "centavos"},
    {"NAD", "cents"},
    {"NIO", "centavos"},
    {"PEN", "centimos"},
    {"PGK", "toea"},
    {"PLN", "groszy"},
    {"RON", "bani"},
    {"RSD", "paras"}, // as the design's record of the Yugoslav dinar
    {"RUB", "kopecks"},
    {"SDG", "piastres"},
    {"SHP", "pence"},
    {"SLE", "cents"},
    {"SSP", "piastres"},
    {"STN", "centimos"},
    {"SZL", "cents"},
    {"TJS", "diram"},
    {"TMT", "tenge"},
    {"TOP", "seniti"},
    {"TRY", "kurus"},
    {"TWD", "cents"},
    {"UAH", "kopiykas"},
    {"UGX", "cents"}, // no minor unit in use: the historical one
    {"UYU", "centesimos"},
    {"UZS", "tiyin"},
    {"VED", "centimos"},
    {"VES", "centimos"},
    {"VUV", "cents"}, // the vatu never had a subunit: hundredths, as written
    {"WST", "sene"},
    {"XCD", "cents"},
    {"XCG", "cents"},
    {"XPF", "centimes"}, // no minor unit in use: the historical one
    {"ZMW", "ngwee"},
    {"ZWG", "cents"}, // no named subunit: hundredths, as written
};

// Names where ICU's data does not fit: currencies newer than it (named as later CLDR names them),
// its misspelling "Kyrgystani", its plural "lotis" for maloti, VED, whose English plural it mixes
// up ("Bolivar Soberanos"; 委内瑞拉主权币 says "sovereign" too), and "Bosnia-Herzegovina", which
// the title case would write "Bosnia-herzegovina".
struct Names {
    std::string chinese, english;
};
const std::map<std::string, Names> kNames = {
    {"BAM", {"", "Bosnia and Herzegovina Convertible Marks"}},
    {"KGS", {"", "Kyrgyzstani Soms"}},
    {"LSL", {"", "Lesotho Maloti"}},
    {"VED", {"", "Venezuelan Sovereign Bolivars"}},
    {"XCG", {"加勒比盾", "Caribbean Guilders"}},
    {"SHP", {"圣赫勒拿镑", ""}}, // 镑 the money, as FKP and GIP; 磅 is the weight
    {"ZWG", {"津巴布韦金元", "Zimbabwean Gold"}},
};

std::string Utf8(const icu::UnicodeString& text) {
    std::string out;
    return text.toUTF8String(out);
}

// ICU's name, folded to plain ASCII with "&" written out, each word but "and" capitalised.
std::string EnglishName(const UChar* code) {
    UBool isChoice = false;
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    const UChar* name = ucurr_getPluralName(code, "en", &isChoice, "other", &length, &status);
    icu::UnicodeString text(name, length);
    const std::unique_ptr<icu::Transliterator> ascii(
        icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    ascii->transliterate(text);
    std::string english = Utf8(text);
    for (std::size_t at; (at = english.find(" & ")) != std::string::npos;) {
        english.replace(at, 3, " and ");
    }
    for (std::size_t i = 0; i < english.size(); ++i) {
        if ((i == 0 || english[i - 1] == ' ') && english.compare(i, 4, "and ") != 0) {
            english[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(english[i])));
        }
    }
    return english;
}

std::string ChineseName(const UChar* code) {
    UBool isChoice = false;
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    const UChar* name = ucurr_getName(code, "zh", UCURR_LONG_NAME, &isChoice, &length, &status);
    return Utf8(icu::UnicodeString(name, length));
}

// Columns a text takes in a fixed-width font, as clang-format counts them.
int Columns(const std::string& text) {
    int columns = 0;
    const icu::UnicodeString wide = icu::UnicodeString::fromUTF8(text);
    for (int32_t i = 0; i < wide.length(); i = wide.moveIndex32(i, 1)) {
        const int width = u_getIntPropertyValue(wide.char32At(i), UCHAR_EAST_ASIAN_WIDTH);
        columns += width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
    }
    return columns;
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: draft_current_currencies LIST-ONE.xml currency_table.cpp\n");
        return 2;
    }

    // Code and number of decimals of every entry of List One.
    std::map<std::string, int> iso = kAdded;
    const std::string list = ReadFile(argv[1]);
    const std::regex entry(R"(<Ccy>([A-Z]{3})</Ccy>\s*<CcyNbr>\d+</CcyNbr>\s*<CcyMnrUnts>(\w+)<)");
    for (std::sregex_iterator it(list.begin(), list.end(), entry), end; it != end; ++it) {
        const std::string digits = (*it)[2];
        iso[(*it)[1]] = digits == "N.A." ? -1 : std::stoi(digits);
    }
    if (iso.size() < 150) {
        std::fprintf(stderr, "%s: not ISO 4217's List One\n", argv[1]);
        return 1;
    }

    // The codes the design's records carry.
    std::set<std::string> design;
    const std::string table = ReadFile(argv[2]);
    const std::regex record(R"(u"[^|"]*\|[^|"]*\|([A-Z]{3})\|)");
    for (std::sregex_iterator it(table.begin(), table.end(), record), end; it != end; ++it) {
        design.insert((*it)[1]);
    }
    if (design.size() != 125) { // 134 records, two codes shared by 6 and 5 of them
        std::fprintf(stderr, "%s: not the design's 134 records\n", argv[2]);
        return 1;
    }

    std::vector<std::string> rows;
    std::string noMinorUnit;
    const UDate now = ucal_getNow();
    for (const auto& [code, digits] : iso) {
        if (kWithdrawn.count(code) || kNotForInvoices.count(code) || design.count(code)) {
            continue;
        }
        const auto subunit = kSubunits.find(code);
        if (subunit == kSubunits.end()) {
            std::fprintf(stderr, "%s: no subunit name written for it\n", code.c_str());
            return 1;
        }
        UChar wide[4];
        u_charsToUChars(code.c_str(), wide, 4);
        UErrorCode status = U_ZERO_ERROR;
        if (!ucurr_isAvailable(wide, now, now, &status)) {
            std::fprintf(stderr, "%s: not in use today by ICU's data\n", code.c_str());
        }
        status = U_ZERO_ERROR;
        const int icuDigits = ucurr_getDefaultFractionDigits(wide, &status);
        if (icuDigits != digits) {
            std::fprintf(stderr, "%s: %d decimals in ISO 4217, %d in ICU's data\n", code.c_str(),
                         digits, icuDigits);
        }
        Names names{ChineseName(wide), EnglishName(wide)};
        if (const auto fixed = kNames.find(code); fixed != kNames.end()) {
            names.chinese = fixed->second.chinese.empty() ? names.chinese : fixed->second.chinese;
            names.english = fixed->second.english.empty() ? names.english : fixed->second.english;
        }
        if (digits == 0) {
            noMinorUnit += (noMinorUnit.empty() ? "" : ", ") + code;
        }
        rows.push_back("u\"" + names.chinese + "|" + names.english + "|" + code + "|" +
                       subunit->second + "|\",");
    }

    std::printf(
        "// Drafted by tools/draft_current_currencies.cpp and reviewed by hand: the currencies\n"
        "// in use today that the design's 134 records do not carry under their current code,\n"
        "// by code. %s have no minor unit in use: draft_current_currencies.cpp\n"
        "// says which name their rows give.\n",
        noMinorUnit.c_str());
    int width = 0;
    for (const std::string& row : rows) {
        width = std::max(width, Columns(row));
    }
    std::size_t index = 134;
    for (const std::string& row : rows) {
        std::printf("    %s%*s // %zu\n", row.c_str(), width - Columns(row), "", index++);
    }
    return 0;
}
