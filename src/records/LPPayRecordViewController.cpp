#include "LPPayRecordViewController.h"

#include "LPDatePicker.h"
#include "LPQueryListController.h"
#include "MonthlyPaymentsViewController.h"
#include "PayRecordQuery.h"
#include "PayRecordReply.h"
#include "RecordsLog.h"
#include "billing/ReceiptListViewController.h"
#include "platform/SettingsStore.h"
#include "service/ServiceClient.h"
#include "shell/KTLoadingView.h"
#include "shell/Navigator.h"

using namespace Qt::StringLiterals;

LPPayRecordViewController::LPPayRecordViewController(Navigator *navigator, ServiceClient *service,
                                                     SettingsStore *settings, const Clock *clock,
                                                     const ReceiptFolder *receipts, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_service(service)
    , m_settings(settings)
    , m_clock(clock)
    , m_receipts(receipts)
    , m_startDateTitle(PayRecordQuery::startPrompt.toString())
    , m_endDateTitle(PayRecordQuery::endPrompt.toString())
{}

void LPPayRecordViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("缴费记录"));
    setIsShowWhiteBack(true);
}

void LPPayRecordViewController::showSelectStartDatePicker()
{
    showDatePicker(&LPPayRecordViewController::m_startDateTitle,
                   &LPPayRecordViewController::startDateTitleChanged);
}

void LPPayRecordViewController::showSelectOverDatePicker()
{
    showDatePicker(&LPPayRecordViewController::m_endDateTitle,
                   &LPPayRecordViewController::endDateTitleChanged);
}

void LPPayRecordViewController::showDatePicker(QString LPPayRecordViewController::*title,
                                               void (LPPayRecordViewController::*changed)())
{
    // Each tap opens a fresh picker at today, whatever the button shows.
    auto *picker = new LPDatePicker(
        {},
        [this, title, changed](const QString &date) {
            this->*title = date;
            emit(this->*changed)();
        },
        m_clock, this);
    if (m_datePicker)
        m_datePicker->deleteLater();
    m_datePicker = picker;
    emit datePickerChanged();
    picker->show();
}

void LPPayRecordViewController::query()
{
    if (const std::optional<QString> refusal =
            PayRecordQuery::refusal(m_startDateTitle, m_endDateTitle)) {
        navigator()->notice(*refusal);
        return;
    }
    qCInfo(lcRecords) << "querying payments from" << m_startDateTitle << "to" << m_endDateTitle;
    auto *loading = new KTLoadingView(this);
    loading->startAnimation();
    loading->setType(0);
    m_service->call(
        ServiceOperation::queryPayList,
        PayRecordQuery::fields(m_startDateTitle, m_endDateTitle, m_settings->string(u"UUID"_s)),
        loading,
        [this, loading](const ServiceReply &reply) {
            loading->endAnimation();
            loading->deleteLater();
            didQueryPayList(reply);
        },
        [this, loading] {
            // No reply (or none in time): the wait ends and the customer may query again.
            qCInfo(lcRecords) << "no reply to the payment record query";
            loading->endAnimation();
            loading->deleteLater();
            navigator()->notice(tr("网络异常!"));
        });
}

void LPPayRecordViewController::didQueryPayList(const ServiceReply &reply)
{
    // An HTTP error, a SOAP fault or a body that is no reply at all says nothing about the
    // payments: an empty list would tell the customer there were none.
    if (!reply.replyDocument) {
        qCInfo(lcRecords) << "payment record query answered without a reply document";
        navigator()->notice(tr("网络异常!"));
        return;
    }
    const PayRecordOutcome outcome = PayRecordReply::read(reply.replyDocument);
    if (outcome.noRecords) {
        navigator()->notice(PayRecordQuery::noRecordsMessage.toString());
        return;
    }
    qCInfo(lcRecords) << "listing" << outcome.records.size() << "payments";
    auto *list = new LPQueryListController(navigator());
    list->setDataSource(outcome.records);
    navigator()->push(list, true);
}

void LPPayRecordViewController::showReceipts()
{
    navigator()->push(new ReceiptListViewController(navigator(), m_receipts), true);
}

void LPPayRecordViewController::showMonthlyPayments()
{
    navigator()->push(
        new MonthlyPaymentsViewController(navigator(), m_service, m_settings, m_clock), true);
}
