#include "AppOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QUrl AppOptions::defaultServiceUrl()
{
    return QUrl(u"http://127.0.0.1:7001/trvo/ws/appService"_s);
}

QUrl AppOptions::defaultWebsiteUrl()
{
    return QUrl(u"http://127.0.0.1:7001"_s);
}

void AppOptions::addTo(QCommandLineParser &parser)
{
    parser.addOption({u"service"_s, u"Company service URL."_s, u"URL"_s});
    parser.addOption({u"website"_s, u"Company website URL."_s, u"URL"_s});
    parser.addOption(
        {u"home"_s, u"Folder for settings and the secure-store fallback."_s, u"DIR"_s});
}

AppOptions AppOptions::from(const QCommandLineParser &parser)
{
    auto pick = [&parser](const QString &option, const char *variable, const QString &fallback) {
        if (parser.isSet(option))
            return parser.value(option);
        const QString fromEnvironment = qEnvironmentVariable(variable);
        return fromEnvironment.isEmpty() ? fallback : fromEnvironment;
    };

    AppOptions options;
    options.serviceUrl =
        QUrl(pick(u"service"_s, "TARVO_SERVICE_URL", defaultServiceUrl().toString()));
    options.websiteUrl =
        QUrl(pick(u"website"_s, "TARVO_WEBSITE_URL", defaultWebsiteUrl().toString()));
    options.home = QDir(pick(u"home"_s, "TARVO_HOME",
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)))
                       .absolutePath();
    return options;
}
