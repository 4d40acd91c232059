#include "CTabberWnd.h"

#include <QKeyEvent>
#include <QWidget>

namespace kvt::laptop {

namespace {

// Which control a fixed pair leads to: the page's own (0) or the page's parent's (1), and the
// identifier there. A control missing from the page falls back to the tab order.
struct Partner {
    int from;
    bool forward;
    int to;
    int fallback;  // when `to` is disabled (0: none)
    bool onParentsParent;
};

constexpr Partner kPartners[] = {
    {1412, false, 1023, 0, false}, {1023, true, 1412, 1011, false}, {1308, false, 1010, 0, false},
    {1010, true, 1308, 0, false},  {1420, false, 1150, 0, true},    {1452, true, 1489, 0, true},
    {1317, false, 1324, 0, false}, {1324, true, 1317, 0, false},
};

// The format level slider keeps the focus on Left and Right.
constexpr int kKeepsFocus = 1343;

int IdOf(const QWidget* widget) {
    bool number = false;
    const int id = widget->objectName().toInt(&number);
    return number ? id : 0;
}

QWidget* FindById(QWidget* scope, int id) {
    if (scope == nullptr) {
        return nullptr;
    }
    return scope->findChild<QWidget*>(QString::number(id));
}

// The previous or next widget in the tab chain that takes the focus by Tab and is shown.
QWidget* TabNeighbour(QWidget* control, bool forward) {
    QWidget* candidate = control;
    do {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if ((candidate->focusPolicy() & Qt::TabFocus) != 0 && candidate->isEnabled() &&
            candidate->isVisible() && candidate->window() == control->window()) {
            return candidate;
        }
    } while (candidate != control);
    return control;
}

}  // namespace

CTabberWnd* CTabberWnd::Wrap(QWidget* control) {
    return new CTabberWnd(control);
}

CTabberWnd::CTabberWnd(QWidget* control) : QObject(control), control_(control) {
    control_->installEventFilter(this);
}

QWidget* CTabberWnd::Destination(QWidget* control, bool forward) {
    const int id = IdOf(control);
    if (id == kKeepsFocus) {
        return control;
    }
    for (const Partner& partner : kPartners) {
        if (partner.from != id || partner.forward != forward) {
            continue;
        }
        QWidget* page = control->parentWidget();
        QWidget* scope = partner.onParentsParent && page != nullptr ? page->parentWidget() : page;
        QWidget* to = FindById(scope, partner.to);
        if (to != nullptr && !to->isEnabled() && partner.fallback != 0) {
            to = FindById(scope, partner.fallback);
        }
        if (to != nullptr) {
            return to;
        }
    }
    return TabNeighbour(control, forward);
}

bool CTabberWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        emit controlFocused(IdOf(control_), control_);
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
        return false;
    }
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right) {
        return false;
    }
    QWidget* to = Destination(control_, key->key() == Qt::Key_Right);
    if (to != control_) {
        to->setFocus(Qt::TabFocusReason);
    }
    return true;
}

}  // namespace kvt::laptop
