#pragma once

#include "BaseViewController.h"
#include "KTWheelPhotoView.h"
#include "ScreenServices.h"

#include <QUrl>
#include <QtQml/qqmlregistration.h>

/// The home screen, root of the navigation stack: the carousel and the menu of functions.
/// It puts sign-in in front of itself when it loads.
class HomeViewController : public BaseViewController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Shell/HomeView.qml")
    Q_PROPERTY(KTWheelPhotoView *wheelPhotoView READ wheelPhotoView NOTIFY wheelPhotoViewChanged)
    /// How much shorter the content is laid out on a short screen.
    Q_PROPERTY(int heightConstraint READ heightConstraint NOTIFY heightConstraintChanged)
    /// Care mode (关怀模式): larger text and contrast everywhere, and home as four large
    /// actions with the others under "更多服务". Remembered once switched.
    Q_PROPERTY(bool careMode READ careMode WRITE setCareMode NOTIFY careModeChanged)

public:
    /// Paths of the carousel pictures on the company website, in display order.
    static const QStringList wheelPicturePaths;
    static constexpr qreal wheelHeight = 140;

    HomeViewController(Navigator *navigator, const ScreenServices &services,
                       QObject *parent = nullptr);

    KTWheelPhotoView *wheelPhotoView() const { return m_wheelPhotoView; }
    int heightConstraint() const { return m_heightConstraint; }
    bool careMode() const;
    void setCareMode(bool on);

    void viewDidLoad() override;
    /// The window's height decides the short-screen layout.
    Q_INVOKABLE void layoutForScreenHeight(qreal height);

    Q_INVOKABLE void notificationBtnClick();
    Q_INVOKABLE void myHongBao();
    Q_INVOKABLE void changJianWenTi();
    Q_INVOKABLE void WaterPayBtnClick();
    Q_INVOKABLE void PayReconderBtnClick();
    Q_INVOKABLE void webSearchBtnClick();
    Q_INVOKABLE void serviceGuaidBtnClick();
    Q_INVOKABLE void advertiseBtnClick();
    Q_INVOKABLE void aboutMeBtnClick();

signals:
    void wheelPhotoViewChanged();
    void heightConstraintChanged();
    void careModeChanged();

private:
    ScreenServices m_services;
    KTWheelPhotoView *m_wheelPhotoView = nullptr;
    int m_heightConstraint = 0;
};
