#include "CSvgPicture.h"

#include <QPainter>

namespace kvt::laptop {

CSvgPicture::CSvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(resource) {
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QRectF CSvgPicture::PictureRect() const {
    const QSizeF natural = renderer_.viewBoxF().size();
    if (!renderer_.isValid() || natural.isEmpty()) {
        return {};
    }
    const QRectF room = contentsRect();
    const QSizeF size = natural.scaled(room.size(), Qt::KeepAspectRatio);
    QRectF picture(QPointF(), size);
    picture.moveCenter(room.center());
    return picture;
}

QSize CSvgPicture::sizeHint() const {
    return renderer_.isValid() ? renderer_.defaultSize() : QSize(64, 64);
}

QSize CSvgPicture::minimumSizeHint() const {
    return {16, 16};
}

void CSvgPicture::paintEvent(QPaintEvent* /*event*/) {
    const QRectF target = PictureRect();
    if (target.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, target);
}

}  // namespace kvt::laptop
