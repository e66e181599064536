#include "LPPayViewController.h"

#include "ArrearsReply.h"
#include "BillingLog.h"
#include "LPPayDeatilViewController.h"
#include "LPPayInfoTool.h"
#include "PayAction.h"
#include "PaymentRows.h"
#include "SavedAccountSheet.h"
#include "SavedAccounts.h"
#include "account/SignInSession.h"
#include "platform/NotificationCenter.h"
#include "platform/Reachability.h"
#include "platform/SettingsStore.h"
#include "redpackets/LPGetHongBaoTool.h"
#include "redpackets/LPHongBaoView.h"
#include "service/Envelope.h"
#include "shell/KTLoadingView.h"
#include "shell/Navigator.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString userNumberKey = u"userNumber"_s;

struct Refusal
{
    QString alert;
    QString tip;
};

std::optional<Refusal> refusalOf(const QString &notification)
{
    if (notification == ArrearsReply::noSuchUser)
        return Refusal{LPPayViewController::tr("Tarvo无此用户，请检查输入用户号是否正确!"),
                       LPPayViewController::tr("Tarvo无此用户，请检查输入用户号是否正确!")};
    if (notification == ArrearsReply::noArrears)
        return Refusal{LPPayViewController::tr("该用户欠费为0!"),
                       LPPayViewController::tr("用户欠费数据为0!")};
    if (notification == ArrearsReply::noInformation)
        return Refusal{LPPayViewController::tr("Tarvo无欠费信息!"),
                       LPPayViewController::tr("Tarvo无欠费信息!")};
    if (notification == ArrearsReply::noData)
        return Refusal{LPPayViewController::tr("网络状况不好，请重新搜索"),
                       LPPayViewController::tr("网络状况不好！")};
    return std::nullopt;
}

} // namespace

LPPayViewController::LPPayViewController(Navigator *navigator, const ScreenServices &services,
                                         QObject *parent)
    : BaseViewController(navigator, parent)
    , m_services(services)
    , m_payAction(new PayAction(navigator, services, this))
    , m_tipLableText(tr("暂无数据!"))
{
    connect(m_payAction, &PayAction::paid, this, &LPPayViewController::didPay);
    if (services.notifications)
        connect(services.notifications, &NotificationCenter::posted, this,
                &LPPayViewController::didRefuse);
}

void LPPayViewController::setSeacrBar(const QString &text)
{
    if (m_seacrBar == text)
        return;
    m_seacrBar = text;
    emit seacrBarChanged();
}

QStringList LPPayViewController::infoA() const
{
    return PaymentRows::titles();
}

void LPPayViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("水电气缴费"));
    setIsShowWhiteBack(true);
    setSeacrBar(m_services.account.settings->string(userNumberKey));
}

void LPPayViewController::seacr()
{
    // Said here rather than as a failed exchange: the customer can correct the field.
    if (!Envelope::canCarry(m_seacrBar)) {
        qCInfo(lcBilling) << "account number with control characters not searched";
        navigator()->notice(PayAction::unreadableAccount());
        return;
    }
    m_services.account.settings->setValue(userNumberKey, m_seacrBar);
    SavedAccounts(m_services.account.settings).use(m_seacrBar);
    emit savedAccountsChanged();
    // The cover of a running indicator keeps the button from being tapped twice; a search
    // started from code still leaves only one indicator running.
    endLoading();
    auto *loading = new KTLoadingView(this);
    loading->startAnimation();
    loading->setType(0);
    m_loadingView = loading;
    QPointer<KTLoadingView> thisSearch(loading);
    const QString account = m_seacrBar;
    new LPPayInfoTool(
        m_services.account.service, m_services.notifications, account,
        [this, account, thisSearch](const PayModel &model) {
            didReceiveResult(model, account, thisSearch);
        },
        this);
}

