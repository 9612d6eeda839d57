import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// A modal popup in the middle of the window.
Popup {
    parent: Overlay.overlay
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    modal: true
    focus: true
    padding: 0

    background: Rectangle { color: Theme.background }
}
