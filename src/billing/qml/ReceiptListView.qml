import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Billing

// The saved receipts, newest first: one row per receipt with its account, time and amount
// paid. A tap, or Enter on a row reached with Tab, opens it.
ScreenPage {
    id: page

    readonly property ReceiptListViewController receipts: controller as ReceiptListViewController

    Rectangle {
        width: page.width
        x: -page.column.x
        height: parent.height
        color: Theme.groupedPage
    }

    ListView {
        id: list
        objectName: "receiptList"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: page.receipts.rows
        header: Item { height: 10 * page.pt }
        spacing: 10 * page.pt
        Accessible.role: Accessible.List
        ScrollIndicator.vertical: ScrollIndicator {}

        delegate: Rectangle {
            id: row
            required property var modelData
            required property int index
            objectName: "receiptRow"
            x: 10 * page.pt
            width: list.width - 20 * page.pt
            height: 64 * page.pt
            radius: 8 * page.pt
            color: tap.pressed ? Theme.pressed : Theme.page
            border.color: activeFocus ? Theme.brandPressed : Theme.clear
            border.width: activeFocus ? 2 : 0
            activeFocusOnTab: true
            // The keys start at the newest receipt; Tab walks on from there.
            focus: index === 0
            Accessible.role: Accessible.Button
            Accessible.name: modelData.name
            Accessible.onPressAction: page.receipts.openReceipt(index)
            Keys.onSpacePressed: page.receipts.openReceipt(index)
            Keys.onReturnPressed: page.receipts.openReceipt(index)
            Keys.onEnterPressed: page.receipts.openReceipt(index)

            Text {
                x: 16 * page.pt
                y: 10 * page.pt
                text: qsTr("户号 %1").arg(row.modelData.account)
                font.pixelSize: Theme.bodySize * page.pt
                color: Theme.strongText
            }
            Text {
                x: 16 * page.pt
                y: 36 * page.pt
                text: row.modelData.time
                font.pixelSize: 13 * page.pt
                color: Theme.quietText
            }
            Text {
                objectName: "receiptAmount"
                anchors.right: parent.right
                anchors.rightMargin: 16 * page.pt
                anchors.verticalCenter: parent.verticalCenter
                text: row.modelData.amount
                font.pixelSize: Theme.bodySize * page.pt
                color: Theme.money
            }
            MouseArea {
                id: tap
                anchors.fill: parent
                onClicked: page.receipts.openReceipt(row.index)
            }
        }
    }

    Text {
        objectName: "noReceipts"
        anchors.centerIn: parent
        width: parent.width - 40 * page.pt
        visible: list.count === 0
        horizontalAlignment: Text.AlignHCenter
        // A folder path has no blanks to break at.
        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        text: qsTr("暂无电子凭证\n缴费成功后凭证会保存在：%1").arg(page.receipts.folderPath)
        font.pixelSize: Theme.smallSize * page.pt
        color: Theme.outline
    }
}
