#pragma once

#include "ReceiptFolder.h"
#include "shell/BaseViewController.h"

#include <QVariantList>
#include <QtQml/qqmlregistration.h>

/// The list of saved receipts "电子凭证", newest first; a tap opens one.
class ReceiptListViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/ReceiptListView.qml")
    /// One map per receipt: "account", "amount", "time" and "name" (for the accessible name).
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(QString folderPath READ folderPath CONSTANT)

public:
    ReceiptListViewController(Navigator *navigator, const ReceiptFolder *folder,
                              QObject *parent = nullptr);

    QVariantList rows() const;
    QString folderPath() const;
    const QList<KeptReceipt> &receipts() const { return m_receipts; }

    /// Reads the folder.
    void viewDidLoad() override;
    Q_INVOKABLE void openReceipt(int index);

signals:
    void rowsChanged();

private:
    const ReceiptFolder *m_folder;
    QList<KeptReceipt> m_receipts;
};
