// CDlgSplash: the white, rounded window with the program's name, version and emblem. At start-up
// it is the splash the frame shows for a moment (clicks do nothing); from Help > About it is a
// modal box that a click closes.
#pragma once

#include <QDialog>

class QLabel;

namespace kvt::laptop {

class CDlgSplash : public QDialog {
    Q_OBJECT

  public:
    enum class Mode { Splash = 0, About = 1 };

    explicit CDlgSplash(Mode mode, QWidget* parent = nullptr);

    Mode DisplayMode() const { return mode_; }
    // "KVT-80 Laptop Interface Software", a line break, "Version: " and the build's version.
    QString Text() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void PaintEmblem(QPainter& painter, const QRectF& area) const;

    Mode mode_;
    QLabel* text_ = nullptr;
};

}  // namespace kvt::laptop
