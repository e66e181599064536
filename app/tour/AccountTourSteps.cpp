#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

const QStringList homeMenu{u"水电气缴费"_s, u"缴费记录"_s, u"我的红包"_s,
                           u"公告通知"_s,   u"服务指南"_s, u"营业网点"_s};

} // namespace

void addAccountTourSteps(GuidedTour &tour, const TourContext &)
{
    tour.add(u"sign-in"_s, {},
             GuidedTour::showsTexts({u"用户登录"_s, u"记住密码"_s, u"登 录"_s, u"注册新用户"_s}));
    tour.add(
        u"registration"_s, [](ViewProbe &probe) { return probe.tapText(u"注册新用户"_s); },
        GuidedTour::showsTexts({u"用户注册"_s, u"已有账号？返回登录"_s}));

    // A number nobody has: the tour runs from a fresh profile, so this device may register.
    const QString newNumber =
        u"137%1"_s.arg(QRandomGenerator::global()->bounded(100000000), 8, 10, QChar(u'0'));
    tour.add(
        u"registered"_s,
        [newNumber](ViewProbe &probe) {
            return probe.typeInto(u"请输入手机号码"_s, newNumber) &&
                   probe.typeInto(u"请设置密码"_s, u"654321"_s) && probe.tapText(u"注 册"_s);
        },
        [](ViewProbe &probe) {
            return probe.visibleTextContaining(u"注册成功"_s) ? QString()
                                                              : u"no registration success"_s;
        });
    tour.add(
        u"back-to-sign-in"_s, [](ViewProbe &probe) { return probe.tapText(u"登录"_s); },
        [](ViewProbe &probe) {
            const QString shown = GuidedTour::showsTexts({u"用户登录"_s})(probe);
            return shown.isEmpty() ? GuidedTour::lacksTexts({u"用户注册"_s})(probe) : shown;
        });
    tour.add(
        u"signed-in"_s,
        [](ViewProbe &probe) {
            return probe.typeInto(u"请输入手机号码"_s, u"13912345678"_s) &&
                   probe.typeInto(u"请输入密码"_s, u"123456"_s) && probe.tapText(u"登 录"_s);
        },
        [](ViewProbe &probe) {
            const QString shown = GuidedTour::showsTexts(homeMenu)(probe);
            return shown.isEmpty() ? GuidedTour::lacksTexts({u"用户登录"_s})(probe) : shown;
        });
}
