#pragma once

#include "shell/BaseViewController.h"

#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class PageFetcher;

/// The list of the service guides (`VCType` 0) or of the publicity articles (any other
/// `VCType`); a row opens its website page.
// Kept name (traceability): see docs/names.md
class LPServiceGuideViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Info/LPServiceGuideView.qml")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(int VCType READ VCType CONSTANT)
    Q_PROPERTY(QStringList dataSource READ dataSource NOTIFY dataSourceChanged)

public:
    LPServiceGuideViewController(Navigator *navigator, PageFetcher *fetcher, QUrl website,
                                 int VCType, QObject *parent = nullptr);

    int VCType() const { return m_VCType; }
    QStringList dataSource() const { return m_dataSource; }

    // Kept name (traceability): see docs/names.md
    static QStringList getServiceGuideInfo();
    static QStringList getWaterInfo();

    void viewDidLoad() override;

    Q_INVOKABLE qreal rowHeight(qreal screenHeight) const;
    Q_INVOKABLE qreal tableHeight(qreal screenHeight) const;
    /// Opens the page of the row.
    Q_INVOKABLE void didSelectRowAtIndex(int row);

signals:
    void dataSourceChanged();

private:
    bool isPublicity() const { return m_VCType != 0; }

    PageFetcher *m_fetcher;
    QUrl m_website;
    int m_VCType;
    QStringList m_dataSource;
};
