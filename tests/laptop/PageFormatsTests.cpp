// The Formats page against a real engine: what it shows of the current format, which controls a
// format has, what each edit stores, the format level's link with the main fader, renaming a
// format, and the format table reaching the simulated unit and surviving a store and reconnection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "dialogs/CDlgChangeFormatName.h"
#include "pages/CDlgFormatsForm.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

constexpr int kGuiTimeoutMs = 10000;

enum Format { kMono, kStereo, kStereoSR, kDigitalA, kNonSync, kAux, kMicCenter, kUser1, kDigitalB };
enum Decode { kDecode51, kDecode20, kDecodeMono, kDecodeLCR, kDecodeLR };
enum Input { kProjector, kAnalogNS, kAnalogAux, kAESEBU };

// The page with the rename question answered by the test.
class TestFormatsPage : public CDlgFormatsForm {
  public:
    using CDlgFormatsForm::CDlgFormatsForm;
    QStringList names;  // the answers in turn; none left: cancelled
    QString shownName;

  protected:
    std::optional<QString> AskFormatName(const QString& current) override {
        shownName = current;
        if (names.isEmpty()) {
            return std::nullopt;
        }
        return names.takeFirst();
    }
};

class FormatsPage : public UnitRig {
  protected:
    void TearDown() override {
        page.reset();
        UnitRig::TearDown();
    }

    void Connect() { ConnectToUnit(); }

    void OpenPage() {
        page = std::make_unique<TestFormatsPage>(*engine, *bridge);
        page->resize(755, 340);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get(), kGuiTimeoutMs));
    }

    // The unit plays this format and the page shows it.
    void Play(int format) {
        ASSERT_EQ(engine->put_Mode(Variant::Int(format)), 0);
        page->Refresh();
    }

    template <typename T = QWidget>
    T* Control(int id) const {
        return page->findChild<T*>(QString::number(id));
    }
    bool Shown(int id) const { return Control(id)->isVisibleTo(page.get()); }
    bool Checked(int id) const { return Control<QAbstractButton>(id)->isChecked(); }
    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
    // The user picks an entry of a list.
    void Choose(int id, int index) {
        auto* list = Control<QComboBox>(id);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    bool Flag(int32_t (IKVT80::*get)(const Variant&, Variant*), int format) const {
        Variant value;
        return (engine.get()->*get)(Variant::Int(format), &value) == 0 && value.IsTrue();
    }
    int32_t IntOf(int32_t (IKVT80::*get)(const Variant&, Variant*), int format) const {
        Variant value;
        (engine.get()->*get)(Variant::Int(format), &value);
        return value.Int32();
    }
    int32_t Level(int format) const {
        int32_t level = -1;
        engine->get_FormatLevel(Variant::Int(format), &level);
        return level;
    }
    int32_t Mask(int format) const {
        int32_t mask = -1;
        engine->get_FormatOutputMask(Variant::Int(format), &mask);
        return mask;
    }
    QString Text(int32_t (IKVT80::*get)(const Variant&, std::u16string*), int format) const {
        std::u16string text;
        (engine.get()->*get)(Variant::Int(format), &text);
        return frontend::ToQString(text);
    }
    bool Dirty() const { return frontend::IsTrueProperty(*engine, &IKVT80::get_ConfigFileDirty); }
    void MarkClean() {
        ASSERT_TRUE(files.isValid());
        ASSERT_EQ(
            engine->Save(frontend::TextVariant(files.filePath("clean.kvt")), Variant::Bool(false)),
            0);
        ASSERT_FALSE(Dirty());
    }

    // Drags the thumb of a vertical slider through the positions, then lets go.
    void Drag(CTrackbar* slider, std::initializer_list<int> positions,
              const std::function<void(int)>& atEachStep) {
        const QPoint grab = slider->ThumbRect().center();
        QTest::mousePress(slider, Qt::LeftButton, {}, grab);
        QPoint to = grab;
        for (int position : positions) {
            to = QPoint(grab.x(), slider->PositionOffset(position));
            QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &move);
            atEachStep(position);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
    }

    testing::ScopedConfigHome config;
    QTemporaryDir files;
    std::unique_ptr<TestFormatsPage> page;
};

