// The automatic translation of the user interface: the application-wide
// filter of the plumbing, translating through LocalizeString.
#pragma once

#include <QString>

class CTranslationFilter;
class QObject;

// `english` through Localize (whole text), converted at the code page 1251
// boundary; a text that code page 1251 cannot hold is returned unchanged.
QString TranslateInterfaceText(const QString& english);

// Creates the filter (a child of `owner`) and installs it for the whole
// application; QApplication must exist.
CTranslationFilter* InstallInterfaceTranslation(QObject* owner);
