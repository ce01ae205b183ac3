// The currency catalogue: the shape of every record, list entry texts, the fields a choice sets,
// and the rows whose stored values were once misspelt.
#include "currency/currency_table.h"
#include "tests/table_row.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace qev;

namespace {

QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class CurrencyTest : public QObject {
    Q_OBJECT

private slots:
    void everyRecordHasFourTidyFields() {
        const auto& records = CurrencyRecords();
        QCOMPARE(records.size(), std::size_t{134});
        QSet<QString> chineseNames;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const QString record = Q(records[i]);
            const QStringList fields = record.split('|');
            QCOMPARE(fields.size(), 5); // four fields, each closed by a bar
            QVERIFY2(fields[4].isEmpty(), qPrintable(record));
            for (int f = 0; f < 4; ++f) {
                QVERIFY2(!fields[f].isEmpty() && fields[f] == fields[f].trimmed(),
                         qPrintable(record));
            }
            QVERIFY2(QRegularExpression("^[A-Z]{3}$").match(fields[2]).hasMatch(),
                     qPrintable(record));
            // The old search-and-replace damage ("centsimes", "centsral") must not come back.
            QVERIFY2(!QRegularExpression("cents[a-z]").match(record).hasMatch(),
                     qPrintable(record));
            chineseNames.insert(fields[0]);
            QCOMPARE(Q(ListEntryText(records[i])), fields[0] + ' ' + fields[1]);
        }
        QCOMPARE(chineseNames.size(), 134); // every entry can be told apart in the list
    }