TEST_F(FormatsPage, FormatButtonsCarryTheFormatsNames) {
    OpenPage();
    const QStringList names = {"Mono",      "Stereo",   "Stereo SR", "Digital A",
                               "Digital B", "Non-Sync", "Aux",       "Mic Center"};
    for (int button = 0; button < 8; ++button) {
        EXPECT_EQ(Control<QPushButton>(1352 + button)->text(), names[button]) << button;
    }
    EXPECT_EQ(CDlgFormatsForm::FormatOfButton(4), kDigitalB);
    EXPECT_EQ(CDlgFormatsForm::ButtonOfFormat(kNonSync), 5);
    EXPECT_EQ(CDlgFormatsForm::ButtonOfFormat(kUser1), -1);

    // A name with an ampersand shows it rather than underlining the next letter.
    ASSERT_EQ(engine->put_FormatTxt1(Variant::Int(kAux), u"Music & Aux"), 0);
    page->Refresh();
    EXPECT_EQ(Control<QPushButton>(1358)->text(), "Music && Aux");
}

TEST_F(FormatsPage, LROnlyStoresMask244AndReadsBackAsLROnly) {
    OpenPage();
    Play(kStereo);
    ASSERT_FALSE(Checked(1556));
    Click(1556);
    ASSERT_TRUE(Shown(1550));
    Choose(1550, kDecodeLR);
    EXPECT_EQ(Mask(kStereo), 244);
    EXPECT_EQ(IntOf(&IKVT80::get_FormatMatrix, kStereo), 1);
    EXPECT_FALSE(Flag(&IKVT80::get_FormatMonoEQ, kStereo));

    page->Refresh();
    EXPECT_TRUE(Checked(1556));
    EXPECT_EQ(Control<QComboBox>(1550)->currentIndex(), kDecodeLR);

    ASSERT_EQ(engine->put_FormatOutputMask(Variant::Int(kStereo), 240), 0);
    page->Refresh();
    EXPECT_EQ(Control<QComboBox>(1550)->currentIndex(), kDecodeLCR);

    Choose(1550, kDecodeMono);
    EXPECT_EQ(Mask(kStereo), 0);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatMonoEQ, kStereo));
    EXPECT_EQ(IntOf(&IKVT80::get_FormatMatrix, kStereo), 0);
}

TEST_F(FormatsPage, StandardStereoHidesTheAdvancedOptionsUntilASettingDiffers) {
    OpenPage();
    Play(kStereo);
    EXPECT_TRUE(Shown(1556));
    EXPECT_FALSE(Checked(1556));
    for (int id : {1549, 1550, 1558, 1570, 1551}) {
        EXPECT_FALSE(Shown(id)) << id;
    }
    Click(1556);
    EXPECT_EQ(Control<QComboBox>(1549)->currentIndex(), 1);  // A Type
    EXPECT_EQ(Control<QComboBox>(1550)->currentIndex(), kDecode51);
    EXPECT_EQ(Control<QComboBox>(1558)->currentIndex(), kProjector);
    Choose(1549, 0);
    EXPECT_EQ(IntOf(&IKVT80::get_FormatNR, kStereo), 0);

    page->Refresh();
    EXPECT_TRUE(Checked(1556));
    EXPECT_TRUE(Shown(1549));
    EXPECT_EQ(Control<QComboBox>(1549)->currentIndex(), 0);

    // Mono's standard is mono EQ on: without it the options show.
    Play(kMono);
    EXPECT_FALSE(Checked(1556));
    ASSERT_EQ(engine->put_FormatMonoEQ(Variant::Int(kMono), Variant::Bool(false)), 0);
    page->Refresh();
    EXPECT_TRUE(Checked(1556));

    // Only Mono, Stereo and Stereo SR have advanced options.
    Play(kNonSync);
    EXPECT_FALSE(Shown(1556));
}

