import QtQuick
import QtQuick.Controls
import "../shell"

// The withholding agreement prompt: an opaque grey cover over the whole window and, 40 points
// inside it, a panel with the agreement in a read-only scrolling text and the two answers.
ScreenPage {
    id: prompt

    showsNavigationBar: false

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0.6, 0.6, 0.6, 1)
    }
    // Touching the grey margin does nothing.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        preventStealing: true
        onWheel: (wheel) => wheel.accepted = true
    }

    Rectangle {
        id: customView
        x: 40 * prompt.pt
        y: 40 * prompt.pt
        width: prompt.width - 80 * prompt.pt
        height: prompt.height - 80 * prompt.pt
        radius: 8 * prompt.pt
        color: "white"
        clip: true
        scale: 0.1

        NumberAnimation on scale {
            from: 0.1
            to: 1
            duration: 300
            easing.type: Easing.OutBack
            easing.overshoot: 2.2
        }

        ScrollView {
            id: scroller
            objectName: "protocolScroller"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: buttons.top
            anchors.margins: 12 * prompt.pt
            contentWidth: availableWidth
            clip: true

            TextArea {
                id: myTextView
                objectName: "myTextView"
                readOnly: true
                wrapMode: TextEdit.Wrap
                text: prompt.controller.protocolStr
                font.pixelSize: 14 * prompt.pt
                color: "#333333"
                background: null
                padding: 0
            }
        }

        Row {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 12 * prompt.pt
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 16 * prompt.pt

            Repeater {
                model: [
                    { name: "backBtn", text: qsTr("不同意"), primary: false,
                      action: () => prompt.controller.backClick() },
                    { name: "agreenBtn", text: qsTr("同意并缴费"), primary: true,
                      action: () => prompt.controller.agreenClick() }
                ]
                Rectangle {
                    id: answer
                    required property var modelData
                    objectName: modelData.name
                    width: (customView.width - 3 * 16 * prompt.pt) / 2
                    height: 40 * prompt.pt
                    radius: 5 * prompt.pt
                    color: modelData.primary ? Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)
                                             : "white"
                    border.color: modelData.primary ? color : "grey"
                    border.width: 1

                    Text {
                        anchors.centerIn: parent
                        text: answer.modelData.text
                        font.pixelSize: 16 * prompt.pt
                        color: answer.modelData.primary ? "white" : "#333333"
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: answer.modelData.action()
                    }
                }
            }
        }
    }
}
