import QtQuick 2.15
import "../theme"

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

        VRowLabel {
            id: name
            beside: lamp
            text: root.label
        }

        Rectangle {
            id: lamp
            objectName: "lamp"
            x: parent.width - 110
            width: 20
            height: name.implicitHeight
            radius: width / 2
            color: root.ctStateDisable ? Theme.lampOff : (root.ctState ? Theme.ok : Theme.error)
            // A white lamp stays visible on the light panels.
            border.width: 1
            border.color: Theme.lampBorder
        }
    }
}