TEST_F(FormatsPage, UncheckingTheAdvancedOptionsHidesThemAndWritesNothing) {
    ASSERT_EQ(engine->put_FormatOutputMask(Variant::Int(kStereoSR), 244), 0);
    ASSERT_EQ(engine->put_FormatDiscrete(Variant::Int(kStereoSR), Variant::Bool(true)), 0);
    MarkClean();
    OpenPage();
    Play(kStereoSR);
    ASSERT_TRUE(Checked(1556));
    EXPECT_TRUE(Checked(1570));

    Click(1556);
    EXPECT_FALSE(Checked(1556));
    EXPECT_FALSE(Shown(1550));
    EXPECT_FALSE(Checked(1570));
    EXPECT_FALSE(Dirty());
    EXPECT_EQ(Mask(kStereoSR), 244);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatDiscrete, kStereoSR));

    page->Refresh();
    EXPECT_TRUE(Checked(1556));
    EXPECT_TRUE(Checked(1570));
}

TEST_F(FormatsPage, InputChoiceStoresItsFlagsAndClearsDiscrete) {
    ASSERT_EQ(engine->put_FormatDiscrete(Variant::Int(kMono), Variant::Bool(true)), 0);
    OpenPage();
    Play(kMono);
    // The discrete option alone is no reason to show the options: the user opens them.
    EXPECT_FALSE(Checked(1556));
    Click(1556);
    EXPECT_TRUE(Checked(1570));
    Choose(1558, kAnalogNS);
    EXPECT_FALSE(Flag(&IKVT80::get_FormatP1, kMono));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatP2, kMono));
    EXPECT_TRUE(Flag(&IKVT80::get_FormatNS, kMono));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatSlitEQ, kMono));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatDiscrete, kMono));
    EXPECT_FALSE(Checked(1570));

    Choose(1558, kAESEBU);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatAESEBU, kMono));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatNS, kMono));
    EXPECT_FALSE(Control(1549)->isEnabled()) << "a digital input has no noise reduction";
    page->Refresh();
    EXPECT_EQ(Control<QComboBox>(1558)->currentIndex(), kAESEBU);
    EXPECT_FALSE(Control(1550)->isEnabled());

    Choose(1558, kProjector);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatP1, kMono));
    EXPECT_TRUE(Flag(&IKVT80::get_FormatSlitEQ, kMono));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatAESEBU, kMono));
    EXPECT_TRUE(Control(1549)->isEnabled());
}

TEST_F(FormatsPage, EnablePresetWithoutAUnitStoresTheLevelAndLeavesTheFader) {
    OpenPage();
    Play(kStereo);
    QSignalSpy fader(page.get(), &CDlgFormatsForm::faderRequested);
    EXPECT_FALSE(Checked(1557));
    EXPECT_FALSE(Control(1343)->isEnabled());
    Click(1557);
    EXPECT_EQ(Level(kStereo), 70);
    EXPECT_EQ(fader.count(), 0);
    EXPECT_TRUE(Checked(1557));
    EXPECT_TRUE(Control(1343)->isEnabled());
    EXPECT_EQ(Control<QLabel>(1345)->text(), "7.0");

    Click(1557);
    EXPECT_EQ(Level(kStereo), 0);
    EXPECT_FALSE(Control(1343)->isEnabled());
    EXPECT_EQ(Control<QLabel>(1345)->text(), "0.0");
}

TEST_F(FormatsPage, EnablePresetWithAUnitMovesTheFader) {
    Connect();
    OpenPage();
    Play(kStereo);
    QSignalSpy fader(page.get(), &CDlgFormatsForm::faderRequested);
    Click(1557);
    ASSERT_EQ(fader.count(), 1);
    EXPECT_EQ(fader.at(0).at(0).toInt(), 70);
}

TEST_F(FormatsPage, LevelDragMovesTheFaderEveryStepAndStoresItAtTheEnd) {
    Connect();
    ASSERT_EQ(engine->put_FormatLevel(Variant::Int(kStereoSR), 70), 0);
    OpenPage();
    Play(kStereoSR);
    auto* level = Control<CTrackbar>(1343);
    ASSERT_EQ(level->value(), -70);
    QSignalSpy fader(page.get(), &CDlgFormatsForm::faderRequested);
    std::vector<int> followed;
    Drag(level, {-75, -82, -90}, [&](int position) {
        ASSERT_FALSE(fader.isEmpty());
        followed.push_back(fader.last().at(0).toInt());
        EXPECT_EQ(Level(kStereoSR), 70) << "stored before the end of the drag at " << position;
    });
    EXPECT_EQ(followed, (std::vector<int>{75, 82, 90}));
    EXPECT_EQ(Level(kStereoSR), 90);
    EXPECT_EQ(fader.last().at(0).toInt(), 90);
    EXPECT_EQ(Control<QLabel>(1345)->text(), "9.0");

    // Down to nothing: the preset is off.
    Drag(level, {0}, [](int) {});
    EXPECT_EQ(Level(kStereoSR), 0);
    EXPECT_FALSE(Checked(1557));
    EXPECT_FALSE(level->isEnabled());
}

