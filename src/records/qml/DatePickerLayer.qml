import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Records

// The date picker over the whole window: a dimmed layer that closes it when tapped, and a
// white panel with the year, month and day wheels, "取消" and "确定". The panel keeps its
// own touches. Sizes follow the content column's width on a 320-point basis. Escape cancels,
// Enter confirms; the arrow keys turn the wheel that has the focus.
CoveringLayer {
    id: overlay

    required property LPDatePicker picker
    property real columnWidth: width
    readonly property real u: columnWidth / 320

    shade: Theme.sheetScrim
    onBackgroundTapped: overlay.picker.cancle()
    onEscapePressed: overlay.picker.cancle()
    onEnterPressed: overlay.picker.sure()
    Accessible.name: qsTr("选择日期")

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
        if (picker.open)
            opening.start()
    }
    // Once the overlay has its size: a wheel turned while it has none lands elsewhere.
    Timer {
        interval: 0
        running: true
        onTriggered: overlay.showWheels(true)
    }

    // A wheel of the picker: its entries are `first` on, each followed by `unit`; what the picker
    // would refuse (a future day, 31 April) is greyed. Turned with the arrow keys it stops at
    // once: there is no movement to wait for.
    component Wheel: Tumbler {
        id: wheel

        required property LPDatePicker picker
        property string unit
        property int first: 1
        // Which of year (0), month (1) and day (2) the wheel chooses.
        property int part: 0
        signal stopped()

        function selectable(index) {
            if (part === 1)
                return picker.isSelectable(picker.year, index + 1, 1)
            if (part === 2)
                return picker.isSelectable(picker.year, picker.month, index + 1)
            return true
        }

        activeFocusOnTab: true
        Accessible.name: unit
        onMovingChanged: if (!moving) stopped()
        onCurrentIndexChanged: if (activeFocus && !moving) stopped()

        delegate: wheelEntry
    }

    // An entry of a wheel. The wheel it belongs to is read through the attached property; its
    // own fields by name, since the attached property is typed as a plain Tumbler.
    Component {
        id: wheelEntry
        Text {
            id: entry
            required property int index
            readonly property var wheel: Tumbler.tumbler
            text: (wheel.first + index) + wheel.unit
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: Theme.typeSize(18) * overlay.u
            color: wheel.selectable(index) ? Theme.strongText : Theme.disabledText
            opacity: 1 - Math.min(0.8, Math.abs(Tumbler.displacement)
                                  / (wheel.visibleItemCount / 2))

            // A tap on an entry rolls its wheel there; a drag still turns the wheel.
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    entry.wheel.currentIndex = entry.index
                    overlay.wheelsStopped()
                }
            }
        }
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
            color: Theme.page
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
                    color: Theme.separator
                }
            }

            Row {
                anchors.fill: parent
                Wheel {
                    id: yearWheel
                    objectName: "yearWheel"
                    width: parent.width * 0.4
                    height: parent.height
                    model: overlay.picker.lastYear - overlay.picker.firstYear + 1
                    wrap: false
                    picker: overlay.picker
                    unit: qsTr("年")
                    first: overlay.picker.firstYear
                    part: 0
                    onStopped: overlay.wheelsStopped()
                }
                Wheel {
                    id: monthWheel
                    objectName: "monthWheel"
                    width: parent.width * 0.3
                    height: parent.height
                    model: 12
                    picker: overlay.picker
                    unit: qsTr("月")
                    first: 1
                    part: 1
                    onStopped: overlay.wheelsStopped()
                }
                Wheel {
                    id: dayWheel
                    objectName: "dayWheel"
                    width: parent.width * 0.3
                    height: parent.height
                    model: 31
                    picker: overlay.picker
                    unit: qsTr("日")
                    first: 1
                    part: 2
                    onStopped: overlay.wheelsStopped()
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
            color: Theme.brand
            opacity: tap.pressed ? 0.7 : 1
            activeFocusOnTab: true
            border.color: activeFocus ? Theme.brandPressed : Theme.clear
            border.width: activeFocus ? 2 : 0
            Accessible.role: Accessible.Button
            Accessible.name: caption.text
            Accessible.onPressAction: button.clicked()
            Keys.onSpacePressed: button.clicked()
            Keys.onReturnPressed: button.clicked()
            Keys.onEnterPressed: button.clicked()

            Text {
                id: caption
                anchors.centerIn: parent
                font.pixelSize: Theme.typeSize(16) * overlay.u
                color: Theme.brandText
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
