import QtQuick
import QtWebEngine

// A web view that only scrolls up and down: any sideways offset is put back to 0 and the
// horizontal scroll bar is hidden.
WebEngineView {
    id: view

    // The text the loaded page shows, read back from it: what a reader of the screen sees.
    property string shownText: ""

    objectName: "webPage"

    onScrollPositionChanged: {
        if (scrollPosition.x > 0)
            runJavaScript("window.scrollTo(0, window.scrollY)")
    }
    onLoadingChanged: (request) => {
        if (request.status !== WebEngineView.LoadSucceededStatus)
            return
        runJavaScript("document.documentElement.style.overflowX = 'hidden'")
        runJavaScript("document.body ? document.body.innerText : ''",
                      (text) => view.shownText = text)
    }
}
