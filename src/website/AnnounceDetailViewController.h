#pragma once

#include "WebsitePageViewController.h"

#include <QtQml/qqmlregistration.h>

/// One notice: the body of its own website page, titled with the notice's title.
// Kept name (traceability): see docs/names.md
class AnnounceDetailViewController : public WebsitePageViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString urlStr READ urlStr CONSTANT)

public:
    AnnounceDetailViewController(Navigator *navigator, PageFetcher *fetcher, const QString &urlStr,
                                 const QString &title, QObject *parent = nullptr);

    QString urlStr() const { return m_urlStr; }

    void viewDidLoad() override;
    /// Starts the request for the notice's page.
    // Kept name (traceability): see docs/names.md
    void initService();

private:
    QString m_urlStr;
};
