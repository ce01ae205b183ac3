// The statement window as the user meets it: its design and texts, the statement lines wrapped
// with the web address at the end of line 3, its picture, the two links to the home page, closing
// and opening it again, a thousand times over, and the program's end when its last window
// closes.
#include "tests/ui/statement_support.h"
#include "ui/fonts.h"
#include "ui/main/form1.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

using namespace qev;

namespace {

// A control by design name and, in the Label1 array, element number.
QWidget* Control(const QWidget* window, const QString& name, int index = -1) {
    for (auto* control : window->findChildren<QWidget*>(name)) {
        if (index < 0 || control->property("index") == index) {
            return control;
        }
    }
    return nullptr;
}

QString TextOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return {};
}

// What the user reads in the window, control by control.
QStringList Content(const QWidget* window) {
    QStringList content;
    for (auto* control : window->findChildren<QWidget*>()) {
        content << control->objectName() + control->property("index").toString() + ": " +
                       TextOf(control);
    }
    return content;
}

// The rows of `area` in which some pixel is ink.
template <typename IsInk>
QList<int> InkRows(const QImage& image, QRect area, IsInk isInk) {
    QList<int> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image.pixelColor(x, y))) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

// The largest difference of one colour channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()),
                                std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
        }
    }
    return largest;
}

// The offscreen platform warns at every raise(); many openings would bury any other warning.
QtMessageHandler passOnMessage = nullptr;
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text != "This plugin does not support raise()") {
        passOnMessage(type, context, text);
    }
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

    QPointer<Form2> window;

    // A click as the window system delivers it: to the control on top at that point.
    void ClickAt(QWidget* control, QPoint point, Qt::MouseButton button) {
        QTest::mouseClick(window->windowHandle(), button, {}, control->mapTo(window.data(), point));
    }

