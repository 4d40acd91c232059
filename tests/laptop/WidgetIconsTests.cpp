// The program's own icons and pictures, read from the source tree: every one the program names is
// there, loads, keeps to its 32 x 32 grid and still shows something at 16 pixels; the picture
// widget scales and centres them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "SourceTree.h"
#include "pages/CDlgProfileForm.h"
#include "widgets/CSvgPicture.h"

namespace kvt::laptop {
namespace {

QDir ResourceFolder() {
    return QDir(QString::fromStdString(kvt::testing::SourceTree().string()) +
                QStringLiteral("/laptop/resources"));
}

const QStringList kIcons = {
    "new",
    "open",
    "save",
    "personality-module",
    "copy-eq",
    "comm-settings",
    "connect",
    "disconnect",
    "about",
    "mute-off",
    "mute-on",
    "tab-profile",
    "tab-formats",
    "tab-inputs",
    "tab-equalizer",
    "tab-outputs",
    "tab-diagnostics",
    "kvtexec",
};

QImage Render(const QString& file, int size, int margin = 0) {
    QImage image(size + 2 * margin, size + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(margin, margin, size, size));
    return image;
}

int OpaquePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 32 ? 1 : 0;
        }
    }
    return count;
}

TEST(ProgramIcons, EveryIconTheProgramNamesIsThere) {
    const QDir folder = ResourceFolder();
    ASSERT_TRUE(folder.exists()) << folder.path().toStdString();
    for (const QString& name : kIcons) {
        EXPECT_TRUE(folder.exists(name + ".svg")) << name.toStdString();
    }
    EXPECT_TRUE(folder.exists(QFileInfo(QString::fromLatin1(kProfilePicture)).fileName()));
    EXPECT_TRUE(QString::fromLatin1(kProfilePicture).startsWith(":/icons/"));
}

TEST(ProgramIcons, LoadOnA32PixelGrid) {
    const QDir folder = ResourceFolder();
    for (const QString& name : kIcons) {
        QSvgRenderer renderer(folder.filePath(name + ".svg"));
        ASSERT_TRUE(renderer.isValid()) << name.toStdString();
        EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 32, 32)) << name.toStdString();
    }
}

TEST(ProgramIcons, StayInsideTheirSquare) {
    const QDir folder = ResourceFolder();
    constexpr int kMargin = 8;
    for (const QString& name : kIcons) {
        const QImage image = Render(folder.filePath(name + ".svg"), 32, kMargin);
        const int all = OpaquePixels(image, image.rect());
        const int inside = OpaquePixels(image, QRect(kMargin, kMargin, 32, 32));
        EXPECT_EQ(all, inside) << name.toStdString() << " draws outside its 32 x 32 square";
    }
}

TEST(ProgramIcons, ShowSomethingAt16Pixels) {
    const QDir folder = ResourceFolder();
    for (const QString& name : kIcons) {
        const QImage image = Render(folder.filePath(name + ".svg"), 16);
        // A quarter of the square covered: a shape, not a speck or an empty render.
        EXPECT_GE(OpaquePixels(image, image.rect()), 64) << name.toStdString();
    }
}

TEST(ProfilePicture, ScaledToFitAndCentred) {
    CSvgPicture picture(ResourceFolder().filePath("profile-picture.svg"));
    ASSERT_TRUE(picture.IsLoaded());
    const QSize natural =
        QSvgRenderer(ResourceFolder().filePath("profile-picture.svg")).defaultSize();
    const double aspect = static_cast<double>(natural.width()) / natural.height();

    picture.resize(600, 150);  // wider than the picture: full height, centred across
    QRectF drawn = picture.PictureRect();
    EXPECT_DOUBLE_EQ(drawn.height(), 150);
    EXPECT_NEAR(drawn.width() / drawn.height(), aspect, 0.01);
    EXPECT_DOUBLE_EQ(drawn.center().x(), 300);

    picture.resize(160, 300);  // taller: full width, centred up and down
    drawn = picture.PictureRect();
    EXPECT_DOUBLE_EQ(drawn.width(), 160);
    EXPECT_NEAR(drawn.width() / drawn.height(), aspect, 0.01);
    EXPECT_DOUBLE_EQ(drawn.center().y(), 150);

    // Drawn where it says, and nowhere else.
    picture.resize(400, 400);
    drawn = picture.PictureRect();
    ASSERT_GT(drawn.top(), 10);
    const QImage image = picture.grab().toImage();
    const QRgb background = picture.palette().color(QPalette::Window).rgb();
    EXPECT_EQ(image.pixel(200, qRound(drawn.top()) - 5), background);
    EXPECT_EQ(image.pixel(200, qRound(drawn.bottom()) + 5), background);
    EXPECT_NE(image.pixel(drawn.center().toPoint()), background);
}

TEST(ProfilePicture, MissingPictureLeavesTheWidgetEmpty) {
    CSvgPicture picture(QStringLiteral(":/icons/no-such-picture.svg"));
    picture.resize(100, 100);
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_TRUE(picture.PictureRect().isEmpty());
    EXPECT_FALSE(picture.grab().isNull());
}

}  // namespace
}  // namespace kvt::laptop
