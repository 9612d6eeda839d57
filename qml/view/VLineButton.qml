import QtQuick 2.15
import "../theme"

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

        VRowLabel {
            id: name
            beside: button
            text: root.label
        }

        VButton {
            id: button
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: Theme.controlWidth
            l_text: root.buttonValue
        }
    }
}
