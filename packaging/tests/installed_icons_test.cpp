// The installed icon PNGs: each size a whole multiple of 32, each pixel of the 32 x 32 drawing a
// sharp square block. The expected colours are read off the drawing by hand.
#include <QImage>
#include <QTest>

namespace {

constexpr QRgb black = 0xff000000;
constexpr QRgb lightGrey = 0xffc0c0c0;
constexpr QRgb yellow = 0xffffff00;
constexpr QRgb cyan = 0xff00ffff;
constexpr QRgb transparent = 0x00000000;

struct Pixel {
    int x;
    int y;
    QRgb colour;
};

// A few pixels of the 32 x 32 drawing.
constexpr Pixel drawing[] = {
    {0, 0, transparent},   // outside the calculator
    {5, 0, black},         // outline, top left corner
    {26, 0, transparent},  // beside the top outline
    {6, 1, cyan},          // body, top left
    {26, 28, black},       // the two-pixel outline at the right
    {24, 29, black},       // the corner where the right outline turns
    {23, 29, cyan},        // last body row, one short
    {5, 31, transparent},  // below the left outline
    {25, 31, black},       // bottom outline, last pixel
    {9, 4, black},         // display frame
    {10, 5, yellow},       // display
    {21, 6, yellow},       // display, last pixel
    {9, 10, lightGrey},    // centre of the top-left key
    {10, 10, black},       // its right edge
    {11, 10, cyan},        // the gap between keys
    {21, 22, lightGrey},   // the tall key's centre line, top
    {21, 26, lightGrey},   // and bottom
    {20, 24, black},       // the tall key's left edge, where the grid had a gap
    {13, 26, lightGrey},   // the wide key's centre line, right end
    {11, 25, black},       // the wide key's top edge, over the old gap
    {17, 26, lightGrey},   // the last key's centre
    {30, 30, transparent},
};

class InstalledIcons : public QObject {
    Q_OBJECT

private slots:
    void drawnSharpAtEverySize_data() {
        QTest::addColumn<int>("side");
        for (const int side : {32, 64, 96, 128, 256}) {
            QTest::addRow("%dx%d", side, side) << side;
        }
    }

    void drawnSharpAtEverySize() {
        QFETCH(int, side);
        const QString theme = qEnvironmentVariable("KADENZO_ICON_THEME");
        QVERIFY2(!theme.isEmpty(), "KADENZO_ICON_THEME names the installed hicolor folder");
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(theme)
                                 .arg(side)
                                 .arg(qEnvironmentVariable("KADENZO_APP_ID"));
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(side, side));

        const int scale = side / 32;
        for (const Pixel& pixel : drawing) {
            // Every pixel of the block, corners included, has the drawing's colour.
            for (const int dx : {0, scale - 1}) {
                for (const int dy : {0, scale - 1}) {
                    const QRgb found = image.pixel(pixel.x * scale + dx, pixel.y * scale + dy);
                    const QRgb expected = pixel.colour;
                    QVERIFY2(qAlpha(found) == qAlpha(expected) &&
                                 (qAlpha(expected) == 0 || found == expected),
                             qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                            .arg(pixel.x)
                                            .arg(pixel.y)
                                            .arg(found, 8, 16)
                                            .arg(expected, 8, 16)));
                }
            }
        }
    }
};

}  // namespace

QTEST_APPLESS_MAIN(InstalledIcons)
#include "installed_icons_test.moc"
