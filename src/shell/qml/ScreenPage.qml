import QtQml
import QtQuick
import Tarvo.Ui

// The frame every screen is drawn in: the navigation bar across the window with the title and
// the back arrow, the screen's content in a centred column below it, the loading covers over
// the content (never over the bar, so that back always works), and the short-lived messages.
//
// A page is itself a covering layer: nothing beneath it (the home screen under sign-in, the
// screen below on the stack) sees a tap or a key meant for it. Escape goes back.
CoveringLayer {
    id: page

    required property ViewController controller
    readonly property BaseViewController screen: controller as BaseViewController
    property bool showsNavigationBar: true
    // A layer of the screen's own (a picker) lies over the content.
    property bool contentCovered: false
    property alias smallTitleWhenNarrow: navigationBar.smallTitleWhenNarrow
    readonly property real pt: Theme.scale(width)
    // The screen's content: the column the 375-point design is laid out in.
    readonly property alias column: contentArea
    default property alias content: contentArea.data

    shade: Theme.page
    onEscapePressed: page.goBack()
    // Swipe back: a drag that starts at the very left edge and moves right a third of the way.
    // A tap at the edge goes to whatever control lies there.
    onBackgroundSwiped: (fromX, toX) => {
        if (fromX < 12 * pt && toX - fromX > width / 3)
            page.goBack()
    }

    // Escape, the back arrow and the swipe go back; a screen without the arrow (sign-in,
    // registration) hears backRequested and decides for itself.
    signal backRequested()
    // The navigation stack is about to cover the page with another or to take it away.
    signal deactivating()
    function goBack() {
        if (screen && screen.isShowWhiteBack)
            screen.back()
        else
            backRequested()
    }

    Item {
        id: contentArea
        objectName: "screenContent"
        anchors.top: navigationBar.bottom
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: Theme.columnWidth(page.width)
        // While the screen waits, its content is out of reach: no taps, no keys, no Tab.
        enabled: loadingCovers.count === 0 && !page.contentCovered
    }

    HeaderBar {
        id: navigationBar
        visible: page.showsNavigationBar
        width: parent.width
        height: page.showsNavigationBar ? 64 * page.pt : 0
        pt: page.pt
        title: page.screen?.title ?? ""
        showsBack: page.screen?.isShowWhiteBack ?? false
        onBackTapped: page.goBack()
    }

    Repeater {
        id: loadingCovers
        model: page.controller.loadingViews
        LoadingCover {
            required property KTLoadingView modelData
            loadingView: modelData
            x: 0
            y: navigationBar.height
            width: page.width
            height: page.height - navigationBar.height
            pt: page.pt
            onEscapePressed: page.goBack()
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
