import QtQml
import QtQuick
import Tarvo.Ui

// One payment in the record list: three caption and value lines on a rounded white row.
Rectangle {
    id: cell

    required property var lines
    property real pt: 1
    // One point of the 320-point design the font sizes are given in.
    property real u: 1

    radius: 10 * pt
    clip: true
    color: Theme.page
    Accessible.role: Accessible.ListItem
    Accessible.name: cell.lines.map(line => line.caption + " " + line.value).join("，")

    Repeater {
        model: cell.lines
        Item {
            id: line
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
                text: line.modelData.caption
                font.pixelSize: Theme.typeSize(15) * cell.u
                color: Theme.strongText
            }
            Text {
                x: parent.width - 30 * cell.pt - width
                width: 100 * cell.pt
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: line.modelData.value
                font.pixelSize: Theme.typeSize(14) * cell.u
                color: Theme.strongText
            }
        }
    }
}
