#include "qt/form1_qt.h"

#include "qt/accessible_qt.h"
#include "qt/clickable_label.h"
#include "qt/clipboard_qt.h"
#include "qt/fonts.h"
#include "qt/geometry.h"
#include "qt/keys_qt.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>
#include <limits>

namespace qev {

using form1::Box;

// The currency list, which says when it is about to drop down.
class CurrencyList : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> droppingDown;
    void showPopup() override {
        droppingDown();
        QComboBox::showPopup();
    }
};

// The result box, which asks before a paste or a drop goes in.
class ResultBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<bool(qsizetype length)> inserting;
    // The whole text replaced in one edit, kept out of the box's history, the caret at the start:
    // Qt tells a screen reader of the change once, where the document's own setPlainText tells of
    // a removal and then an insertion (the box's own lays the text out twice besides).
    void SetText(const QString& text) {
        QTextDocument* shown = document();
        shown->setUndoRedoEnabled(false);
        QTextCursor whole(shown);
        whole.select(QTextCursor::Document);
        whole.insertText(text);
        shown->setUndoRedoEnabled(true);
        moveCursor(QTextCursor::Start);
    }

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText() || inserting(source->text().size())) {
            QPlainTextEdit::insertFromMimeData(source);
        }
    }
};

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    BuildControls();
    ConnectHandlers();
    presenter_.Form_Load();
    Combo1->setFocus();
}

void Form1::BuildControls() {
    setObjectName("Form1");
    ShowFocusFromTheStart(this);
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
    std::array<QWidget*, form1::kControls.size()> made{};
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
            // paragraph break and reads back as a line feed, so the user sees two lines and the
            // case styles keep them (neither treats a line break as a space). Copying out gives
            // the platform's line breaks.
            control = Text2 = new ResultBox(Q(design.text), client);
            Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            Text2->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            Text2->setTabChangesFocus(true);
            // A plain box in the frame's grey: the style's sunken panel loses its bottom line at
            // some heights when the desktop scales by a fraction (150%), and the box looks cut
            // by the status bar. Its scroll bar keeps the window's colours.
            Text2->setFrameStyle(QFrame::Box | QFrame::Plain);
            {
                QPalette palette = Text2->palette(), bar = palette;
                for (const auto group :
                     {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    bar.setColor(group, QPalette::WindowText,
                                 bar.color(group, QPalette::WindowText));
                }
                Text2->verticalScrollBar()->setPalette(bar);
                palette.setColor(QPalette::WindowText,
                                 palette.color(QPalette::Window).darker(140).lighter(108));
                Text2->setPalette(palette);
            }
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
            // What is typed into the field counts only as the presenter takes it: no insertion,
            // no completion, and Return is caught in eventFilter.
            control = Combo1 = new CurrencyList(client);
            Combo1->setEditable(true);
            Combo1->setInsertPolicy(QComboBox::NoInsert);
            Combo1->setCompleter(nullptr);
            Combo1->setEditText(Q(design.text));
            break;
        }
        control->setObjectName(QString::fromLatin1(design.name.data(), design.name.size()));
        if (design.index >= 0) {
            control->setProperty("index", design.index);
        }
        MakeAccessible(control, "Form1", design.name, design.index);
        if (design.kind != form1::Kind::StatusBar) {
            control->setGeometry(PixelRect(design.place));
        }
        if (design.songFace) {
            QFont font = SongFont(form1::kSongFacePoints);
            font.setUnderline(design.underline);
            control->setFont(font);
        }
        made[static_cast<std::size_t>(&design - form1::kControls.data())] = control;
    }
    // The parts that are controls of their own in Qt: the list's field, the status bar's panel.
    MakeAccessible(Combo1->lineEdit(), "Form1", "Combo1");
    MakeAccessible(StatusBar1Panel, "Form1", "StatusBar1Panel");
    Picture1->setMouseTracking(true);
    Label3->setMouseTracking(true);
    SetLinkLook(kLinkAtRest);

    SetTabOrder(form1::kControls, made);
    resize(TwipsToPixels(form1::kClientWidth), TwipsToPixels(form1::kClientHeight));
}

