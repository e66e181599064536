#include "billing/DataMD5.h"
#include "billing/PayRequest.h"

#include <QCryptographicHash>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPayRequest : public QObject
{
    Q_OBJECT

private slots:
    void build_data()
    {
        QTest::addColumn<double>("now");
        QTest::addColumn<quint32>("timeStamp");

        QTest::newRow("fraction truncated, not rounded") << 1480000000.9 << quint32(1480000000);
        QTest::newRow("whole second") << 1765000000.0 << quint32(1765000000);
        QTest::newRow("just before the next second") << 1765000000.999 << quint32(1765000000);
    }

    void build()
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
        const QString signedText = u"appid=wx5d0c3f1a9e7b2468&noncestr="_s + request.nonceStr
                                   + u"&package=Sign=WXPay&partnerid=1298765430"
                                     u"&prepayid=wx2016120712345&timestamp="_s
                                   + QString::fromLatin1(digits)
                                   + u"&key=3f9a1c07d2b84e6f5a0c9e1b7d3f2a64"_s;
        QCOMPARE(request.sign, DataMD5().md5(signedText));
    }

    void sameSecondSameRequest()
    {
        const PayReq first = PayRequest::build(u"P"_s, 1765000000.1);
        const PayReq second = PayRequest::build(u"P"_s, 1765000000.8);
        QCOMPARE(first.nonceStr, second.nonceStr);
        QCOMPARE(first.sign, second.sign);
        QVERIFY(PayRequest::build(u"P"_s, 1765000001.0).sign != first.sign);
    }
};

QTEST_GUILESS_MAIN(TestPayRequest)
#include "tst_payrequest.moc"
