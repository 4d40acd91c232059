// The disconnect prompt and the diagnostics password prompt.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Texts.h"
#include "dialogs/CDlgDisconnectPrompt.h"
#include "dialogs/CDlgPassword.h"

namespace kvt::laptop {
namespace {

QPushButton* Button(const QWidget& dialog, const char* id) {
    auto* button = dialog.findChild<QPushButton*>(id);
    EXPECT_NE(button, nullptr) << id;
    return button;
}

TEST(DisconnectPrompt, AsksUnderTheProgramTitleWithTheModuleBoxChecked) {
    CDlgDisconnectPrompt prompt;
    prompt.show();
    EXPECT_EQ(prompt.windowTitle(), frontend::ProgramTitle());
    auto* box = prompt.findChild<QCheckBox*>("1539");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->accessibleName(), "Save to Personality Module");
    EXPECT_TRUE(prompt.SavePersonalityModule());
    EXPECT_EQ(Button(prompt, "1541")->text(), "Do Not Save Settings");
    EXPECT_EQ(Button(prompt, "1")->text(), "Yes");
    EXPECT_EQ(Button(prompt, "2")->text(), "Cancel");
}

TEST(DisconnectPrompt, EachButtonGivesItsResult) {
    // The frame tells the answers apart by these numbers.
    const std::vector<std::pair<const char*, int>> buttons = {{"1", 1}, {"1541", 1541}, {"2", 2}};
    for (const auto& [id, result] : buttons) {
        CDlgDisconnectPrompt prompt;
        prompt.show();
        Button(prompt, id)->click();
        EXPECT_FALSE(prompt.isVisible()) << id;
        EXPECT_EQ(prompt.result(), result) << id;
    }
}

TEST(DisconnectPrompt, CloseBoxAndEscapeCancel) {
    CDlgDisconnectPrompt closed;
    closed.show();
    closed.close();
    EXPECT_EQ(closed.result(), CDlgDisconnectPrompt::kCancel);

    CDlgDisconnectPrompt escaped;
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.result(), CDlgDisconnectPrompt::kCancel);
}

TEST(DisconnectPrompt, RemembersTheModuleBoxAsTheUserLeftIt) {
    CDlgDisconnectPrompt prompt;
    prompt.show();
    auto* box = prompt.findChild<QCheckBox*>("1539");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(prompt.SavePersonalityModule());
    Button(prompt, "1")->click();
    EXPECT_EQ(prompt.result(), CDlgDisconnectPrompt::kYes);
    EXPECT_FALSE(prompt.SavePersonalityModule());

    CDlgDisconnectPrompt twice;
    twice.show();
    box = twice.findChild<QCheckBox*>("1539");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(twice.SavePersonalityModule());
}

TEST(PasswordPrompt, MaskedEditOfAtMost100Characters) {
    CDlgPassword prompt;
    prompt.show();
    EXPECT_EQ(prompt.windowTitle(), "Password Required");
    auto* edit = prompt.findChild<QLineEdit*>("1386");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->accessibleName(), "Password:");
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    QTest::keyClicks(edit, QString(120, 'x'));
    EXPECT_EQ(edit->text().size(), 100);
}

TEST(PasswordPrompt, OkReturnsTheTextAsTypedAndCancelReturnsNothing) {
    CDlgPassword accepted;
    accepted.show();
    QTest::keyClicks(accepted.findChild<QLineEdit*>("1386"), "MiVok 2");
    EXPECT_EQ(accepted.Password(), "");
    Button(accepted, "1")->click();
    EXPECT_EQ(accepted.result(), QDialog::Accepted);
    EXPECT_EQ(accepted.Password(), "MiVok 2");

    CDlgPassword cancelled;
    cancelled.show();
    QTest::keyClicks(cancelled.findChild<QLineEdit*>("1386"), "mivok");
    Button(cancelled, "2")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.Password(), "");
}

TEST(PasswordPrompt, EnterConfirms) {
    CDlgPassword prompt;
    prompt.show();
    auto* edit = prompt.findChild<QLineEdit*>("1386");
    QTest::keyClicks(edit, "mivok");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.Password(), "mivok");
}

}  // namespace
}  // namespace kvt::laptop
