import QtQuick 2.15
import "../theme"

// A row's label: from the row's left edge up to the control beside it.
Text {
    property Item beside: null

    anchors.left: parent ? parent.left : undefined
    anchors.right: beside ? beside.left : undefined
    anchors.rightMargin: 10
    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
    color: Theme.text
    wrapMode: Text.WordWrap
    font.pixelSize: textFontSize
}
