// Drafts currency/name_numbers.inc: the singular and the plural of every record's English name and
// subunit name, one row per record in record order, so that a name after its number agrees with
// it. The output is committed after a reading by hand, fixed only through the tables below, so
// that running this again writes the committed file exactly; the build does not compile this.
// From the project's root:
//
//   flags=$(pkg-config --cflags --libs icu-io)
//   c++ -std=c++20 -o /tmp/draft tools/draft_name_numbers.cpp $flags
//   cd currency && /tmp/draft currency_table.cpp current_currencies.inc > name_numbers.inc
//
// A unit's other number comes from ICU's English plural names of its code (Debian's libicu): the
// record's last word, in any letter case, is the last word of one of them, and the other's takes
// its place. kUnits holds the rows ICU does not fit and the plurals banks write otherwise;
// kSubunits both numbers of each subunit. Standard error names every row left undecided.
#include <unicode/translit.h>
#include <unicode/ucurr.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

struct Numbers {
    std::string singular, plural;
};

// Units, by code, that ICU does not give as the record names them (another noun, another
// spelling, no data), or whose plural in ICU is not what an English-language bank writes.
const std::map<std::string, Numbers> kUnits = {
    {"SUR", {"Russian Ruble", "Russian Rubles"}},                      // ICU: "rouble"
    {"MYR", {"Malaysian Dollar", "Malaysian Dollars"}},                // ICU: "ringgit"
    {"MVR", {"Maldives Rupee", "Maldives Rupees"}},                    // ICU: "rufiyaa"
    {"OMR", {"Oman Riyal", "Oman Riyals"}},                            // ICU: "rial"
    {"YER", {"Yemeni Riyal", "Yemeni Riyals"}},                        // ICU: "rial"
    {"TRL", {"Turkish Pound", "Turkish Pounds"}},                      // ICU: "lira"
    {"BRC", {"Brazilian New Cruzeiro", "Brazilian New Cruzeiros"}},    // ICU: "cruzado"
    {"GQE", {"Equatorial Guinea Ekuele", "Equatorial Guinea Ekuele"}}, // ICU: "ekwele", unchanged
    {"LSL", {"Lesotho Loti", "Lesotho Maloti"}},                       // ICU: "lotis"
    {"VED", {"Venezuelan Sovereign Bolivar", "Venezuelan Sovereign Bolivars"}}, // ICU: Spanish
    {"XCG", {"Caribbean Guilder", "Caribbean Guilders"}}, // newer than ICU's data
    {"ZWG", {"Zimbabwean Gold", "Zimbabwean Gold"}},      // newer than ICU's data; a mass noun
    // Banks' plurals over ICU's: lire is the English plural of the Italian lira; the naira, the
    // rupiah, the kip and the lek are usually written unchanged in English ("leke" would be the
    // Albanian plural without its diaeresis); colones as ICU writes El Salvador's colon; florins,
    // not ICU's unchanged florin; manats and soms as the records of Azerbaijan and Kyrgyzstan
    // write them.
    {"ITL", {"Italian Lira", "Italian Lire"}},
    {"NGN", {"Nigerian Naira", "Nigerian Naira"}},
    {"IDR", {"Indonesian Rupiah", "Indonesian Rupiah"}},
    {"LAK", {"Laotian Kip", "Laotian Kip"}},
    {"ALL", {"Albanian Lek", "Albanian Lek"}},
    {"CRC", {"Costa Rican Colon", "Costa Rican Colones"}},
    {"AWG", {"Aruban Florin", "Aruban Florins"}},
    {"TMT", {"Turkmenistani Manat", "Turkmenistani Manats"}},
    {"UZS", {"Uzbekistani Som", "Uzbekistani Soms"}},
};

