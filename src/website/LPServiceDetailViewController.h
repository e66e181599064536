#pragma once

#include "WebsitePageViewController.h"

#include <QtQml/qqmlregistration.h>

/// One service guide or publicity article: the parts of its website page that its list and
/// row call for.
// Kept name (traceability): see docs/names.md
class LPServiceDetailViewController : public WebsitePageViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QUrl urlStr READ urlStr CONSTANT)
    Q_PROPERTY(int index READ index CONSTANT)
    /// 1 when opened from the publicity list, 0 from the guide list.
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(int ServiceVCTypeFrom READ ServiceVCTypeFrom CONSTANT)

public:
    LPServiceDetailViewController(Navigator *navigator, PageFetcher *fetcher, const QUrl &urlStr,
                                  int index, const QString &title, int ServiceVCTypeFrom,
                                  QObject *parent = nullptr);

    QUrl urlStr() const { return m_urlStr; }
    int index() const { return m_index; }
    int ServiceVCTypeFrom() const { return m_ServiceVCTypeFrom; }

    void viewDidLoad() override;
    /// Starts the request for the page.
    // Kept name (traceability): see docs/names.md
    void initDataSource();

private:
    QUrl m_urlStr;
    int m_index;
    int m_ServiceVCTypeFrom;
};
