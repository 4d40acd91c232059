// The Download page against a real engine and the simulated unit over a pseudo-terminal: the
// targets and their layout, the file checks, both downloads to their final states with the list's
// messages, the progress shown, and the failures the page reports.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "SourceTree.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "pages/CDlgDownloadPIC.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 30000;

const QString kNoFile =
    "The filename entered is not valid.  Please make sure you have the correct file selected.";
const QString kNotFirmware =
    "The selected file is not a valid firmware image or has been corrupted.";
const QString kFailed =
    "A download error has occured.  Please verify that all cabling and settings are correct and "
    "try again.";
const QString kCompleted = "The firmware download has completed successfully.";

QString Example(const char* name) {
    return QString::fromStdString((kvt::testing::SourceTree() / "examples" / name).string());
}

// The page with its file dialog and message boxes answered by the test.
class TestDownloadPage : public CDlgDownloadPIC {
  public:
    using CDlgDownloadPIC::CDlgDownloadPIC;

    std::deque<std::optional<QString>> files;
    QStringList filters;
    QStringList warnings;

  protected:
    std::optional<QString> AskFileName(const QString& filter) override {
        filters.push_back(filter);
        if (files.empty()) {
            return std::nullopt;
        }
        auto answer = files.front();
        files.pop_front();
        return answer;
    }
    void ShowWarning(const QString& text) override { warnings.push_back(text); }
};

class DownloadPage : public UnitRig {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_NO_FATAL_FAILURE(UnitRig::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartUnit());
        page = std::make_unique<TestDownloadPage>(*engine, *bridge);
        page->resize(755, 420);
        page->show();
        status = std::make_unique<QSignalSpy>(page.get(), &CDlgDownloadPIC::connectionStatus);
    }

    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !page->Downloading(); }, kTimeoutMs));
        status.reset();
        page.reset();
        UnitRig::TearDown();
    }

    template <typename T = QWidget>
    T* Control(const char* id) const {
        T* found = page->findChild<T*>(QString::fromLatin1(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }

    // A copy of an example beside which the engine may write (firmware images).
    QString CopyOfExample(const char* name) {
        const QString copy = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(QFile::copy(Example(name), copy));
        return copy;
    }

    // The file as Browse takes it from the dialog.
    void Browse(const QString& path) {
        page->files.push_back(path);
        Control<QPushButton>("1389")->click();
    }

    void ClickDownload() { Control<QPushButton>("1390")->click(); }

    // Waits for the download to end; its final state.
    int WaitForEnd() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !page->Downloading(); }, kTimeoutMs));
        return page->DownloadState();
    }

    QListWidget* List() const { return Control<QListWidget>("1396"); }

    // The list's lines of one kind, top (newest) first.
    QStringList Lines(CDlgDownloadPIC::MessageKind kind) const {
        QStringList lines;
        for (int row = 0; row < List()->count(); ++row) {
            if (List()->item(row)->data(CDlgDownloadPIC::kKindRole).toInt() == kind) {
                lines.push_back(List()->item(row)->text());
            }
        }
        return lines;
    }

    int IconOf(int row) const {
        return List()->item(row)->data(CDlgDownloadPIC::kIconRole).toInt();
    }

    testing::ScopedConfigHome config;
    QTemporaryDir folder;
    std::unique_ptr<TestDownloadPage> page;
    std::unique_ptr<QSignalSpy> status;
};

// ---- Targets and layout ---------------------------------------------------------------------

