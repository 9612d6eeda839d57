import QtQuick 2.15
import "../theme"

// The keyboard's frame around its parent, while the parent has the focus.
Rectangle {
    anchors.fill: parent
    anchors.margins: -3
    color: "transparent"
    radius: 3
    border.width: 2
    border.color: Theme.focus
    visible: parent.activeFocus
}