void LPPayViewController::didReceiveResult(const PayModel &model, const QString &account,
                                           KTLoadingView *loading)
{
    qCInfo(lcBilling) << "arrears result with" << model.queryList.size() << "bills";
    clearRedPacket();
    m_resultAccount = account;
    showRows(model, true);
    emit savedAccountsChanged();
    if (loading) {
        loading->endAnimation();
        loading->deleteLater();
    }
    setTipLable(false, m_tipLableText);
    offerToSave();
}

void LPPayViewController::didRefuse(const QString &notification)
{
    const std::optional<Refusal> refusal = refusalOf(notification);
    if (!refusal)
        return;
    endLoading();
    // The earlier result goes: its pay button would otherwise pay an account the field no
    // longer names, or one that owes nothing any more.
    clearRedPacket();
    showRows({}, false);
    emit savedAccountsChanged();
    QPointer<LPPayViewController> self(this);
    navigator()->notice(refusal->alert, [self] {
        if (self)
            self->offerToSave();
    });
    setTipLable(true, refusal->tip);
}

void LPPayViewController::didSelectRow(int row)
{
    if (row == PaymentRows::redPacket && m_showsResult && m_mainTableViewEnabled)
        chooseRedPacket();
}

void LPPayViewController::chooseRedPacket()
{
    if (!m_services.account.reachability->isReachable()) {
        navigator()->notice(tr("网络异常!"));
        return;
    }
    const std::optional<QString> account = m_services.account.session->account();
    if (!account) {
        navigator()->notice(tr("请先登录后再使用红包"));
        return;
    }
    setMainTableViewEnabled(false);
    QPointer<LPHongBaoView> sheet = new LPHongBaoView(
        navigator(), m_hbid, [this](const QStringList &choice) { didChooseRedPacket(choice); },
        this);
    auto *tool = new LPGetHongBaoTool(
        m_services.account.service, navigator(), *account,
        [this, sheet](const QList<RedPacketRecord> &packets) {
            setMainTableViewEnabled(true);
            if (!sheet)
                return;
            sheet->setDataSource(packets);
            sheet->show();
        },
        this);
    // A query that delivers nothing opens the list again too; its sheet, never shown, goes.
    connect(tool, &QObject::destroyed, this, [this, sheet] {
        setMainTableViewEnabled(true);
        if (sheet && sheet->parent() == this)
            delete sheet.data();
    });
}

void LPPayViewController::didChooseRedPacket(const QStringList &choice)
{
    if (choice.isEmpty()) {
        clearRedPacket();
        showRows(m_model, m_showsResult);
        return;
    }
    if (choice.size() != 3)
        return;
    const RedPacketChoice packet{choice.at(0), choice.at(1), choice.at(2)};
    if (!PaymentRows::accepts(m_model, packet)) {
        showAndriodAlertWithMessage(tr("当前情况不能使用红包"), 1.5);
        return;
    }
    m_hongbaoArray = choice;
    m_hbid = packet.hbid;
    showRows(m_model, m_showsResult);
}

void LPPayViewController::clearRedPacket()
{
    m_hongbaoArray.clear();
    m_hbid.clear();
}

std::optional<RedPacketChoice> LPPayViewController::redPacketChoice() const
{
    if (m_hongbaoArray.size() != 3)
        return std::nullopt;
    return RedPacketChoice{m_hongbaoArray.at(0), m_hongbaoArray.at(1), m_hongbaoArray.at(2)};
}

void LPPayViewController::pay()
{
    if (!fieldNamesResult())
        return;
    // Made when the agreement is accepted: the account and the bills of the result on screen
    // then, which a search in between replaces together.
    m_payAction->pay([this] {
        return PayAction::Payment::of(m_resultAccount,
                                      m_services.account.settings->string(u"UUID"_s), m_model,
                                      redPacketChoice());
    });
}

void LPPayViewController::detail()
{
    if (!fieldNamesResult())
        return;
    auto *screen = new LPPayDeatilViewController(navigator(), m_services, m_model.queryList,
                                                 m_model, m_resultAccount);
    // A payment made there is looked at again here once the customer comes back.
    connect(screen, &LPPayDeatilViewController::paid, this, &LPPayViewController::didPay);
    navigator()->push(screen, true);
}

