#pragma once

#include "PayModel.h"
#include "shell/BaseViewController.h"
#include "shell/ScreenServices.h"

#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class PayAction;

/// The arrears detail screen "欠费明细": the bills of an arrears result one by one, and a pay
/// button that pays all of them, without red packet.
// Kept name (traceability): see docs/names.md
class LPPayDeatilViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/LPPayDetailView.qml")
    /// One entry per bill: date, type and amount texts.
    Q_PROPERTY(QVariantList rows READ rows CONSTANT)
    /// The footer with "缴费" shows only when there are bills; the tip otherwise.
    Q_PROPERTY(bool footerVisible READ footerVisible CONSTANT)
    Q_PROPERTY(bool tipLabelVisible READ tipLabelVisible CONSTANT)

public:
    /// `userID` is the account number whose bills these are.
    LPPayDeatilViewController(Navigator *navigator, const ScreenServices &services,
                              const QList<queryListModel> &dataSource, const PayModel &model,
                              const QString &userID, QObject *parent = nullptr);

    /// "水费" for "W", "电费" for "P", "气费" for anything else.
    static QString typeText(const QString &rcvType);

    QVariantList rows() const;
    bool footerVisible() const { return !m_dataSource.isEmpty(); }
    bool tipLabelVisible() const { return m_dataSource.isEmpty(); }
    // Kept name (traceability): see docs/names.md
    QString userID() const { return m_userID; }

    void viewDidLoad() override;
    // Kept name (traceability): see docs/names.md
    Q_INVOKABLE void pay();

signals:
    /// The customer has read that the payment for `account` succeeded.
    void paid(const QString &account);

private:
    ScreenServices m_services;
    PayAction *m_payAction;
    // Kept name (traceability): see docs/names.md
    QList<queryListModel> m_dataSource;
    PayModel m_model;
    QString m_userID;
};
