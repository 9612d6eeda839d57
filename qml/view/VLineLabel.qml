import QtQuick 2.15

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

        Text {
            id: name
            anchors.left: parent.left
            anchors.right: value.left
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.label
            color: "black"
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        Text {
            id: value
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 200
            text: root.txtValue
            color: "black"
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }
    }
}
