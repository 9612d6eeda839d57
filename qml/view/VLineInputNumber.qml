import QtQuick 2.15
import QtQuick.Controls 2.15

// A numeric field beside its label, with an error text underneath.
Column {
    id: root

    property string label
    property string labelError: ""
    property string labelUnit: ""
    property int inputValue: 0
    property bool isError: false
    property bool hasChanged: false
    property bool errorEnable: labelError !== ""
    property alias _txtField: field
    property alias _text: field.text
    property var _checkError
    property var _txtChanged
    // Digits the field takes, and nothing else; 0 leaves the text unfiltered.
    // No sign or separator gets in: what shows is what is written.
    property int maxDigits: 0

    width: parent ? parent.width : 0
    topPadding: 7
    bottomPadding: 7
    spacing: 2

    // A whole number, or NaN: "12a" and "abc" are not numbers.
    function readNumber(text) {
        var t = text.trim()
        return /^[+-]?[0-9]+$/.test(t) ? parseInt(t, 10) : NaN
    }

    function textChanged() {
        hasChanged = true
        var text = field.text
        if (text === "") {
            if (errorEnable)
                isError = true
            if (_txtChanged)
                _txtChanged(-1)
            return
        }
        var value = readNumber(text)
        if (isNaN(value)) {
            // Not a number at all: never a value to keep or to pass on.
            if (_checkError || errorEnable)
                isError = true
            return
        }
        if (_checkError)
            isError = _checkError(value)
        if (!isError)
            inputValue = value
        if (_txtChanged)
            _txtChanged(value)
    }

    RegularExpressionValidator {
        id: digitsOnly
        regularExpression: new RegExp("[0-9]{0," + root.maxDigits + "}")
    }

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
            leftPadding: 30
            rightPadding: 30
            topPadding: 5
            bottomPadding: 5
            color: "black"
            placeholderTextColor: "grey"
            selectionColor: "grey"
            selectedTextColor: "white"
            selectByMouse: true
            horizontalAlignment: TextInput.AlignHCenter
            font.pixelSize: textFontSize
            validator: root.maxDigits > 0 ? digitsOnly : null
            onTextChanged: root.textChanged()

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

            Text {
                anchors.right: parent.right
                anchors.rightMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                text: root.labelUnit
                color: "black"
                font.pixelSize: textFontSize
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
