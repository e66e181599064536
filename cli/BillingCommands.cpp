#include "BillingCommands.h"

#include "CliOutput.h"
#include "CliServices.h"
#include "DeviceIdentifier.h"
#include "GadgetJson.h"
#include "billing/LPPayInfoTool.h"
#include "billing/OrderCreation.h"
#include "billing/PayRequest.h"
#include "billing/PaymentRows.h"
#include "billing/Receipt.h"
#include "billing/ReceiptPdf.h"
#include "billing/WeChatConfig.h"
#include "platform/Clock.h"
#include "platform/SandboxWallet.h"
#include "platform/WXApiDelegate.h"
#include "redpackets/RedPacketReply.h"
#include "service/Envelope.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace BillingCommands {

namespace {

QJsonObject modelJson(const PayModel &model)
{
    QJsonObject object = gadgetJson(model);
    QJsonArray bills;
    for (const queryListModel &bill : model.queryList)
        bills.append(gadgetJson(bill));
    object.insert(u"queryList"_s, bills);
    return object;
}

QString payRequestText(const PayReq &request)
{
    return u"partnerId: %1\nprepayId: %2\npackage: %3\nnonceStr: %4\ntimeStamp: %5\nsign: %6"_s.arg(
        request.partnerId, request.prepayId, request.package, request.nonceStr,
        QString::number(request.timeStamp), request.sign);
}

QJsonObject payRequestJson(const PayReq &request)
{
    return {{u"partnerId"_s, request.partnerId},
            {u"prepayId"_s, request.prepayId},
            {u"package"_s, request.package},
            {u"nonceStr"_s, request.nonceStr},
            {u"timeStamp"_s, qint64(request.timeStamp)},
            {u"sign"_s, request.sign}};
}

QString walletResultText(int errCode)
{
    switch (errCode) {
    case 0:
        return u"paid"_s;
    case -2:
        return u"cancelled"_s;
    default:
        return u"failed"_s;
    }
}

/// Takes the wallet's answer the way the app's delegate does.
struct WalletAnswer final : WXApiDelegate
{
    void onResp(const PayResp &resp) override { received = resp; }
    std::optional<PayResp> received;
};

/// Runs one arrears query to its outcome: the model, the name of the notification, or
/// exit status 3 when no reply came.
void queryAccount(CliServices &services, const QString &account,
                  std::function<void(const PayModel &)> onResult,
                  std::function<void(const QString &)> onRefusal)
{
    QObject::connect(&services.notifications, &NotificationCenter::posted, &services.notifications,
                     onRefusal);
    auto *tool = new LPPayInfoTool(&services.client, &services.notifications, account,
                                   std::move(onResult), &services.network);
    tool->setNoReply([url = services.client.serviceUrl()] {
        CliOutput::error(u"no reply from %1"_s.arg(url.toString()));
        QCoreApplication::exit(3);
    });
}

/// Why a receipt could not be written to `path` after the payment; checked before paying,
/// so that no payment is made whose receipt has nowhere to go.
std::optional<QString> receiptTrouble(const QString &path)
{
    const QFileInfo file(path);
    if (file.exists())
        return u"%1 exists already; a receipt never replaces a file"_s.arg(path);
    if (!file.absoluteDir().exists())
        return u"there is no folder %1 for the receipt"_s.arg(file.absolutePath());
    if (!ReceiptPdf::chineseFontFamily())
        return u"no font for Chinese text is installed (fonts-wqy-microhei): the receipt "
               u"cannot be written"_s;
    return std::nullopt;
}

/// Writes the receipt into a new file; false, with a message, when it cannot.
bool writeReceipt(const Receipt &receipt, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        CliOutput::error(u"cannot create %1: %2"_s.arg(path, file.errorString()));
        return false;
    }
    if (const std::optional<QString> error = ReceiptPdf::write(receipt, &file)) {
        file.remove();
        CliOutput::error(*error);
        return false;
    }
    return true;
}

