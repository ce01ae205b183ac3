#include "currency/currency_table.h"

#include "engine/amount_input.h"
#include "engine/case_styles.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace qev {

namespace {

// The design's 134 first, as its window lists them: obsolete currencies keep the codes of their
// time. Then the currencies in use today that those do not carry under their current code; a
// currency that comes into use later goes after the last, so no index ever changes. The design's
// form uses the names as stored whatever the number; kNameNumbers gives each its two numbers.
constexpr std::u16string_view kRecords[] = {
    u"美国美元|US Dollars|USD|cents|",                                        // 0
    u"英国英镑|Great Britain Pounds|GBP|new pence|",                          // 1
    u"瑞士法郎|Swiss Franc|CHF|centimes|",                                    // 2
    u"新加坡元|Singapore Dollars|SGD|cents|",                                 // 3
    u"泰国铢|Thai Baht|THB|satang|",                                          // 4
    u"加拿大元|Canadian Dollars|CAD|cents|",                                  // 5
    u"菲律宾比索|Philippine Peso|PHP|centavos|",                              // 6
    u"日本日圆|Japanese Yen|JPY|sen|",                                        // 7
    u"新西兰元|New Zealand Dollars|NZD|cents|",                               // 8
    u"澳大利亚元|Australian Dollars|AUD|cents|",                              // 9
    u"中国香港港元|HongKong Dollars|HKD|cents|",                              // 10
    u"中国澳门澳元|Macao Pataca|MOP|avos|",                                   // 11
    u"中国人民币元|Renminbi Yuan|CNY|fen|",                                   // 12
    u"俄罗斯卢布|Russian Ruble|SUR|kopecks|",                                 // 13
    u"欧盟欧元|Euros|EUR|cents|",                                             // 14
    u"越南盾|Vietnamese Dong|VND|xu|",                                        // 15
    u"老挝基普|Laotian Kip|LAK|att|",                                         // 16
    u"柬埔寨瑞尔|Cambodian Riel|KHR|sen|",                                    // 17
    u"马来西亚元|Malaysian Dollars|MYR|cents|",                               // 18
    u"缅甸缅元|Burmese Kyat|BUK|pyas|",                                       // 19
    u"斯里兰卡卢比|Sri Lanka Rupee|LKR|cents|",                               // 20
    u"马尔代夫卢比|Maldives Rupee|MVR|laari|",                                // 21
    u"印度尼西亚盾|Indonesian Rupiah|IDR|cents|",                             // 22
    u"巴基斯坦卢比|Pakistan Rupee|PKR|paisa|",                                // 23
    u"印度卢比|Indian Rupee|INR|paisa|",                                      // 24
    u"尼泊尔卢比|Nepalese Rupee|NPR|paise|",                                  // 25
    u"阿富汗尼|Afghani|AFA|puls|",                                            // 26
    u"伊朗里亚尔|Iranian Rial|IRR|dinars|",                                   // 27
    u"伊拉克第纳尔|Iraqi Dinar|IQD|fils|",                                    // 28
    u"叙利亚镑|Syrian Pounds|SYP|piastres|",                                  // 29
    u"黎巴嫩镑|Lebanese Pounds|LBP|piastres|",                                // 30
    u"约旦第纳尔|Jordanian Dinar|JOD|fils|",                                  // 31
    u"沙特阿拉伯亚尔|Saudi Arabian Riyal|SAR|qurush|",                        // 32
    u"科威特第纳尔|Kuwaiti Dinar|KWD|fils|",                                  // 33
    u"巴林第纳尔|Bahrain Dinar|BHD|fils|",                                    // 34
    u"卡塔尔里亚尔|Qatar Riyal|QAR|dirhams|",                                 // 35
    u"阿曼里亚尔|Oman Riyal|OMR|baiza|",                                      // 36
    u"阿拉伯也门里亚尔|Yemeni Riyal|YER|fils|",                               // 37
    u"民主也门第纳尔|Yemeni Dinar|YDD|fils|",                                 // 38
    u"土耳其镑|Turkish Pounds|TRL|kurus|",                                    // 39
    u"塞浦路斯镑|Cyprus Pounds|CYP|mils|",                                    // 40
    u"斐济元|Fiji Dollars|FJD|cents|",                                        // 41
    u"所罗门群岛所罗门元|Solomon Dollars|SBD|cents|",                         // 42
    u"朝鲜圆|Korean Won|KPW|jeon|",                                           // 43
    u"冰岛克朗|Icelandic Kronur|ISK|aurar|",                                  // 44
    u"丹麦克朗|Danish Kroner|DKK|ore|",                                       // 45
    u"挪威克朗|Norwegian Kroner|NOK|ore|",                                    // 46
    u"瑞典克朗|Swedish Kronor|SEK|ore|",                                      // 47
    u"芬兰马克|Finnish Markka|FIM|penni|",                                    // 48
    u"波兰兹罗提|Polish Zloty|PLZ|groszy|",                                   // 49
    u"捷克和斯洛伐克捷克克朗|Czechoslovak Koruna|CSK|Hellers|",               // 50
    u"匈牙利福林|Hungarian Forint|HUF|filler|",                               // 51
    u"德国马克|Deutsche Mark|DEM|pfennig|",                                   // 52
    u"奥地利先令|Austrian Schilling|ATS|Groschen|",                           // 53
    u"荷兰盾|Dutch Guilder|NLG|cents|",                                       // 54
    u"比利时法郎|Belgian Franc|BEF|centimes|",                                // 55
    u"卢森堡法郎|Luxembourg Franc|LUF|centimes|",                             // 56
    u"爱尔兰镑|Irish Pounds|IEP|new pence|",                                  // 57
    u"法国法郎|French Franc|FRF|centimes|",                                   // 58
    u"西班牙比塞塔|Spanish Peseta|ESP|centimos|",                             // 59
    u"葡萄牙埃斯库多|Portuguese Escudo|PTE|centavos|",                        // 60
    u"意大利里拉|Italian Lira|ITL|centesimi|",                                // 61
    u"马耳他镑|Maltese Pounds|MTP|cents|",                                    // 62
    u"南斯拉夫新第纳尔|Yugoslav Dinar|YUD|paras|",                            // 63
    u"罗马尼亚列伊|Rumanian Lei|ROL|bani|",                                   // 64
    u"保加利亚 列弗|Bulgarian Leva|BGL|stotinki|",                            // 65
    u"阿尔巴尼亚 列克|Albanian Lek|ALL|quintars|",                            // 66
    u"希腊德拉马克|Greek Drachma|GRD|lepta|",                                 // 67
    u"墨西哥比索|Mexican Peso|MXP|centavos|",                                 // 68
    u"危地马拉格查尔|Guatemalan Quetzal|GTQ|centavos|",                       // 69
    u"萨尔瓦多科朗|Salvadoran Colon|SVC|centavos|",                           // 70
    u"洪都拉斯伦皮拉|Honduran Lempira|HNL|centavos|",                         // 71
    u"尼加拉瓜科多巴|Nicaraguan Cordoba|NIC|centavos|",                       // 72
    u"哥斯达黎加科朗|Costa Rican Colon|CRC|centavos|",                        // 73
    u"巴拿马巴波亚|Panamanian Balboa|PAB|centesimos|",                        // 74
    u"古巴比索|Cuban Peso|CUP|centavos|",                                     // 75
    u"巴哈马联邦巴哈马元|Bahaman Dollars|BSD|cents|",                         // 76
    u"牙买加牙买加元|Jamaican Dollars|JMD|cents|",                            // 77
    u"海地古德|Haitian Gourde|HTG|centimes|",                                 // 78
    u"多米尼加比索|Dominican Peso|DOP|centavos|",                             // 79
    u"特立尼达多巴哥元|Trinidad and Tobago Dollars|TTD|cents|",               // 80
    u"巴巴多斯元|Barbados Dollars|BBD|cents|",                                // 81
    u"哥伦比亚比索|Colombian Peso|COP|centavos|",                             // 82
    u"委内瑞拉博利瓦|Venezuelan Bolivar|VEB|centimos|",                       // 83
    u"圭亚那元|Guyanan Dollars|GYD|cents|",                                   // 84
    u"苏里南元|Surinam Dollars|SRD|cents|",                                   // 85
    u"秘鲁新索尔|Peruvian Sol|PES|centavos|",                                 // 86
    u"厄瓜多尔苏克雷|Ecuadoran Sucre|ECS|centavos|",                          // 87
    u"巴西新克鲁赛罗|Brazilian New Cruzeiro|BRC|centavos|",                   // 88
    u"玻利维亚比索|Bolivian Peso|BOP|centavos|",                              // 89
    u"智利比索|Chilean Peso|CLP|centesimos|",                                 // 90
    u"阿根廷比索|Argentine Peso|ARP|centavos|",                               // 91
    u"巴拉圭瓜拉尼|Paraguayan Guarani|PYG|centimes|",                         // 92
    u"乌拉圭新比索|New Uruguayan Peso|UYP|centesimos|",                       // 93
    u"埃及镑|Egyptian Pounds|EGP|piastres|",                                  // 94
    u"利比亚第纳尔|Libyan Dinar|LYD|dirhams|",                                // 95
    u"苏丹镑|Sudanese Pounds|SDP|piastres|",                                  // 96
    u"突尼斯第纳尔|Tunisian Dinar|TND|milliemes|",                            // 97
    u"阿尔及利亚第纳尔|Algerian Dinar|DZD|centimes|",                         // 98
    u"摩洛哥迪拉姆|Moroccan Dirham|MAD|centimes|",                            // 99
    u"毛里塔尼亚乌吉亚|Mauritania Ouguiya|MRO|khoums|",                       // 100
    u"塞内加尔非共体法郎|African Financial Community Franc|XOF|centimes|",    // 101
    u"上沃尔特非共体法郎|African Financial Community Franc|XOF|centimes|",    // 102
    u"科特迪瓦非共体法郎|African Financial Community Franc|XOF|centimes|",    // 103
    u"多哥非共体法郎|African Financial Community Franc|XOF|centimes|",        // 104
    u"贝宁非共体法郎|African Financial Community Franc|XOF|centimes|",        // 105
    u"尼日尔非共体法郎|African Financial Community Franc|XOF|centimes|",      // 106
    u"冈比亚法拉西|Gambian Dalasi|GMD|bututs|",                               // 107
    u"几内亚比绍 几内亚比索|Guinea-Bissau Peso|GWP|centavos|",                // 108
    u"塞拉里昂利昂|Sierra Leone Leone|SLL|cents|",                            // 109
    u"利比里亚元|Liberian Dollars|LRD|cents|",                                // 110
    u"加纳塞地|Ghanaian Cedi|GHC|pesewas|",                                   // 111
    u"尼日利亚奈拉|Nigerian Naira|NGN|kobo|",                                 // 112
    u"喀麦隆中非金融合作法郎|Central African Finan-Coop Franc|XAF|centimes|", // 113
    u"乍得中非金融合作法郎|Central African Finan-Coop Franc|XAF|centimes|",   // 114
    u"刚果中非金融合作法郎|Central African Finan-Coop Franc|XAF|centimes|",   // 115
    u"加蓬中非金融合作法郎|Central African Finan-Coop Franc|XAF|centimes|",   // 116
    u"中非中非金融合作法郎|Central African Finan-Coop Franc|XAF|centimes|",   // 117
    u"赤道几内亚赤道几内亚埃奎勒|Equatorial Guinea Ekuele|GQE|centimes|",     // 118
    u"南非兰特|South African Rand|ZAR|cents|",                                // 119
    u"吉布提法郎|Djibouti Franc|DJF|centimes|",                               // 120
    u"索马里先令|Somali Shilling|SOS|cents|",                                 // 121
    u"肯尼亚先令|Kenya Shilling|KES|cents|",                                  // 122
    u"乌干达先令|Uganda Shilling|UGS|cents|",                                 // 123
    u"坦桑尼亚先令|Tanzania Shilling|TZS|cents|",                             // 124
    u"卢旺达法郎|Rwanda Franc|RWF|cents|",                                    // 125
    u"布隆迪法郎|Burundi Franc|BIF|cents|",                                   // 126
    u"扎伊尔扎伊尔|Zaire|ZRZ|makuta|",                                        // 127
    u"赞比亚克瓦查|Zambian Kwacha|ZMK|ngwee|",                                // 128
    u"马达加斯加法郎|Malagasy Franc|MGF|cents|",                              // 129
    u"塞舌尔卢比|Seychelles Rupee|SCR|cents|",                                // 130
    u"毛里求斯卢比|Mauritius Rupee|MUR|centimes|",                            // 131
    u"津巴布韦元|Zimbabwe Dollars|ZWD|cents|",                                // 132
    u"科摩罗法郎|Comoros Franc|KMF|centimes|",                                // 133
#include "currency/current_currencies.inc"
};

// The field that follows the bar at `from` - 1, up to the next bar; nothing if no bar ends it.
constexpr std::optional<std::u16string_view> FieldAt(std::u16string_view record,
                                                     std::size_t& from) {
    const auto bar = record.find(u'|', from);
    if (bar == std::u16string_view::npos) {
        return std::nullopt;
    }
    const auto field = record.substr(from, bar - from);
    from = bar + 1;
    return field;
}

// The currencies whose minor unit is a thousandth (ISO 4217 List One, exponent 3); every other
// row is written in hundredths.
constexpr std::u16string_view kThousandthCodes[] = {u"BHD", u"IQD", u"JOD", u"KWD",
                                                    u"LYD", u"OMR", u"TND"};

// The names of each record as they follow a count, in the records' order: the currency's after
// one and after any other count, then the subunit's ("US Dollar", "US Dollars", "cent", "cents").
struct NameNumbers {
    std::u16string_view nameOne, nameMany, subunitOne, subunitMany;
};
constexpr NameNumbers kNameNumbers[] = {
#include "currency/name_numbers.inc"
};
static_assert(std::size(kNameNumbers) == std::size(kRecords), "one row of names for each record");

// Every record cut into its fields while the program is built: a record without its four bars,
// an empty field, a code other than three capitals, or a stored name that is neither number of
// its row of names does not compile.
constexpr auto kFields = [] {
    std::array<CurrencyFields, std::size(kRecords)> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::size_t from = 0;
        std::u16string_view cut[4];
        for (std::u16string_view& field : cut) {
            const auto found = FieldAt(kRecords[i], from);
            if (!found || found->empty()) {
                throw "a record needs four fields, each ended by a bar";
            }
            field = *found;
        }
        for (const char16_t c : cut[2]) {
            if (cut[2].size() != 3 || c < u'A' || c > u'Z') {
                throw "a code is three capital letters";
            }
        }
        const bool thousandths = std::find(std::begin(kThousandthCodes), std::end(kThousandthCodes),
                                           cut[2]) != std::end(kThousandthCodes);
        const NameNumbers& numbers = kNameNumbers[i];
        if ((cut[1] != numbers.nameOne && cut[1] != numbers.nameMany) ||
            (cut[3] != numbers.subunitOne && cut[3] != numbers.subunitMany)) {
            throw "a stored name is the singular or the plural of its row of names";
        }
        fields[i] = {cut[0],
                     cut[1],
                     cut[2],
                     cut[3],
                     thousandths ? 3u : 2u,
                     numbers.nameOne,
                     numbers.nameMany,
                     numbers.subunitOne,
                     numbers.subunitMany};
    }
    return fields;
}();

} // namespace

