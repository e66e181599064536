#include "TourNavigation.h"
#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QList>
#include <QQuickItem>
#include <QSet>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString account = u"1000001"_s;

struct Bill
{
    QString month;
    QString kind;
    qint64 fen;
};

// Account 1000001's unpaid bills as the sandbox seeds them, in the order it lists them: each
// month's usage at 3.45 yuan per m³ of water, 0.58 per kWh and 3.10 per m³ of gas.
const QList<Bill> bills{
    {u"202501"_s, u"水费"_s, 18 * 345}, {u"202501"_s, u"电费"_s, 286 * 58},
    {u"202501"_s, u"气费"_s, 32 * 310}, {u"202502"_s, u"水费"_s, 15 * 345},
    {u"202502"_s, u"电费"_s, 251 * 58}, {u"202502"_s, u"气费"_s, 29 * 310},
    {u"202503"_s, u"水费"_s, 17 * 345}, {u"202503"_s, u"电费"_s, 213 * 58},
    {u"202503"_s, u"气费"_s, 22 * 310},
};
const QString smallPacket = u"缴费立减红包"_s;
constexpr qint64 smallPacketFen = 500;
const QString largePacket = u"周年庆红包"_s;
constexpr qint64 largePacketFen = 1000;

QString yuan(qint64 fen)
{
    return u"%1.%2"_s.arg(fen / 100).arg(fen % 100, 2, 10, QChar(u'0'));
}

qint64 owed(const QString &kind = {})
{
    qint64 sum = 0;
    for (const Bill &bill : bills) {
        if (kind.isEmpty() || bill.kind == kind)
            sum += bill.fen;
    }
    return sum;
}

using Rows = QList<std::pair<QString, QString>>;

/// The eight result rows, title and value, for the seeded account.
Rows resultRows(const QString &redPacket, const QString &amountDue)
{
    return {{u"用户名称:"_s, u"王建国"_s},
            // 青禾市东城区梧桐路18号3栋2单元501室, masked.
            {u"用户地址:"_s, u"青禾市*01室"_s},
            {u"水费:"_s, yuan(owed(u"水费"_s)) + u"元"_s},
            {u"电费:"_s, yuan(owed(u"电费"_s)) + u"元"_s},
            {u"气费:"_s, yuan(owed(u"气费"_s)) + u"元"_s},
            {u"违约金合计:"_s, u"0.00元"_s},
            {u"红包信息:"_s, redPacket},
            {u"应缴金额:"_s, amountDue}};
}

/// Items on screen with this object name, top to bottom.
QList<QQuickItem *> fromTop(ViewProbe &probe, const QString &objectName)
{
    QList<QQuickItem *> items = probe.visibleNamed(objectName);
    std::sort(items.begin(), items.end(), [](const QQuickItem *a, const QQuickItem *b) {
        return ViewProbe::centre(a).y() < ViewProbe::centre(b).y();
    });
    return items;
}

QString textOf(const QQuickItem *item)
{
    return item ? item->property("text").toString() : QString();
}

/// What the payment screen's rows show, each title with the value beside it.
Rows rowsShown(ViewProbe &probe)
{
    Rows shown;
    for (const QQuickItem *title : fromTop(probe, u"nameLable"_s))
        shown.append({textOf(title), textOf(ViewProbe::besideNamed(title, u"contentlable"_s))});
    return shown;
}

QString describe(const Rows &rows)
{
    QStringList texts;
    for (const auto &[title, value] : rows)
        texts.append(title + value);
    return texts.join(u", "_s);
}

GuidedTour::Expectation showsRows(const Rows &expected)
{
    return [expected](ViewProbe &probe) {
        const Rows shown = rowsShown(probe);
        return shown == expected
                   ? QString()
                   : u"rows [%1], expected [%2]"_s.arg(describe(shown), describe(expected));
    };
}

/// The bills on the detail screen: "month kind amount", top to bottom.
QStringList billsShown(ViewProbe &probe)
{
    QStringList shown;
    for (const QQuickItem *month : fromTop(probe, u"dateLable"_s)) {
        shown.append(textOf(month) + u' ' + textOf(ViewProbe::besideNamed(month, u"typeLable"_s)) +
                     u' ' + textOf(ViewProbe::besideNamed(month, u"amountLable"_s)));
    }
    return shown;
}

QStringList billTexts()
{
    QStringList texts;
    for (const Bill &bill : bills)
        texts.append(bill.month + u' ' + bill.kind + u' ' + yuan(bill.fen));
    return texts;
}

/// Records the bills on screen into `seen`; complains about any the account does not owe.
QString noteBills(ViewProbe &probe, QSet<QString> &seen)
{
    const QStringList expected = billTexts();
    for (const QString &bill : billsShown(probe)) {
        if (!expected.contains(bill))
            return u"unexpected bill: "_s + bill;
        seen.insert(bill);
    }
    return {};
}

/// Both `first` and `then` must hold.
GuidedTour::Expectation both(GuidedTour::Expectation first, GuidedTour::Expectation then)
{
    return [first, then](ViewProbe &probe) {
        const QString missing = first(probe);
        return missing.isEmpty() ? then(probe) : missing;
    };
}

