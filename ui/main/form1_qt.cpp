#include "ui/main/form1_qt.h"

#include "currency/currency_table.h"
#include "engine/amount_input.h"
#include "ui/main/form1_design.h"
#include "ui/qt/clickable_label.h"
#include "ui/qt/fonts.h"
#include "ui/qt/geometry.h"
#include "ui/statement/form2_qt.h"
#include "ui/statement/open_home_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <limits>

namespace qev {

namespace {

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
    setWindowTitle(Q(form1::kTitle));
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
    for (const form1::Control& design : form1::kControls) {
        QWidget* control = nullptr;
        switch (design.kind) {
        case form1::Kind::Label: {
            auto* label = new QLabel(Q(design.text), design.name == "Label3" ? Picture1 : client);
            (design.name == "Label1" ? Label1 : design.name == "Label2" ? Label2 : Label3) = label;
            control = label;
            break;
        }
        case form1::Kind::PictureBox:
            control = Picture1 = new QWidget(client);
            break;
        case form1::Kind::Button:
            control = Command1[static_cast<std::size_t>(design.index)] =
                new QPushButton(Q(design.text), client);
            break;
        case form1::Kind::ResultBox:
            // QPlainTextEdit keeps lines as paragraphs: the Result text's CR LF becomes one
            // paragraph break and reads back as LF, so the user sees two lines and the case
            // styles keep them (neither treats a line break as a space). Copying out gives the
            // platform's line breaks.
            control = Text2 = new QPlainTextEdit(Q(design.text), client);
            Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            Text2->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            Text2->setTabChangesFocus(true);
            break;
        case form1::Kind::AmountBox:
            // No maximum length on the box itself, not even Qt's default of 32,767: it would cut
            // a paste before cleaning and could drop the decimals of "Total USD 1,234.56", or the
            // digits at the end of a long document. Text1_Change applies the limit to the clean
            // text.
            control = Text1 = new QLineEdit(Q(design.text), client);
            Text1->setMaxLength(std::numeric_limits<int>::max());
            break;
        case form1::Kind::StatusBar:
            control = StatusBar1 = statusBar();
            StatusBar1->setFixedHeight(TwipsToPixels(design.place.height));
            StatusBar1Panel = new ClickableLabel(Q(form1::StatusPanelText()), StatusBar1);
            StatusBar1Panel->setObjectName("StatusBar1Panel");
            StatusBar1Panel->setFixedWidth(TwipsToPixels(form1::kStatusPanelWidth));
            StatusBar1->addWidget(StatusBar1Panel);
            break;
        case form1::Kind::CurrencyList:
            // Typing into the field selects nothing: no insertion, no completion, and Return is
            // caught in eventFilter.
            control = Combo1 = new QComboBox(client);
            Combo1->setEditable(true);
            Combo1->setInsertPolicy(QComboBox::NoInsert);
            Combo1->setCompleter(nullptr);
            Combo1->setEditText(Q(design.text));
            Combo1->installEventFilter(this);
            break;
        }
        control->setObjectName(QString::fromLatin1(design.name.data(), design.name.size()));
        if (design.index >= 0) {
            control->setProperty("index", design.index);
        }
        if (design.kind != form1::Kind::StatusBar) {
            control->setGeometry(PixelRect(design.place));
        }
        if (design.songFace) {
            QFont font = SongFont(form1::kSongFacePoints);
            font.setUnderline(design.underline);
            control->setFont(font);
        }
    }
    Picture1->setMouseTracking(true);
    Label3->setMouseTracking(true);
    SetLabel3Look(kLinkAtRest);

    setTabOrder(Combo1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1[0]);
    setTabOrder(Command1[0], Command1[1]);
    setTabOrder(Command1[1], Command1[2]);

    setMinimumSize(TwipsToPixels(form1::kMinOuterWidth - form1::kAssumedFrameWidth),
                   TwipsToPixels(form1::kMinOuterHeight - form1::kAssumedFrameHeight));
    resize(TwipsToPixels(form1::kClientWidth), TwipsToPixels(form1::kClientHeight));
}

void Form1::ConnectHandlers() {
    // The wording alone to the clipboard: an entry after the result box's own, and its key in
    // both boxes.
    CopyWordingAction = new QAction(Q(form1::kCopyWordingCaption), this);
    CopyWordingAction->setObjectName("CopyWording");
    CopyWordingAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(CopyWordingAction, &QAction::triggered, this, &Form1::CopyWording);
    Text2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text2, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        QMenu* menu = Text2->createStandardContextMenu(at);
        menu->addSeparator();
        CopyWordingAction->setEnabled(ResultBoxWording().has_value());
        menu->addAction(CopyWordingAction);
        menu->exec(Text2->viewport()->mapToGlobal(at));
        delete menu;
        CopyWordingAction->setEnabled(true); // the key beeps when there is nothing to copy
    });
    for (QWidget* box : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)}) {
        auto* key =
            new QShortcut(CopyWordingAction->shortcut(), box, nullptr, nullptr, Qt::WidgetShortcut);
        connect(key, &QShortcut::activated, this, &Form1::CopyWording);
    }

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
    Text2->document()->setPlainText(QString());
    LoadCurrencyList();
    Combo1->setFocus();
}

void Form1::LoadCurrencyList() {
    const auto& records = CurrencyRecords();
    CurrencyTable.assign(records.begin(), records.end());
    // Entries that exist are overwritten (start-up's placeholder); the rest are added in one go.
    QStringList added;
    for (std::size_t i = 0; i < CurrencyTable.size(); ++i) {
        const QString entry = QString::fromStdU16String(ListEntryText(i));
        if (static_cast<int>(i) < Combo1->count()) {
            Combo1->setItemText(static_cast<int>(i), entry);
        } else {
            added << entry;
        }
    }
    Combo1->addItems(added);
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
        Text2->document()->setPlainText(ResultText(Text1->text(), Currency));
    }
}

