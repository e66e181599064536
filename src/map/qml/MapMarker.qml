import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Map

// One marker: its image stands with the tip of the pin on the outlet.
Image {
    id: marker

    required property MyAnnotationView view
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
    sourceSize.width: width
    sourceSize.height: height
    source: view.image
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: view.annotation?.title ?? ""
    Accessible.description: view.annotation?.subtitle ?? ""
    Accessible.onPressAction: marker.tapped()
    Keys.onSpacePressed: marker.tapped()
    Keys.onReturnPressed: marker.tapped()
    Keys.onEnterPressed: marker.tapped()

    MouseArea {
        anchors.fill: parent
        anchors.margins: -8 * marker.pt
        onClicked: marker.tapped()
    }
}
