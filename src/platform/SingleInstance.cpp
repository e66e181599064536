#include "SingleInstance.h"

#include "PlatformLog.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What the running app answers once it has taken a later start's arguments.
constexpr char acknowledgement = '!';
// A later start sends a handful of short arguments; anything longer is not one of ours.
constexpr qint64 largestMessage = 64 * 1024;

} // namespace

SingleInstance::SingleInstance(const QString &home, QObject *parent)
    : QObject(parent)
    , m_name(serverName(home))
    , m_lock(QDir(home).filePath(u"instance.lock"_s))
{
    // A lock is never taken over from a live process, however long it holds it.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::serverName(const QString &home)
{
    // The same folder however it is written; a folder not made yet by its absolute path.
    const QString canonical = QDir(home).canonicalPath();
    const QByteArray folder =
        (canonical.isEmpty() ? QDir(home).absolutePath() : canonical).toUtf8();
    const QByteArray digest = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex();
    return u"tarvo-%1-%2"_s.arg(getuid()).arg(QString::fromLatin1(digest.left(16)));
}

SingleInstance::Role SingleInstance::claim(const QStringList &arguments,
                                           std::chrono::milliseconds patience)
{
    if (claimAlone())
        return Role::first;
    return handOver(arguments, patience) ? Role::handedOver : Role::unreachable;
}

bool SingleInstance::claimAlone()
{
    // The lock, not the socket, decides: a socket left behind by a crash, or two starts at
    // the same moment, must not give two apps one folder.
    if (!m_lock.tryLock(0)) {
        qint64 pid = 0;
        QString host, application;
        m_lock.getLockInfo(&pid, &host, &application);
        qCInfo(lcPlatform) << "the profile folder is in use by process" << pid;
        return false;
    }
    return listen();
}

bool SingleInstance::listen()
{
    // Only a socket left behind by an app that ended without closing it can be there now.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // The app still runs; only a later start cannot reach it.
        qCWarning(lcPlatform).noquote()
            << "cannot listen for later starts:" << m_server->errorString();
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::receive);
    return true;
}

bool SingleInstance::handOver(const QStringList &arguments, std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    QLocalSocket socket;
    // The running app may be between taking the lock and listening.
    for (;;) {
        socket.connectToServer(m_name);
        if (socket.waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 0))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    QByteArray message;
    {
        QDataStream payload(&message, QIODevice::WriteOnly);
        payload << arguments;
    }
    QDataStream stream(&socket);
    stream << message;
    if (!socket.waitForBytesWritten(int(qMax<qint64>(deadline.remainingTime(), 0))))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 0))))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == acknowledgement;
}

void SingleInstance::receive()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > largestMessage + qint64(sizeof(quint32))) {
                socket->abort();
                return;
            }
            QDataStream stream(socket);
            stream.startTransaction();
            QByteArray message;
            stream >> message;
            if (!stream.commitTransaction())
                return;
            QStringList arguments;
            QDataStream payload(message);
            payload >> arguments;
            if (payload.status() != QDataStream::Ok) {
                qCInfo(lcPlatform) << "an unreadable message on the instance socket";
                socket->abort();
                return;
            }
            socket->putChar(acknowledgement);
            socket->flush();
            qCInfo(lcPlatform) << "started again with" << arguments.size() << "arguments";
            emit startedAgain(arguments);
        });
    }
}
