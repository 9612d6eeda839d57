import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// The field of the input rows: white and rounded, its border red while the
// row is in error.
TextField {
    id: field

    property bool isError: false

    width: Theme.controlWidth
    leftPadding: 15
    rightPadding: 15
    topPadding: 5
    bottomPadding: 5
    color: Theme.text
    placeholderTextColor: Theme.faintText
    selectionColor: Theme.selection
    selectedTextColor: Theme.textOnDark
    selectByMouse: true
    horizontalAlignment: TextInput.AlignHCenter
    font.pixelSize: textFontSize

    background: Rectangle {
        color: Theme.control
        radius: Theme.controlRadius
        border.width: field.activeFocus ? 2 : 1
        border.color: field.isError ? Theme.error : (field.activeFocus ? Theme.focus : Theme.border)
    }

    cursorDelegate: Rectangle {
        width: 1
        color: Theme.text
        visible: field.cursorVisible
        SequentialAnimation on opacity {
            running: field.cursorVisible
            loops: Animation.Infinite
            PropertyAction { value: 1 }
            PauseAnimation { duration: 600 }
            PropertyAction { value: 0 }
            PauseAnimation { duration: 600 }
        }
    }
}
