import QtQuick 2.15
import "../theme"

Rectangle {
    id: root

    property string _text
    property string logoPath
    property var onClick
    property var menu_item_press
    property string screenName
    property bool isSelect

    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
    width: 150
    height: 35
    radius: Theme.controlRadius
    color: mouse.pressed || key.down ? Theme.controlPressed : Theme.control

    VKeyTarget {
        id: key
        objectName: "key"
        onActivated: root.onClick()
    }

    Image {
        id: icon
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: 5
        width: height
        source: root.logoPath
        fillMode: Image.PreserveAspectFit
    }

    Text {
        anchors.left: icon.right
        anchors.leftMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: root._text
        color: Theme.text
        font.pixelSize: textFontSize
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: {
            root.forceActiveFocus()
            root.onClick()
        }
    }
}
