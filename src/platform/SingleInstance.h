#pragma once

#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <chrono>

class QLocalServer;

/// One running app per profile folder. The first start holds a lock in the folder and listens
/// on a local socket named after it; a later start hands its arguments to the first one (which
/// raises its window) and ends. Two apps on one profile would overwrite each other's settings.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        /// This process runs the app for the folder.
        first,
        /// The running app took the arguments; this process should end.
        handedOver,
        /// Another process holds the folder but took nothing (still starting, or hung).
        unreachable,
    };

    explicit SingleInstance(const QString &home, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// Becomes the folder's app, or hands `arguments` to the one that already is. Waits at
    /// most `patience` for a running app that is still starting to listen.
    Role claim(const QStringList &arguments,
               std::chrono::milliseconds patience = std::chrono::seconds(3));
    /// Becomes the folder's app or says that another one is; never hands anything over
    /// (for scripted runs, whose result must be their own).
    bool claimAlone();

    /// The socket's name: short (socket paths are limited), one per user and folder.
    static QString serverName(const QString &home);

signals:
    /// A later start of the app for the same folder, with its arguments.
    void startedAgain(const QStringList &arguments);

private:
    bool listen();
    bool handOver(const QStringList &arguments, std::chrono::milliseconds patience);
    void receive();

    QString m_name;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
