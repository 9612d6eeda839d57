import QtQuick 2.15
import "../theme"

Rectangle {
    id: root

    property string l_text
    property var onClick
    property string screenName
    property bool isSelect
    // What the keyboard focuses: the owner may put the focus there.
    readonly property alias keyTarget: key

    // Wider than 150 only for a text that would not fit, as in German.
    implicitWidth: Math.max(150, caption.implicitWidth + 20)
    height: 30
    radius: Theme.controlRadius
    border.width: 1
    border.color: Theme.border
    color: mouse.pressed || key.down ? Theme.controlPressed : Theme.control
    // Faded while it cannot be pressed, as the radio buttons are.
    opacity: enabled ? 1.0 : 0.3

    VKeyTarget {
        id: key
        objectName: "key"
        onActivated: root.onClick()
    }

    Text {
        id: caption
        anchors.centerIn: parent
        text: root.l_text
        color: Theme.text
        font.pixelSize: textFontSize
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        // Keeps the press inside a flickable page.
        preventStealing: true
        // Takes the focus from a field being edited, so its text is final.
        onPressed: caption.forceActiveFocus()
        onClicked: root.onClick()
    }
}
