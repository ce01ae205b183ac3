// The main window driven as a user drives it: start-up, typing and pasting into the amount box,
// choosing currencies, the case buttons, resizing, the tab order, the statement link and the
// status bar; and seeded runs of many edits, a very large result text and many window sizes.
#include "currency/currency_table.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "tests/ui/statement_support.h"
#include "ui/clickable_label.h"
#include "ui/fonts.h"
#include "ui/main/form1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>

#include <memory>
#include <optional>

using namespace qev;

Q_DECLARE_METATYPE(qev::CaseStyle)

namespace {

// A Result text as the result box shows it: one line per paragraph.
QString Result(const char* echo, const char* wording) {
    return QString::fromUtf8(echo) + '\n' + QString::fromUtf8(wording);
}

// The engine's Result text for an amount in US dollars, as the result box holds it.
QString EngineResult(const QString& amount) {
    static const SelectedCurrency dollars = *ReadCurrencyRecord(CurrencyRecords()[0]);
    return QString::fromStdU16String(AmountToWords(amount.toStdU16String(), dollars).text)
        .replace("\r\n", "\n");
}

// The result box's text as the user sees it, one paragraph a line, every character as it stands
// (toPlainText would show a no-break space as a space).
QString ShownText(const QPlainTextEdit& box) {
    QStringList lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines.join('\n');
}

// As an input method commits a character or a word.
void Commit(QWidget* target, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(target, &commit);
}

// ASCII by key, line breaks by Return, anything else as an input method commits it.
void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c == '\n') {
            QTest::keyClick(target, Qt::Key_Return);
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            Commit(target, c);
        }
    }
}

