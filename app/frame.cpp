#include "frame.hpp"

#include <qdrawutil.h>
#include <QPainter>
#include <QRegion>

namespace kadenzo {
namespace {
// Where the caption starts, and the gap it keeps from the broken line on either side.
constexpr int captionLeft = 6;
constexpr int captionGap = 2;
}  // namespace

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect border = rect();
    const QString caption = title();
    if (!caption.isEmpty()) {
        const QFontMetrics metrics(font());
        const QRect captionRect(captionLeft, 0, metrics.horizontalAdvance(caption) + 2 * captionGap,
                                metrics.height());
        border.setTop(metrics.height() / 2);
        painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
        painter.setClipRegion(QRegion(rect()).subtracted(captionRect));
    }
    // A sunken shade of one line is the etched look: a dark line with a light one inside it.
    qDrawShadeRect(&painter, border, palette(), true, 1, 0);
}

}  // namespace kadenzo
