import QtQuick 2.15
import "../theme"

// A collapsible section: a header that toggles its body, closed at start.
Rectangle {
    id: root

    property string _text: ""
    property Item _child: Rectangle {}
    property bool isOpen: false

    width: parent ? parent.width : 0
    height: column.implicitHeight + (isOpen ? 7 : 2)
    color: "transparent"
    border.width: 1
    border.color: Theme.border

    on_ChildChanged: adopt()
    Component.onCompleted: adopt()

    function adopt() {
        if (!_child)
            return
        _child.parent = body
        _child.width = Qt.binding(function() { return body.width })
    }

    Column {
        id: column
        x: 1
        y: 1
        width: parent.width - 2
        spacing: 5

        Rectangle {
            id: header
            width: parent.width
            height: 35
            color: Theme.sectionHeader

            Text {
                anchors.left: parent.left
                anchors.leftMargin: 5
                anchors.right: arrow.left
                anchors.verticalCenter: parent.verticalCenter
                text: root._text
                color: Theme.textOnDark
                elide: Text.ElideRight
                font.pixelSize: textFontSize
            }

            Image {
                id: arrow
                anchors.right: parent.right
                anchors.rightMargin: 15
                anchors.top: parent.top
                anchors.topMargin: 10
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 10
                width: height
                source: "../images/icons/contents/triangle.png"
                fillMode: Image.PreserveAspectFit
                rotation: root.isOpen ? 180 : 0
            }

            VKeyTarget {
                objectName: "key"
                inset: 2
                frameRadius: 0
                onActivated: root.isOpen = !root.isOpen
            }

            MouseArea {
                anchors.fill: parent
                onClicked: root.isOpen = !root.isOpen
            }
        }

        Item {
            id: body
            x: 5
            width: parent.width - 10
            height: root._child ? root._child.implicitHeight : 0
            visible: root.isOpen
        }
    }
}
