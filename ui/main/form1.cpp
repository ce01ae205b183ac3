#include "ui/main/form1.h"

#include "currency/currency_table.h"
#include "engine/amount_input.h"
#include "engine/case_styles.h"
#include "ui/clickable_label.h"
#include "ui/fonts.h"
#include "ui/maker.h"
#include "ui/statement/form2.h"
#include "ui/statement/open_home_page.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <limits>

namespace qev {

namespace {

// The client area, and the frame the design assumes around it. Sizes in the resize rule are outer
// sizes, worked out with this frame whatever the window system draws, so the layout is the same
// on every platform.
constexpr int kClientWidth = 8160;
constexpr int kClientHeight = 3270;
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 510;

constexpr int kMinOuterWidth = 3000;
constexpr int kMinOuterHeight = 3780;
constexpr int kText1WidthOffset = 4665;
constexpr int kCombo1LeftOffset = 3840;
constexpr int kText2WidthOffset = 945;
constexpr int kText2HeightOffset = 1470;

constexpr int kStatusBarHeight = 375;
constexpr int kStatusPanelWidth = 7860;
constexpr int kStatusNoteMilliseconds = 3000;

QString ResultText(const QString& amount, const SelectedCurrency& currency) {
    return QString::fromStdU16String(AmountToWords(amount.toStdU16String(), currency).text);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    BuildControls();
    ConnectHandlers();
    Form_Load();
}

void Form1::BuildControls() {
    setObjectName("Form1");
    setWindowTitle("QEV英文金额大写转换工具");
    // Read by Qt's own PNG reader: left to guess the format, QImageReader first loads every
    // image format plugin in case one claims PNG: libraries the window never uses.
    QIcon icon;
    for (const char* file : {":/icons/qev-16.png", ":/icons/qev-32.png", ":/icons/qev-48.png"}) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    setWindowIcon(icon);

    auto* client = new QWidget(this);
    setCentralWidget(client);

    // Captions first, so that every control lies above them where they overlap, as Combo1 does
    // over Label1 in a very narrow window; the rest in the design's order.
    Label1 = new QLabel("输入", client);
    Label1->setObjectName("Label1");
    Label1->setGeometry(TwipsRect(120, 120, 420, 210));
    Label1->setFont(SongFont());

    Label2 = new QLabel("输出", client);
    Label2->setObjectName("Label2");
    Label2->setGeometry(TwipsRect(120, 540, 420, 210));
    Label2->setFont(SongFont());

    Picture1 = new QWidget(client);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(TwipsRect(0, 2280, 645, 600));
    Picture1->setMouseTracking(true);

    Label3 = new QLabel("声明", Picture1);
    Label3->setObjectName("Label3");
    Label3->setGeometry(TwipsRect(120, 200, 420, 210));
    QFont linkFont = SongFont();
    linkFont.setUnderline(true);
    Label3->setFont(linkFont);
    SetLabel3Colour(Label3->palette().color(QPalette::ButtonText));
    Label3->setMouseTracking(true);

    const std::array<const char*, 3> captions = {"ABC", "Abc", "abc"};
    const std::array<int, 3> tops = {840, 1320, 1800};
    for (int index = 2; index >= 0; --index) {
        auto* button = new QPushButton(captions[index], client);
        button->setObjectName("Command1");
        button->setProperty("index", index);
        button->setGeometry(TwipsRect(120, tops[index], 495, 375));
        Command1[index] = button;
    }

    // QPlainTextEdit keeps lines as paragraphs: the Result text's CR LF becomes one paragraph
    // break and reads back as LF, so the user sees two lines and the case styles keep them
    // (neither treats a line break as a space). Copying out gives the platform's line breaks.
    Text2 = new QPlainTextEdit("Text2\r\n", client);
    Text2->setObjectName("Text2");
    Text2->setGeometry(TwipsRect(720, 540, 7335, 2295));
    Text2->setFont(SongFont());
    Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text2->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setTabChangesFocus(true);

    // No maximum length on the box itself, not even Qt's default of 32,767: it would cut a paste
    // before cleaning and could drop the decimals of "Total USD 1,234.56", or the digits at the
    // end of a long document. Text1_Change applies the limit to the cleaned text.
    Text1 = new QLineEdit("Text1", client);
    Text1->setObjectName("Text1");
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text1->setGeometry(TwipsRect(720, 120, 3615, 330));
    Text1->setFont(SongFont());

    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setFixedHeight(TwipsToPixels(kStatusBarHeight));
    StatusBar1Panel =
        new ClickableLabel("Kestrune软件出品 " + kMakerWebAddress.toString(), StatusBar1);
    StatusBar1Panel->setObjectName("StatusBar1Panel");
    StatusBar1Panel->setFixedWidth(TwipsToPixels(kStatusPanelWidth));
    StatusBar1->addWidget(StatusBar1Panel);

    // Typing into the field selects nothing: no insertion, no completion, and Return is caught
    // in eventFilter.
    Combo1 = new QComboBox(client);
    Combo1->setObjectName("Combo1");
    Combo1->setGeometry(TwipsRect(4440, 120, 3615, 330));
    Combo1->setFont(SongFont());
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->setEditText("Combo1");
    Combo1->installEventFilter(this);

    setTabOrder(Combo1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1[0]);
    setTabOrder(Command1[0], Command1[1]);
    setTabOrder(Command1[1], Command1[2]);

    setMinimumSize(TwipsToPixels(kMinOuterWidth - kFrameWidth),
                   TwipsToPixels(kMinOuterHeight - kFrameHeight));
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
}

void Form1::ConnectHandlers() {
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text1, &QLineEdit::cursorPositionChanged, this,
            [this](int, int caret) { RememberAmountCaret(caret); });
    // Qt places the caret by analysing its whole paragraph, and unless the paragraph keeps its
    // layout it does so anew at every blink: a 10 MiB line would keep a core busy while the
    // window sits idle. The caret's paragraph keeps it.
    connect(Text2, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { Text2->textCursor().block().layout()->setCacheEnabled(true); });
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        connect(Command1[index], &QPushButton::clicked, this,
                [this, index] { Command1_Click(index); });
    }
    connect(StatusBar1Panel, &ClickableLabel::clicked, this, &Form1::StatusBar1_PanelClick);
    Text1->installEventFilter(this);
    Label3->installEventFilter(this);
    Picture1->installEventFilter(this);
}

