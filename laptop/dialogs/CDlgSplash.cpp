#include "CDlgSplash.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QtMath>
#include <algorithm>

#include "DialogControls.h"
#include "Version.h"

namespace kvt::laptop {

namespace {

constexpr QSize kMinimumSize(480, 230);
constexpr int kTextMarginLeft = 216;  // right of the emblem
constexpr int kTextMarginRight = 32;
constexpr qreal kCornerRadius = 20;  // 40 x 40 corner ellipses
constexpr int kFramePenWidth = 2;
constexpr int kEmblemSize = 160;
constexpr int kTextPixelSize = 20;
const QColor kBackground(Qt::white);
const QColor kText(Qt::black);
const QColor kFrame(0x40, 0x40, 0x40);
const QColor kEmblemDark(0x12, 0x3a, 0x6b);
const QColor kEmblemLight(0x2f, 0x7d, 0xc4);
const QColor kEmblemWave(0xf5, 0xb8, 0x2e);

QPainterPath RoundedOutline(const QRectF& area) {
    QPainterPath path;
    path.addRoundedRect(area, kCornerRadius, kCornerRadius);
    return path;
}

}  // namespace

CDlgSplash::CDlgSplash(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    const Qt::WindowFlags kind = mode == Mode::Splash ? Qt::SplashScreen : Qt::Dialog;
    setWindowFlags(kind | Qt::FramelessWindowHint);
    setWindowTitle(tr("About KVT-80 Laptop Interface Software"));
    setModal(mode == Mode::About);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    setAutoFillBackground(false);

    text_ = new QLabel(
        tr("KVT-80 Laptop Interface Software\nVersion: %1").arg(frontend::VersionText()), this);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kTextPixelSize);
    font.setWeight(QFont::Bold);
    text_->setFont(font);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    IdentifyControl(text_, 1342, text_->text());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kTextMarginLeft, 24, kTextMarginRight, 24);
    layout->addWidget(text_);
    // As wide as the text needs in the font found here (and in any translation).
    const int width = kTextMarginLeft + text_->sizeHint().width() + kTextMarginRight;
    setFixedSize(std::max(kMinimumSize.width(), width), kMinimumSize.height());
}

QString CDlgSplash::Text() const {
    return text_->text();
}

void CDlgSplash::keyPressEvent(QKeyEvent* event) {
    // The splash goes when the frame's timer says so, not on Escape.
    if (mode_ == Mode::Splash) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (mode_ == Mode::About && event->button() == Qt::LeftButton) {
        accept();
    }
}

void CDlgSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBackground);
    // The frame line lies inside the window, its right and bottom edges one pixel in.
    const qreal inset = kFramePenWidth / 2.0;
    painter.setPen(QPen(kFrame, kFramePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedOutline(QRectF(rect()).adjusted(inset, inset, -inset - 1, -inset - 1)));

    const QRectF emblem(32, (height() - kEmblemSize) / 2.0, kEmblemSize, kEmblemSize);
    PaintEmblem(painter, emblem);
}

// The program's emblem: a blue disc with a row of level bars under an amber sweep.
void CDlgSplash::PaintEmblem(QPainter& painter, const QRectF& area) const {
    painter.save();
    QLinearGradient disc(area.topLeft(), area.bottomRight());
    disc.setColorAt(0, kEmblemLight);
    disc.setColorAt(1, kEmblemDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(area);

    constexpr int kBars = 7;
    const qreal barWidth = area.width() / 16;
    const qreal floor = area.top() + area.height() * 0.72;
    painter.setBrush(Qt::white);
    for (int i = 0; i < kBars; ++i) {
        const qreal x = area.left() + area.width() * 0.22 + i * barWidth * 1.6;
        const qreal level = 0.18 + 0.22 * (1 + qSin(i * 0.9)) / 2 + 0.08 * (i % 2);
        painter.drawRoundedRect(
            QRectF(x, floor - area.height() * level, barWidth, area.height() * level), barWidth / 3,
            barWidth / 3);
    }

    QPainterPath sweep;
    sweep.moveTo(area.left() + area.width() * 0.16, area.top() + area.height() * 0.38);
    sweep.cubicTo(area.left() + area.width() * 0.40, area.top() + area.height() * 0.12,
                  area.left() + area.width() * 0.60, area.top() + area.height() * 0.56,
                  area.left() + area.width() * 0.84, area.top() + area.height() * 0.30);
    painter.setPen(QPen(kEmblemWave, area.width() / 30, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sweep);

    QFont label(QStringLiteral("Arial"));
    label.setStyleHint(QFont::SansSerif);
    label.setPixelSize(qRound(area.height() * 0.12));
    label.setWeight(QFont::Black);
    painter.setFont(label);
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(area.left(), floor + area.height() * 0.02, area.width(), area.height() * 0.16),
        Qt::AlignCenter, QStringLiteral("KVT-80"));
    painter.restore();
}

void CDlgSplash::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    setMask(QRegion(RoundedOutline(QRectF(rect())).toFillPolygon().toPolygon()));
}

void CDlgSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner != nullptr && owner->isVisible()) {
        area = owner->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
}

}  // namespace kvt::laptop
