#pragma once

#include "ReceiptFolder.h"
#include "shell/BaseViewController.h"

#include <QVariantList>
#include <QtQml/qqmlregistration.h>

/// The receipt screen "电子凭证": the same lines as the receipt's PDF, and a button that
/// opens the PDF with the desktop.
class ReceiptViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/ReceiptView.qml")
    Q_PROPERTY(QString company READ company CONSTANT)
    Q_PROPERTY(QString heading READ heading CONSTANT)
    /// Each a map with "caption" and "value".
    Q_PROPERTY(QVariantList customerLines READ customerLines CONSTANT)
    /// The bill table's column titles, then one list of three cells per bill.
    Q_PROPERTY(QStringList billColumns READ billColumns CONSTANT)
    Q_PROPERTY(QVariantList bills READ bills CONSTANT)
    Q_PROPERTY(QVariantList amountLines READ amountLines CONSTANT)
    Q_PROPERTY(QVariantList orderLines READ orderLines CONSTANT)
    /// Where the PDF was saved.
    Q_PROPERTY(QString pdfPath READ pdfPath CONSTANT)

public:
    /// `folder` opens the PDF; without one the screen only shows the receipt.
    ReceiptViewController(Navigator *navigator, const KeptReceipt &kept,
                          const ReceiptFolder *folder, QObject *parent = nullptr);

    QString company() const;
    QString heading() const;
    QVariantList customerLines() const;
    QStringList billColumns() const;
    QVariantList bills() const;
    QVariantList amountLines() const;
    QVariantList orderLines() const;
    QString pdfPath() const { return m_kept.pdfPath; }
    const Receipt &receipt() const { return m_kept.receipt; }

    void viewDidLoad() override;
    /// Hands the PDF to the desktop; says so when nothing opened it.
    Q_INVOKABLE void openPdf();

private:
    KeptReceipt m_kept;
    const ReceiptFolder *m_folder;
};
