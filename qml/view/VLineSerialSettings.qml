import QtQuick 2.15

// A line's baud rate and parity as two choices bound to values: the rates come
// from the settings table, the texts from the page that shows them. Only the
// operator's choice is told (baudrateChosen, parityChosen): a rate outside the
// list shows as its last entry and stays as it is.
Column {
    id: serial

    property int baudrate
    property int parity
    // The entry a parity code shows as; the page's own rule for codes off the list.
    property var parityIndexOf: function(code) { return code }
    property alias baudLabel: baudRow.label
    property alias parityLabel: parityRow.label
    property alias parityTexts: parityRow._model
    readonly property alias baudRow: baudRow
    readonly property alias parityRow: parityRow

    signal baudrateChosen(int rate)
    signal parityChosen(int code)

    width: parent ? parent.width : 0

    VLineComboBox {
        id: baudRow
        objectName: "baudrate"
        _model: settingsTable.baudRateTexts()
        _currentIndex: settingsTable.baudRateIndex(serial.baudrate)
        _selectChanged: function() {
            if (baudRow._currentIndex >= 0 && baudRow._currentIndex !== settingsTable.baudRateIndex(serial.baudrate))
                serial.baudrateChosen(settingsTable.baudRateList()[baudRow._currentIndex])
        }
    }

    VLineComboBox {
        id: parityRow
        objectName: "parity"
        _currentIndex: serial.parityIndexOf(serial.parity)
        _selectChanged: function() {
            if (parityRow._currentIndex >= 0 && parityRow._currentIndex !== serial.parityIndexOf(serial.parity))
                serial.parityChosen(parityRow._currentIndex)
        }
    }
}