TEST_F(FormatsPage, LevelDragWithoutAUnitLeavesTheFader) {
    ASSERT_EQ(engine->put_FormatLevel(Variant::Int(kMono), 50), 0);
    OpenPage();
    Play(kMono);
    QSignalSpy fader(page.get(), &CDlgFormatsForm::faderRequested);
    Drag(Control<CTrackbar>(1343), {-60}, [](int) {});
    EXPECT_EQ(fader.count(), 0);
    EXPECT_EQ(Level(kMono), 60);
}

TEST_F(FormatsPage, ProjectorDelaysOfADigitalInputStayOnAndNothingChanges) {
    MarkClean();
    OpenPage();
    Play(kDigitalB);  // AES/EBU
    ASSERT_TRUE(Shown(1348));
    EXPECT_EQ(Control<QRadioButton>(1348)->text(), "AES/EBU");
    EXPECT_TRUE(Checked(1348));
    EXPECT_TRUE(Checked(1569));
    EXPECT_TRUE(Shown(1553));
    const bool before = Flag(&IKVT80::get_FormatProjectorDelays, kDigitalB);

    Click(1569);
    EXPECT_TRUE(Checked(1569));
    EXPECT_TRUE(Shown(1553));
    EXPECT_EQ(Flag(&IKVT80::get_FormatProjectorDelays, kDigitalB), before);
    EXPECT_FALSE(Dirty());

    // An S/PDIF input of the non-sync format: the same.
    ASSERT_EQ(engine->put_FormatSPDIFF(Variant::Int(kNonSync), Variant::Bool(true)), 0);
    MarkClean();
    Play(kNonSync);
    EXPECT_EQ(Control<QRadioButton>(1348)->text(), "S/PDIF");
    Click(1569);
    EXPECT_TRUE(Checked(1569));
    EXPECT_FALSE(Dirty());
}

TEST_F(FormatsPage, ProjectorDelaysOfAnAnalogInputAreTheFormatsChoice) {
    OpenPage();
    Play(kAux);
    EXPECT_TRUE(Checked(1347));
    EXPECT_FALSE(Checked(1569));
    EXPECT_FALSE(Shown(1553));
    Click(1569);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatProjectorDelays, kAux));
    EXPECT_TRUE(Checked(1569));
    EXPECT_TRUE(Shown(1553));
    Click(1569);
    EXPECT_FALSE(Flag(&IKVT80::get_FormatProjectorDelays, kAux));
    EXPECT_FALSE(Shown(1553));
}

TEST_F(FormatsPage, InputTypeOfEachFormat) {
    OpenPage();
    Play(kNonSync);
    Click(1348);  // S/PDIF
    EXPECT_TRUE(Flag(&IKVT80::get_FormatSPDIFF, kNonSync));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatAnalog, kNonSync));
    EXPECT_FALSE(Flag(&IKVT80::get_FormatNS, kNonSync));
    EXPECT_TRUE(Shown(1553)) << "a digital input has its delays";
    Click(1347);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatAnalog, kNonSync));
    EXPECT_TRUE(Flag(&IKVT80::get_FormatNS, kNonSync));

    // EXT 2 chooses between analogue and AES/EBU; the digital fallback goes with AES/EBU.
    Play(kDigitalB);
    EXPECT_TRUE(Shown(1499));
    Click(1347);
    EXPECT_FALSE(Flag(&IKVT80::get_FormatAESEBU, kDigitalB));
    EXPECT_FALSE(Shown(1499));
    Click(1348);
    EXPECT_TRUE(Flag(&IKVT80::get_FormatAESEBU, kDigitalB));
    EXPECT_TRUE(Shown(1499));

    Play(kStereo);
    EXPECT_FALSE(Shown(1347));
    EXPECT_FALSE(Shown(1499));
    EXPECT_FALSE(Shown(1350));
}