TEST_F(DownloadPage, ControlsCarryTheirIdsAndTexts) {
    const std::pair<const char*, const char*> radios[] = {
        {"1509", "Control Card"}, {"1510", "NR Left"}, {"1511", "NR Right"},
        {"1512", "Matrix"},       {"1513", "EQ 1"},    {"1514", "EQ 2"},
    };
    for (const auto& [id, text] : radios) {
        ASSERT_NE(Control<QRadioButton>(id), nullptr);
        EXPECT_EQ(Control<QRadioButton>(id)->text(), text);
    }
    EXPECT_TRUE(Control<QRadioButton>("1509")->isChecked());
    const std::pair<const char*, const char*> steps[] = {
        {"1392", "Step 1:"}, {"1391", "Step 2:"}, {"1393", "Step 3:"},
        {"1394", "Step 4:"}, {"1395", "Step 5:"},
    };
    for (const auto& [id, text] : steps) {
        EXPECT_EQ(Control<QLabel>(id)->text(), text);
        // Drawn in the selection colours.
        EXPECT_EQ(Control<QLabel>(id)->palette().color(QPalette::Window),
                  page->palette().color(QPalette::Highlight));
    }
    EXPECT_EQ(Control<QPushButton>("1389")->text(), "Browse...");
    EXPECT_EQ(Control<QPushButton>("1390")->text(), "Download");
    EXPECT_EQ(Control<QPushButton>("1397")->text(), "Clear");
    EXPECT_EQ(Control<QLabel>("1540")->text(), "Click the Download button:");
    EXPECT_EQ(Control<QLabel>("1515")->text(),
              "Turn OFF the power to the KVT unit that will be updated.");
    // Only Browse fills the file field: what it shows is what was checked and goes to the unit.
    EXPECT_TRUE(Control<QLineEdit>("1388")->isReadOnly());
    EXPECT_EQ(List()->iconSize(), QSize(32, 32));
    EXPECT_EQ(List()->selectionMode(), QAbstractItemView::SingleSelection);
    // Without demo mode there is no power-cycle button.
    EXPECT_FALSE(Control("powerCycleS5")->isVisible());

    // The message icons are there and draw.
    for (const char* icon : {"information", "warning", "error"}) {
        const QString path =
            QString::fromStdString(kvt::testing::SourceTree().string()) +
            QStringLiteral("/laptop/resources/message-%1.svg").arg(QLatin1String(icon));
        EXPECT_TRUE(QSvgRenderer(path).isValid()) << icon;
    }
}

TEST_F(DownloadPage, ControlCardMovesThePowerCycleStepsBeforeTheDownload) {
    const auto top = [&](const char* id) { return Control(id)->geometry().top(); };
    QTest::qWait(0);
    // Control card: turn off (3), power on holding S5 (4), then click Download (5).
    EXPECT_TRUE(Control("1515")->isVisible());
    EXPECT_TRUE(Control("1516")->isVisible());
    EXPECT_TRUE(Control("1394")->isVisible());
    EXPECT_TRUE(Control("1395")->isVisible());
    EXPECT_LT(top("1515"), top("1516"));
    EXPECT_LT(top("1516"), top("1540"));
    EXPECT_LT(top("1393"), top("1516"));
    EXPECT_GE(top("1390"), top("1516"));

    // A processor: the download is step 3, the power cycle is not needed.
    Control<QRadioButton>("1513")->click();
    QTest::qWait(0);
    EXPECT_FALSE(Control("1515")->isVisible());
    EXPECT_FALSE(Control("1516")->isVisible());
    EXPECT_FALSE(Control("1394")->isVisible());
    EXPECT_FALSE(Control("1395")->isVisible());
    const QRect step3 = Control("1393")->geometry();
    EXPECT_TRUE(step3.top() <= Control("1540")->geometry().center().y() &&
                Control("1540")->geometry().center().y() <= step3.bottom() + 8)
        << "Click the Download button is on step 3's line";

    Control<QRadioButton>("1509")->click();
    QTest::qWait(0);
    EXPECT_TRUE(Control("1515")->isVisible());
    EXPECT_LT(top("1516"), top("1540"));

    // Demo mode: the simulated power cycle sits with the power-on step, for the control card.
    bool cycled = false;
    page->SetDemoPowerCycle([&] { cycled = true; });
    EXPECT_TRUE(Control("powerCycleS5")->isVisible());
    Control<QPushButton>("powerCycleS5")->click();
    EXPECT_TRUE(cycled);
    Control<QRadioButton>("1510")->click();
    EXPECT_FALSE(Control("powerCycleS5")->isVisible());
}

