#include "AppSettings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <mutex>
#include <optional>

namespace kvt::frontend {

namespace {

constexpr auto kLanguageFile = "kvtlang.ini";
constexpr auto kLanguageSection = "Language";
constexpr auto kLanguageKey = "ID";
constexpr auto kXCurveFile = "xcurve.ini";
constexpr auto kXCurveSection = "XCurve";
constexpr auto kXCurveKey = "Setting";
// Settings files are a few lines; anything bigger is not one of ours.
constexpr qint64 kMaxFileSize = 64 * 1024;

std::mutex folderMutex;
std::optional<QString> settingsFolder;

QString ResolveSettingsFolder() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + "/.config";
    return QDir::cleanPath(base + "/Rodmere");
}

// The file's lines; none when it does not exist, nothing when it cannot be read.
std::optional<QStringList> ReadLines(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return QStringList();
    }
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QString text = QString::fromUtf8(file.readAll());
    text.remove('\r');
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// "[Name]" gives Name; anything else is not a section header.
std::optional<QString> SectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith('[') || !trimmed.endsWith(']')) {
        return std::nullopt;
    }
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

bool IsKeyLine(const QString& line, const QString& key) {
    const qsizetype equals = line.indexOf('=');
    return equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

std::optional<QString> ReadValue(const QString& path, const QString& section, const QString& key) {
    bool inSection = false;
    for (const QString& line : ReadLines(path).value_or(QStringList())) {
        if (const auto name = SectionName(line)) {
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
        } else if (inSection && IsKeyLine(line, key)) {
            return line.mid(line.indexOf('=') + 1).trimmed();
        }
    }
    return std::nullopt;
}

// Sets the key's line in its section, adding the section or the key when missing; every other
// line stays as it was.
QStringList WithValue(QStringList lines, const QString& section, const QString& key,
                      const QString& value) {
    const QString entry = key + '=' + value;
    qsizetype sectionStart = -1;
    qsizetype insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (sectionStart >= 0) {
                break;
            }
            if (name->compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                insertAt = i + 1;
            }
        } else if (sectionStart >= 0) {
            if (IsKeyLine(lines[i], key)) {
                lines[i] = entry;
                return lines;
            }
            if (!lines[i].trimmed().isEmpty()) {
                insertAt = i + 1;
            }
        }
    }
    if (sectionStart >= 0) {
        lines.insert(insertAt, entry);
        return lines;
    }
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) {
        lines.append(QString());
    }
    lines.append('[' + section + ']');
    lines.append(entry);
    return lines;
}

bool WriteValue(const QString& folder, const QString& fileName, const QString& section,
                const QString& key, const QString& value) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QString path = QDir(folder).filePath(fileName);
    // A file we cannot read is not replaced by one that lacks its other lines.
    const auto lines = ReadLines(path);
    if (!lines) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write((WithValue(*lines, section, key, value).join('\n') + '\n').toUtf8());
    return file.commit();
}

// A decimal number with an optional sign, read as far as it goes ("12 ; Italian" is 12).
std::optional<int> LeadingInteger(const QString& text) {
    qsizetype end = 0;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) {
        ++end;
    }
    const qsizetype digitsStart = end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80) {
        ++end;
    }
    if (end == digitsStart) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = text.left(end).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int ReadInteger(const QString& path, const QString& section, const QString& key, int fallback) {
    const auto value = ReadValue(path, section, key);
    const auto number = value ? LeadingInteger(*value) : std::nullopt;
    return number.value_or(fallback);
}

}  // namespace

QString InitSettingsFolder() {
    std::lock_guard lock(folderMutex);
    settingsFolder = ResolveSettingsFolder();
    return *settingsFolder;
}

QString SettingsFolder() {
    std::lock_guard lock(folderMutex);
    if (!settingsFolder) {
        settingsFolder = ResolveSettingsFolder();
    }
    return *settingsFolder;
}

QString LanguageFilePath(const QString& folder) {
    return QDir(folder).filePath(kLanguageFile);
}

QString XCurveFilePath(const QString& folder) {
    return QDir(folder).filePath(kXCurveFile);
}

int ReadLanguageCode(const QString& folder) {
    return ReadInteger(LanguageFilePath(folder), kLanguageSection, kLanguageKey,
                       kEnglishLanguageCode);
}

bool WriteLanguageCode(const QString& folder, int code) {
    return WriteValue(folder, kLanguageFile, kLanguageSection, kLanguageKey, QString::number(code));
}

int ReadXCurveSetting(const QString& folder) {
    return ReadInteger(XCurveFilePath(folder), kXCurveSection, kXCurveKey, kDefaultXCurveSetting);
}

bool WriteXCurveSetting(const QString& folder, int setting) {
    return WriteValue(folder, kXCurveFile, kXCurveSection, kXCurveKey, QString::number(setting));
}

}  // namespace kvt::frontend