void Paste(QWidget* target, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

// Outer sizes in twips, with the design's frame of 120 × 510 twips around the client area.
QSize OuterTwips(const QWidget& window) {
    return {window.width() * 15 + 120, window.height() * 15 + 510};
}
void ResizeOuterTwips(QWidget& window, QSize outer) {
    window.resize((outer.width() - 120) / 15, (outer.height() - 510) / 15);
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;
    QComboBox* combo = nullptr;
    QLineEdit* amountBox = nullptr;
    QPlainTextEdit* resultBox = nullptr;

    QPushButton* CaseButton(int index) const {
        for (auto* button : window->findChildren<QPushButton*>("Command1")) {
            if (button->property("index").toInt() == index) {
                return button;
            }
        }
        return nullptr;
    }

    // As the user chooses: the list opened, the entry taken with Return.
    void Choose(int index) {
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        list->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    // Where the pointer is over the link and over Picture1 around it, in the window.
    QPoint OverLink(QPoint inLink = QPoint(14, 7)) const {
        return window->findChild<QLabel*>("Label3")->mapTo(window.get(), inLink);
    }
    QPoint OverPicture() const {
        return window->findChild<QWidget*>("Picture1")->mapTo(window.get(), QPoint(2, 2));
    }

    // Through the window, as the window system delivers pointer events.
    void ClickLink() {
        QTest::mouseMove(window->windowHandle(), OverLink());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, OverLink());
    }

private slots:
    void initTestCase() {
        InstallSongFaceSubstitutes();
        SetShellOpener(&RecordShellCall);
    }

    void init() {
        window = std::make_unique<Form1>();
        window->show();
        window->activateWindow(); // no window manager may be there to do it
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        combo = window->findChild<QComboBox*>("Combo1");
        amountBox = window->findChild<QLineEdit*>("Text1");
        resultBox = window->findChild<QPlainTextEdit*>("Text2");
        QVERIFY(combo && amountBox && resultBox);
        ShellCalls().clear();
    }

    void cleanup() {
        for (const Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (QGuiApplication::mouseButtons() & held) {
                QTest::mouseRelease(window->windowHandle(), held, {}, OverPicture());
            }
        }
        CloseStatementWindows();
        window.reset();
        QGuiApplication::clipboard()->clear();
    }

    void startUp() {
        QCOMPARE(window->windowTitle(), "QEV英文金额大写转换工具");
        QCOMPARE(combo->count(), 134);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), "美国美元 US Dollars");
        QCOMPARE(combo->itemText(65), "保加利亚 列弗 Bulgarian Leva");
        QCOMPARE(combo->itemText(133), "科摩罗法郎 Comoros Franc");
        QCOMPARE(amountBox->text(), "");
        QCOMPARE(resultBox->toPlainText(), "");
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(window->findChild<ClickableLabel*>("StatusBar1Panel")->text(),
                 "Kestrune软件出品 www.kestrune.com");
        const auto iconSizes = window->windowIcon().availableSizes();
        for (int side : {16, 32, 48}) {
            QVERIFY2(iconSizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
        }
        Type(amountBox, "1");
        QCOMPARE(resultBox->toPlainText(),
                 Result("输入： USD1.00", "输出： SAY US DOLLARS ONE ONLY"));
    }

    void controlsAtDesignPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Label1") << "Label1" << -1 << QRect(120, 120, 420, 210);
        QTest::newRow("Label2") << "Label2" << -1 << QRect(120, 540, 420, 210);
        QTest::newRow("Text1") << "Text1" << -1 << QRect(720, 120, 3615, 330);
        QTest::newRow("Combo1") << "Combo1" << -1 << QRect(4440, 120, 3615, 330);
        // One pixel taller than drawn in the design: the resize rule's height.
        QTest::newRow("Text2") << "Text2" << -1 << QRect(720, 540, 7335, 2310);
        QTest::newRow("ABC") << "Command1" << 0 << QRect(120, 840, 495, 375);
        QTest::newRow("Abc") << "Command1" << 1 << QRect(120, 1320, 495, 375);
        QTest::newRow("abc") << "Command1" << 2 << QRect(120, 1800, 495, 375);
        QTest::newRow("Picture1") << "Picture1" << -1 << QRect(0, 2280, 645, 600);
        QTest::newRow("Label3 in Picture1") << "Label3" << -1 << QRect(120, 200, 420, 210);
        QTest::newRow("StatusBar1") << "StatusBar1" << -1 << QRect(0, 2895, 8160, 375);
    }
    void controlsAtDesignPlaces() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, twips);
        QWidget* control = index < 0 ? window->findChild<QWidget*>(name) : CaseButton(index);
        QVERIFY(control);
        QCOMPARE(window->size(), QSize(544, 218));
        QCOMPARE(control->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        if (auto* label = qobject_cast<QLabel*>(control)) {
            // The caption fits its rectangle in the face standing in for SimSun.
            QVERIFY2(label->rect().contains(QRect(QPoint(), label->sizeHint())),
                     qPrintable(QStringLiteral("%1x%2")
                                    .arg(label->sizeHint().width())
                                    .arg(label->sizeHint().height())));
        }
    }

    void typingKeyByKey() {
        const QStringList results = {
            Result("输入： USD1.00", "输出： SAY US DOLLARS ONE ONLY"),
            Result("输入： USD12.00", "输出： SAY US DOLLARS TWELVE ONLY"),
            Result("输入： USD123.00", "输出： SAY US DOLLARS ONE HUNDRED AND TWENTY THREE ONLY"),
            Result("输入： USD1,234.00",
                   "输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR ONLY"),
            Result("输入： USD1,234.00",
                   "输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR ONLY"),
            Result("输入： USD1,234.50",
                   "输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY "
                   "FOUR & FIFTY CENTS ONLY")};
        const QString keys = "1234.5";
        for (int i = 0; i < keys.size(); ++i) {
            Type(amountBox, keys.mid(i, 1));
            QCOMPARE(amountBox->text(), keys.left(i + 1));
            QCOMPARE(resultBox->toPlainText(), results[i]);
        }
        Type(amountBox, "\b\b\b\b\b\b");
        QCOMPARE(amountBox->text(), "");
        QCOMPARE(resultBox->toPlainText(), "");
    }

    // Each edit starts from a box holding `start` with the caret at `caret` (-1: the end).
    void amountBoxEdits_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("caretAfter");
        QTest::addColumn<QString>("result");
        const QString twelve = Result("输入： USD12.00", "输出： SAY US DOLLARS TWELVE ONLY");
        const QString half = Result("输入： USD0.50", "输出： SAY US DOLLARS & FIFTY CENTS ONLY");
        const QString million =
            Result("输入： USD1,000,000.00", "输出： SAY US DOLLARS ONE MILLION ONLY");

        QTest::newRow("letter, sign and space typed after 12")
            << "12" << -1 << "a- " << false << "12" << 2 << twelve;
        QTest::newRow("letter typed between 1 and 2")
            << "12" << 1 << "x" << false << "12" << 1 << twelve;
        QTest::newRow("full-width digits and Chinese typed after 12")
            << "12" << -1 << "１２元" << false << "12" << 2 << twelve;
        QTest::newRow("spaces and a line break pasted")
            << "" << -1 << "1 000\r\n000" << true << "1000000" << 7 << million;
        QTest::newRow("signs and letters pasted around digits")
            << "" << -1 << "-a1a2+" << true << "12" << 2 << twelve;
        QTest::newRow("full-width digits and Chinese pasted")
            << "" << -1 << "１２３人民币" << true << "" << 0 << "";
        QTest::newRow("pasted sentence keeps its decimals")
            << "" << -1 << "Total amount USD 1,234.56" << true << "1,234.56" << 8
            << Result("输入： USD1,234.56", "输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND "
                                            "THIRTY FOUR & FIFTY SIX CENTS ONLY");
        // Longer than the 32,767 characters a line edit takes by default, which once cut it.
        QTest::newRow("paste of 40,000 characters keeps the digits at its end")
            << "" << -1 << "1" + QString(40000, 'x') + "23" << true << "123" << 3
            << Result("输入： USD123.00",
                      "输出： SAY US DOLLARS ONE HUNDRED AND TWENTY THREE ONLY");
        QTest::newRow("paste in the middle keeps the caret after it")
            << "19" << 1 << "(2,3)" << true << "12,39" << 4
            << Result("输入： USD1,239.00",
                      "输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY NINE ONLY");
        QTest::newRow("allowed characters stay as typed")
            << "" << -1 << "1.2.3" << false << "1.2.3" << 5
            << Result("输入： USD1.2.3", "输出： 无法转换：小数点多于一个");
        // A leading point gets a zero: removing it would make ".5" five.
        QTest::newRow("point typed into empty box")
            << "" << -1 << "." << false << "0." << 2
            << Result("输入： USD0.00", "输出： SAY US DOLLARS ONLY");
        QTest::newRow("point typed before 5") << "5" << 0 << "." << false << "0.5" << 2 << half;
        QTest::newRow("point pasted before 5") << "" << -1 << ".5" << true << "0.5" << 3 << half;
        QTest::newRow("two leading points pasted")
            << "" << -1 << "..5" << true << "0..5" << 4
            << Result("输入： USD0..5", "输出： 无法转换：小数点多于一个");
        QTest::newRow("zero deleted before the point")
            << "0.5" << 1 << "\b" << false << "0.5" << 0 << half;
    }
    void amountBoxEdits() {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QString, input);
        QFETCH(bool, pasted);
        amountBox->setText(start);
        if (caret >= 0) {
            amountBox->setCursorPosition(caret);
        }
        pasted ? Paste(amountBox, input) : Type(amountBox, input);
        QTEST(amountBox->text(), "box");
        QTEST(amountBox->cursorPosition(), "caretAfter");
        QTEST(resultBox->toPlainText(), "result");
        // Typing goes on where the caret was left.
        Type(amountBox, "0");
        QFETCH(QString, box);
        QFETCH(int, caretAfter);
        QCOMPARE(amountBox->text(), QString(box).insert(caretAfter, '0'));
    }

    // At most 22 characters after cleaning; an edit that would pass them is refused whole.
    void amountBoxLimit_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("refused");
        const QString full = "999,999,999,999,999.99";
        QTest::newRow("23rd character typed") << full << -1 << "9" << false << full << true;
        QTest::newRow("digit typed into a full box") << full << 3 << "1" << false << full << true;
        QTest::newRow("letter typed into a full box") << full << 5 << "a" << false << full << false;
        QTest::newRow("paste passing the limit")
            << "999,999,999,999" << -1 << "123,456.78" << true << "999,999,999,999" << true;
        QTest::newRow("long paste into empty box")
            << "" << -1 << "1234567890123456789012345" << true << "" << true;
        QTest::newRow("junk around a 22-character amount")
            << "" << -1 << "USD " + full + " only" << true << full << false;
    }
    void amountBoxLimit() {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QString, input);
        QFETCH(bool, pasted);
        QFETCH(QString, box);
        QFETCH(bool, refused);
        amountBox->setText(start);
        amountBox->setCursorPosition(caret < 0 ? start.size() : caret);
        window->Command1_Click(1); // a recast result shows whether the edit converted again
        const QString resultBefore = resultBox->toPlainText();
        const int caretBefore = amountBox->cursorPosition();

        pasted ? Paste(amountBox, input) : Type(amountBox, input);
        QCOMPARE(amountBox->text(), box);
        if (refused) {
            QCOMPARE(amountBox->cursorPosition(), caretBefore);
            QCOMPARE(resultBox->toPlainText(), resultBefore);
        } else {
            QCOMPARE(resultBox->toPlainText(),
                     Result("输入： USD999,999,999,999,999.99",
                            "输出： SAY US DOLLARS NINE HUNDRED AND NINETY NINE TRILLION NINE "
                            "HUNDRED AND NINETY NINE BILLION NINE HUNDRED AND NINETY NINE MILLION "
                            "NINE HUNDRED AND NINETY NINE THOUSAND NINE HUNDRED AND NINETY NINE & "
                            "NINETY NINE CENTS ONLY"));
        }
    }

    // Seeded random edits, as a user makes them with the keyboard and the clipboard. After each
    // one the box holds an amount of at most 22 characters that never starts with a point, and
    // the result box its conversion. Where the edit puts text in place of the selection or the
    // caret (typing, committing, pasting, deleting, cutting), the box must hold exactly the
    // amount characters of that text, in place, a leading point given a zero; or, past 22
    // characters, what it held before: nothing typed is lost or made up.
    void randomEdits() {
        QRandomGenerator random(20261207);
        const QString amountKeys = "0123456789,.";
        const QString otherKeys = "aZq -+$%()'/*#";
        const QStringList committed = {"０",     "９",   "．",     "，", "。", "元",
                                       "人民币", "壹佰", "\u00a0", "😀",  "é",  "１,２"};
        const QString pasteChars = amountKeys + otherKeys + "\t\r\n０５．元\u00a0";
        const QList<Qt::Key> moves = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
        const auto randomText = [&](int length, const QString& from) {
            QString text;
            for (int i = 0; i < length; ++i) {
                text += from[random.bounded(int(from.size()))];
            }
            return text;
        };

        QString edit;
        int step = 0;
        const auto report = qScopeGuard([&] {
            if (QTest::currentTestFailed()) {
                qWarning("edit %d: %s", step, qPrintable(edit));
            }
        });
        amountBox->setFocus();
        for (; step < 10000; ++step) {
            const QString before = amountBox->text();
            const int from = amountBox->hasSelectedText() ? amountBox->selectionStart()
                                                          : amountBox->cursorPosition();
            const int to = amountBox->hasSelectedText() ? amountBox->selectionEnd() : from;
            // What the edit puts in place of [start, end); unset for edits whose outcome is
            // Qt's own matter (word deletion, undo).
            std::optional<QString> inserted;
            int start = from;
            int end = to;
            const int kind = random.bounded(100);
            if (kind < 35) {
                const QChar key = amountKeys[random.bounded(int(amountKeys.size()))];
                edit = QString("type '%1'").arg(key);
                QTest::keyClick(amountBox, key.toLatin1());
                inserted = QString(key);
            } else if (kind < 45) {
                const QChar key = otherKeys[random.bounded(int(otherKeys.size()))];
                edit = QString("type '%1'").arg(key);
                QTest::keyClick(amountBox, key.toLatin1());
                inserted = QString(key);
            } else if (kind < 52) {
                inserted = committed[random.bounded(int(committed.size()))];
                edit = "commit " + *inserted;
                Commit(amountBox, *inserted);
            } else if (kind < 62) {
                inserted = randomText(random.bounded(30), pasteChars);
                if (random.bounded(100) == 0) {
                    // Now and then a whole document with an amount's few characters spread
                    // through it, longer than the 32,767 characters a line edit takes by default.
                    inserted = randomText(40000, otherKeys);
                    for (int i = random.bounded(1, 9); i > 0; --i) {
                        inserted->insert(random.bounded(int(inserted->size())),
                                         amountKeys[random.bounded(10)]);
                    }
                }
                edit = "paste " + inserted->left(60);
                QGuiApplication::clipboard()->setText(*inserted);
                random.bounded(4) == 0
                    ? QTest::keyClick(amountBox, Qt::Key_Insert, Qt::ShiftModifier)
                    : QTest::keyClick(amountBox, Qt::Key_V, Qt::ControlModifier);
            } else if (kind < 72) {
                const bool backspace = random.bounded(2) == 0;
                edit = backspace ? "Backspace" : "Delete";
                if (from == to) {
                    start = backspace ? std::max(0, from - 1) : from;
                    end = backspace ? from : std::min(int(before.size()), from + 1);
                }
                QTest::keyClick(amountBox, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
                inserted = QString();
            } else if (kind < 75) {
                edit = "cut";
                QTest::keyClick(amountBox, Qt::Key_X, Qt::ControlModifier);
                inserted = QString();
            } else if (kind < 90) {
                const Qt::Key key = moves[random.bounded(int(moves.size()))];
                const bool select = random.bounded(2) == 0;
                edit = QString("move %1%2").arg(key).arg(select ? " selecting" : "");
                QTest::keyClick(amountBox, key, select ? Qt::ShiftModifier : Qt::NoModifier);
                start = end = 0;
                inserted = QString();
            } else if (kind < 93) {
                edit = "select all";
                QTest::keyClick(amountBox, Qt::Key_A, Qt::ControlModifier);
                start = end = 0;
                inserted = QString();
            } else if (kind < 96) {
                const bool backspace = random.bounded(2) == 0;
                edit = backspace ? "Ctrl+Backspace" : "Ctrl+Delete";
                QTest::keyClick(amountBox, backspace ? Qt::Key_Backspace : Qt::Key_Delete,
                                Qt::ControlModifier);
            } else {
                const bool undo = random.bounded(2) == 0;
                edit = undo ? "undo" : "redo";
                QTest::keyClick(amountBox, undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            }
            edit += QString(" on \"%1\" at %2-%3").arg(before).arg(from).arg(to);

            const QString box = amountBox->text();
            QVERIFY2(box.size() <= 22 && !box.startsWith('.'), qPrintable(box));
            for (const QChar c : box) {
                QVERIFY2(amountKeys.contains(c), qPrintable(box));
            }
            if (inserted) {
                QString expected = before.left(start);
                for (const QChar c : *inserted) {
                    if (amountKeys.contains(c)) {
                        expected += c;
                    }
                }
                expected += before.mid(end);
                if (expected.startsWith('.')) {
                    expected.prepend('0');
                }
                QCOMPARE(box, expected.size() > 22 ? before : expected);
            }
            QCOMPARE(resultBox->toPlainText(), box.isEmpty() ? QString() : EngineResult(box));
            if (step % 100 == 0) {
                QCoreApplication::processEvents(); // the window is painted now and then
            }
        }
    }

    void choosingCurrency_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("byDownKey");
        QTest::addColumn<QString>("result");
        const QString gbp =
            Result("输入： GBP2.50", "输出： SAY GREAT BRITAIN POUNDS TWO & FIFTY NEW PENCE ONLY");
        QTest::newRow("GBP with an amount") << 1 << "2.5" << false << gbp;
        QTest::newRow("GBP without an amount") << 1 << "" << false << gbp;
        QTest::newRow("GBP by the Down key") << 1 << "2.5" << true << gbp;
        QTest::newRow("Trinidad and Tobago")
            << 80 << "1" << false
            << Result("输入： TTD1.00", "输出： SAY TRINIDAD AND TOBAGO DOLLARS ONE ONLY");
        QTest::newRow("last entry")
            << 133 << "0.01" << false
            << Result("输入： KMF0.01", "输出： SAY COMOROS FRANC & ONE CENTIMES ONLY");
    }
    void choosingCurrency() {
        QFETCH(int, index);
        QFETCH(QString, amount);
        QFETCH(bool, byDownKey);
        Type(amountBox, amount);
        window->Command1_Click(2);
        byDownKey ? QTest::keyClick(combo, Qt::Key_Down) : Choose(index);
        QCOMPARE(combo->currentIndex(), index);
        QCOMPARE(combo->currentText(), combo->itemText(index));
        if (amount.isEmpty()) {
            QCOMPARE(resultBox->toPlainText(), ""); // nothing to convert yet
            Type(amountBox, "2.5");
        }
        QTEST(resultBox->toPlainText(), "result"); // upper case again
    }

    void selectionWithoutCurrencyChangesNothing_data() {
        QTest::addColumn<bool>("noEntrySelected");
        QTest::newRow("no entry selected") << true;
        QTest::newRow("entry beyond the table") << false;
    }
    void selectionWithoutCurrencyChangesNothing() {
        QFETCH(bool, noEntrySelected);
        Type(amountBox, "7");
        window->Command1_Click(2);
        if (noEntrySelected) {
            combo->setCurrentIndex(-1);
            window->Combo1_Click();
        } else {
            combo->addItem("其他 Other");
            Choose(134);
        }
        QCOMPARE(resultBox->toPlainText(),
                 Result("输入： usd7.00", "输出： say us dollars seven only"));
        Type(amountBox, "1");
        QCOMPARE(resultBox->toPlainText(),
                 Result("输入： USD71.00", "输出： SAY US DOLLARS SEVENTY ONE ONLY"));
    }

    void typingInCurrencyField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("text plus Return") << "abc" << int(Qt::Key_Return);
        QTest::newRow("another entry's text plus Return")
            << "英国英镑 Great Britain Pounds" << int(Qt::Key_Return);
        QTest::newRow("another entry's text plus keypad Enter")
            << "英国英镑 Great Britain Pounds" << int(Qt::Key_Enter);
        QTest::newRow("another entry's text, then Tab")
            << "瑞士法郎 Swiss Franc" << int(Qt::Key_Tab);
        QTest::newRow("field emptied plus Return") << "\b" << int(Qt::Key_Return);
    }
    void typingInCurrencyField() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        Type(amountBox, "1");
        window->Command1_Click(2);
        combo->setFocus();
        combo->lineEdit()->selectAll();
        Type(combo, typed);
        QTest::keyClick(combo, Qt::Key(key));
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), "美国美元 US Dollars");
        QCOMPARE(resultBox->toPlainText(),
                 Result("输入： usd1.00", "输出： say us dollars one only"));
        amountBox->end(false);
        Type(amountBox, "0");
        QCOMPARE(resultBox->toPlainText(),
                 Result("输入： USD10.00", "输出： SAY US DOLLARS TEN ONLY"));
    }

    // `typed` is typed at the end of the result box before the buttons are pressed in order.
    void caseButtons_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, const char* amount, const char* typed,
                            QList<int> presses, const QString& result) {
            QTest::newRow(name) << QString(amount) << QString(typed) << presses << result;
        };
        const QString upper = Result("输入： USD100.00", "输出： SAY US DOLLARS ONE HUNDRED ONLY");
        const QString title = Result("输入： Usd100.00", "输出： Say Us Dollars One Hundred Only");
        row("ABC on a result", "100", "", {0}, upper);
        row("Abc on a result", "100", "", {1}, title);
        row("abc on a result", "100", "", {2},
            Result("输入： usd100.00", "输出： say us dollars one hundred only"));
        row("Abc with a fraction", "0.5", "", {1},
            Result("输入： Usd0.50", "输出： Say Us Dollars & Fifty Cents Only"));
        row("Abc twice", "100", "", {1, 1}, title);
        row("ABC after abc", "100", "", {2, 0}, upper);
        row("Abc on edited text cuts end spaces", "100", "  paid  ", {1},
            Result("输入： Usd100.00", "输出： Say Us Dollars One Hundred Only  Paid"));
        row("Abc leaves a word after a line break", "", " one \ntwo three", {1}, "One \ntwo Three");
        // Only U+0020 parts words; a no-break space stays one.
        row("Abc keeps a no-break space", "", "pay\u00a0usd", {1}, "Pay\u00a0usd");
        row("all three on an empty box", "", "", {0, 1, 2}, "");
    }
    void caseButtons() {
        QFETCH(QString, amount);
        QFETCH(QString, typed);
        QFETCH(QList<int>, presses);
        Type(amountBox, amount);
        resultBox->moveCursor(QTextCursor::End);
        Type(resultBox, typed);
        for (int index : presses) {
            QTest::mouseClick(CaseButton(index), Qt::LeftButton);
        }
        QTEST(ShownText(*resultBox), "result");
        // The next conversion writes upper case again.
        if (!amount.isEmpty()) {
            Type(amountBox, "\b");
            QCOMPARE(resultBox->toPlainText().isUpper(), true);
        }
    }

    void otherButtonIndexesDoNothing() {
        Type(amountBox, "100");
        const QString before = resultBox->toPlainText();
        window->Command1_Click(-1);
        window->Command1_Click(3);
        QCOMPARE(resultBox->toPlainText(), before);
    }

    // A mebibyte of mixed text pasted into the result box, lines of every ending. The box holds
    // CR LF, a lone CR and a lone LF each as one line break; each style keeps every one of them,
    // adds none, recasts the rest as the engine does, and pressed twice gives what it gave once.
    void caseStylesOnAMebibyte_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<CaseStyle>("style");
        QTest::newRow("ABC") << 0 << CaseStyle::Upper;
        QTest::newRow("Abc") << 1 << CaseStyle::Title;
        QTest::newRow("abc") << 2 << CaseStyle::Lower;
    }
    void caseStylesOnAMebibyte() {
        QFETCH(int, index);
        QFETCH(CaseStyle, style);
        QRandomGenerator random(20261208);
        const QStringList pieces = {"say ",    "US ",       "Dollars ", "& ", " ",
                                    "  ",      "\t",        "\r\n",     "\r", "\n",
                                    "Straße ", "İstanbul ", "ΟΔΟΣ ",    "ǆ ", "é",
                                    "\u00a0",  "输出：",    "１２ ",    "😀",  "Only"};
        QString text;
        while (text.size() < 1024 * 1024) {
            text += pieces[random.bounded(int(pieces.size()))];
        }
        const QString lines = QString(text).replace("\r\n", "\n").replace('\r', '\n');
        const qsizetype breaks = lines.count('\n');

        Paste(resultBox, text);
        QCOMPARE(resultBox->document()->blockCount(), breaks + 1);
        QCOMPARE(ShownText(*resultBox), lines);
        QTest::mouseClick(CaseButton(index), Qt::LeftButton);
        const QString once = ShownText(*resultBox);
        QCOMPARE(once.count('\n'), breaks);
        QCOMPARE(once, QString::fromStdU16String(ApplyCaseStyle(lines.toStdU16String(), style)));
        QTest::mouseClick(CaseButton(index), Qt::LeftButton);
        QCOMPARE(ShownText(*resultBox), once);
    }

    // Sizes in twips, outer sizes with the design's frame: each step is a resize by the user.
    void resizing_data() {
        QTest::addColumn<QList<QSize>>("steps");
        QTest::addColumn<bool>("minimumIgnored");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<int>("text1Width");
        QTest::addColumn<int>("combo1Left");
        QTest::addColumn<QSize>("text2");
        QTest::newRow("design size") << QList<QSize>{{8280, 3780}} << false << QSize(8280, 3780)
                                     << 3615 << 4440 << QSize(7335, 2310);
        QTest::newRow("taller") << QList<QSize>{{8280, 4995}} << false << QSize(8280, 4995) << 3615
                                << 4440 << QSize(7335, 3525);
        QTest::newRow("below the minimum")
            << QList<QSize>{{2010, 2010}} << false << QSize(3000, 3780) << 3615 << -840
            << QSize(2055, 2310);
        QTest::newRow("below the minimum, ignored by the window system")
            << QList<QSize>{{2010, 2010}} << true << QSize(3000, 3780) << 3615 << -840
            << QSize(2055, 2310);
        QTest::newRow("amount box exactly 0 wide")
            << QList<QSize>{{4665, 3780}} << false << QSize(4665, 3780) << 0 << 825
            << QSize(3720, 2310);
        QTest::newRow("too narrow: amount box keeps its width")
            << QList<QSize>{{4995, 3780}, {4005, 3780}} << false << QSize(4005, 3780) << 330 << 165
            << QSize(3060, 2310);
        QTest::newRow("wider than 32,767 twips")
            << QList<QSize>{{40005, 3780}} << false << QSize(40005, 3780) << 35340 << 36165
            << QSize(39060, 2310);
    }
    void resizing() {
        QFETCH(QList<QSize>, steps);
        QFETCH(bool, minimumIgnored);
        QFETCH(QSize, outer);
        QFETCH(int, text1Width);
        QFETCH(int, combo1Left);
        QFETCH(QSize, text2);
        if (minimumIgnored) {
            window->setMinimumSize(0, 0);
        }
        for (const QSize step : steps) {
            ResizeOuterTwips(*window, step);
            QTRY_COMPARE(OuterTwips(*window), step.expandedTo(QSize(3000, 3780)));
        }
        QCOMPARE(OuterTwips(*window), outer);
        QCOMPARE(amountBox->width() * 15, text1Width);
        QCOMPARE(combo->x() * 15, combo1Left);
        QCOMPARE(resultBox->size() * 15, text2);
        // Everything else keeps its place; the status bar follows the bottom edge.
        QCOMPARE(amountBox->pos(), QPoint(48, 8));
        QCOMPARE(resultBox->pos(), QPoint(48, 36));
        QCOMPARE(CaseButton(2)->pos(), QPoint(8, 120));
        QCOMPARE(window->findChild<QWidget*>("Picture1")->pos(), QPoint(0, 152));
        const auto* statusBar = window->findChild<QStatusBar*>("StatusBar1");
        QCOMPARE(statusBar->geometry(), QRect(0, window->height() - 25, window->width(), 25));
    }

    void maximisedAndRestored() {
        window->showMaximized();
        QTRY_VERIFY(window->width() > 544);
        QCOMPARE(resultBox->width(), window->width() + 8 - 63);
        QCOMPARE(resultBox->height(), window->height() + 34 - 98);
        window->showNormal();
        QTRY_COMPARE(window->size(), QSize(544, 218));
        QCOMPARE(resultBox->size(), QSize(489, 154));
        QCOMPARE(combo->x(), 296);
    }

    // Seeded outer sizes from well below the minimum to wider than 32,767 twips, one after another
    // as a user drags: after each the window is never below the minimum, and the resize rule's
    // relations hold. Below the width where the amount box's move is skipped, it keeps its width.
    void resizeSweep_data() {
        QTest::addColumn<bool>("minimumIgnored");
        QTest::newRow("window system keeps the minimum") << false;
        QTest::newRow("window system ignores it") << true;
    }
    void resizeSweep() {
        QFETCH(bool, minimumIgnored);
        if (minimumIgnored) {
            window->setMinimumSize(0, 0);
        }
        const auto twips = [this](const QWidget* control) {
            return QRect(control->mapTo(window.get(), QPoint()) * 15, control->size() * 15);
        };
        QRandomGenerator random(20261209);
        for (int step = 0; step < 250; ++step) {
            const int amountBoxWidth = amountBox->width();
            const QSize asked(120 + 15 * random.bounded(3000), 510 + 15 * random.bounded(800));
            ResizeOuterTwips(*window, asked);
            QCoreApplication::processEvents();

            const QSize outer = OuterTwips(*window);
            QCOMPARE(outer, asked.expandedTo(QSize(3000, 3780)));
            const QRect text1 = twips(amountBox);
            const QRect combo1 = twips(combo);
            const QRect text2 = twips(resultBox);
            if (outer.width() >= 4665) {
                QCOMPARE(text1.x() + text1.width(), combo1.x() - 105);
            } else {
                QCOMPARE(amountBox->width(), amountBoxWidth);
            }
            QCOMPARE(combo1.x() + combo1.width(), outer.width() - 225);
            QCOMPARE(text2.x() + text2.width(), outer.width() - 225);
            QCOMPARE(text2.y() + text2.height(), outer.height() - 930);
        }
    }

    void tabOrder() {
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            visited << focus->objectName() + focus->property("index").toString();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        visited << QApplication::focusWidget()->objectName();
        QCOMPARE(visited, QStringList({"Combo1", "Text1", "Text2", "Command10", "Command11",
                                       "Command12", "Combo1"}));
    }

    // Pointer steps over the link, in order: "move link", "move link edge" (another point on it),
    // "move picture" (Picture1 around it), "press <button>", "release <button>" where the pointer
    // is.
    void linkLooks_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("opened");
        const auto row = [](const char* name, QStringList steps, const char* colour, bool italic,
                            bool opened) {
            QTest::newRow(name) << steps << QString(colour) << italic << opened;
        };
        row("at rest", {}, "button text", false, false);
        row("pointer over the link", {"move link"}, "blue", true, false);
        row("left press", {"move link", "press left"}, "red", true, false);
        row("right press", {"move link", "press right"}, "blue", true, false);
        row("middle press", {"move link", "press middle"}, "blue", true, false);
        row("left click", {"move link", "press left", "release left"}, "button text", false, true);
        row("right click", {"move link", "press right", "release right"}, "button text", false,
            true);
        row("pressed link moved over", {"move link", "press left", "move link edge"}, "blue", true,
            false);
        row("pressed, dragged off and released over Picture1",
            {"move link", "press left", "move picture", "release left"}, "button text", false,
            true);
        row("pointer moved on to Picture1", {"move link", "move picture"}, "button text", false,
            false);
        row("over the link again after opening",
            {"move link", "press left", "release left", "move link edge"}, "blue", true, true);
        row("pressed on Picture1, released over the link",
            {"press left", "move link", "release left"}, "button text", false, false);
    }
    void linkLooks() {
        QFETCH(QStringList, steps);
        QFETCH(QString, colour);
        QFETCH(bool, italic);
        QFETCH(bool, opened);
        auto* link = window->findChild<QLabel*>("Label3");
        const QColor buttonText = link->palette().color(QPalette::ButtonText);
        const QHash<QString, QPoint> places = {
            {"link", OverLink()}, {"link edge", OverLink({2, 2})}, {"picture", OverPicture()}};
        const QHash<QString, Qt::MouseButton> buttons = {
            {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};

        QWindow* handle = window->windowHandle();
        QPoint at = places["picture"];
        QTest::mouseMove(handle, at);
        for (const QString& step : steps) {
            const QString action = step.section(' ', 0, 0);
            const QString what = step.section(' ', 1);
            if (action == "move") {
                at = places.value(what);
                QTest::mouseMove(handle, at);
            } else if (action == "press") {
                QTest::mousePress(handle, buttons.value(what), {}, at);
            } else {
                QTest::mouseRelease(handle, buttons.value(what), {}, at);
            }
        }

        const QHash<QString, QColor> colours = {
            {"button text", buttonText}, {"blue", QColor(0, 0, 255)}, {"red", QColor(255, 0, 0)}};
        QCOMPARE(link->palette().color(QPalette::WindowText), colours.value(colour));
        QCOMPARE(link->font().italic(), italic);
        QVERIFY(link->font().underline());
        QCOMPARE(OpenStatementWindows().size(), opened ? 1 : 0);
    }

    void linkClickedTwiceOpensOneWindow() {
        ClickLink();
        QCOMPARE(OpenStatementWindows().size(), 1);
        const QPointer<Form2> statement = OpenStatementWindows().first();
        QVERIFY(QTest::qWaitForWindowActive(statement));
        QCOMPARE(QApplication::focusWidget(), statement->findChild<QWidget*>("Command1"));

        // The main window comes in front; the link brings the same statement window back.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        ClickLink();
        QCOMPARE(OpenStatementWindows(), QList<Form2*>{statement});
        QVERIFY(QTest::qWaitForWindowActive(statement));
        // Both stay usable: the statement window is not modal.
        QVERIFY(!QApplication::activeModalWidget());
        Type(amountBox, "1");
        QCOMPARE(resultBox->toPlainText(),
                 Result("输入： USD1.00", "输出： SAY US DOLLARS ONE ONLY"));
    }

    // On behalf of the main window, whether the statement window is open or not.
    void statusPanelOpensHomePage_data() {
        QTest::addColumn<bool>("statementOpen");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opensHomePage");
        QTest::newRow("left click") << false << Qt::LeftButton << true;
        QTest::newRow("right click") << false << Qt::RightButton << false;
        QTest::newRow("left click, statement window open") << true << Qt::LeftButton << true;
    }
    void statusPanelOpensHomePage() {
        QFETCH(bool, statementOpen);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opensHomePage);
        if (statementOpen) {
            ClickLink();
            QCOMPARE(OpenStatementWindows().size(), 1);
        }
        QTest::mouseClick(window->findChild<ClickableLabel*>("StatusBar1Panel"), button);
        QCOMPARE(ShellCalls().size(), opensHomePage ? 1 : 0);
        if (opensHomePage) {
            QCOMPARE(ShellCalls().first(), HomePageCall(window->winId()));
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
