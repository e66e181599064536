// tarvo-sandbox: the local stand-in for the company web service.
#include "MessageAddCommand.h"
#include "SandboxLog.h"
#include "SandboxServer.h"
#include "Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tarvo-sandbox"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Local stand-in for the Tarvo company web service."_s);
    parser.addHelpOption();
    const QCommandLineOption portOption(u"port"_s, u"Port to listen on (default 7001)."_s, u"N"_s,
                                        u"7001"_s);
    const QCommandLineOption hostOption(u"host"_s, u"Address to listen on (default 127.0.0.1)."_s,
                                        u"ADDRESS"_s, u"127.0.0.1"_s);
    const QCommandLineOption dbOption(
        u"db"_s, u"SQLite file that keeps the data between runs (default: in memory)."_s,
        u"FILE"_s);
    parser.addOptions({portOption, hostOption, dbOption});
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
    if (!server.listen(host, quint16(port))) {
        err << "tarvo-sandbox: cannot listen on " << hostText << ":" << port << "\n";
        return 1;
    }

    QTextStream(stdout) << "tarvo-sandbox listening on " << server.serviceUrl().toString()
                        << " (database: " << store.location() << ")" << Qt::endl;
    return app.exec();
}
