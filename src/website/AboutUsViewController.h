#pragma once

#include "WebsitePageViewController.h"

#include <QUrl>
#include <QtQml/qqmlregistration.h>

/// The company introduction, from the website's about page.
// Kept name (traceability): see docs/names.md
class AboutUsViewController : public WebsitePageViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")

public:
    AboutUsViewController(Navigator *navigator, PageFetcher *fetcher, QUrl website,
                          QObject *parent = nullptr);

    void viewDidLoad() override;
    /// Starts the request for the introduction page.
    // Kept name (traceability): see docs/names.md
    void initJianjie();

private:
    QUrl m_website;
};