void Form1::ConnectHandlers() {
    // The boxes' menus, and the window's keys anywhere in it.
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ShowMenu(Box::Amount, Text1->mapToGlobal(at)); });
    Text2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text2, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ShowMenu(Box::Result, Text2->viewport()->mapToGlobal(at)); });
    for (const KeyBinding& binding : kWindowKeys) {
        if (binding.scope == KeyScope::Window) {
            connect(new QShortcut(SequenceOf(binding.stroke), this), &QShortcut::activated, this,
                    [this, stroke = binding.stroke] {
                        presenter_.Form_KeyDown(KeyScope::Window, stroke);
                    });
        }
    }

    connect(Combo1, &QComboBox::activated, this, [this] { presenter_.Combo1_Click(); });
    Combo1->droppingDown = [this] { presenter_.Combo1_DropDown(); };
    connect(Text1, &QLineEdit::textChanged, this, [this] { presenter_.Text1_Change(); });
    Text2->inserting = [this](qsizetype length) {
        return presenter_.Text2_Insert(static_cast<std::size_t>(length));
    };
    // Qt places the caret by analysing its whole paragraph, and unless the paragraph keeps its
    // layout it does so anew at every blink: a 10 MiB line would keep a core busy while the
    // window sits idle. The caret's paragraph keeps it.
    connect(Text2, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { Text2->textCursor().block().layout()->setCacheEnabled(true); });
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        connect(Command1[index], &QPushButton::clicked, this,
                [this, index] { presenter_.Command1_Click(index); });
    }
    connect(StatusBar1Panel, &ClickableLabel::clicked, this,
            [this] { presenter_.StatusBar1_PanelClick(); });
    for (QObject* control :
         {static_cast<QObject*>(Combo1), static_cast<QObject*>(Text1), static_cast<QObject*>(Text2),
          static_cast<QObject*>(Label3), static_cast<QObject*>(Picture1)}) {
        control->installEventFilter(this);
    }
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    presenter_.Form_Resize();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    // Qt's editable combo box takes Return, and leaving the field, as choosing the entry whose
    // text was typed: the presenter says what the field's text chooses, and Return goes no
    // further.
    if (watched == Combo1) {
        const bool isReturn = key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
        if (isReturn) {
            presenter_.Combo1_EnterPressed();
        } else if (event->type() == QEvent::FocusOut) {
            presenter_.Combo1_LostFocus();
        } else if (event->type() == QEvent::FocusIn) { // once Qt has selected the field's text
            QMetaObject::invokeMethod(
                this, [this] { presenter_.Combo1_GotFocus(); }, Qt::QueuedConnection);
        }
        return isReturn;
    }
    // The menu key opens a box's menu by itself; Shift+F10, Windows' other key for it, needs
    // showing the way here.
    if ((watched == Text1 || watched == Text2) && key && key->key() == Qt::Key_F10 &&
        key->modifiers() == Qt::ShiftModifier) {
        const bool amount = watched == Text1;
        const QPoint caret =
            amount ? Text1->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft()
                   : Text2->viewport()->mapTo(Text2, Text2->cursorRect().bottomLeft());
        ShowMenu(amount ? Box::Amount : Box::Result,
                 static_cast<QWidget*>(watched)->mapToGlobal(caret));
        return true;
    }
    if (watched == Text1) {
        if (key && presenter_.Form_KeyDown(KeyScope::AmountBox, StrokeOf(*key))) {
            return true;
        }
        // The clerk's input only: the box's other events (paints, timers, input method
        // queries) tell nothing of where an edit came from.
        using form1::AmountInput;
        if (key) {
            presenter_.Text1_BeforeEdit(key->matches(QKeySequence::Cut) ? AmountInput::Cut
                                                                        : AmountInput::Key);
        } else if (event->type() == QEvent::InputMethod) {
            presenter_.Text1_BeforeEdit(AmountInput::InputMethodText);
        } else if (event->type() == QEvent::Drop) {
            presenter_.Text1_BeforeEdit(AmountInput::Drop);
        } else if (event->isInputEvent()) {
            presenter_.Text1_BeforeEdit(AmountInput::Other);
        }
    }
    // The link's mouse events stop at the link: passed on, they would reach Picture1 and undo
    // its looks. A press makes the link receive every move and the release until the button
    // goes up, wherever the pointer is.
    if (watched == Label3) {
        switch (event->type()) {
        case QEvent::MouseMove:
            presenter_.Label3_MouseMove();
            return true;
        case QEvent::MouseButtonPress:
            // Qt numbers the buttons as the design does: 1 left, 2 right, 4 middle.
            presenter_.Label3_MouseDown(static_cast<QMouseEvent*>(event)->button());
            return true;
        case QEvent::MouseButtonRelease:
            presenter_.Label3_MouseUp();
            return true;
        case QEvent::Leave:
            presenter_.Label3_MouseLeave();
            return true;
        default:
            break;
        }
    }
    if (watched == Picture1 && event->type() == QEvent::MouseMove) {
        presenter_.Picture1_MouseMove();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::ShowMenu(Box box, QPoint at) {
    QMenu menu;
    AddMenuItems(menu, presenter_.MenuOf(box), box);
    menu.exec(at);
}

void Form1::AddMenuItems(QMenu& menu, const std::vector<form1::MenuItem>& items, Box box) {
    auto* values = new QActionGroup(&menu); // a submenu's checkable entries are one choice
    for (const form1::MenuItem& item : items) {
        if (!item.submenu.empty()) {
            AddMenuItems(*menu.addMenu(Q(item.caption)), item.submenu, box);
        } else if (!item.action) {
            menu.addSeparator();
        } else {
            QAction* action = menu.addAction(Q(item.caption)); // the key after a tab
            action->setEnabled(item.enabled);
            if (item.chosen) {
                action->setCheckable(true);
                action->setChecked(*item.chosen);
                values->addAction(action);
            }
            connect(action, &QAction::triggered, this,
                    [this, box, chosen = *item.action] { presenter_.MenuChosen(box, chosen); });
        }
    }
}

// The presenter's view on the widgets.

std::u16string Form1::Text(Box box) const {
    if (box == Box::Amount) {
        return Text1->text().toStdU16String();
    }
    // The result box's raw text, as it holds it: toPlainText would turn a no-break space into a
    // space, which the word-capital style takes as a word break. Its paragraphs are parted by
    // U+2029, which the rest of the program knows as a line feed.
    std::u16string text = Text2->document()->toRawText().toStdU16String();
    std::replace(text.begin(), text.end(), u'\u2029', u'\n');
    return text;
}

void Form1::SetText(Box box, std::u16string_view text) {
    box == Box::Amount ? Text1->setText(Q(text)) : Text2->SetText(Q(text));
}

form1::Selection Form1::SelectionIn(Box box) const {
    if (box == Box::Result) {
        const QTextCursor cursor = Text2->textCursor();
        return {std::size_t(cursor.anchor()), std::size_t(cursor.position())};
    }
    const auto caret = static_cast<std::size_t>(Text1->cursorPosition());
    const auto start = static_cast<std::size_t>(Text1->selectionStart());
    const std::size_t end = start + static_cast<std::size_t>(Text1->selectedText().size());
    return {!Text1->hasSelectedText() ? caret : caret == start ? end : start, caret};
}

void Form1::SelectAmount(form1::Selection to) {
    Text1->setSelection(static_cast<int>(to.anchor), int(to.caret) - int(to.anchor));
}

void Form1::Edit(Box box, form1::EditCommand command) {
    // Both boxes' own slots, by name; Delete is no slot of either.
    constexpr const char* kSlots[] = {"undo", "redo", "cut", "copy", "paste", "", "selectAll"};
    if (command != form1::EditCommand::Delete) {
        QMetaObject::invokeMethod(box == Box::Amount ? static_cast<QObject*>(Text1) : Text2,
                                  kSlots[static_cast<int>(command)]);
    } else if (box == Box::Amount) {
        Text1->del();
    } else {
        Text2->textCursor().removeSelectedText();
    }
}

bool Form1::CanUndo(Box box) const {
    return box == Box::Amount ? Text1->isUndoAvailable() : Text2->document()->isUndoAvailable();
}

bool Form1::CanRedo(Box box) const {
    return box == Box::Amount ? Text1->isRedoAvailable() : Text2->document()->isRedoAvailable();
}

void Form1::SetCurrencyEntries(const std::vector<std::u16string>& entries) {
    Combo1->clear();
    for (const std::u16string& entry : entries) {
        Combo1->addItem(Q(entry));
    }
}

std::optional<std::size_t> Form1::CurrencyIndex() const {
    const int index = Combo1->currentIndex();
    return index < 0 ? std::nullopt : std::optional<std::size_t>(index);
}

void Form1::SetCurrencyIndex(std::size_t index) {
    Combo1->setCurrentIndex(static_cast<int>(index));
    Combo1->setEditText(Combo1->itemText(static_cast<int>(index)));
}

std::u16string Form1::CurrencyFieldText() const {
    return Combo1->currentText().toStdU16String();
}

void Form1::SelectCurrencyField(form1::Selection selection) {
    QLineEdit* field = Combo1->lineEdit();
    selection.anchor == selection.caret
        ? field->setCursorPosition(static_cast<int>(selection.caret))
        : field->setSelection(static_cast<int>(selection.anchor),
                              int(selection.caret) - int(selection.anchor));
}

void Form1::SetCurrencyDropWidth(int twips) {
    Combo1->view()->setMinimumWidth(TwipsToPixels(twips));
}

int Form1::CurrencyListScreenRoom() const {
    return PixelsToTwips(Combo1->screen()->availableGeometry().right() + 1 -
                         Combo1->mapToGlobal(QPoint()).x());
}

int Form1::TextWidth(std::u16string_view text, form1::TextFont font) const {
    const QWidget* shownIn = font == form1::TextFont::CurrencyList
                                 ? static_cast<const QWidget*>(Combo1->view())
                                 : StatusBar1;
    return PixelsToTwips(shownIn->fontMetrics().horizontalAdvance(Q(text)));
}

int Form1::ScrollBarWidth() const {
    return PixelsToTwips(Combo1->view()->verticalScrollBar()->sizeHint().width());
}

// Outer sizes with the frame the design assumes, whatever the window system draws, so the layout
// is the same on every desktop.
form1::OuterSize Form1::WindowSize() const {
    return {PixelsToTwips(width()) + form1::kAssumedFrameWidth,
            PixelsToTwips(height()) + form1::kAssumedFrameHeight,
            !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)),
            (windowState() & Qt::WindowMinimized) != 0};
}

