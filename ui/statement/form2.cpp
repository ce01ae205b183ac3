#include "ui/statement/form2.h"

#include "ui/clickable_label.h"
#include "ui/fonts.h"
#include "ui/maker.h"
#include "ui/statement/open_home_page.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace qev {

namespace {

constexpr int kClientWidth = 4215;
constexpr int kClientHeight = 3495;
constexpr qreal kFontPoints = 9;

// The window while it is open; cleared as it closes, before Qt gets round to deleting it.
QPointer<Form2> openWindow;

} // namespace

Form2* Form2::Open() {
    if (!openWindow) {
        openWindow = new Form2;
    }
    openWindow->showNormal(); // a minimised window would stay minimised with show()
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

Form2::Form2()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The window has no owner, so the program must go on while it is open after the main window
    // has closed; Qt leaves tool windows out of that count unless told.
    setAttribute(Qt::WA_QuitOnClose);
    BuildControls();
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Image1, &ClickableLabel::clicked, this, &Form2::Image1_Click);
    connect(Label4, &ClickableLabel::clicked, this, &Form2::Label4_Click);
}

void Form2::BuildControls() {
    setObjectName("Form2");
    setWindowTitle("使用说明");
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    setFont(SongFont(kFontPoints));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(TwipsRect(120, 120, 3975, 2535));

    // The lines wrap inside their rectangles, drawn from the top as the window system's labels
    // are: lines 1 and 3 take two text lines, 2 and 4 three.
    const auto statementLine = [this](const char* text, QRect twips) {
        auto* label = new QLabel(QString::fromUtf8(text), Frame1);
        label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    Label1[0] =
        statementLine("1.本软件最多可转换15位数字加两位小数,如超出上述数值,转换结果将会出错。",
                      QRect(120, 240, 3735, 375));
    Label1[2] = statementLine("2.使用本软件转换所得结果前，请务必检查转换结果的正确性。由于转换结果"
                              "错误而造成的任何经济纠纷或损失，责任自负。",
                              QRect(120, 720, 3735, 615));
    Label1[1] = statementLine("3.本软件由Kestrune软件出品，用户可免费下载使用。官方网站： ",
                              QRect(120, 1320, 3735, 495));
    for (int index = 0; index < static_cast<int>(Label1.size()); ++index) {
        Label1[index]->setObjectName("Label1");
        Label1[index]->setProperty("index", index);
    }

    // Built after line 3, so it lies above it. Line 3's second text line ends with "官方网站： "
    // 1,830 twips from the frame's edge (12-pixel full-width and 6-pixel ASCII glyphs): the
    // address starts there, reading as the end of the line, and ends where line 3's label ends.
    Label4 = new ClickableLabel(kMakerWebAddress.toString(), Frame1);
    Label4->setObjectName("Label4");
    Label4->setGeometry(TwipsRect(1830, 1480, 2025, 255));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont linkFont = SongFont(kFontPoints);
    linkFont.setUnderline(true);
    Label4->setFont(linkFont);
    QPalette linkPalette = Label4->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label4->setPalette(linkPalette);
    Label4->setCursor(Qt::PointingHandCursor);

    Label3 =
        statementLine("4.任何组织或个人未经允许不得篡改软件内容或增加广告插件。如有违反，必将受"
                      "到法律许可范围内最大可能的起诉。",
                      QRect(120, 1800, 3735, 615));
    Label3->setObjectName("Label3");

    Image1 = new ClickableLabel(QString(), this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(TwipsRect(120, 2760, 1740, 645));
    Image1->setPixmap(QPixmap(":/statement/statement-picture.jpg"));
    Image1->setScaledContents(true); // 132 pixels wide, squeezed into 116
    Image1->setCursor(Qt::PointingHandCursor);

    Command1 = new QPushButton("确定", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(TwipsRect(2400, 2880, 1095, 375));
    // No default button: Enter does not close the window, Space on the button does.
    Command1->setAutoDefault(false);
    Command1->setFocus();
}

void Form2::Command1_Click() {
    close();
}

void Form2::Image1_Click() {
    OpenHomePage(winId());
}

void Form2::Label4_Click() {
    OpenHomePage(winId());
}

void Form2::closeEvent(QCloseEvent* event) {
    if (openWindow == this) {
        openWindow = nullptr; // the next opening builds the window anew
    }
    QWidget::closeEvent(event);
}

} // namespace qev
