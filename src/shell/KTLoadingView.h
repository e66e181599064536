#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class ViewController;

/// The waiting indicator: a ring of fifteen pulsing dots on a dark square, over a cover
/// layer that takes every touch on the screen beneath.
///
/// One per wait: made with the screen, started, given its dot type, ended.
// Kept name (traceability): see docs/names.md
class KTLoadingView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(int type READ type NOTIFY typeChanged)
    Q_PROPERTY(bool circularDots READ circularDots NOTIFY typeChanged)
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(double duration READ duration CONSTANT)
    Q_PROPERTY(int dotCount READ dotCount CONSTANT)
    Q_PROPERTY(bool animating READ isAnimating NOTIFY animatingChanged)

public:
    /// Made for the screen it will cover; nothing is shown yet.
    // Kept name (traceability): see docs/names.md
    explicit KTLoadingView(ViewController *spView);
    ~KTLoadingView() override;

    int type() const { return m_type; }
    /// Type 0 gives round dots; any other type leaves them square.
    void setType(int type);
    bool circularDots() const { return m_circularDots; }

    /// Seconds one dot takes to shrink from full size to a tenth.
    double duration() const { return 1.0; }
    int dotCount() const { return 15; }
    bool isAnimating() const { return m_animating; }

    // Kept name (traceability): see docs/names.md
    void startAnimation();
    void endAnimation();

signals:
    void typeChanged();
    void animatingChanged();

private:
    QPointer<ViewController> m_spView;
    int m_type = 0;
    // The dots are square until a type is set, as the ring is made.
    bool m_circularDots = false;
    bool m_animating = false;
};
