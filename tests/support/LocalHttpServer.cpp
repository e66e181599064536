#include "LocalHttpServer.h"

#include <QPointer>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{}

bool LocalHttpServer::listen()
{
    m_scheme = QStringLiteral("http");
    return startListening(std::make_unique<QTcpServer>());
}

bool LocalHttpServer::listenTls(const QSslConfiguration &tls)
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    m_scheme = QStringLiteral("https");
    return startListening(std::move(server));
}

bool LocalHttpServer::startListening(std::unique_ptr<QTcpServer> server)
{
    m_server = std::move(server);
    // QSslServer hands out sockets once encrypted; both read and write plain text then.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QUrl LocalHttpServer::url(const QString &path) const
{
    QUrl url;
    url.setScheme(m_scheme);
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(m_server ? m_server->serverPort() : 0);
    url.setPath(path);
    return url;
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    // Requests are read whole before answering; one request per read buffer is enough here.
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length) {
        socket->setProperty("buffer", buffer);
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("buffer", buffer.mid(headerEnd + 4 + length));

    m_requests.append(request);
    const Response response = m_responder ? m_responder(request) : m_response;
    emit requestReceived();
    answer(socket, response);
}

void LocalHttpServer::answer(QTcpSocket *socket, const Response &response)
{
    if (response.silent)
        return;
    const QByteArray head =
        "HTTP/1.1 " + QByteArray::number(response.status) +
        " Status\r\nContent-Type: " + response.contentType + "\r\nContent-Length: " +
        QByteArray::number(response.declaredLength < 0 ? response.body.size()
                                                       : response.declaredLength) +
        "\r\nConnection: keep-alive\r\n\r\n";
    socket->write(head);
    const int pieces = qMax(1, response.pieces);
    const qsizetype pieceSize = (response.body.size() + pieces - 1) / pieces;
    QPointer<QTcpSocket> guarded(socket);
    for (int i = 0; i < pieces; ++i) {
        const QByteArray piece = response.body.mid(i * pieceSize, pieceSize);
        const bool last = i == pieces - 1;
        QTimer::singleShot(i * response.pieceDelayMs, socket,
                           [this, guarded, piece, last, close = response.closeAfterBody] {
                               if (!guarded || guarded->state() != QTcpSocket::ConnectedState)
                                   return;
                               guarded->write(piece);
                               m_bodyBytesWritten += piece.size();
                               if (last && close)
                                   guarded->disconnectFromHost();
                               else
                                   guarded->flush();
                           });
    }
}
