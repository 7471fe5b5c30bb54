#pragma once

// The program in the user's language: its own texts (tolvane_<language>.qm, beside the program
// or in the installed data folder) and Qt's, for the standard dialogs (qtbase_<language>.qm),
// chosen from the system's language as Qt reads it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
// English, the texts as the sources hold them, needs none.

#include <QString>

class QCoreApplication;

// Installs the translators for `language` (the system's when empty); `programFolder` is where
// the program runs from. Returns whether the program's own texts were found.
bool LoadTranslations(QCoreApplication& app, const QString& programFolder,
                      const QString& language = {});
// Takes the translators out again: the texts are the sources' (English) from here on.
void UnloadTranslations(QCoreApplication& app);
// The language of the program's own texts now installed ("de", "zh_CN"); empty for English.
QString LoadedLanguage(const QCoreApplication& app);
