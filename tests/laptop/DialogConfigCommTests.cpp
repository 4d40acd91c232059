// The communication settings dialog and its address editor, against the real engine with its
// settings in a private folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "EngineValues.h"
#include "IKVT80.h"
#include "RemoteAddresses.h"
#include "TestSupport.h"
#include "dialogs/CDlgConfigComm.h"
#include "dialogs/CDlgIPAddress.h"

namespace kvt::laptop {
namespace {

using frontend::RemoteAddressStore;

const QStringList kFixedPorts = {"USB",  "COM1", "COM2", "COM3", "COM4",  "COM5",
                                 "COM6", "COM7", "COM8", "COM9", "TCP/IP"};

setip::SerialDeviceLister Devices(std::vector<std::string> devices = {}) {
    return [devices] { return devices; };
}

QWidget* Control(const QWidget& dialog, const char* id) {
    return dialog.findChild<QWidget*>(id);
}

QPushButton* Button(const QWidget& dialog, const char* id) {
    return dialog.findChild<QPushButton*>(id);
}

QStringList Items(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items.append(list.item(i)->text());
    }
    return items;
}

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) {
        items.append(box.itemText(i));
    }
    return items;
}

// Answers the next address editor that comes up modally; it is polled for because the editor
// runs its own event loop inside the click that opened it.
class EditorAnswer {
  public:
    explicit EditorAnswer(std::function<void(CDlgIPAddress&)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
            auto* editor = qobject_cast<CDlgIPAddress*>(QApplication::activeModalWidget());
            if (editor == nullptr) {
                return;
            }
            timer_.stop();
            shown_ = true;
            initialText_ = editor->findChild<QLineEdit*>("1566")->text();
            answer(*editor);
        });
        timer_.start(5);
    }

    bool Shown() const { return shown_; }
    QString InitialText() const { return initialText_; }

  private:
    QTimer timer_;
    bool shown_ = false;
    QString initialText_;
};

void EnterAndConfirm(CDlgIPAddress& editor, const QString& address) {
    auto* edit = editor.findChild<QLineEdit*>("1566");
    edit->selectAll();
    QTest::keyClicks(edit, address);
    editor.findChild<QPushButton*>("1")->click();
}

class CommunicationSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
    }
    void TearDown() override {
        dialog.reset();
        engine->Cleanup();
    }

    void Open(const setip::SerialDeviceLister& devices = Devices()) {
        dialog = std::make_unique<CDlgConfigComm>(*engine, store, nullptr, devices);
        dialog->show();
        ports = dialog->findChild<QComboBox*>("1003");
        addresses = dialog->findChild<QListWidget*>("1002");
        ASSERT_NE(ports, nullptr);
        ASSERT_NE(addresses, nullptr);
    }

    void ChoosePort(const QString& port) {
        const int index = ports->findText(port);
        ASSERT_GE(index, 0) << port.toStdString();
        ports->setCurrentIndex(index);
    }

    void SelectListed(const QString& address) {
        const auto found = addresses->findItems(address, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << address.toStdString();
        addresses->setCurrentItem(found.constFirst());
    }

    void PutPort(const QString& port) {
        ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(port)), status::Ok);
    }

    QString EnginePort() {
        Variant value;
        EXPECT_EQ(engine->get_ComPort(&value), status::Ok);
        return frontend::ToQString(value.StringValue());
    }

    QString EngineAddress() {
        std::u16string value;
        EXPECT_EQ(engine->get_RemoteAddress(&value), status::Ok);
        return frontend::ToQString(value);
    }

    bool AddressControlsEnabled(bool enabled) {
        for (const char* id : {"1002", "1001", "1567", "1004"}) {
            if (Control(*dialog, id)->isEnabled() != enabled) {
                ADD_FAILURE() << "control " << id << " enabled: " << !enabled;
                return false;
            }
        }
        return true;
    }

    testing::ScopedConfigHome configHome;
    QTemporaryDir folder;
    RemoteAddressStore store{folder.path()};
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<CDlgConfigComm> dialog;
    QComboBox* ports = nullptr;
    QListWidget* addresses = nullptr;
};

TEST_F(CommunicationSettings, ControlsCarryTheirIdentifiersAndLabels) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Configure Communications");
    const std::vector<std::pair<const char*, QString>> controls = {{"1003", "Communications Port:"},
                                                                   {"1001", "Insert..."},
                                                                   {"1567", "Modify..."},
                                                                   {"1004", "Delete"},
                                                                   {"1", "OK"},
                                                                   {"2", "Cancel"}};
    for (const auto& [id, label] : controls) {
        QWidget* control = Control(*dialog, id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->accessibleName(), label) << id;
    }
    EXPECT_EQ(Button(*dialog, "1001")->text(), "Insert...");
}

TEST_F(CommunicationSettings, PortListHasTheFixedNamesThenEachDeviceFoundOnce) {
    Open(Devices({"/dev/ttyUSB0", "/dev/ttyACM1", "/dev/ttyUSB0"}));
    EXPECT_EQ(Items(*ports), kFixedPorts + QStringList({"/dev/ttyUSB0", "/dev/ttyACM1"}));
}