// Subunits, by the record's text: the plural each currency's own language gives where English
// has taken it over (stotinki, makuta, lepta, aurar, groszy, bani, paise).
const std::map<std::string, Numbers> kSubunits = {
    {"agorot", {"agora", "agorot"}},
    {"aurar", {"eyrir", "aurar"}},
    {"avos", {"avo", "avos"}},
    {"bani", {"ban", "bani"}},
    {"bututs", {"butut", "bututs"}},
    {"centavos", {"centavo", "centavos"}},
    {"centesimi", {"centesimo", "centesimi"}},
    {"centesimos", {"centesimo", "centesimos"}},
    {"centimes", {"centime", "centimes"}},
    {"centimos", {"centimo", "centimos"}},
    {"cents", {"cent", "cents"}},
    {"dinars", {"dinar", "dinars"}},
    {"dirhams", {"dirham", "dirhams"}},
    {"feninga", {"fening", "feninga"}},
    {"groszy", {"grosz", "groszy"}},
    {"haleru", {"haler", "haleru"}},
    {"Hellers", {"Heller", "Hellers"}},
    {"khoums", {"khoum", "khoums"}},
    {"kopecks", {"kopeck", "kopecks"}},
    {"kopiykas", {"kopiyka", "kopiykas"}},
    {"lepta", {"lepton", "lepta"}},
    {"lisente", {"sente", "lisente"}},
    {"makuta", {"likuta", "makuta"}},
    {"milliemes", {"millieme", "milliemes"}},
    {"mils", {"mil", "mils"}},
    {"new pence", {"new penny", "new pence"}},
    {"paise", {"paisa", "paise"}},
    {"paisa", {"paisa", "paise"}},
    {"paras", {"para", "paras"}},
    {"pence", {"penny", "pence"}},
    {"penni", {"penni", "pennia"}}, // the Finnish plural, which English dictionaries give first
    {"pesewas", {"pesewa", "pesewas"}},
    {"pfennig", {"pfennig", "pfennigs"}}, // English documents wrote "pfennigs", not "Pfennige"
    {"piastres", {"piastre", "piastres"}},
    {"puls", {"pul", "puls"}},
    {"pyas", {"pya", "pyas"}},
    {"quintars", {"quintar", "quintars"}},
    {"qurush", {"qirsh", "qurush"}}, // the Arabic plural, as the record writes it
    {"stotinki", {"stotinka", "stotinki"}},
};

// Subunits that do not change in the plural.
const std::set<std::string> kUnchangedSubunits = {
    "att",   "baiza",  "chhertum", "deni",  "diram", "fen",    "filler",  "fils",  "Groschen",
    "jeon",  "kobo",   "kurus",    "laari", "luma",  "mongo",  "ngwee",   "ore",   "poisha",
    "qapik", "santim", "satang",   "sen",   "sene",  "seniti", "tambala", "tenge", "tetri",
    "thebe", "tiyin",  "tiyn",     "toea",  "tyiyn", "xu"};

std::string LastWord(const std::string& text) {
    return text.substr(text.rfind(' ') + 1);
}

// The last word of ICU's English name of `code` for `count`, in plain ASCII, without the years
// of an obsolete currency ("Afghan afghani (1927-2002)"); empty if ICU has no name for it.
std::string IcuNoun(const UChar* code, const char* count) {
    UBool isChoice = false;
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    const UChar* name = ucurr_getPluralName(code, "en", &isChoice, count, &length, &status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING) {
        return {};
    }
    icu::UnicodeString text(name, length);
    if (const int32_t years = text.indexOf(u" ("); years >= 0) {
        text.truncate(years);
    }
    static const std::unique_ptr<icu::Transliterator> ascii(
        icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    ascii->transliterate(text);
    std::string out;
    return LastWord(text.toUTF8String(out));
}

// Both numbers of `name` from ICU's nouns: the record's last word is one of them, and the other
// takes its place, keeping the record's letters as far as the two nouns agree ("Kronur" gives
// "Krona") and its capital. Nothing if the last word is neither.
std::optional<Numbers> IcuNumbers(const std::string& name, const std::string& code) {
    UChar wide[4];
    u_charsToUChars(code.c_str(), wide, 4);
    const std::string one = IcuNoun(wide, "one"), other = IcuNoun(wide, "other");
    const std::string word = LastWord(name), head = name.substr(0, name.size() - word.size());
    const auto sameLetter = [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    };
    const auto isWord = [&](const std::string& noun) {
        return std::equal(word.begin(), word.end(), noun.begin(), noun.end(), sameLetter);
    };
    const bool isOne = isWord(one), isOther = isWord(other);
    if (one.empty() || (!isOne && !isOther)) {
        return std::nullopt;
    }
    if (isOne && isOther) {
        return Numbers{name, name};
    }
    const std::string& to = isOne ? other : one;
    const std::size_t same =
        std::mismatch(word.begin(), word.end(), to.begin(), to.end(), sameLetter).first -
        word.begin();
    std::string changed = word.substr(0, same) + to.substr(same);
    if (std::isupper(static_cast<unsigned char>(word[0]))) {
        changed[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(changed[0])));
    }
    return isOne ? Numbers{name, head + changed} : Numbers{head + changed, name};
}

