#include "MonthlyPaymentsViewController.h"

#include "LPQueryListController.h"
#include "PayRecordQuery.h"
#include "PayRecordReply.h"
#include "RecordsLog.h"
#include "billing/Money.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "service/ServiceClient.h"
#include "shell/KTLoadingView.h"
#include "shell/Navigator.h"

#include <QDateTime>
#include <algorithm>

using namespace Qt::StringLiterals;

MonthlyPaymentsViewController::MonthlyPaymentsViewController(Navigator *navigator,
                                                             ServiceClient *service,
                                                             SettingsStore *settings,
                                                             const Clock *clock, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_service(service)
    , m_settings(settings)
    , m_clock(clock)
{}

QVariantList MonthlyPaymentsViewController::months() const
{
    qint64 largest = 0;
    for (const MonthTotal &month : m_months)
        largest = std::max(largest, month.fen);
    // This month on top, where the customer looks first.
    QVariantList months;
    for (auto it = m_months.crbegin(); it != m_months.crend(); ++it) {
        const MonthTotal &month = *it;
        const QString amount = Money::yuanText(month.fen) + tr("元");
        months.append(QVariantMap{
            {u"label"_s, tr("%1月").arg(month.month.month())},
            {u"title"_s, tr("%1年%2月").arg(month.month.year()).arg(month.month.month())},
            {u"amount"_s, amount},
            {u"share"_s, largest > 0 ? std::max<qint64>(month.fen, 0) / double(largest) : 0.0},
            {u"count"_s, month.payments.size()}});
    }
    return months;
}

QString MonthlyPaymentsViewController::totalText() const
{
    return tr("合计 %1元").arg(Money::yuanText(PaymentMonths::total(m_months)));
}

void MonthlyPaymentsViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("近12个月缴费"));
    setIsShowWhiteBack(true);
    reload();
}

void MonthlyPaymentsViewController::reload()
{
    if (m_querying)
        return;
    const QDate today =
        QDateTime::fromMSecsSinceEpoch(qint64(m_clock->secondsSinceEpoch() * 1000)).date();
    const QDate first = PaymentMonths::yearStart(today);
    m_querying = true;
    auto *loading = new KTLoadingView(this);
    loading->startAnimation();
    loading->setType(0);
    const auto done = [this, loading] {
        m_querying = false;
        loading->endAnimation();
        loading->deleteLater();
    };
    // One request for the whole year; the months are summed here.
    m_service->call(
        ServiceOperation::queryPayList,
        PayRecordQuery::fields(first.toString(u"yyyy-MM-dd"_s), today.toString(u"yyyy-MM-dd"_s),
                               m_settings->string(u"UUID"_s)),
        loading,
        [this, done, first, today](const ServiceReply &reply) {
            done();
            didQueryPayList(reply, first, today);
        },
        [this, done] {
            qCInfo(lcRecords) << "no reply to the monthly payment query";
            done();
            fail();
        });
}

void MonthlyPaymentsViewController::didQueryPayList(const ServiceReply &reply, QDate first,
                                                    QDate last)
{
    if (!reply.replyDocument) {
        qCInfo(lcRecords) << "monthly payment query answered without a reply document";
        fail();
        return;
    }
    const PayRecordOutcome outcome = PayRecordReply::read(reply.replyDocument);
    m_months = PaymentMonths::sum(outcome.records, first, last);
    m_loaded = true;
    m_failed = false;
    emit monthsChanged();
}

void MonthlyPaymentsViewController::fail()
{
    // What was shown stays; a chart of zeros would tell the customer nothing was paid.
    m_failed = !m_loaded;
    emit monthsChanged();
    navigator()->notice(tr("网络异常!"));
}

void MonthlyPaymentsViewController::openMonth(int index)
{
    if (index < 0 || index >= m_months.size())
        return;
    const MonthTotal &month = m_months.at(m_months.size() - 1 - index);
    if (month.payments.isEmpty()) {
        navigator()->notice(
            tr("%1年%2月暂无缴费记录").arg(month.month.year()).arg(month.month.month()));
        return;
    }
    auto *list = new LPQueryListController(navigator());
    list->setDataSource(month.payments);
    navigator()->push(list, true);
}
