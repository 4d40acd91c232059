// CTabberWnd: arrow-key navigation and the focus notice for a control on a page.
//
// Left and Right move the focus to the previous or next control of the page that takes the focus
// by Tab, except between the fixed pairs of controls that sit side by side on the pages (keyed by
// the controls' identifiers, their object names); Up and Down keep their meaning for the control
// (a slider moves). When the control takes the focus, controlFocused tells the page.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace kvt::laptop {

class CTabberWnd : public QObject {
    Q_OBJECT

  public:
    // Wraps the control; the wrapper lives as long as the control.
    static CTabberWnd* Wrap(QWidget* control);

    // Where Left (forward false) or Right (forward true) takes the focus from the control: a
    // fixed partner, the control itself (it keeps the focus), or the neighbour in the page's tab
    // order.
    static QWidget* Destination(QWidget* control, bool forward);

  signals:
    void controlFocused(int id, QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CTabberWnd(QWidget* control);
    QWidget* control_;
};

}  // namespace kvt::laptop
