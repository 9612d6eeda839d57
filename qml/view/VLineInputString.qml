import QtQuick 2.15

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

        VRowLabel {
            id: name
            beside: field
            text: root.label
        }

        VTextField {
            id: field
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            text: root.inputValue
            isError: root.isError
            onTextChanged: {
                root.hasChanged = true
                root._txtChanged(text)
            }
        }
    }

    VErrorText {
        width: root.width - 20
        shown: root.isError
        text: root.labelError
    }
}
