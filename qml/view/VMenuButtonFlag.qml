import QtQuick 2.15

// The settings entry of the side menu: the two language flags instead of text.
Rectangle {
    id: root

    property string l_text
    property var menu_item_press
    property string screenName
    property bool isSelect: false

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

    Image {
        id: flagUs
        anchors.left: bar.right
        anchors.leftMargin: 25
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        width: height * 225 / 135
        source: "../images/icons/contents/flag_us.png"
        fillMode: Image.PreserveAspectFit
    }

    Image {
        anchors.left: flagUs.right
        anchors.leftMargin: 35
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        width: height * 225 / 135
        source: "../images/icons/contents/flag_de.png"
        fillMode: Image.PreserveAspectFit
        opacity: 0.75
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
