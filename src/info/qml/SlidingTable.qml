import QtQml
import QtQuick
import Tarvo.Ui

// The bordered list with round corners of the notice, guide and publicity screens. Its rows
// slide in from the right, one after another, and spring into place.
Item {
    id: table

    property alias model: rows.model
    property real rowHeight: 50
    // The table is this much shorter than its rows; the top and bottom rows share the cut.
    property real trim: 0
    // How far a row starts to the right: the width of the screen.
    property real slideDistance: width
    property real pt: 1
    // What a row shows left of its disclosure indicator; its `entry` is the row's model entry.
    property Component rowContent
    signal selected(int row)

    // What a screen reader says for a row: the entry itself, or its title and date.
    function accessibleName(entry) {
        return typeof entry === "string" ? entry
                                         : [entry.title ?? "", entry.subTitle ?? ""].join(" ")
    }

    clip: true

    Column {
        y: -table.trim / 2
        width: parent.width

        Repeater {
            id: rows

            Item {
                id: row
                required property var modelData
                required property int index
                width: table.width
                height: table.rowHeight
                activeFocusOnTab: true
                Accessible.role: Accessible.ListItem
                Accessible.name: table.accessibleName(row.modelData)
                Accessible.onPressAction: table.selected(row.index)
                Keys.onSpacePressed: table.selected(row.index)
                Keys.onReturnPressed: table.selected(row.index)
                Keys.onEnterPressed: table.selected(row.index)

                Rectangle {
                    id: cell
                    width: parent.width
                    height: parent.height
                    x: table.slideDistance
                    color: tap.pressed || row.activeFocus ? Theme.pressed : Theme.page

                    Loader {
                        id: content
                        anchors.left: parent.left
                        anchors.leftMargin: 15 * table.pt
                        anchors.right: chevron.left
                        anchors.rightMargin: 8 * table.pt
                        anchors.verticalCenter: parent.verticalCenter
                        sourceComponent: table.rowContent
                    }
                    // Each row content has an `entry`; which kind of item it is, is the
                    // screen's choice.
                    Binding {
                        target: content.item
                        property: "entry"
                        value: row.modelData
                    }

                    Text {
                        id: chevron
                        anchors.right: parent.right
                        anchors.rightMargin: 12 * table.pt
                        anchors.verticalCenter: parent.verticalCenter
                        text: "\u203a"
                        color: Theme.placeholder
                        font.pixelSize: Theme.typeSize(26) * table.pt
                    }

                    Rectangle {
                        visible: row.index < rows.count - 1
                        anchors.bottom: parent.bottom
                        width: parent.width
                        height: Math.max(1, 0.5 * table.pt)
                        color: Theme.separator
                    }

                    MouseArea {
                        id: tap
                        anchors.fill: parent
                        onClicked: table.selected(row.index)
                    }

                    SequentialAnimation {
                        running: true
                        PauseAnimation { duration: row.index * 50 }
                        NumberAnimation {
                            target: cell
                            property: "x"
                            to: 0
                            duration: 1000
                            // A spring with damping 0.5: one clear overshoot, then it settles.
                            easing.type: Easing.OutElastic
                            easing.amplitude: 1
                            easing.period: 0.6
                        }
                    }
                }
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.clear
        radius: 15 * table.pt
        border.color: Theme.tableBorder
        border.width: 2 * table.pt
    }
}
