import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Shell

// The home screen: the carousel on top, the care mode switch, and the menu grid of the nine
// functions. In care mode the carousel goes and four large actions lead; the other functions
// are one tap further, under "更多服务".
ScreenPage {
    id: home

    readonly property HomeViewController homeScreen: controller as HomeViewController
    readonly property var menu: [
        { text: qsTr("水电气缴费"), careText: qsTr("缴费"), icon: "menu_pay", lead: true,
          action: () => homeScreen.WaterPayBtnClick() },
        { text: qsTr("缴费记录"), icon: "menu_records", lead: true,
          action: () => homeScreen.PayReconderBtnClick() },
        { text: qsTr("我的红包"), icon: "menu_hongbao", action: () => homeScreen.myHongBao() },
        { text: qsTr("公告通知"), icon: "menu_notices", lead: true,
          action: () => homeScreen.notificationBtnClick() },
        { text: qsTr("服务指南"), icon: "menu_guide", action: () => homeScreen.serviceGuaidBtnClick() },
        { text: qsTr("水电气宣传"), icon: "menu_publicity", action: () => homeScreen.advertiseBtnClick() },
        { text: qsTr("营业网点"), icon: "menu_outlets", lead: true,
          action: () => homeScreen.webSearchBtnClick() },
        { text: qsTr("常见问题"), icon: "menu_questions", action: () => homeScreen.changJianWenTi() },
        { text: qsTr("关于我们"), icon: "menu_about", action: () => homeScreen.aboutMeBtnClick() }
    ]
    readonly property bool careMode: homeScreen.careMode
    readonly property real switchHeight: Math.max(56, Theme.typeSize(16) + Theme.typeSize(12) * 2.6)
    // Care mode's "更多服务" list is open.
    property bool moreShown: false

    function iconOf(item) { return "qrc:/tarvo/images/" + item.icon + ".svg" }

    onHeightChanged: if (homeScreen) homeScreen.layoutForScreenHeight(height)
    onCareModeChanged: moreShown = false
    Component.onCompleted: homeScreen.layoutForScreenHeight(height)

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: width
        contentHeight: contenView.height
        boundsBehavior: Flickable.StopAtBounds
        // The list that "更多服务" opens scrolls into view as it grows.
        onContentHeightChanged: if (home.moreShown)
            contentY = Math.max(0, contentHeight - height)

        Column {
            id: contenView
            width: scrollView.width

            Loader {
                width: parent.width
                height: 140 * home.pt
                visible: !home.careMode
                active: home.homeScreen.wheelPhotoView !== null && !home.careMode
                sourceComponent: Carousel {
                    wheel: home.homeScreen.wheelPhotoView
                    pt: home.pt
                }
            }

            CareModeSwitch {
                width: parent.width
                height: home.switchHeight * home.pt
                pt: home.pt
                checked: home.careMode
                onToggled: home.homeScreen.careMode = !home.homeScreen.careMode
            }

            Grid {
                id: grid
                visible: !home.careMode
                columns: 3
                width: parent.width
                readonly property real cellHeight:
                    Math.max(96 * home.pt, (scrollView.height - (140 + home.switchHeight) * home.pt
                                            + home.homeScreen.heightConstraint * home.pt) / 3)

                Repeater {
                    model: home.careMode ? [] : home.menu
                    KTMeLineBtn {
                        required property var modelData
                        width: grid.width / 3
                        height: grid.cellHeight
                        pt: home.pt
                        text: modelData.text
                        icon: home.iconOf(modelData)
                        onClicked: modelData.action()
                    }
                }
            }

            // Care mode: the four functions most customers come for, large.
            Grid {
                id: leading
                visible: home.careMode
                columns: 2
                width: parent.width
                readonly property real cellHeight:
                    Math.max(130 * home.pt, (scrollView.height - (home.switchHeight + 64) * home.pt) / 2)

                Repeater {
                    model: home.careMode ? home.menu.filter(item => item.lead) : []
                    KTMeLineBtn {
                        required property var modelData
                        width: leading.width / 2
                        height: leading.cellHeight
                        pt: home.pt
                        fontSize: 20
                        text: modelData.careText ?? modelData.text
                        icon: home.iconOf(modelData)
                        onClicked: modelData.action()
                    }
                }
            }

            MenuRow {
                objectName: "moreServices"
                visible: home.careMode
                width: parent.width
                height: 64 * home.pt
                pt: home.pt
                text: home.moreShown ? qsTr("收起更多服务") : qsTr("更多服务")
                icon: "qrc:/tarvo/images/menu_guide.svg"
                onClicked: home.moreShown = !home.moreShown
            }

            Repeater {
                model: home.careMode && home.moreShown ? home.menu.filter(item => !item.lead) : []
                MenuRow {
                    required property var modelData
                    width: contenView.width
                    height: 64 * home.pt
                    pt: home.pt
                    text: modelData.text
                    icon: home.iconOf(modelData)
                    onClicked: modelData.action()
                }
            }
        }
    }
}
