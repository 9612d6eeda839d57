import QtQuick 2.15

// A popup made when it is first opened rather than with the window. With
// `freeWhenClosed` it is given back once closed and idle (a `busy` popup
// stays), for the heavy ones seldom opened; whatever must outlive it is kept
// outside it.
Loader {
    id: holder

    property bool freeWhenClosed: false
    // Closed, not working and nothing to keep: may go.
    readonly property bool idle: item !== null && !item.visible && item.busy !== true

    active: false

    // The popup, made now if it is not yet.
    function get() {
        active = true
        return item
    }

    function release() {
        if (freeWhenClosed && idle)
            active = false
    }

    // Not from within the popup's own signal handlers.
    onIdleChanged: if (idle && freeWhenClosed) Qt.callLater(holder.release)
}
