// The statement window as the user meets it: the address at the end of line 3, the links, opening
// and closing it, and the program's end when its last window closes.
#include "tests/table_row.h"
#include "tests/ui/statement_support.h"
#include "ui/main/form1_qt.h"
#include "ui/qt/fonts.h"
#include "ui/statement/form2_design.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTextLayout>
#include <QTimer>

using namespace qev;

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

    // Every control found by its design name, at its design place.
    void controlsAtDesignPlaces() {
        for (const form2::Control& design : form2::kControls) {
            const QString name = QString::fromLatin1(design.name.data(), design.name.size());
            QWidget* control = Control(
                window, design.index < 0 ? name : QString("%1(%2)").arg(name).arg(design.index));
            QVERIFY2(control, qPrintable(name));
            const TwipsRect twips = design.place;
            const auto pixels = [](int twips) { return (twips + 7) / 15; }; // to the nearest
            QCOMPARE(control->geometry(), QRect(pixels(twips.left), pixels(twips.top),
                                                pixels(twips.width), pixels(twips.height)));
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
        for (QWidget* label : {line3, address}) { // both drawn from their tops, so they read level
            QCOMPARE(qobject_cast<QLabel*>(label)->alignment(), Qt::AlignLeft | Qt::AlignTop);
        }
        QCOMPARE(address->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(address->font().underline());
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

    // Opened again while open, minimised, the one window comes back restored.
    void openedAgain() {
        window->showMinimized();
        QCOMPARE(Form2::Open(), window.data());
        QCOMPARE(window->windowState(), Qt::WindowNoState);
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
