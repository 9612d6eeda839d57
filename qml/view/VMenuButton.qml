import QtQuick 2.15
import "../theme"

// An entry of the side menu; the menu handler decides whether it gets selected.
VMenuEntry {
    id: root

    property bool ctWarning: false

    Text {
        anchors.left: root.selectBar.right
        anchors.leftMargin: 5
        anchors.right: dot.left
        anchors.rightMargin: 5
        anchors.verticalCenter: parent.verticalCenter
        text: root.l_text
        color: menuTextColor
        wrapMode: Text.WordWrap
        font.pixelSize: textFontSize
    }

    Rectangle {
        id: dot
        objectName: "warningDot"
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.top: parent.top
        anchors.topMargin: 25
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 25
        width: 20
        radius: width / 2
        color: root.ctWarning ? Theme.error : "transparent"
    }
}
