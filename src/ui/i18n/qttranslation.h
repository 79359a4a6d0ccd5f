#pragma once

#include <string>

namespace tessaly {

// Qt's own texts (the buttons of the message boxes, the file dialogs, the text fields'
// menus) in the language of the set: Qt's translation for that code, from Qt's
// translations folder, in place of the one loaded before. A code Qt has no translation
// for (English among them) leaves Qt's own English texts.
void LoadQtTranslation(const std::string& languageCode);

} // namespace tessaly
