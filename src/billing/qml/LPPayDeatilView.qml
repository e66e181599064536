import QtQuick
import "../shell"

// The arrears detail screen: one row per bill, and below the last one the "缴费" button.
ScreenPage {
    id: page

    readonly property real screenW: 375

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        visible: page.controller.footerVisible
        model: page.controller.rows
        header: Item { height: 10 * page.pt }
        spacing: 10 * page.pt

        delegate: LPPayDetailCell {
            required property var modelData
            x: 10 * page.pt
            width: list.width - 20 * page.pt
            height: page.screenW * 80 / 320 * page.pt
            pt: page.pt
            date: modelData.date
            type: modelData.type
            amount: modelData.amount
        }

        footer: Item {
            width: list.width
            height: page.screenW * 80 / 320 * page.pt

            Rectangle {
                objectName: "payBtn"
                anchors.centerIn: parent
                width: page.screenW * 150 / 320 * page.pt
                height: page.screenW * 40 / 320 * page.pt
                radius: 5 * page.pt
                border.color: "grey"
                border.width: 1

                Text {
                    anchors.centerIn: parent
                    text: qsTr("缴费")
                    color: "black"
                    font.pixelSize: 16 * page.pt
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: page.controller.pay()
                }
            }
        }
    }

    Text {
        objectName: "tipLable"
        anchors.centerIn: parent
        width: parent.width
        visible: page.controller.tipLableVisible
        horizontalAlignment: Text.AlignHCenter
        text: qsTr("暂无数据!")
        color: "grey"
        font.pixelSize: page.screenW * 15 / 320 * page.pt
    }
}
