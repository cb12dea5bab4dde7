// Writes the program's icon files from the one icon image: PNGs for the desktop's icon theme at
// 32 x 32 and at whole multiples of it, each pixel a square block so the pixel art stays sharp,
// and a 16-colour Windows icon.
//
// Usage: kadenzo_icon_files <output folder>
// Writes <folder>/hicolor/<n>x<n>/apps/<name>.png and <folder>/kadenzo.ico.
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <array>
#include <cstdio>

#include "icon.hpp"

namespace {

constexpr const char* iconName = "nl.vuko.kadenzo";
constexpr std::array scales{1, 2, 3, 4, 8};

// The standard 16-colour palette of icons; the image uses black, light grey, yellow and cyan.
constexpr std::array<QRgb, 16> palette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xc0c0c0, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

int paletteIndex(QRgb pixel) {
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        if (palette[i] == (pixel & 0xffffffU)) {
            return i;
        }
    }
    return 0;
}

// A Windows icon with one 32 x 32 image: 4 bits a pixel from the palette above, and a 1-bit mask
// that makes the rest transparent. Rows run bottom-up, as in a Windows bitmap.
QByteArray windowsIcon(const QImage& image) {
    constexpr int size = 32;
    constexpr int colourBytes = size * size / 2;
    constexpr int maskBytes = size * size / 8;
    constexpr int headerBytes = 40;
    constexpr int imageBytes = headerBytes + 16 * 4 + colourBytes + maskBytes;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16{0} << quint16{1} << quint16{1};  // reserved, type icon, one image
    out << quint8{size} << quint8{size} << quint8{16} << quint8{0};
    out << quint16{1} << quint16{4} << quint32{imageBytes} << quint32{6 + 16};
    // The image's bitmap header: its height counts the colour rows and the mask rows.
    out << quint32{headerBytes} << qint32{size} << qint32{2 * size} << quint16{1} << quint16{4};
    out << quint32{0} << quint32{colourBytes + maskBytes} << qint32{0} << qint32{0};
    out << quint32{16} << quint32{0};
    for (const QRgb colour : palette) {
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8{0};
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; x += 2) {
            out << quint8(paletteIndex(image.pixel(x, y)) << 4 |
                          paletteIndex(image.pixel(x + 1, y)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; x += 8) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (qAlpha(image.pixel(x + bit, y)) == 0) {
                    bits |= 0x80 >> bit;
                }
            }
            out << bits;
        }
    }
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage icon = kadenzo::calculatorIcon();
    for (const int scale : scales) {
        const int side = icon.width() * scale;
        const QString path = folder.filePath(
            QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(side).arg(QLatin1String(iconName)));
        const QImage scaled =
            icon.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(QFileInfo(path).path()) || !scaled.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile ico(folder.filePath(QStringLiteral("kadenzo.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(windowsIcon(icon)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico.fileName()));
        return 1;
    }
    return 0;
}
