import QtQuick 2.15

// A line's baud rate and parity as two choices showing two of backend's
// properties: the rates come from the settings table, the texts from the page
// that shows them. Only the operator's choice is written: a rate outside the
// list shows as its last entry and stays as it is.
Column {
    id: serial

    // The names of backend's properties shown and written.
    property string baudrateProperty
    property string parityProperty
    readonly property int baudrate: baudrateProperty ? backend[baudrateProperty] : 0
    readonly property int parity: parityProperty ? backend[parityProperty] : 0
    // The entry a parity code shows as; the page's own rule for codes off the list.
    property var parityIndexOf: function(code) { return code }
    // "Baudrate", "Parity", then the parities' names, in the page's language.
    property var texts: []
    readonly property alias baudRow: baudRow
    readonly property alias parityRow: parityRow

    width: parent ? parent.width : 0

    VLineComboBox {
        id: baudRow
        objectName: "baudrate"
        label: serial.texts[0] || ""
        _model: settingsTable.baudRateTexts()
        _currentIndex: settingsTable.baudRateIndex(serial.baudrate)
        _selectChanged: function() {
            if (baudRow._currentIndex >= 0 && baudRow._currentIndex !== settingsTable.baudRateIndex(serial.baudrate))
                backend[serial.baudrateProperty] = settingsTable.baudRateList()[baudRow._currentIndex]
        }
    }

    VLineComboBox {
        id: parityRow
        objectName: "parity"
        label: serial.texts[1] || ""
        _model: serial.texts.slice(2)
        _currentIndex: serial.parityIndexOf(serial.parity)
        _selectChanged: function() {
            if (parityRow._currentIndex >= 0 && parityRow._currentIndex !== serial.parityIndexOf(serial.parity))
                backend[serial.parityProperty] = parityRow._currentIndex
        }
    }
}
