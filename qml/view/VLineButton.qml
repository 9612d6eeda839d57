import QtQuick 2.15

// A button beside its label.
Column {
    id: root

    property string label
    property string buttonValue
    property alias btn: button

    width: parent ? parent.width : 0
    topPadding: 7
    bottomPadding: 7

    Item {
        width: root.width
        height: Math.max(name.implicitHeight, button.height)

        Text {
            id: name
            anchors.left: parent.left
            anchors.right: button.left
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.label
            color: "black"
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        VButton {
            id: button
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 200
            l_text: root.buttonValue
        }
    }
}
