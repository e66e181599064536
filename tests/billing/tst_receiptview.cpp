// A payment to its receipt in the whole app, offscreen, by taps and keys: "查看凭证" on the
// outcome opens the receipt, the keys are the receipt's, and back on the payment screen the
// account is looked at again.
#include "AppWindowFixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestReceiptView : public QObject
{
    Q_OBJECT

private slots:
    void receiptAfterThePaymentAndBack()
    {
        AppWindowFixture app;
        QVERIFY(app.start(QSize(375, 667)));
        QVERIFY(app.skipSignIn());
        ViewProbe probe = app.probe();
        QVERIFY(probe.tapText(u"水电气缴费"_s));
        QTRY_VERIFY(probe.visibleText(u"请输入你要查询的户号"_s));
        QTest::qWait(500); // the stack takes no taps while it slides a screen in
        QVERIFY(probe.typeInto(u"请输入你要查询的户号"_s, u"1000001"_s));
        probe.pressKey(Qt::Key_Return);
        QTRY_COMPARE(app.transport.requests().size(), 1);
        app.transport.respond(
            0, AppWindowFixture::reply(u"queryExpense"_s, u"shell/arrears-1000001.xml"_s));
        QTRY_VERIFY(probe.tapText(u"缴   费"_s));
        QTRY_VERIFY(probe.tapText(u"同意并缴费"_s));
        QTRY_COMPARE(app.transport.requests().size(), 2);
        app.transport.respond(
            1, BadReplies::documentReply(u"createOrder"_s,
                                         u"<info><prepay_id>wx201</prepay_id></info>"_s));
        QTRY_COMPARE(app.wallet.requests.size(), 1);
        app.results.report(0);
        QTRY_VERIFY(probe.visibleText(u"支付成功!"_s));

        QVERIFY(probe.tapText(u"查看凭证"_s));
        QTRY_VERIFY(probe.visibleText(u"电子缴费凭证"_s));
        QCOMPARE(app.receipts.list().size(), 1);
        QTest::qWait(600);
        QCOMPARE(app.transport.requests().size(), 2);

        probe.pressKey(Qt::Key_Escape);
        QTRY_COMPARE(app.navigator().stack().size(), 2);
        QTRY_COMPARE(app.transport.requests().size(), 3);
        QVERIFY(app.transport.lastRequest().body.contains("queryExpense"));
    }
};

QTEST_MAIN(TestReceiptView)
#include "tst_receiptview.moc"