/// Says so when the account number cannot travel in a request.
bool isSendableAccount(const QString &account)
{
    if (Envelope::canCarry(account))
        return true;
    CliOutput::error(u"the account number holds control characters, which no request can carry"_s);
    return false;
}

} // namespace

int query(const QStringList &arguments, const AppOptions &options, bool json)
{
    if (arguments.size() != 1) {
        CliOutput::error(u"query needs one account number"_s);
        return 2;
    }
    if (!isSendableAccount(arguments.first()))
        return 2;
    CliServices services(options);
    queryAccount(
        services, arguments.first(),
        [json](const PayModel &model) {
            const QStringList rows = PaymentRows::values(model);
            if (json) {
                CliOutput::printJson(QJsonObject{{u"outcome"_s, model.returnMsg},
                                                 {u"rows"_s, QJsonArray::fromStringList(rows)},
                                                 {u"model"_s, modelJson(model)}});
            } else {
                QString text = u"outcome: "_s + model.returnMsg + u'\n';
                const QStringList titles = PaymentRows::titles();
                for (qsizetype i = 0; i < rows.size(); ++i)
                    text += titles[i] + u' ' + rows[i] + u'\n';
                CliOutput::print(text);
            }
            QCoreApplication::exit(0);
        },
        [json](const QString &notification) {
            if (json)
                CliOutput::printJson(QJsonObject{{u"outcome"_s, notification}});
            else
                CliOutput::print(u"outcome: "_s + notification);
            QCoreApplication::exit(1);
        });
    return QCoreApplication::exec();
}

int sign(const QStringList &arguments, std::optional<double> time, bool json)
{
    if (arguments.size() != 1 || arguments.first().isEmpty()) {
        CliOutput::error(u"sign needs one prepay id"_s);
        return 2;
    }
    const PayReq request =
        PayRequest::build(arguments.first(), time ? *time : SystemClock().secondsSinceEpoch());
    if (json)
        CliOutput::printJson(payRequestJson(request));
    else
        CliOutput::print(payRequestText(request));
    return 0;
}

