#pragma once

#include <QGroupBox>

namespace kadenzo {

// A frame: an etched 3-D rectangle whose caption, if any, breaks the top line at the left.
// Children are placed from the frame's outer top-left corner and clipped to its rectangle.
// It is a group box so that screen readers announce it as a group named by its caption.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kadenzo