private slots:
    void initTestCase() {
        InstallSongFaceSubstitutes();
        SetShellOpener(&RecordShellCall);
    }

    void init() {
        window = Form2::Open();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        ShellCalls().clear();
    }

    void cleanup() {
        CloseStatementWindows();
        QVERIFY(window.isNull());
    }

    void windowDesign() {
        QCOMPARE(window->windowTitle(), "使用说明");
        QCOMPARE(window->size(), QSize(281, 233));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowType(), Qt::Tool); // small caption, no taskbar button
        QVERIFY(!window->isModal());
        QVERIFY(!window->parentWidget());
        const QFontInfo font(window->font());
        QCOMPARE(font.family(), "AR PL UMing CN");
        QCOMPARE(font.pixelSize(), 12);
        QCOMPARE(QApplication::focusWidget(), Control(window, "Command1"));
    }

    void controlsAtDesignPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("inFrame");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::newRow("Frame1") << "Frame1" << -1 << false << QRect(120, 120, 3975, 2535) << "";
        QTest::newRow("line 1 in Label1(0)")
            << "Label1" << 0 << true << QRect(120, 240, 3735, 375)
            << "1.本软件最多可转换15位数字加两位小数,如超出上述数值,转换结果将会出错。";
        QTest::newRow("line 2 in Label1(2)")
            << "Label1" << 2 << true << QRect(120, 720, 3735, 615)
            << "2.使用本软件转换所得结果前，请务必检查转换结果的正确性。由于转换结果错误而造成的"
               "任何经济纠纷或损失，责任自负。";
        QTest::newRow("line 3 in Label1(1)")
            << "Label1" << 1 << true << QRect(120, 1320, 3735, 495)
            << "3.本软件由Kestrune软件出品，用户可免费下载使用。官方网站： ";
        // After "官方网站： " as line 3 wraps in SimSun's metrics, up to line 3's right edge.
        QTest::newRow("web address")
            << "Label4" << -1 << true << QRect(1830, 1480, 2025, 255) << "www.kestrune.com";
        QTest::newRow("line 4 in Label3")
            << "Label3" << -1 << true << QRect(120, 1800, 3735, 615)
            << "4.任何组织或个人未经允许不得篡改软件内容或增加广告插件。如有违反，必将受到法律许可"
               "范围内最大可能的起诉。";
        QTest::newRow("Image1") << "Image1" << -1 << false << QRect(120, 2760, 1740, 645) << "";
        QTest::newRow("Command1") << "Command1" << -1 << false << QRect(2400, 2880, 1095, 375)
                                  << "确定";
    }
    void controlsAtDesignPlaces() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(bool, inFrame);
        QFETCH(QRect, twips);
        QWidget* control = Control(window, name, index);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), inFrame ? Control(window, "Frame1") : window.data());
        QCOMPARE(control->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        QTEST(TextOf(control), "text");
    }

    void statementLinesWrap_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("lines");
        QTest::newRow("line 1") << "Label1" << 0 << 2;
        QTest::newRow("line 2") << "Label1" << 2 << 3;
        QTest::newRow("line 3") << "Label1" << 1 << 2;
        QTest::newRow("line 4") << "Label3" << -1 << 3;
    }
    void statementLinesWrap() {
        QFETCH(QString, name);
        QFETCH(int, index);
        auto* label = qobject_cast<QLabel*>(Control(window, name, index));
        QVERIFY(label);
        const int height = label->heightForWidth(label->width()); // -1 when it does not wrap
        const int lineHeight = QFontMetrics(label->font()).lineSpacing();
        QTEST((height + lineHeight - 1) / lineHeight, "lines");
        QVERIFY2(height <= label->height(), qPrintable(QString::number(height)));
    }

    void webAddressEndsLine3() {
        auto* line3 = qobject_cast<QLabel*>(Control(window, "Label1", 1));
        auto* address = qobject_cast<QLabel*>(Control(window, "Label4"));
        QVERIFY(line3 && address);

        // Where line 3's wrapping leaves its last text line.
        QTextLayout layout(line3->text(), line3->font());
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrap);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(line3->width());
        }
        layout.endLayout();
        QCOMPARE(layout.lineCount(), 2);
        const QString lastText = line3->text().mid(layout.lineAt(1).textStart());
        QVERIFY2(lastText.endsWith("官方网站： "), qPrintable(lastText));

        // The address goes on where that line ends, inside line 3's label and above it.
        const int lineEnd = line3->x() + QFontMetrics(line3->font()).horizontalAdvance(lastText);
        QCOMPARE(address->x(), lineEnd);
        QVERIFY(line3->geometry().contains(address->geometry()));
        QCOMPARE(Control(window, "Frame1")->childAt(address->geometry().center()), address);

        // Drawn in blue and underlined, not hidden by line 3, and level with the words before it.
        QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(address->font().underline());
        const QImage shot = window->grab().toImage();
        const auto inWindow = [this](const QWidget* control) {
            return QRect(control->mapTo(window.data(), QPoint()), control->size());
        };
        const QList<int> blueRows = InkRows(shot, inWindow(address), [](QColor c) {
            return c.blue() > c.red() + 64 && c.blue() > c.green() + 64;
        });
        QRect beforeAddress = inWindow(line3);
        beforeAddress.setWidth(address->x() - line3->x());
        const QList<int> blackRows =
            InkRows(shot, beforeAddress, [](QColor c) { return c.lightness() < 128; });
        QVERIFY(!blueRows.isEmpty() && !blackRows.isEmpty());
        qsizetype lastLine = blackRows.size() - 1; // where the last run of ink rows begins
        while (lastLine > 0 && blackRows[lastLine - 1] == blackRows[lastLine] - 1) {
            --lastLine;
        }
        QVERIFY2(
            std::abs(blueRows.first() - blackRows[lastLine]) <= 2,
            qPrintable(QStringLiteral("%1 %2").arg(blueRows.first()).arg(blackRows[lastLine])));
    }

    // The JPEG plugin is there at run time, and the picture is squeezed into its control.
    void picture() {
        QImageReader reader(":/statement/statement-picture.jpg");
        QCOMPARE(reader.format(), "jpeg");
        const QImage picture = reader.read();
        QCOMPARE(picture.size(), QSize(132, 43));
        auto* image = Control(window, "Image1");
        QCOMPARE(image->size(), QSize(116, 43));
        const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage squeezed =
            picture.scaled(image->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        const int difference = LargestDifference(shown, squeezed);
        QVERIFY2(difference <= 8, qPrintable(QString::number(difference)));
    }

    // `point` is in the control; (-1, -1) stands for its centre.
    void links_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opensHomePage");
        const QPoint centre(-1, -1);
        QTest::newRow("picture") << "Image1" << -1 << centre << Qt::LeftButton << true;
        QTest::newRow("web address") << "Label4" << -1 << QPoint(10, 6) << Qt::LeftButton << true;
        QTest::newRow("web address, right button")
            << "Label4" << -1 << QPoint(10, 6) << Qt::RightButton << false;
        QTest::newRow("picture, middle button")
            << "Image1" << -1 << centre << Qt::MiddleButton << false;
        QTest::newRow("line 3 before the address")
            << "Label1" << 1 << QPoint(40, 18) << Qt::LeftButton << false;
        QTest::newRow("line 3's first text line")
            << "Label1" << 1 << QPoint(200, 5) << Qt::LeftButton << false;
        QTest::newRow("line 4") << "Label3" << -1 << centre << Qt::LeftButton << false;
    }
    void links() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QPoint, point);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opensHomePage);
        QWidget* control = Control(window, name, index);
        QVERIFY(control);
        ClickAt(control, point == QPoint(-1, -1) ? control->rect().center() : point, button);
        QCOMPARE(ShellCalls().size(), opensHomePage ? 1 : 0);
        if (opensHomePage) {
            QCOMPARE(ShellCalls().first(), HomePageCall(window->winId()));
        }
        QCOMPARE(OpenStatementWindows(), QList<Form2*>{window}); // it stays open
    }

    void closing_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::newRow("确定 clicked") << "click" << true;
        QTest::newRow("Space on 确定") << "space" << true;
        QTest::newRow("close box") << "close box" << true;
        // No default or cancel button.
        QTest::newRow("Return") << "return" << false;
        QTest::newRow("keypad Enter") << "enter" << false;
        QTest::newRow("Escape") << "escape" << false;
    }
    void closing() {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        QWidget* ok = Control(window, "Command1");
        const QStringList content = Content(window);
        const QPointer<Form2> closing = window;

        if (action == "click") {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (action == "close box") {
            QCloseEvent closeBox;
            QApplication::sendEvent(window->windowHandle(), &closeBox);
        } else {
            const QHash<QString, Qt::Key> keys = {{"space", Qt::Key_Space},
                                                  {"return", Qt::Key_Return},
                                                  {"enter", Qt::Key_Enter},
                                                  {"escape", Qt::Key_Escape}};
            QTest::keyClick(ok, keys.value(action));
        }

        if (!closes) {
            QVERIFY(window->isVisible());
            QCOMPARE(QApplication::focusWidget(), ok);
            return;
        }
        QVERIFY(!closing->isVisible());
        // Opened again at once, before the closed window is gone: built anew from its design.
        window = Form2::Open();
        QVERIFY(window != closing);
        QTRY_VERIFY(closing.isNull());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(Content(window), content);
        QCOMPARE(QApplication::focusWidget(), Control(window, "Command1"));
        QCOMPARE(OpenStatementWindows(), QList<Form2*>{window});
    }

    // Opened and closed over and over, as a user does from the main window's link or the program
    // does through Open, the statement window leaves nothing behind once Qt has deleted what
    // was closed: no window, no widget, no platform window.
    void openCloseCycles_data() {
        QTest::addColumn<bool>("byLink");
        QTest::addColumn<bool>("byButton");
        QTest::newRow("the link, then 确定") << true << true;
        QTest::newRow("Open, then close()") << false << false;
    }
    void openCloseCycles() {
        QFETCH(bool, byLink);
        QFETCH(bool, byButton);
        CloseStatementWindows();
        Form1 mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        const QPoint link =
            mainWindow.findChild<QWidget*>("Label3")->mapTo(&mainWindow, QPoint(14, 7));
        const auto statementWindows = [] {
            const QWidgetList widgets = QApplication::allWidgets();
            return std::count_if(widgets.begin(), widgets.end(),
                                 [](QWidget* w) { return qobject_cast<Form2*>(w) != nullptr; });
        };
        QCoreApplication::processEvents();
        const qsizetype topLevels = QApplication::topLevelWidgets().size();
        const qsizetype widgets = QApplication::allWidgets().size();
        const qsizetype platformWindows = QGuiApplication::allWindows().size();
        QCOMPARE(statementWindows(), 0);

        passOnMessage = qInstallMessageHandler(DropRaiseWarnings);
        const auto restore = qScopeGuard([] { qInstallMessageHandler(passOnMessage); });
        for (int cycle = 0; cycle < 500; ++cycle) {
            if (byLink) {
                QTest::mouseMove(mainWindow.windowHandle(), link);
                QTest::mouseClick(mainWindow.windowHandle(), Qt::LeftButton, {}, link);
            } else {
                Form2::Open();
            }
            const QList<Form2*> open = OpenStatementWindows();
            QCOMPARE(open.size(), 1);
            const QPointer<Form2> statement = open.first();
            QCoreApplication::processEvents(); // shown and painted
            if (byButton) {
                QTest::mouseClick(Control(statement, "Command1"), Qt::LeftButton);
            } else {
                statement->close();
            }
            QVERIFY(!statement->isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(statement.isNull());
        }
        QCoreApplication::processEvents();
        QCOMPARE(statementWindows(), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        QCOMPARE(QGuiApplication::allWindows().size(), platformWindows);
    }

    // Last: the program's own event loop runs, and ends.
    void lastWindowEndsTheProgram_data() {
        QTest::addColumn<bool>("mainWindowFirst");
        QTest::newRow("main window closed first") << true;
        QTest::newRow("statement window closed first") << false;
    }
    void lastWindowEndsTheProgram() {
        QFETCH(bool, mainWindowFirst);
        Form1 mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QWidget* first = mainWindowFirst ? static_cast<QWidget*>(&mainWindow) : window.data();
        QWidget* last = mainWindowFirst ? window.data() : static_cast<QWidget*>(&mainWindow);
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);

        // The steps run in the program's event loop; any step left when it ends goes with `steps`.
        QObject steps;
        bool lastStayedOpen = false;
        QTimer::singleShot(0, &steps, [&] {
            first->close();
            QTimer::singleShot(0, &steps, [&] {
                lastStayedOpen = last->isVisible() && lastClosed.isEmpty();
                last->close();
            });
        });
        // Only should the program fail to end.
        QTimer::singleShot(10000, &steps, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(lastStayedOpen);
        QCOMPARE(lastClosed.count(), 1);
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
