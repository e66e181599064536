import QtQuick

// One payment in the record list: three caption and value lines on a rounded white row.
Rectangle {
    id: cell

    required property var lines
    property real pt: 1
    // One point of the 320-point design the font sizes are given in.
    property real u: 1

    radius: 10 * pt
    clip: true
    color: "white"

    Repeater {
        model: cell.lines
        Item {
            required property int index
            required property var modelData
            y: index * 30 * cell.pt
            width: cell.width
            height: 30 * cell.pt

            Text {
                x: 25 * cell.pt
                width: 150 * cell.pt
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: modelData.caption
                font.pixelSize: 15 * cell.u
                color: "black"
            }
            Text {
                x: parent.width - 30 * cell.pt - width
                width: 100 * cell.pt
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: modelData.value
                font.pixelSize: 14 * cell.u
                color: "black"
            }
        }
    }
}
