#pragma once

#include "SandboxWallet.h"

#include <QString>
#include <QUrl>

class QCommandLineParser;

/// Where the three programs find the company service, its website and their profile folder,
/// and how the desktop wallet presents itself.
///
/// Defaults come first, then the TARVO_* environment variables, then the command line.
struct AppOptions
{
    QUrl serviceUrl;
    QUrl websiteUrl;
    QString home;
    /// Where the receipts of payments are kept: "收据" in the home folder when one is given
    /// (--home or TARVO_HOME: a profile of its own keeps its receipts with it), otherwise
    /// "Tarvo/收据" in the user's documents folder, where a customer looks for them.
    QString receiptFolder;
    WalletAvailability walletAvailability = WalletAvailability::installed;
    /// Where the outlet map's tiles come from: a URL template with "{z}", "{x}" and "{y}".
    /// By default the website's stand-in draws them: the website URL + "/tiles/{z}/{x}/{y}.png".
    QString tileUrl;
    /// A refused option value, for the user; the default stands in for it.
    QString error;

    static QUrl defaultServiceUrl();
    static QUrl defaultWebsiteUrl();

    /// Where the website's stand-in plays the wallet app: the website URL + "/wallet/pay".
    QUrl walletUrl() const;

    /// Declares --service, --website, --home, --wallet and --tiles on the parser.
    static void addTo(QCommandLineParser &parser);
    /// Defaults overridden by the environment and then by the parsed command line.
    static AppOptions from(const QCommandLineParser &parser);
};
