// The selection sheet drawn offscreen: its card, marks and touches, through the real navigator.
#include "redpackets/LPHongBaoView.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenTypes.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHongBaoSheetView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerScreenTypes(&m_navigator);
        m_window.resize(375, 667);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        connect(&m_navigator, &QmlNavigator::presentRequested, this,
                [this](const QUrl &view, QObject *screen) {
                    QQmlComponent component(&m_engine, view);
                    auto *page = qobject_cast<QQuickItem *>(component.createWithInitialProperties(
                        {{u"controller"_s, QVariant::fromValue(screen)}}));
                    QVERIFY2(page, qPrintable(component.errorString()));
                    page->setSize(m_window.size());
                    page->setParentItem(m_window.contentItem());
                    m_page = page;
                });
        connect(&m_navigator, &QmlNavigator::dismissRequested, this,
                [this] { m_page->deleteLater(); });
    }

    void touches_data()
    {
        QTest::addColumn<QString>("tapOn");
        QTest::addColumn<QList<QStringList>>("choices");

        QTest::newRow("a packet row")
            << u"B   10元"_s << QList<QStringList>{{u"HB2"_s, u"10"_s, u"B"_s}};
        QTest::newRow("不使用红包") << u"不使用红包"_s << QList<QStringList>{{}};
        QTest::newRow("the title closes without a choice") << u"红包信息"_s << QList<QStringList>();
    }

    void touches()
    {
        QFETCH(QString, tapOn);
        QFETCH(QList<QStringList>, choices);
        QList<QStringList> chosen;
        auto *sheet = new LPHongBaoView(&m_navigator, u"HB2"_s,
                                        [&chosen](const QStringList &c) { chosen.append(c); });
        sheet->setDataSource({{u"HB1"_s, u"A"_s, u"5"_s, {}}, {u"HB2"_s, u"B"_s, u"10"_s, {}}});
        sheet->show();
        QVERIFY(m_page);
        QQuickItem *card = find(u"hongBaoCard"_s);
        QTRY_COMPARE(card->scale(), 1.0);
        QCOMPARE(card->size(), QSizeF(295, 200));

        const QList<QQuickItem *> marks = findAll(u"tipBtn"_s);
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks.first()->parentItem()->property("title").toString(), u"B   10元"_s);

        QQuickItem *target = text(tapOn);
        QVERIFY(target);
        QTest::mouseClick(
            &m_window, Qt::LeftButton, {},
            target->mapToScene({target->width() / 2, target->height() / 2}).toPoint());
        QTRY_VERIFY(!m_page);
        QCOMPARE(chosen, choices);
        QVERIFY(m_navigator.modals().isEmpty());
    }

private:
    QQuickItem *find(const QString &name) const { return findAll(name).value(0); }
    QList<QQuickItem *> findAll(const QString &name, QQuickItem *root = nullptr) const
    {
        QList<QQuickItem *> found;
        for (QQuickItem *child : (root ? root : m_page.data())->childItems()) {
            if (child->objectName() == name && child->isVisible())
                found.append(child);
            found += findAll(name, child);
        }
        return found;
    }
    QQuickItem *text(const QString &wanted, QQuickItem *root = nullptr) const
    {
        for (QQuickItem *child : (root ? root : m_page.data())->childItems()) {
            if (child->property("text").toString() == wanted)
                return child;
            if (QQuickItem *found = text(wanted, child))
                return found;
        }
        return nullptr;
    }

    QmlNavigator m_navigator;
    QQmlEngine m_engine;
    QQuickWindow m_window;
    QPointer<QQuickItem> m_page;
};

QTEST_MAIN(TestHongBaoSheetView)
#include "tst_hongbaosheetview.moc"