TEST_F(CommunicationSettings, Com3DisablesTheAddressControlsAndTcpIpEnablesThem) {
    PutPort("COM3");
    Open();
    EXPECT_EQ(ports->currentText(), "COM3");
    EXPECT_TRUE(AddressControlsEnabled(false));

    ChoosePort("TCP/IP");
    EXPECT_TRUE(AddressControlsEnabled(true));
    ChoosePort("USB");
    EXPECT_TRUE(AddressControlsEnabled(false));
}

TEST_F(CommunicationSettings, EnginePortIsFoundWhateverItsSpelling) {
    // The engine's own default is "COM1:".
    Open();
    EXPECT_EQ(ports->currentText(), "COM1");
    dialog.reset();

    PutPort("tcp/ip");
    Open();
    EXPECT_EQ(ports->currentText(), "TCP/IP");
    EXPECT_TRUE(AddressControlsEnabled(true));
}

TEST_F(CommunicationSettings, UnlistedEnginePortIsAddedSelectedAndKeptByOk) {
    PutPort("/dev/pts/42");
    Open(Devices({"/dev/ttyUSB0"}));
    EXPECT_EQ(ports->count(), kFixedPorts.size() + 2);
    EXPECT_EQ(ports->currentText(), "/dev/pts/42");
    EXPECT_EQ(ports->currentIndex(), ports->count() - 1);

    Button(*dialog, "1")->click();
    EXPECT_EQ(EnginePort(), "/dev/pts/42");
}

TEST_F(CommunicationSettings, AddressesListedInStoredOrderWithTheEngineAddressSelected) {
    for (const char* address : {"10.0.0.9", "unit.example.com", "10.0.0.1:4000"}) {
        ASSERT_TRUE(store.Insert(address));
    }
    ASSERT_EQ(engine->put_RemoteAddress(u"UNIT.example.com"), status::Ok);
    Open();
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.9", "unit.example.com", "10.0.0.1:4000"}));
    EXPECT_EQ(dialog->SelectedAddress(), "unit.example.com");
}

TEST_F(CommunicationSettings, InsertStoresSelectsAndKeepsTheAddressForTheNextRun) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    PutPort("TCP/IP");
    Open();
    EditorAnswer answer([](CDlgIPAddress& editor) {
        EXPECT_EQ(editor.windowTitle(), "Insert/Modify IP Address");
        EnterAndConfirm(editor, "192.168.1.20");
    });
    Button(*dialog, "1001")->click();

    ASSERT_TRUE(answer.Shown());
    EXPECT_EQ(answer.InitialText(), "");
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.1", "192.168.1.20"}));
    EXPECT_EQ(dialog->SelectedAddress(), "192.168.1.20");
    EXPECT_EQ(RemoteAddressStore(folder.path()).List(), QStringList({"10.0.0.1", "192.168.1.20"}));
}

TEST_F(CommunicationSettings, InsertingAListedAddressSelectsItInsteadOfAddingIt) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    ASSERT_TRUE(store.Insert("10.0.0.2"));
    PutPort("TCP/IP");
    Open();
    SelectListed("10.0.0.2");
    EditorAnswer answer([](CDlgIPAddress& editor) { EnterAndConfirm(editor, "10.0.0.1"); });
    Button(*dialog, "1001")->click();

    ASSERT_TRUE(answer.Shown());
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.1", "10.0.0.2"}));
    EXPECT_EQ(dialog->SelectedAddress(), "10.0.0.1");
    EXPECT_EQ(store.List(), QStringList({"10.0.0.1", "10.0.0.2"}));
}

TEST_F(CommunicationSettings, CancelledEditorChangesNothing) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    PutPort("TCP/IP");
    Open();
    SelectListed("10.0.0.1");
    for (const char* button : {"1001", "1567"}) {
        EditorAnswer answer([](CDlgIPAddress& editor) {
            QTest::keyClicks(editor.findChild<QLineEdit*>("1566"), "10.9.9.9");
            editor.findChild<QPushButton*>("2")->click();
        });
        Button(*dialog, button)->click();
        ASSERT_TRUE(answer.Shown()) << button;
    }
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.1"}));
    EXPECT_EQ(store.List(), QStringList({"10.0.0.1"}));
}

TEST_F(CommunicationSettings, ModifyReplacesTheSelectedAddress) {
    for (const char* address : {"10.0.0.1", "10.0.0.2", "10.0.0.3"}) {
        ASSERT_TRUE(store.Insert(address));
    }
    PutPort("TCP/IP");
    Open();
    SelectListed("10.0.0.1");
    EditorAnswer answer([](CDlgIPAddress& editor) { EnterAndConfirm(editor, "unit.local"); });
    Button(*dialog, "1567")->click();

    ASSERT_TRUE(answer.Shown());
    EXPECT_EQ(answer.InitialText(), "10.0.0.1");
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.2", "10.0.0.3", "unit.local"}));
    EXPECT_EQ(dialog->SelectedAddress(), "unit.local");
    EXPECT_EQ(store.List(), Items(*addresses));
}