TEST_F(DownloadPage, EachTargetBrowsesForItsOwnFiles) {
    const std::pair<const char*, const char*> expected[] = {
        {"1509", "*.HEX"}, {"1510", "*.NR"}, {"1511", "*.NR"},
        {"1512", "*.MTX"}, {"1513", "*.EQ"}, {"1514", "*.EQ"},
    };
    for (const auto& [id, pattern] : expected) {
        Control<QRadioButton>(id)->click();
        page->filters.clear();
        Control<QPushButton>("1389")->click();  // cancelled
        ASSERT_EQ(page->filters.size(), 1);
        EXPECT_TRUE(page->filters[0].contains(QLatin1String(pattern)))
            << page->filters[0].toStdString();
        EXPECT_TRUE(page->filters[0].contains(QLatin1String("All Files (*)")));
        EXPECT_FALSE(page->FileChosen());
    }
    EXPECT_TRUE(CDlgDownloadPIC::FileFilter(CDlgDownloadPIC::kMatrix).contains("*.MAT"));
    // File names are case-sensitive here: the examples' lower-case names are offered too.
    EXPECT_TRUE(CDlgDownloadPIC::FileFilter(CDlgDownloadPIC::kControlCard).contains("*.hex"));
    EXPECT_TRUE(CDlgDownloadPIC::FileFilter(CDlgDownloadPIC::kEQ2).contains("*.eq"));
}

// ---- Files ----------------------------------------------------------------------------------

TEST_F(DownloadPage, DownloadWithoutAFileAsksForOneAndSendsNothing) {
    ClickDownload();
    ASSERT_EQ(page->warnings.size(), 1);
    EXPECT_EQ(page->warnings[0], kNoFile);
    EXPECT_FALSE(page->Downloading());
    EXPECT_TRUE(Control("1390")->isEnabled());
    EXPECT_EQ(status->count(), 0);
    EXPECT_EQ(unit.BytesReceived(), 0u);
}

TEST_F(DownloadPage, ChangingTheTargetClearsTheChosenFile) {
    Browse(CopyOfExample("fw.hex"));
    ASSERT_TRUE(page->FileChosen());
    EXPECT_EQ(Control<QLineEdit>("1388")->text(), folder.filePath("fw.hex"));

    Control<QRadioButton>("1513")->click();
    EXPECT_FALSE(page->FileChosen());
    EXPECT_TRUE(Control<QLineEdit>("1388")->text().isEmpty());
    ClickDownload();
    ASSERT_EQ(page->warnings.size(), 1);
    EXPECT_EQ(page->warnings[0], kNoFile);

    // Also back to the same target: the choice is made again.
    Browse(Example("eq1.EQ"));
    ASSERT_TRUE(page->FileChosen());
    Control<QRadioButton>("1513")->click();
    EXPECT_FALSE(page->FileChosen());
    EXPECT_EQ(unit.BytesReceived(), 0u);
}

