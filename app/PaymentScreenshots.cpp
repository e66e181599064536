#include "Screenshots.h"
#include "account/SignInSession.h"
#include "billing/LPPayViewController.h"
#include "billing/LPWithholdAlertView.h"
#include "redpackets/LPHongBaoView.h"
#include "shell/HomeViewController.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenshotTour.h"

#include <memory>

using namespace Qt::StringLiterals;

// One whole payment against the sandbox: search, a red packet, the bills, the agreement, the
// simulated wallet's answer, and the account looked at again.
void addPaymentScreenshots(ScreenshotTour &tour, QmlNavigator &navigator, SignInSession &session)
{
    const auto payScreen = [&navigator] {
        return qobject_cast<LPPayViewController *>(navigator.stack().value(1));
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
        returnHome(navigator);
        session.signIn(u"13912345678"_s);
        qobject_cast<HomeViewController *>(navigator.stack().value(0))->WaterPayBtnClick();
    });
    tour.add(
        u"pay-result"_s,
        [payScreen] {
            payScreen()->setSeacrBar(u"1000001"_s);
            payScreen()->seacr();
        },
        1500);
    tour.add(
        u"pay-hongbao-sheet"_s, [payScreen] { payScreen()->didSelectRow(6); }, 1500);
    tour.add(
        u"pay-hongbao-chosen"_s,
        [topModal] {
            if (auto *sheet = qobject_cast<LPHongBaoView *>(topModal()))
                sheet->chooseRow(1);
        },
        1000);
    tour.add(
        u"pay-detail"_s, [payScreen] { payScreen()->detail(); }, 1000);
    tour.add(u"pay-agreement"_s, [&navigator, payScreen] {
        navigator.pop(false);
        payScreen()->pay();
    });
    // The order, the wallet's settlement and its answer through the URL opener.
    tour.add(
        u"pay-outcome"_s,
        [topModal] {
            if (auto *agreement = qobject_cast<LPWithholdAlertView *>(topModal()))
                agreement->agreenClick();
        },
        4000);
    tour.add(
        u"pay-after"_s,
        [&navigator, lastAlert] {
            // "确定" on "支付结果": the look again starts; its answer comes later.
            navigator.answerAlert(*lastAlert, 0);
            navigator.closeAlerts();
        },
        2000);
    tour.add(u"pay-owes-nothing"_s, [&navigator] { navigator.closeAlerts(); });
}
