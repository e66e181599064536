#pragma once

#include "NoticeEntry.h"
#include "shell/BaseViewController.h"

#include <QList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class PageFetcher;

/// The notice list: the latest notices of the website, one row each, opening the notice.
// Kept name (traceability): see docs/names.md
class AnnouncementViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Info/AnnouncementView.qml")
    /// The rows for the view: "title" and "subTitle" of each notice, in page order.
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QVariantList dataSource READ rows NOTIFY dataSourceChanged)

public:
    AnnouncementViewController(Navigator *navigator, PageFetcher *fetcher,
                               QObject *parent = nullptr);

    QList<NoticeEntry> dataSource() const { return m_dataSource; }
    void setDataSource(const QList<NoticeEntry> &notices);
    QVariantList rows() const;

    void viewDidLoad() override;

    Q_INVOKABLE qreal rowHeight(qreal screenHeight) const;
    Q_INVOKABLE qreal tableHeight(qreal screenHeight) const;
    /// Opens the notice of the row.
    Q_INVOKABLE void didSelectRowAtIndex(int row);

signals:
    void dataSourceChanged();

private:
    PageFetcher *m_fetcher;
    QList<NoticeEntry> m_dataSource;
};
