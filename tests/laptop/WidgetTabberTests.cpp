// Arrow keys on the pages' controls: Left and Right walk the tab order except between the fixed
// pairs, the format level slider keeps the focus, and the page hears which control took it.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>

#include "widgets/CTabberWnd.h"

namespace kvt::laptop {
namespace {

class Tabber : public ::testing::Test {
  protected:
    // A window holding a page; controls are named by their identifiers.
    QWidget* Add(QWidget* parent, int id, bool enabled = true) {
        auto* control = new QPushButton(QString::number(id), parent);
        control->setObjectName(QString::number(id));
        control->setFocusPolicy(Qt::StrongFocus);
        control->setEnabled(enabled);
        parent->layout()->addWidget(control);
        CTabberWnd::Wrap(control);
        return control;
    }

    void SetUp() override {
        window.setLayout(new QVBoxLayout);
        page = new QWidget(&window);
        page->setLayout(new QVBoxLayout);
        window.layout()->addWidget(page);
    }

    void Show() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QWidget* page = nullptr;
};

TEST_F(Tabber, LeftAndRightWalkTheTabOrder) {
    QWidget* first = Add(page, 2001);
    QWidget* second = Add(page, 2002);
    QWidget* third = Add(page, 2003);
    Show();
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), third);
    QTest::keyClick(third, Qt::Key_Left);
    QTest::keyClick(second, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(Tabber, FixedPairsAndTheirFallback) {
    QWidget* inputs = Add(page, 1023);
    Add(page, 2000);
    QWidget* projector = Add(page, 1412);
    QWidget* fallback = Add(page, 1011);
    Show();
    projector->setFocus();
    QTest::keyClick(projector, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), inputs);
    QTest::keyClick(inputs, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), projector);
    projector->setEnabled(false);
    inputs->setFocus();
    QTest::keyClick(inputs, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), fallback);
}

TEST_F(Tabber, PartnerOnTheParentsParent) {
    QWidget* outside = new QPushButton(&window);
    outside->setObjectName("1150");
    window.layout()->addWidget(outside);
    QWidget* control = Add(page, 1420);
    Show();
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), outside);
}

TEST_F(Tabber, FormatLevelKeepsTheFocusAndUpDownStayTheControls) {
    auto* level = new QSlider(Qt::Vertical, page);
    level->setObjectName("1343");
    level->setRange(0, 100);
    page->layout()->addWidget(level);
    CTabberWnd::Wrap(level);
    Add(page, 2001);
    Show();
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Right);
    QTest::keyClick(level, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), level);
    EXPECT_EQ(level->value(), 0);
    QTest::keyClick(level, Qt::Key_Up);
    EXPECT_EQ(level->value(), 1);
}

TEST_F(Tabber, FocusIsAnnouncedWithTheControlsIdentifier) {
    QWidget* control = Add(page, 1308);
    auto* wrapper = control->findChild<CTabberWnd*>();
    ASSERT_NE(wrapper, nullptr);
    QSignalSpy focused(wrapper, &CTabberWnd::controlFocused);
    Show();
    control->setFocus();
    ASSERT_EQ(focused.count(), 1);
    EXPECT_EQ(focused.at(0).at(0).toInt(), 1308);
}

}  // namespace
}  // namespace kvt::laptop
