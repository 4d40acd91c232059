// The splash window and the About box.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QTest>

#include "Version.h"
#include "dialogs/CDlgSplash.h"

namespace kvt::laptop {
namespace {

TEST(SplashWindow, ShowsTheProgramAndTheBuildsVersion) {
    CDlgSplash splash(CDlgSplash::Mode::Splash);
    auto* text = splash.findChild<QLabel*>("1342");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(),
              "KVT-80 Laptop Interface Software\nVersion: " + frontend::VersionText());
    EXPECT_EQ(text->accessibleName(), text->text());
}

TEST(SplashWindow, FramelessWithRoundedCorners) {
    for (const auto mode : {CDlgSplash::Mode::Splash, CDlgSplash::Mode::About}) {
        CDlgSplash splash(mode);
        splash.show();
        EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRegion mask = splash.mask();
        const QRect area = splash.rect();
        EXPECT_TRUE(mask.contains(area.center()));
        EXPECT_TRUE(mask.contains(QPoint(area.center().x(), area.top())));
        for (const QPoint corner :
             {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
            EXPECT_FALSE(mask.contains(corner)) << corner.x() << ", " << corner.y();
        }
    }
}

TEST(SplashWindow, StartUpSplashIgnoresClicksAndEscapeButClosesWhenTold) {
    QPointer<CDlgSplash> splash = new CDlgSplash(CDlgSplash::Mode::Splash);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    EXPECT_FALSE(splash->isModal());
    QTest::mouseClick(splash.data(), Qt::LeftButton, {}, splash->rect().center());
    QTest::keyClick(splash.data(), Qt::Key_Escape);
    EXPECT_TRUE(splash->isVisible());

    EXPECT_TRUE(splash->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

TEST(SplashWindow, AboutBoxClosesOnAClick) {
    CDlgSplash about(CDlgSplash::Mode::About);
    about.show();
    EXPECT_TRUE(about.isModal());
    QTest::mouseClick(&about, Qt::LeftButton, {}, about.rect().center());
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(SplashWindow, PaintsWhiteInsideAndADarkFrameLine) {
    CDlgSplash splash(CDlgSplash::Mode::Splash);
    splash.show();
    const QImage image = splash.grab().toImage();
    // Between the emblem and the text, near the bottom edge: background.
    EXPECT_EQ(image.pixelColor(splash.width() / 2, splash.height() - 8), QColor(Qt::white));
    // The frame line runs along the middle of the top edge.
    EXPECT_LT(image.pixelColor(splash.width() / 2, 0).lightness(), 128);
}

}  // namespace
}  // namespace kvt::laptop
