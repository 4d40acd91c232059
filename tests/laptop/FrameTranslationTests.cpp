// The laptop program's translations: each language's file translates every text and keeps the
// English text's placeholders, accelerators, line breaks and trailing dots; its compiled form is
// embedded, loads by the language code and answers every text; a real main frame built with it
// installed shows that language, without two commands of one menu sharing an accelerator.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CMainFrame.h"
#include "KVT80.h"
#include "KVTExecApp.h"
#include "SourceTree.h"
#include "TestSupport.h"

namespace kvt::laptop {
namespace {

struct Language {
    int code;
    const char* suffix;  // the file name's and the translation's language
};
constexpr std::array<Language, 5> kLanguages{{
    {4, "zh_CN"},
    {7, "de"},
    {10, "es"},
    {12, "fr"},
    {16, "it"},
}};

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty for a finished one
};

struct TranslationFile {
    QString language;
    std::vector<Message> messages;
    QString error;  // why the file could not be read; empty when it was

    QString Find(const QString& context, const QString& source) const {
        for (const Message& message : messages) {
            if (message.context == context && message.source == source) {
                return message.translation;
            }
        }
        return {};
    }
};

QString TranslationPath(const Language& language) {
    return QString::fromStdString(kvt::testing::SourceTree().string()) +
           QStringLiteral("/frontend/translations/kvtexec_%1.ts")
               .arg(QLatin1String(language.suffix));
}

TranslationFile ReadTranslationFile(const QString& path) {
    TranslationFile file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.error = QStringLiteral("cannot open ") + path;
        return file;
    }
    QXmlStreamReader xml(&input);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            file.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            file.messages.push_back({context, {}, {}, {}});
        } else if (name == QLatin1String("source") && !file.messages.empty()) {
            file.messages.back().source = xml.readElementText();
        } else if (name == QLatin1String("translation") && !file.messages.empty()) {
            file.messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            file.messages.back().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError()) {
        file.error = path + QStringLiteral(": ") + xml.errorString();
    }
    return file;
}

// The letter after a single '&' ("&&" is an ampersand shown as such); nothing without one.
QString Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            continue;
        }
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

std::multiset<std::string> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|[sd])"));
    std::multiset<std::string> found;
    auto matches = placeholder.globalMatch(text);
    while (matches.hasNext()) {
        found.insert(matches.next().captured(0).toStdString());
    }
    return found;
}

class Translations : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        files_ = new std::map<int, TranslationFile>;
        for (const Language& language : kLanguages) {
            (*files_)[language.code] = ReadTranslationFile(TranslationPath(language));
        }
    }
    static void TearDownTestSuite() {
        delete files_;
        files_ = nullptr;
    }

    static const TranslationFile& File(const Language& language) {
        return files_->at(language.code);
    }

  private:
    static std::map<int, TranslationFile>* files_;
};

std::map<int, TranslationFile>* Translations::files_ = nullptr;

TEST_F(Translations, EveryTextIsTranslated) {
    for (const Language& language : kLanguages) {
        const TranslationFile& file = File(language);
        ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
        EXPECT_EQ(file.language, QLatin1String(language.suffix));
        EXPECT_FALSE(file.messages.empty()) << language.suffix;
        for (const Message& message : file.messages) {
            EXPECT_TRUE(message.type.isEmpty())
                << language.suffix << " [" << message.context.toStdString() << "] "
                << message.source.toStdString() << " is " << message.type.toStdString();
            EXPECT_FALSE(message.translation.trimmed().isEmpty())
                << language.suffix << " [" << message.context.toStdString() << "] "
                << message.source.toStdString();
        }
    }
}

TEST_F(Translations, EveryLanguageHasTheSameTexts) {
    std::vector<std::set<std::string>> texts;
    for (const Language& language : kLanguages) {
        std::set<std::string> keys;
        for (const Message& message : File(language).messages) {
            keys.insert(message.context.toStdString() + ": " + message.source.toStdString());
        }
        texts.push_back(std::move(keys));
    }
    for (std::size_t i = 1; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i], texts[0])
            << kLanguages[i].suffix << " against " << kLanguages[0].suffix;
    }
}