TEST_F(FormatsPage, PowerOnFallbackMicAndDelays) {
    OpenPage();
    Play(kDigitalB);
    Click(1474);  // EXT 2 (Digital)
    int32_t value = -1;
    engine->get_PowerOnFormat(&value);
    EXPECT_EQ(value, 8);
    Click(1477);  // Last Selected
    engine->get_PowerOnFormat(&value);
    EXPECT_EQ(value, 128);
    ASSERT_EQ(engine->put_PowerOnFormat(7), 0);  // no radio of its own
    page->Refresh();
    EXPECT_TRUE(Checked(1477));

    Click(1505);  // NON/SYNC
    engine->get_DigitalFallbackMode(&value);
    EXPECT_EQ(value, 6);

    auto* inputDelay = Control<CTrackbar>(1519);
    const int before = inputDelay->value();
    inputDelay->setFocus();
    QTest::keyClick(inputDelay, Qt::Key_End);
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_DigitalInputDelay), 32);
    EXPECT_EQ(Control<QLabel>(1522)->text(), "32 mS");
    QTest::keyClick(inputDelay, Qt::Key_PageUp);
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_DigitalInputDelay), 42);
    EXPECT_NE(before, inputDelay->value());
    auto* surroundDelay = Control<CTrackbar>(1520);
    surroundDelay->setFocus();
    QTest::keyClick(surroundDelay, Qt::Key_Home);
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_DigitalSurroundDelay), 100);

    Play(kMicCenter);
    EXPECT_TRUE(Shown(1351));
    EXPECT_TRUE(Checked(1350));
    Click(1351);
    value = -1;
    engine->get_MicPhase(Variant::Int(kMicCenter), &value);
    EXPECT_EQ(value, 1);
}

TEST_F(FormatsPage, FormatButtonsSelectThroughTheButtonTable) {
    OpenPage();
    QSignalSpy changed(page.get(), &CDlgFormatsForm::inputFormatChanged);
    ASSERT_EQ(engine->put_ButtonFormat(Variant::Int(6), 9), 0);
    Click(1358);  // AUX
    EXPECT_EQ(frontend::IntProperty(*engine, &IKVT80::get_Mode), 9);
    EXPECT_TRUE(Checked(1358));
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).toInt(), 9);

    page->SelectFormat(kDigitalB);
    EXPECT_TRUE(Checked(1356));
    page->SelectFormat(12);
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_FALSE(Checked(id)) << id;
    }
}

TEST_F(FormatsPage, GeneratorLocksTheFormatButtons) {
    OpenPage();
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(1)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Control(1356)->isEnabled(); }, kGuiTimeoutMs));
    page->Refresh();
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    }
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(0)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control(1356)->isEnabled(); }, kGuiTimeoutMs));
    page->Refresh();
    for (int id = 1352; id <= 1359; ++id) {
        EXPECT_TRUE(Control(id)->isEnabled()) << id;
    }
}

TEST_F(FormatsPage, FifteenCharacterNameSplitsElevenAndFour) {
    OpenPage();
    page->names = {QString("Dolby Digital 5")};
    QWidget* button = Control(1355);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5),
                           button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &menu);  // EXT 1 (Analog): Digital A
    EXPECT_EQ(page->shownName, "Digital A");
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt1, kDigitalA), "Dolby Digit");
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt2, kDigitalA), "al 5");
    EXPECT_EQ(Control<QPushButton>(1355)->text(), "Dolby Digital 5");

    // Cancelled: nothing changes.
    page->RenameFormat(kDigitalA);
    EXPECT_EQ(page->shownName, "Dolby Digital 5");
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt1, kDigitalA), "Dolby Digit");

    // Longer than the dialog allows (from elsewhere): cut to 15, never half stored.
    page->names = {QString("Twenty characters!!!")};
    page->RenameFormat(kDigitalA);
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt1, kDigitalA), "Twenty char");
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt2, kDigitalA), "acte");

    // Short: the second half is empty.
    page->names = {QString("Film")};
    page->RenameFormat(kDigitalA);
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt1, kDigitalA), "Film");
    EXPECT_EQ(Text(&IKVT80::get_FormatTxt2, kDigitalA), "");
}

