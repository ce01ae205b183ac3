// The statement window as the user meets it: its design, texts and links, closing and opening it
// again a thousand times over, and the program's end when its last window closes.
#include "tests/table_row.h"
#include "tests/ui/statement_support.h"
#include "ui/qt/fonts.h"
#include "ui/main/form1_qt.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QPointer>
#include <QSignalSpy>
#include <QTextLayout>
#include <QTimer>

using namespace qev;

namespace {

// A control by its name in the design: "Label1(2)" is element 2 of the Label1 array.
QWidget* Control(const QWidget* window, const QString& name) {
    const QStringList parts = name.split('(');
    for (auto* control : window->findChildren<QWidget*>(parts[0])) {
        if (parts.size() == 1 || control->property("index").toString() + ')' == parts[1]) {
            return control;
        }
    }
    return nullptr;
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

    QPointer<Form2> window;

    QPoint InWindow(const QString& name, QPoint point = {}) const {
        return Control(window, name)->mapTo(window.data(), point);
    }

private slots:
    void initTestCase() {
        InstallSongFaceSubstitutes();
        SetShellOpener(&RecordShellCall);
        // The offscreen platform warns at every raise(), which would bury any other warning.
        static const QtMessageHandler passOn = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (text != "This plugin does not support raise()") {
                    passOn(type, context, text);
                }
            });
    }

    void init() {
        window = Form2::Open();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        shellCalls.clear();
    }

    void cleanup() {
        CloseStatementWindows();
        QVERIFY(window.isNull());
    }

    // A fixed tool window (small caption with only a close box, no taskbar button), not modal.
    void windowDesign() {
        QCOMPARE(window->windowTitle(), "使用说明");
        QCOMPARE(window->size(), QSize(281, 233));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowType(), Qt::Tool);
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint) &&
                !(flags & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!window->isModal() && !window->parentWidget());
        QCOMPARE(QFontInfo(window->font()).family(), "AR PL UMing CN");
        QCOMPARE(QFontInfo(window->font()).pixelSize(), 12);
    }

    // Label1's element 0 holds line 1, element 2 line 2, element 1 line 3. The lines and the
    // address lie in Frame1; each line wraps to `lines` text lines inside its rectangle.
    void controlsAtDesignPlaces_data() {
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("text");
        Row("Frame1", QRect(120, 120, 3975, 2535), 0, "");
        Row("Label1(0)", QRect(120, 240, 3735, 375), 2,
            "1.本软件最多可转换15位数字加两位小数,如超出上述数值,转换结果将会出错。");
        Row("Label1(2)", QRect(120, 720, 3735, 615), 3,
            "2.使用本软件转换所得结果前，请务必检查转换结果的正确性。"
            "由于转换结果错误而造成的任何经济纠纷或损失，责任自负。");
        Row("Label1(1)", QRect(120, 1320, 3735, 495), 2,
            "3.本软件由Kestrune软件出品，用户可免费下载使用。官方网站： ");
        Row("Label4", QRect(1830, 1480, 2025, 255), 0, "www.kestrune.com");
        Row("Label3", QRect(120, 1800, 3735, 615), 3,
            "4.任何组织或个人未经允许不得篡改软件内容或增加广告插件。"
            "如有违反，必将受到法律许可范围内最大可能的起诉。");
        Row("Image1", QRect(120, 2760, 1740, 645), 0, "");
        Row("Command1", QRect(2400, 2880, 1095, 375), 0, "确定");
    }
    void controlsAtDesignPlaces() {
        QFETCH(QRect, twips);
        QFETCH(int, lines);
        const QString name = QTest::currentDataTag();
        QWidget* control = Control(window, name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(),
                 name.startsWith("Label") ? "Frame1" : "Form2");
        QCOMPARE(control->geometry(), QRect(twips.topLeft() / 15, twips.size() / 15));
        QTEST(control->property("text").toString(), "text");
        if (lines > 0) {
            const int height = control->heightForWidth(control->width());
            const int lineHeight = control->fontMetrics().lineSpacing();
            QCOMPARE((height + lineHeight - 1) / lineHeight, lines);
            QVERIFY(height <= control->height());
        }
    }

    // The address reads as the end of line 3: it starts where line 3's wrapping leaves its last
    // text line, after "官方网站： ", level with it, inside line 3's label and drawn above it.
    void webAddressEndsLine3() {
        QWidget* line3 = Control(window, "Label1(1)");
        QWidget* address = Control(window, "Label4");
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
        QCOMPARE(window->childAt(InWindow("Label4", address->rect().center())), address);
        QVERIFY(std::abs(address->y() - line3->y() - layout.lineAt(0).height()) <= 2);
        QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(address->font().underline());
    }

    // Squeezed from 132 × 43 pixels into its control; the JPEG plugin is there at run time.
    void picture() {
        const QImage picture(":/statement/statement-picture.jpg");
        QCOMPARE(picture.size(), QSize(132, 43));
        QCOMPARE(Control(window, "Image1")->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 picture.scaled(116, 43, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32));
    }

    // Only a left click on the picture or on the address opens the home page, for this window;
    // the window stays open.
    void links() {
        QWindow* handle = window->windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, InWindow("Image1", QPoint(58, 21)));
        QTest::mouseClick(handle, Qt::LeftButton, {}, InWindow("Label4", QPoint(10, 6)));
        QTest::mouseClick(handle, Qt::RightButton, {}, InWindow("Label4", QPoint(10, 6)));
        QTest::mouseClick(handle, Qt::LeftButton, {}, InWindow("Label1(1)", QPoint(40, 18)));
        QCOMPARE(shellCalls, QList<ShellCall>(2, HomePageCall(window->winId())));
        QCOMPARE(OpenStatementWindows(), QList<Form2*>{window});
    }

    // Space on 确定 and the close box close the window; opened again at once, before the closed
    // one is gone, it is built anew as it was. There is no default or cancel button.
    void closing_data() {
        QTest::addColumn<QString>("key");
        Row("Space on 确定", "Space");
        Row("close box", "");
        Row("Return", "Return");
        Row("Escape", "Esc");
    }
    void closing() {
        QFETCH(QString, key);
        const QImage shot = window->grab().toImage();
        const QPointer<Form2> closing = window;
        if (key.isEmpty()) {
            QCloseEvent closeBox;
            QApplication::sendEvent(window->windowHandle(), &closeBox);
        } else {
            QTest::keyClick(Control(window, "Command1"), QKeySequence(key)[0].key());
        }
        QCOMPARE(window->isVisible(), key == "Return" || key == "Esc");
        if (!window->isVisible()) {
            window = Form2::Open();
            QVERIFY(window != closing);
            QTRY_VERIFY(closing.isNull());
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(window->grab().toImage(), shot);
        }
        QCOMPARE(QApplication::focusWidget(), Control(window, "Command1"));
        QCOMPARE(OpenStatementWindows(), QList<Form2*>{window});
    }

    // Opened and closed a thousand times: once Qt has deleted what was closed, no window or widget
    // is left.
    void openCloseCycles() {
        CloseStatementWindows();
        const auto counts = [] {
            return QList{QApplication::topLevelWidgets().size(), QApplication::allWidgets().size(),
                         QGuiApplication::allWindows().size()};
        };
        const auto before = counts();
        for (int cycle = 0; cycle < 1000; ++cycle) {
            const QPointer<Form2> statement = Form2::Open();
            QCoreApplication::processEvents(); // shown and painted
            QCOMPARE(OpenStatementWindows(), QList<Form2*>{statement});
            QTest::mouseClick(Control(statement, "Command1"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(statement.isNull());
        }
        QCoreApplication::processEvents();
        QCOMPARE(counts(), before);
    }

    // Last, for the program's own event loop runs and ends: closing the main window leaves the
    // statement window open, and closing that ends the program.
    void lastWindowEndsTheProgram() {
        Form1 mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QObject steps; // any step left when the loop ends goes with it
        bool stayedOpen = false;
        QTimer::singleShot(0, &steps, [&] {
            mainWindow.close();
            QTimer::singleShot(0, &steps, [&] {
                stayedOpen = window->isVisible() && lastClosed.isEmpty();
                window->close();
            });
        });
        QTimer::singleShot(10000, &steps, [] { QCoreApplication::exit(1); }); // should it not end
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(stayedOpen);
        QCOMPARE(lastClosed.count(), 1);
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
