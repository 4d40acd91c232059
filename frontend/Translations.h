// The programs' translations: the language codes the settings store (kvtlang.ini), their
// translation files (embedded under :/i18n) and the short names command lines take. Qt Core only,
// so that kvt80-report (no widgets) shows its report in the laptop program's language too.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>

namespace kvt::frontend {

// The language codes with a translation: 4 Chinese, 7 German, 10 Spanish, 12 French, 16 Italian;
// English (9) and any other code use the built-in texts.
QString TranslationName(int languageCode);
// Loads the translation of the code; nothing for English, an unknown code, or one that cannot be
// loaded (the program stays in English).
std::unique_ptr<QTranslator> LoadTranslation(int languageCode);

// The short names of the languages: "en", "de", "es", "fr", "it", "zh_CN".
QStringList LanguageNames();
// The code of a short name; nothing for a name that is not one of LanguageNames().
std::optional<int> LanguageCodeOfName(const QString& name);

}  // namespace kvt::frontend