void addSearchSteps(GuidedTour &tour)
{
    tour.add(
        u"pay-empty"_s, [](ViewProbe &probe) { return probe.tapText(u"水电气缴费"_s); },
        both(GuidedTour::showsTexts({u"请输入你要查询的户号"_s, u"暂无数据!"_s}),
             GuidedTour::lacksTexts({u"缴费记录"_s, u"缴   费"_s, u"查看明细"_s, u"应缴金额:"_s})));
    tour.add(
        u"pay-result"_s,
        [](ViewProbe &probe) {
            return probe.typeInto(u"请输入你要查询的户号"_s, account) &&
                   probe.tap(probe.visibleNamed(u"seacrBtn"_s).value(0));
        },
        both(showsRows(resultRows(u"不使用红包"_s, yuan(owed()) + u"元"_s)),
             both(GuidedTour::showsTexts({u"缴   费"_s, u"查看明细"_s}),
                  GuidedTour::lacksTexts({u"暂无数据!"_s}))));
}

// The account searched is saved as "家"; later another account is typed, and one tap on the
// saved one searches it again.
void addSavedAccountSteps(GuidedTour &tour)
{
    tour.add(
        u"pay-save-account"_s,
        [](ViewProbe &probe) {
            return probe.tap(probe.visibleNamed(u"saveAccountChip"_s).value(0));
        },
        GuidedTour::showsTexts({u"保存为常用户号"_s, u"户号："_s + account, u"保存"_s}));
    tour.add(
        u"pay-saved-account"_s,
        [](ViewProbe &probe) {
            probe.typeText(u"家"_s);
            return probe.tapText(u"保存"_s);
        },
        both(both(GuidedTour::showsTexts({u"家"_s, account}),
                  GuidedTour::lacksTexts({u"保存为常用户号"_s, u"＋ 保存此户号"_s})),
             showsRows(resultRows(u"不使用红包"_s, yuan(owed()) + u"元"_s))));
    tour.add(
        u"pay-pick-saved-account"_s,
        [](ViewProbe &probe) {
            // Another account typed but not searched; the saved one is a tap away.
            const QList<QQuickItem *> field = probe.visibleNamed(u"seacrBar"_s);
            auto *input = field.isEmpty()
                              ? nullptr
                              : field.constFirst()->property("input").value<QQuickItem *>();
            if (!probe.tap(input))
                return false;
            QMetaObject::invokeMethod(input, "selectAll");
            probe.typeText(u"1000002"_s);
            return textOf(input) == u"1000002"_s && probe.tapText(u"家"_s);
        },
        [](ViewProbe &probe) {
            const QList<QQuickItem *> field = probe.visibleNamed(u"seacrBar"_s);
            if (field.isEmpty() || textOf(field.constFirst()) != account)
                return u"the field does not hold the saved account"_s;
            return showsRows(resultRows(u"不使用红包"_s, yuan(owed()) + u"元"_s))(probe);
        });
}

void addRedPacketSteps(GuidedTour &tour)
{
    tour.add(
        u"pay-hongbao-sheet"_s, [](ViewProbe &probe) { return probe.tapText(u"不使用红包"_s); },
        [](ViewProbe &probe) {
            const QList<QQuickItem *> card = probe.visibleNamed(u"hongBaoCard"_s);
            if (card.isEmpty() || !probe.visibleText(u"红包信息"_s))
                return u"no red packet sheet"_s;
            // Taps land where the rows are only once the card has sprung open.
            if (card.constFirst()->scale() != 1.0)
                return u"the sheet is still opening"_s;
            QStringList titles;
            for (const QQuickItem *title : fromTop(probe, u"hongBaoRowTitle"_s))
                titles.append(textOf(title));
            // The service lists the packets in no fixed order; "不使用红包" always comes first.
            const QStringList packets{
                u"%1   %2元"_s.arg(smallPacket, yuan(smallPacketFen)),
                u"%1   %2元"_s.arg(largePacket, yuan(largePacketFen)),
            };
            if (titles.size() != 3 || titles.value(0) != u"不使用红包"_s ||
                !titles.contains(packets.at(0)) || !titles.contains(packets.at(1)))
                return u"sheet rows: "_s + titles.join(u", "_s);
            // Nothing chosen yet: the mark is on "不使用红包".
            const QList<QQuickItem *> marks = probe.visibleNamed(u"tipBtn"_s);
            if (marks.size() != 1 ||
                textOf(ViewProbe::besideNamed(marks.constFirst(), u"hongBaoRowTitle"_s)) !=
                    u"不使用红包"_s)
                return u"the mark is not on 不使用红包 alone"_s;
            return QString();
        });
    tour.add(
        u"pay-hongbao-chosen"_s,
        [](ViewProbe &probe) {
            return probe.tapText(u"%1   %2元"_s.arg(smallPacket, yuan(smallPacketFen)));
        },
        both(
            [](ViewProbe &probe) {
                return probe.visibleNamed(u"hongBaoCard"_s).isEmpty()
                           ? QString()
                           : u"the sheet is still open"_s;
            },
            showsRows(resultRows(u"%1  %2元"_s.arg(smallPacket, yuan(smallPacketFen)),
                                 yuan(owed() - smallPacketFen)))));
}

