import QtQuick 2.15
import "../theme"

// One row of a table: a title cell, then value cells.
Item {
    id: root

    property var arrayValue: []
    property bool isHeader: false
    property bool isSmallSize: false
    property int cellSpace: 5
    property int cellWidth: 90
    property int cellFirstWidth: 160
    property int cellHeight: 30
    property string labelUnit: ""
    property int unitMarginRight: 5

    readonly property int count: arrayValue ? arrayValue.length : 0

    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    width: (count - 1) * (cellWidth + cellSpace) + cellFirstWidth + cellSpace
    height: cellHeight + 2 * cellSpace

    Repeater {
        model: root.count

        Rectangle {
            readonly property bool isTitle: index === 0

            objectName: "cell" + index
            y: root.cellSpace
            x: isTitle ? root.cellSpace
                       : (root.cellWidth + root.cellSpace) * (index - 1) + root.cellFirstWidth
                         + (root.cellFirstWidth === 0 ? root.cellSpace : 0)
            // The title ends where the first value cell starts.
            width: isTitle ? Math.max(0, root.cellFirstWidth - root.cellSpace) : root.cellWidth
            height: root.cellHeight
            visible: width > 0
            color: isTitle || root.isHeader ? "transparent" : Theme.tableCell

            Text {
                anchors.fill: parent
                leftPadding: parent.isTitle || root.isSmallSize ? 2 : 0
                text: parent.isTitle ? root.arrayValue[index] : root.arrayValue[index] + root.labelUnit
                color: parent.isTitle || root.isHeader ? Theme.text : Theme.textOnDark
                horizontalAlignment: parent.isTitle || root.isSmallSize ? Text.AlignLeft : Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                // A long value (a five-digit power with its unit) shrinks
                // rather than lose its last digits.
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 10
                elide: Text.ElideRight
                font.pixelSize: textFontSize
            }
        }
    }
}
