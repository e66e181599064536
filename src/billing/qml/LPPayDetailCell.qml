import QtQml
import QtQuick
import Tarvo.Ui

// One bill on the arrears detail screen: its month, its kind and its amount.
Rectangle {
    id: cell

    property alias date: dateLable.text
    property alias type: typeLable.text
    property alias amount: amountLable.text
    property real pt: 1

    radius: 5 * pt
    color: Theme.detailRow
    border.color: Theme.detailRowBorder
    border.width: 1
    Accessible.role: Accessible.ListItem
    Accessible.name: date + " " + type + " " + amount

    Text {
        id: dateLable
        objectName: "dateLable"
        x: 14 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.typeSize(16) * cell.pt
        color: Theme.text
    }

    Text {
        id: typeLable
        objectName: "typeLable"
        anchors.centerIn: parent
        font.pixelSize: Theme.typeSize(16) * cell.pt
        color: Theme.text
    }

    Text {
        id: amountLable
        objectName: "amountLable"
        anchors.right: parent.right
        anchors.rightMargin: 14 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.typeSize(16) * cell.pt
        color: Theme.money
    }
}