// Whether the stored name is one of the two numbers, each a name the engine can write: plain
// printable ASCII, no "&", no space at either end.
bool Fits(const Numbers& numbers, const std::string& stored) {
    for (const std::string& text : {numbers.singular, numbers.plural}) {
        const auto unwritable = [](char c) { return c < ' ' || c > '~' || c == '&'; };
        if (text.empty() || text.front() == ' ' || text.back() == ' ' ||
            std::any_of(text.begin(), text.end(), unwritable)) {
            return false;
        }
    }
    return numbers.singular == stored || numbers.plural == stored;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: draft_name_numbers currency_table.cpp current_currencies.inc\n");
        return 2;
    }
    std::ostringstream text;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!(in >> text.rdbuf())) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[i]);
            return 1;
        }
    }
    const std::string records = text.str();

    std::printf(
        "// The singular and the plural of each record's English name and subunit name, in record\n"
        "// order: drafted by tools/draft_name_numbers.cpp and reviewed by hand.\n");
    const std::regex record(R"(u"[^|"]*\|([^|"]*)\|([A-Z]{3})\|([^|"]*)\|",\s*// (\d+))");
    std::size_t index = 0, fromIcu = 0, fromTable = 0, undecided = 0;
    for (std::sregex_iterator it(records.begin(), records.end(), record), end; it != end; ++it) {
        const std::string name = (*it)[1], code = (*it)[2], subunit = (*it)[3];
        if (std::stoul((*it)[4]) != index) {
            std::fprintf(stderr, "record %zu: numbered %s\n", index, (*it)[4].str().c_str());
            return 1;
        }
        const auto icu = IcuNumbers(name, code);
        Numbers unit{name, name};
        if (const auto hand = kUnits.find(code); hand != kUnits.end()) {
            unit = hand->second;
            ++fromTable;
            if (icu && icu->singular == unit.singular && icu->plural == unit.plural) {
                std::fprintf(stderr, "%zu %s: kUnits says what ICU says\n", index, code.c_str());
            }
        } else if (icu) {
            unit = *icu;
            ++fromIcu;
        } else {
            std::fprintf(stderr, "%zu %s: no number for \"%s\"\n", index, code.c_str(),
                         name.c_str());
            ++undecided;
        }
        Numbers sub{subunit, subunit};
        if (const auto hand = kSubunits.find(subunit); hand != kSubunits.end()) {
            sub = hand->second;
        } else if (!kUnchangedSubunits.count(subunit)) {
            std::fprintf(stderr, "%zu %s: no subunit \"%s\"\n", index, code.c_str(),
                         subunit.c_str());
            ++undecided;
        }
        if (!Fits(unit, name) || !Fits(sub, subunit)) {
            std::fprintf(stderr, "%zu %s: the record's names are not among its numbers\n", index,
                         code.c_str());
            ++undecided;
        }
        std::printf("    {u\"%s\", u\"%s\", u\"%s\", u\"%s\"}, // %zu %s\n", unit.singular.c_str(),
                    unit.plural.c_str(), sub.singular.c_str(), sub.plural.c_str(), index++,
                    code.c_str());
    }
    std::fprintf(stderr, "%zu records: units from ICU %zu, from kUnits %zu; %zu undecided\n", index,
                 fromIcu, fromTable, undecided);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("draft_name_numbers: write error");
        return 1;
    }
    return index > 0 && undecided == 0 ? 0 : 1;
}
