#include "billing/WithholdingAgreement.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWithholdingAgreement : public QObject
{
    Q_OBJECT

private slots:
    void oneParagraphUnderItsTitle()
    {
        const QString text = WithholdingAgreement::text();
        QVERIFY(text.startsWith(u"《代扣服务协议》"_s));
        QVERIFY(!text.contains(u'\n'));
        QVERIFY(!text.contains(u'\r'));
        QVERIFY2(text.size() >= 1700 && text.size() <= 2100,
                 qPrintable(QString::number(text.size())));
    }

    void namesThePaymentServices()
    {
        const QString text = WithholdingAgreement::text();
        QVERIFY(text.contains(u"微信支付"_s));
        QVERIFY(text.contains(u"支付宝"_s));
    }
};

QTEST_GUILESS_MAIN(TestWithholdingAgreement)
#include "tst_withholdingagreement.moc"