TEST_F(DownloadPage, DamagedFirmwareIsRefusedAtBrowseAndNeverDownloaded) {
    const QString path = folder.filePath("damaged.hex");
    QFile source(Example("fw.hex"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    // One data digit changed without its checksum.
    const qsizetype record = text.indexOf(":10000000");
    ASSERT_GE(record, 0);
    text[record + 9] = text[record + 9] == '0' ? '1' : '0';
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(text);
    damaged.close();

    Browse(path);
    ASSERT_EQ(page->warnings.size(), 1);
    EXPECT_EQ(page->warnings[0], kNotFirmware);
    EXPECT_FALSE(page->FileChosen());
    EXPECT_TRUE(Control<QLineEdit>("1388")->text().isEmpty());
    EXPECT_FALSE(QFile::exists(folder.filePath("PROGMEM.MCP")));

    unit.PowerCycleHoldingS5();
    ClickDownload();
    ASSERT_EQ(page->warnings.size(), 2);
    EXPECT_EQ(page->warnings[1], kNoFile);
    EXPECT_EQ(unit.BytesReceived(), 0u);
    EXPECT_TRUE(unit.BootLoaderRunning());
}

// ---- Control card ---------------------------------------------------------------------------

TEST_F(DownloadPage, ControlCardFirmwareGoesThroughTheBootLoaderToCompleted) {
    Browse(CopyOfExample("fw.hex"));
    ASSERT_TRUE(page->FileChosen());
    EXPECT_TRUE(QFile::exists(folder.filePath("PROGMEM.MCP")));

    // At the unit: off, and on again holding S5.
    unit.PowerCycleHoldingS5();
    ClickDownload();
    EXPECT_FALSE(Control("1390")->isEnabled());
    EXPECT_EQ(WaitForEnd(), PICDownloadStateCompleted);
    EXPECT_TRUE(page->warnings.isEmpty()) << page->warnings.join("\n").toStdString();

    // The state messages, newest first; no warning among them.
    EXPECT_EQ(Lines(CDlgDownloadPIC::kStateMessage),
              QStringList({kCompleted, "Writing PIC EEPROM data...",
                           "Writing to PIC program memory, this can take almost 5 minutes to "
                           "complete...",
                           "Erasing PIC program memory..."}));
    for (int row = 0; row < List()->count(); ++row) {
        EXPECT_EQ(IconOf(row), CDlgDownloadPIC::kInformation) << row;
    }
    // The newest line is the selected one.
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_EQ(List()->item(0)->text(), kCompleted);

    // The position of program memory was shown, to its end.
    const QStringList progress = Lines(CDlgDownloadPIC::kProgressLine);
    ASSERT_FALSE(progress.isEmpty());
    bool programWhole = false;
    for (const QString& line : progress) {
        if (line.startsWith("PIC program memory: ")) {
            const QStringList words = line.split(' ');
            programWhole = words.size() > 5 && words[3] == words[5] && line.endsWith("(100%)");
        }
    }
    EXPECT_TRUE(programWhole) << progress.join("\n").toStdString();
    EXPECT_EQ(Control<QProgressBar>("downloadProgress")->value(),
              Control<QProgressBar>("downloadProgress")->maximum());
    EXPECT_EQ(Control<QProgressBar>("downloadProgress")->text(), "Complete");

    // The unit runs its new firmware; the page is ready for the next download and the frame was
    // told of the port's opening and closing.
    EXPECT_FALSE(unit.BootLoaderRunning());
    const sim::ControllerMemories memories = unit.ControllerFirmware();
    EXPECT_EQ(std::string(memories.userId.begin(), memories.userId.begin() + 6), "021500");
    EXPECT_TRUE(Control("1390")->isEnabled());
    EXPECT_TRUE(Control<QLabel>("1398")->text().isEmpty());
    ASSERT_EQ(status->count(), 2);
    EXPECT_EQ(status->at(0), QVariantList({1, 0}));
    EXPECT_EQ(status->at(1), QVariantList({0, 0}));
    EXPECT_FALSE(frontend::IsConnected(*engine));

    Control<QPushButton>("1397")->click();
    EXPECT_EQ(List()->count(), 0);
}

TEST_F(DownloadPage, UnitNotInItsBootLoaderFailsWithWhatToDo) {
    Browse(CopyOfExample("fw.hex"));
    // The unit runs its firmware: no boot loader answers within the (test's short) wait.
    ClickDownload();
    EXPECT_EQ(WaitForEnd(), PICDownloadStateFailed);
    ASSERT_GE(List()->count(), 2);
    EXPECT_EQ(List()->item(0)->text(), kFailed);
    EXPECT_EQ(IconOf(0), CDlgDownloadPIC::kWarning);
    // Below it what went wrong and what to check.
    EXPECT_EQ(List()->item(1)->data(CDlgDownloadPIC::kKindRole).toInt(),
              CDlgDownloadPIC::kReasonLine);
    EXPECT_EQ(IconOf(1), CDlgDownloadPIC::kError);
    EXPECT_TRUE(List()->item(1)->text().contains("S5")) << List()->item(1)->text().toStdString();
    EXPECT_TRUE(Control("1390")->isEnabled());
    EXPECT_EQ(status->count(), 2);
    EXPECT_EQ(Control<QProgressBar>("downloadProgress")->text(), "Failed");

    // Downloading again at once, now with the boot loader running, completes.
    unit.PowerCycleHoldingS5();
    ClickDownload();
    EXPECT_EQ(WaitForEnd(), PICDownloadStateCompleted);
}

TEST_F(DownloadPage, ImagesChangedSinceBrowseAreReportedAsADamagedFile) {
    Browse(CopyOfExample("fw.hex"));
    ASSERT_TRUE(page->FileChosen());
    QFile image(folder.filePath("PROGMEM.MCP"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly | QIODevice::Append));
    image.write("not an image line\r\n");
    image.close();

    ClickDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->warnings.isEmpty(); }, kTimeoutMs));
    EXPECT_EQ(page->warnings[0], kNotFirmware);
    EXPECT_FALSE(page->FileChosen());
    EXPECT_TRUE(Control("1390")->isEnabled());
    EXPECT_EQ(status->count(), 0);
    EXPECT_EQ(unit.BytesReceived(), 0u);
}

// ---- Signal processors ----------------------------------------------------------------------

