#include "Screenshots.h"
#include "account/SignInSession.h"
#include "billing/LPPayViewController.h"
#include "billing/LPWithholdAlertView.h"
#include "billing/SavedAccountSheet.h"
#include "driver/ScreenshotTour.h"
#include "redpackets/LPHongBaoView.h"
#include "shell/HomeViewController.h"
#include "shell/QmlNavigator.h"

#include <QCoreApplication>
#include <memory>

using namespace Qt::StringLiterals;

// One whole payment against the sandbox: search, a red packet, the bills, the agreement, the
// simulated wallet's answer, and the account looked at again.
void addPaymentScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session)
{
    using Payment = LPPayViewController;
    const auto payScreen = [&navigator] {
        return navigator.stack().value(1);
    };
    const auto topModal = [&navigator] {
        return navigator.modals().value(0);
    };
    // The tour presses alert buttons itself, so it keeps the id of the newest alert.
    auto lastAlert = std::make_shared<int>(0);
    QObject::connect(&navigator, &QmlNavigator::alertRequested, &navigator,
                     [lastAlert](int alertId) { *lastAlert = alertId; });

    // The tour skips the sign-in exchange; the packets belong to the seeded user.
    tour.add(u"pay"_s, [&navigator, &session] {
        session.signIn(u"13912345678"_s);
        return fromHome(navigator, &HomeViewController::WaterPayBtnClick);
    });
    tour.add(
        u"pay-result"_s,
        [payScreen] {
            return on<Payment>(payScreen(), [](Payment *payment) {
                payment->setSeacrBar(u"1000001"_s);
                payment->seacr();
            });
        },
        1500);
    tour.add(u"pay-save-account"_s, [payScreen] {
        return on<Payment>(payScreen(), [](Payment *payment) { payment->saveResult(); });
    });
    tour.add(u"pay-saved-account"_s, [topModal] {
        return on<SavedAccountSheet>(topModal(), [](SavedAccountSheet *sheet) {
            sheet->setLabel(QCoreApplication::translate("Screenshots", "家"));
            sheet->save();
        });
    });
    tour.add(
        u"pay-hongbao-sheet"_s,
        [payScreen] {
            return on<Payment>(payScreen(), [](Payment *payment) { payment->didSelectRow(6); });
        },
        1500);
    tour.add(
        u"pay-hongbao-chosen"_s,
        [topModal] {
            return on<LPHongBaoView>(topModal(), [](LPHongBaoView *sheet) { sheet->chooseRow(1); });
        },
        1000);
    tour.add(
        u"pay-detail"_s,
        [payScreen] {
            return on<Payment>(payScreen(), [](Payment *payment) { payment->detail(); });
        },
        1000);
    tour.add(u"pay-agreement"_s, [&navigator, payScreen] {
        navigator.pop(false);
        return on<Payment>(payScreen(), [](Payment *payment) { payment->pay(); });
    });
    // The order, the wallet's settlement and its answer through the URL opener.
    tour.add(
        u"pay-outcome"_s,
        [topModal] {
            return on<LPWithholdAlertView>(
                topModal(), [](LPWithholdAlertView *agreement) { agreement->agreenClick(); });
        },
        4000);
    tour.add(
        u"pay-after"_s,
        [&navigator, lastAlert] {
            // "确定" on "支付结果": the look again starts; its answer comes later.
            navigator.answerAlert(*lastAlert, 0);
            navigator.closeAlerts();
            return true;
        },
        2000);
    tour.add(u"pay-owes-nothing"_s, [&navigator] {
        navigator.closeAlerts();
        return true;
    });
}
