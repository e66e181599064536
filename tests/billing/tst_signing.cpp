#include "billing/PayRequest.h"
#include "billing/WXUtil.h"
#include "common/DataMD5.h"

#include <QCryptographicHash>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString upperMd5(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().toUpper());
}

const QString key = u"key=3f9a1c07d2b84e6f5a0c9e1b7d3f2a64"_s;

} // namespace

class TestSigning : public QObject
{
    Q_OBJECT

private slots:
    void digests()
    {
        // RFC 1321's own example, in both cases.
        QCOMPARE(DataMD5::accountMd5(u"abc"_s), u"900150983cd24fb0d6963f7d28e17f72"_s);
        QCOMPARE(DataMD5().md5(u"abc"_s), u"900150983CD24FB0D6963F7D28E17F72"_s);
        QCOMPARE(WXUtil::md5(u"abc"_s), DataMD5().md5(u"abc"_s));
        QCOMPARE(DataMD5::accountMd5(u"123456"_s), u"e10adc3949ba59abbe56e057f20f883e"_s);
        // Passwords are digested as UTF-8.
        QCOMPARE(
            DataMD5::accountMd5(u"密码"_s),
            QString::fromLatin1(
                QCryptographicHash::hash(u"密码"_s.toUtf8(), QCryptographicHash::Md5).toHex()));
    }

    void signature_data()
    {
        QTest::addColumn<QStringList>("values"); // appid, partnerid, prepayid, package, noncestr
        QTest::addColumn<quint32>("timestamp");
        QTest::addColumn<QString>("signedText");

        QTest::newRow("all present, name order")
            << QStringList{u"wx5d0c3f1a9e7b2468"_s, u"1298765430"_s, u"wx201612345"_s,
                           u"Sign=WXPay"_s, u"NONCE"_s}
            << quint32(1480000000)
            << u"appid=wx5d0c3f1a9e7b2468&noncestr=NONCE&package=Sign=WXPay&partnerid=1298765430"
               u"&prepayid=wx201612345&timestamp=1480000000&"_s +
                   key;
        QTest::newRow("empty values leave no trace")
            << QStringList{u"A"_s, u""_s, u"P"_s, u""_s, u"N"_s} << quint32(7)
            << u"appid=A&noncestr=N&prepayid=P&timestamp=7&"_s + key;
        QTest::newRow("values taken as they are")
            << QStringList{u"a b"_s, u"&="_s, u"<x>"_s, u"Sign=WXPay"_s, u"n"_s}
            << quint32(4294967295u)
            << u"appid=a b&noncestr=n&package=Sign=WXPay&partnerid=&=&prepayid=<x>"
               u"&timestamp=4294967295&"_s +
                   key;
    }

    void signature()
    {
        QFETCH(QStringList, values);
        QFETCH(quint32, timestamp);
        QFETCH(QString, signedText);
        QCOMPARE(DataMD5().createMD5SingForPay(values[0], values[1], values[2], values[3],
                                               values[4], timestamp),
                 upperMd5(signedText));
    }

    void payRequest_data()
    {
        QTest::addColumn<double>("now");
        QTest::addColumn<quint32>("timeStamp");

        QTest::newRow("fraction truncated, not rounded") << 1480000000.9 << quint32(1480000000);
        QTest::newRow("whole second") << 1765000000.0 << quint32(1765000000);
        QTest::newRow("just before the next second") << 1765000000.999 << quint32(1765000000);
    }

    void payRequest()
    {
        QFETCH(double, now);
        QFETCH(quint32, timeStamp);

        const PayReq request = PayRequest::build(u"wx2016120712345"_s, now);
        QCOMPARE(request.partnerId, u"1298765430"_s);
        QCOMPARE(request.prepayId, u"wx2016120712345"_s);
        QCOMPARE(request.package, u"Sign=WXPay"_s);
        QCOMPARE(request.timeStamp, timeStamp);
        // The nonce digests the same digits that the signature carries as timestamp.
        const QByteArray digits = QByteArray::number(timeStamp);
        QCOMPARE(request.nonceStr,
                 QString::fromLatin1(
                     QCryptographicHash::hash(digits, QCryptographicHash::Md5).toHex().toUpper()));
        const QString signedText = u"appid=wx5d0c3f1a9e7b2468&noncestr="_s + request.nonceStr +
                                   u"&package=Sign=WXPay&partnerid=1298765430"
                                   u"&prepayid=wx2016120712345&timestamp="_s +
                                   QString::fromLatin1(digits) +
                                   u"&key=3f9a1c07d2b84e6f5a0c9e1b7d3f2a64"_s;
        QCOMPARE(request.sign, DataMD5().md5(signedText));
    }
};

QTEST_GUILESS_MAIN(TestSigning)
#include "tst_signing.moc"
