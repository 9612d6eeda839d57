import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import "../theme"

// A title and three check boxes. Readers walk the tree: outer row, inner row,
// cell i, box; keep that nesting.
Item {
    id: root

    property var arrayValue: []
    property int cellWidth: 90
    property int cellFirstWidth: 160
    property int cellHeight: 30
    property int cellSpace: 5
    property bool isHeader: false
    property string labelUnit: ""
    property int unitMarginRight: 5

    width: parent ? parent.width : 0
    height: cellHeight + 2 * cellSpace

    Row {
        anchors.centerIn: parent
        height: root.cellHeight

        Text {
            width: root.cellFirstWidth
            height: root.cellHeight
            text: root.arrayValue && root.arrayValue.length > 0 ? root.arrayValue[0] : ""
            color: Theme.text
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            font.pixelSize: textFontSize
        }

        // Each box has a frame while the keyboard is on it (Tab; a click
        // does not focus a box).
        Row {
            spacing: 5

            Item {
                width: root.cellWidth
                height: root.cellHeight
                C1.CheckBox { anchors.centerIn: parent; VFocusFrame {} }
            }
            Item {
                width: root.cellWidth
                height: root.cellHeight
                C1.CheckBox { anchors.centerIn: parent; VFocusFrame {} }
            }
            Item {
                width: root.cellWidth
                height: root.cellHeight
                C1.CheckBox { anchors.centerIn: parent; VFocusFrame {} }
            }
        }
    }
}
