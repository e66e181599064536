// The red packet query tool, the selection sheet and the "我的红包" screen, driven headless.
#include "BadReplies.h"
#include "FakeNavigator.h"
#include "FakeTransport.h"
#include "redpackets/HongBaoViewController.h"
#include "redpackets/LPGetHongBaoTool.h"
#include "redpackets/LPHongBaoView.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"

#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString account = u"13912345678"_s;

QByteArray reply(const QString &returnText)
{
    return BadReplies::documentReply(u"queryHbxx"_s, returnText);
}

QList<RedPacketRecord> packets(int count)
{
    QList<RedPacketRecord> list;
    for (int i = 1; i <= count; ++i)
        list.append({u"HB%1"_s.arg(i), u"红包%1"_s.arg(i), u"%1.00"_s.arg(i), u"2027-06-30"_s});
    return list;
}

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestRedPacketScreens : public QObject
{
    Q_OBJECT

private slots:
    void tool_data()
    {
        QTest::addColumn<QByteArray>("body"); // empty: the transport fails
        QTest::addColumn<QList<int>>("deliveries");
        QTest::addColumn<QStringList>("alerts");

        QTest::newRow("three packets")
            << BadReplies::fileReply(u"queryHbxx"_s, u"redpackets/packets-1-2-3-yuan.xml"_s)
            << QList<int>{3} << QStringList();
        QTest::newRow("no return text")
            << BadReplies::soapFault() << QList<int>() << QStringList{u"当前无红包可用!"_s};
        QTest::newRow("empty info") << reply(u"<info></info>"_s) << QList<int>() << QStringList();
        QTest::newRow("no reply") << QByteArray() << QList<int>() << QStringList{u"网络异常!"_s};
    }

    void tool()
    {
        QFETCH(QByteArray, body);
        QFETCH(QList<int>, deliveries);
        QFETCH(QStringList, alerts);
        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:9/ws"_s));
        FakeNavigator navigator;
        QObject screen;
        QList<int> delivered;
        QPointer<LPGetHongBaoTool> tool = new LPGetHongBaoTool(
            &client, &navigator, account,
            [&delivered](const QList<RedPacketRecord> &list) { delivered.append(list.size()); },
            &screen);

        QCOMPARE(transport.lastRequest().body,
                 Envelope::body(ServiceOperation::queryHbxx, {{u"useraccount"_s, account}}));
        if (body.isEmpty())
            transport.fail(0);
        else
            transport.respond(0, body);
        runDeferredDeletes();

        QCOMPARE(delivered, deliveries);
        QCOMPARE(navigator.alertMessages(), alerts);
        QCOMPARE(navigator.calls.size(), alerts.size());
        if (!alerts.isEmpty()) {
            QCOMPARE(navigator.lastAlert()->title, u"温馨提示"_s);
            QCOMPARE(navigator.lastAlert()->buttonTitles(), QStringList{u"确定"_s});
        }
        QVERIFY(!tool);
    }

    void sheetChoice_data()
    {
        QTest::addColumn<QList<int>>("taps");
        QTest::addColumn<bool>("outsideFirst");
        QTest::addColumn<QList<QStringList>>("choices");

        QTest::newRow("a second tap while closing is ignored")
            << QList<int>{3, 1} << false << QList<QStringList>{{u"HB3"_s, u"3.00"_s, u"红包3"_s}};
        QTest::newRow("a row it does not have does not close")
            << QList<int>{4, 1} << false << QList<QStringList>{{u"HB1"_s, u"1.00"_s, u"红包1"_s}};
        QTest::newRow("touch outside chooses nothing")
            << QList<int>{1} << true << QList<QStringList>();
    }

    void sheetChoice()
    {
        QFETCH(QList<int>, taps);
        QFETCH(bool, outsideFirst);
        QFETCH(QList<QStringList>, choices);
        FakeNavigator navigator;
        QList<QStringList> chosen;
        auto *sheet = new LPHongBaoView(
            &navigator, u"HB2"_s, [&chosen](const QStringList &choice) { chosen.append(choice); },
            &navigator.owner);
        sheet->setDataSource(packets(3));
        sheet->show();
        QCOMPARE(navigator.modals, QList<ViewController *>{sheet});
        QCOMPARE(sheet->flag(), 2);

        if (outsideFirst)
            sheet->touchOutside();
        for (int row : taps)
            sheet->chooseRow(row);
        QCOMPARE(chosen, choices);
        QVERIFY(sheet->isClosing());

        sheet->dismiss();
        QVERIFY(navigator.modals.isEmpty());
    }

    void emptySheetBuildsNothing()
    {
        FakeNavigator navigator;
        bool chosen = false;
        LPHongBaoView sheet(&navigator, {}, [&chosen](const QStringList &) { chosen = true; });
        sheet.setDataSource({});
        QVERIFY(!sheet.hasCard());
        QVERIFY(sheet.rowTitles().isEmpty());
        QVERIFY(!sheet.sheetGeometry(375).isValid());
        sheet.chooseRow(0);
        QVERIFY(!chosen);
    }

    void listScreen_data()
    {
        QTest::addColumn<std::optional<QString>>("signedIn");
        QTest::addColumn<std::optional<QByteArray>>("body"); // none: the transport fails
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QStringList>("alerts");

        QTest::newRow("no sign-in asks nothing")
            << std::optional<QString>() << std::optional<QByteArray>() << QStringList()
            << QStringList();
        QTest::newRow("packets appended")
            << std::optional(account)
            << std::optional(
                   BadReplies::fileReply(u"queryHbxx"_s, u"redpackets/packets-1-2-yuan.xml"_s))
            << QStringList{u"1.00元"_s, u"2.00元"_s} << QStringList();
        QTest::newRow("no return text stays empty")
            << std::optional(account) << std::optional(BadReplies::soapFault()) << QStringList()
            << QStringList();
        QTest::newRow("no reply ends the wait")
            << std::optional(account) << std::optional<QByteArray>() << QStringList()
            << QStringList{u"网络异常!"_s};
    }

    void listScreen()
    {
        QFETCH(std::optional<QString>, signedIn);
        QFETCH(std::optional<QByteArray>, body);
        QFETCH(QStringList, amounts);
        QFETCH(QStringList, alerts);
        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:9/ws"_s));
        FakeNavigator navigator;
        auto *screen = new HongBaoViewController(&navigator, &client, signedIn);
        navigator.push(screen, true);
        screen->viewDidLoad();

        if (!signedIn) {
            QVERIFY(transport.requests().isEmpty());
        } else {
            QCOMPARE(transport.lastRequest().body,
                     Envelope::body(ServiceOperation::queryHbxx, {{u"useraccount"_s, account}}));
            QCOMPARE(screen->loadingViews().size(), 1);
            if (body)
                transport.respond(0, *body);
            else
                transport.fail(0);
        }

        QStringList shown;
        for (const QVariant &row : screen->rows())
            shown.append(row.toMap().value(u"amount"_s).toString());
        QCOMPARE(shown, amounts);
        QVERIFY(screen->isAnswered());
        QVERIFY(screen->loadingViews().isEmpty());
        QCOMPARE(navigator.alertMessages(), alerts);
    }
};

QTEST_GUILESS_MAIN(TestRedPacketScreens)
#include "tst_redpacketscreens.moc"
