// The currency catalogue: every record whole, the list entry and fields cut from each, the
// currencies in use today, and the look-up by code.
#include "currency/currency_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <span>

using namespace qev;

namespace {

// FNV-1a over every code unit of every record, each record closed by a line break.
std::uint64_t Digest(std::span<const std::u16string_view> records) {
    std::uint64_t digest = 14695981039346656037u;
    for (const std::u16string_view record : records) {
        for (const char16_t c : std::u16string(record) + u'\n') {
            digest = (digest ^ c) * 1099511628211u;
        }
    }
    return digest;
}

// ISO 4217's currencies in 2026, funds and precious metals left out: List One of 2024-06-25
// with amendments 176 (XCG for ANG), 178 (CUC withdrawn) and 180 (BGN withdrawn for the euro).
constexpr std::u16string_view kIsoCurrencies =
    u"AED AFN ALL AMD AOA ARS AUD AWG AZN BAM BBD BDT BHD BIF BMD BND BOB BRL BSD BTN BWP BYN BZD "
    u"CAD CDF CHF CLP CNY COP CRC CUP CVE CZK DJF DKK DOP DZD EGP ERN ETB EUR FJD FKP GBP GEL GHS "
    u"GIP GMD GNF GTQ GYD HKD HNL HTG HUF IDR ILS INR IQD IRR ISK JMD JOD JPY KES KGS KHR KMF KPW "
    u"KRW KWD KYD KZT LAK LBP LKR LRD LSL LYD MAD MDL MGA MKD MMK MNT MOP MRU MUR MVR MWK MXN MYR "
    u"MZN NAD NGN NIO NOK NPR NZD OMR PAB PEN PGK PHP PKR PLN PYG QAR RON RSD RUB RWF SAR SBD SCR "
    u"SDG SEK SGD SHP SLE SOS SRD SSP STN SVC SYP SZL THB TJS TMT TND TOP TRY TTD TWD TZS UAH UGX "
    u"USD UYU UZS VED VES VND VUV WST XAF XCD XCG XOF XPF YER ZAR ZMW ZWG";

TEST(Currency, EveryRecordGivesItsEntryAndFields) {
    const auto records = CurrencyRecords();
    // The design's 134 records, letter for letter (LYD's subunit the dirham, a thousandth of the
    // dinar since 1971): any change to any field shows here first.
    EXPECT_EQ(Digest(records.first(kDesignCurrencyCount)), 16135043642000973246u);
    std::set<std::u16string> entries;
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(records[i])));
        const CurrencyFields& fields = CurrencyFieldsAt(i);
        const std::u16string_view cut[] = {fields.chinese, fields.name, fields.code,
                                           fields.subunit};
        std::u16string whole;
        for (const std::u16string_view field : cut) {
            whole.append(field).append(u"|");
            EXPECT_FALSE(field.front() == u' ' || field.back() == u' ');
        }
        EXPECT_EQ(whole, records[i]);
        if (i >= kDesignCurrencyCount) {
            // Words of the wording: plain ASCII, and no "&", which joins the subunit clause.
            for (const std::u16string_view field : {cut[1], cut[3]}) {
                EXPECT_TRUE(std::ranges::all_of(
                    field, [](char16_t c) { return c >= u' ' && c <= u'~' && c != u'&'; }));
            }
        }
        entries.insert(ListEntryText(i));
        // Thousandths for the dinars and rials of ISO 4217's exponent 3, hundredths for the rest.
        const bool thousandths =
            std::u16string_view(u"BHD IQD JOD KWD LYD OMR TND").find(fields.code) !=
            std::u16string_view::npos;
        EXPECT_EQ(CurrencyAt(i).decimals, thousandths ? 3u : 2u);
    }
    EXPECT_EQ(entries.size(), records.size()); // every entry can be told apart in the list
    // The design's entries are its two names; those after them carry the code too, so none is
    // taken for an old entry of the same name; past the list, nothing.
    const std::pair<std::size_t, std::u16string_view> sample[] = {
        {0, u"美国美元 US Dollars"},
        {65, u"保加利亚 列弗 Bulgarian Leva"},
        {13, u"俄罗斯卢布 Russian Ruble"},
        {183, u"俄罗斯卢布 Russian Rubles (RUB)"},
        {records.size(), u""}};
    for (const auto& [index, entry] : sample) {
        EXPECT_EQ(ListEntryText(index), entry);
    }
}