bool LPPayViewController::fieldNamesResult()
{
    if (m_seacrBar == m_resultAccount)
        return true;
    // The bills on screen belong to the account searched, not to the one the field names now:
    // paying them, or the field's account with them, would pay for the wrong account.
    qCInfo(lcBilling) << "account field edited since the search; searching again";
    navigator()->notice(tr("户号已修改，已为您重新查询，请核对后再缴费"));
    seacr();
    return false;
}

void LPPayViewController::lookAgain(const QString &account)
{
    // After a payment the customer sees what the account still owes.
    setSeacrBar(account);
    seacr();
}

void LPPayViewController::didPay(const QString &account)
{
    SavedAccounts saved(m_services.account.settings);
    saved.use(account);
    // Offered after what the look again shows (often "该用户欠费为0!"), not stacked under it.
    if (!saved.find(account) && !SavedAccounts::accountRefusal(account))
        m_offerAccount = account;
    lookAgain(account);
}

void LPPayViewController::offerToSave()
{
    const std::optional<QString> account = std::exchange(m_offerAccount, std::nullopt);
    if (!account || SavedAccounts(m_services.account.settings).find(*account))
        return;
    QPointer<LPPayViewController> self(this);
    navigator()->alert(tr("保存常用户号"),
                       tr("是否将户号%1保存为常用户号？下次缴费时点一下即可查询。").arg(*account),
                       {{tr("暂不保存"), {}}, {tr("保存"), [self, account] {
                                                   if (self)
                                                       self->openSavedAccountSheet(*account);
                                               }}});
}

QVariantList LPPayViewController::savedAccounts() const
{
    QVariantList accounts;
    for (const SavedAccount &saved : SavedAccounts(m_services.account.settings).list())
        accounts.append(QVariantMap{{u"account"_s, saved.account}, {u"label"_s, saved.label}});
    return accounts;
}

bool LPPayViewController::canSaveResult() const
{
    return m_showsResult && !SavedAccounts::accountRefusal(m_resultAccount) &&
           !SavedAccounts(m_services.account.settings).find(m_resultAccount);
}

void LPPayViewController::searchSaved(const QString &account)
{
    setSeacrBar(account);
    seacr();
}

void LPPayViewController::saveResult()
{
    if (m_showsResult)
        openSavedAccountSheet(m_resultAccount);
}

void LPPayViewController::editSaved(const QString &account)
{
    if (SavedAccounts(m_services.account.settings).find(account))
        openSavedAccountSheet(account);
}

void LPPayViewController::openSavedAccountSheet(const QString &account)
{
    QPointer<LPPayViewController> self(this);
    auto *sheet = new SavedAccountSheet(navigator(), m_services.account.settings, account, [self] {
        if (self)
            emit self->savedAccountsChanged();
    });
    sheet->show();
}

void LPPayViewController::viewWillDisappear()
{
    endLoading();
    setTipLable(false, m_tipLableText);
}

void LPPayViewController::showRows(const PayModel &model, bool showsResult)
{
    m_model = model;
    m_infoB = showsResult ? PaymentRows::values(model, redPacketChoice()) : QStringList();
    m_showsResult = showsResult;
    emit rowsChanged();
}

void LPPayViewController::setMainTableViewEnabled(bool enabled)
{
    if (m_mainTableViewEnabled == enabled)
        return;
    m_mainTableViewEnabled = enabled;
    emit mainTableViewEnabledChanged();
}

void LPPayViewController::setTipLable(bool visible, const QString &text)
{
    if (m_tipLableVisible == visible && m_tipLableText == text)
        return;
    m_tipLableVisible = visible;
    m_tipLableText = text;
    emit tipLableChanged();
}

void LPPayViewController::endLoading()
{
    if (!m_loadingView)
        return;
    m_loadingView->endAnimation();
    m_loadingView->deleteLater();
    m_loadingView = nullptr;
}
