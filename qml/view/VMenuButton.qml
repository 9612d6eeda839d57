import QtQuick 2.15

// An entry of the side menu; the menu handler decides whether it gets selected.
Rectangle {
    id: root

    property string l_text
    property var menu_item_press
    property string screenName
    property bool isSelect: false
    property bool ctWarning: false

    width: parent ? parent.width : 200
    height: 70
    color: menuBackgroundColor

    function select() {
        color = menuBackgroundSelectColor
        bar.color = menuSelectBarColor
        isSelect = true
        forceActiveFocus()
    }

    function unselect() {
        color = menuBackgroundColor
        bar.color = menuBackgroundColor
        isSelect = false
    }

    function preSelect() {
        color = menuBackgroundSelectColor
        bar.color = menuBackgroundSelectColor
    }

    Rectangle {
        id: bar
        anchors.left: parent.left
        anchors.leftMargin: 5
        anchors.top: parent.top
        anchors.topMargin: 6
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        width: 5
        color: menuBackgroundColor
    }

    Text {
        anchors.left: bar.right
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
        color: root.ctWarning ? "red" : "transparent"
    }

    MouseArea {
        anchors.fill: parent
        onPressed: {
            if (!root.isSelect)
                root.preSelect()
        }
        onReleased: {
            if (root.isSelect)
                return
            if (root.menu_item_press(root.screenName))
                root.select()
            else
                root.unselect()
        }
    }
}