void Form1::Form_Load() {
    Combo1->addItem("美元USD");
    Combo1->setCurrentIndex(0);
    Text1->setText(QString());
    Text2->setPlainText(QString());
    LoadCurrencyList();
    Combo1->setFocus();
}

void Form1::LoadCurrencyList() {
    const auto& records = CurrencyRecords();
    CurrencyTable.assign(records.begin(), records.end());
    for (std::size_t i = 0; i < CurrencyTable.size(); ++i) {
        const QString entry = QString::fromStdU16String(ListEntryText(CurrencyTable[i]));
        const int index = static_cast<int>(i);
        if (index < Combo1->count()) {
            Combo1->setItemText(index, entry);
        } else {
            Combo1->addItem(entry);
        }
    }
    Combo1->setCurrentIndex(0);
    Combo1_Click();
}

void Form1::Combo1_Click() {
    const int index = Combo1->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= CurrencyTable.size()) {
        return;
    }
    const auto currency = ReadCurrencyRecord(CurrencyTable[index]);
    if (!currency) {
        return;
    }
    Currency = *currency;
    if (!Text1->text().isEmpty()) {
        Text2->setPlainText(ResultText(Text1->text(), Currency));
    }
}

void Form1::Text1_Change() {
    const QString typed = Text1->text();
    const CleanedAmount cleaned =
        CleanAmountInput(typed.toStdU16String(), static_cast<std::size_t>(Text1->cursorPosition()));

    // An edit whose cleaned text would pass the limit is refused as a whole rather than cut, so a
    // paste never loses the digits at its end; the box goes back to how it was, and the status
    // bar says why.
    if (cleaned.text.size() > kAmountBoxMaxLength) {
        const QSignalBlocker blocker(Text1);
        Text1->setText(acceptedAmount_);
        Text1->setCursorPosition(acceptedCaret_);
        QApplication::beep();
        const QString limit = QString("金额最多%1个字符").arg(kAmountBoxMaxLength);
        ShowStatusNote(amountTyped_ ? limit : limit + "，未粘贴");
        return;
    }

    const QString amount = QString::fromStdU16String(cleaned.text);
    if (amount != typed) {
        // Runs this handler again, nested, on the clean text, which converts it; the caret then
        // goes back among the characters the user was typing at.
        Text1->setText(amount);
        Text1->setCursorPosition(static_cast<int>(cleaned.caret));
        return;
    }

    acceptedAmount_ = amount;
    acceptedCaret_ = Text1->cursorPosition();
    Text2->setPlainText(amount.isEmpty() ? QString() : ResultText(amount, Currency));
}

void Form1::RememberAmountCaret(int caret) {
    // Caret moves within the accepted text; those of an edit are taken when Text1_Change accepts
    // it.
    if (Text1->text() == acceptedAmount_) {
        acceptedCaret_ = caret;
    }
}

void Form1::ShowStatusNote(const QString& text) {
    StatusBar1->showMessage(text, kStatusNoteMilliseconds);
}