TEST_F(CommunicationSettings, ModifyOntoAnotherListedAddressLeavesThatOneOnce) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    ASSERT_TRUE(store.Insert("10.0.0.2"));
    PutPort("TCP/IP");
    Open();
    SelectListed("10.0.0.1");
    EditorAnswer answer([](CDlgIPAddress& editor) { EnterAndConfirm(editor, "10.0.0.2"); });
    Button(*dialog, "1567")->click();

    ASSERT_TRUE(answer.Shown());
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.2"}));
    EXPECT_EQ(dialog->SelectedAddress(), "10.0.0.2");
    EXPECT_EQ(store.List(), QStringList({"10.0.0.2"}));
}

TEST_F(CommunicationSettings, ModifyToAnEmptyAddressKeepsTheEntry) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    PutPort("TCP/IP");
    Open();
    SelectListed("10.0.0.1");
    EditorAnswer answer([](CDlgIPAddress& editor) { EnterAndConfirm(editor, ""); });
    Button(*dialog, "1567")->click();

    ASSERT_TRUE(answer.Shown());
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.1"}));
    EXPECT_EQ(store.List(), QStringList({"10.0.0.1"}));
}

TEST_F(CommunicationSettings, ModifyAndDeleteNeedASelectedAddress) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    PutPort("TCP/IP");
    Open();
    ASSERT_TRUE(addresses->selectedItems().isEmpty());
    EditorAnswer answer([](CDlgIPAddress& editor) { editor.reject(); });
    Button(*dialog, "1567")->click();
    Button(*dialog, "1004")->click();

    EXPECT_FALSE(answer.Shown());
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.1"}));
    EXPECT_EQ(store.List(), QStringList({"10.0.0.1"}));
}

TEST_F(CommunicationSettings, DeleteRemovesTheSelectedAddressWithoutAsking) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    ASSERT_TRUE(store.Insert("10.0.0.2"));
    PutPort("TCP/IP");
    Open();
    SelectListed("10.0.0.1");
    Button(*dialog, "1004")->click();

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Items(*addresses), QStringList({"10.0.0.2"}));
    EXPECT_EQ(RemoteAddressStore(folder.path()).List(), QStringList({"10.0.0.2"}));
}

TEST_F(CommunicationSettings, OkPutsThePortAndTheSelectedAddress) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    ASSERT_TRUE(store.Insert("10.0.0.2"));
    PutPort("COM2");
    Open();
    ChoosePort("TCP/IP");
    SelectListed("10.0.0.2");
    Button(*dialog, "1")->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(EnginePort(), "TCP/IP");
    EXPECT_EQ(EngineAddress(), "10.0.0.2");
}

TEST_F(CommunicationSettings, OkWithNoAddressSelectedPutsAnEmptyAddress) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    ASSERT_EQ(engine->put_RemoteAddress(u"gone.example.com"), status::Ok);
    PutPort("TCP/IP");
    Open();
    EXPECT_EQ(dialog->SelectedAddress(), "");
    ChoosePort("COM4");
    Button(*dialog, "1")->click();

    EXPECT_EQ(EnginePort(), "COM4");
    EXPECT_EQ(EngineAddress(), "");
}

TEST_F(CommunicationSettings, CancelLeavesTheEngineAlone) {
    ASSERT_TRUE(store.Insert("10.0.0.1"));
    ASSERT_EQ(engine->put_RemoteAddress(u"10.0.0.1"), status::Ok);
    PutPort("TCP/IP");
    Open();
    ChoosePort("COM5");
    Button(*dialog, "2")->click();

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(EnginePort(), "TCP/IP");
    EXPECT_EQ(EngineAddress(), "10.0.0.1");
}

TEST(AddressEditor, StartsWithTheGivenTextAndReturnsWhatWasEnteredOnOk) {
    CDlgIPAddress editor("10.0.0.1");
    editor.show();
    auto* edit = editor.findChild<QLineEdit*>("1566");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "10.0.0.1");
    EXPECT_EQ(edit->accessibleName(), "IP address:");
    EXPECT_EQ(editor.Address(), "");

    edit->selectAll();
    QTest::keyClicks(edit, "unit.local:4001");
    editor.findChild<QPushButton*>("1")->click();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.Address(), "unit.local:4001");
}

TEST(AddressEditor, TakesAtMost64CharactersAndCancelReturnsNothing) {
    CDlgIPAddress editor;
    editor.show();
    auto* edit = editor.findChild<QLineEdit*>("1566");
    QTest::keyClicks(edit, QString(70, 'a'));
    EXPECT_EQ(edit->text(), QString(64, 'a'));

    editor.findChild<QPushButton*>("2")->click();
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_EQ(editor.Address(), "");
}

}  // namespace
}  // namespace kvt::laptop
