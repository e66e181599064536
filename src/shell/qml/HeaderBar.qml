import QtQml
import QtQuick

// The navigation bar across the whole window: the screen's title in the middle and, when the
// screen has one, the white back arrow on the left.
Rectangle {
    id: bar

    property string title
    property bool showsBack: false
    // Some screens set a smaller title on narrow windows.
    property bool smallTitleWhenNarrow: false
    // The scale of the screen the bar belongs to.
    property real pt: 1
    signal backTapped()

    height: 64 * pt
    color: Theme.brand

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        height: 44 * bar.pt
        width: parent.width - 2 * 60 * bar.pt
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: bar.title
        color: Theme.brandText
        font.pixelSize: Theme.typeSize(bar.smallTitleWhenNarrow && bar.width <= Theme.narrowWidth
                                       ? Theme.narrowTitleSize : Theme.titleSize) * bar.pt
        Accessible.role: Accessible.TitleBar
        Accessible.name: bar.title
    }

    // The arrow's touch area is the whole left end of the bar, however small the arrow.
    Item {
        objectName: "backButton"
        visible: bar.showsBack
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        width: Math.max(Theme.touchTarget, 60) * bar.pt
        height: Theme.touchTarget * bar.pt

        Accessible.role: Accessible.Button
        Accessible.name: qsTr("返回")
        Accessible.onPressAction: bar.backTapped()

        Image {
            objectName: "whiteBack"
            x: 16 * bar.pt
            anchors.verticalCenter: parent.verticalCenter
            width: 12 * bar.pt
            height: 21 * bar.pt
            sourceSize.width: width
            sourceSize.height: height
            source: "qrc:/tarvo/images/zuojiantou.svg"
            opacity: backTap.pressed ? 0.5 : 1
        }
        MouseArea {
            id: backTap
            anchors.fill: parent
            onClicked: bar.backTapped()
        }
    }
}
