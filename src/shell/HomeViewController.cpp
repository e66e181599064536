#include "HomeViewController.h"

#include "CareMode.h"
#include "KTWheelPhotoView.h"
#include "Navigator.h"
#include "account/SignInSession.h"
#include "account/SignViewController.h"
#include "billing/LPPayViewController.h"
#include "info/AboutUsViewController.h"
#include "info/LPServiceGuideViewController.h"
#include "info/MapPointViewController.h"
#include "info/NoticeListOpening.h"
#include "platform/Reachability.h"
#include "records/LPPayRecordViewController.h"
#include "redpackets/HongBaoViewController.h"

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
{
    if (m_services.careMode)
        connect(m_services.careMode, &CareMode::changed, this,
                &HomeViewController::careModeChanged);
}

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

bool HomeViewController::careMode() const
{
    return m_services.careMode && m_services.careMode->isEnabled();
}

void HomeViewController::setCareMode(bool on)
{
    if (m_services.careMode)
        m_services.careMode->setEnabled(on);
}

void HomeViewController::notificationBtnClick()
{
    openNoticesWhenListed(this, m_services.pageFetcher, m_services.websiteUrl);
}

void HomeViewController::myHongBao()
{
    if (!m_services.account.reachability->isReachable()) {
        navigator()->notice(tr("网络异常!"));
        return;
    }
    const SignInSession *session = m_services.account.session;
    navigator()->push(new HongBaoViewController(navigator(), m_services.account.service,
                                                session ? session->account() : std::nullopt),
                      true);
}

void HomeViewController::changJianWenTi()
{
    navigator()->notice(tr("新功能敬请期待!"));
}

void HomeViewController::WaterPayBtnClick()
{
    navigator()->push(new LPPayViewController(navigator(), m_services), true);
}

void HomeViewController::PayReconderBtnClick()
{
    navigator()->push(new LPPayRecordViewController(navigator(), m_services.account.service,
                                                    m_services.account.settings, m_services.clock,
                                                    m_services.receipts),
                      true);
}

void HomeViewController::webSearchBtnClick()
{
    navigator()->push(new MapPointViewController(navigator(), m_services.tileUrl), true);
}

void HomeViewController::serviceGuaidBtnClick()
{
    navigator()->push(new LPServiceGuideViewController(navigator(), m_services.pageFetcher,
                                                       m_services.websiteUrl, 0),
                      true);
}

void HomeViewController::advertiseBtnClick()
{
    navigator()->push(new LPServiceGuideViewController(navigator(), m_services.pageFetcher,
                                                       m_services.websiteUrl, 1),
                      true);
}

void HomeViewController::aboutMeBtnClick()
{
    navigator()->push(
        new AboutUsViewController(navigator(), m_services.pageFetcher, m_services.websiteUrl),
        true);
}
