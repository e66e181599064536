import QtQml
import QtQuick
import Tarvo.Ui

// The green top of the sign-in and registration screens: the screen's name and a line below.
Rectangle {
    id: header

    property string title
    property string subtitle
    property real pt: 1

    color: Theme.brand

    Column {
        anchors.centerIn: parent
        spacing: 8 * header.pt
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: header.title
            color: Theme.brandText
            font.pixelSize: Theme.typeSize(26) * header.pt
            font.bold: true
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: header.subtitle
            color: Theme.brandText
            font.pixelSize: Theme.typeSize(14) * header.pt
        }
    }
}
