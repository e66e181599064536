import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Shell

// A notification shown inside the window, for desktops without a notification service.
// Place it at the top of the main window and give it the app's notifications object.
// Banners queue up; each stays until tapped or until it has been on screen for a while,
// so one that arrives while the window is minimised waits for the window to come back.
Item {
    id: banner

    // The object whose bannerRequested(body, action, badgeNumber) signal feeds the banner.
    property DesktopNotifications source
    property int onScreenMilliseconds: 5000
    readonly property int count: pending.count

    width: parent ? parent.width : 375
    height: visible ? card.height + card.y * 2 : 0
    visible: pending.count > 0
    z: 100

    ListModel {
        id: pending
    }

    Connections {
        target: banner.source
        function onBannerRequested(body, action, badgeNumber) {
            pending.append({ "body": body, "action": action, "badgeNumber": badgeNumber })
        }
    }

    Timer {
        interval: banner.onScreenMilliseconds
        repeat: true
        running: pending.count > 0 && banner.Window.window !== null
                 && banner.Window.window.visibility !== Window.Minimized
                 && banner.Window.window.visibility !== Window.Hidden
        onTriggered: pending.remove(0)
    }

    Rectangle {
        id: card

        readonly property real unit: banner.width * 0.04

        x: unit * 0.5
        y: unit * 0.5
        width: banner.width - unit
        height: content.height + unit * 1.5
        radius: unit * 0.6
        color: Theme.bannerGround
        border.color: Theme.bannerBorder

        Column {
            id: content

            x: card.unit * 0.75
            y: card.unit * 0.75
            width: card.width - card.unit * 1.5 - badge.width
            spacing: card.unit * 0.4

            Text {
                objectName: "bannerBody"
                width: parent.width
                wrapMode: Text.Wrap
                text: pending.count > 0 ? pending.get(0).body : ""
                font.pixelSize: Theme.typeSize(card.unit * 0.9)
                color: Theme.titleText
            }

            Text {
                objectName: "bannerAction"
                text: pending.count > 0 ? pending.get(0).action : ""
                font.pixelSize: Theme.typeSize(card.unit * 0.8)
                color: Theme.bannerAction
            }
        }

        Rectangle {
            id: badge

            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: card.unit * 0.5
            width: Math.max(height, badgeText.implicitWidth + card.unit * 0.6)
            height: card.unit * 1.2
            radius: height / 2
            color: Theme.badge
            visible: pending.count > 0 && pending.get(0).badgeNumber > 0

            Text {
                id: badgeText

                objectName: "bannerBadge"
                anchors.centerIn: parent
                text: pending.count > 0 ? pending.get(0).badgeNumber : ""
                font.pixelSize: Theme.typeSize(card.unit * 0.75)
                color: Theme.lightText
            }
        }

        Accessible.role: Accessible.Notification
        Accessible.name: pending.count > 0 ? pending.get(0).body : ""

        // The app is already open: tapping only dismisses.
        MouseArea {
            anchors.fill: parent
            onClicked: pending.remove(0)
        }
    }
}
