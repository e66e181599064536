import QtQuick

// The main window; the home screen and the navigation stack take its place later.
Window {
    id: window

    width: 375
    height: 667
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: qsTr("Tarvo在线缴费")

    Column {
        anchors.centerIn: parent
        width: window.width * 0.8
        spacing: window.height * 0.02

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: window.title
            font.pixelSize: window.width * 0.064
            font.bold: true
        }

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("缴费、红包、缴费记录和公告等页面即将推出。")
            font.pixelSize: window.width * 0.04
            color: "#666666"
        }
    }
}
