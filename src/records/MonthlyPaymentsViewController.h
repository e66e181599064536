#pragma once

#include "PaymentMonths.h"
#include "shell/BaseViewController.h"

#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class Clock;
class ServiceClient;
class SettingsStore;
struct ServiceReply;

/// "近12个月缴费": what this device paid in each of the last twelve months, with the total;
/// a month opens the list of its payments.
class MonthlyPaymentsViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Records/MonthlyPaymentsView.qml")
    /// Newest month first, one map each: "label" (月), "title" (年月), "amount" (元),
    /// "share" of the largest month (0 to 1) and "count" of payments.
    Q_PROPERTY(QVariantList months READ months NOTIFY monthsChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY monthsChanged)
    /// The sums have arrived.
    Q_PROPERTY(bool loaded READ isLoaded NOTIFY monthsChanged)
    /// The query got no usable answer; reload() tries again.
    Q_PROPERTY(bool failed READ hasFailed NOTIFY monthsChanged)

public:
    /// The device identifier is read from `settings` at each query; `clock` gives today.
    MonthlyPaymentsViewController(Navigator *navigator, ServiceClient *service,
                                  SettingsStore *settings, const Clock *clock,
                                  QObject *parent = nullptr);

    QVariantList months() const;
    QString totalText() const;
    bool isLoaded() const { return m_loaded; }
    bool hasFailed() const { return m_failed; }

    /// Asks for the twelve months.
    void viewDidLoad() override;
    Q_INVOKABLE void reload();
    /// Lists the payments of a month, counted as `months` lists them; says so when it has none.
    Q_INVOKABLE void openMonth(int index);

signals:
    void monthsChanged();

private:
    void didQueryPayList(const ServiceReply &reply, QDate first, QDate last);
    void fail();

    ServiceClient *m_service;
    SettingsStore *m_settings;
    const Clock *m_clock;
    /// Oldest first.
    QList<MonthTotal> m_months;
    bool m_loaded = false;
    bool m_failed = false;
    bool m_querying = false;
};
