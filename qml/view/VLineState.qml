import QtQuick 2.15

// A state lamp beside its label: green or red, white when disabled.
Column {
    id: root

    property string label
    property bool ctState: false
    property bool ctStateDisable: false

    width: parent ? parent.width : 0
    topPadding: 7
    bottomPadding: 7

    Item {
        width: root.width
        height: name.implicitHeight

        Text {
            id: name
            anchors.left: parent.left
            anchors.right: lamp.left
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.label
            color: "black"
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        Rectangle {
            id: lamp
            objectName: "lamp"
            x: parent.width - 110
            width: 20
            height: name.implicitHeight
            radius: width / 2
            color: root.ctStateDisable ? "white" : (root.ctState ? "green" : "red")
            // A white lamp stays visible on the light panels.
            border.width: 1
            border.color: "#808080"
        }
    }
}
