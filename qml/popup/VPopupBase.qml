import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// A modal popup in the middle of the window. Closed, it gives the keyboard
// back to the control that had it, so Tab goes on from there.
Popup {
    id: base

    property Item focusBefore: null
    property int focusReasonBefore: Qt.OtherFocusReason
    // Beside the overlay, not in it: the overlay takes its children for popups.
    readonly property VWindowFocus windowFocus: VWindowFocus { parent: base.parent ? base.parent.parent : null }

    parent: Overlay.overlay
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    modal: true
    focus: true
    padding: 0

    background: Rectangle { color: Theme.background }

    onAboutToShow: {
        focusBefore = windowFocus.current
        focusReasonBefore = focusBefore && focusBefore.focusReason !== undefined ? focusBefore.focusReason
                                                                                 : Qt.OtherFocusReason
    }
    onClosed: {
        var item = focusBefore
        focusBefore = null
        // Another popup opened meanwhile keeps the keyboard.
        for (var p = windowFocus.current; p; p = p.parent) {
            if (p.parent === base.parent)
                return
        }
        if (item && item.visible && item.enabled)
            item.forceActiveFocus(focusReasonBefore)
    }
}
