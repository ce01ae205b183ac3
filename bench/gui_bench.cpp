// How soon the result follows a keystroke in the amount box of the real main window, offscreen:
// to the result box holding the new Result text, and on to the window painted with it. Then what
// the window costs while nobody touches it, a very long line in the result box.
#include "bench/time_keeping_reporter.h"
#include "currency/currency_table.h"
#include "engine/amount_words.h"
#include "qt/fonts.h"
#include "qt/form1_qt.h"
#include "ui/form1_design.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace {

qev::Form1* window = nullptr;

QString EngineResult(const QString& amount) {
    static const qev::SelectedCurrency dollars = qev::CurrencyAt(0);
    return QString::fromStdU16String(qev::AmountToWords(amount.toStdU16String(), dollars).text)
        .replace("\r\n", "\n");
}

// The longest amount the box takes, its last digit typed and taken back in turn, so that every
// key converts the whole amount anew. Each key is checked: the result box must hold the Result
// text of the box's new amount as the key returns.
void KeystrokeRun(benchmark::State& state, bool painted) {
    auto* amountBox = window->findChild<QLineEdit*>("Text1");
    auto* resultBox = window->findChild<QPlainTextEdit*>("Text2");
    const QString shorter = "777,777,777,777,777.7";
    const QString longer = shorter + "7";
    const QString shorterResult = EngineResult(shorter);
    const QString longerResult = EngineResult(longer);
    amountBox->setText(shorter);
    amountBox->setFocus();
    amountBox->end(false);
    QCoreApplication::processEvents();

    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        if (painted) {
            // As the window system delivers it; the window is then painted before the next key.
            QTest::keyClick(window->windowHandle(), typed ? Qt::Key_7 : Qt::Key_Backspace);
        } else {
            QTest::keyClick(amountBox, typed ? Qt::Key_7 : Qt::Key_Backspace);
        }
        if (resultBox->toPlainText() != (typed ? longerResult : shorterResult)) {
            state.SkipWithError("the result box does not hold the new Result text");
            break;
        }
    }
    QCoreApplication::processEvents();
}

void BM_KeystrokeToResult(benchmark::State& state) {
    KeystrokeRun(state, false);
}
BENCHMARK(BM_KeystrokeToResult);

void BM_KeystrokeToPaint(benchmark::State& state) {
    KeystrokeRun(state, true);
}
BENCHMARK(BM_KeystrokeToPaint);

#if defined(Q_OS_UNIX)
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RunEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A paste of one run of letters into the result box, as a clerk might paste a damaged file: how
// long the window is held by the longest the box takes and by 2 MiB, which it refuses; and then
// by the next amount typed, whose wording takes the letters' place.
void ReportLongWordPaste() {
    auto* resultBox = window->findChild<QPlainTextEdit*>("Text2");
    auto* amountBox = window->findChild<QLineEdit*>("Text1");
    for (const qsizetype size : {qsizetype{qev::form1::kResultBoxMaxLength}, qsizetype{2 << 20}}) {
        QGuiApplication::clipboard()->setText(QString(size, 'A'));
        resultBox->clear();
        QElapsedTimer held;
        held.start();
        resultBox->paste();
        QApplication::processEvents();
        const qint64 pasted = held.restart();
        amountBox->setText(amountBox->text() == "9" ? "8" : "9");
        QApplication::processEvents();
        std::printf("a paste of %lld letters into the result box: %lld ms, then the next amount "
                    "typed: %lld ms (target: under a second each)\n",
                    static_cast<long long>(size), static_cast<long long>(pasted),
                    static_cast<long long>(held.elapsed()));
    }
}

// A column of 100,000 amounts pasted into the batch window: how long until every row's wording
// stands beside it.
void ReportBatchPaste() {
    qev::Form3* batch = qev::Form3::Open({});
    QString column;
    for (int row = 0; row < 100000; ++row) {
        column += QString::number(row * 7919 % 1000000) + "." + QString::number(row % 100) + '\n';
    }
    QGuiApplication::clipboard()->setText(column);
    auto* amounts = batch->findChild<QPlainTextEdit*>("Text1");
    QElapsedTimer held;
    held.start();
    QTest::keyClick(amounts, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    std::printf("100,000 rows pasted into the batch window, converted and shown: %lld ms (target: "
                "under a second); %d rows beside them\n",
                static_cast<long long>(held.elapsed()),
                batch->findChild<QPlainTextEdit*>("Text2")->document()->blockCount());
    batch->close();
}

// A 10 MiB line in the result box with the caret in it, blinking, and nothing else happening: the
// process's CPU time over 10 s, and its peak memory.
void ReportIdleCost() {
    auto* resultBox = window->findChild<QPlainTextEdit*>("Text2");
    resultBox->setPlainText(QString("ONE HUNDRED ").repeated(10 * 1024 * 1024 / 12));
    resultBox->setFocus();
    RunEventLoop(1000); // laid out and painted
    const double before = CpuSeconds();
    RunEventLoop(10000);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("idle 10 s, a 10 MiB line in the result box: %.2f s of CPU (target: nothing "
                "measurable), peak memory %ld MiB\n",
                CpuSeconds() - before, usage.ru_maxrss / 1024);
}
#endif

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The design's form and capitals, whatever the user's window keeps: a folder of its own.
    const QTemporaryDir choices;
    qputenv("XDG_CONFIG_HOME", choices.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    qev::InstallSongFaceSubstitutes();
    QApplication::setFont(qev::SongFont(qev::form1::kSongFacePoints)); // as the program does
    qev::Form1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fputs("qev-gui-bench: the main window did not become active\n", stderr);
        return 1;
    }
    window = &form;

    qev::TimeKeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double result = reporter.At("BM_KeystrokeToResult");
    const double paint = reporter.At("BM_KeystrokeToPaint");
    if (result > 0 && paint > 0) {
        std::printf(
            "\nkeystroke in the amount box: result %.3f ms (target: 0.2), painted %.3f ms\n",
            result / 1e6, paint / 1e6);
    }
#if defined(Q_OS_UNIX)
    ReportLongWordPaste();
    ReportBatchPaste();
    ReportIdleCost();
#endif
    benchmark::Shutdown();
    return 0;
}
