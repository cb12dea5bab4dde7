#include "icon.hpp"

#include <array>

namespace kadenzo {
namespace {

// The four palette entries the icon uses; every other pixel is transparent.
constexpr QRgb black = 0xff000000;
constexpr QRgb lightGrey = 0xffc0c0c0;
constexpr QRgb yellow = 0xffffff00;
constexpr QRgb cyan = 0xff00ffff;

// A filled rectangle, corners inclusive. Later rectangles paint over earlier ones.
struct Patch {
    int left;
    int top;
    int right;
    int bottom;
    QRgb colour;
};

constexpr int keySize = 3;
constexpr std::array keyColumns{8, 12, 16, 20};
constexpr std::array keyRows{9, 13, 17, 21};

// Body and outline first, then the display; the keys of the 4 x 4 grid follow, and last the keys
// that break the grid: the tall key over the grid's bottom-right one, the wide and the last key
// of the bottom row.
constexpr std::array bodyAndDisplay{
    Patch{6, 1, 24, 28, cyan},   Patch{6, 29, 23, 29, cyan},    // body
    Patch{5, 0, 25, 0, black},   Patch{5, 0, 5, 30, black},     // outline, top and left
    Patch{25, 1, 26, 28, black}, Patch{24, 29, 26, 29, black},  // outline, right
    Patch{5, 30, 26, 30, black}, Patch{6, 31, 25, 31, black},   // outline, bottom
    Patch{8, 3, 22, 7, black},   Patch{10, 5, 21, 6, yellow},   // display
};

constexpr std::array irregularKeys{
    Patch{20, 21, 22, 27, black}, Patch{21, 22, 21, 26, lightGrey},  // tall key
    Patch{8, 25, 14, 27, black},  Patch{9, 26, 13, 26, lightGrey},   // wide key
    Patch{16, 25, 18, 27, black}, Patch{17, 26, 17, 26, lightGrey},  // last key
};

void paint(QImage& image, const Patch& patch) {
    for (int y = patch.top; y <= patch.bottom; ++y) {
        for (int x = patch.left; x <= patch.right; ++x) {
            image.setPixel(x, y, patch.colour);
        }
    }
}

}  // namespace

QImage calculatorIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const Patch& patch : bodyAndDisplay) {
        paint(image, patch);
    }
    for (int top : keyRows) {
        for (int left : keyColumns) {
            paint(image, {left, top, left + keySize - 1, top + keySize - 1, black});
            paint(image, {left + 1, top + 1, left + 1, top + 1, lightGrey});
        }
    }
    for (const Patch& patch : irregularKeys) {
        paint(image, patch);
    }
    return image;
}

}  // namespace kadenzo
