// qev-words as scripts meet it: the real program, its arguments, standard input, output and exit
// status.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#if defined(__SANITIZE_ADDRESS__)
#define QEV_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QEV_ADDRESS_SANITIZER 1
#endif
#endif

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

#ifdef QEV_PEAK_MEMORY_PATH
// qev-words as a batch job runs it, its standard streams on files: the exit status, and the peak
// resident memory of that process alone.
struct BatchRun {
    int status = -1;
    long peakKiB = 0;
};

BatchRun RunOnFiles(const QString& in, const QString& out, const QString& err) {
    const QString report = in + ".peak";
    QProcess process;
    process.setStandardInputFile(in);
    process.setStandardOutputFile(out);
    process.setStandardErrorFile(err);
    process.start(QStringLiteral(QEV_PEAK_MEMORY_PATH), {report, QStringLiteral(QEV_WORDS_PATH)});
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    QFile peak(report);
    if (!peak.open(QIODevice::ReadOnly)) {
        return {};
    }
    return {process.exitCode(), peak.readAll().trimmed().toLong()};
}
#endif

// Lines of the million-line stream and what qev-words must make of each: its two output lines,
// or one line on standard error, or nothing for a blank line.
struct StreamLine {
    QByteArray in;
    QByteArray out;
    QByteArray err;
};

const StreamLine kStreamLines[] = {
    {"1234567.89", kMillion, {}},
    {"\t0.5 \r", "输入： USD0.50\n输出： SAY US DOLLARS & FIFTY CENTS ONLY\n", {}},
    {" 1,0,0", "输入： USD100.00\n输出： SAY US DOLLARS ONE HUNDRED ONLY\n", {}},
    {"000000000000000000042",
     "输入： USD000,000,000,000,042.00\n输出： SAY US DOLLARS FORTY TWO ONLY\n",
     {}},
    {"1..5", "输入： USD1..5\n输出： 无法转换：小数点多于一个\n", {}},
    {"12.345", "输入： USD12.345\n输出： 无法转换：小数部分超过两位\n", {}},
    {QByteArray("  1\x00"
                "2\xff ",
                7),
     {},
     "qev-words: invalid character '\\x00' in amount \"  1\\x00"
     "2\\xff \"\n"},
    {"\xe4\xb8\x80\xe7\x99\xbe", {}, "qev-words: invalid character '一' in amount \"一百\"\n"},
    {"\x1b[2J", {}, "qev-words: invalid character '\\x1b' in amount \"\\x1b[2J\"\n"},
    {"", {}, {}},
    {" \t\r", {}, {}},
};

// A very long line now and then: quoted short, and no more memory than any other line.
const StreamLine kLongLine = {QByteArray(200000, '7') + 'x',
                              {},
                              "qev-words: invalid character 'x' in amount \"" +
                                  QByteArray(64, '7') + "…\"\n"};

// The seeded order of the stream's lines; writing the stream and checking the output walk it alike.
class StressStream {
public:
    explicit StressStream(int size) : size_(size) {}
    bool AtEnd() const { return index_ == size_; }
    const StreamLine& Next() {
        if (++index_ % 25000 == 0) {
            return kLongLine;
        }
        return kStreamLines[random_.bounded(int(std::size(kStreamLines)))];
    }

private:
    QRandomGenerator random_{20261206};
    int size_;
    int index_ = 0;
};

bool WriteStream(const QString& path, int lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (StressStream stream(lines); !stream.AtEnd();) {
        file.write(stream.Next().in + '\n');
    }
    return true;
}

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

    // A million lines with garbage mixed in, as a batch job feeds them: every good line written
    // out in order, every bad one reported, the whole fails, and memory stays flat.
    void millionLineStream() {
#ifndef QEV_PEAK_MEMORY_PATH
        QSKIP("peak memory is read through a POSIX helper");
#else
#ifdef QEV_ADDRESS_SANITIZER
        // The sanitizer holds freed memory back on purpose; without that the tool's peak memory
        // means what it means in any build.
        const QByteArray asanOptions = qgetenv("ASAN_OPTIONS");
        qputenv("ASAN_OPTIONS",
                asanOptions + (asanOptions.isEmpty() ? "" : ":") + "quarantine_size_mb=0");
        const auto restore = qScopeGuard([&] { qputenv("ASAN_OPTIONS", asanOptions); });
#endif
        const int lines = 1'000'000;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString small = dir.filePath("small");
        const QString big = dir.filePath("big");
        QVERIFY(WriteStream(small, 10'000));
        QVERIFY(WriteStream(big, lines));
        const BatchRun smallRun = RunOnFiles(small, small + ".out", small + ".err");
        const BatchRun bigRun = RunOnFiles(big, big + ".out", big + ".err");
        QCOMPARE(smallRun.status, 1);
        QCOMPARE(bigRun.status, 1);

        // Every line's whole result, in order, and nothing else.
        QFile out(big + ".out");
        QFile err(big + ".err");
        QVERIFY(out.open(QIODevice::ReadOnly) && err.open(QIODevice::ReadOnly));
        for (StressStream stream(lines); !stream.AtEnd();) {
            const StreamLine& line = stream.Next();
            QCOMPARE(out.read(line.out.size()), line.out);
            QCOMPARE(err.read(line.err.size()), line.err);
        }
        QVERIFY(out.atEnd());
        QVERIFY(err.atEnd());

        // A million lines take no more memory than ten thousand, give or take allocator noise,
        // and far less than the input that a reader holding it all would keep.
        constexpr long kSlackKiB = 4 * 1024;
        QVERIFY(QFileInfo(big).size() > 3 * kSlackKiB * 1024);
        QVERIFY(smallRun.peakKiB > 0);
        QVERIFY2(bigRun.peakKiB <= smallRun.peakKiB + kSlackKiB,
                 qPrintable(QString("peak %1 KiB for a million lines, %2 KiB for ten thousand")
                                .arg(bigRun.peakKiB)
                                .arg(smallRun.peakKiB)));
#endif
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
