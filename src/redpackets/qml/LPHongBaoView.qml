import QtQuick
import Tarvo

// The red packet sheet over the whole window: a dimmed backdrop and the card, which springs
// open and shrinks away once the customer has chosen or touched outside the list. The page
// itself has no background, so the screen beneath shows through the backdrop.
Item {
    id: sheet

    required property ViewController controller
    readonly property real pt: width / 375
    readonly property var geometry: controller.hasCard ? controller.sheetGeometry(width / pt)
                                                       : undefined

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.5)
    }

    // The backdrop and the card's title area: both close without a choice.
    MouseArea {
        anchors.fill: parent
        onClicked: sheet.controller.touchOutside()
    }

    Rectangle {
        id: card
        objectName: "hongBaoCard"
        visible: sheet.geometry !== undefined
        x: visible ? sheet.geometry.card.x * sheet.pt : 0
        y: visible ? sheet.geometry.card.y * sheet.pt : 0
        width: visible ? sheet.geometry.card.width * sheet.pt : 0
        height: visible ? sheet.geometry.card.height * sheet.pt : 0
        radius: 5 * sheet.pt
        color: Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)
        clip: true
        scale: 0.1

        Text {
            x: card.visible ? sheet.geometry.title.x * sheet.pt : 0
            y: card.visible ? sheet.geometry.title.y * sheet.pt : 0
            width: card.visible ? sheet.geometry.title.width * sheet.pt : 0
            height: card.visible ? sheet.geometry.title.height * sheet.pt : 0
            verticalAlignment: Text.AlignVCenter
            text: qsTr("红包信息")
            color: "white"
            font.pixelSize: 19 * sheet.pt
        }

        Rectangle {
            y: card.visible ? sheet.geometry.line.y * sheet.pt : 0
            width: card.width
            height: card.visible ? sheet.geometry.line.height * sheet.pt : 0
            color: "blue"
        }

        // White under the rows, with the card's rounded corners at the bottom: the rows draw
        // no background of their own, so nothing square shows past the corners.
        Rectangle {
            id: listBackground
            y: card.visible ? sheet.geometry.list.y * sheet.pt : 0
            width: card.width
            height: card.height - y
            radius: card.radius
            color: "white"

            Rectangle {
                width: parent.width
                height: parent.radius
                color: "white"
            }
        }

        ListView {
            id: list
            objectName: "hongBaoList"
            y: listBackground.y
            width: listBackground.width
            height: listBackground.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            interactive: !sheet.controller.closing
            model: sheet.controller.rowTitles
            delegate: LPHongBaoCell {
                required property int index
                required property string modelData
                width: list.width
                height: card.visible ? sheet.geometry.rowHeight * sheet.pt : 0
                pt: sheet.pt
                title: modelData
                marked: index === sheet.controller.flag
                onTapped: sheet.controller.chooseRow(index)
            }
        }
    }

    // A spring with damping 0.5 overshoots by about 16 %; OutBack with this overshoot matches.
    NumberAnimation {
        id: opening
        target: card
        property: "scale"
        from: 0.1
        to: 1
        duration: 300
        easing.type: Easing.OutBack
        easing.overshoot: 2.3
    }

    NumberAnimation {
        id: closing
        target: card
        property: "scale"
        to: 0.01
        duration: 300
        easing.type: Easing.OutCubic
        onFinished: sheet.controller.dismiss()
    }

    Connections {
        target: sheet.controller
        function onClosingChanged() {
            if (!sheet.controller.closing)
                return
            opening.stop()
            if (card.visible)
                closing.start()
            else
                sheet.controller.dismiss()
        }
    }

    Component.onCompleted: {
        controller.viewDidLoad()
        opening.start()
    }
    Component.onDestruction: Navigator.release(controller)
}
