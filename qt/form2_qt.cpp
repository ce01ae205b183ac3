#include "qt/form2_qt.h"

#include "qt/accessible_qt.h"
#include "qt/clickable_label.h"
#include "qt/fonts.h"
#include "qt/geometry.h"
#include "ui/form2_design.h"
#include "ui/open_home_page.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qev {

Form2* Form2::Open() {
    return static_cast<Form2*>(form2::Open([]() -> form2::View* { return new Form2; }));
}

Form2::Form2()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The window has no owner, so the program must go on while it is open after the main window
    // has closed; Qt leaves tool windows out of that count unless told.
    setAttribute(Qt::WA_QuitOnClose);
    BuildControls();
    connect(Command1, &QPushButton::clicked, this, [this] { presenter_.Command1_Click(); });
    connect(Image1, &ClickableLabel::clicked, this, [this] { presenter_.Image1_Click(); });
    connect(Label4, &ClickableLabel::clicked, this, [this] { presenter_.Label4_Click(); });
}

Form2::~Form2() {
    form2::Closed(*this);
}

void Form2::BuildControls() {
    setObjectName("Form2");
    ShowFocusFromTheStart(this);
    setWindowTitle(Q(form2::kTitle));
    setFixedSize(TwipsToPixels(form2::kClientWidth), TwipsToPixels(form2::kClientHeight));
    setFont(SongFont(form2::kSongFacePoints));

    for (const form2::Control& design : form2::kControls) {
        QWidget* control = nullptr;
        switch (design.kind) {
        case form2::Kind::Frame:
            control = Frame1 = new QGroupBox(this);
            break;
        case form2::Kind::StatementLine: {
            // The lines wrap inside their rectangles, drawn from the top as the window system's
            // labels are: lines 1 and 3 take two text lines, 2 and 4 three.
            auto* label = new QLabel(Q(design.text), Frame1);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            (design.index >= 0 ? Label1[static_cast<std::size_t>(design.index)] : Label3) = label;
            control = label;
            break;
        }
        case form2::Kind::Address: {
            control = Label4 = new ClickableLabel(Q(design.text), Frame1);
            Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            QFont font = SongFont(form2::kSongFacePoints);
            font.setUnderline(true);
            Label4->setFont(font);
            QPalette palette = Label4->palette();
            palette.setColor(QPalette::WindowText, QtColour(form2::kAddressColour, palette));
            Label4->setPalette(palette);
            Label4->setCursor(Qt::PointingHandCursor);
            break;
        }
        case form2::Kind::Picture:
            control = Image1 = new ClickableLabel(QString(), this);
            Image1->setPixmap(QPixmap(":/statement/statement-picture.jpg"));
            Image1->setScaledContents(true); // 132 pixels wide, squeezed into 116
            Image1->setCursor(Qt::PointingHandCursor);
            break;
        case form2::Kind::Button:
            control = Command1 = new QPushButton(Q(design.text), this);
            // No default button: Enter and Space press it only while it has the focus.
            Command1->setAutoDefault(true);
            break;
        }
        control->setObjectName(QString::fromLatin1(design.name.data(), design.name.size()));
        if (design.index >= 0) {
            control->setProperty("index", design.index);
        }
        MakeAccessible(control, "Form2", design.name, design.index);
        control->setGeometry(PixelRect(design.place));
    }
    Command1->setFocus();
}

void Form2::closeEvent(QCloseEvent* event) {
    form2::Closed(*this); // the next opening builds the window anew, before Qt deletes this one
    QWidget::closeEvent(event);
}

void Form2::ShowRestoredInFront() {
    showNormal(); // a minimised window would stay minimised with show()
    raise();
    activateWindow();
}

void Form2::Close() {
    close();
}

void Form2::OpenHomePage() {
    qev::OpenHomePage(static_cast<NativeWindow>(winId()));
}

} // namespace qev
