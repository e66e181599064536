// tarvo-cli accounts and the app's payment screen on one profile: what one saves the other
// lists, and bad input ends with a message and a non-zero exit.
#include "FakeNavigator.h"
#include "FakeReachability.h"
#include "FakeTransport.h"
#include "account/SignInSession.h"
#include "billing/LPPayViewController.h"
#include "billing/SavedAccountSheet.h"
#include "billing/SavedAccounts.h"
#include "platform/IniSettingsStore.h"
#include "service/ServiceClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

CliRun cli(const QString &home, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TARVO_CLI),
                  QStringList{u"accounts"_s} + arguments + QStringList{u"--home"_s, home});
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QVariantList jsonList(const QString &out)
{
    return QJsonDocument::fromJson(out.toUtf8()).array().toVariantList();
}

QVariantMap entry(const QString &account, const QString &label)
{
    return {{u"account"_s, account}, {u"label"_s, label}};
}

} // namespace

class TestCliAccounts : public QObject
{
    Q_OBJECT

private slots:
    void appAndCliShareOneList()
    {
        QTemporaryDir home;
        // The app runs on the profile the whole time, as it would while support staff help.
        IniSettingsStore appSettings(home.path());
        FakeTransport transport;
        ServiceClient service(&transport, QUrl(u"http://service.test/ws"_s));
        FakeReachability reachability;
        SignInSession session;
        FakeNavigator navigator;
        ScreenServices services;
        services.account = {&reachability, &service, &appSettings, nullptr, &session};
        auto *screen = new LPPayViewController(&navigator, services);
        navigator.push(screen, false);
        screen->viewDidLoad();

        // Saved in the app: the sheet over a result, as the customer does it.
        QVERIFY(!SavedAccounts(&appSettings).save(u"1000002"_s, u"店"_s));
        screen->editSaved(u"1000002"_s);
        auto *sheet = qobject_cast<SavedAccountSheet *>(navigator.modals.value(0));
        QVERIFY(sheet);
        sheet->setLabel(u"父母家"_s);
        sheet->save();
        CliRun run = cli(home.path(), {u"list"_s, u"--json"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(jsonList(run.out), QVariantList{entry(u"1000002"_s, u"父母家"_s)});

        // Added by the CLI while the app runs: the app's screen lists it, and its next change
        // keeps it.
        run = cli(home.path(), {u"add"_s, u"1000001"_s, u"家"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, u"1000001\t家\n1000002\t父母家\n"_s);
        QCOMPARE(screen->savedAccounts(),
                 (QVariantList{entry(u"1000001"_s, u"家"_s), entry(u"1000002"_s, u"父母家"_s)}));
        screen->searchSaved(u"1000002"_s);
        run = cli(home.path(), {u"list"_s, u"--json"_s});
        QCOMPARE(jsonList(run.out),
                 (QVariantList{entry(u"1000002"_s, u"父母家"_s), entry(u"1000001"_s, u"家"_s)}));

        // Removed by the CLI: gone from the screen.
        QCOMPARE(cli(home.path(), {u"remove"_s, u"1000002"_s}).status, 0);
        QCOMPARE(screen->savedAccounts(), QVariantList{entry(u"1000001"_s, u"家"_s)});
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        QTest::newRow("no action") << QStringList() << 2 << u"accounts needs"_s;
        QTest::newRow("unknown action") << QStringList{u"clear"_s} << 2 << u"accounts needs"_s;
        QTest::newRow("add without label")
            << QStringList{u"add"_s, u"1000003"_s} << 2 << u"accounts needs"_s;
        QTest::newRow("list with extra")
            << QStringList{u"list"_s, u"x"_s} << 2 << u"accounts needs"_s;
        QTest::newRow("blank label")
            << QStringList{u"add"_s, u"1000003"_s, u" "_s} << 2 << u"请输入备注名"_s;
        QTest::newRow("long label")
            << QStringList{u"add"_s, u"1000003"_s, u"一二三四五六七八九十一"_s} << 2
            << u"备注名最多10个字"_s;
        QTest::newRow("control character")
            << QStringList{u"add"_s, u"1000\u00013"_s, u"家"_s} << 2 << u"无法识别的字符"_s;
        QTest::newRow("removing one not saved")
            << QStringList{u"remove"_s, u"1000009"_s} << 1 << u"not a saved account"_s;
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir home;
        QCOMPARE(cli(home.path(), {u"add"_s, u"1000001"_s, u"家"_s}).status, 0);

        const CliRun run = cli(home.path(), arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        // Nothing changed.
        QCOMPARE(jsonList(cli(home.path(), {u"list"_s, u"--json"_s}).out),
                 QVariantList{entry(u"1000001"_s, u"家"_s)});
    }
};

QTEST_GUILESS_MAIN(TestCliAccounts)
#include "tst_cliaccounts.moc"
