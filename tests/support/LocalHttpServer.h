#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QUrl>
#include <functional>
#include <memory>

/// A scriptable HTTP/1.1 server on a free loopback port, for tests of the wire.
///
/// It records every request and answers each with the response the test set, optionally
/// cut into pieces written some milliseconds apart (a drip, with one byte per piece), or not
/// at all. It speaks plain HTTP, or HTTPS with a certificate the test gives it.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; ///< names in lower case
        QByteArray body;
    };

    struct Response
    {
        int status = 200;
        QByteArray contentType = "text/xml;charset=utf-8";
        QByteArray body;
        int pieces = 1; ///< the body is written in this many parts
        int pieceDelayMs = 0;
        bool silent = false;         ///< never answer
        qint64 declaredLength = -1;  ///< Content-Length sent; -1 for the body's own size
        bool closeAfterBody = false; ///< hang up once the body is written (cut short)
    };

    explicit LocalHttpServer(QObject *parent = nullptr);

    bool listen();
    /// HTTPS with the certificate and key of `tls`.
    bool listenTls(const QSslConfiguration &tls);
    QUrl url(const QString &path = QString()) const;

    /// The response for every request from now on, unless a responder is set.
    void setResponse(const Response &response) { m_response = response; }
    void setResponder(std::function<Response(const Request &)> responder)
    {
        m_responder = std::move(responder);
    }

    const QList<Request> &requests() const { return m_requests; }
    /// Body bytes handed to the sockets so far; pieces not yet due are not counted.
    qint64 bodyBytesWritten() const { return m_bodyBytesWritten; }

signals:
    void requestReceived();

private:
    void serve(class QTcpSocket *socket);
    void answer(class QTcpSocket *socket, const Response &response);

    bool startListening(std::unique_ptr<QTcpServer> server);

    std::unique_ptr<QTcpServer> m_server;
    QString m_scheme;
    Response m_response;
    std::function<Response(const Request &)> m_responder;
    QList<Request> m_requests;
    qint64 m_bodyBytesWritten = 0;
};