void Form1::SetWindowSize(int width, int height) {
    resize(TwipsToPixels(width - form1::kAssumedFrameWidth),
           TwipsToPixels(height - form1::kAssumedFrameHeight));
}

void Form1::FocusAmountBox() {
    Text1->setFocus();
}

void Form1::SetMinimumSize(int width, int height) {
    setMinimumSize(TwipsToPixels(width - form1::kAssumedFrameWidth),
                   TwipsToPixels(height - form1::kAssumedFrameHeight));
}

void Form1::PlaceBoxes(const form1::Layout& layout) {
    if (layout.text1Width) {
        Text1->resize(TwipsToPixels(*layout.text1Width), Text1->height());
    }
    Combo1->move(TwipsToPixels(layout.combo1Left), Combo1->y());
    if (layout.text2Width && layout.text2Height) {
        Text2->resize(TwipsToPixels(*layout.text2Width), TwipsToPixels(*layout.text2Height));
    }
}

void Form1::ShowStatusNote(std::u16string_view note) {
    StatusBar1->showMessage(Q(note), form1::kStatusNoteMilliseconds);
}

std::optional<std::u16string> Form1::ClipboardText() const {
    return qev::ClipboardText();
}

bool Form1::SetClipboardText(std::u16string_view text) {
    qev::SetClipboardText(text);
    return true;
}

void Form1::OpenHomePage() {
    // The answer may come after the window has gone.
    qev::OpenHomePage(static_cast<NativeWindow>(winId()), [window = QPointer<Form1>(this)] {
        if (window) {
            window->presenter_.HomePageNotOpened();
        }
    });
}

void Form1::SetLinkLook(LinkLook look) {
    QPalette palette = Label3->palette();
    palette.setColor(QPalette::WindowText, QtColour(look.colour, palette));
    Label3->setPalette(palette);
    QFont font = Label3->font();
    font.setItalic(look.italic);
    Label3->setFont(font);
}

} // namespace qev
