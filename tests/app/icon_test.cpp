// The calculator icon, pixel by pixel, against a drawing made by hand from its pixel table:
// '.' transparent, 'K' black, 'c' cyan, 'y' yellow, 'g' light grey.

#include <QTest>

#include "icon.hpp"

namespace {

const char* const expected[32] = {
    ".....KKKKKKKKKKKKKKKKKKKKK......", ".....KcccccccccccccccccccKK.....",
    ".....KcccccccccccccccccccKK.....", ".....KccKKKKKKKKKKKKKKKccKK.....",
    ".....KccKKKKKKKKKKKKKKKccKK.....", ".....KccKKyyyyyyyyyyyyKccKK.....",
    ".....KccKKyyyyyyyyyyyyKccKK.....", ".....KccKKKKKKKKKKKKKKKccKK.....",
    ".....KcccccccccccccccccccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KccKgKcKgKcKgKcKgKccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KcccccccccccccccccccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KccKgKcKgKcKgKcKgKccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KcccccccccccccccccccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KccKgKcKgKcKgKcKgKccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KcccccccccccccccccccKK.....", ".....KccKKKcKKKcKKKcKKKccKK.....",
    ".....KccKgKcKgKcKgKcKgKccKK.....", ".....KccKKKcKKKcKKKcKgKccKK.....",
    ".....KccccccccccccccKgKccKK.....", ".....KccKKKKKKKcKKKcKgKccKK.....",
    ".....KccKgggggKcKgKcKgKccKK.....", ".....KccKKKKKKKcKKKcKKKccKK.....",
    ".....KcccccccccccccccccccKK.....", ".....KccccccccccccccccccKKK.....",
    ".....KKKKKKKKKKKKKKKKKKKKKK.....", "......KKKKKKKKKKKKKKKKKKKK......",
};

char symbol(QRgb pixel) {
    if (qAlpha(pixel) == 0) {
        return '.';
    }
    switch (pixel) {
        case 0xff000000:
            return 'K';
        case 0xff00ffff:
            return 'c';
        case 0xffffff00:
            return 'y';
        case 0xffc0c0c0:
            return 'g';
        default:
            return '?';
    }
}

}  // namespace

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void pixelsAsDrawn();
};

void IconTest::pixelsAsDrawn() {
    const QImage icon = kadenzo::calculatorIcon().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        QByteArray row;
        for (int x = 0; x < 32; ++x) {
            row += symbol(icon.pixel(x, y));
        }
        QCOMPARE(row, QByteArray(expected[y]));
    }
}

QTEST_APPLESS_MAIN(IconTest)
#include "icon_test.moc"
