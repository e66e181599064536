import QtQuick

// One marker: its image stands with the tip of the pin on the outlet.
Image {
    id: marker

    required property var view
    required property real pt
    signal tapped()

    objectName: view.objectName
    width: 24 * pt
    height: 32 * pt
    x: view.point.x * pt - width / 2
    y: view.point.y * pt - height
    z: view.selected ? 1 : 0
    scale: view.selected ? 1.15 : 1 // the callout leaves room for this
    transformOrigin: Item.Bottom
    sourceSize: Qt.size(width, height)
    source: view.image

    MouseArea {
        anchors.fill: parent
        anchors.margins: -8 * marker.pt
        onClicked: marker.tapped()
    }
}
