// One vertical slider of the Equalizer page and its parametric child: the value display above it,
// the slider, and its name below, placed in a column of the owner's grid.
//
// The three widgets are children of the owner itself (not of a box of their own), so the arrow-key
// partners of CTabberWnd find their neighbours on the page. Every position change shows its value;
// what is written, and when, is the owner's business (the slider's positionWritten).
#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QGridLayout;
class QLabel;
class QWidget;

namespace kvt::laptop {

class CTrackbar;

// A value as text from a slider position.
using EQValueText = std::function<QString(int position)>;

// Tenths as text with one decimal ("0.0", "-0.5", "6.0"): the point before the last digit.
QString EQOneDecimal(int tenths);
// Hundredths as text with two decimals ("0.50", "10.00").
QString EQTwoDecimals(int hundredths);

struct EQSliderSpec {
    int trackbarId;
    QString displayName;  // object name of the value display
    QString labelName;    // object name of the label below; empty: no label
    QString label;
    int minimum;
    int maximum;
    QColor thumbColour;
    int tickInterval;
    EQValueText text;
};

struct EQSliderColumn {
    CTrackbar* trackbar = nullptr;
    QLabel* display = nullptr;
    QLabel* label = nullptr;

    // Places the slider in the grid's column: display in `row`, slider in `row` + 1, label in
    // `row` + 2.
    static EQSliderColumn Add(QWidget* owner, QGridLayout* grid, int row, int column,
                              const EQSliderSpec& spec);

    // Moves the slider without writing; the display follows.
    void Show(int position) const;
    void SetVisible(bool visible) const;
};

}  // namespace kvt::laptop
