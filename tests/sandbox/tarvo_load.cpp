// tarvo_load: many concurrent clients against a running service, with throughput and latency.
#include "LoadRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Calls the service from many keep-alive clients at once, alternating queryExpense "
        "and createOrder, and reports failures, requests per second and latency percentiles."_s);
    parser.addHelpOption();
    const QCommandLineOption serviceOption(u"service"_s, u"Service URL."_s, u"URL"_s,
                                           u"http://127.0.0.1:7001/trvo/ws/appService"_s);
    const QCommandLineOption clientsOption(u"clients"_s, u"Concurrent clients."_s, u"N"_s, u"32"_s);
    const QCommandLineOption requestsOption(u"requests"_s, u"Requests per client."_s, u"M"_s,
                                            u"200"_s);
    const QCommandLineOption queriesOption(u"queries-only"_s,
                                           u"Only queryExpense, no createOrder."_s);
    parser.addOptions({serviceOption, clientsOption, requestsOption, queriesOption});
    parser.process(app);

    LoadRun::Options options;
    options.serviceUrl = QUrl(parser.value(serviceOption));
    options.clients = parser.value(clientsOption).toInt();
    options.requestsPerClient = parser.value(requestsOption).toInt();
    options.queriesOnly = parser.isSet(queriesOption);
    QTextStream out(stdout);
    if (!options.serviceUrl.isValid() || options.clients < 1 || options.requestsPerClient < 1) {
        QTextStream(stderr) << "tarvo_load: needs a service URL and positive counts\n";
        return 2;
    }

    const LoadRun::Result result = LoadRun::run(options);
    out << "clients " << options.clients << ", requests " << result.sent << ", succeeded "
        << result.succeeded << ", failed " << result.failed << ", orders accepted "
        << result.ordersAccepted << "\n";
    out << "time " << QString::number(result.seconds, 'f', 2) << " s, "
        << QString::number(result.requestsPerSecond(), 'f', 0) << " requests/s\n";
    out << "latency ms: p50 " << QString::number(result.percentile(50), 'f', 2) << ", p90 "
        << QString::number(result.percentile(90), 'f', 2) << ", p99 "
        << QString::number(result.percentile(99), 'f', 2) << ", max "
        << QString::number(result.percentile(100), 'f', 2) << "\n";
    for (const QString &failure : result.failureSamples)
        out << "failure: " << failure << "\n";
    return result.failed == 0 && result.succeeded == result.sent ? 0 : 1;
}
