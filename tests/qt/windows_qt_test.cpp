// The Qt windows driven as a user drives them: what their wiring adds to the presenters, whose
// behaviour is tested on its own. Start-up, the controls in their places, each event reaching the
// presenter and each of its calls reaching the real widgets, and the statement window's layout.
#include "currency/currency_table.h"
#include "qt/fonts.h"
#include "qt/form1_qt.h"
#include "qt/geometry.h"
#include "qt/translations.h"
#include "tests/qt/qt_support.h"
#include "tests/ui/result_box.h"
#include "ui/accessible_names.h"
#include "ui/form1_design.h"
#include "ui/form2_design.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleOption>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <functional>
#include <map>

using namespace qev;

namespace {

// ASCII by key ("\r" Return), the rest as an input method commits it.
void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(c);
        QApplication::sendEvent(target, &commit);
    }
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    Form1* window = nullptr;

    QWidget* Control(const QString& name) const { return ::Control(window, name); }

private slots:
    // The statement and batch windows a test left open close with it.
    void cleanup() {
        CloseStatementWindows();
        for (QWidget* open : QApplication::topLevelWidgets()) {
            if (open->objectName() == "Form3") {
                open->close();
            }
        }
    }

    void initTestCase() {
        InstallSongFaceSubstitutes();
        InstallQtTranslations();
        SetShellOpener(&RecordShellCall);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kestrune", "qev-amount-words")
            .clear(); // no choice kept from a run before
        window = new Form1;
        window->show();
        window->activateWindow(); // no window manager may be there to do it
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void startUp() {
        auto* combo = window->findChild<QComboBox*>("Combo1");
        QCOMPARE(window->windowTitle(), "QEV英文金额大写转换工具");
        QCOMPARE(combo->count(), static_cast<int>(CurrencyRecords().size()));
        QCOMPARE(combo->currentText(), "美国美元 US Dollars");
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(Control("StatusBar1Panel")->property("text"), "Kestrune软件出品 www.kestrune.com");
        QCOMPARE(window->windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
        // Qt's own menus speak the window's language.
        QStringList menu;
        const std::unique_ptr<QMenu> contextMenu(
            window->findChild<QComboBox*>("Combo1")->lineEdit()->createStandardContextMenu());
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
            // The song face on the captions, the boxes and the list, 10.5 points; only the link
            // underlined; the buttons in the window's own font.
            const bool song =
                QStringList{"Label1", "Label2", "Label3", "Text1", "Text2", "Combo1"}.contains(
                    name);
            QCOMPARE(control->font().pointSizeF() == 10.5, song);
            QCOMPARE(control->font().underline(), name == "Label3");
        }
    }

    void eventsAndViewCalls() {
        auto* combo = window->findChild<QComboBox*>("Combo1");
        auto* amountBox = window->findChild<QLineEdit*>("Text1");
        auto* resultBox = window->findChild<QPlainTextEdit*>("Text2");
        QWidget* link = Control("Label3");
        QClipboard* clipboard = QGuiApplication::clipboard();
        QWindow* handle = window->windowHandle();
        const auto over = [this](const char* name) {
            return Control(name)->mapTo(window, QPoint(2, 2));
        };
        const auto result = [resultBox] { return resultBox->toPlainText().replace('\n', "\r\n"); };
        const auto amount = [amountBox] {
            return amountBox->text().insert(amountBox->cursorPosition(), '|');
        };
        const auto linkLooks = [link](const QColor& colour) {
            return link->palette().color(QPalette::WindowText) == colour &&
                   link->font().italic() == (colour != link->palette().color(QPalette::ButtonText));
        };

        Type(amountBox, "12a元3"); // keys and an input method's text
        QCOMPARE(amount(), "123|");
        QCOMPARE(result(), Q(DollarsResult(u"123")));
        clipboard->setText("4"); // Ctrl+V: the caret after the paste
        amountBox->setCursorPosition(1);
        QTest::keyClick(amountBox, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(amount(), "14|23");
        // The history's keys: Ctrl+Z, Ctrl+Y, Alt+Backspace, Ctrl+Shift+Z.
        const std::pair<QKeyCombination, QString> steps[] = {
            {Qt::CTRL | Qt::Key_Z, "1|23"},
            {Qt::CTRL | Qt::Key_Y, "14|23"},
            {Qt::ALT | Qt::Key_Backspace, "1|23"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "14|23"},
        };
        for (const auto& [keys, box] : steps) {
            QTest::keyClick(amountBox, keys.key(), keys.keyboardModifiers());
            QCOMPARE(amount(), box);
        }
        // Both boxes' menus, opened by Shift+F10 and by the menu key (which the window system
        // reports as a menu asked for from the keyboard), in the program's words: copying the
        // wording alone among them, and the home page, chosen from each.
        const std::function<void(QWidget*)> openers[] = {
            [](QWidget* box) { QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier); },
            [this](QWidget*) {
                QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
                QApplication::sendEvent(window->windowHandle(), &menuKey);
            }};
        for (QWidget* box : {static_cast<QWidget*>(amountBox), static_cast<QWidget*>(resultBox)}) {
            for (const auto& open : openers) {
                window->activateWindow(); // no longer active once a menu has closed
                QVERIFY(QTest::qWaitForWindowActive(window));
                box->setFocus();
                QStringList entries;
                QObject shown; // no step left behind should no menu open
                QTimer::singleShot(0, &shown, [&entries] {
                    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                    for (QAction* action : menu ? menu->actions() : QList<QAction*>{}) {
                        entries << action->text();
                        if (action->text() == "访问主页(&H)") {
                            action->trigger();
                        }
                    }
                    if (menu) {
                        menu->close();
                    }
                });
                open(box);
                QVERIFY2(entries.contains("复制英文大写\tCtrl+Shift+C"),
                         qPrintable(entries.join('|')));
            }
        }
        QCOMPARE(shellCalls, QList<ShellCall>(4, HomePageCall(window->winId())));
        shellCalls.clear();

        // A paste into the result box goes through the presenter, which refuses one too long.
        const QString held = resultBox->toPlainText();
        clipboard->setText(QString(100000, 'A'));
        QMetaObject::invokeMethod(resultBox, "paste");
        QCOMPARE(resultBox->toPlainText(), held);
        QCOMPARE(window->statusBar()->currentMessage(), "输出框最多10000个字符，未粘贴");
        amountBox->setText("1423");

        combo->showPopup(); // an entry chosen from the list
        QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
        combo->view()->setCurrentIndex(combo->model()->index(1, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QCOMPARE(result(),
                 Q(AmountToWords(amountBox->text().toStdU16String(), CurrencyAt(1)).text));
        combo->lineEdit()->selectAll(); // Return in the list's field
        Type(combo, "xyz\r");
        QCOMPARE(combo->currentText(), combo->itemText(1));
        combo->lineEdit()->selectAll();
        Type(combo, "eur\r");
        QCOMPARE(combo->currentIndex(), 14);
        // The list dropped down wider than its field, within the screen.
        const int dropped = combo->view()->minimumWidth();
        QVERIFY(dropped > combo->width());
        QVERIFY(combo->mapToGlobal(QPoint()).x() + dropped <=
                combo->screen()->availableGeometry().right() + 1);

        // A case button, then Ctrl+Shift+C with the focus on it: a key of the whole window.
        QTest::mouseClick(Control("Command1(2)"), Qt::LeftButton);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        Control("Command1(2)")->setFocus();
        QTest::keyClick(handle, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString wording = "say euros one thousand four hundred and twenty three only";
        QCOMPARE(clipboard->text(), wording);
        QVERIFY(!clipboard->supportsSelection() ||
                clipboard->text(QClipboard::Selection) == wording);

        window->setMinimumSize(0, 0); // a size below the minimum the window system did not keep
        window->resize(10, 10);
        const QSize minimum(form1::kMinOuterWidth, form1::kMinOuterHeight);
        QCOMPARE(window->size() * 15 + QSize(120, 510), minimum);
        QCOMPARE(combo->x() * 15, form1::LayOut(minimum.width(), minimum.height()).combo1Left);

        QTest::mouseMove(handle, over("Label3")); // the link's looks
        QVERIFY(linkLooks(Qt::blue));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QVERIFY(linkLooks(link->palette().color(QPalette::ButtonText)));
        QTest::mouseMove(handle, over("Label3") + QPoint(1, 0));
        QTest::mousePress(handle, Qt::LeftButton, {}, over("Label3"));
        QVERIFY(linkLooks(Qt::red));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, over("Picture1"));
        QVERIFY(linkLooks(link->palette().color(QPalette::ButtonText)));
        QCOMPARE(OpenStatementWindows().size(), 1);
        QTest::mouseMove(handle, over("Label3"));
        QTest::mouseMove(handle, over("Picture1"));
        QVERIFY(linkLooks(link->palette().color(QPalette::ButtonText)));
        QTest::mouseClick(Control("StatusBar1Panel"), Qt::LeftButton);
        QCOMPARE(shellCalls, QList<ShellCall>{HomePageCall(window->winId())});
        SetShellOpener(&FailShellCall); // no browser to take it: the status bar says so
        QTest::mouseClick(Control("StatusBar1Panel"), Qt::LeftButton);
        QCOMPARE(window->statusBar()->currentMessage(), "无法打开主页：没有可用的浏览器");
        SetShellOpener(&RecordShellCall);
    }

    // A form chosen in the result box's menu converts at once and is kept for the next run, as the
    // letter case is; Ctrl+Shift+R copies the Chinese capital for the yuan; a damaged file of
    // kept choices gives the design's form.
    void keptChoicesAndRmbCapital() {
        auto* combo = window->findChild<QComboBox*>("Combo1");
        auto* amountBox = window->findChild<QLineEdit*>("Text1");
        auto* resultBox = window->findChild<QPlainTextEdit*>("Text2");
        combo->lineEdit()->selectAll();
        Type(combo, "CNY\r");
        amountBox->setText("1409.5");
        QTest::mouseClick(Control("Command1(2)"), Qt::LeftButton);
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QMenu* forms = nullptr;
            for (const QAction* action : menu->actions()) {
                forms = action->text() == "英文格式" ? action->menu() : forms;
            }
            QVERIFY(forms);
            // An "&" of a form is shown, not taken for the entry's key.
            QCOMPARE(forms->actions().at(0)->menu()->actions().at(0)->iconText(),
                     "& FIFTY CENTS（默认）");
            forms->actions().at(1)->menu()->actions().at(1)->trigger(); // 开头: SAY TOTAL
            menu->close();
        });
        emit resultBox->customContextMenuRequested({5, 5});
        const QString wording = "say total renminbi yuan one thousand four hundred and nine & "
                                "fifty fen only";
        QCOMPARE(resultBox->toPlainText().section('\n', 1), "输出： " + wording);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->windowHandle(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "人民币壹仟肆佰零玖元伍角整");
        for (const bool damaged : {false, true}) {
            QSettings kept(QSettings::NativeFormat, QSettings::UserScope, "Kestrune",
                           "qev-amount-words");
            if (damaged) { // 4 KiB of noise
                QFile file(kept.fileName());
                QVERIFY(file.open(QIODevice::WriteOnly));
                for (int i = 0; i < 4096; ++i) {
                    file.putChar(char(i * 7919 % 251));
                }
            }
            Form1 next;
            auto* nextAmount = next.findChild<QLineEdit*>("Text1");
            nextAmount->setText("1");
            QCOMPARE(next.findChild<QPlainTextEdit*>("Text2")->toPlainText().section('\n', 1),
                     damaged ? "输出： SAY US DOLLARS ONE ONLY"
                             : "输出： say total us dollars one only");
            // A choice made over the damaged file is kept, and nothing says otherwise.
            QTest::mouseClick(::Control(&next, "Command1(1)"), Qt::LeftButton);
            QCOMPARE(next.statusBar()->currentMessage(), "");
            QCOMPARE(kept.value("case").toString(), "title");
        }
    }

    // Ctrl+B opens the batch window, the focus in its amount column; four rows pasted there, one
    // blank, one that cannot be written out, then Ctrl+Shift+C: four lines on the clipboard, the
    // result column scrolled with the amounts; the main window's case followed.
    void batchWindow() {
        auto* combo = window->findChild<QComboBox*>("Combo1"); // dollars, the design's form
        combo->lineEdit()->selectAll();
        Type(combo, "usd\r");
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu ? menu->actions() : QList<QAction*>{}) {
                if (action->text() == "恢复默认格式") {
                    action->trigger();
                }
            }
            if (menu) {
                menu->close();
            }
        });
        emit window->findChild<QPlainTextEdit*>("Text2")->customContextMenuRequested({5, 5});
        QTest::mouseClick(Control("Command1(0)"), Qt::LeftButton);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->windowHandle(), Qt::Key_B, Qt::ControlModifier);
        auto* batch = qobject_cast<QWidget*>(
            QApplication::activeWindow() && QApplication::activeWindow()->objectName() == "Form3"
                ? QApplication::activeWindow()
                : nullptr);
        QVERIFY(batch);
        QCOMPARE(batch->windowTitle(), "批量转换");
        auto* amounts = batch->findChild<QPlainTextEdit*>("Text1");
        auto* results = batch->findChild<QPlainTextEdit*>("Text2");
        QCOMPARE(QApplication::focusWidget(), amounts);
        QGuiApplication::clipboard()->setText("1\n\nabc\n$1,234.50");
        QTest::keyClick(amounts, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(batch->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(
            QGuiApplication::clipboard()->text(),
            "SAY US DOLLARS ONE ONLY\n\n无法转换：没有这种货币代码\nSAY US DOLLARS ONE THOUSAND "
            "TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY");
        amounts->setPlainText(QString("7\n").repeated(500));
        amounts->verticalScrollBar()->setValue(300);
        QCOMPARE(results->verticalScrollBar()->value(), 300);
        QTest::mouseClick(Control("Command1(1)"), Qt::LeftButton); // Abc in the main window
        QCOMPARE(results->document()->firstBlock().text(), "Say Us Dollars Seven Only");
        batch->close();
    }

    // Drawn whole at any scale (the tests run at 1 and at 1.5): the link's underline, and the
    // result box's bottom border above the status bar.
    void drawnWhole() {
        const QImage shot = window->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const auto lineAt = [&](QWidget* control, int fromBottom, const QColor& background) {
            const QRect at(control->mapTo(window, QPoint()) * ratio, control->size() * ratio);
            int dark = 0;
            for (int x = at.left(); x <= at.right(); ++x) {
                dark += shot.pixelColor(x, at.bottom() - fromBottom) != background;
            }
            return dark > at.width() * 2 / 3;
        };
        const QColor background = window->palette().color(QPalette::Window);
        QVERIFY(lineAt(Control("Label3"), 0, background) ||
                lineAt(Control("Label3"), 1, background));
        QVERIFY(lineAt(Control("Text2"), 0, background));
    }

    // The statement window: every control at its design place; the address reads as the end of
    // line 3 (it starts where line 3's wrapping leaves its last text line, after "官方网站： ",
    // level with it, inside line 3's label and drawn above it); only a left click on the picture
    // or the address opens the home page, for this window; opened again while minimised it comes
    // back restored; Enter and Space on 确定 and the close box close it, Escape does not.
    void statementWindow() {
        CloseStatementWindows();
        shellCalls.clear();
        window->activateWindow(); // F1 opens it, as the link does
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->windowHandle(), Qt::Key_F1);
        QCOMPARE(OpenStatementWindows().size(), 1);
        QPointer<Form2> statement = OpenStatementWindows().first();
        QVERIFY(QTest::qWaitForWindowActive(statement));
        const auto in = [&](const QString& name, QPoint point) {
            return ::Control(statement, name)->mapTo(statement.data(), point);
        };
        for (const form2::Control& design : form2::kControls) {
            const QString name = QString::fromLatin1(design.name.data(), design.name.size());
            QWidget* control = ::Control(
                statement, design.index < 0 ? name : QString("%1(%2)").arg(name).arg(design.index));
            QCOMPARE(control->geometry(), PixelRect(design.place));
        }
        QWidget* line3 = ::Control(statement, "Label1(1)");
        QWidget* address = ::Control(statement, "Label4");
        QTextLayout layout(line3->property("text").toString(), line3->font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(line3->width());
        }
        layout.endLayout();
        QCOMPARE(layout.lineCount(), 2);
        const QString lastText = layout.text().mid(layout.lineAt(1).textStart());
        QVERIFY2(lastText.endsWith("官方网站： "), qPrintable(lastText));
        QCOMPARE(address->x(), line3->x() + line3->fontMetrics().horizontalAdvance(lastText));
        QVERIFY(line3->geometry().contains(address->geometry()));
        QCOMPARE(statement->childAt(in("Label4", address->rect().center())), address);
        QVERIFY(std::abs(address->y() - line3->y() - layout.lineAt(0).height()) <= 2);
        for (QWidget* label : {line3, address}) { // both drawn from their tops, so they read level
            QCOMPARE(qobject_cast<QLabel*>(label)->alignment(), Qt::AlignLeft | Qt::AlignTop);
        }
        QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(address->font().underline());

        QWindow* handle = statement->windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, in("Image1", QPoint(58, 21)));
        QTest::mouseClick(handle, Qt::LeftButton, {}, in("Label4", QPoint(10, 6)));
        QTest::mouseClick(handle, Qt::RightButton, {}, in("Label4", QPoint(10, 6)));
        QTest::mouseClick(handle, Qt::LeftButton, {}, in("Label1(1)", QPoint(40, 18)));
        QCOMPARE(shellCalls, QList<ShellCall>(2, HomePageCall(statement->winId())));

        statement->showMinimized();
        QCOMPARE(Form2::Open(), statement.data());
        QCOMPARE(statement->windowState(), Qt::WindowNoState);
        QCOMPARE(QApplication::focusWidget(), ::Control(statement, "Command1"));
        QTest::keyClick(::Control(statement, "Command1"), Qt::Key_Escape);
        QVERIFY(statement->isVisible());
        QTest::keyClick(::Control(statement, "Command1"), Qt::Key_Return);
        QVERIFY(!statement->isVisible());
        statement = Form2::Open();
        QTest::keyClick(::Control(statement, "Command1"), Qt::Key_Space);
        QVERIFY(!statement->isVisible());
        statement = Form2::Open();
        QCloseEvent closeBox;
        QApplication::sendEvent(statement->windowHandle(), &closeBox);
        QVERIFY(!statement->isVisible());
        QCOMPARE(OpenStatementWindows().size(), 0);
    }

    // Every control of the three windows says its name to a screen reader, what it is and, where
    // its name leaves it unsaid, what it does: the case buttons what they do whatever their
    // captions, the links that they are links, the currency list's field the list's name.
    void namesAndRoles() {
        const std::map<AccessibleRole, QAccessible::Role> roles = {
            {AccessibleRole::Label, QAccessible::StaticText},
            {AccessibleRole::Pane, QAccessible::Client},
            {AccessibleRole::Grouping, QAccessible::Grouping},
            {AccessibleRole::Text, QAccessible::EditableText},
            {AccessibleRole::ComboBox, QAccessible::ComboBox},
            {AccessibleRole::Button, QAccessible::Button},
            {AccessibleRole::CheckBox, QAccessible::CheckBox},
            {AccessibleRole::Link, QAccessible::Link},
            {AccessibleRole::StatusBar, QAccessible::StatusBar},
        };
        const QPointer<Form2> statement = Form2::Open();
        const QPointer<Form3> batch = Form3::Open({});
        const std::map<std::string_view, QWidget*> windows = {
            {"Form1", window}, {"Form2", statement}, {"Form3", batch}};
        for (const AccessibleControl& entry : kAccessibleControls) {
            const QString name = QString::fromLatin1(entry.control.data(), entry.control.size()) +
                                 (entry.index < 0 ? QString() : QString("(%1)").arg(entry.index));
            QWidget* control = ::Control(windows.at(entry.window), name);
            QVERIFY2(control, qPrintable(name));
            const QAccessibleInterface* said = QAccessible::queryAccessibleInterface(control);
            QCOMPARE(said->role(), roles.at(entry.role));
            // On Linux Qt names a combo box by its entry chosen, and its field by its name.
            const auto* list = qobject_cast<QComboBox*>(control);
            const QAccessibleInterface* named =
                list ? QAccessible::queryAccessibleInterface(list->lineEdit()) : said;
            QCOMPARE(named->text(QAccessible::Name), Q(entry.name));
            QCOMPARE(named->text(QAccessible::Description), Q(entry.description));
        }
    }

    // The focus shows on every control that takes it as soon as its window opens, as the style
    // shows it once Tab has moved it: each control tells the style it has the keyboard's focus.
    void focusShown() {
        const QPointer<Form2> statement = Form2::Open();
        const QPointer<Form3> batch = Form3::Open({});
        for (QWidget* shown : {static_cast<QWidget*>(window), static_cast<QWidget*>(statement),
                               static_cast<QWidget*>(batch)}) {
            shown->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shown));
            for (QWidget* control : shown->findChildren<QWidget*>()) {
                if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus)) {
                    control->setFocus();
                    QStyleOption drawn;
                    drawn.initFrom(control);
                    QVERIFY2(drawn.state & QStyle::State_HasFocus,
                             qPrintable(control->objectName()));
                    QVERIFY(drawn.state & QStyle::State_KeyboardFocusChange);
                }
            }
        }
    }

    // A changed result is announced once, as one change of the result box's text; a result that
    // would not change the box is not announced. Qt sends such notices only while the desktop's
    // accessibility bus listens: windows_qt_test_atspi runs this there.
    void resultChangeAnnounced() {
        if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
            QSKIP("no accessibility bus listening: Qt sends no notices");
        }
        QTRY_VERIFY(QAccessible::isActive()); // once Qt has found the bus
        static QPlainTextEdit* resultBox = window->findChild<QPlainTextEdit*>("Text2");
        static QStringList told; // the box's text at each notice of a change of its text
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->object() == resultBox && event->type() >= QAccessible::TextInserted &&
                event->type() <= QAccessible::TextUpdated) {
                told << resultBox->toPlainText();
            }
        });
        auto* amountBox = window->findChild<QLineEdit*>("Text1");
        amountBox->setText("");
        QTest::mouseClick(Control("Command1(0)"), Qt::LeftButton);
        told.clear();
        amountBox->setText("7");
        QTest::mouseClick(Control("Command1(0)"), Qt::LeftButton); // already in capitals
        amountBox->setText("8");
        QTest::mouseClick(Control("Command1(2)"), Qt::LeftButton);
        amountBox->setText("");
        QAccessible::installUpdateHandler(nullptr);
        const auto shown = [](std::u16string_view amount) {
            return Q(DollarsResult(amount)).replace("\r\n", "\n");
        };
        QCOMPARE(told, QStringList({shown(u"7"), shown(u"8"), shown(u"8").toLower(), ""}));
    }

    // Last, for the program's own event loop runs and ends: closing the main window leaves the
    // statement window open, and closing that ends the program.
    void lastWindowEndsTheProgram() {
        QPointer<Form2> statement = Form2::Open();
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QObject steps; // any step left when the loop ends goes with it
        bool stayedOpen = false;
        QTimer::singleShot(0, &steps, [&] {
            window->close();
            QTimer::singleShot(0, &steps, [&] {
                stayedOpen = statement->isVisible() && lastClosed.isEmpty();
                statement->close();
            });
        });
        QTimer::singleShot(10000, &steps, [] { QCoreApplication::exit(1); }); // should it not end
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(stayedOpen);
        QCOMPARE(lastClosed.count(), 1);
        delete window;
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_qt_test.moc"
