import QtQuick
import QtWebEngine

// A web view that only scrolls up and down: any sideways offset is put back to 0 and the
// horizontal scroll bar is hidden.
WebEngineView {
    id: view

    onScrollPositionChanged: {
        if (scrollPosition.x > 0)
            runJavaScript("window.scrollTo(0, window.scrollY)")
    }
    onLoadingChanged: (request) => {
        if (request.status === WebEngineView.LoadSucceededStatus)
            runJavaScript("document.documentElement.style.overflowX = 'hidden'")
    }
}