TEST_F(Translations, KeepPlaceholdersAndAccelerators) {
    for (const Language& language : kLanguages) {
        for (const Message& message : File(language).messages) {
            const std::string where = std::string(language.suffix) + ": " +
                                      message.source.toStdString() + " -> " +
                                      message.translation.toStdString();
            EXPECT_EQ(Placeholders(message.translation), Placeholders(message.source)) << where;
            EXPECT_EQ(Accelerator(message.translation).isEmpty(),
                      Accelerator(message.source).isEmpty())
                << where;
            EXPECT_EQ(message.translation.count(QLatin1Char('\n')),
                      message.source.count(QLatin1Char('\n')))
                << where;
            EXPECT_EQ(message.translation.count(QLatin1Char('\t')),
                      message.source.count(QLatin1Char('\t')))
                << where;
            EXPECT_EQ(message.translation.endsWith(QLatin1String("...")),
                      message.source.endsWith(QLatin1String("...")))
                << where;
        }
    }
}

TEST_F(Translations, CompiledFilesAreEmbeddedAndComplete) {
    for (const Language& language : kLanguages) {
        EXPECT_TRUE(QFile::exists(
            QStringLiteral(":/i18n/kvtexec_%1.qm").arg(QLatin1String(language.suffix))))
            << language.suffix;
        const std::unique_ptr<QTranslator> translator = LoadTranslation(language.code);
        ASSERT_NE(translator, nullptr) << language.code;
        EXPECT_EQ(translator->language(), QLatin1String(language.suffix));
        for (const Message& message : File(language).messages) {
            EXPECT_EQ(translator->translate(message.context.toUtf8().constData(),
                                            message.source.toUtf8().constData()),
                      message.translation)
                << language.suffix << ": " << message.source.toStdString();
        }
    }
}

// Installed for the object's lifetime, so a failed expectation never leaves the application in
// another language.
class InstalledTranslator {
  public:
    explicit InstalledTranslator(std::unique_ptr<QTranslator> translator)
        : translator_(std::move(translator)) {
        if (translator_) {
            installed_ = QApplication::installTranslator(translator_.get());
        }
    }
    ~InstalledTranslator() {
        if (installed_) {
            QApplication::removeTranslator(translator_.get());
        }
    }
    InstalledTranslator(const InstalledTranslator&) = delete;
    InstalledTranslator& operator=(const InstalledTranslator&) = delete;

    bool Installed() const { return installed_; }

  private:
    std::unique_ptr<QTranslator> translator_;
    bool installed_ = false;
};

// No two entries of the list share an accelerator.
void ExpectDistinctAccelerators(const QList<QAction*>& actions, const std::string& where) {
    std::map<QString, QString> taken;
    for (const QAction* action : actions) {
        const QString accelerator = Accelerator(action->text());
        if (accelerator.isEmpty()) {
            continue;
        }
        const auto [entry, inserted] = taken.emplace(accelerator, action->text());
        EXPECT_TRUE(inserted) << where << ": \"" << action->text().toStdString() << "\" and \""
                              << entry->second.toStdString() << "\" share &"
                              << accelerator.toStdString();
    }
}

TEST_F(Translations, MainFrameShowsTheLanguage) {
    const QString frameContext = QStringLiteral("kvt::laptop::CMainFrame");
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.suffix);
        const TranslationFile& file = File(language);
        const QString fileMenu = file.Find(frameContext, QStringLiteral("&File"));
        const QString disconnected = file.Find(frameContext, QStringLiteral("Disconnected"));
        ASSERT_FALSE(fileMenu.isEmpty());
        ASSERT_FALSE(disconnected.isEmpty());
        ASSERT_NE(disconnected, QLatin1String("Disconnected"));

        testing::ScopedConfigHome config;
        const InstalledTranslator translator(LoadTranslation(language.code));
        ASSERT_TRUE(translator.Installed());
        std::unique_ptr<IKVT80> engine;
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        {
            CMainFrame frame(*engine, language.code);
            const QList<QAction*> menus = frame.menuBar()->actions();
            ASSERT_FALSE(menus.isEmpty());
            EXPECT_EQ(menus.front()->text(), fileMenu);
            const auto* pane = frame.findChild<QLabel*>(QStringLiteral("connectionPane"));
            ASSERT_NE(pane, nullptr);
            EXPECT_EQ(pane->text(), disconnected);

            ExpectDistinctAccelerators(menus, "menu bar");
            for (const QAction* entry : menus) {
                if (entry->menu() != nullptr) {
                    ExpectDistinctAccelerators(entry->menu()->actions(),
                                               entry->text().toStdString());
                }
            }
        }
        engine->Cleanup();
    }
}

}  // namespace
}  // namespace kvt::laptop
