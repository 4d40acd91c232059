#include "Translations.h"

#include <array>

namespace kvt::frontend {

namespace {

struct Language {
    const char* name;
    int code;
    const char* file;  // empty: the built-in English texts
};

constexpr std::array<Language, 6> kLanguages{{
    {"en", 9, ""},
    {"de", 7, "kvtexec_de"},
    {"es", 10, "kvtexec_es"},
    {"fr", 12, "kvtexec_fr"},
    {"it", 16, "kvtexec_it"},
    {"zh_CN", 4, "kvtexec_zh_CN"},
}};

}  // namespace

QString TranslationName(int languageCode) {
    for (const Language& language : kLanguages) {
        if (language.code == languageCode) {
            return QString::fromLatin1(language.file);
        }
    }
    return {};
}

std::unique_ptr<QTranslator> LoadTranslation(int languageCode) {
    const QString name = TranslationName(languageCode);
    if (name.isEmpty()) {
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QStringLiteral(":/i18n"))) {
        return nullptr;
    }
    return translator;
}

QStringList LanguageNames() {
    QStringList names;
    for (const Language& language : kLanguages) {
        names << QString::fromLatin1(language.name);
    }
    return names;
}

std::optional<int> LanguageCodeOfName(const QString& name) {
    for (const Language& language : kLanguages) {
        if (name == QLatin1String(language.name)) {
            return language.code;
        }
    }
    return std::nullopt;
}

}  // namespace kvt::frontend
