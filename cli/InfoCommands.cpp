#include "InfoCommands.h"

#include "CliOutput.h"
#include "CliServices.h"
#include "DeviceIdentifier.h"
#include "GadgetJson.h"
#include "billing/Money.h"
#include "info/NoticeListLoader.h"
#include "platform/NetworkPageFetcher.h"
#include "records/PayRecordQuery.h"
#include "records/PayRecordReply.h"
#include "records/PaymentMonths.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace InfoCommands {

namespace {

QString recordsText(const QList<PayRecord> &records)
{
    QStringList blocks;
    for (const PayRecord &record : records)
        blocks.append(u"缴费编号 %1\n缴费日期 %2\n缴费金额 %3"_s.arg(record.userbh, record.jfrq,
                                                                     record.amountText()));
    return blocks.join(u"\n\n"_s);
}

QString monthsText(const QList<MonthTotal> &months)
{
    QString text;
    for (const MonthTotal &month : months)
        text += month.month.toString(u"yyyy-MM"_s) + u"  "_s + Money::yuanText(month.fen) + u'\n';
    return text + u"total    "_s + Money::yuanText(PaymentMonths::total(months));
}

QJsonObject monthsJson(const QList<MonthTotal> &months)
{
    QJsonArray list;
    for (const MonthTotal &month : months)
        list.append(QJsonObject{{u"month"_s, month.month.toString(u"yyyy-MM"_s)},
                                {u"fen"_s, month.fen},
                                {u"amount"_s, Money::yuanText(month.fen)},
                                {u"payments"_s, month.payments.size()}});
    const qint64 total = PaymentMonths::total(months);
    return {{u"months"_s, list},
            {u"total"_s, QJsonObject{{u"fen"_s, total}, {u"amount"_s, Money::yuanText(total)}}}};
}

QString noticesText(const QList<NoticeEntry> &notices)
{
    QStringList lines;
    for (const NoticeEntry &notice : notices)
        lines.append(u"[%1] %2\n    %3"_s.arg(notice.subTitle, notice.title, notice.URL));
    return lines.join(u'\n');
}

template<typename Gadget> QJsonArray jsonList(const QList<Gadget> &items)
{
    QJsonArray array;
    for (const Gadget &item : items)
        array.append(gadgetJson(item));
    return array;
}

} // namespace

int records(const QStringList &arguments, const AppOptions &options, const QString &uuid,
            bool byMonth, bool json)
{
    if (arguments.size() > 2) {
        CliOutput::error(u"records needs a start and an end date, yyyy-MM-dd"_s);
        return 2;
    }
    // A date left out is a button still showing its prompt.
    const QString start = arguments.value(0, PayRecordQuery::startPrompt.toString());
    const QString end = arguments.value(1, PayRecordQuery::endPrompt.toString());
    if (const std::optional<QString> refusal = PayRecordQuery::refusal(start, end)) {
        CliOutput::error(*refusal);
        return 1;
    }
    // The sums go by calendar month, so both ends must be real days.
    if (byMonth && (!QDate::fromString(start, u"yyyy-MM-dd"_s).isValid() ||
                    !QDate::fromString(end, u"yyyy-MM-dd"_s).isValid())) {
        CliOutput::error(u"--by-month needs dates of the form yyyy-MM-dd"_s);
        return 2;
    }
    const std::optional<QString> deviceId = deviceIdentifier(options, uuid);
    if (!deviceId)
        return 2;

    CliServices services(options);
    services.client.call(
        ServiceOperation::queryPayList, PayRecordQuery::fields(start, end, *deviceId),
        &services.network,
        [json, byMonth, start, end](const ServiceReply &reply) {
            const PayRecordOutcome outcome = PayRecordReply::read(reply.replyDocument);
            if (byMonth) {
                // Zeros from a reply that could not be read would be sums that are not so.
                if (!reply.replyDocument) {
                    CliOutput::error(u"the reply to queryPayList could not be read"_s);
                    QCoreApplication::exit(3);
                    return;
                }
                const QList<MonthTotal> months =
                    PaymentMonths::sum(outcome.records, QDate::fromString(start, u"yyyy-MM-dd"_s),
                                       QDate::fromString(end, u"yyyy-MM-dd"_s));
                if (json)
                    CliOutput::printJson(monthsJson(months));
                else
                    CliOutput::print(monthsText(months));
                QCoreApplication::exit(0);
                return;
            }
            if (outcome.noRecords) {
                CliOutput::error(PayRecordQuery::noRecordsMessage.toString());
                QCoreApplication::exit(1);
                return;
            }
            if (json)
                CliOutput::printJson(jsonList(outcome.records));
            else
                CliOutput::print(recordsText(outcome.records));
            QCoreApplication::exit(0);
        },
        [] {
            CliOutput::error(u"no reply to queryPayList"_s);
            QCoreApplication::exit(3);
        });
    return QCoreApplication::exec();
}

int notices(const QStringList &arguments, const AppOptions &options, bool json)
{
    if (!arguments.isEmpty()) {
        CliOutput::error(u"notices takes no arguments"_s);
        return 2;
    }
    QNetworkAccessManager network;
    NetworkPageFetcher fetcher(&network);
    NoticeListLoader loader(&fetcher, options.websiteUrl);
    loader.getURLAndTitle(
        &network,
        [json](const QList<NoticeEntry> &notices) {
            if (json)
                CliOutput::printJson(jsonList(notices));
            else
                CliOutput::print(noticesText(notices));
            QCoreApplication::exit(0);
        },
        [](const QString &reason) {
            CliOutput::error(u"cannot fetch the notice list: "_s + reason);
            QCoreApplication::exit(3);
        });
    return QCoreApplication::exec();
}

} // namespace InfoCommands
