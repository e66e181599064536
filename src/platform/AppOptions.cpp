#include "AppOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

std::optional<WalletAvailability> walletAvailabilityFrom(const QString &text)
{
    if (text == u"installed")
        return WalletAvailability::installed;
    if (text == u"missing")
        return WalletAvailability::missing;
    if (text == u"unsupported")
        return WalletAvailability::unsupported;
    return std::nullopt;
}

} // namespace

QUrl AppOptions::defaultServiceUrl()
{
    return QUrl(u"http://127.0.0.1:7001/trvo/ws/appService"_s);
}

QUrl AppOptions::defaultWebsiteUrl()
{
    return QUrl(u"http://127.0.0.1:7001"_s);
}

QUrl AppOptions::walletUrl() const
{
    QUrl url = websiteUrl;
    QString path = url.path();
    if (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + u"/wallet/pay"_s);
    return url;
}

void AppOptions::addTo(QCommandLineParser &parser)
{
    parser.addOption({u"service"_s, u"Company service URL."_s, u"URL"_s});
    parser.addOption({u"website"_s, u"Company website URL."_s, u"URL"_s});
    parser.addOption({u"home"_s,
                      u"Folder for settings, the secure-store fallback and the app's receipts."_s,
                      u"DIR"_s});
    parser.addOption({u"wallet"_s,
                      u"The wallet app as the app finds it: installed, missing or unsupported."_s,
                      u"STATE"_s});
    parser.addOption({u"tiles"_s,
                      u"Map tile server, a URL template with {z}, {x} and {y} (default: the "
                      u"website's /tiles/{z}/{x}/{y}.png)."_s,
                      u"URL-TEMPLATE"_s});
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
    const QString defaultHome = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString home = pick(u"home"_s, "TARVO_HOME", {});
    options.home = QDir(home.isEmpty() ? defaultHome : home).absolutePath();
    options.receiptFolder =
        home.isEmpty() ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(u"Tarvo/收据"_s)
                       : QDir(options.home).filePath(u"收据"_s);
    QString website = options.websiteUrl.toString();
    if (website.endsWith(u'/'))
        website.chop(1);
    options.tileUrl = pick(u"tiles"_s, "TARVO_TILE_URL", website + u"/tiles/{z}/{x}/{y}.png"_s);
    const QString wallet = pick(u"wallet"_s, "TARVO_WALLET", u"installed"_s);
    if (const std::optional<WalletAvailability> availability = walletAvailabilityFrom(wallet))
        options.walletAvailability = *availability;
    else
        options.error =
            u"--wallet needs installed, missing or unsupported, not \"%1\""_s.arg(wallet);
    return options;
}
