#include "billing/Money.h"

#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void fenFromYuan_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("fen");

        QTest::newRow("whole") << u"5"_s << true << qint64(500);
        QTest::newRow("one decimal") << u"85.5"_s << true << qint64(8550);
        QTest::newRow("two decimals") << u"23.45"_s << true << qint64(2345);
        QTest::newRow("no whole part") << u".29"_s << true << qint64(29);
        QTest::newRow("trailing point") << u"7."_s << true << qint64(700);
        QTest::newRow("beyond single precision") << u"167772.17"_s << true << qint64(16777217);
        QTest::newRow("half to even, down") << u"12.345"_s << true << qint64(1234);
        QTest::newRow("half to even, up") << u"12.355"_s << true << qint64(1236);
        QTest::newRow("more than half") << u"12.3451"_s << true << qint64(1235);
        QTest::newRow("less than half") << u"12.3449"_s << true << qint64(1234);
        QTest::newRow("negative") << u"-0.05"_s << true << qint64(-5);
        QTest::newRow("fifteen digits")
            << u"999999999999999.99"_s << true << qint64(99999999999999999);
        QTest::newRow("sixteen digits") << u"1000000000000000"_s << false << qint64(0);
        QTest::newRow("empty") << u""_s << false << qint64(0);
        QTest::newRow("point only") << u"."_s << false << qint64(0);
        QTest::newRow("blank") << u" 5"_s << false << qint64(0);
        QTest::newRow("exponent") << u"1e3"_s << false << qint64(0);
        QTest::newRow("two points") << u"1.2.3"_s << false << qint64(0);
        QTest::newRow("full-width digit") << u"５"_s << false << qint64(0);
    }

    void fenFromYuan()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, fen);
        const std::optional<qint64> parsed = Money::fenFromYuan(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, fen);
    }

    void fenFromLeadingYuan_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("fen");

        QTest::newRow("plain") << u"12.30"_s << qint64(1230);
        QTest::newRow("unit after the number") << u"12.5元"_s << qint64(1250);
        QTest::newRow("leading blanks") << u"  3"_s << qint64(300);
        QTest::newRow("plus sign") << u"+1.5"_s << qint64(150);
        QTest::newRow("no number") << u"abc"_s << qint64(0);
        QTest::newRow("empty") << QString() << qint64(0);
        QTest::newRow("sign only") << u"-"_s << qint64(0);
    }

    void fenFromLeadingYuan()
    {
        QFETCH(QString, text);
        QFETCH(qint64, fen);
        QCOMPARE(Money::fenFromLeadingYuan(text), fen);
    }

    void yuanText_data()
    {
        QTest::addColumn<qint64>("fen");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << qint64(0) << u"0.00"_s;
        QTest::newRow("fen only") << qint64(5) << u"0.05"_s;
        QTest::newRow("tens of fen") << qint64(1230) << u"12.30"_s;
        QTest::newRow("negative") << qint64(-5) << u"-0.05"_s;
        QTest::newRow("large") << qint64(16777217) << u"167772.17"_s;
        QTest::newRow("whole yuan") << qint64(100) << u"1.00"_s;
        QTest::newRow("negative tens of yuan") << qint64(-1230) << u"-12.30"_s;
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << u"92233720368547758.07"_s;
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min()
                                  << u"-92233720368547758.08"_s;
    }

    void yuanText()
    {
        QFETCH(qint64, fen);
        QFETCH(QString, text);
        QCOMPARE(Money::yuanText(fen), text);
    }

    void fenFromDigits()
    {
        QCOMPARE(Money::fenFromDigits(u"8550"), std::optional<qint64>(8550));
        QCOMPARE(Money::fenFromDigits(u"-1"), std::nullopt);
        QCOMPARE(Money::fenFromDigits(u"85.5"), std::nullopt);
        QCOMPARE(Money::fenFromDigits(u""), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
