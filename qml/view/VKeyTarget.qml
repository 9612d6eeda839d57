import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// Makes a hand-drawn control reachable by Tab and pressable with Space or
// Return. It lies under the control's own mouse area, so the mouse works as
// before; its frame shows only while the keyboard brought the focus here.
AbstractButton {
    id: key

    signal activated()
    // Negative: the frame stands outside the control; positive: inside it.
    property real inset: -3
    property real frameRadius: Theme.controlRadius

    anchors.fill: parent
    focusPolicy: Qt.TabFocus
    padding: 0
    hoverEnabled: false
    contentItem: Item {}
    background: Rectangle {
        x: key.inset
        y: key.inset
        width: key.width - 2 * key.inset
        height: key.height - 2 * key.inset
        color: "transparent"
        radius: key.frameRadius
        border.width: 2
        border.color: Theme.focus
        visible: key.visualFocus
    }

    onClicked: activated()
    Keys.onReturnPressed: activated()
    Keys.onEnterPressed: activated()
}
