// Qt's own texts (the buttons of message boxes, the file dialogs, the edit fields' context menus)
// in Japanese, like the rest of the interface, whatever the user's locale.
#pragma once

namespace tessary::res {

// Loads Qt's Japanese translation ("qtbase_ja.qm" in Qt's translations folder) into the
// application. Call once after the QApplication exists. False when the translation is not
// installed; Qt's texts then stay in English.
bool installQtTranslation();

} // namespace tessary::res
