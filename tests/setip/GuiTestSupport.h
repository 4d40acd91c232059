// Helpers of the GUI tests: a shown, active window and waits that keep the event loop running.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <functional>

namespace kvt::setip::test {

inline constexpr int kGuiTimeoutMs = 10000;

// Shows the window and makes it the one that takes the keyboard.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, kGuiTimeoutMs);
}

// True when the keyboard focus is in widget or one of its children.
inline bool HasFocusWithin(const QWidget* widget) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == widget || widget->isAncestorOf(focus));
}

// Types text as the user does: each key goes to whichever widget has the focus at that moment.
inline void Type(const QString& text) {
    QTest::keyClicks(nullptr, text);
}

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

}  // namespace kvt::setip::test
