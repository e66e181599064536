#include "GuidedTour.h"

#include "DriverLog.h"

#include <QImage>
#include <QQuickWindow>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Long enough for an animation to come to rest after the screen shows what it should.
constexpr int settleMs = 400;
constexpr int pollMs = 100;
} // namespace

GuidedTour::GuidedTour(QQuickWindow *window, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_probe(window)
    , m_folder(folder)
{}

void GuidedTour::add(const QString &name, Action act, Expectation expect, int timeoutMs)
{
    m_steps.append({name, std::move(act), std::move(expect), timeoutMs});
}

GuidedTour::Expectation GuidedTour::showsTexts(const QStringList &texts)
{
    return [texts](ViewProbe &probe) {
        QStringList missing;
        for (const QString &text : texts) {
            if (!probe.visibleText(text))
                missing.append(text);
        }
        return missing.isEmpty() ? QString() : u"not shown: "_s + missing.join(u", "_s);
    };
}

GuidedTour::Expectation GuidedTour::lacksTexts(const QStringList &texts)
{
    return [texts](ViewProbe &probe) {
        QStringList present;
        for (const QString &text : texts) {
            if (probe.visibleText(text))
                present.append(text);
        }
        return present.isEmpty() ? QString() : u"still shown: "_s + present.join(u", "_s);
    };
}

void GuidedTour::start()
{
    if (!m_folder.mkpath(u"."_s)) {
        qCWarning(lcDriver).noquote() << "tour: cannot create" << m_folder.path();
        emit finished(false);
        return;
    }
    runStep();
}

void GuidedTour::runStep()
{
    ++m_current;
    if (m_current >= m_steps.size()) {
        qCInfo(lcDriver).noquote() << "tour: all" << m_steps.size() << "steps passed";
        emit finished(true);
        return;
    }
    const Step &step = m_steps.at(m_current);
    if (step.act && !step.act(m_probe)) {
        fail(u"could not act"_s);
        return;
    }
    m_waiting.start();
    QTimer::singleShot(pollMs, this, &GuidedTour::check);
}

void GuidedTour::check()
{
    const Step &step = m_steps.at(m_current);
    const QString missing = step.expect ? step.expect(m_probe) : QString();
    if (!missing.isEmpty()) {
        if (m_waiting.elapsed() < step.timeoutMs)
            QTimer::singleShot(pollMs, this, &GuidedTour::check);
        else
            fail(missing);
        return;
    }
    QTimer::singleShot(settleMs, this, [this] {
        save({});
        qCInfo(lcDriver).noquote()
            << "tour: step" << m_current + 1 << m_steps.at(m_current).name << "passed";
        runStep();
    });
}

void GuidedTour::save(const QString &suffix)
{
    const QString name = u"%1-%2%3.png"_s.arg(m_current + 1, 2, 10, QChar(u'0'))
                             .arg(m_steps.at(m_current).name, suffix);
    const QImage picture = m_probe.window()->grabWindow();
    if (picture.isNull() || !picture.save(m_folder.filePath(name)))
        qCWarning(lcDriver).noquote() << "tour: could not save" << name;
}

void GuidedTour::fail(const QString &why)
{
    save(u"-FAILED"_s);
    qCCritical(lcDriver).noquote()
        << "tour: step" << m_current + 1 << m_steps.at(m_current).name << "failed:" << why;
    emit finished(false);
}
