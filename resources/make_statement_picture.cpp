// Draws the statement window's picture: the maker's name lettered on a plain band, written as a
// baseline JPEG of 132 × 43 pixels at 96 dpi. The output, statement-picture.jpg, is committed; run
// this again only to change the picture:
//
//   c++ -std=c++20 -fPIC make_statement_picture.cpp $(pkg-config --cflags --libs Qt6Gui) \
//       -o /tmp/make_statement_picture
//   QT_QPA_PLATFORM=offscreen /tmp/make_statement_picture statement-picture.jpg
//
// The lettering uses DejaVu Sans and AR PL UMing CN (fonts-dejavu-core, fonts-arphic-uming).
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_statement_picture OUTPUT.jpg\n");
        return 2;
    }

    QImage picture(132, 43, QImage::Format_RGB32);
    // 96 dots per inch; the JPEG writer turns dots per metre back into dots per inch.
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);

    const QColor band(28, 78, 128);
    const QColor rule(214, 170, 60);
    picture.fill(band);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // A thin gold rule near the top and bottom edges frames the name.
    painter.fillRect(0, 3, 132, 2, rule);
    painter.fillRect(0, 38, 132, 2, rule);

    QFont font;
    font.setFamilies({"DejaVu Sans", "AR PL UMing CN"});
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 5, 132, 33), Qt::AlignCenter, QStringLiteral("Kestrune软件"));
    painter.end();

    QImageWriter writer(argv[1], "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(picture)) {
        std::fprintf(stderr, "make_statement_picture: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
