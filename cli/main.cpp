#include "ServiceCommands.h"
#include "platform/AppOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tarvo-cli"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Tarvo Pay from a terminal.\n\n"
        "Commands:\n"
        "  envelope OP NAME=VALUE...       print the request body of an operation\n"
        "  call OP NAME=VALUE... [--json]  send it and print the return text and reply document\n"
        "  read-xml [FILE] [--json]        print the document dictionary of FILE or stdin"_s);
    parser.addHelpOption();
    parser.addOption({u"json"_s, u"Print JSON."_s});
    AppOptions::addTo(parser);
    parser.addPositionalArgument(u"command"_s, u"What to do (see above)."_s);
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    const QStringList arguments = positional.mid(1);
    const bool json = parser.isSet(u"json"_s);

    if (command == u"envelope"_s)
        return ServiceCommands::envelope(arguments);
    if (command == u"call"_s)
        return ServiceCommands::call(arguments, AppOptions::from(parser), json);
    if (command == u"read-xml"_s)
        return ServiceCommands::readXml(arguments, json);

    parser.showHelp(2);
}
