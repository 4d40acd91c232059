// The IP address editor typed into as a user does.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "GuiTestSupport.h"
#include "IpAddressEdit.h"

namespace kvt::setip::test {
namespace {

class IpAddressEditing : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        edit = new IpAddressEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        ASSERT_TRUE(ShowActive(window));
        edit->setFocus();
    }

    // The four fields' texts as they stand, "" for an empty one.
    QStringList FieldTexts() const {
        QStringList texts;
        for (const QLineEdit* field : edit->findChildren<QLineEdit*>()) {
            texts << field->text();
        }
        return texts;
    }

    QWidget window;
    IpAddressEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(IpAddressEditing, StartsBlankAndReadsAsZero) {
    EXPECT_TRUE(edit->isBlank());
    EXPECT_EQ(edit->address(), 0u);
    EXPECT_EQ(edit->text(), "0.0.0.0");
}

TEST_F(IpAddressEditing, DotsMoveToTheNextField) {
    Type("10.1.2.3");
    EXPECT_EQ(FieldTexts(), (QStringList{"10", "1", "2", "3"}));
    EXPECT_EQ(edit->address(), 0x0A010203u);
    EXPECT_EQ(edit->text(), "10.1.2.3");
}

TEST_F(IpAddressEditing, ThirdDigitMovesOnAndATrailingDotIsNotASkip) {
    Type("192.168.1.20");
    EXPECT_EQ(edit->text(), "192.168.1.20");
    edit->clear();
    edit->setFocus();
    Type("1921681");
    EXPECT_EQ(FieldTexts(), (QStringList{"192", "168", "1", ""}));
}

TEST_F(IpAddressEditing, OnlyDigitsAreTaken) {
    Type("1a2-3 .x4");
    EXPECT_EQ(FieldTexts(), (QStringList{"123", "4", "", ""}));
}

TEST_F(IpAddressEditing, ValuesOverTheRangeBecome255) {
    Type("300.256.999.1");
    EXPECT_EQ(edit->text(), "255.255.255.1");
}

TEST_F(IpAddressEditing, EmptyFieldsCountAsZero) {
    Type("10..5");
    EXPECT_EQ(FieldTexts(), (QStringList{"10", "5", "", ""}));
    EXPECT_EQ(edit->address(), 0x0A050000u);
    EXPECT_FALSE(edit->isBlank());
}

TEST_F(IpAddressEditing, BackspaceInAnEmptyFieldGoesBack) {
    Type("10.");
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    Type("2");
    EXPECT_EQ(FieldTexts(), (QStringList{"12", "", "", ""}));
}

TEST_F(IpAddressEditing, ArrowKeysCrossFieldEdges) {
    Type("10.20");
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);  // from the start of the second field to the end of the first
    Type("0");
    EXPECT_EQ(FieldTexts(), (QStringList{"100", "20", "", ""}));
}

TEST_F(IpAddressEditing, AddressAndTextRoundTrip) {
    edit->setAddress(0xC0A80114u);
    EXPECT_EQ(edit->text(), "192.168.1.20");
    EXPECT_EQ(FieldTexts(), (QStringList{"192", "168", "1", "20"}));
    EXPECT_TRUE(edit->setText("10.0.0.255"));
    EXPECT_EQ(edit->address(), 0x0A0000FFu);
    EXPECT_FALSE(edit->setText("10.0.0"));
    EXPECT_EQ(edit->text(), "10.0.0.255");
}

TEST_F(IpAddressEditing, EditingFinishedWhenTheFocusLeavesTheControlOnly) {
    QSignalSpy finished(edit, &IpAddressEdit::editingFinished);
    Type("10.1.2.3");
    EXPECT_EQ(finished.count(), 0);
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocusWithin(other));
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(IpAddressEditing, TabLeavesFromAnyFieldAndShiftTabComesBackToTheFirst) {
    Type("10.1");
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocusWithin(other));
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(HasFocusWithin(edit));
    EXPECT_EQ(QApplication::focusWidget(), edit->findChildren<QLineEdit*>().first());
}

TEST_F(IpAddressEditing, LeadingZerosAreTidiedWhenDone) {
    Type("010.001.0.7");
    other->setFocus();
    EXPECT_EQ(FieldTexts(), (QStringList{"10", "1", "0", "7"}));
}

}  // namespace
}  // namespace kvt::setip::test
