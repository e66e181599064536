#pragma once

#include "RedPacketRecord.h"
#include "shell/BaseViewController.h"

#include <QList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>
#include <optional>

class KTLoadingView;
class ServiceClient;

/// "我的红包": the red packets of the signed-in account, one section each, fetched once when
/// the screen loads.
// Kept name (traceability): see docs/names.md
class HongBaoViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/RedPackets/HongBaoView.qml")
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(bool answered READ isAnswered NOTIFY answeredChanged)

public:
    /// `account` is the account of the current sign-in; without one nothing is asked.
    HongBaoViewController(Navigator *navigator, ServiceClient *client,
                          std::optional<QString> account, QObject *parent = nullptr);

    void viewDidLoad() override;

    /// One entry per packet: its `date` and `amount` texts.
    QVariantList rows() const;
    /// Whether the query has ended, with or without packets: an empty list then means none.
    bool isAnswered() const { return m_answered; }

    /// Heights in points for a window `windowWidth` points wide.
    Q_INVOKABLE qreal rowHeight(qreal windowWidth) const;
    Q_INVOKABLE qreal sectionHeaderHeight(int section, qreal windowWidth) const;

signals:
    void rowsChanged();
    void answeredChanged();

private:
    void query(const QString &account);
    void finish();

    ServiceClient *m_client;
    std::optional<QString> m_account;
    QList<RedPacketRecord> m_packets;
    KTLoadingView *m_loadingView = nullptr;
    bool m_answered = false;
};
