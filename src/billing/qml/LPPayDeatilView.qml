import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Billing

// The arrears detail screen: one row per bill, and below the last one the "缴费" button.
ScreenPage {
    id: page

    readonly property LPPayDeatilViewController details: controller as LPPayDeatilViewController
    readonly property real screenW: 375

    ListView {
        id: list
        objectName: "billList"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        visible: page.details.footerVisible
        model: page.details.rows
        header: Item { height: 10 * page.pt }
        spacing: 10 * page.pt
        Accessible.role: Accessible.List
        ScrollIndicator.vertical: ScrollIndicator {}

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

            PrimaryButton {
                objectName: "payBtn"
                anchors.centerIn: parent
                width: page.screenW * 150 / 320 * page.pt
                height: page.screenW * 40 / 320 * page.pt
                pt: page.pt
                filled: false
                cornerRadius: 5
                fontSize: 16
                textColor: Theme.strongText
                borderColor: Theme.outline
                text: qsTr("缴费")
                onClicked: page.details.pay()
            }
        }
    }

    Text {
        objectName: "tipLable"
        anchors.centerIn: parent
        width: parent.width
        visible: page.details.tipLableVisible
        horizontalAlignment: Text.AlignHCenter
        text: qsTr("暂无数据!")
        color: Theme.outline
        font.pixelSize: Theme.typeSize(page.screenW * 15 / 320) * page.pt
    }
}
