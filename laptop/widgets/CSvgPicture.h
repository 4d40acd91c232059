// CSvgPicture: one of the program's SVG pictures, drawn as large as the widget allows without
// changing its proportions, centred. A picture that cannot be loaded leaves the widget empty.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace kvt::laptop {

class CSvgPicture : public QWidget {
    Q_OBJECT

  public:
    explicit CSvgPicture(const QString& resource, QWidget* parent = nullptr);

    bool IsLoaded() const { return renderer_.isValid(); }
    // Where the picture is drawn at the widget's current size.
    QRectF PictureRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer renderer_;
};

}  // namespace kvt::laptop
