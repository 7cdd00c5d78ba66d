// The automatic translation of the user interface: the application-wide
// filter of the plumbing, translating through LocalizeString.
#pragma once

#include <QString>

class CTranslationFilter;
class QObject;

// `english` through Localize (whole text), converted at the code page 1251
// boundary; a text that code page 1251 cannot hold is returned unchanged.
QString TranslateInterfaceText(const QString& english);

// Loads the toolkit's own translation (the texts of standard buttons and file
// dialogs) for the language of the loaded language file, when the system has
// it: "russian" uses qtbase_ru.  The translator is a child of `owner`.
void LoadToolkitTranslation(QObject* owner);

// Creates the filter (a child of `owner`) and installs it for the whole
// application; QApplication must exist.
CTranslationFilter* InstallInterfaceTranslation(QObject* owner);
