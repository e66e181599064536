import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Shell

// The one window: the navigation stack, the modal screens over it, alerts and the progress
// overlay, in that order from the bottom. It answers the Navigator's requests; screens never
// reach each other directly. Only the top layer is switched on: whatever lies beneath it gets
// no tap, key or Tab.
Window {
    id: window

    // Set by the app where the desktop has no notification service: the window shows them.
    property DesktopNotifications notifications: null
    property var alerts: []
    readonly property real pt: Theme.scale(width)
    readonly property bool alertsUp: alerts.length > 0
    readonly property bool progressUp: Navigator.progressVisible
    readonly property Item topModal: modalLayer.children.length > 0
                                     ? modalLayer.children[modalLayer.children.length - 1] : null

    width: 375
    height: 667
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: qsTr("Tarvo在线缴费")
    color: Theme.page

    ScreenStack {
        id: stack
        anchors.fill: parent
        enabled: window.topModal === null && !window.alertsUp && !window.progressUp
    }

    // Keys always have somewhere to go: when the layer that held the focus has gone and nothing
    // took it back, the top screen takes it.
    onActiveFocusItemChanged: if (!activeFocusItem || activeFocusItem === contentItem) refocus.restart()
    Timer {
        id: refocus
        interval: 0
        onTriggered: {
            if (window.activeFocusItem && window.activeFocusItem !== window.contentItem)
                return
            const top = window.topModal ?? stack.currentItem
            if (top)
                top.forceActiveFocus()
        }
    }

    Item {
        id: modalLayer
        anchors.fill: parent
    }

    // Pages sliding away: drawn over the stack, but taking nothing.
    Item {
        id: dismissing
        anchors.fill: parent
        enabled: false
    }

    Repeater {
        model: window.alerts
        AlertBox {
            required property var modelData
            required property int index
            anchors.fill: parent
            enabled: index === window.alerts.length - 1 && !window.progressUp
            pt: window.pt
            title: modelData.title
            message: modelData.message
            buttons: modelData.buttons
            onAnswered: (button) => {
                window.alerts = window.alerts.filter(a => a.alertId !== modelData.alertId)
                Navigator.answerAlert(modelData.alertId, button)
            }
        }
    }

    ProgressOverlay {
        anchors.fill: parent
        pt: window.pt
        visible: window.progressUp
        text: Navigator.progressText
    }

    Component {
        id: slideIn
        NumberAnimation { property: "y"; duration: 300; easing.type: Easing.OutCubic }
    }

    function presentPage(view, screen, animated) {
        const component = Qt.createComponent(view)
        if (component.status !== Component.Ready) {
            console.warn("cannot load", view, component.errorString())
            return
        }
        const page = component.createObject(modalLayer, {
            controller: screen, width: window.width, height: window.height,
            y: animated ? window.height : 0
        })
        page.width = Qt.binding(() => window.width)
        page.height = Qt.binding(() => window.height)
        page.enabled = Qt.binding(() => window.topModal === page && !window.alertsUp
                                        && !window.progressUp)
        if (animated)
            slideIn.createObject(page, { target: page, to: 0 }).start()
    }

    function dismissPages(screens, animated) {
        for (let i = modalLayer.children.length - 1; i >= 0; --i) {
            const page = modalLayer.children[i] as ScreenPage
            if (!page || !screens.includes(page.controller))
                continue
            // On its way out the page is no longer the top layer.
            page.parent = dismissing
            if (!animated) {
                page.destroy()
                continue
            }
            const out = slideIn.createObject(page, { target: page, to: window.height })
            out.finished.connect(() => page.destroy())
            out.start()
        }
    }

    Connections {
        target: Navigator
        function onPushRequested(view, screen, animated) {
            stack.push(view, { controller: screen }, animated)
        }
        function onPopRequested(animated) {
            stack.pop(animated)
        }
        function onPresentRequested(view, screen, animated) {
            window.presentPage(view, screen, animated)
        }
        function onDismissRequested(screens, animated) {
            window.dismissPages(screens, animated)
        }
        function onAlertsClosed() {
            window.alerts = []
        }
        function onAlertRequested(alertId, title, message,
                                  buttons) {
            window.alerts = window.alerts.concat([{ alertId: alertId, title: title,
                                                    message: message, buttons: buttons }])
        }
    }

    NotificationBanner {
        source: window.notifications
        anchors.top: parent.top
    }
}
