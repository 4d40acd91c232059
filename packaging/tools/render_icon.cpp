// Renders the program's SVG icon as a square PNG of the given size, for the hicolor icon theme.
//   kvt_render_icon ICON.svg SIZE OUTPUT.png
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <iostream>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool number = false;
    const int size = arguments.size() == 4 ? arguments[2].toInt(&number) : 0;
    if (!number || size < 1 || size > 1024) {
        std::cerr << "usage: kvt_render_icon ICON.svg SIZE OUTPUT.png\n";
        return 2;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::cerr << "kvt_render_icon: cannot read " << arguments[1].toStdString() << "\n";
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Centred in the square with its own proportions.
        QSizeF drawn = renderer.defaultSize();
        drawn.scale(size, size, Qt::KeepAspectRatio);
        renderer.render(&painter, QRectF((size - drawn.width()) / 2, (size - drawn.height()) / 2,
                                         drawn.width(), drawn.height()));
    }
    QDir().mkpath(QFileInfo(arguments[3]).absolutePath());
    if (!image.save(arguments[3], "PNG")) {
        std::cerr << "kvt_render_icon: cannot write " << arguments[3].toStdString() << "\n";
        return 1;
    }
    return 0;
}
