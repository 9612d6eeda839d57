import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

Item {
    id: root

    property string l_text
    property var onClick
    property alias isSelect: box.checked
    // Qt.NoFocus where a list's own keys tick the box.
    property alias focusPolicy: box.focusPolicy

    width: 30
    height: 30

    CheckBox {
        id: box
        anchors.fill: parent
        padding: 0
        text: root.l_text
        font.pixelSize: textFontSize
        onToggled: root.onClick()

        background: Rectangle {
            color: "transparent"
            border.width: 2
            border.color: Theme.focus
            visible: box.visualFocus
        }

        indicator: Rectangle {
            anchors.centerIn: parent
            implicitWidth: 26
            implicitHeight: 26
            color: "transparent"
            border.width: 1
            border.color: box.down ? Theme.markPressed : Theme.border

            Rectangle {
                anchors.centerIn: parent
                width: 14
                height: 14
                color: box.down ? Theme.markPressed : Theme.mark
                visible: box.checked
            }
        }

        contentItem: Item {}
    }
}
