// The settings folder and the two INI files of the front ends: kvtlang.ini and xcurve.ini.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AppSettings.h"
#include "TestSupport.h"

namespace kvt::frontend {
namespace {

QString Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(SettingsFolder, FixedAtStartUpFromXdgConfigHome) {
    {
        testing::ScopedConfigHome first;
        const QString expected = QString::fromStdString((first.Path() / "Rodmere").string());
        EXPECT_EQ(InitSettingsFolder(), expected);

        // Demo mode moves the engine's settings later; the front end's stay where they were.
        testing::ScopedConfigHome second;
        EXPECT_EQ(SettingsFolder(), expected);
        EXPECT_EQ(InitSettingsFolder(),
                  QString::fromStdString((second.Path() / "Rodmere").string()));
    }
    // The other tests of this run find the folder of their own environment.
    InitSettingsFolder();
}

TEST(SettingsFolder, HomeConfigWhenXdgConfigHomeIsUnsetOrRelative) {
    testing::ScopedConfigHome scope;
    const QString home = QDir::homePath() + "/.config/Rodmere";
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(InitSettingsFolder(), home);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(InitSettingsFolder(), home);
}

class SettingsFiles : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    QTemporaryDir root;
    const QString folder = root.filePath("Rodmere");
};

TEST_F(SettingsFiles, LanguageIsEnglishWithoutAFile) {
    EXPECT_EQ(ReadLanguageCode(folder), 9);
    QDir().mkpath(folder);
    Write(LanguageFilePath(folder), "[Other]\nID=10\n");
    EXPECT_EQ(ReadLanguageCode(folder), 9);
}

TEST_F(SettingsFiles, LanguageCodeWrittenCreatesTheFolderAndReadsBack) {
    ASSERT_TRUE(WriteLanguageCode(folder, 16));
    EXPECT_EQ(Contents(LanguageFilePath(folder)), "[Language]\nID=16\n");
    EXPECT_EQ(ReadLanguageCode(folder), 16);
}

TEST_F(SettingsFiles, UnknownLanguageCodeComesBackUnchanged) {
    ASSERT_TRUE(WriteLanguageCode(folder, 3));
    const int read = ReadLanguageCode(folder);
    EXPECT_EQ(read, 3);
    ASSERT_TRUE(WriteLanguageCode(folder, read));
    EXPECT_EQ(Contents(LanguageFilePath(folder)), "[Language]\nID=3\n");
}

TEST_F(SettingsFiles, NamesMatchWithoutRegardToCaseAndNumbersAreReadAsFarAsTheyGo) {
    QDir().mkpath(folder);
    Write(LanguageFilePath(folder),
          "; chosen by the installer\r\n[language]\r\n id = 12 ; French\r\n");
    EXPECT_EQ(ReadLanguageCode(folder), 12);
    Write(LanguageFilePath(folder), "[Language]\nID=French\n");
    EXPECT_EQ(ReadLanguageCode(folder), 9);
    Write(LanguageFilePath(folder), "[Language]\nID=99999999999\n");
    EXPECT_EQ(ReadLanguageCode(folder), 9);
}

TEST_F(SettingsFiles, WritingKeepsTheFilesOtherLines) {
    QDir().mkpath(folder);
    Write(LanguageFilePath(folder), "; comment\n[language]\nid=10\nFont=Noto\n\n[Window]\nX=5\n");
    ASSERT_TRUE(WriteLanguageCode(folder, 7));
    EXPECT_EQ(Contents(LanguageFilePath(folder)),
              "; comment\n[language]\nID=7\nFont=Noto\n\n[Window]\nX=5\n");

    Write(LanguageFilePath(folder), "[Window]\nX=5\n[Language]\nFont=Noto\n\n[Other]\nID=1\n");
    ASSERT_TRUE(WriteLanguageCode(folder, 4));
    EXPECT_EQ(Contents(LanguageFilePath(folder)),
              "[Window]\nX=5\n[Language]\nFont=Noto\nID=4\n\n[Other]\nID=1\n");
    EXPECT_EQ(ReadLanguageCode(folder), 4);
}

TEST_F(SettingsFiles, FailedWriteReportsFailure) {
    // A folder where the file should be cannot be replaced.
    const QString blocked = root.filePath("blocked");
    QDir().mkpath(blocked + "/kvtlang.ini");
    EXPECT_FALSE(WriteLanguageCode(blocked, 12));
    // Nor can a folder be made where a file is.
    Write(root.filePath("plain"), "x");
    EXPECT_FALSE(WriteLanguageCode(root.filePath("plain"), 12));
}

TEST_F(SettingsFiles, AFileThatCannotBeReadIsNotReplaced) {
    // Far bigger than any settings file: not read, so not rewritten without its other lines.
    QDir().mkpath(folder);
    const QByteArray big = "[Language]\nID=10\n" + QByteArray(100 * 1024, ';') + "\n";
    Write(LanguageFilePath(folder), big);
    EXPECT_EQ(ReadLanguageCode(folder), 9);
    EXPECT_FALSE(WriteLanguageCode(folder, 12));
    EXPECT_EQ(Contents(LanguageFilePath(folder)).toUtf8(), big);
}

TEST_F(SettingsFiles, WritesLeaveNoTemporaryFilesBehind) {
    ASSERT_TRUE(WriteLanguageCode(folder, 10));
    ASSERT_TRUE(WriteLanguageCode(folder, 12));
    ASSERT_TRUE(WriteXCurveSetting(folder, -4));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({"kvtlang.ini", "xcurve.ini"}));
}

TEST_F(SettingsFiles, XCurveSettingDefaultsToZeroAndKeepsItsSign) {
    EXPECT_EQ(ReadXCurveSetting(folder), 0);
    ASSERT_TRUE(WriteXCurveSetting(folder, -10));
    EXPECT_EQ(Contents(XCurveFilePath(folder)), "[XCurve]\nSetting=-10\n");
    EXPECT_EQ(ReadXCurveSetting(folder), -10);
    ASSERT_TRUE(WriteXCurveSetting(folder, 20));
    EXPECT_EQ(ReadXCurveSetting(folder), 20);
    EXPECT_EQ(ReadLanguageCode(folder), 9);
}

}  // namespace
}  // namespace kvt::frontend
