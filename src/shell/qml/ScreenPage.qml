import QtQuick
import Tarvo

// The frame every screen is drawn in: white background, the navigation bar with its title and
// white back arrow, the loading indicators and the short-lived messages over the content.
// Every size follows the page's width (one point is width / 375) or its height.
FocusScope {
    id: page

    required property ViewController controller
    property bool showsNavigationBar: true
    readonly property real pt: width / 375
    default property alias content: contentArea.data

    // A tap on the background ends text editing.
    MouseArea {
        anchors.fill: parent
        onPressed: (mouse) => { page.forceActiveFocus(); mouse.accepted = false }
    }

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    Item {
        id: contentArea
        anchors.top: navigationBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }

    Rectangle {
        id: navigationBar
        visible: page.showsNavigationBar
        width: parent.width
        height: page.showsNavigationBar ? 64 * page.pt : 0
        color: Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            height: 44 * page.pt
            width: parent.width - 2 * 60 * page.pt
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: page.controller.title ?? ""
            color: "white"
            font.pixelSize: 20 * page.pt
        }

        Image {
            id: backArrow
            objectName: "whiteBack"
            visible: page.controller.isShowWhiteBack ?? false
            x: 16 * page.pt
            anchors.verticalCenter: parent.bottom
            anchors.verticalCenterOffset: -22 * page.pt
            width: 12 * page.pt
            height: 21 * page.pt
            sourceSize: Qt.size(width, height)
            source: "qrc:/tarvo/images/zuojiantou.svg"

            MouseArea {
                anchors.fill: parent
                anchors.margins: -12 * page.pt
                onClicked: page.controller.back()
            }
        }
    }

    Repeater {
        model: page.controller.loadingViews
        KTLoadingView {
            required property var modelData
            loadingView: modelData
            anchors.fill: parent
            pt: page.pt
        }
    }

    Component {
        id: shortMessage
        ShortMessage {}
    }

    Connections {
        target: Navigator
        function onMessageRequested(screen, message, seconds) {
            if (screen === page.controller)
                shortMessage.createObject(page, { text: message, seconds: seconds, pt: page.pt })
        }
    }

    Component.onCompleted: controller.viewDidLoad()
    Component.onDestruction: Navigator.release(controller)
}
