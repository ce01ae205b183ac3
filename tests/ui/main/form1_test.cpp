// The main window driven as a user drives it, from start-up to the statement link and the status
// bar; and seeded runs of many edits, a very large result text and many window sizes.
#include "currency/currency_table.h"
#include "engine/amount_words.h"
#include "engine/case_styles.h"
#include "tests/table_row.h"
#include "tests/ui/statement_support.h"
#include "ui/main/form1_qt.h"
#include "ui/qt/fonts.h"
#include "ui/qt/translations.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QStatusBar>

using namespace qev;

namespace {

// A Result text as the result box shows it: one line per paragraph.
QString Result(const QString& echo, const QString& wording) {
    return echo + '\n' + wording;
}

// A conversion in US dollars: Dollars("12.00", "TWELVE").
QString Dollars(const QString& echo, const QString& words) {
    return Result("输入： USD" + echo, "输出： SAY US DOLLARS " + words + " ONLY");
}

// What the result box holds for an amount in US dollars: the engine's Result text, or nothing.
QString EngineResult(const QString& amount) {
    static const SelectedCurrency dollars = *ReadCurrencyRecord(CurrencyRecords()[0]);
    const auto result = AmountToWords(amount.toStdU16String(), dollars).text;
    return amount.isEmpty() ? "" : QString::fromStdU16String(result).replace("\r\n", "\n");
}

// As an input method commits a character or a word.
void Commit(QWidget* target, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(target, &commit);
}

// ASCII by key ("\r" Return, "\t" Tab, "\b" Backspace, "\x7f" Delete), the rest as an input method
// commits it.
void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c == '\x7f') {
            QTest::keyClick(target, Qt::Key_Delete);
        } else {
            c.unicode() < 0x80 ? QTest::keyClick(target, c.toLatin1()) : Commit(target, c);
        }
    }
}

void Paste(QWidget* target, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    Form1* window = nullptr;
    QComboBox* combo = nullptr;
    QLineEdit* amountBox = nullptr;
    QPlainTextEdit* resultBox = nullptr;

    // A control by its name in the design: "Command1(2)" is element 2 of the Command1 array.
    QWidget* Control(const QString& name) const {
        const QStringList parts = name.split('(');
        for (auto* control : window->findChildren<QWidget*>(parts[0])) {
            if (parts.size() == 1 || control->property("index").toString() + ')' == parts[1]) {
                return control;
            }
        }
        return nullptr;
    }
    void Push(int i) { QTest::mouseClick(Control(QString("Command1(%1)").arg(i)), Qt::LeftButton); }

    // The result box's text as it stands (toPlainText shows a no-break space as a space).
    QString Shown() const { return resultBox->document()->toRawText().replace(u'\u2029', '\n'); }

    QPoint OverLink() const { return Control("Label3")->mapTo(window, QPoint(14, 7)); }
    QPoint OverPicture() const { return Control("Picture1")->mapTo(window, QPoint(2, 2)); }

    // Through the window, as the window system delivers pointer events.
    void ClickLink() {
        QTest::mouseMove(window->windowHandle(), OverLink());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, OverLink());
    }

