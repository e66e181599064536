// Kept name (traceability): see docs/names.md
import QtQml
import QtQuick
import Tarvo.Ui

// A menu-grid button: picture in the top 60 %, caption in the bottom 40 %, and grey lines along
// the bottom and right edges so that a grid of them shows separators.
Rectangle {
    id: button

    property alias text: caption.text
    property alias icon: picture.source
    property real pt: 1
    // The caption's type size on the design, in points.
    property real fontSize: 14
    signal clicked()

    color: tap.pressed ? Theme.pressed : Theme.page

    Image {
        id: picture
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.top
        anchors.bottomMargin: -parent.height * 0.6
        width: Math.min(parent.width, parent.height * 0.6) * 0.62
        height: width
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
        asynchronous: true
    }

    Text {
        id: caption
        anchors.bottom: parent.bottom
        width: parent.width
        height: parent.height * 0.4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.typeSize(button.fontSize) * button.pt
        color: Theme.text
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 2 * button.pt
        color: Theme.menuLine
    }
    Rectangle {
        anchors.right: parent.right
        width: 2 * button.pt
        height: parent.height
        color: Theme.menuLine
    }

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: caption.text
    Accessible.onPressAction: button.clicked()
    Keys.onSpacePressed: button.clicked()
    Keys.onReturnPressed: button.clicked()
    Keys.onEnterPressed: button.clicked()

    // Where the keyboard is.
    Rectangle {
        anchors.fill: parent
        anchors.margins: 3 * button.pt
        visible: button.activeFocus
        color: Theme.clear
        border.color: Theme.brand
        border.width: 2
    }

    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