void Form1::Text1_Change() {
    const QString typed = Text1->text();
    const form1::AmountEdit edit = form1::EditAmount(
        typed.toStdU16String(), static_cast<std::size_t>(Text1->cursorPosition()), amountTyped_);

    // An edit whose clean text would pass the limit is refused as a whole rather than cut, so a
    // paste never loses the digits at its end; the box goes back to how it was, and the status
    // bar says why.
    if (!edit.refusal.empty()) {
        const QSignalBlocker blocker(Text1);
        Text1->setText(acceptedAmount_);
        Text1->setCursorPosition(acceptedCaret_);
        QApplication::beep();
        ShowStatusNote(Q(edit.refusal));
        return;
    }

    const QString amount = QString::fromStdU16String(edit.text);
    if (amount != typed) {
        // Runs this handler again, nested, on the clean text, which converts it; the caret then
        // goes back among the characters the user was typing at.
        Text1->setText(amount);
        Text1->setCursorPosition(static_cast<int>(edit.caret));
        return;
    }

    acceptedAmount_ = amount;
    acceptedCaret_ = Text1->cursorPosition();
    // Through the document: the box's own setPlainText lays the new text out twice.
    Text2->document()->setPlainText(amount.isEmpty() ? QString() : ResultText(amount, Currency));
}

void Form1::RememberAmountCaret(int caret) {
    // Caret moves within the accepted text; those of an edit are taken when Text1_Change accepts
    // it.
    if (Text1->text() == acceptedAmount_) {
        acceptedCaret_ = caret;
    }
}

void Form1::ShowStatusNote(const QString& text) {
    StatusBar1->showMessage(text, form1::kStatusNoteMilliseconds);
}

std::optional<std::u16string> Form1::ResultBoxWording() const {
    // The raw text, as the box holds it, its paragraphs parted by U+2029.
    const std::u16string text = Text2->document()->toRawText().toStdU16String();
    const auto wording = WordingOf(text);
    return wording ? std::optional<std::u16string>(*wording) : std::nullopt;
}

void Form1::CopyWording() {
    const std::optional<std::u16string> wording = ResultBoxWording();
    if (!wording) {
        QApplication::beep();
        return;
    }
    const QString text = QString::fromStdU16String(*wording);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->supportsSelection()) {
        clipboard->setText(text, QClipboard::Selection); // as terminals paste it
    }
    const QString note = Q(form1::kCopiedNote) + text;
    ShowStatusNote(StatusBar1->fontMetrics().elidedText(note, Qt::ElideRight,
                                                        TwipsToPixels(form1::kStatusPanelWidth)));
}

void Form1::Command1_Click(int index) {
    const std::optional<CaseStyle> style = form1::CaseButtonStyle(index);
    if (!style) {
        return;
    }
    // The raw text, as the box holds it: toPlainText would turn a no-break space into a space,
    // which the word-capital style takes as a word break. Paragraphs are parted by U+2029, which
    // no style changes and setPlainText reads back as a line break.
    const std::u16string text = Text2->document()->toRawText().toStdU16String();
    Text2->document()->setPlainText(QString::fromStdU16String(ApplyCaseStyle(text, *style)));
}

void Form1::Label3_MouseMove() {
    SetLabel3Look(kLinkHovered);
}

void Form1::Label3_MouseDown(int button) {
    // Qt numbers the buttons as the design does: 1 left, 2 right, 4 middle.
    SetLabel3Look(LinkPressed(label3Look_, button));
}

void Form1::Label3_MouseUp() {
    // The statement window opens first and takes the focus; the link then looks as at rest,
    // though the pointer is still over it.
    Form2::Open();
    SetLabel3Look(kLinkAtRest);
}

void Form1::Picture1_MouseMove() {
    // Nothing reports the pointer leaving the link; crossing the box around it ends the hover.
    SetLabel3Look(kLinkAtRest);
}

void Form1::StatusBar1_PanelClick() {
    OpenHomePage(static_cast<NativeWindow>(winId()));
}

void Form1::SetLabel3Look(LinkLook look) {
    label3Look_ = look;
    QPalette palette = Label3->palette();
    palette.setColor(QPalette::WindowText, QtColour(look.colour, palette));
    Label3->setPalette(palette);
    QFont font = Label3->font();
    font.setItalic(look.italic);
    Label3->setFont(font);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize() {
    // Outer sizes with the frame the design assumes, whatever the window system draws, so the
    // layout is the same on every desktop.
    const auto outerWidth = [this] { return PixelsToTwips(width()) + form1::kAssumedFrameWidth; };
    const auto outerHeight = [this] {
        return PixelsToTwips(height()) + form1::kAssumedFrameHeight;
    };

    // The window system keeps a minimised, maximised or full-screen window's size.
    const bool sizable =
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (sizable && outerHeight() < form1::kMinOuterHeight) {
        resize(width(), TwipsToPixels(form1::kMinOuterHeight - form1::kAssumedFrameHeight));
    }
    if (sizable && outerWidth() < form1::kMinOuterWidth) {
        resize(TwipsToPixels(form1::kMinOuterWidth - form1::kAssumedFrameWidth), height());
    }

    const form1::Layout layout = form1::LayOut(outerWidth(), outerHeight());
    if (layout.text1Width) {
        Text1->resize(TwipsToPixels(*layout.text1Width), Text1->height());
    }
    Combo1->move(TwipsToPixels(layout.combo1Left), Combo1->y());
    if (layout.text2Width && layout.text2Height) {
        Text2->resize(TwipsToPixels(*layout.text2Width), TwipsToPixels(*layout.text2Height));
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
