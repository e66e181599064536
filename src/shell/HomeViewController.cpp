#include "HomeViewController.h"

#include "KTWheelPhotoView.h"
#include "Navigator.h"
#include "PlaceholderViewController.h"
#include "account/SignViewController.h"
#include "platform/Reachability.h"

using namespace Qt::StringLiterals;

const QStringList HomeViewController::wheelPicturePaths{
    u"/upfile/2015121063404641.jpg"_s,
    u"/upfile/2015121069247801.jpg"_s,
    u"/upfile/2015121461354797.jpg"_s,
};

HomeViewController::HomeViewController(Navigator *navigator, const ScreenServices &services,
                                       QObject *parent)
    : BaseViewController(navigator, parent)
    , m_services(services)
{}

void HomeViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("Tarvo在线缴费"));
    navigator()->present(new SignViewController(navigator(), m_services.account), false);

    QStringList pictures;
    for (const QString &path : wheelPicturePaths)
        pictures.append(m_services.websiteUrl.resolved(QUrl(path)).toString());
    m_wheelPhotoView = new KTWheelPhotoView(wheelHeight, pictures, m_services.imageCache, this);
    emit wheelPhotoViewChanged();
}

void HomeViewController::layoutForScreenHeight(qreal height)
{
    // The smallest phone screens are 480 points high; there the menu moves up a little.
    const int constraint = qFuzzyCompare(height, 480) ? -15 : 0;
    if (constraint == m_heightConstraint)
        return;
    m_heightConstraint = constraint;
    emit heightConstraintChanged();
}

void HomeViewController::openPlaceholder(const QString &title)
{
    navigator()->push(new PlaceholderViewController(navigator(), title), true);
}

void HomeViewController::notificationBtnClick()
{
    openPlaceholder(tr("公告通知"));
}

void HomeViewController::myHongBao()
{
    if (!m_services.account.reachability->isReachable()) {
        navigator()->notice(tr("网络异常!"));
        return;
    }
    openPlaceholder(tr("我的红包"));
}

void HomeViewController::changJianWenTi()
{
    navigator()->notice(tr("新功能敬请期待!"));
}

void HomeViewController::WaterPayBtnClick()
{
    openPlaceholder(tr("水电气缴费"));
}

void HomeViewController::PayReconderBtnClick()
{
    openPlaceholder(tr("缴费记录"));
}

void HomeViewController::webSearchBtnClick()
{
    openPlaceholder(tr("营业网点"));
}

void HomeViewController::serviceGuaidBtnClick()
{
    openPlaceholder(tr("服务指南"));
}

void HomeViewController::advertiseBtnClick()
{
    openPlaceholder(tr("水电气宣传"));
}

void HomeViewController::aboutMeBtnClick()
{
    openPlaceholder(tr("关于我们"));
}
