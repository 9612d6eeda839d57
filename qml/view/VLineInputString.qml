import QtQuick 2.15
import QtQuick.Controls 2.15

// A text field beside its label; its owner judges the text.
Column {
    id: root

    property string label
    property string labelError
    property string inputValue: ""
    property bool isError: false
    property bool hasChanged: false
    property alias _txtField: field
    property var _txtChanged

    width: parent ? parent.width : 0
    topPadding: 7
    bottomPadding: 7
    spacing: 2

    Item {
        width: root.width
        height: Math.max(name.implicitHeight, field.height)

        Text {
            id: name
            anchors.left: parent.left
            anchors.right: field.left
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.label
            color: "black"
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        TextField {
            id: field
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 200
            text: root.inputValue
            leftPadding: 15
            rightPadding: 15
            topPadding: 5
            bottomPadding: 5
            color: "black"
            placeholderTextColor: "grey"
            selectionColor: "grey"
            selectedTextColor: "white"
            selectByMouse: true
            horizontalAlignment: TextInput.AlignHCenter
            font.pixelSize: textFontSize
            onTextChanged: {
                root.hasChanged = true
                root._txtChanged(text)
            }

            background: Rectangle {
                color: "white"
                radius: 10
                border.width: 1
                border.color: root.isError ? "red" : "black"
            }

            cursorDelegate: Rectangle {
                width: 1
                color: "black"
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
    }

    Text {
        width: root.width - 20
        visible: root.isError && text !== ""
        text: root.labelError
        color: "red"
        wrapMode: Text.WordWrap
        font.pixelSize: textErrorFontSize
    }
}
