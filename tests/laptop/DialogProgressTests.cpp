// The four progress windows: their texts, the update rule, and closing them by hand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "Texts.h"
#include "dialogs/CDlgConnectionStatus.h"
#include "dialogs/CDlgSaveMMCStatus.h"
#include "dialogs/CDlgSaveStatus.h"
#include "dialogs/CDlgUploadStatus.h"

namespace kvt::laptop {
namespace {

// Deletions the dialogs asked for (they delete themselves when closed) happen now.
void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString ShownText(const CDlgProgressStatus& dialog) {
    return dialog.findChild<QLabel*>("1385")->text();
}

QProgressBar* Bar(const CDlgProgressStatus& dialog) {
    return dialog.findChild<QProgressBar*>("1362");
}

TEST(ProgressWindows, EachShowsItsTitleAndTextWithoutBlockingTheFrame) {
    struct Expected {
        std::function<CDlgProgressStatus*()> create;
        QString title;
        QString text;
    };
    const std::vector<Expected> windows = {
        {[] { return new CDlgConnectionStatus; }, "Connecting...",
         "Connecting to KVT unit, please wait a few moments..."},
        {[] { return new CDlgSaveStatus; }, "Saving...", "Saving, please wait a few moments..."},
        {[] { return new CDlgUploadStatus; }, "Uploading...",
         "Uploading, please wait a few moments..."},
        {[] { return new CDlgSaveMMCStatus; }, "Saving...",
         "Saving to Personality Module, please wait a few moments..."},
    };
    for (const Expected& expected : windows) {
        QPointer<CDlgProgressStatus> dialog = expected.create();
        dialog->show();
        EXPECT_EQ(dialog->windowTitle(), expected.title);
        EXPECT_EQ(ShownText(*dialog), expected.text);
        EXPECT_FALSE(dialog->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        ASSERT_NE(Bar(*dialog), nullptr);
        dialog->CloseQuietly();
        RunDeferredDeletes();
        EXPECT_TRUE(dialog.isNull()) << expected.title.toStdString();
    }
}

class ProgressWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = new CDlgConnectionStatus;
        dialog->SetCancelQuestion([this](QWidget*) {
            ++questions;
            return answerYes;
        });
        dialog->show();
    }
    void TearDown() override {
        if (dialog) {
            dialog->CloseQuietly();
        }
        RunDeferredDeletes();
    }

    QPointer<CDlgProgressStatus> dialog;
    int questions = 0;
    bool answerYes = false;
};

TEST_F(ProgressWindow, TextChangesOnlyWhenItDiffersOtherThanInCase) {
    dialog->SetProgress("CONNECTING TO KVT UNIT, PLEASE WAIT A FEW MOMENTS...", 3, 133);
    EXPECT_EQ(ShownText(*dialog), "Connecting to KVT unit, please wait a few moments...");

    dialog->SetProgress("Retrieving Equalizer Parameters...", 4, 133);
    EXPECT_EQ(ShownText(*dialog), "Retrieving Equalizer Parameters...");
    EXPECT_EQ(dialog->Text(), "Retrieving Equalizer Parameters...");
}

TEST_F(ProgressWindow, RangeFollowsTheEndAndThePositionStaysInside) {
    dialog->SetProgress("Uploading", 10, 133);
    EXPECT_EQ(Bar(*dialog)->minimum(), 0);
    EXPECT_EQ(Bar(*dialog)->maximum(), 133);
    EXPECT_EQ(Bar(*dialog)->value(), 10);

    dialog->SetProgress("Uploading", 20, 126);
    EXPECT_EQ(Bar(*dialog)->maximum(), 126);
    EXPECT_EQ(dialog->Position(), 20);

    // The engine's counts are not bounded by the end it is scaled to.
    dialog->SetProgress("Uploading", 140, 126);
    EXPECT_EQ(dialog->Position(), 126);
    dialog->SetProgress("Uploading", 0, 126);
    EXPECT_EQ(dialog->Position(), 0);
}

TEST_F(ProgressWindow, ClosingAndAnsweringNoKeepsTheWindow) {
    QSignalSpy cancelled(dialog.data(), &CDlgProgressStatus::cancelledByUser);
    answerYes = false;
    dialog->close();
    RunDeferredDeletes();

    EXPECT_EQ(questions, 1);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(cancelled.count(), 0);
    dialog->SetProgress("Still going", 5, 133);
    EXPECT_EQ(dialog->Text(), "Still going");
}

TEST_F(ProgressWindow, ClosingAndAnsweringYesTellsTheFrameAndGoesAway) {
    QSignalSpy cancelled(dialog.data(), &CDlgProgressStatus::cancelledByUser);
    answerYes = true;
    dialog->close();
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(cancelled.count(), 1);
    RunDeferredDeletes();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ProgressWindow, EscapeAsksLikeTheCloseBox) {
    answerYes = false;
    QTest::keyClick(dialog.data(), Qt::Key_Escape);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ProgressWindow, TheFrameClosesItWithoutAQuestion) {
    QSignalSpy cancelled(dialog.data(), &CDlgProgressStatus::cancelledByUser);
    dialog->CloseQuietly();
    RunDeferredDeletes();
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(cancelled.count(), 0);
    EXPECT_TRUE(dialog.isNull());
}

TEST(ProgressWindowQuestion, IsAYesNoMessageBoxUnderTheProgramTitle) {
    QPointer<CDlgProgressStatus> dialog = new CDlgSaveStatus;
    dialog->show();
    QString caption;
    QString text;
    bool asked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll.stop();
        asked = true;
        caption = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_NE(box->button(QMessageBox::Yes), nullptr);
        box->button(QMessageBox::No)->click();
    });
    poll.start(5);
    dialog->close();

    ASSERT_TRUE(asked);
    EXPECT_EQ(caption, frontend::ProgramTitle());
    EXPECT_EQ(text, "Are you sure you want to cancel this action?");
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    dialog->CloseQuietly();
    RunDeferredDeletes();
}

}  // namespace
}  // namespace kvt::laptop
