// tarvo-sandbox: the local stand-in for the company web service.
#include "MessageAddCommand.h"
#include "SandboxLog.h"
#include "SandboxServer.h"
#include "Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTextStream>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Tls
{
    QSslCertificate certificate;
    QSslKey key;
};

std::optional<QByteArray> readFile(const QString &path, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "tarvo-sandbox: cannot read " << path << ": " << file.errorString() << "\n";
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<Tls> readTls(const QString &certPath, const QString &keyPath, QTextStream &err)
{
    if (certPath.isEmpty() || keyPath.isEmpty()) {
        err << "tarvo-sandbox: --tls-cert and --tls-key go together\n";
        return std::nullopt;
    }
    if (!QSslSocket::supportsSsl()) {
        err << "tarvo-sandbox: no TLS backend (Qt's OpenSSL plugin) is available\n";
        return std::nullopt;
    }
    const std::optional<QByteArray> certPem = readFile(certPath, err);
    const std::optional<QByteArray> keyPem = readFile(keyPath, err);
    if (!certPem || !keyPem)
        return std::nullopt;
    Tls tls{QSslCertificate(*certPem, QSsl::Pem), QSslKey(*keyPem, QSsl::Rsa, QSsl::Pem)};
    if (tls.key.isNull())
        tls.key = QSslKey(*keyPem, QSsl::Ec, QSsl::Pem);
    if (tls.certificate.isNull() || tls.key.isNull()) {
        err << "tarvo-sandbox: " << (tls.certificate.isNull() ? certPath : keyPath)
            << " holds no PEM " << (tls.certificate.isNull() ? "certificate" : "private key")
            << "\n";
        return std::nullopt;
    }
    return tls;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tarvo-sandbox"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Local stand-in for the Tarvo company web service."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(u"port"_s, u"Port to listen on (default 7001)."_s, u"N"_s,
                                        u"7001"_s);
    const QCommandLineOption hostOption(u"host"_s, u"Address to listen on (default 127.0.0.1)."_s,
                                        u"ADDRESS"_s, u"127.0.0.1"_s);
    const QCommandLineOption dbOption(
        u"db"_s, u"SQLite file that keeps the data between runs (default: in memory)."_s,
        u"FILE"_s);
    const QCommandLineOption tlsCertOption(
        u"tls-cert"_s, u"Serve HTTPS with this PEM certificate (needs --tls-key)."_s, u"FILE"_s);
    const QCommandLineOption tlsKeyOption(
        u"tls-key"_s, u"The PEM private key of --tls-cert (unencrypted RSA or EC)."_s, u"FILE"_s);
    parser.addOptions({portOption, hostOption, dbOption, tlsCertOption, tlsKeyOption});
    parser.addPositionalArgument(u"message add"_s,
                                 u"Leave a message in the sandbox running at --port, then quit."_s,
                                 u"[message add TITLE TEXT]"_s);
    parser.process(app);

    QTextStream err(stderr);
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        err << "tarvo-sandbox: --port needs a number from 0 to 65535\n";
        return 2;
    }
    const QStringList command = parser.positionalArguments();
    if (!command.isEmpty()) {
        if (command.size() != 4 || command[0] != u"message" || command[1] != u"add") {
            err << "tarvo-sandbox: the only command is: message add TITLE TEXT [--port N]\n";
            return 2;
        }
        return sandbox::addMessage(quint16(port), command[2], command[3]);
    }

    const QString hostText = parser.value(hostOption);
    const QHostAddress host =
        hostText == u"localhost" ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(hostText);
    if (host.isNull()) {
        err << "tarvo-sandbox: --host needs an IP address, not " << hostText << "\n";
        return 2;
    }

    sandbox::Store store(parser.value(dbOption));
    if (!store.isOpen()) {
        err << "tarvo-sandbox: cannot open the database " << store.location() << ": "
            << store.errorText() << "\n";
        return 1;
    }
    sandbox::SandboxServer server(store);
    if (parser.isSet(tlsCertOption) || parser.isSet(tlsKeyOption)) {
        const std::optional<Tls> tls =
            readTls(parser.value(tlsCertOption), parser.value(tlsKeyOption), err);
        if (!tls)
            return 2;
        server.useTls(tls->certificate, tls->key);
    }
    if (!server.listen(host, quint16(port))) {
        err << "tarvo-sandbox: cannot listen on " << hostText << ":" << port << "\n";
        return 1;
    }

    QTextStream(stdout) << "tarvo-sandbox listening on " << server.serviceUrl().toString()
                        << " (database: " << store.location() << ")" << Qt::endl;
    return app.exec();
}
