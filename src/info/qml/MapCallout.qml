import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Info

// The open marker's callout: the outlet's name over its address, above the marker (below it
// when the map has no room above), kept inside the map's sides.
Item {
    id: callout

    required property MyAnnotationView view
    required property real pt
    required property real markerHeight
    readonly property real margin: 8 * pt
    readonly property real pointer: 8 * pt
    readonly property real tipX: view ? view.point.x * pt : 0
    readonly property real tipY: view ? view.point.y * pt : 0
    readonly property bool above: tipY - markerHeight - pointer - bubble.height >= 0

    objectName: "callout"
    visible: view !== null
    anchors.fill: parent

    Rectangle {
        id: bubble
        width: Math.min(Math.max(title.implicitWidth, subtitle.implicitWidth) + 2 * padding,
                        callout.width - 2 * callout.margin)
        height: texts.implicitHeight + 2 * padding
        x: Math.max(callout.margin, Math.min(callout.tipX - width / 2,
                                             callout.width - width - callout.margin))
        y: callout.above ? callout.tipY - callout.markerHeight - callout.pointer - height
                         : callout.tipY + callout.pointer
        radius: 8 * callout.pt
        color: Theme.page
        border.color: Theme.separator
        border.width: Math.max(1, 0.5 * callout.pt)

        readonly property real padding: 10 * callout.pt

        // The pointer towards the marker: a square turned on its corner, under the bubble.
        Rectangle {
            width: callout.pointer * Math.SQRT2
            height: width
            rotation: 45
            color: Theme.page
            border.color: bubble.border.color
            border.width: bubble.border.width
            x: callout.tipX - bubble.x - width / 2
            y: callout.above ? parent.height - height / 2 : -height / 2
            z: -1
        }

        // Taps on the callout stay on it.
        MouseArea { anchors.fill: parent }
        Accessible.role: Accessible.ToolTip
        Accessible.name: title.text + " " + subtitle.text

        Column {
            id: texts
            x: bubble.padding
            y: bubble.padding
            width: bubble.width - 2 * bubble.padding
            spacing: 4 * callout.pt

            Text {
                id: title
                width: parent.width
                visible: text !== ""
                text: callout.view?.annotation?.title ?? ""
                wrapMode: Text.Wrap
                font.pixelSize: Theme.typeSize(15) * callout.pt
                font.bold: true
                color: Theme.titleText
            }
            Text {
                id: subtitle
                width: parent.width
                visible: text !== ""
                text: callout.view?.annotation?.subtitle ?? ""
                wrapMode: Text.Wrap
                font.pixelSize: Theme.typeSize(13) * callout.pt
                color: Theme.secondaryText
            }
        }
    }
}