TEST(ChangeFormatName, ShowsTheNameAndTakesFifteenCharacters) {
    CDlgChangeFormatName dialog("Stereo SR");
    EXPECT_EQ(dialog.windowTitle(), "Change Format Name");
    auto* edit = dialog.findChild<QLineEdit*>("1568");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "Stereo SR");
    EXPECT_EQ(edit->maxLength(), 15);
    edit->setText("Twenty characters!!!");
    EXPECT_EQ(edit->text().size(), 15);
    auto* ok = dialog.findChild<QPushButton*>("1");
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), "Twenty characte");
}

TEST_F(FormatsPage, NothingIsClippedAtThePagesSize) {
    OpenPage();
    for (int format : {kStereo, kNonSync, kMicCenter, kDigitalB}) {
        Play(format);
        if (format == kStereo) {
            Click(1556);
        }
        QApplication::processEvents();  // the layout follows a text that changed
        EXPECT_LE(page->minimumSizeHint().width(), 755);
        EXPECT_LE(page->minimumSizeHint().height(), 340);
        for (QWidget* child : page->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(page.get())) {
                continue;
            }
            const QRect inPage(child->mapTo(page.get(), QPoint(0, 0)), child->size());
            EXPECT_TRUE(page->rect().contains(inPage))
                << format << " " << child->objectName().toStdString();
            if (qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child)) {
                EXPECT_GE(child->width(), child->sizeHint().width())
                    << format << " " << child->objectName().toStdString() << " is cut";
            }
        }
    }
}

// The EEPROM bytes of a format's first name half (record i at 29 + 33 i, the text at offset 3).
QString UnitFormatName(const sim::SimulatedUnit& unit, int format, bool stored) {
    QString name;
    for (uint32_t offset = 0; offset < 12; ++offset) {
        const uint32_t address = 29 + 33 * static_cast<uint32_t>(format) + 3 + offset;
        const uint32_t byte = stored ? unit.StoredMemory(0, address) : unit.Memory(0, address);
        if (byte == 0) {
            break;
        }
        name += QChar(static_cast<char16_t>(byte));
    }
    return name;
}

TEST_F(FormatsPage, RenamedFormatReachesTheUnitsFormatTable) {
    Connect();
    OpenPage();
    page->names = {QString("Screen Two A")};
    page->RenameFormat(kStereoSR);
    EXPECT_TRUE(testing::Eventually([&] {
        return UnitFormatName(unit, kStereoSR, false) == "Screen Two ";
    })) << UnitFormatName(unit, kStereoSR, false).toStdString();
}

TEST_F(FormatsPage, FormatSettingsSurviveAStoreAndAReconnection) {
    Connect();
    OpenPage();
    page->names = {QString("Feature 70mm")};
    page->RenameFormat(kStereo);
    Play(kStereo);
    Click(1557);      // preset level 7.0
    Click(1471);      // power on: STEREO
    Click(1556);      // advanced options
    Choose(1549, 2);  // SR noise reduction

    ASSERT_EQ(engine->SaveKVTParameters(), status::Ok);
    ASSERT_EQ(engine->Disconnect(), status::Ok);
    EXPECT_EQ(UnitFormatName(unit, kStereo, true), "Feature 70m");
    unit.PowerCycle();
    ASSERT_EQ(engine->put_FormatLevel(Variant::Int(kStereo), 0), 0);  // forgotten here
    ASSERT_EQ(engine->put_PowerOnFormat(2), 0);
    ASSERT_EQ(engine->Connect(), status::Ok);
    ASSERT_EQ(engine->QueryKVT(), status::Ok);

    Play(kStereo);
    EXPECT_EQ(Control<QPushButton>(1353)->text(), "Feature 70mm");
    EXPECT_TRUE(Checked(1557));
    EXPECT_EQ(Control<QLabel>(1345)->text(), "7.0");
    EXPECT_TRUE(Checked(1471));
    EXPECT_TRUE(Checked(1556));
    EXPECT_EQ(Control<QComboBox>(1549)->currentIndex(), 2);
}

}  // namespace
}  // namespace kvt::laptop