    void chosenRows_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("subunit");
        const auto row = [](int index, const char* entry, const char* name, const char* code,
                            const char* subunit) {
            QTest::addRow("%d %s", index, code)
                << index << QString::fromUtf8(entry) << QString::fromUtf8(name)
                << QString::fromUtf8(code) << QString::fromUtf8(subunit);
        };
        row(0, "美国美元 US Dollars", "US Dollars", "USD", "cents");
        row(1, "英国英镑 Great Britain Pounds", "Great Britain Pounds", "GBP", "new pence");
        row(2, "瑞士法郎 Swiss Franc", "Swiss Franc", "CHF", "centimes");
        row(4, "泰国铢 Thai Baht", "Thai Baht", "THB", "satang");
        row(13, "俄罗斯卢布 Russian Ruble", "Russian Ruble", "SUR", "kopecks");
        row(16, "老挝基普 Laotian Kip", "Laotian Kip", "LAK", "att");
        row(17, "柬埔寨瑞尔 Cambodian Riel", "Cambodian Riel", "KHR", "sen");
        row(21, "马尔代夫卢比 Maldives Rupee", "Maldives Rupee", "MVR", "laari");
        row(23, "巴基斯坦卢比 Pakistan Rupee", "Pakistan Rupee", "PKR", "paisa");
        row(45, "丹麦克朗 Danish Kroner", "Danish Kroner", "DKK", "ore");
        row(46, "挪威克朗 Norwegian Kroner", "Norwegian Kroner", "NOK", "ore");
        row(50, "捷克和斯洛伐克捷克克朗 Czechoslovak Koruna", "Czechoslovak Koruna", "CSK",
            "Hellers");
        row(53, "奥地利先令 Austrian Schilling", "Austrian Schilling", "ATS", "Groschen");
        row(59, "西班牙比塞塔 Spanish Peseta", "Spanish Peseta", "ESP", "centimos");
        row(60, "葡萄牙埃斯库多 Portuguese Escudo", "Portuguese Escudo", "PTE", "centavos");
        row(61, "意大利里拉 Italian Lira", "Italian Lira", "ITL", "centesimi");
        row(62, "马耳他镑 Maltese Pounds", "Maltese Pounds", "MTP", "cents");
        row(63, "南斯拉夫新第纳尔 Yugoslav Dinar", "Yugoslav Dinar", "YUD", "paras");
        row(64, "罗马尼亚列伊 Rumanian Lei", "Rumanian Lei", "ROL", "bani");
        row(65, "保加利亚 列弗 Bulgarian Leva", "Bulgarian Leva", "BGL", "stotinki");
        row(67, "希腊德拉马克 Greek Drachma", "Greek Drachma", "GRD", "lepta");
        row(69, "危地马拉格查尔 Guatemalan Quetzal", "Guatemalan Quetzal", "GTQ", "centavos");
        row(74, "巴拿马巴波亚 Panamanian Balboa", "Panamanian Balboa", "PAB", "centesimos");
        row(80, "特立尼达多巴哥元 Trinidad and Tobago Dollars", "Trinidad and Tobago Dollars",
            "TTD", "cents");
        row(106, "尼日尔非共体法郎 African Financial Community Franc",
            "African Financial Community Franc", "XOF", "centimes");
        row(107, "冈比亚法拉西 Gambian Dalasi", "Gambian Dalasi", "GMD", "bututs");
        row(108, "几内亚比绍 几内亚比索 Guinea-Bissau Peso", "Guinea-Bissau Peso", "GWP",
            "centavos");
        row(113, "喀麦隆中非金融合作法郎 Central African Finan-Coop Franc",
            "Central African Finan-Coop Franc", "XAF", "centimes");
        row(126, "布隆迪法郎 Burundi Franc", "Burundi Franc", "BIF", "cents");
        row(127, "扎伊尔扎伊尔 Zaire", "Zaire", "ZRZ", "makuta");
        row(128, "赞比亚克瓦查 Zambian Kwacha", "Zambian Kwacha", "ZMK", "ngwee");
        row(129, "马达加斯加法郎 Malagasy Franc", "Malagasy Franc", "MGF", "cents");
        row(133, "科摩罗法郎 Comoros Franc", "Comoros Franc", "KMF", "centimes");
    }
    void chosenRows() {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, subunit);
        const auto record = CurrencyRecords()[static_cast<std::size_t>(index)];
        QCOMPARE(Q(ListEntryText(record)), entry);
        const auto currency = ReadCurrencyRecord(record);
        QVERIFY(currency.has_value());
        QCOMPARE(Q(currency->name), name);
        QCOMPARE(Q(currency->code), code);
        QCOMPARE(Q(currency->subunit), subunit);
    }

    void repeatedGroupsShareTheirFields_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        Row("African Financial Community", 101, 106);
        Row("Central African Finan-Coop", 113, 117);
    }
    void repeatedGroupsShareTheirFields() {
        QFETCH(int, first);
        QFETCH(int, last);
        const auto& records = CurrencyRecords();
        const auto expected = ReadCurrencyRecord(records[static_cast<std::size_t>(first)]);
        for (int i = first - 1; i <= last + 1; ++i) {
            const auto fields = ReadCurrencyRecord(records[static_cast<std::size_t>(i)]);
            const bool same = fields->name == expected->name && fields->code == expected->code &&
                              fields->subunit == expected->subunit;
            QCOMPARE(same, i >= first && i <= last); // and the neighbours differ
        }
    }

    void malformedRecords_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("readable");
        Row("empty slot", "", "", false);
        Row("one bar", "中文|", "", false);
        Row("two bars", "中文|Name|", "中文 Name", false);
        Row("three bars", "中文|Name|COD|", "中文 Name", false);
        Row("four bars", "中文|Name|COD|sub|", "中文 Name", true);
        Row("empty fields", "||||", " ", true);
    }
    void malformedRecords() {
        QFETCH(QString, record);
        QFETCH(QString, entry);
        QFETCH(bool, readable);
        const std::u16string text = record.toStdU16String();
        QCOMPARE(Q(ListEntryText(text)), entry);
        QCOMPARE(ReadCurrencyRecord(text).has_value(), readable);
    }

    void findCurrencyCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("index");
        Row("upper case", "USD", 0);
        Row("lower case", "gbp", 1);
        Row("mixed case", "ThB", 4);
        Row("first of a shared code", "XOF", 101);
        Row("second shared code", "xaf", 113);
        Row("last row", "KMF", 133);
        Row("old misprint is gone", "THP", -1);
        Row("unknown", "XYZ", -1);
        Row("empty", "", -1);
        Row("part of a code", "US", -1);
    }
    void findCurrencyCode() {
        QFETCH(QString, code);
        QFETCH(int, index);
        const auto found = FindCurrencyCode(code.toStdU16String());
        QCOMPARE(found ? static_cast<int>(*found) : -1, index);
    }
};

QTEST_GUILESS_MAIN(CurrencyTest)
#include "currency_test.moc"
