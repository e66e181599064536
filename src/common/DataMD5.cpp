#include "DataMD5.h"

#include "WeChatConfig.h"

#include <QCryptographicHash>
#include <QMap>

using namespace Qt::StringLiterals;

namespace {

QByteArray digest(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex();
}

} // namespace

QString DataMD5::md5(const QString &text) const
{
    return QString::fromLatin1(digest(text).toUpper());
}

QString DataMD5::accountMd5(const QString &text)
{
    return QString::fromLatin1(digest(text));
}

QString DataMD5::createMD5SingForPay(const QString &appid, const QString &partnerid,
                                     const QString &prepayid, const QString &package,
                                     const QString &noncestr, quint32 timestamp) const
{
    // QMap keeps the names in ascending code order, the order the signature rule asks for;
    // none of these names holds digits, so no numeric comparison is needed.
    // Kept name (wire): see docs/names.md
    const QMap<QString, QString> parameters = {
        {u"appid"_s, appid},       {u"noncestr"_s, noncestr},
        {u"package"_s, package},   {u"partnerid"_s, partnerid},
        {u"prepayid"_s, prepayid}, {u"timestamp"_s, QString::number(timestamp)},
    };
    QString signedText;
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        if (!it.value().isEmpty())
            signedText += it.key() + u'=' + it.value() + u'&';
    }
    signedText += u"key="_s + WeChatConfig::apiKey;
    return md5(signedText);
}
