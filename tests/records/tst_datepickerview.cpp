// The date picker drawn: its wheels open at today, the panel keeps its own taps, the dimmed
// area and the two buttons close it.
#include "FakeClock.h"
#include "QmlModules.h"
#include "driver/ViewProbe.h"
#include "records/LPDatePicker.h"

#include <QDateTime>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDatePickerView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { importQmlModules(m_engine); }

    void init()
    {
        m_handedBack.clear();
        m_picker = std::make_unique<LPDatePicker>(
            QString(), [this](const QString &date) { m_handedBack = date; }, &m_clock);
        m_picker->show();
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(375, 667);
        QQmlComponent component(&m_engine,
                                QUrl(u"qrc:/qt/qml/Tarvo/Records/DatePickerLayer.qml"_s));
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        QObject *made = component.createWithInitialProperties(
            {{u"picker"_s, QVariant::fromValue<QObject *>(m_picker.get())}});
        QVERIFY2(made, qPrintable(component.errorString()));
        m_overlay = qobject_cast<QQuickItem *>(made);
        m_overlay->setParentItem(m_window->contentItem());
        m_overlay->setSize(m_window->size());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        delete m_overlay;
        m_window.reset();
    }

    void wheelsOpenAtToday()
    {
        enum Wheel { year, month, day }; // in the order the picker makes them
        const QList<QQuickItem *> wheels = tumblers();
        QCOMPARE(wheels.size(), 3);
        const QDate today = QDateTime::fromSecsSinceEpoch(qint64(m_clock.now)).date();
        QTRY_COMPARE(wheels[year]->property("currentIndex").toInt(),
                     today.year() - m_picker->firstYear());
        QCOMPARE(wheels[month]->property("currentIndex").toInt(), today.month() - 1);
        QCOMPARE(wheels[day]->property("currentIndex").toInt(), today.day() - 1);
        // The rows in the band are today's at once: the wheels do not roll there for seconds.
        QTRY_VERIFY_WITH_TIMEOUT(shownText(u"%1年"_s.arg(today.year())), 1000);
        QVERIFY(shownText(u"%1月"_s.arg(today.month())));
        QVERIFY(shownText(u"%1日"_s.arg(today.day())));
    }

    void taps_data()
    {
        QTest::addColumn<QString>("where"); // a button's text, "panel" or "dimmed"
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("handedBack");
        QTest::newRow("panel background") << u"panel"_s << true << false;
        QTest::newRow("dimmed area") << u"dimmed"_s << false << false;
        QTest::newRow("取消") << u"取消"_s << false << false;
        QTest::newRow("确定") << u"确定"_s << false << true;
    }
    void taps()
    {
        QFETCH(QString, where);
        QFETCH(bool, open);
        QFETCH(bool, handedBack);
        QQuickItem *panel = m_overlay->findChild<QQuickItem *>(u"datePickerPanel"_s);
        QTRY_COMPARE(panel->scale(), 1.0);
        QPoint point(m_window->width() / 2, m_window->height() - 40); // below the panel
        if (where == u"panel")
            point = panel->mapToScene({panel->width() / 2, 8}).toPoint(); // above the wheels
        else if (where != u"dimmed")
            point = ViewProbe::centre(shownText(where)).toPoint();
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, point);
        QCOMPARE(m_picker->isOpen(), open);
        QCOMPARE(!m_handedBack.isEmpty(), handedBack);
        QTRY_COMPARE(m_overlay->isVisible(), open);
    }

private:
    QList<QQuickItem *> tumblers() const
    {
        QList<QQuickItem *> found;
        for (QQuickItem *item : m_overlay->findChildren<QQuickItem *>()) {
            if (item->inherits("QQuickTumbler"))
                found.append(item);
        }
        return found;
    }
    // Wheel rows are items of their views, not QObject children: walk the item tree.
    QQuickItem *shownText(const QString &text, QQuickItem *root = nullptr) const
    {
        root = root ? root : m_overlay;
        for (QQuickItem *item : root->childItems()) {
            if (item->property("text").toString() == text && item->isVisible() &&
                item->opacity() > 0.9)
                return item;
            if (QQuickItem *found = shownText(text, item))
                return found;
        }
        return nullptr;
    }
    FakeClock m_clock{double(QDateTime::currentSecsSinceEpoch())};
    QQmlEngine m_engine;
    std::unique_ptr<LPDatePicker> m_picker;
    std::unique_ptr<QQuickWindow> m_window;
    QQuickItem *m_overlay = nullptr;
    QString m_handedBack;
};

QTEST_MAIN(TestDatePickerView)
#include "tst_datepickerview.moc"
