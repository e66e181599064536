import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Shell

// The home screen: the carousel on top and the menu grid of the nine functions.
ScreenPage {
    id: home

    readonly property HomeViewController homeScreen: controller as HomeViewController
    readonly property var menu: [
        { text: qsTr("水电气缴费"), icon: "menu_pay", action: () => homeScreen.WaterPayBtnClick() },
        { text: qsTr("缴费记录"), icon: "menu_records", action: () => homeScreen.PayReconderBtnClick() },
        { text: qsTr("我的红包"), icon: "menu_hongbao", action: () => homeScreen.myHongBao() },
        { text: qsTr("公告通知"), icon: "menu_notices", action: () => homeScreen.notificationBtnClick() },
        { text: qsTr("服务指南"), icon: "menu_guide", action: () => homeScreen.serviceGuaidBtnClick() },
        { text: qsTr("水电气宣传"), icon: "menu_publicity", action: () => homeScreen.advertiseBtnClick() },
        { text: qsTr("营业网点"), icon: "menu_outlets", action: () => homeScreen.webSearchBtnClick() },
        { text: qsTr("常见问题"), icon: "menu_questions", action: () => homeScreen.changJianWenTi() },
        { text: qsTr("关于我们"), icon: "menu_about", action: () => homeScreen.aboutMeBtnClick() }
    ]

    onHeightChanged: if (homeScreen) homeScreen.layoutForScreenHeight(height)
    Component.onCompleted: homeScreen.layoutForScreenHeight(height)

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: width
        contentHeight: contenView.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: contenView
            width: scrollView.width

            Loader {
                width: parent.width
                height: 140 * home.pt
                active: home.homeScreen.wheelPhotoView !== null
                sourceComponent: Carousel {
                    wheel: home.homeScreen.wheelPhotoView
                    pt: home.pt
                }
            }

            Grid {
                id: grid
                columns: 3
                width: parent.width
                readonly property real cellHeight:
                    Math.max(96 * home.pt, (scrollView.height - 140 * home.pt
                                            + home.homeScreen.heightConstraint * home.pt) / 3)

                Repeater {
                    model: home.menu
                    KTMeLineBtn {
                        required property var modelData
                        width: grid.width / 3
                        height: grid.cellHeight
                        pt: home.pt
                        text: modelData.text
                        icon: "qrc:/tarvo/images/" + modelData.icon + ".svg"
                        onClicked: modelData.action()
                    }
                }
            }
        }
    }
}
