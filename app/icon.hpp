#pragma once

#include <QImage>

namespace kadenzo {

// The program's icon: a 32 x 32 pocket calculator in four colours of the standard 16-colour
// palette on a transparent ground, built in memory (no image file or format plugin is read).
// The title bar, the desktop files and a Windows icon all take their pixels from here.
QImage calculatorIcon();

}  // namespace kadenzo
