import QtQuick

// A function screen that is not in the app yet.
ScreenPage {
    id: placeholder

    Text {
        anchors.centerIn: parent
        width: parent.width * 0.8
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: qsTr("此功能即将推出，敬请期待。")
        font.pixelSize: 16 * placeholder.pt
        color: "#666666"
    }
}
