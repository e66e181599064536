// The guided tour of the real app, offscreen, against a sandbox of its own: every step a
// customer takes must show what it should.
#include "../cli/SpawnedSandbox.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTour : public QObject
{
    Q_OBJECT

private slots:
    void everyStepShowsWhatItShould()
    {
        SpawnedSandbox sandbox;
        QVERIFY(sandbox.start());
        QTemporaryDir home;
        const QString pictures = home.filePath(u"tour"_s);

        QProcess app;
        app.setProcessChannelMode(QProcess::MergedChannels);
        app.start(QStringLiteral(TARVO_APP_PATH),
                  {u"--service"_s, sandbox.serviceUrl(), u"--website"_s, sandbox.websiteUrl(),
                   u"--home"_s, home.path(), u"--tour"_s, pictures});
        const bool ended = app.waitForFinished(240000);
        const QByteArray log = app.readAll();
        QVERIFY2(ended, log.right(4000).constData());
        QVERIFY2(app.exitCode() == 0, log.right(4000).constData());

        const QStringList saved = QDir(pictures).entryList({u"*.png"_s});
        QVERIFY(!saved.isEmpty());
        QVERIFY2(saved.filter(u"FAILED"_s).isEmpty(), qPrintable(saved.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestTour)
#include "tst_tour.moc"
