#pragma once

#include <QString>

// Loads Qt's own translations of a language (its file dialogs, message-box buttons, context
// menus of text fields) into the application, from Qt's translation folder or, where the
// program was installed with its own copy, a "translations" folder beside the executable.
// False when no translation of that language was found: Qt's texts then stay English.
bool LoadQtTranslations(const QString& language = QStringLiteral("zh_CN"));