int pay(const QStringList &arguments, const AppOptions &options, const PayOptions &payOptions,
        bool json)
{
    if (arguments.size() != 1) {
        CliOutput::error(u"pay needs one account number"_s);
        return 2;
    }
    if (!payOptions.packetId.isEmpty() && payOptions.user.isEmpty()) {
        CliOutput::error(u"--hb needs --user, the phone number that holds the red packet"_s);
        return 2;
    }
    const QString account = arguments.first();
    if (!isSendableAccount(account))
        return 2;
    const std::optional<QString> device = deviceIdentifier(options, payOptions.deviceId);
    if (!device)
        return 2;
    const QString deviceId = *device;
    if (!payOptions.receiptFile.isEmpty()) {
        if (const std::optional<QString> trouble = receiptTrouble(payOptions.receiptFile)) {
            CliOutput::error(*trouble);
            return 2;
        }
    }

    CliServices services(options);
    SandboxWallet wallet(&services.network, options.walletUrl(), options.walletAvailability);
    wallet.registerApp(WeChatConfig::appId, u"Morvel"_s);
    // The same check as the pay buttons, before any order exists.
    if (!wallet.isWXAppInstalled()) {
        CliOutput::error(u"你的手机没有安装微信,请下载微信后使用微信支付!"_s);
        return 1;
    }
    if (!wallet.isWXAppSupportApi()) {
        CliOutput::error(u"你的微信不支持微信支付"_s);
        return 1;
    }
    WalletAnswer answer;
    SystemClock clock;
    OrderRequest order;
    QString prepayId;
    Receipt receipt;

    auto fail = [](const QString &message, int status) {
        CliOutput::error(message);
        QCoreApplication::exit(status);
    };
    auto finish = [&](const PayResp &resp) {
        // Only a payment that went through has a receipt; the payment stands even when its
        // receipt cannot be written (status 4).
        const bool wantsReceipt = resp.errCode == 0 && !payOptions.receiptFile.isEmpty();
        const bool receiptWritten = wantsReceipt && writeReceipt(receipt, payOptions.receiptFile);
        if (json) {
            QJsonObject object;
            const QHash<QString, QString> fields = order.fields();
            for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
                object.insert(it.key(), it.value());
            object.insert(u"drives"_s, u"IOS1"_s);
            object.insert(u"prepayId"_s, prepayId);
            object.insert(u"errCode"_s, resp.errCode);
            if (receiptWritten)
                object.insert(u"receipt"_s, payOptions.receiptFile);
            CliOutput::printJson(object);
        } else {
            CliOutput::print(u"wallet: %1 (%2)%3"_s.arg(
                QString::number(resp.errCode), walletResultText(resp.errCode),
                resp.errStr.isEmpty() ? QString() : u" "_s + resp.errStr));
            if (receiptWritten)
                CliOutput::print(u"receipt: "_s + payOptions.receiptFile);
        }
        QCoreApplication::exit(resp.errCode != 0 ? 1 : wantsReceipt && !receiptWritten ? 4 : 0);
    };
    wallet.setUrlOpener([&](const QUrl &url) {
        if (!wallet.handleOpenURL(url, &answer) || !answer.received)
            fail(u"the wallet answered with an unknown URL: "_s + url.toString(), 1);
        else
            finish(*answer.received);
    });

    auto handOff = [&](const ServiceReply &reply) {
        const std::optional<QString> id = OrderCreation::prepayIdOf(reply.replyDocument);
        if (!id) {
            fail(u"the service created no order: "_s +
                     OrderCreation::refusalOf(reply.replyDocument).value_or(u"no reason given"_s),
                 1);
            return;
        }
        prepayId = *id;
        receipt.prepayId = prepayId;
        if (!json)
            CliOutput::print(
                u"order %1: ypay %2 fen, spay %3 fen"_s.arg(prepayId, order.ypay, order.spay));
        PayReq request = PayRequest::build(prepayId, clock.secondsSinceEpoch());
        if (payOptions.tamper)
            request.sign[0] = request.sign[0] == u'0' ? u'1' : u'0';
        if (!wallet.sendReq(request))
            fail(u"the wallet app is missing or cannot pay"_s, 1);
    };
    auto createOrder = [&](const PayModel &model, const std::optional<RedPacketChoice> &packet) {
        order = OrderRequest::make(account, deviceId, model, packet);
        receipt = Receipt::make(model, order, packet);
        receipt.orderTime =
            QDateTime::fromMSecsSinceEpoch(qint64(clock.secondsSinceEpoch() * 1000));
        services.client.call(ServiceOperation::createOrder, order.fields(), &services.network,
                             handOff, [&] { fail(u"no reply to createOrder"_s, 3); });
    };
    auto choosePacket = [&](const PayModel &model) {
        if (payOptions.packetId.isEmpty()) {
            createOrder(model, std::nullopt);
            return;
        }
        services.client.call(
            ServiceOperation::queryHbxx, {{u"useraccount"_s, payOptions.user}}, &services.network,
            [&, model](const ServiceReply &reply) {
                for (const RedPacketRecord &packet : RedPacketReply::records(reply.replyDocument)) {
                    if (packet.hbid != payOptions.packetId)
                        continue;
                    const RedPacketChoice choice{packet.hbid, packet.hbje, packet.hbmc};
                    if (!PaymentRows::accepts(model, choice))
                        fail(u"当前情况不能使用红包"_s, 1);
                    else
                        createOrder(model, choice);
                    return;
                }
                fail(u"%1 holds no red packet %2"_s.arg(payOptions.user, payOptions.packetId), 1);
            },
            [&] { fail(u"no reply to queryHbxx"_s, 3); });
    };
    queryAccount(services, account, choosePacket, [&](const QString &notification) {
        fail(u"the account query ended with "_s + notification, 1);
    });
    return QCoreApplication::exec();
}

} // namespace BillingCommands
