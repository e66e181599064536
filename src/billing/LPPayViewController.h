#pragma once

#include "PayModel.h"
#include "RedPacketChoice.h"
#include "shell/BaseViewController.h"
#include "shell/ScreenServices.h"

#include <QPointer>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>
#include <optional>

class KTLoadingView;
class PayAction;

/// The payment screen "水电气缴费": search an account number, see what it owes in eight rows,
/// optionally deduct a red packet, pay, or open the bills one by one.
class LPPayViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Billing/LPPayView.qml")
    /// The account number field's text.
    Q_PROPERTY(QString seacrBar READ seacrBar WRITE setSeacrBar NOTIFY seacrBarChanged)
    Q_PROPERTY(QStringList infoA READ infoA CONSTANT)
    /// The eight row values as shown.
    Q_PROPERTY(QStringList infoB READ infoB NOTIFY rowsChanged)
    /// The rows and the pay and detail buttons are shown once a result has arrived.
    Q_PROPERTY(bool showsResult READ showsResult NOTIFY rowsChanged)
    Q_PROPERTY(
        bool mainTableViewEnabled READ mainTableViewEnabled NOTIFY mainTableViewEnabledChanged)
    Q_PROPERTY(bool tipLableVisible READ tipLableVisible NOTIFY tipLableChanged)
    Q_PROPERTY(QString tipLableText READ tipLableText NOTIFY tipLableChanged)
    /// The saved accounts under the field, most recently used first: maps of "account" and
    /// "label".
    Q_PROPERTY(QVariantList savedAccounts READ savedAccounts NOTIFY savedAccountsChanged)
    /// The account of the result on screen is not saved yet: the screen offers to save it.
    Q_PROPERTY(bool canSaveResult READ canSaveResult NOTIFY savedAccountsChanged)

public:
    LPPayViewController(Navigator *navigator, const ScreenServices &services,
                        QObject *parent = nullptr);

    QString seacrBar() const { return m_seacrBar; }
    void setSeacrBar(const QString &text);
    QStringList infoA() const;
    QStringList infoB() const { return m_infoB; }
    bool showsResult() const { return m_showsResult; }
    bool mainTableViewEnabled() const { return m_mainTableViewEnabled; }
    bool tipLableVisible() const { return m_tipLableVisible; }
    QString tipLableText() const { return m_tipLableText; }
    QVariantList savedAccounts() const;
    bool canSaveResult() const;

    const PayModel &model() const { return m_model; }
    /// Empty, or the chosen packet's hbid, hbje and hbmc.
    QStringList hongbaoArray() const { return m_hongbaoArray; }
    QString hbid() const { return m_hbid; }

    void viewDidLoad() override;
    /// Queries the account number in the field.
    Q_INVOKABLE void seacr();
    /// A tap on a result row; only the red packet row reacts.
    Q_INVOKABLE void didSelectRow(int row);
    Q_INVOKABLE void pay();
    Q_INVOKABLE void detail();
    /// The screen is about to go out of sight.
    Q_INVOKABLE void viewWillDisappear();
    /// A tap on a saved account: it goes into the field and is searched.
    Q_INVOKABLE void searchSaved(const QString &account);
    /// Opens the sheet that saves the result's account under a label.
    Q_INVOKABLE void saveResult();
    /// Opens the sheet that renames or removes a saved account.
    Q_INVOKABLE void editSaved(const QString &account);

signals:
    void seacrBarChanged();
    void rowsChanged();
    void mainTableViewEnabledChanged();
    void tipLableChanged();
    void savedAccountsChanged();

private:
    void didReceiveResult(const PayModel &model, const QString &account, KTLoadingView *loading);
    void didRefuse(const QString &notification);
    void chooseRedPacket();
    void didChooseRedPacket(const QStringList &choice);
    void clearRedPacket();
    std::optional<RedPacketChoice> redPacketChoice() const;
    /// True when the field still names the account of the result on screen; otherwise says
    /// so and searches the field's account.
    bool fieldNamesResult();
    void lookAgain(const QString &account);
    /// A payment for `account` succeeded: a saved account moves up, and the account is looked
    /// at again; one not saved is offered for saving once that look has been read.
    void didPay(const QString &account);
    /// The offer after a payment, if one waits and its account is still not saved.
    void offerToSave();
    void openSavedAccountSheet(const QString &account);
    void showRows(const PayModel &model, bool showsResult);
    void setMainTableViewEnabled(bool enabled);
    void setTipLable(bool visible, const QString &text);
    void endLoading();

    ScreenServices m_services;
    PayAction *m_payAction;
    QString m_seacrBar;
    PayModel m_model;
    /// The account number searched for the result on screen.
    QString m_resultAccount;
    QStringList m_infoB;
    QStringList m_hongbaoArray;
    QString m_hbid;
    bool m_showsResult = false;
    bool m_mainTableViewEnabled = true;
    bool m_tipLableVisible = true;
    QString m_tipLableText;
    QPointer<KTLoadingView> m_loadingView;
    /// A paid account to offer for saving once the look after the payment has ended.
    std::optional<QString> m_offerAccount;
};