std::span<const std::u16string_view> CurrencyRecords() {
    return kRecords;
}

const CurrencyFields& CurrencyFieldsAt(std::size_t index) {
    return kFields.at(index);
}

SelectedCurrency CurrencyAt(std::size_t index) {
    const CurrencyFields& fields = CurrencyFieldsAt(index);
    return {std::u16string(fields.name),       std::u16string(fields.code),
            std::u16string(fields.subunit),    fields.decimals,
            std::u16string(fields.nameOne),    std::u16string(fields.nameMany),
            std::u16string(fields.subunitOne), std::u16string(fields.subunitMany)};
}

std::u16string ListEntryText(std::size_t index) {
    if (index >= kFields.size()) {
        return {};
    }
    const CurrencyFields& fields = kFields[index];
    std::u16string entry = std::u16string(fields.chinese) + u' ' + std::u16string(fields.name);
    if (index >= kDesignCurrencyCount) {
        entry.append(u" (").append(fields.code).append(u")");
    }
    return entry;
}

std::optional<std::size_t> FindCurrencyCode(std::u16string_view code) {
    // Every code in the table is in capitals.
    const std::u16string wanted = ToUpperCase(code);
    const auto found =
        std::find_if(kFields.begin(), kFields.end(),
                     [&](const CurrencyFields& fields) { return fields.code == wanted; });
    if (found == kFields.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kFields.begin());
}

std::optional<std::size_t> FindListEntry(std::u16string_view typed) {
    // What an input method gives for a letter, full width ("ＥＵＲ"), is taken as that letter.
    std::u16string text;
    for (const char16_t c : typed) {
        text += HalfWidth(c);
    }
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    const std::u16string wanted = ToUpperCase(text);
    // RMB is how China's own documents write the yuan's code.
    if (const auto code = FindCurrencyCode(wanted == u"RMB" ? u"CNY" : wanted)) {
        return code;
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const std::u16string entry = ListEntryText(i);
        for (const std::u16string_view name : {std::u16string_view(entry), kFields[i].name}) {
            if (ToUpperCase(name.substr(0, wanted.size())) == wanted) {
                return i;
            }
        }
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].chinese.find(text) != std::u16string_view::npos) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace qev
