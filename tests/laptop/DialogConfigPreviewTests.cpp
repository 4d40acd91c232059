// The Open dialog's preview of configuration files, with files the real engine wrote.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "EngineValues.h"
#include "IKVT80.h"
#include "TestSupport.h"
#include "dialogs/CDlgConfigPreview.h"

namespace kvt::laptop {
namespace {

class ConfigurationPreview : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
    }
    void TearDown() override { engine->Cleanup(); }

    // A configuration file with these profile texts, saved by the engine.
    QString SaveConfiguration(const QString& name, const ConfigPreview& texts) {
        EXPECT_EQ(engine->put_ProjectName(frontend::TextVariant(texts.projectName)), status::Ok);
        EXPECT_EQ(engine->put_TheaterName(frontend::TextVariant(texts.theaterName)), status::Ok);
        EXPECT_EQ(engine->put_ScreenNumber(frontend::TextVariant(texts.screenNumber)), status::Ok);
        const QString path = folder.filePath(name);
        EXPECT_EQ(engine->Save(frontend::TextVariant(path), Variant::Bool(false)), status::Ok);
        return path;
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    testing::ScopedConfigHome configHome;
    QTemporaryDir folder;
    std::unique_ptr<IKVT80> engine;
    const ConfigPreview odeon{"Summer Release", "Odeon Leicester", "7"};
};

TEST_F(ConfigurationPreview, ReadsTheThreeTextsOfASavedFile) {
    const QString path = SaveConfiguration("odeon.kvt", odeon);
    // What the engine holds now does not matter; the file does.
    ASSERT_EQ(engine->put_TheaterName(frontend::TextVariant("Elsewhere")), status::Ok);
    EXPECT_EQ(CDlgConfigPreview::ReadPreview(*engine, path), odeon);
}

TEST_F(ConfigurationPreview, UnreadableFilesGiveNothing) {
    EXPECT_FALSE(CDlgConfigPreview::ReadPreview(*engine, folder.filePath("missing.kvt")));
    EXPECT_FALSE(CDlgConfigPreview::ReadPreview(*engine, WriteFile("notes.kvt", "not a unit")));
    EXPECT_FALSE(CDlgConfigPreview::ReadPreview(*engine, folder.path()));
}

TEST_F(ConfigurationPreview, PaneFollowsTheHighlightedFile) {
    const QString first = SaveConfiguration("first.kvt", odeon);
    const ConfigPreview rex{"Winter", "Rex", "12"};
    const QString second = SaveConfiguration("second.kvt", rex);
    CDlgConfigPreview dialog(*engine, folder.path());
    dialog.show();
    EXPECT_EQ(dialog.ShownPreview(), ConfigPreview{});

    // The highlight change arrives as the dialog's own notification.
    emit dialog.currentChanged(first);
    EXPECT_EQ(dialog.ShownPreview(), odeon);
    emit dialog.currentChanged(second);
    EXPECT_EQ(dialog.ShownPreview(), rex);
}

TEST_F(ConfigurationPreview, AFileThatCannotBePreviewedEmptiesThePane) {
    const QString good = SaveConfiguration("good.kvt", odeon);
    QFile::copy(good, folder.filePath("cut.kvt"));
    QFile cut(folder.filePath("cut.kvt"));
    ASSERT_TRUE(cut.resize(3));
    CDlgConfigPreview dialog(*engine, folder.path());
    dialog.ShowPreviewFor(good);
    ASSERT_EQ(dialog.ShownPreview(), odeon);

    dialog.ShowPreviewFor(folder.filePath("cut.kvt"));
    EXPECT_EQ(dialog.ShownPreview(), ConfigPreview{});
}

TEST_F(ConfigurationPreview, PathsWithoutKvtLeaveThePaneAsItIs) {
    const QString good = SaveConfiguration("good.kvt", odeon);
    CDlgConfigPreview dialog(*engine, folder.path());
    dialog.ShowPreviewFor(good);
    dialog.ShowPreviewFor(folder.path());
    dialog.ShowPreviewFor(WriteFile("readme.txt", "text"));
    EXPECT_EQ(dialog.ShownPreview(), odeon);
}

TEST_F(ConfigurationPreview, UpperCaseExtensionIsPreviewedToo) {
    const QString path = SaveConfiguration("COPIED.KVT", odeon);
    CDlgConfigPreview dialog(*engine, folder.path());
    dialog.ShowPreviewFor(path);
    EXPECT_EQ(dialog.ShownPreview(), odeon);
}

TEST_F(ConfigurationPreview, OpensExistingConfigurationFilesWithReadOnlyFields) {
    CDlgConfigPreview dialog(*engine, folder.path());
    EXPECT_EQ(dialog.nameFilters(), QStringList{"KVT Configuration Files (*.kvt)"});
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    const std::vector<std::pair<const char*, QString>> fields = {
        {"1366", "Project Name:"}, {"1367", "Theater Name:"}, {"1368", "Screen Number:"}};
    for (const auto& [id, label] : fields) {
        auto* field = dialog.findChild<QLineEdit*>(id);
        ASSERT_NE(field, nullptr) << id;
        EXPECT_TRUE(field->isReadOnly()) << id;
        EXPECT_EQ(field->accessibleName(), label) << id;
    }
}

TEST_F(ConfigurationPreview, ChosenFileIsReturnedOnlyWhenOpened) {
    const QString path = SaveConfiguration("chosen.kvt", odeon);
    CDlgConfigPreview cancelled(*engine, folder.path());
    cancelled.show();
    cancelled.selectFile(path);
    cancelled.reject();
    EXPECT_FALSE(cancelled.SelectedFile());

    CDlgConfigPreview opened(*engine, folder.path());
    opened.show();
    opened.selectFile(path);
    EXPECT_FALSE(opened.SelectedFile());
    auto* buttons = opened.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Open)->click();
    ASSERT_TRUE(opened.SelectedFile());
    EXPECT_EQ(QFileInfo(*opened.SelectedFile()).canonicalFilePath(),
              QFileInfo(path).canonicalFilePath());
}

}  // namespace
}  // namespace kvt::laptop
