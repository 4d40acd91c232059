// The handheld's screenshot tour: in demo mode the program connects, shows every panel in turn
// (the analyser running on pink noise), saves a picture of each and of every dialog of the menus
// (failing when one needs more room than the screen gives it), disconnects with a store and
// ends. It makes the documentation's pictures and is the smoke test of the real program.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kvt::handheld {

class CHandheldFrame;

class HandheldTour : public QObject {
    Q_OBJECT

  public:
    HandheldTour(CHandheldFrame& frame, QString folder, QObject* parent = nullptr);

    void Start();
    const QStringList& Saved() const { return saved_; }
    const QString& Failure() const { return failure_; }

  signals:
    void finished(bool succeeded);

  private:
    using Step = std::function<void()>;
    void Next();
    void When(std::function<bool()> condition, const QString& what, Step step);
    void Save(QWidget& window, const QString& name);
    // A dialog as it shows over the frame.
    void SaveOver(QWidget& dialog, const QString& name);
    void Fail(const QString& why);

    CHandheldFrame& frame_;
    QString folder_;
    QList<Step> steps_;
    QStringList saved_;
    QString failure_;
    int formatBefore_ = 0;
    bool aesEbuBefore_ = false;
};

}  // namespace kvt::handheld
