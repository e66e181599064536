#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

/// What a finished program left behind.
struct ProgramRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;

    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

/// Runs a program to its end, feeding it the input; a program that hangs gives status -1.
inline ProgramRun runProgram(const QString &program, const QStringList &arguments,
                             const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

/// A real tarvo-sandbox on a free loopback port, for as long as this object lives.
class SpawnedSandbox
{
public:
    /// False when the sandbox did not start or did not say where it listens.
    bool start(const QStringList &moreArguments = {})
    {
        m_process.start(QStringLiteral(TARVO_SANDBOX),
                        QStringList{QStringLiteral("--port"), QStringLiteral("0")} + moreArguments);
        if (!m_process.waitForReadyRead(10000))
            return false;
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("https?://[^/ ]+/\\S*"))
                .match(QString::fromUtf8(m_process.readLine()));
        m_serviceUrl = QUrl(match.captured(0));
        return match.hasMatch();
    }
    ~SpawnedSandbox()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    QString serviceUrl() const { return m_serviceUrl.toString(); }
    QString websiteUrl() const { return m_serviceUrl.adjusted(QUrl::RemovePath).toString(); }
    QString port() const { return QString::number(m_serviceUrl.port()); }

private:
    QProcess m_process;
    QUrl m_serviceUrl;
};
