// PanelSlider: a labelled vertical slider of the handheld's panels, with its value below. The
// smallest position is at the top (the panels give larger values smaller positions). A position
// the user gives it is reported with positionChanged(), on every movement while the finger holds
// it; SetPosition() from the program reports nothing.
#pragma once

#include <QSlider>
#include <QString>
#include <QWidget>

class QLabel;

namespace kvt::handheld {

class PanelSlider : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 30;

    // id becomes the slider's object name; the label may have a line break.
    PanelSlider(int id, const QString& label, int minimum, int maximum, QWidget* parent = nullptr);

    QSlider* Slider() const { return slider_; }
    int Position() const { return slider_->value(); }
    void SetPosition(int position);
    void SetRange(int minimum, int maximum);
    void SetLabel(const QString& label);
    QString Label() const;
    void SetValueText(const QString& text);
    QString ValueText() const;

  signals:
    void positionChanged(int position);

  private:
    QLabel* label_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* value_ = nullptr;
    bool setting_ = false;
};

// A value as the panels show it: "%.1f".
QString OneDecimal(double value);

}  // namespace kvt::handheld
