import QtQml
import QtQuick

// A button of the app: a filled brand-green one for the main action, or an outlined one. It
// answers a tap, and Space, Enter or Return while it has the keyboard focus.
Rectangle {
    id: button

    property string text
    property bool filled: true
    property real pt: 1
    property real fontSize: Theme.buttonSize
    property color textColor: filled ? Theme.brandText : Theme.brand
    property color borderColor: filled ? Theme.clear : Theme.brand
    property real cornerRadius: 8
    signal clicked()

    function activate() {
        if (enabled)
            button.clicked()
    }

    implicitHeight: Theme.touchTarget * pt
    radius: cornerRadius * pt
    color: filled ? (tap.pressed ? Theme.brandPressed : Theme.brand)
                  : (tap.pressed ? Theme.pressed : Theme.page)
    border.color: activeFocus ? Theme.brandPressed : borderColor
    border.width: activeFocus ? 2 : 1
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: text.replace(/\s+/g, "")
    Accessible.focusable: true
    Accessible.onPressAction: button.activate()

    Keys.onSpacePressed: button.activate()
    Keys.onReturnPressed: button.activate()
    Keys.onEnterPressed: button.activate()

    Text {
        anchors.centerIn: parent
        width: parent.width - 8 * button.pt
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: button.text
        color: button.textColor
        font.pixelSize: Theme.typeSize(button.fontSize) * button.pt
        // Larger text that does not fit shrinks, though never below the design's size, before
        // it is cut short.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: button.fontSize * button.pt
    }
    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: button.activate()
    }
}