// After the design's records, one for each current currency they do not carry under its code.
TEST(Currency, EveryCurrencyInUseToday) {
    std::set<std::u16string_view> iso, design, appended;
    for (std::size_t at = 0; at < kIsoCurrencies.size(); at += 4) {
        iso.insert(kIsoCurrencies.substr(at, 3));
    }
    const auto records = CurrencyRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::u16string_view code = CurrencyFieldsAt(i).code;
        if (i < kDesignCurrencyCount) {
            design.insert(code);
        } else {
            EXPECT_TRUE(iso.count(code)) << "not current: " << testing::PrintToString(code);
            EXPECT_FALSE(design.count(code)) << "in the design: " << testing::PrintToString(code);
            EXPECT_TRUE(appended.insert(code).second) << "twice: " << testing::PrintToString(code);
        }
    }
    for (const std::u16string_view code : iso) {
        EXPECT_TRUE(design.count(code) || appended.count(code))
            << "missing: " << testing::PrintToString(code);
    }
}

// A sample of names after one and after any other count, written by hand: foreign units and
// sub-units keep their own plurals, and some nouns do not change.
TEST(Currency, NamesAgreeWithTheirNumbers) {
    const struct {
        std::size_t index;
        std::u16string_view nameOne, nameMany, subunitOne, subunitMany;
    } rows[] = {
        {0, u"US Dollar", u"US Dollars", u"cent", u"cents"},
        {1, u"Great Britain Pound", u"Great Britain Pounds", u"new penny", u"new pence"},
        {7, u"Japanese Yen", u"Japanese Yen", u"sen", u"sen"},
        {24, u"Indian Rupee", u"Indian Rupees", u"paisa", u"paise"},
        {33, u"Kuwaiti Dinar", u"Kuwaiti Dinars", u"fils", u"fils"},
        {44, u"Icelandic Krona", u"Icelandic Kronur", u"eyrir", u"aurar"},
        {49, u"Polish Zloty", u"Polish Zlotys", u"grosz", u"groszy"},
        {64, u"Rumanian Leu", u"Rumanian Lei", u"ban", u"bani"},
        {65, u"Bulgarian Lev", u"Bulgarian Leva", u"stotinka", u"stotinki"},
        {67, u"Greek Drachma", u"Greek Drachmas", u"lepton", u"lepta"},
        {112, u"Nigerian Naira", u"Nigerian Naira", u"kobo", u"kobo"},
        {127, u"Zaire", u"Zaires", u"likuta", u"makuta"},
    };
    for (const auto& row : rows) {
        const SelectedCurrency currency = CurrencyAt(row.index);
        EXPECT_EQ(currency.nameOne, row.nameOne);
        EXPECT_EQ(currency.nameMany, row.nameMany);
        EXPECT_EQ(currency.subunitOne, row.subunitOne);
        EXPECT_EQ(currency.subunitMany, row.subunitMany);
    }
}

TEST(Currency, FindCurrencyCode) {
    const struct {
        std::u16string_view code;
        int index;
    } rows[] = {
        {u"USD", 0},   {u"gbp", 1},  {u"ThB", 4},   {u"XOF", 101}, {u"xaf", 113}, {u"KMF", 133},
        {u"aed", 134}, {u"sur", 13}, {u"RUB", 183}, {u"SLL", 109}, {u"sle", 186}, {u"ZWG", 207},
        {u"THP", -1},  {u"XYZ", -1}, {u"", -1},     {u"US", -1},
    };
    for (const auto& row : rows) {
        const auto found = FindCurrencyCode(row.code);
        EXPECT_EQ(found ? static_cast<int>(*found) : -1, row.index)
            << testing::PrintToString(std::u16string(row.code));
    }
}

} // namespace
