// The saved accounts (常用户号) as the payment screen and tarvo-cli keep them in the settings:
// the limits, the order of use, renaming and removing, and what a damaged stored list reads as.
#include "FakeSettingsStore.h"
#include "billing/SavedAccounts.h"
#include "platform/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList accountsOf(const SavedAccounts &saved)
{
    QStringList accounts;
    for (const SavedAccount &entry : saved.list())
        accounts.append(entry.account);
    return accounts;
}

} // namespace

class TestSavedAccounts : public QObject
{
    Q_OBJECT

private slots:
    void labelRules_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("stored");

        QTest::newRow("one character") << u"家"_s << QString() << u"家"_s;
        QTest::newRow("trimmed") << u"  父母家 \t"_s << QString() << u"父母家"_s;
        QTest::newRow("ten characters")
            << u"一二三四五六七八九十"_s << QString() << u"一二三四五六七八九十"_s;
        QTest::newRow("eleven characters")
            << u"一二三四五六七八九十一"_s << u"备注名最多10个字"_s << QString();
        QTest::newRow("ten around blanks")
            << u" 一二三四五六七八九十 "_s << QString() << u"一二三四五六七八九十"_s;
        // Characters outside the basic plane are one character each, though two code units.
        QTest::newRow("ten astral characters")
            << QString(u"😀"_s).repeated(10) << QString() << QString(u"😀"_s).repeated(10);
        QTest::newRow("empty") << QString() << u"请输入备注名，例如“家”"_s << QString();
        QTest::newRow("only blanks") << u"   "_s << u"请输入备注名，例如“家”"_s << QString();
        QTest::newRow("line break") << u"家\n店"_s << u"备注名中含有无法识别的字符"_s << QString();
        QTest::newRow("bell") << u"家\a"_s << u"备注名中含有无法识别的字符"_s << QString();
        QTest::newRow("lone surrogate")
            << QString(QChar(0xD800)) + u"家"_s << u"备注名中含有无法识别的字符"_s << QString();
    }

    void labelRules()
    {
        QFETCH(QString, label);
        QFETCH(QString, refusal);
        QFETCH(QString, stored);
        FakeSettingsStore settings;
        SavedAccounts saved(&settings);

        QCOMPARE(saved.save(u"1000001"_s, label).value_or(QString()), refusal);
        QCOMPARE(saved.find(u"1000001"_s).value_or(SavedAccount{}).label, stored);
        // Renaming follows the same rules and keeps the old label when refused.
        saved.save(u"1000002"_s, u"店"_s);
        QCOMPARE(saved.rename(u"1000002"_s, label).value_or(QString()), refusal);
        QCOMPARE(saved.find(u"1000002"_s)->label, refusal.isEmpty() ? stored : u"店"_s);
    }

    void accountRules_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("refusal");

        QTest::newRow("digits") << u"1000001"_s << QString();
        QTest::newRow("letters, as the field accepts") << u"A-12"_s << QString();
        QTest::newRow("empty") << QString() << u"请先输入户号"_s;
        QTest::newRow("blanks") << u"  "_s << u"请先输入户号"_s;
        QTest::newRow("control character")
            << u"1000\u0001001"_s << u"户号中含有无法识别的字符，请检查后重新输入"_s;
    }

    void accountRules()
    {
        QFETCH(QString, account);
        QFETCH(QString, refusal);
        FakeSettingsStore settings;
        SavedAccounts saved(&settings);

        QCOMPARE(saved.save(account, u"家"_s).value_or(QString()), refusal);
        QCOMPARE(saved.list().size(), refusal.isEmpty() ? 1 : 0);
    }

    void aFullListDropsTheLeastRecentlyUsed()
    {
        FakeSettingsStore settings;
        SavedAccounts saved(&settings);
        for (int i = 1; i <= SavedAccounts::capacity; ++i)
            QVERIFY(!saved.save(QString::number(i), u"户%1"_s.arg(i)));
        QCOMPARE(saved.list().size(), SavedAccounts::capacity);
        // The first one saved is used again: the second is now the least recent.
        saved.use(u"1"_s);

        QVERIFY(!saved.save(u"21"_s, u"新户"_s));
        const QStringList accounts = accountsOf(saved);
        QCOMPARE(accounts.size(), SavedAccounts::capacity);
        QCOMPARE(accounts.first(), u"21"_s);
        QCOMPARE(accounts.at(1), u"1"_s);
        QVERIFY(!accounts.contains(u"2"_s));
        // Saving one that is saved already drops nothing.
        QVERIFY(!saved.save(u"10"_s, u"改名"_s));
        QCOMPARE(saved.list().size(), SavedAccounts::capacity);
    }

    void orderOfUse()
    {
        FakeSettingsStore settings;
        SavedAccounts saved(&settings);
        saved.save(u"A"_s, u"家"_s);
        saved.save(u"B"_s, u"父母家"_s);
        saved.save(u"C"_s, u"店"_s);
        QCOMPARE(accountsOf(saved), (QStringList{u"C"_s, u"B"_s, u"A"_s}));

        saved.use(u"A"_s);
        QCOMPARE(accountsOf(saved), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
        // An account that is not saved changes nothing, and is not saved by being used.
        saved.use(u"D"_s);
        QCOMPARE(accountsOf(saved), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
        // Renaming keeps the place; saving again under a new label moves it to the front.
        QVERIFY(!saved.rename(u"B"_s, u"老家"_s));
        QCOMPARE(accountsOf(saved), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
        QCOMPARE(saved.find(u"B"_s)->label, u"老家"_s);
        QVERIFY(!saved.save(u"B"_s, u"爸妈家"_s));
        QCOMPARE(saved.list().first(), (SavedAccount{u"B"_s, u"爸妈家"_s}));
        QCOMPARE(saved.list().size(), 3);
    }

    void renameAndRemove()
    {
        FakeSettingsStore settings;
        SavedAccounts saved(&settings);
        saved.save(u"1000001"_s, u"家"_s);
        saved.save(u"1000002"_s, u"店"_s);

        QCOMPARE(saved.rename(u"1000009"_s, u"家"_s), u"户号1000009不在常用户号中"_s);
        QVERIFY(!saved.remove(u"1000009"_s));
        QVERIFY(saved.remove(u"1000001"_s));
        QCOMPARE(saved.list(), (QList<SavedAccount>{{u"1000002"_s, u"店"_s}}));
        QVERIFY(!saved.find(u"1000001"_s));
        QVERIFY(saved.remove(u"1000002"_s));
        QVERIFY(saved.list().isEmpty());
    }

    void damagedListReadsAsWhatMakesSense_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("accounts");

        const auto entry = [](const QString &account, const QString &label) {
            return u"{\"account\":\"%1\",\"label\":\"%2\"}"_s.arg(account, label);
        };
        QTest::newRow("not JSON") << QVariant(u"家=1000001"_s) << QStringList();
        QTest::newRow("cut short")
            << QVariant(u"[%1,{\"acc"_s.arg(entry(u"1"_s, u"家"_s))) << QStringList();
        QTest::newRow("an object, not a list") << QVariant(entry(u"1"_s, u"家"_s)) << QStringList();
        QTest::newRow("a number") << QVariant(42) << QStringList();
        QTest::newRow("a list of texts")
            << QVariant(QStringList{u"1000001"_s, u"家"_s}) << QStringList();
        QTest::newRow("entries of other kinds")
            << QVariant(u"[1, \"1000001\", null, [], %1, true]"_s.arg(entry(u"2"_s, u"店"_s)))
            << QStringList{u"2"_s};
        QTest::newRow("missing or wrong fields")
            << QVariant(u"[{\"account\":\"1\"}, {\"label\":\"家\"}, {\"account\":3,"
                        "\"label\":\"家\"}, {\"account\":\"4\",\"label\":5}, %1]"_s.arg(
                            entry(u"6"_s, u"店"_s)))
            << QStringList{u"6"_s};
        QTest::newRow("labels the screen would refuse")
            << QVariant(u"[%1,%2,%3]"_s.arg(entry(u"1"_s, u"  "_s),
                                            entry(u"2"_s, u"一二三四五六七八九十一"_s),
                                            entry(u"3"_s, u"  店  "_s)))
            << QStringList{u"3"_s};
        QTest::newRow("accounts the screen would refuse")
            << QVariant(u"[%1,%2,%3]"_s.arg(entry(QString(), u"家"_s),
                                            entry(u"1\\u00072"_s, u"家"_s), entry(u"3"_s, u"店"_s)))
            << QStringList{u"3"_s};
        QTest::newRow("the same account twice: the first stays")
            << QVariant(u"[%1,%2,%3]"_s.arg(entry(u"1"_s, u"家"_s), entry(u"2"_s, u"店"_s),
                                            entry(u"1"_s, u"老家"_s)))
            << QStringList{u"1"_s, u"2"_s};
        QStringList many;
        QStringList first20;
        for (int i = 1; i <= 25; ++i) {
            many.append(entry(QString::number(i), u"户"_s));
            if (i <= SavedAccounts::capacity)
                first20.append(QString::number(i));
        }
        QTest::newRow("more than twenty: the most recent stay")
            << QVariant(u"["_s + many.join(u',') + u"]"_s) << first20;
    }

    void damagedListReadsAsWhatMakesSense()
    {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, accounts);
        FakeSettingsStore settings;
        settings.values.insert(SavedAccounts::settingsKey, stored);
        SavedAccounts saved(&settings);

        QCOMPARE(accountsOf(saved), accounts);
        // The next change writes a sound list of what was read.
        QVERIFY(!saved.save(u"new"_s, u"新"_s));
        QCOMPARE(accountsOf(saved), QStringList{u"new"_s} + accounts.mid(0, 19));
        QCOMPARE(accountsOf(SavedAccounts(&settings)), accountsOf(saved));
    }

    void handEditedSettingsFile()
    {
        // A settings file whose line was edited by hand: the quotes QSettings needs are gone,
        // so the value reads as a list of pieces, not as the saved accounts.
        QTemporaryDir home;
        QFile file(QDir(home.path()).filePath(IniSettingsStore::fileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nuserNumber=1000001\n"
                   "savedAccounts=[{\"account\":\"1000001\",\"label\":\"home\"}, {\"a\":1}]\n");
        file.close();

        IniSettingsStore settings(home.path());
        SavedAccounts saved(&settings);
        QVERIFY(saved.list().isEmpty());
        QVERIFY(!saved.save(u"1000002"_s, u"父母家"_s));
        // Written back sound, the rest of the settings untouched.
        IniSettingsStore reread(home.path());
        QCOMPARE(SavedAccounts(&reread).list(), (QList<SavedAccount>{{u"1000002"_s, u"父母家"_s}}));
        QCOMPARE(reread.string(u"userNumber"_s), u"1000001"_s);
    }
};

QTEST_GUILESS_MAIN(TestSavedAccounts)
#include "tst_savedaccounts.moc"
