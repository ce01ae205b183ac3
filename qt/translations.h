// Qt's own texts in the windows, such as the text boxes' context menus, in Chinese like the rest.
#pragma once

namespace qev {

// Loads Qt's translations for the user's Chinese (traditional on a Taiwan desktop), or for
// simplified Chinese when the user's language is another or Qt has none for it. Call once, after
// the application object is made.
void InstallQtTranslations();

} // namespace qev
