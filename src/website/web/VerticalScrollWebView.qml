// Kept name (traceability): see docs/names.md
import QtQml
import QtWebEngine

// A web view that only scrolls up and down: any sideways offset is put back to 0 and the
// horizontal scroll bar is hidden. It shows `html` once it is made, after running
// `setUpScript` (the page's viewport).
WebEngineView {
    id: view

    property string html
    property string setUpScript
    // The text the loaded page shows, read back from it: what a reader of the screen sees.
    property string shownText: ""

    objectName: "webPage"

    Component.onCompleted: {
        loadHtml(html)
        if (setUpScript !== "")
            runJavaScript(setUpScript)
    }
    onScrollPositionChanged: runJavaScript("if (window.scrollX > 0) window.scrollTo(0, window.scrollY)")
    onLoadingChanged: (request) => {
        if (request.status !== WebEngineView.LoadSucceededStatus)
            return
        runJavaScript("document.documentElement.style.overflowX = 'hidden'")
        runJavaScript("document.body ? document.body.innerText : ''",
                      (text) => view.shownText = text)
    }
}
