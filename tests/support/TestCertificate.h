#pragma once

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <optional>

/// A self-signed certificate made for one test run by the openssl program, in PEM files
/// and as the configuration a TLS server uses.
struct TestCertificate
{
    QString certPath;
    QString keyPath;
    QSslConfiguration server;

    /// Nothing when there is no TLS backend or no openssl program (the caller skips then).
    /// `subjectAltName` in openssl's form: "IP:127.0.0.1", "DNS:tarvo.invalid".
    static std::optional<TestCertificate> make(const QString &dir, const QString &name,
                                               const QString &subjectAltName)
    {
        if (!QSslSocket::supportsSsl() ||
            QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
            return std::nullopt;
        TestCertificate made{dir + u'/' + name + QStringLiteral(".pem"),
                             dir + u'/' + name + QStringLiteral(".key"),
                             QSslConfiguration::defaultConfiguration()};
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                       QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                       QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=tarvo test"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=") + subjectAltName,
                       QStringLiteral("-keyout"), made.keyPath, QStringLiteral("-out"),
                       made.certPath});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
            return std::nullopt;
        QFile cert(made.certPath), key(made.keyPath);
        if (!cert.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
            return std::nullopt;
        made.server.setLocalCertificate(QSslCertificate(cert.readAll()));
        made.server.setPrivateKey(QSslKey(key.readAll(), QSsl::Ec));
        return made;
    }

    /// Makes every connection of this process trust the certificate, as a device trusts
    /// the authorities it ships with.
    void trustInThisProcess() const
    {
        QSslConfiguration client = QSslConfiguration::defaultConfiguration();
        client.addCaCertificate(server.localCertificate());
        QSslConfiguration::setDefaultConfiguration(client);
    }
};
