import QtQuick 2.15

// What every entry of the side menu shares: the look of a pressed or selected
// entry and the click, after which the menu handler decides whether it gets
// selected. The menu's colours are read by name from the menu.
Rectangle {
    id: root

    property string l_text
    property var menu_item_press
    property string screenName
    property bool isSelect: false
    // The bar at the left edge that marks the selected entry.
    readonly property alias selectBar: bar

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

    // The release of a press, from the mouse or the keyboard.
    function activate() {
        if (isSelect)
            return
        if (menu_item_press(screenName))
            select()
        else
            unselect()
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

    VKeyTarget {
        objectName: "key"
        inset: 2
        frameRadius: 0
        onActivated: root.activate()
    }

    MouseArea {
        anchors.fill: parent
        onPressed: {
            if (!root.isSelect)
                root.preSelect()
        }
        onReleased: root.activate()
        // The menu scrolled away with the press: the entry looks as before it.
        onCanceled: {
            if (!root.isSelect)
                root.unselect()
        }
    }
}