TEST_F(DownloadPage, EqualiserProgramGoesToItsProcessorToCompleted) {
    const std::vector<uint32_t> before = unit.ProcessorProgram(4);
    Control<QRadioButton>("1513")->click();
    Browse(Example("eq1.EQ"));
    ASSERT_TRUE(page->FileChosen());
    ClickDownload();
    EXPECT_EQ(WaitForEnd(), DSPDownloadStateCompleted);
    EXPECT_TRUE(page->warnings.isEmpty()) << page->warnings.join("\n").toStdString();

    // States 6, 7, 8, 11, 10: five lines, newest first.
    EXPECT_EQ(Lines(CDlgDownloadPIC::kStateMessage),
              QStringList({kCompleted, "Verifying DSP data...",
                           "Writing to DSP program memory, this can take almost 2 minutes to "
                           "complete...",
                           "Initializing DSP for download", "Waiting for response from DSP"}));
    const QStringList progress = Lines(CDlgDownloadPIC::kProgressLine);
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress[0], "DSP program memory: 2048 of 2048 words written (100%)");

    // The processor on card 6 DSP 1 holds the new program; the others are untouched.
    EXPECT_NE(unit.ProcessorProgram(4), before);
    EXPECT_EQ(unit.ProcessorProgram(4).size(), 2048u);
    EXPECT_EQ(unit.ProcessorProgram(4).at(1), 0x000062u);
    ASSERT_EQ(status->count(), 2);
    EXPECT_FALSE(frontend::IsConnected(*engine));
}

TEST_F(DownloadPage, DamagedProgramIsRefusedBeforeAnythingIsSentWithTheReason) {
    QFile source(Example("eq1.EQ"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    const qsizetype crc = text.lastIndexOf("CRC ");
    ASSERT_GE(crc, 0);
    text[crc + 4] = text[crc + 4] == 'A' ? 'B' : 'A';
    const QString path = folder.filePath("damaged.EQ");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(text);
    damaged.close();
    const std::vector<uint32_t> before = unit.ProcessorProgram(5);

    Control<QRadioButton>("1514")->click();
    Browse(path);
    ClickDownload();
    EXPECT_EQ(WaitForEnd(), DSPDownloadStateFailed);

    EXPECT_EQ(List()->item(0)->text(), kFailed);
    EXPECT_EQ(IconOf(0), CDlgDownloadPIC::kWarning);
    const QStringList reasons = Lines(CDlgDownloadPIC::kReasonLine);
    ASSERT_EQ(reasons.size(), 1);
    EXPECT_TRUE(reasons[0].contains("damaged.EQ")) << reasons[0].toStdString();
    EXPECT_TRUE(reasons[0].contains("not valid")) << reasons[0].toStdString();
    // Nothing reached the unit; its program stays.
    EXPECT_EQ(unit.BytesReceived(), 0u);
    EXPECT_EQ(unit.ProcessorProgram(5), before);
    EXPECT_TRUE(Control("1390")->isEnabled());
}

TEST_F(DownloadPage, DownloadThatEndsBeforeItsStartIsAnsweredLeavesThePageReady) {
    Control<QRadioButton>("1514")->click();
    Browse(Example("eq1.EQ"));
    ClickDownload();
    // The final state comes in before the call's answer (which needs the event loop).
    emit bridge->dspDownloadStateChange(DSPDownloadStateFailed);
    EXPECT_TRUE(page->Downloading());
    EXPECT_FALSE(Control("1390")->isEnabled());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Downloading(); }, kTimeoutMs));
    EXPECT_TRUE(Control("1390")->isEnabled());
    // The page never reported a download running (and so never leaves the frame thinking so).
    for (const QList<QVariant>& reported : *status) {
        EXPECT_EQ(reported, QVariantList({0, 0}));
    }
    // The engine's own download ends as well.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frontend::IsConnected(*engine); }, kTimeoutMs));
}

TEST_F(DownloadPage, ProgramThatReadsBackWrongWarnsAndMayBeSentAgain) {
    unit.CorruptProgramWrites(1);
    Control<QRadioButton>("1512")->click();
    Browse(Example("matrix.MAT"));
    ClickDownload();
    EXPECT_EQ(WaitForEnd(), DSPDownloadStateVerifyFailed);
    EXPECT_EQ(List()->item(0)->text(),
              "DSP CRC Verification has failed,  Please try the download again.");
    EXPECT_EQ(IconOf(0), CDlgDownloadPIC::kWarning);
    EXPECT_TRUE(Control("1390")->isEnabled());

    ClickDownload();
    EXPECT_EQ(WaitForEnd(), DSPDownloadStateCompleted);
}