private slots:
    void initTestCase() {
        InstallSongFaceSubstitutes();
        InstallQtTranslations();
        SetShellOpener(&RecordShellCall);
    }

    void init() {
        window = new Form1;
        window->show();
        window->activateWindow(); // no window manager may be there to do it
        QVERIFY(QTest::qWaitForWindowActive(window));
        combo = window->findChild<QComboBox*>("Combo1");
        amountBox = window->findChild<QLineEdit*>("Text1");
        resultBox = window->findChild<QPlainTextEdit*>("Text2");
        QVERIFY(combo && amountBox && resultBox);
        shellCalls.clear();
    }

    void cleanup() {
        if (const Qt::MouseButtons held = QGuiApplication::mouseButtons()) { // by linkLooks
            QTest::mouseRelease(window->windowHandle(), Qt::MouseButton(held.toInt()), {},
                                OverPicture());
        }
        CloseStatementWindows();
        delete window;
    }

    void startUp() {
        QCOMPARE(window->windowTitle(), "QEV英文金额大写转换工具");
        QCOMPARE(combo->count(), static_cast<int>(CurrencyRecords().size()));
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), "美国美元 US Dollars");
        QCOMPARE(amountBox->text() + resultBox->toPlainText(), "");
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(Control("StatusBar1Panel")->property("text"), "Kestrune软件出品 www.kestrune.com");
        QCOMPARE(window->windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
        // Qt's own menus speak the window's language.
        QStringList menu;
        const std::unique_ptr<QMenu> contextMenu(amountBox->createStandardContextMenu());
        for (const QAction* action : contextMenu->actions()) {
            menu << action->text().section('\t', 0, 0); // without the shortcut
        }
        QCOMPARE(menu.join('|'), "撤消(&U)|重做(&R)||剪切(&T)|复制(&C)|粘贴(&P)|删除||全选");
    }

    void controlsAtDesignPlaces_data() {
        QTest::addColumn<QRect>("twips");
        Row("Label1", QRect(120, 120, 420, 210));
        Row("Label2", QRect(120, 540, 420, 210));
        Row("Text1", QRect(720, 120, 3615, 330));
        Row("Combo1", QRect(4440, 120, 3615, 330));
        // One pixel taller than drawn in the design: the resize rule's height.
        Row("Text2", QRect(720, 540, 7335, 2310));
        Row("Command1(0)", QRect(120, 840, 495, 375));
        Row("Command1(1)", QRect(120, 1320, 495, 375));
        Row("Command1(2)", QRect(120, 1800, 495, 375));
        Row("Picture1", QRect(0, 2280, 645, 600));
        Row("Label3", QRect(120, 200, 420, 210)); // in Picture1
        Row("StatusBar1", QRect(0, 2895, 8160, 375));
    }
    void controlsAtDesignPlaces() {
        QFETCH(QRect, twips);
        QWidget* control = Control(QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(control->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        // A caption fits its rectangle in the face standing in for SimSun.
        if (control->inherits("QLabel")) {
            QVERIFY(control->rect().contains(QRect(QPoint(), control->sizeHint())));
        }
    }

    void typingKeyByKey() {
        const QString thousand = "ONE THOUSAND TWO HUNDRED AND THIRTY FOUR";
        const QStringList echoes = {"1.00", "12.00", "123.00", "1,234.00", "1,234.00", "1,234.50"};
        const QStringList words = {"ONE",    "TWELVE", "ONE HUNDRED AND TWENTY THREE",
                                   thousand, thousand, thousand + " & FIFTY CENTS"};
        for (int i = 0; i < 6; ++i) {
            Type(amountBox, QString("1234.5").mid(i, 1));
            QCOMPARE(resultBox->toPlainText(), Dollars(echoes[i], words[i]));
        }
    }

    // The box with '|' at the caret, before and after the edit; past 22 characters it is refused,
    // and after a space the note that the status bar shows in its panel's place for a while.
    void amountBoxEdits_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("box");
        const QString full = "1234567890123456789012"; // 22 characters
        Row("letter, sign and space typed after 12", "12|", "a- ", false, "12|");
        Row("letter typed between 1 and 2", "1|2", "x", false, "1|2");
        Row("full-width digits and Chinese typed", "12|", "１２元", false, "12|");
        Row("signs, letters and spaces pasted", "|", "-a1 000\r\n000+", true, "1000000|");
        Row("full-width digits and Chinese pasted", "|", "１２３人民币", true, "|");
        // Longer than the 32,767 characters a line edit takes by default, which once cut it.
        Row("paste of 40,000 characters keeps the digits at its end", "|",
            "1" + QString(40000, 'x') + "23", true, "123|");
        Row("paste in the middle keeps the caret after it", "1|9", "(2,3)", true, "12,3|9");
        // A leading point gets a zero: removing it would make ".5" five.
        Row("point typed into empty box", "|", ".", false, "0.|");
        Row("point pasted before 5", "|", ".5", true, "0.5|");
        Row("zero deleted before the point", "0|.5", "\b", false, "0|.5");
        // The caret after the "0" put before the point: the next digit goes before the point.
        Row("first digit deleted, another typed", "|1.5",
            "\x7f"
            "2",
            false, "02|.5");
        Row("digit typed into a full box", "123|4567890123456789012", "1", false,
            "123|4567890123456789012 金额最多22个字符");
        Row("paste passing the limit", "123456789012345|", "123,456.78", true,
            "123456789012345| 金额最多22个字符，未粘贴");
        Row("junk around a 22-character amount", "|", "USD " + full + " only", true, full + "|");
    }
    void amountBoxEdits() {
        QFETCH(QString, start);
        QFETCH(QString, input);
        QFETCH(bool, pasted);
        amountBox->setText(QString(start).remove('|'));
        amountBox->setCursorPosition(start.indexOf('|'));
        pasted ? Paste(amountBox, input) : Type(amountBox, input);
        const QString note = window->statusBar()->currentMessage();
        QTEST(amountBox->text().insert(amountBox->cursorPosition(), '|') +
                  (note.isEmpty() ? "" : ' ' + note),
              "box");
        QCOMPARE(resultBox->toPlainText(), EngineResult(amountBox->text()));
        QWidget* panel = Control("StatusBar1Panel");
        QCOMPARE(panel->isVisible(), note.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 10000);
    }

    // Seeded random edits by keys, an input method and the clipboard: each leaves exactly the
    // amount characters of what it put in place of the selection or the caret (a leading point
    // given a zero) or, past 22, the box as it was; and the result box the box's conversion.
    void randomEdits() {
        QRandomGenerator random(20261207);
        const QString amountKeys = "0123456789,.", otherKeys = "aZq -+$%()'/*#";
        const QStringList committed =
            QString("０ ９ ． ， 。 元 人民币 壹佰 \u00a0 😀 é １,２").split(' ');
        const QString pasteChars = amountKeys + otherKeys + "\t\r\n０５．元\u00a0";
        const auto pick = [&](const auto& from) { return from[random.bounded(int(from.size()))]; };
        const auto amountOnly = [&](QString text) {
            return text.removeIf([&](QChar c) { return !amountKeys.contains(c); });
        };
        for (int step = 0; step < 10000; ++step) {
            const QString before = amountBox->text();
            int start = amountBox->hasSelectedText() ? amountBox->selectionStart()
                                                     : amountBox->cursorPosition();
            int end = start + int(amountBox->selectedText().size());
            QString inserted; // in place of [start, end)
            const int kind = random.bounded(100);
            if (kind < 45) {
                inserted = pick(kind < 35 ? amountKeys : otherKeys);
                QTest::keyClick(amountBox, inserted[0].toLatin1());
            } else if (kind < 52) {
                Commit(amountBox, inserted = pick(committed));
            } else if (kind < 65) {
                // Now and then a whole document, a few characters other than 'x' spread in it.
                const bool document = random.bounded(100) == 0;
                for (int i = document ? 40000 : random.bounded(30); i > 0; --i) {
                    inserted += document && random.bounded(5000) ? QChar('x') : pick(pasteChars);
                }
                Paste(amountBox, inserted);
            } else if (kind < 80) {
                // Without a selection, the character before or after the caret, if any.
                const bool backspace = random.bounded(2) == 0, single = start == end;
                start = single && backspace ? std::max(0, start - 1) : start;
                end = single && !backspace ? std::min(int(before.size()), end + 1) : end;
                QTest::keyClick(amountBox, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
            } else { // caret moves and selections, which change no text
                start = end = 0;
                QTest::keyClick(amountBox,
                                pick(QList{Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right}),
                                pick(QList{Qt::NoModifier, Qt::ShiftModifier}));
            }

            const QString box = amountBox->text();
            QString expected = before.left(start) + amountOnly(inserted) + before.mid(end);
            expected = expected.startsWith('.') ? '0' + expected : expected;
            QCOMPARE(box, expected.size() > 22 ? before : expected);
            QCOMPARE(resultBox->toPlainText(), EngineResult(box));
            if (step % 100 == 0) {
                QCoreApplication::processEvents(); // the window is painted now and then
            }
        }
    }

    // Ctrl+Shift+C in either box puts the wording alone on the clipboard, as the box holds it,
    // and the status bar says so; with no wording in the box, nothing is copied.
    void copyWording_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("copied");
        Row("from the amount box", "1234.5", -1, "Text1",
            "SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY");
        Row("after Abc, from the result box", "1234.5", 1, "Text2",
            "Say Us Dollars One Thousand Two Hundred And Thirty Four & Fifty Cents Only");
        Row("an error line", "1..5", -1, "Text1", "");
        Row("an empty box", "", -1, "Text2", "");
    }
    void copyWording() {
        QFETCH(QString, amount);
        QFETCH(int, button);
        QFETCH(QString, box);
        QFETCH(QString, copied);
        QGuiApplication::clipboard()->setText("before");
        Type(amountBox, amount);
        if (button >= 0) {
            Push(button);
        }
        Control(box)->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? "before" : copied);
        const QString note = window->statusBar()->currentMessage();
        QCOMPARE(note.startsWith("已复制：" + copied.left(20)), !copied.isEmpty());
    }

    // An entry chosen from the list converts the amount, in upper case again; text typed into the
    // field, with Return or Tab, chooses nothing, as an entry without a currency does.
    void choosingCurrency_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("result");
        const QString gbp =
            Result("输入： GBP2.50", "输出： SAY GREAT BRITAIN POUNDS TWO & FIFTY NEW PENCE ONLY");
        const QString unchanged = Result("输入： usd7.00", "输出： say us dollars seven only");
        Row("GBP with an amount", "", 1, "2.5", gbp);
        Row("GBP without an amount", "", 1, "", gbp);
        Row("entry beyond the table", "", static_cast<int>(CurrencyRecords().size()), "7",
            unchanged);
        Row("an entry's text plus Return", "英国英镑 Great Britain Pounds\r", 0, "7", unchanged);
        Row("an entry's text, then Tab", "瑞士法郎 Swiss Franc\t", 0, "7", unchanged);
    }
    void choosingCurrency() {
        QFETCH(QString, typed);
        QFETCH(int, index);
        QFETCH(QString, amount);
        Type(amountBox, amount);
        window->Command1_Click(2);
        combo->addItem("其他 Other");
        if (typed.isEmpty()) { // as the user chooses: the list opened, the entry taken with Return
            combo->showPopup();
            QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
            combo->view()->setCurrentIndex(combo->model()->index(index, 0));
            QTest::keyClick(combo->view(), Qt::Key_Return);
        } else {
            combo->lineEdit()->selectAll();
            Type(combo, typed);
        }
        QCOMPARE(combo->currentIndex(), index);
        QCOMPARE(combo->currentText(), combo->itemText(index));
        if (amount.isEmpty()) {
            QCOMPARE(resultBox->toPlainText(), ""); // nothing to convert yet
            Type(amountBox, "2.5");
        }
        QTEST(resultBox->toPlainText(), "result");
    }

    // `typed` goes at the end of the result box; -1 and 3 have no button, only the handler.
    void caseButtons_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("result");
        const QString title = Result("输入： Usd100.00", "输出： Say Us Dollars One Hundred Only");
        const QString upper = Dollars("100.00", "ONE HUNDRED");
        Row("ABC after abc", "100", "", QList{2, 0}, upper);
        Row("Abc on edited text cuts end spaces", "100", "  paid  ", QList{1}, title + "  Paid");
        // Only U+0020 parts words; a no-break space stays one.
        Row("Abc keeps a no-break space", "", "pay\u00a0usd", QList{1}, "Pay\u00a0usd");
        Row("all three on an empty box", "", "", QList{0, 1, 2}, "");
        Row("other indexes do nothing", "100", "", QList{-1, 3}, upper);
    }
    void caseButtons() {
        QFETCH(QString, amount);
        QFETCH(QString, typed);
        QFETCH(QList<int>, presses);
        Type(amountBox, amount);
        resultBox->moveCursor(QTextCursor::End);
        Type(resultBox, typed);
        for (int index : presses) {
            index >= 0 && index <= 2 ? Push(index) : window->Command1_Click(index);
        }
        QTEST(Shown(), "result");
    }

    // A mebibyte pasted into the result box, lines of every ending: each button keeps the lines,
    // recasts them as the engine does, and pressed twice gives what it gave once.
    void caseStylesOnAMebibyte() {
        QRandomGenerator random(20261208);
        const QStringList pieces = QString("say |US |Dollars |& | |  |\t|\r\n|\r|\n|Straße "
                                           "|İstanbul |ΟΔΟΣ |ǆ |é|\u00a0|输出：|１２ |😀|Only")
                                       .split('|');
        QString text;
        while (text.size() < 1024 * 1024) {
            text += pieces[random.bounded(int(pieces.size()))];
        }
        const QString lines = QString(text).replace("\r\n", "\n").replace('\r', '\n');
        const CaseStyle styles[] = {CaseStyle::Upper, CaseStyle::Title, CaseStyle::Lower};
        for (int index = 0; index < 3; ++index) {
            resultBox->clear();
            Paste(resultBox, text);
            QCOMPARE(Shown(), lines);
            Push(index);
            const QString once = Shown();
            QCOMPARE(once.count('\n'), lines.count('\n'));
            QCOMPARE(once, QString::fromStdU16String(
                               ApplyCaseStyle(lines.toStdU16String(), styles[index])));
            Push(index);
            QCOMPARE(Shown(), once);
        }
    }

    // Outer sizes in twips (the client area in the design's 120 × 510 frame), as a user drags.
    // After each: not below the minimum; the amount box 105 twips left of the list (or its width
    // kept where that move is skipped); the list and the result box 225 twips inside the right
    // edge, the result box 930 above the bottom; neither box moved.
    void resizing_data() {
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<bool>("minimumIgnored");
        using Sizes = QList<QSize>;
        Row("design size", Sizes{{8280, 3780}}, false);
        Row("taller", Sizes{{8280, 4995}}, false);
        Row("below the minimum, ignored by the window system", Sizes{{2010, 2010}}, true);
        Row("amount box exactly 0 wide", Sizes{{4665, 3780}}, false);
        Row("too narrow: amount box keeps its width", Sizes{{4995, 3780}, {4005, 3780}}, false);
        Row("wider than 32,767 twips", Sizes{{40005, 3780}}, false);
    }
    void resizing() {
        QFETCH(QList<QSize>, sizes);
        QFETCH(bool, minimumIgnored);
        window->setMinimumSize(minimumIgnored ? QSize(0, 0) : window->minimumSize());
        const auto twips = [](QWidget* c) { return QRect(c->pos() * 15, c->size() * 15); };
        for (const QSize asked : sizes) {
            const int amountBoxWidth = amountBox->width();
            window->resize((asked - QSize(120, 510)) / 15);
            QCoreApplication::processEvents();
            const QSize outer = window->size() * 15 + QSize(120, 510);
            QCOMPARE(outer, asked.expandedTo(QSize(3000, 3780)));
            const QRect text1 = twips(amountBox), combo1 = twips(combo), text2 = twips(resultBox);
            QCOMPARE(text1.x() + text1.width(),
                     outer.width() >= 4665 ? combo1.x() - 105 : 720 + amountBoxWidth * 15);
            QCOMPARE(combo1.x() + combo1.width(), outer.width() - 225);
            QCOMPARE(text2.x() + text2.width(), outer.width() - 225);
            QCOMPARE(text2.y() + text2.height(), outer.height() - 930);
            QCOMPARE(text1.topLeft() + text2.topLeft(), QPoint(720 + 720, 120 + 540)); // not moved
        }
    }

    void maximisedAndRestored() {
        window->showMaximized();
        QTRY_VERIFY(window->width() > 544);
        QCOMPARE(resultBox->size(), window->size() + QSize(8 - 63, 34 - 98));
        window->showNormal();
        QTRY_COMPARE(window->size(), QSize(544, 218));
        QCOMPARE(resultBox->size(), QSize(489, 154));
        QCOMPARE(combo->x(), 296);
    }

    void tabOrder() {
        QStringList visited;
        for (QWidget* focus = combo; visited.size() < 7; focus = QApplication::focusWidget()) {
            visited << focus->objectName() + focus->property("index").toString();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, QStringList({"Combo1", "Text1", "Text2", "Command10", "Command11",
                                       "Command12", "Combo1"}));
    }

    // Pointer steps from Picture1: a move over the "link" or "picture", or a press or release where
    // the pointer is. The link looks "normal" (button text, upright), or blue or red and italic.
    void linkLooks_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<bool>("opened");
        Row("at rest", "", "normal", false);
        Row("pointer over the link", "link", "blue", false);
        Row("left press", "link, press left", "red", false);
        Row("right press", "link, press right", "blue", false);
        Row("left click", "link, press left, release left", "normal", true);
        Row("right click", "link, press right, release right", "normal", true);
        Row("pressed, dragged off and released over Picture1",
            "link, press left, picture, release left", "normal", true);
        Row("pointer moved on to Picture1", "link, picture", "normal", false);
    }
    void linkLooks() {
        QFETCH(QString, steps);
        QFETCH(QString, looks);
        QWindow* handle = window->windowHandle();
        QPoint at = OverPicture();
        QTest::mouseMove(handle, at);
        for (const QString& step : steps.split(", ", Qt::SkipEmptyParts)) {
            if (step == "link" || step == "picture") {
                QTest::mouseMove(handle, at = step == "link" ? OverLink() : OverPicture());
            } else {
                QTest::mouseEvent(
                    step.startsWith("press") ? QTest::MousePress : QTest::MouseRelease, handle,
                    step.endsWith("left") ? Qt::LeftButton : Qt::RightButton, {}, at);
            }
        }
        QWidget* link = Control("Label3");
        const bool normal = looks == "normal";
        QCOMPARE(link->palette().color(QPalette::WindowText),
                 normal ? link->palette().color(QPalette::ButtonText) : QColor(looks));
        QCOMPARE(link->font().italic(), !normal);
        QVERIFY(link->font().underline());
        QTEST(OpenStatementWindows().size() == 1, "opened");
    }

    // The same statement window, minimised and behind the main window, is brought back restored
    // and in front.
    void linkClickedTwiceOpensOneWindow() {
        ClickLink();
        const QList<Form2*> open = OpenStatementWindows();
        QVERIFY(open.size() == 1 && QTest::qWaitForWindowActive(open.first()));
        open.first()->showMinimized();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        ClickLink();
        QCOMPARE(OpenStatementWindows(), open);
        QVERIFY(QTest::qWaitForWindowActive(open.first()));
        QCOMPARE(open.first()->windowState(), Qt::WindowNoState);
    }

    // A left click, on behalf of the main window, whether the statement window is open or not.
    void statusPanelOpensHomePage() {
        QWidget* panel = Control("StatusBar1Panel");
        QTest::mouseClick(panel, Qt::RightButton);
        QTest::mouseClick(panel, Qt::LeftButton);
        ClickLink();
        QCOMPARE(OpenStatementWindows().size(), 1);
        QTest::mouseClick(panel, Qt::LeftButton);
        QCOMPARE(shellCalls, QList<ShellCall>(2, HomePageCall(window->winId())));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