void Form1::Command1_Click(int index) {
    static constexpr std::array<CaseStyle, 3> styles = {CaseStyle::Upper, CaseStyle::Title,
                                                        CaseStyle::Lower};
    if (index < 0 || index >= static_cast<int>(styles.size())) {
        return;
    }
    // The raw text, as the box holds it: toPlainText would turn a no-break space into a space,
    // which the word-capital style takes as a word break. Paragraphs are parted by U+2029, which
    // no style changes and setPlainText reads back as a line break.
    const std::u16string text = Text2->document()->toRawText().toStdU16String();
    Text2->setPlainText(QString::fromStdU16String(ApplyCaseStyle(text, styles[index])));
}

void Form1::Label3_MouseMove() {
    SetLabel3Italic(true);
    SetLabel3Colour(QColor(0, 0, 255));
}

void Form1::Label3_MouseDown(int button) {
    if (button == Qt::LeftButton) {
        SetLabel3Colour(QColor(255, 0, 0));
    }
}

void Form1::Label3_MouseUp() {
    // The statement window opens first and takes the focus; the link then looks as at rest,
    // though the pointer is still over it.
    Form2::Open();
    SetLabel3Colour(Label3->palette().color(QPalette::ButtonText));
    SetLabel3Italic(false);
}

void Form1::Picture1_MouseMove() {
    // Nothing reports the pointer leaving the link; crossing the box around it ends the hover.
    SetLabel3Colour(Label3->palette().color(QPalette::ButtonText));
    SetLabel3Italic(false);
}

void Form1::StatusBar1_PanelClick() {
    OpenHomePage(winId());
}

void Form1::SetLabel3Colour(const QColor& colour) {
    QPalette palette = Label3->palette();
    palette.setColor(QPalette::WindowText, colour);
    Label3->setPalette(palette);
}

void Form1::SetLabel3Italic(bool italic) {
    QFont font = Label3->font();
    font.setItalic(italic);
    Label3->setFont(font);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize() {
    const auto outerWidth = [this] { return width() * kTwipsPerPixel + kFrameWidth; };
    const auto outerHeight = [this] { return height() * kTwipsPerPixel + kFrameHeight; };

    // The window system keeps a minimised, maximised or full-screen window's size.
    const bool sizable =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (sizable && outerHeight() < kMinOuterHeight) {
        resize(width(), TwipsToPixels(kMinOuterHeight - kFrameHeight));
    }
    if (sizable && outerWidth() < kMinOuterWidth) {
        resize(TwipsToPixels(kMinOuterWidth - kFrameWidth), height());
    }

    // Moves that would give a box a negative size are skipped: the box keeps its last size.
    const int w = outerWidth();
    if (w - kText1WidthOffset >= 0) {
        Text1->resize(TwipsToPixels(w - kText1WidthOffset), Text1->height());
    }
    Combo1->move(TwipsToPixels(w - kCombo1LeftOffset), Combo1->y());
    const int h = outerHeight();
    if (w - kText2WidthOffset >= 0 && h - kText2HeightOffset >= 0) {
        Text2->resize(TwipsToPixels(w - kText2WidthOffset), TwipsToPixels(h - kText2HeightOffset));
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Qt's editable combo box takes Return, and leaving the field, as choosing the entry whose
    // text was typed. Only choosing from the list counts here, so the field is set back to the
    // selected entry first, and Return goes no further.
    if (watched == Combo1) {
        const bool isReturn = event->type() == QEvent::KeyPress &&
                              (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (isReturn || event->type() == QEvent::FocusOut) {
            Combo1->setEditText(Combo1->itemText(Combo1->currentIndex()));
        }
        return isReturn;
    }
    // Set by the user's input only: the box's other events (paints, timers, input method queries)
    // tell nothing of where an edit came from.
    if (watched == Text1 && (event->isInputEvent() || event->type() == QEvent::InputMethod ||
                             event->type() == QEvent::Drop)) {
        const bool key = event->type() == QEvent::KeyPress;
        amountTyped_ = (key && !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) ||
                       event->type() == QEvent::InputMethod;
    }
    // The link's mouse events stop at the link: passed on, they would reach Picture1 and undo
    // its looks. A press makes the link receive every move and the release until the button
    // goes up, wherever the pointer is.
    if (watched == Label3) {
        switch (event->type()) {
        case QEvent::MouseMove:
            Label3_MouseMove();
            return true;
        case QEvent::MouseButtonPress:
            // Qt numbers the buttons as the handler does: 1 left, 2 right, 4 middle.
            Label3_MouseDown(static_cast<QMouseEvent*>(event)->button());
            return true;
        case QEvent::MouseButtonRelease:
            Label3_MouseUp();
            return true;
        default:
            break;
        }
    }
    if (watched == Picture1 && event->type() == QEvent::MouseMove) {
        Picture1_MouseMove();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace qev
