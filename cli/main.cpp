#include "AccountCommands.h"
#include "BillingCommands.h"
#include "CliOutput.h"
#include "InfoCommands.h"
#include "MessageCommands.h"
#include "ServiceCommands.h"
#include "platform/AppOptions.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // A receipt is drawn into a PDF, which needs fonts and so a GUI application; every other
    // command starts lighter without one. A terminal program never shows a window, whatever
    // display the environment names.
    const bool drawsReceipt = std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return std::strncmp(argument, "--receipt", 9) == 0;
    });
    std::unique_ptr<QCoreApplication> app;
    if (drawsReceipt) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(u"tarvo-cli"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    // Output is for people and scripts; the core's progress notes would only be noise.
    // QT_LOGGING_RULES still turns them on.
    QLoggingCategory::setFilterRules(u"tarvo.*.info=false"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Tarvo Pay from a terminal.\n\n"
        "Commands:\n"
        "  envelope OP NAME=VALUE...       print the request body of an operation\n"
        "  call OP NAME=VALUE... [--json]  send it and print the return text and reply document\n"
        "  read-xml [FILE] [--json]        print the document dictionary of FILE or stdin\n"
        "  query ACCOUNT [--json]          what an account owes, as the payment screen shows it\n"
        "  sign PREPAY_ID [--time SECONDS] [--json]\n"
        "                                  the signed payment request for an order\n"
        "  pay ACCOUNT [--user PHONE --hb HBID] [--uuid ID] [--tamper] [--receipt FILE.pdf]\n"
        "      [--json]                    query, order, sign and pay in the wallet\n"
        "  messages [--since ID] [--json]  the messages handed out after that id (default 0)\n"
        "  records START END [--uuid ID] [--by-month] [--json]\n"
        "                                  payments of this device between two dates, yyyy-MM-dd,\n"
        "                                  or their sum in each calendar month\n"
        "  notices [--json]                the notices of the website's list page\n"
        "  accounts list|add ACCOUNT LABEL|remove ACCOUNT [--json]\n"
        "                                  the saved accounts (常用户号) of --home"_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({u"json"_s, u"Print JSON."_s});
    parser.addOption({u"time"_s, u"sign: seconds since 1970 instead of now."_s, u"SECONDS"_s});
    parser.addOption({u"user"_s, u"pay: the phone number holding the red packet."_s, u"PHONE"_s});
    parser.addOption({u"hb"_s, u"pay: the red packet to use."_s, u"HBID"_s});
    parser.addOption({u"uuid"_s, u"pay, records: the device identifier to act for."_s, u"ID"_s});
    parser.addOption({u"tamper"_s, u"pay: corrupt the signature, to see the wallet refuse it."_s});
    parser.addOption({u"receipt"_s,
                      u"pay: write the receipt of a successful payment to this new PDF."_s,
                      u"FILE"_s});
    parser.addOption({u"by-month"_s, u"records: the sum of each calendar month, in yuan."_s});
    parser.addOption({u"since"_s, u"messages: the last message id seen."_s, u"ID"_s, u"0"_s});
    AppOptions::addTo(parser);
    parser.addPositionalArgument(u"command"_s, u"What to do (see above)."_s);
    parser.process(*app);

    const AppOptions options = AppOptions::from(parser);
    if (!options.error.isEmpty()) {
        CliOutput::error(options.error);
        return 2;
    }
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    const QStringList arguments = positional.mid(1);
    const bool json = parser.isSet(u"json"_s);

    if (command == u"envelope"_s)
        return ServiceCommands::envelope(arguments);
    if (command == u"call"_s)
        return ServiceCommands::call(arguments, options, json);
    if (command == u"read-xml"_s)
        return ServiceCommands::readXml(arguments, json);
    if (command == u"query"_s)
        return BillingCommands::query(arguments, options, json);
    if (command == u"sign"_s) {
        std::optional<double> time;
        if (parser.isSet(u"time"_s)) {
            bool isNumber = false;
            time = parser.value(u"time"_s).toDouble(&isNumber);
            if (!isNumber || *time < 0) {
                CliOutput::error(u"--time needs a number of seconds"_s);
                return 2;
            }
        }
        return BillingCommands::sign(arguments, time, json);
    }
    if (command == u"pay"_s) {
        const BillingCommands::PayOptions payOptions{
            parser.value(u"user"_s), parser.value(u"hb"_s), parser.value(u"uuid"_s),
            parser.isSet(u"tamper"_s), parser.value(u"receipt"_s)};
        return BillingCommands::pay(arguments, options, payOptions, json);
    }
    if (command == u"messages"_s && arguments.isEmpty())
        return MessageCommands::messages(options, parser.value(u"since"_s), json);
    if (command == u"records"_s)
        return InfoCommands::records(arguments, options, parser.value(u"uuid"_s),
                                     parser.isSet(u"by-month"_s), json);
    if (command == u"notices"_s)
        return InfoCommands::notices(arguments, options, json);
    if (command == u"accounts"_s)
        return AccountCommands::accounts(arguments, options, json);

    parser.showHelp(2);
}
