#pragma once

#include <QString>
#include <QUrl>

class QCommandLineParser;

/// Where the three programs find the company service, its website and their profile folder.
///
/// Defaults come first, then the TARVO_* environment variables, then the command line.
struct AppOptions
{
    QUrl serviceUrl;
    QUrl websiteUrl;
    QString home;

    static QUrl defaultServiceUrl();
    static QUrl defaultWebsiteUrl();

    /// Declares --service, --website and --home on the parser.
    static void addTo(QCommandLineParser &parser);
    /// Defaults overridden by the environment and then by the parsed command line.
    static AppOptions from(const QCommandLineParser &parser);
};
