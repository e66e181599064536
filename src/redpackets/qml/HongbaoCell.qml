import QtQml
import QtQuick
import Tarvo.Ui

// One red packet in "我的红包": the amount large on the left, the validity date on the right
// under a small caption. It takes no touches.
Rectangle {
    id: cell

    property alias amount: amountLabel.text
    property alias date: dateLabel.text
    property real pt: 1

    color: Theme.page
    Accessible.role: Accessible.ListItem
    Accessible.name: amount + " " + qsTr("有效期至") + " " + date

    Rectangle {
        id: stripe
        width: 6 * cell.pt
        height: parent.height
        color: Theme.redPacket
    }

    Text {
        id: amountLabel
        objectName: "hongBaoAmount"
        anchors.left: stripe.right
        anchors.leftMargin: 16 * cell.pt
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width * 0.45
        elide: Text.ElideRight
        font.pixelSize: Theme.typeSize(26) * cell.pt
        font.bold: true
        color: Theme.redPacket
    }

    Text {
        anchors.right: dateLabel.right
        anchors.bottom: dateLabel.top
        anchors.bottomMargin: 4 * cell.pt
        visible: dateLabel.text !== ""
        text: qsTr("有效期至")
        font.pixelSize: Theme.typeSize(12) * cell.pt
        color: Theme.placeholder
    }

    Text {
        id: dateLabel
        objectName: "hongBaoDate"
        anchors.right: parent.right
        anchors.rightMargin: 16 * cell.pt
        anchors.left: amountLabel.right
        anchors.leftMargin: 8 * cell.pt
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: 8 * cell.pt
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideLeft
        font.pixelSize: Theme.typeSize(14) * cell.pt
        color: Theme.quietText
    }
}
