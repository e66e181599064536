#include "redpackets/RedPacketReply.h"
#include "service/XMLReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString packet(const QString &name, const QString &id, const QString &amount)
{
    return u"<%1><hbid>%2</hbid><hbmc>红包%2</hbmc><hbje>%3</hbje><yxrq>2027-06-30</yxrq></%1>"_s
        .arg(name, id, amount);
}

} // namespace

class TestRedPacketReply : public QObject
{
    Q_OBJECT

private slots:
    void records_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("ids");

        QTest::newRow("children with their own names")
            << u"<info>"_s + packet(u"hb1"_s, u"A"_s, u"5"_s) + packet(u"hb2"_s, u"B"_s, u"10"_s) +
                   u"</info>"_s
            << QStringList{u"A"_s, u"B"_s};
        QTest::newRow("children sharing a name are each a packet")
            << u"<info>"_s + packet(u"hb"_s, u"A"_s, u"5"_s) + packet(u"hb"_s, u"B"_s, u"10"_s) +
                   packet(u"hb"_s, u"C"_s, u"1"_s) + u"</info>"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s};
        QTest::newRow("text of info is no packet")
            << u"<info>"_s + packet(u"hb"_s, u"A"_s, u"5"_s) + u" tail</info>"_s
            << QStringList{u"A"_s};
        QTest::newRow("empty info") << u"<info></info>"_s << QStringList();
        QTest::newRow("other root")
            << u"<list>"_s + packet(u"hb"_s, u"A"_s, u"5"_s) + u"</list>"_s << QStringList();
    }

    void records()
    {
        QFETCH(QString, document);
        QFETCH(QStringList, ids);
        const QList<RedPacketRecord> packets =
            RedPacketReply::records(XMLReader::dictionaryForXMLString(document));
        QStringList found;
        for (const RedPacketRecord &record : packets)
            found.append(record.hbid);
        QCOMPARE(found, ids);
    }

    void fieldsAsListed()
    {
        const QList<RedPacketRecord> packets = RedPacketReply::records(
            XMLReader::dictionaryForXMLString(u"<info><hb><hbid>A</hbid><hbje>5.00</hbje>"
                                              u"<yxrq/></hb></info>"_s));
        QCOMPARE(packets.size(), 1);
        QCOMPARE(packets[0].hbje, u"5.00"_s);
        QVERIFY(packets[0].yxrq.isEmpty());
        QVERIFY(packets[0].hbmc.isEmpty());
        QCOMPARE(RedPacketReply::records(std::nullopt).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRedPacketReply)
#include "tst_redpacketreply.moc"
