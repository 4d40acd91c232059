// One QApplication for the whole GUI test run. Without a display the widgets are drawn off
// screen; ctest sets QT_QPA_PLATFORM=offscreen itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The offscreen platform cannot pass size limits to a window system; it says so for every fixed
// size window shown.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("propagateSizeHints")) {
        return;
    }
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + "\n"), stderr);
}

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
            std::getenv("WAYLAND_DISPLAY") == nullptr) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(QuietMessages);
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "kvt_gui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

// gtest owns the environment.
[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
