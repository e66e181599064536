#pragma once

#include "PayRecord.h"
#include "shell/BaseViewController.h"

#include <QList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

/// The list of the payments a record query found: one rounded row per payment, in the
/// order the service listed them.
// Kept name (traceability): see docs/names.md
class LPQueryListController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Records/LPQueryListView.qml")
    /// One entry per payment: the lines its row shows (see LPQueryTableViewCell).
    Q_PROPERTY(QVariantList rows READ rows NOTIFY dataSourceChanged)

public:
    using BaseViewController::BaseViewController;

    // Kept name (traceability): see docs/names.md
    QList<PayRecord> dataSource() const { return m_dataSource; }
    /// Set before the screen is shown.
    void setDataSource(const QList<PayRecord> &dataSource);
    QVariantList rows() const;

    void viewDidLoad() override;

signals:
    void dataSourceChanged();

private:
    QList<PayRecord> m_dataSource;
};
