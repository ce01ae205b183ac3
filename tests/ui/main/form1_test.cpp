// The main window driven as a user drives it: start-up, the controls in their places, edits of the
// amount box, copying the wording, choosing a currency, resizing, the statement link and the
// status bar.
#include "currency/currency_table.h"
#include "tests/table_row.h"
#include "tests/ui/result_box.h"
#include "tests/ui/statement_support.h"
#include "ui/main/form1_design.h"
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
#include <QStatusBar>

using namespace qev;

namespace {

// A Result text as the result box shows it: one line per paragraph.
QString Result(const QString& echo, const QString& wording) {
    return echo + '\n' + wording;
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

    QWidget* Control(const QString& name) const { return ::Control(window, name); }
    void Push(int i) { QTest::mouseClick(Control(QString("Command1(%1)").arg(i)), Qt::LeftButton); }

    QPoint OverLink() const { return Control("Label3")->mapTo(window, QPoint(14, 7)); }
    QPoint OverPicture() const { return Control("Picture1")->mapTo(window, QPoint(2, 2)); }

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

    // Every control at its design place, the result box one pixel taller (the resize rule's
    // height); a label's or button's caption is the design's, and a label's fits its rectangle in
    // the face standing in for SimSun.
    void controlsAtDesignPlaces() {
        for (const form1::Control& design : form1::kControls) {
            const QString name = QString::fromLatin1(design.name.data(), design.name.size());
            QWidget* control =
                Control(design.index < 0 ? name : QString("%1(%2)").arg(name).arg(design.index));
            QVERIFY2(control, qPrintable(name));
            const TwipsRect twips = design.place;
            const int height = twips.height + (design.name == "Text2" ? 15 : 0);
            QCOMPARE(control->geometry(),
                     QRect(twips.left / 15, twips.top / 15, twips.width / 15, height / 15));
            if (control->inherits("QLabel") || control->inherits("QAbstractButton")) {
                QCOMPARE(control->property("text").toString(),
                         QString::fromStdU16String(std::u16string(design.text)));
            }
            if (control->inherits("QLabel")) {
                QVERIFY(control->rect().contains(QRect(QPoint(), control->sizeHint())));
            }
        }
    }

    // The box with '|' at the caret, before and after the edit; past 22 characters it is refused,
    // and after a space the note that the status bar shows in its panel's place for a while.
    void amountBoxEdits_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("box");
        Row("letter, sign and space typed after 12", "12|", "a- ", false, "12|");
        Row("full-width digits and Chinese typed", "12|", "１２元", false, "12|");
        Row("signs, letters and spaces pasted", "|", "-a1 000\r\n000+", true, "1000000|");
        // Longer than the 32,767 characters a line edit takes by default, which once cut it.
        Row("paste of 40,000 characters keeps the digits at its end", "|",
            "1" + QString(40000, 'x') + "23", true, "123|");
        Row("paste in the middle keeps the caret after it", "1|9", "(2,3)", true, "12,3|9");
        // A leading point gets a zero: removing it would make ".5" five.
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
        QCOMPARE(resultBox->toPlainText(),
                 QString::fromStdU16String(DollarsResult(amountBox->text().toStdU16String()))
                     .replace("\r\n", "\n"));
        QWidget* panel = Control("StatusBar1Panel");
        QCOMPARE(panel->isVisible(), note.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 10000);
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
        Push(2);
        combo->addItem("其他 Other");
        if (typed.isEmpty()) { // as the user chooses: the list opened, the entry taken with Return
            combo->showPopup();
            QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
            combo->view()->setCurrentIndex(combo->model()->index(index, 0));
            QTest::keyClick(combo->view(), Qt::Key_Return);
        } else {
            combo->setFocus();
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

    // Only a left click, pressed and released on the panel, opens the home page, on behalf of the
    // main window.
    void statusPanelOpensHomePage() {
        QWidget* panel = Control("StatusBar1Panel");
        QTest::mouseClick(panel, Qt::RightButton);
        QTest::mousePress(panel, Qt::LeftButton);
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(-5, -5)); // off the panel
        QTest::mouseClick(panel, Qt::LeftButton);
        QCOMPARE(shellCalls, QList<ShellCall>{HomePageCall(window->winId())});
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
