#include "TourNavigation.h"
#include "TourSteps.h"

#include <QQuickItem>

using namespace Qt::StringLiterals;

namespace {

// The ten newest notices of the website's notice list, newest first.
const QStringList noticeTitles{u"关于城北片区计划停水的通知"_s,
                               u"2016年元旦期间营业厅营业时间调整公告"_s,
                               u"南湖片区10千伏线路检修停电通知"_s,
                               u"关于冬季燃气安全使用的温馨提示"_s,
                               u"手机客户端缴费功能正式上线"_s,
                               u"西山片区天然气管道改造停气通知"_s,
                               u"关于调整居民阶梯水价的公告"_s,
                               u"高新区部分路段供电线路迁改停电公告"_s,
                               u"冬季水表防冻小常识"_s,
                               u"关于开展燃气入户安全检查的通知"_s};

/// A row of a list and a passage its page shows.
struct Page
{
    QString title;
    QString passage;
};

const QList<Page> guidePages{
    {u"用电开户业务办理指南"_s, u"申请低压用电开户"_s},
    {u"自来水开户业务办理指南"_s, u"接入城市供水管网"_s},
    {u"天然气业务办理指南"_s, u"居民新装开户"_s},
};

const QList<Page> publicityPages{
    {u"天然气供暖简介"_s, u"通过壁挂炉或锅炉加热循环水"_s},
    {u"自来水处理工艺"_s, u"混凝、沉淀、过滤、消毒"_s},
    {u"节约用水常识"_s, u"洗菜、淘米的水可以用来浇花"_s},
    {u"安全用气常识"_s, u"使用燃气时人不要远离"_s},
    {u"安全用电常识"_s, u"不用湿手触摸开关"_s},
    {u"节约用电小常识"_s, u"选用一级能效的空调"_s},
    {u"天然气的基本常识及供气方式"_s, u"天然气的主要成分是甲烷"_s},
};

/// The list titled `title` with these rows, slid into place (they arrive one after another).
GuidedTour::Expectation listShows(const QString &title, const QStringList &rows)
{
    return [title, rows](ViewProbe &probe) {
        if (!probe.visibleNamed(u"webPage"_s).isEmpty())
            return u"a page is still shown"_s;
        QStringList missing;
        QList<qreal> lefts;
        for (const QString &row : rows) {
            const QQuickItem *shown = probe.visibleText(row);
            if (shown)
                lefts.append(shown->mapToScene(QPointF()).x());
            else
                missing.append(row);
        }
        if (!missing.isEmpty())
            return u"not shown: "_s + missing.join(u", "_s);
        for (const qreal left : lefts) {
            if (qAbs(left - lefts.constFirst()) > 0.5)
                return u"the rows are still sliding in"_s;
        }
        return GuidedTour::showsTexts({title})(probe);
    };
}

/// The page titled `title` has loaded and shows `passage`.
GuidedTour::Expectation pageShows(const QString &title, const QString &passage)
{
    return [title, passage](ViewProbe &probe) {
        const QList<QQuickItem *> pages = probe.visibleNamed(u"webPage"_s);
        if (pages.isEmpty())
            return u"no page shown"_s;
        const QString text = pages.constLast()->property("shownText").toString();
        if (!text.contains(passage))
            return u"the page does not show \"%1\" (it shows %2 characters)"_s.arg(passage).arg(
                text.size());
        return GuidedTour::showsTexts({title})(probe);
    };
}

/// Opens the list from the home screen, each of its pages in turn, and goes back home.
void addPagesOfList(GuidedTour &tour, const QString &name, const QString &title,
                    const QList<Page> &pages)
{
    QStringList rows;
    for (const Page &page : pages)
        rows.append(page.title);
    tour.add(
        name, [title](ViewProbe &probe) { return probe.tapText(title); }, listShows(title, rows));
    for (qsizetype row = 0; row < pages.size(); ++row) {
        const Page &page = pages.at(row);
        const QString step = u"%1-%2"_s.arg(name).arg(row + 1);
        tour.add(
            step, [page](ViewProbe &probe) { return probe.tapText(page.title); },
            pageShows(page.title, page.passage));
        tour.add(step + u"-back"_s, TourNavigation::tapBack, listShows(title, rows));
    }
    tour.add(name + u"-home"_s, TourNavigation::tapBack, TourNavigation::home);
}

} // namespace

void addInformationTourSteps(GuidedTour &tour, const TourContext &)
{
    tour.add(
        u"notices"_s, [](ViewProbe &probe) { return probe.tapText(u"公告通知"_s); },
        listShows(u"通知公告"_s, noticeTitles));
    tour.add(
        u"notice-page"_s, [](ViewProbe &probe) { return probe.tapText(noticeTitles.constFirst()); },
        pageShows(noticeTitles.constFirst(), u"城北加压泵站进行设备检修"_s));
    tour.add(u"notice-back"_s, TourNavigation::tapBack, listShows(u"通知公告"_s, noticeTitles));
    tour.add(u"notices-home"_s, TourNavigation::tapBack, TourNavigation::home);

    addPagesOfList(tour, u"guide"_s, u"服务指南"_s, guidePages);
    addPagesOfList(tour, u"publicity"_s, u"水电气宣传"_s, publicityPages);

    tour.add(
        u"about"_s, [](ViewProbe &probe) { return probe.tapText(u"关于我们"_s); },
        pageShows(u"关于我们"_s, u"塔沃公用事业有限公司成立于1998年"_s));
    tour.add(u"about-home"_s, TourNavigation::tapBack, TourNavigation::home);
}
