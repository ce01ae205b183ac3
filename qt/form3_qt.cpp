#include "qt/form3_qt.h"

#include "qt/accessible_qt.h"
#include "qt/clipboard_qt.h"
#include "qt/fonts.h"
#include "qt/geometry.h"
#include "qt/keys_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTextBlock>

#include <functional>

namespace qev {

// The amount column, whose pastes the presenter judges before they reach it: from the keys, the
// menu, a drop or the middle button alike.
class AmountColumn : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void()> pasting; // asks the presenter
    bool allowed = false;          // the presenter's answer

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText()) {
            QPlainTextEdit::insertFromMimeData(source);
        } else if (allowed) {
            // As plain text: Qt's own paste goes through a document fragment, twice as slow for
            // a column of a hundred thousand rows.
            textCursor().insertText(source->text());
            ensureCursorVisible();
        } else {
            pasting();
        }
    }
};

Form3* Form3::Open(const form3::Choices& choices) {
    return static_cast<Form3*>(form3::Open([&]() -> form3::View* { return new Form3(choices); }));
}

void Form3::Follow(const form3::Choices& choices) {
    if (form3::View* open = form3::OpenWindow()) {
        static_cast<Form3*>(open)->presenter_.Follow(choices);
    }
}

Form3::Form3(const form3::Choices& choices) : QWidget(nullptr), presenter_(*this, choices) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] { presenter_.Text1_Change(); });
    Text1->pasting = [this] { presenter_.Text1_Paste(); };
    connect(Text1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int row) { presenter_.Text1_Scroll(static_cast<std::size_t>(row)); });
    connect(Text2->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int row) { presenter_.Text2_Scroll(static_cast<std::size_t>(row)); });
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { presenter_.Check1_Click(on); });
    connect(Command1, &QPushButton::clicked, this, [this] { presenter_.Command1_Click(); });
    for (const KeyBinding& binding : kWindowKeys) {
        if (binding.scope == KeyScope::BatchWindow) {
            const KeyStroke stroke = binding.stroke;
            connect(new QShortcut(SequenceOf(stroke), this), &QShortcut::activated, this,
                    [this, stroke] { presenter_.Form_KeyDown(KeyScope::BatchWindow, stroke); });
        }
    }
    Text1->installEventFilter(this);
    presenter_.Form_Load();
}

Form3::~Form3() {
    form3::Closed(*this);
}

void Form3::BuildControls() {
    setObjectName("Form3");
    ShowFocusFromTheStart(this);
    setWindowTitle(Q(form3::kTitle));
    setFont(SongFont(9));
    resize(TwipsToPixels(form3::kClientWidth), TwipsToPixels(form3::kClientHeight));
    setMinimumSize(TwipsToPixels(form3::kMinClientWidth), TwipsToPixels(form3::kMinClientHeight));
    std::array<QWidget*, form3::kControls.size()> made{};
    for (const form3::Control& design : form3::kControls) {
        QWidget* control = nullptr;
        switch (design.kind) {
        case form3::Kind::Label:
            control = (design.name == "Label1" ? Label1 : Label2) =
                new QLabel(Q(design.text), this);
            break;
        case form3::Kind::AmountColumn:
        case form3::Kind::ResultColumn: {
            // A row a line: no wrapping, so the two columns keep their rows side by side.
            QPlainTextEdit* column = design.kind == form3::Kind::AmountColumn
                                         ? Text1 = new AmountColumn(this)
                                         : Text2 = new QPlainTextEdit(this);
            column->setLineWrapMode(QPlainTextEdit::NoWrap);
            column->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            control = column;
            break;
        }
        case form3::Kind::CheckBox:
            control = Check1 = new QCheckBox(Q(design.text), this);
            break;
        case form3::Kind::Button:
            control = Command1 = new QPushButton(Q(design.text), this);
            break;
        case form3::Kind::StatusBar:
            control = StatusBar1 = new QStatusBar(this);
            StatusBar1->setSizeGripEnabled(false);
            break;
        }
        control->setObjectName(QString::fromLatin1(design.name.data(), design.name.size()));
        MakeAccessible(control, "Form3", design.name);
        control->setGeometry(PixelRect(design.place));
        made[static_cast<std::size_t>(&design - form3::kControls.data())] = control;
    }
    // The result column is the presenter's to write; the clerk reads, selects and copies it.
    Text2->setReadOnly(true);
    Text2->setUndoRedoEnabled(false);
    SetTabOrder(form3::kControls, made);
}

void Form3::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (const form3::Control& design : form3::kControls) {
        auto* control =
            findChild<QWidget*>(QString::fromLatin1(design.name.data(), design.name.size()),
                                Qt::FindDirectChildrenOnly);
        control->setGeometry(
            PixelRect(form3::PlaceIn(design, PixelsToTwips(width()), PixelsToTwips(height()))));
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    form3::Closed(*this); // the next opening builds the window anew, before Qt deletes this one
    QWidget::closeEvent(event);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const KeyStroke stroke = StrokeOf(*static_cast<QKeyEvent*>(event));
        return stroke.key && presenter_.Form_KeyDown(KeyScope::BatchAmounts, stroke);
    }
    return QWidget::eventFilter(watched, event);
}

// The presenter's view on the widgets.

void Form3::ShowRestoredInFront() {
    showNormal();
    raise();
    activateWindow();
    Text1->setFocus();
}

std::u16string Form3::Amounts() const {
    return Text1->toPlainText().toStdU16String();
}

void Form3::ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) {
    QTextDocument* document = Text2->document();
    const QTextBlock from = document->findBlockByNumber(static_cast<int>(first));
    const QTextBlock to = document->findBlockByNumber(static_cast<int>(first + count - 1));
    QTextCursor cursor(document);
    cursor.setPosition(from.position());
    cursor.setPosition(to.position() + to.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(Q(rows));
}

void Form3::ScrollAmountsTo(std::size_t row) {
    Text1->verticalScrollBar()->setValue(static_cast<int>(row));
}

void Form3::ScrollResultsTo(std::size_t row) {
    Text2->verticalScrollBar()->setValue(static_cast<int>(row));
}

void Form3::ShowStatus(std::u16string_view text) {
    StatusBar1->showMessage(Q(text));
}

void Form3::PasteIntoAmounts() {
    Text1->allowed = true;
    Text1->paste();
    Text1->allowed = false;
}

void Form3::Beep() {
    QApplication::beep();
}

std::optional<std::u16string> Form3::ClipboardText() const {
    return qev::ClipboardText();
}

bool Form3::SetClipboardText(std::u16string_view rows) {
    qev::SetClipboardText(rows);
    return true;
}

} // namespace qev
