import QtQuick 2.15
import "../theme"

// A read-only value beside its label.
Column {
    id: root

    property string label
    property string txtValue

    width: parent ? parent.width : 0
    topPadding: 7
    bottomPadding: 7

    Item {
        width: root.width
        height: Math.max(name.implicitHeight, value.implicitHeight)

        VRowLabel {
            id: name
            beside: value
            text: root.label
        }

        Text {
            id: value
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: Theme.controlWidth
            text: root.txtValue
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }
    }
}
