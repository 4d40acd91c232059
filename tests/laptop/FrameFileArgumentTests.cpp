// KVTExec started with a configuration file (a double-click on a .kvt file): the command line
// takes the file, and the frame runs the Open command's flow for it with the same questions, on
// the offscreen platform against the simulated unit.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "FrameRig.h"
#include "KVT80.h"
#include "KVTExecApp.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 20000;

TEST(FileArgument, CommandLineTakesOneFile) {
    const auto plain = ParseLaunchOptions({"KVTExec", "/home/tech/rex.kvt"});
    EXPECT_TRUE(plain.error.isEmpty());
    EXPECT_EQ(plain.file, "/home/tech/rex.kvt");

    const auto withOptions = ParseLaunchOptions({"KVTExec", "--demo", "rex.kvt", "--lang", "7"});
    EXPECT_TRUE(withOptions.error.isEmpty()) << withOptions.error.toStdString();
    EXPECT_TRUE(withOptions.demo);
    EXPECT_EQ(withOptions.file, "rex.kvt");
    EXPECT_EQ(withOptions.language, 7);

    // After "--" a name starting with '-' is a file, not an option.
    const auto dashed = ParseLaunchOptions({"KVTExec", "--", "-odd.kvt"});
    EXPECT_TRUE(dashed.error.isEmpty());
    EXPECT_EQ(dashed.file, "-odd.kvt");

    EXPECT_FALSE(ParseLaunchOptions({"KVTExec", "a.kvt", "b.kvt"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExec", "-odd.kvt"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExec"}).file.has_value());
}

// The frame with its questions answered by the test.
class AnsweringFrame : public KVTExecFrame {
  public:
    using KVTExecFrame::KVTExecFrame;

    std::vector<QString> messages;
    int fileDialogs = 0;
    bool yes = false;
    std::optional<frontend::SaveChangesAnswer> saveChanges;

    void ShowInformation(const QString& text) override { messages.push_back(text); }
    void ShowWarning(const QString& text) override { messages.push_back(text); }
    void ShowError(const QString& text) override { messages.push_back(text); }
    bool AskYesNo(const QString& text) override {
        messages.push_back(text);
        return yes;
    }
    frontend::SaveChangesAnswer AskSaveChanges(const QString& fileName) override {
        messages.push_back(QStringLiteral("save changes to ") + fileName);
        return saveChanges.value_or(frontend::SaveChangesAnswer::Cancel);
    }
};

class FileArgumentFrame : public FrameRig<AnsweringFrame> {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(FrameRig::SetUp());
        ASSERT_TRUE(folder.isValid());
        file = folder.filePath("rex-screen1.kvt");
        // A configuration of another theatre, written by an engine of its own.
        std::unique_ptr<IKVT80> writer;
        ASSERT_EQ(CreateEngine("KVT80.KVT80", writer), status::Ok);
        ASSERT_EQ(writer->put_TheaterName(frontend::TextVariant(QStringLiteral("Rex Cinema"))), 0);
        ASSERT_EQ(writer->Save(frontend::TextVariant(file), Variant::Bool(false)), 0);
        writer->Cleanup();
    }

    bool WaitIdle() {
        return QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kTimeoutMs);
    }

    QString TheaterName() const {
        Variant name;
        engine->get_TheaterName(&name);
        return frontend::ToQString(name.StringValue());
    }

    QTemporaryDir folder;
    QString file;
};

TEST_F(FileArgumentFrame, OpensTheFileWithoutQuestionsWhenNothingIsAtStake) {
    ASSERT_TRUE(frame->OpenFile(file));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Flows().CurrentPath() == file; }, kTimeoutMs));
    EXPECT_TRUE(frame->messages.empty());
    EXPECT_TRUE(TheaterName().startsWith("Rex Cinema"));
    EXPECT_TRUE(frame->windowTitle().endsWith("rex-screen1.kvt"));
}

TEST_F(FileArgumentFrame, ConnectedUnitIsOverwrittenOnlyAfterYes) {
    ConnectOrFail();
    frame->yes = false;
    EXPECT_FALSE(frame->OpenFile(file));
    ASSERT_EQ(frame->messages.size(), 1u);
    EXPECT_TRUE(frame->messages[0].contains("overwrite the current KVT-80 unit"));
    EXPECT_TRUE(frame->Flows().CurrentPath().isEmpty());

    frame->yes = true;
    ASSERT_TRUE(frame->OpenFile(file));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Flows().CurrentPath() == file; }, kTimeoutMs));
    EXPECT_TRUE(WaitIdle());
    EXPECT_TRUE(TheaterName().startsWith("Rex Cinema"));
}

TEST_F(FileArgumentFrame, ChangedConfigurationIsOfferedForSavingFirst) {
    ASSERT_EQ(engine->put_TheaterName(frontend::TextVariant(QStringLiteral("Changed"))), 0);
    ASSERT_TRUE(frontend::IsTrueProperty(*engine, &IKVT80::get_ConfigFileDirty));

    frame->saveChanges = frontend::SaveChangesAnswer::Cancel;
    EXPECT_FALSE(frame->OpenFile(file));
    ASSERT_EQ(frame->messages.size(), 1u);
    EXPECT_TRUE(frame->messages[0].startsWith("save changes to "));
    EXPECT_TRUE(TheaterName().startsWith("Changed"));

    frame->saveChanges = frontend::SaveChangesAnswer::No;
    ASSERT_TRUE(frame->OpenFile(file));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Flows().CurrentPath() == file; }, kTimeoutMs));
    EXPECT_TRUE(TheaterName().startsWith("Rex Cinema"));
}

TEST_F(FileArgumentFrame, MissingFileIsReportedAndNotMadeCurrent) {
    const QString missing = folder.filePath("not-there.kvt");
    frame->OpenFileWhenIdle(missing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->messages.empty(); }, kTimeoutMs));
    EXPECT_TRUE(frame->messages[0].contains("Failed to load the specified parameter file"));
    EXPECT_TRUE(WaitIdle());
    EXPECT_TRUE(frame->Flows().CurrentPath().isEmpty());
}

TEST_F(FileArgumentFrame, WaitsForTheConnectionBeforeOpening) {
    // As in demo mode: the connection starts first, the file is opened once it has finished
    // and the unit is then asked about.
    frame->yes = true;
    ASSERT_TRUE(frame->Flows().Connect());
    frame->OpenFileWhenIdle(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Flows().CurrentPath() == file; }, kTimeoutMs));
    EXPECT_TRUE(frontend::IsConnected(*engine));
    ASSERT_FALSE(frame->messages.empty());
    EXPECT_TRUE(frame->messages.back().contains("overwrite the current KVT-80 unit"));
}

}  // namespace
}  // namespace kvt::laptop
