#pragma once
// One running program per user: the first start listens on a local socket; a later start asks
// it to bring its window to the front and ends.
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace ovis::gui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the program; the user's name is added so that users do not meet.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True when a running instance answered and was asked to raise its window.
    bool AskRunningInstanceToRaise();
    // Listens for later starts and calls `raise` for each. False when the socket cannot be made.
    bool Listen(std::function<void()> raise);

    const QString& ServerName() const { return name_; }

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void()> raise_;
};

}  // namespace ovis::gui
