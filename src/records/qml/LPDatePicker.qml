import QtQuick
import QtQuick.Controls
import "../shell"

// The date picker over the whole window: a dimmed layer that closes it when tapped, and a
// white panel with the year, month and day wheels, "取消" and "确定". The panel keeps its
// own touches. Sizes follow the width on a 320-point basis.
Item {
    id: overlay

    required property var picker
    readonly property real u: width / 320

    visible: picker.open || closing.running

    // The wheels roll to the picker's date; `at once` puts them there without rolling.
    function showWheels(atOnce) {
        const indexes = [picker.year - picker.firstYear, picker.month - 1, picker.day - 1]
        const wheels = [yearWheel, monthWheel, dayWheel]
        for (let i = 0; i < wheels.length; ++i) {
            wheels[i].currentIndex = indexes[i]
            if (atOnce)
                wheels[i].positionViewAtIndex(indexes[i], Tumbler.Center)
        }
    }
    function wheelsStopped() {
        picker.selectDate(yearWheel.currentIndex + picker.firstYear,
                          monthWheel.currentIndex + 1, dayWheel.currentIndex + 1)
    }

    Connections {
        target: overlay.picker
        function onDateChanged() { overlay.showWheels(false) }
        function onOpenChanged() {
            if (overlay.picker.open)
                opening.start()
            else
                closing.start()
        }
    }
    Component.onCompleted: {
        // Once the overlay has its size: a wheel turned while it has none lands elsewhere.
        Qt.callLater(showWheels, true)
        if (picker.open)
            opening.start()
    }

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.5)
    }
    MouseArea {
        objectName: "dimmedArea"
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onClicked: overlay.picker.cancle()
        onWheel: (wheel) => wheel.accepted = true
    }

    LPContentView {
        id: panel
        objectName: "datePickerPanel"
        x: (overlay.width - width) / 2
        y: 120 * overlay.u
        width: 250 * overlay.u
        height: 287 * overlay.u
        scale: 0.1

        NumberAnimation {
            id: opening
            target: panel
            property: "scale"
            from: 0.1
            to: 1
            duration: 300
            // A spring that overshoots a little and settles.
            easing.type: Easing.OutBack
            easing.overshoot: 2
        }
        NumberAnimation {
            id: closing
            target: panel
            property: "scale"
            to: 0.01
            duration: 300
            easing.type: Easing.OutCubic
        }

        Rectangle {
            anchors.fill: parent
            radius: 3 * overlay.u
            color: "white"
        }

        Item {
            id: wheels
            y: 20 * overlay.u
            width: 250 * overlay.u
            height: 200 * overlay.u

            // The band the chosen date rests in.
            Repeater {
                model: [-1, 1]
                Rectangle {
                    required property int modelData
                    x: 10 * overlay.u
                    width: wheels.width - 20 * overlay.u
                    height: 1
                    y: wheels.height / 2 + modelData * wheels.height / 10
                    color: "#d0d0d0"
                }
            }

            Row {
                anchors.fill: parent
                Tumbler {
                    id: yearWheel
                    objectName: "yearWheel"
                    width: parent.width * 0.4
                    height: parent.height
                    model: overlay.picker.lastYear - overlay.picker.firstYear + 1
                    wrap: false
                    delegate: wheelItem
                    readonly property string unit: qsTr("年")
                    readonly property int first: overlay.picker.firstYear
                    function selectable(index) { return true }
                    onMovingChanged: if (!moving) overlay.wheelsStopped()
                }
                Tumbler {
                    id: monthWheel
                    objectName: "monthWheel"
                    width: parent.width * 0.3
                    height: parent.height
                    model: 12
                    delegate: wheelItem
                    readonly property string unit: qsTr("月")
                    readonly property int first: 1
                    function selectable(index) {
                        return overlay.picker.isSelectable(overlay.picker.year, index + 1, 1)
                    }
                    onMovingChanged: if (!moving) overlay.wheelsStopped()
                }
                Tumbler {
                    id: dayWheel
                    objectName: "dayWheel"
                    width: parent.width * 0.3
                    height: parent.height
                    model: 31
                    delegate: wheelItem
                    readonly property string unit: qsTr("日")
                    readonly property int first: 1
                    function selectable(index) {
                        return overlay.picker.isSelectable(overlay.picker.year,
                                                           overlay.picker.month, index + 1)
                    }
                    onMovingChanged: if (!moving) overlay.wheelsStopped()
                }
            }
        }

        Component {
            id: wheelItem
            Text {
                id: entry
                required property int index
                text: (Tumbler.tumbler.first + index) + Tumbler.tumbler.unit
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                font.pixelSize: 18 * overlay.u
                // What the wheel would refuse (a future day, 31 April) is greyed.
                color: Tumbler.tumbler.selectable(index) ? "black" : "#b8b8b8"
                opacity: 1 - Math.min(0.8, Math.abs(Tumbler.displacement)
                                      / (Tumbler.tumbler.visibleItemCount / 2))

                // A tap on an entry rolls its wheel there; a drag still turns the wheel.
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        entry.Tumbler.tumbler.currentIndex = entry.index
                        overlay.wheelsStopped()
                    }
                }
            }
        }

        component PanelButton: Rectangle {
            id: button
            property alias text: caption.text
            signal clicked()

            y: 247 * overlay.u
            width: 120 * overlay.u
            height: 37 * overlay.u
            radius: 3 * overlay.u
            color: Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)
            opacity: tap.pressed ? 0.7 : 1

            Text {
                id: caption
                anchors.centerIn: parent
                font.pixelSize: 16 * overlay.u
                color: "white"
            }
            MouseArea {
                id: tap
                anchors.fill: parent
                onClicked: button.clicked()
            }
        }

        PanelButton {
            x: 2
            text: qsTr("取消")
            onClicked: overlay.picker.cancle()
        }
        PanelButton {
            x: 125 * overlay.u + 2
            text: qsTr("确定")
            onClicked: overlay.picker.sure()
        }
    }
}
