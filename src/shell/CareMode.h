#pragma once

#include <QLatin1StringView>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class QFont;
class QJSEngine;
class QQmlEngine;
class SettingsStore;

/// Care mode (关怀模式): larger text, stronger contrast and a home of four large actions, for
/// customers who do not see small grey text well. The QML singleton `CareMode` that `Theme`
/// reads; switched on the home screen and remembered in the settings.
///
/// Text is drawn `textFactor` times its designed size: the larger of care mode's factor and
/// the desktop's font scale, so that a desktop set to large fonts gets large text too.
/// Scaling the whole window (QT_SCALE_FACTOR, a screen's DPI) already enlarges everything and
/// is not counted again.
class CareMode : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY changed)
    /// How many times its designed size every text is drawn.
    Q_PROPERTY(qreal textFactor READ textFactor NOTIFY changed)

public:
    static constexpr QLatin1StringView settingsKey{"careMode"};
    static constexpr qreal careTextFactor = 1.3;
    /// Beyond this the screens' fixed rows and buttons could no longer hold their text.
    static constexpr qreal largestTextFactor = 1.5;
    /// The font size desktops set by default: an application font of this size means the
    /// customer asked for nothing larger.
    static constexpr qreal usualPointSize = 10;

    /// Starts as the settings say. Without settings care mode starts off and is not
    /// remembered. Follows the application font while the app runs.
    explicit CareMode(SettingsStore *settings, QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    /// Switches care mode and remembers the choice.
    void setEnabled(bool enabled);
    /// On for this run only (`tarvo --care`); the remembered choice stays as it is.
    void enableForRun();

    qreal textFactor() const { return textFactorFor(m_enabled, m_desktopFontScale); }
    void setDesktopFontScale(qreal scale);

    /// The larger of care mode's factor (when on) and the desktop's font scale, never below
    /// the design's sizes and at most `largestTextFactor`.
    static qreal textFactorFor(bool careMode, qreal desktopFontScale);
    /// How much larger than usual the desktop's font is: its size over `usualPointSize`.
    static qreal desktopFontScaleOf(const QFont &applicationFont);

    /// Makes this the `CareMode` singleton of the engine's QML; before the first load.
    void serve(QQmlEngine &engine);
    /// The singleton for QML: the one served, or, for an engine served none, care mode off.
    static CareMode *create(QQmlEngine *engine, QJSEngine *);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void changed();

private:
    void set(bool enabled);

    SettingsStore *m_settings;
    bool m_enabled = false;
    qreal m_desktopFontScale = 1;
};
