// qev-words as scripts meet it: the real program, its arguments, standard input, output and exit
// status.
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Run RunTool(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(QEV_WORDS_PATH), args);
    if (!process.waitForStarted()) {
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.readAllStandardOutput(), process.readAllStandardError(),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

const QByteArray kUsage =
    "usage: qev-words [--currency CODE|INDEX] [--case upper|title|lower] [AMOUNT ...]\n"
    "       qev-words --list\n"
    "       qev-words --help | --version\n";

const QByteArray kMillion =
    "输入： USD1,234,567.89\n"
    "输出： SAY US DOLLARS ONE MILLION TWO HUNDRED AND THIRTY FOUR THOUSAND "
    "FIVE HUNDRED AND SIXTY SEVEN & EIGHTY NINE CENTS ONLY\n";

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void conversions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<int>("status");

        QTest::newRow("one amount")
            << QStringList{"1234567.89"} << QByteArray() << kMillion << QByteArray() << 0;
        QTest::newRow("amounts in order")
            << QStringList{"5", "0.5"} << QByteArray()
            << QByteArray("输入： USD5.00\n输出： SAY US DOLLARS FIVE ONLY\n"
                          "输入： USD0.50\n输出： SAY US DOLLARS & FIFTY CENTS ONLY\n")
            << QByteArray() << 0;
        QTest::newRow("currency by code in any case")
            << QStringList{"--currency", "gbp", "2.5"} << QByteArray()
            << QByteArray("输入： GBP2.50\n输出： SAY GREAT BRITAIN POUNDS TWO & FIFTY NEW "
                          "PENCE ONLY\n")
            << QByteArray() << 0;
        QTest::newRow("currency by index with =")
            << QStringList{"--currency=12", "1"} << QByteArray()
            << QByteArray("输入： CNY1.00\n输出： SAY RENMINBI YUAN ONE ONLY\n") << QByteArray()
            << 0;
        QTest::newRow("shared code picks the first row")
            << QStringList{"--currency", "XOF", "1.01"} << QByteArray()
            << QByteArray("输入： XOF1.01\n输出： SAY AFRICAN FINANCIAL COMMUNITY FRANC ONE & "
                          "ONE CENTIMES ONLY\n")
            << QByteArray() << 0;
        QTest::newRow("title case")
            << QStringList{"--case", "title", "100"} << QByteArray()
            << QByteArray("输入： Usd100.00\n输出： Say Us Dollars One Hundred Only\n")
            << QByteArray() << 0;
        QTest::newRow("lower case")
            << QStringList{"--case=lower", "--currency", "CHF", "0.2"} << QByteArray()
            << QByteArray("输入： chf0.20\n输出： say swiss franc & twenty centimes only\n")
            << QByteArray() << 0;
        QTest::newRow("standard input, CR LF and blank lines skipped")
            << QStringList{} << QByteArray("12\r\n\r\n  \n\t7 \n40")
            << QByteArray("输入： USD12.00\n输出： SAY US DOLLARS TWELVE ONLY\n"
                          "输入： USD7.00\n输出： SAY US DOLLARS SEVEN ONLY\n"
                          "输入： USD40.00\n输出： SAY US DOLLARS FORTY ONLY\n")
            << QByteArray() << 0;
        QTest::newRow("invalid character rejected and the rest goes on")
            << QStringList{"1", "12a", "2"} << QByteArray()
            << QByteArray("输入： USD1.00\n输出： SAY US DOLLARS ONE ONLY\n"
                          "输入： USD2.00\n输出： SAY US DOLLARS TWO ONLY\n")
            << QByteArray("qev-words: invalid character 'a' in amount \"12a\"\n") << 1;
        QTest::newRow("invalid character named whole")
            << QStringList{"１２"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: invalid character '１' in amount \"１２\"\n") << 1;
        QTest::newRow("inner space is invalid")
            << QStringList{} << QByteArray("1 000\n") << QByteArray()
            << QByteArray("qev-words: invalid character ' ' in amount \"1 000\"\n") << 1;
        QTest::newRow("control bytes and broken UTF-8 shown escaped")
            << QStringList{}
            << QByteArray("1\x1b"
                          "2\n\xff\n")
            << QByteArray()
            << QByteArray("qev-words: invalid character '\\x1b' in amount \"1\\x1b"
                          "2\"\n"
                          "qev-words: invalid character '\\xff' in amount \"\\xff\"\n")
            << 1;
        QTest::newRow("empty argument") << QStringList{""} << QByteArray() << QByteArray()
                                        << QByteArray("qev-words: empty amount\n") << 1;
        QTest::newRow("not convertible is printed and fails")
            << QStringList{"1..5", "12.345", "1234567890123456"} << QByteArray()
            << QByteArray("输入： USD1..5\n输出： 无法转换：小数点多于一个\n"
                          "输入： USD12.345\n输出： 无法转换：小数部分超过两位\n"
                          "输入： USD1234567890123456\n输出： 无法转换：整数部分超过15位\n")
            << QByteArray() << 1;
        QTest::newRow("double dash lets a sign reach the check")
            << QStringList{"--", "-12"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: invalid character '-' in amount \"-12\"\n") << 1;
        QTest::newRow("long amount quoted short")
            << QStringList{QString(100, '1') + "x"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: invalid character 'x' in amount \"" + QByteArray(64, '1') +
                          "…\"\n")
            << 1;
        QTest::newRow("unknown option")
            << QStringList{"-12"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: unknown option '-12'\n") + kUsage << 2;
        QTest::newRow("unknown currency")
            << QStringList{"--currency", "XYZ", "1"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: unknown currency 'XYZ'\n") + kUsage << 2;
        QTest::newRow("index out of range")
            << QStringList{"--currency=134", "1"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: unknown currency '134'\n") + kUsage << 2;
        QTest::newRow("bad style")
            << QStringList{"--case", "shout", "1"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: unknown case style 'shout' (upper, title or lower)\n") +
                   kUsage
            << 2;
        QTest::newRow("missing value")
            << QStringList{"1", "--currency"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: option '--currency' needs a value\n") + kUsage << 2;
        QTest::newRow("list takes no amounts")
            << QStringList{"--list", "1"} << QByteArray() << QByteArray()
            << QByteArray("qev-words: --list takes no amounts\n") + kUsage << 2;
        QTest::newRow("version") << QStringList{"--version"} << QByteArray()
                                 << QByteArray("qev-words 1.0.0.0\n") << QByteArray() << 0;
    }
    void conversions() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QFETCH(int, status);
        const Run run = RunTool(args, input);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, status);
    }

    void help() {
        const Run run = RunTool({"--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith(kUsage));
        QVERIFY(run.out.contains("--currency CODE|INDEX"));
        QVERIFY(run.err.isEmpty());
    }

    void list() {
        const Run run = RunTool({"--list"});
        QCOMPARE(run.status, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 135); // 134 entries and the final newline
        QCOMPARE(lines[0], QByteArray("0\tUSD\t美国美元 US Dollars"));
        QCOMPARE(lines[4], QByteArray("4\tTHB\t泰国铢 Thai Baht"));
        QCOMPARE(lines[65], QByteArray("65\tBGL\t保加利亚 列弗 Bulgarian Leva"));
        QCOMPARE(lines[133], QByteArray("133\tKMF\t科摩罗法郎 Comoros Franc"));
        QVERIFY(lines[134].isEmpty());
    }

    // A long stream with bad lines mixed in: every good line converted, in order, every bad one
    // reported, and the whole still fails.
    void longStream() {
        QByteArray input;
        const int lines = 200000;
        for (int i = 0; i < lines; ++i) {
            input += (i % 1000 == 999) ? QByteArray("bad") + QByteArray::number(i)
                                       : QByteArray::number(i);
            input += '\n';
        }
        const Run run = RunTool({}, input);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count('\n'), lines / 1000);
        QCOMPARE(run.out.count('\n'), 2 * (lines - lines / 1000));
        QVERIFY(run.out.startsWith("输入： USD0.00\n输出： SAY US DOLLARS ONLY\n"));
        QVERIFY(run.out.endsWith("输入： USD199,998.00\n输出： SAY US DOLLARS ONE HUNDRED AND "
                                 "NINETY NINE THOUSAND NINE HUNDRED AND NINETY EIGHT ONLY\n"));
        QVERIFY(run.err.endsWith("qev-words: invalid character 'b' in amount \"bad199999\"\n"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
