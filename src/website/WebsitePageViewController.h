#pragma once

#include "PageFragments.h"
#include "shell/BaseViewController.h"

#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class PageFetcher;

/// A screen that shows parts of one website page: it fetches the page once, under the
/// progress overlay, and keeps the markup its fragment rule picks out for the web view.
class WebsitePageViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Info/WebsitePageView.qml")
    /// The kept pieces joined; the web view is made once the page has arrived.
    Q_PROPERTY(QString html READ html NOTIFY pageArrivedChanged)
    Q_PROPERTY(bool pageArrived READ pageArrived NOTIFY pageArrivedChanged)

public:
    QString html() const { return m_html; }
    bool pageArrived() const { return m_pageArrived; }

    /// What the view runs right after handing the markup over: the page fits its width.
    Q_INVOKABLE QString viewportScript(double width) const;

signals:
    void pageArrivedChanged();

protected:
    /// What "确定" on the failure message does besides closing it.
    enum class AfterFailure { stay, goBack };

    WebsitePageViewController(Navigator *navigator, PageFetcher *fetcher,
                              QObject *parent = nullptr);

    void requestPage(const QUrl &url, const FragmentRule &rule, AfterFailure afterFailure);

private:
    /// A page that did not come, or came as an error page or as none of the site's pages.
    void pageFailed(AfterFailure afterFailure);

    PageFetcher *m_fetcher;
    QString m_html;
    bool m_pageArrived = false;
};