void addDetailSteps(GuidedTour &tour)
{
    // The list is longer than the screen: the bills seen before and after scrolling add up.
    auto seen = std::make_shared<QSet<QString>>();
    tour.add(
        u"pay-detail"_s, [](ViewProbe &probe) { return probe.tapText(u"查看明细"_s); },
        both(
            both(GuidedTour::showsTexts({u"欠费明细"_s}), GuidedTour::lacksTexts({u"应缴金额:"_s})),
            [seen](ViewProbe &probe) {
                const QString wrong = noteBills(probe, *seen);
                if (!wrong.isEmpty())
                    return wrong;
                return seen->contains(billTexts().constFirst()) ? QString()
                                                                : u"the first bill is not shown"_s;
            }));
    tour.add(
        u"pay-detail-scrolled"_s,
        [](ViewProbe &probe) {
            const QList<QQuickItem *> rows = fromTop(probe, u"dateLable"_s);
            return !rows.isEmpty() && probe.turnWheel(rows.constLast()->parentItem(), -8);
        },
        both(GuidedTour::showsTexts({u"缴费"_s}), [seen](ViewProbe &probe) {
            const QString wrong = noteBills(probe, *seen);
            if (!wrong.isEmpty())
                return wrong;
            const qsizetype missing = bills.size() - seen->size();
            return missing == 0 ? QString() : u"%1 bills never shown"_s.arg(missing);
        }));
    tour.add(u"pay-detail-back"_s, TourNavigation::tapBack,
             both(GuidedTour::lacksTexts({u"欠费明细"_s}),
                  showsRows(resultRows(u"%1  %2元"_s.arg(smallPacket, yuan(smallPacketFen)),
                                       yuan(owed() - smallPacketFen)))));
}

void addPaySteps(GuidedTour &tour)
{
    tour.add(
        u"pay-agreement"_s, [](ViewProbe &probe) { return probe.tapText(u"缴   费"_s); },
        both(GuidedTour::showsTexts({u"不同意"_s, u"同意并缴费"_s}), [](ViewProbe &probe) {
            // The agreement is longer than its scrolling view: its beginning shows.
            const QList<QQuickItem *> scroller = probe.visibleNamed(u"protocolScroller"_s);
            const QQuickItem *text =
                scroller.isEmpty()
                    ? nullptr
                    : scroller.constFirst()->findChild<QQuickItem *>(u"myTextView"_s);
            return ViewProbe::shown(text) && textOf(text).startsWith(u"《代扣服务协议》"_s)
                       ? QString()
                       : u"no agreement shown"_s;
        }));
    // Accepting creates the order; the wallet settles it and sends the app its answer.
    tour.add(
        u"pay-outcome"_s, [](ViewProbe &probe) { return probe.tapText(u"同意并缴费"_s); },
        both(GuidedTour::showsTexts({u"支付结果"_s, u"支付成功!"_s, u"确定"_s, u"查看凭证"_s}),
             GuidedTour::lacksTexts({u"同意并缴费"_s, u"正在创建订单"_s})),
        10000);
    // The receipt kept for the payment: the bills, the packet and what was paid.
    tour.add(
        u"pay-receipt"_s, [](ViewProbe &probe) { return probe.tapText(u"查看凭证"_s); },
        both(GuidedTour::showsTexts(
                 {u"电子凭证"_s, u"电子缴费凭证"_s, account, u"王*国"_s, u"青禾市*01室"_s,
                  bills.constFirst().month, yuan(bills.constFirst().fen), u"应缴金额"_s,
                  yuan(owed()) + u"元"_s, u"%1  -%2元"_s.arg(smallPacket, yuan(smallPacketFen)),
                  u"实付金额"_s, yuan(owed() - smallPacketFen) + u"元"_s}),
             GuidedTour::lacksTexts({u"支付结果"_s, u"王建国"_s})));
    // Back from the receipt the customer sees the account again: it owes nothing now.
    tour.add(u"pay-owes-nothing"_s, TourNavigation::tapBack,
             both(GuidedTour::showsTexts({u"用户欠费数据为0!"_s, u"该用户欠费为0!"_s, account}),
                  GuidedTour::lacksTexts({u"支付结果"_s, u"应缴金额:"_s, u"缴   费"_s})));
    tour.add(
        u"pay-notice-closed"_s, [](ViewProbe &probe) { return probe.tapText(u"确定"_s); },
        both(GuidedTour::showsTexts({u"用户欠费数据为0!"_s}),
             GuidedTour::lacksTexts({u"该用户欠费为0!"_s})));
    tour.add(u"pay-back-home"_s, TourNavigation::tapBack, TourNavigation::home);
}

} // namespace

void addPaymentTourSteps(GuidedTour &tour, const TourContext &)
{
    addSearchSteps(tour);
    addSavedAccountSteps(tour);
    addRedPacketSteps(tour);
    addDetailSteps(tour);
    addPaySteps(tour);
}
