#pragma once

class QApplication;

namespace kadenzo {

// Names the application and its version, and makes the toolkit's own texts (the text boxes'
// context menu, the OK button) Dutch whatever the system's locale: the program is Dutch.
void configureApplication(QApplication& app);

}  // namespace kadenzo
