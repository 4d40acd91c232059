// The OK/Cancel box every small dialog uses: its identifiers and default button, and that the
// keyboard and both buttons end the dialog through the dialog's own accept and reject.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "dialogs/DialogControls.h"

namespace kvt::laptop {
namespace {

// A dialog that, like the password and clock dialogs, checks its input before it closes.
class CheckingDialog : public QDialog {
  public:
    CheckingDialog() {
        edit = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        layout->addWidget(AddOkCancel(this));
    }
    QLineEdit* edit = nullptr;
    int checks = 0;
    bool acceptable = true;

    void accept() override {
        ++checks;
        if (acceptable) {
            QDialog::accept();
        }
    }
};

QPushButton* Button(QWidget& dialog, const char* id) {
    return dialog.findChild<QPushButton*>(id);
}

TEST(OkCancel, OkIsTheDefaultButtonOneAndCancelIsTwo) {
    CheckingDialog dialog;
    ASSERT_NE(Button(dialog, "1"), nullptr);
    ASSERT_NE(Button(dialog, "2"), nullptr);
    EXPECT_EQ(Button(dialog, "1")->text(), "OK");
    EXPECT_EQ(Button(dialog, "1")->accessibleName(), "OK");
    EXPECT_TRUE(Button(dialog, "1")->isDefault());
    EXPECT_EQ(Button(dialog, "2")->text(), "Cancel");
    EXPECT_FALSE(Button(dialog, "2")->isDefault());
    EXPECT_EQ(dialog.findChildren<QDialogButtonBox*>().size(), 1);
}

TEST(OkCancel, OkAndEnterGoThroughTheDialogsOwnCheck) {
    CheckingDialog dialog;
    dialog.show();
    dialog.acceptable = false;
    Button(dialog, "1")->click();
    EXPECT_EQ(dialog.checks, 1);
    EXPECT_TRUE(dialog.isVisible()) << "a refused check keeps the dialog open";

    dialog.acceptable = true;
    dialog.edit->setFocus();
    QTest::keyClick(dialog.edit, Qt::Key_Return);
    EXPECT_EQ(dialog.checks, 2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(OkCancel, CancelAndEscapeReject) {
    for (bool escape : {false, true}) {
        CheckingDialog dialog;
        dialog.show();
        if (escape) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            Button(dialog, "2")->click();
        }
        EXPECT_EQ(dialog.checks, 0);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

}  // namespace
}  // namespace kvt::laptop
