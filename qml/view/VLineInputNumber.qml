import QtQuick 2.15
import "../theme"

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
    // Digits the field takes; 0 leaves the text unfiltered. No sign or
    // separator gets in: what shows is what is written. A longer number is
    // kept as typed and is an error of the field, never cut to fit.
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
        if (maxDigits > 0 && text.length > maxDigits)
            isError = true
        if (!isError)
            inputValue = value
        if (_txtChanged)
            _txtChanged(value)
    }

    RegularExpressionValidator {
        id: digitsOnly
        regularExpression: /[0-9]*/
    }

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
            // Room for the unit on the right, and as much on the left.
            leftPadding: 30
            rightPadding: 30
            isError: root.isError
            validator: root.maxDigits > 0 ? digitsOnly : null
            onTextChanged: root.textChanged()

            Text {
                anchors.right: parent.right
                anchors.rightMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                text: root.labelUnit
                color: Theme.text
                font.pixelSize: textFontSize
            }
        }
    }

    VErrorText {
        width: root.width - 20
        shown: root.isError
        text: root.labelError
    }
}
