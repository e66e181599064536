import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.RedPackets

// The red packet sheet over the whole window: a dimmed backdrop and the card, which springs
// open and shrinks away once the customer has chosen or touched outside the list. Escape closes
// it without a choice, as a touch outside does; Tab and Space choose from the keyboard.
ScreenPage {
    id: sheet

    readonly property LPHongBaoView packets: controller as LPHongBaoView
    readonly property real columnPoints: column.width / pt
    readonly property var geometry: packets.hasCard ? packets.sheetGeometry(columnPoints)
                                                    : undefined
    // The card as designed, pulled up and cut short where the window is too low for it.
    readonly property real cardY: geometry === undefined ? 0
        : Math.max(8, Math.min(geometry.card.y, height / pt - geometry.card.height - 8))
    readonly property real cardHeight: geometry === undefined ? 0
        : Math.min(geometry.card.height, height / pt - 16)

    showsNavigationBar: false
    shade: Theme.sheetScrim
    onBackgroundTapped: packets.touchOutside()
    onBackRequested: packets.touchOutside()

    Component.onCompleted: opening.start()

    Rectangle {
        id: card
        objectName: "hongBaoCard"
        visible: sheet.geometry !== undefined
        x: visible ? sheet.geometry.card.x * sheet.pt : 0
        y: sheet.cardY * sheet.pt
        width: visible ? sheet.geometry.card.width * sheet.pt : 0
        height: sheet.cardHeight * sheet.pt
        radius: 5 * sheet.pt
        color: Theme.brand
        clip: true
        scale: 0.1
        Accessible.role: Accessible.Dialog
        Accessible.name: qsTr("红包信息")

        // The card's title area closes without a choice, as the backdrop does.
        MouseArea {
            anchors.fill: parent
            onClicked: sheet.packets.touchOutside()
        }

        Text {
            x: card.visible ? sheet.geometry.title.x * sheet.pt : 0
            y: card.visible ? sheet.geometry.title.y * sheet.pt : 0
            width: card.visible ? sheet.geometry.title.width * sheet.pt : 0
            height: card.visible ? sheet.geometry.title.height * sheet.pt : 0
            verticalAlignment: Text.AlignVCenter
            text: qsTr("红包信息")
            color: Theme.brandText
            font.pixelSize: Theme.typeSize(19) * sheet.pt
        }

        Rectangle {
            y: card.visible ? sheet.geometry.line.y * sheet.pt : 0
            width: card.width
            height: card.visible ? sheet.geometry.line.height * sheet.pt : 0
            color: Theme.sheetRule
        }

        // White under the rows, with the card's rounded corners at the bottom: the rows draw
        // no background of their own, so nothing square shows past the corners.
        Rectangle {
            id: listBackground
            y: card.visible ? sheet.geometry.list.y * sheet.pt : 0
            width: card.width
            height: card.height - y
            radius: card.radius
            color: Theme.page

            Rectangle {
                width: parent.width
                height: parent.radius
                color: Theme.page
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
            interactive: !sheet.packets.closing
            model: sheet.packets.rowTitles
            Accessible.role: Accessible.List
            ScrollIndicator.vertical: ScrollIndicator {}
            delegate: LPHongBaoCell {
                required property int index
                required property string modelData
                width: list.width
                height: card.visible ? sheet.geometry.rowHeight * sheet.pt : 0
                pt: sheet.pt
                title: modelData
                marked: index === sheet.packets.flag
                onTapped: sheet.packets.chooseRow(index)
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
        onFinished: sheet.packets.dismiss()
    }

    Connections {
        target: sheet.packets
        function onClosingChanged() {
            if (!sheet.packets.closing)
                return
            opening.stop()
            if (card.visible)
                closing.start()
            else
                sheet.packets.dismiss()
        }
    }
}
