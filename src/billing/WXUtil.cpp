#include "WXUtil.h"

#include "common/DataMD5.h"

QString WXUtil::md5(const QString &text)
{
    return DataMD5().md5(text);
}
