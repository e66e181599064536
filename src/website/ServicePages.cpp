#include "ServicePages.h"

using namespace Qt::StringLiterals;

namespace ServicePages {

const QList<Page> &guide()
{
    static const QList<Page> pages{
        {u"用电开户业务办理指南"_s, u"/reds/main.asp?bid=9&cid=12&sid=73"_s},
        {u"自来水开户业务办理指南"_s, u"/reds/about.asp?bid=9&cid=12&sid=74"_s},
        {u"天然气业务办理指南"_s, u"/reds/about.asp?bid=9&cid=12&sid=72"_s},
    };
    return pages;
}

const QList<Page> &publicity()
{
    static const QList<Page> pages{
        {u"天然气供暖简介"_s, u"/reds/service_detail.asp?types=news&id=2337&bid=28"_s},
        {u"自来水处理工艺"_s, u"/reds/service_detail.asp?types=news&id=2070&bid=28"_s},
        {u"节约用水常识"_s, u"/reds/service_detail.asp?types=news&id=2069&bid=28"_s},
        {u"安全用气常识"_s, u"/reds/service_detail.asp?types=news&id=2068&bid=28"_s},
        {u"安全用电常识"_s, u"/reds/service_detail.asp?types=news&id=2059&bid=28"_s},
        {u"节约用电小常识"_s, u"/reds/service_detail.asp?types=news&id=2058&bid=28"_s},
        {u"天然气的基本常识及供气方式"_s, u"/reds/service_detail.asp?types=news&id=2067&bid=28"_s},
    };
    return pages;
}

QStringList titles(const QList<Page> &pages)
{
    QStringList result;
    for (const Page &page : pages)
        result.append(page.title);
    return result;
}

} // namespace ServicePages
