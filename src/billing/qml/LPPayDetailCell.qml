import QtQuick

// One bill on the arrears detail screen: its month, its kind and its amount.
Rectangle {
    id: cell

    property alias date: dateLable.text
    property alias type: typeLable.text
    property alias amount: amountLable.text
    property real pt: 1

    radius: 5 * pt
    color: "#f4f4f4"
    border.color: "#e0e0e0"
    border.width: 1

    Text {
        id: dateLable
        objectName: "dateLable"
        x: 14 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 16 * cell.pt
        color: "#333333"
    }

    Text {
        id: typeLable
        objectName: "typeLable"
        anchors.centerIn: parent
        font.pixelSize: 16 * cell.pt
        color: "#333333"
    }

    Text {
        id: amountLable
        objectName: "amountLable"
        anchors.right: parent.right
        anchors.rightMargin: 14 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 16 * cell.pt
        color: "red"
    }
}