// ---- Port and connection --------------------------------------------------------------------

TEST_F(DownloadPage, PortThatCannotBeOpenedIsNamed) {
    const QString missing = folder.filePath("no-such-port");
    ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(missing)), status::Ok);
    Control<QRadioButton>("1510")->click();
    Browse(Example("nr.NR"));
    ClickDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->warnings.isEmpty(); }, kTimeoutMs));
    EXPECT_TRUE(page->warnings[0].startsWith(
        QStringLiteral("Failed to open the communication port (%1).  Please verify your "
                       "configuration and try again.")
            .arg(missing)))
        << page->warnings[0].toStdString();
    EXPECT_TRUE(Control("1390")->isEnabled());
    EXPECT_FALSE(page->Downloading());
    EXPECT_EQ(status->count(), 0);
    EXPECT_EQ(List()->count(), 0);
}

TEST_F(DownloadPage, WhileConnectedTheTechnicianIsToldToDisconnect) {
    ASSERT_EQ(engine->Connect(), status::Ok);
    Control<QRadioButton>("1513")->click();
    Browse(Example("eq1.EQ"));
    ClickDownload();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->warnings.isEmpty(); }, kTimeoutMs));
    EXPECT_EQ(page->warnings[0],
              "The program is connected to the KVT unit.  Please disconnect "
              "before downloading.");
    EXPECT_TRUE(Control("1390")->isEnabled());
    EXPECT_EQ(status->count(), 0);
    EXPECT_TRUE(frontend::IsConnected(*engine));
}

// ---- The page's reading of the states -------------------------------------------------------

TEST_F(DownloadPage, StatusTextTurnsWhileTheDownloadRuns) {
    emit bridge->dspDownloadStateChange(DSPDownloadStateWriting);
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->DownloadState() == 8; }, kTimeoutMs));
    // The spinner's phase is shared by the whole program: find where it stands.
    page->AnimateStatus();
    const QString first = Control<QLabel>("1398")->text();
    const QStringList turns = {"| Writing |", "/ Writing /", "- Writing -", "\\ Writing \\"};
    const qsizetype start = turns.indexOf(first);
    ASSERT_GE(start, 0) << first.toStdString();
    for (int step = 1; step <= 4; ++step) {
        page->AnimateStatus();
        EXPECT_EQ(Control<QLabel>("1398")->text(), turns[(start + step) % 4]);
    }

    const std::pair<int, const char*> texts[] = {
        {0, "Waiting"},        {1, "Erasing"}, {2, "Writing"},
        {3, "Writing EEPROM"}, {6, "Waiting"}, {7, "Initializing"},
    };
    for (const auto& [state, text] : texts) {
        emit bridge->picDownloadStateChange(state);
        QTest::qWait(0);
        page->AnimateStatus();
        EXPECT_TRUE(Control<QLabel>("1398")->text().contains(QLatin1String(text))) << state;
    }
    // Verifying has no status text: the line is cleared and the spinner stands still.
    emit bridge->dspDownloadStateChange(DSPDownloadStateVerifying);
    QTest::qWait(0);
    page->AnimateStatus();
    EXPECT_TRUE(Control<QLabel>("1398")->text().isEmpty());
}

TEST_F(DownloadPage, CrcFailureWarnsAndEndsTheDownload) {
    for (int state : {6, 7, 8, 11, 12}) {
        emit bridge->dspDownloadStateChange(state);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->DownloadState() == 12; }, kTimeoutMs));
    ASSERT_EQ(List()->count(), 5);
    EXPECT_EQ(List()->item(0)->text(),
              "DSP CRC Verification has failed,  Please try the download again.");
    EXPECT_EQ(IconOf(0), CDlgDownloadPIC::kWarning);
    for (int row = 1; row < 5; ++row) {
        EXPECT_EQ(IconOf(row), CDlgDownloadPIC::kInformation);
    }
    EXPECT_EQ(List()->item(4)->text(), "Waiting for response from DSP");
    EXPECT_TRUE(Control("1390")->isEnabled());
    ASSERT_EQ(status->count(), 1);
    EXPECT_EQ(status->at(0), QVariantList({0, 0}));
}

}  // namespace
}  // namespace kvt::laptop
