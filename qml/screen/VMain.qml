import QtQuick 2.15
import "../view"
import "../view/form.js" as Form

// The module's identity and state, four settings and the firmware update.
// Fields write into backend at once; Apply in the top bar sends them.
VScrollContent {
    id: page

    // Transformer ratio times ten, by choice index; the empty entry is 10.
    readonly property var ctValues: [10, 4000, 800, 6000, 1200]

    label: qsTr("Main page")
    showsModuleValues: true

    function ctIndex(value) {
        var index = ctValues.indexOf(value)
        return index < 0 ? 0 : index
    }

    function editableRows() {
        return [productNumber, installationDate, currentTransformerSelection, temperatureThresholdValue]
    }

    function checkValidityField() {
        if (temperatureThresholdValue.isError) {
            popupAlert.showWithParams(qsTr("Input error"),
                                      Form.inputErrorMessage(qsTr("Please change input data errors before applying."),
                                                             [{ label: temperatureThresholdValue.label }]))
            return false
        }
        return true
    }

    function checkFieldChanged() {
        return Form.anyChanged(editableRows())
    }

    function clearFieldChanged() {
        Form.clearChanged(editableRows())
    }

    // A missing start value shows its error at once; loading the start
    // values is no change of the operator's.
    Component.onCompleted: {
        temperatureThresholdValue.textChanged()
        clearFieldChanged()
    }

    content: VPanel {
        // Nothing of the page is read from a bootloader; the update below is the way out.
        VErrorText {
            objectName: "bootloaderNotice"
            width: parent.width
            bottomPadding: 10
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: textFontSize
            shown: backend.connectionState && linkState.moduleInBootloader
            text: qsTr("The module is in its bootloader: run the firmware update again (\"Start update\" below).")
        }

        VLineLabel {
            objectName: "serialNumber"
            label: qsTr("Module serial number")
            txtValue: backend.serialNumber
        }

        VLineInputString {
            id: productNumber
            objectName: "fsdid"
            label: qsTr("FSD ID")
            inputValue: backend.fsdid
            _txtField.maximumLength: settingsTable.setting("fsdId").digits
            _txtField.validator: RegularExpressionValidator { regularExpression: /[A-Za-z0-9]+/ }
            _txtChanged: function(text) { backend.fsdid = text }
        }

        VLineInputCalendar {
            id: installationDate
            objectName: "installationDate"
            label: qsTr("Installation date")
            inputValue: backend.installationDate
            _txtChanged: function(date) { backend.installationDate = date }
        }

        VLineState {
            objectName: "status"
            label: qsTr("Status")
            ctState: backend.moduleStatus
            ctStateDisable: !backend.connectionState || !backend.moduleStatusKnown
        }

        VSeparator {}

        VLineComboBox {
            id: currentTransformerSelection
            objectName: "currentTransformerSelection"
            label: qsTr("Current transformer selection")
            _model: ["", qsTr("400A / 1A"), qsTr("400A / 5A"), qsTr("600A / 1A"), qsTr("600A / 5A")]
            _currentIndex: page.ctIndex(backend.ctPhaseA1Int)
            labelError: qsTr("Please select the current transformer")
            isError: _currentIndex === 0
            // Only the operator's choice is written: an unlisted value
            // shows as the empty entry and stays as it is.
            _selectChanged: function() {
                var index = currentTransformerSelection._currentIndex
                if (index >= 0 && index !== page.ctIndex(backend.ctPhaseA1Int))
                    backend.ctPhaseA1Int = page.ctValues[index]
            }
        }

        VLineInputSetting {
            id: temperatureThresholdValue
            objectName: "temperatureThresholdValue"
            setting: "temperatureThreshold"
        }

        VSeparator {}

        VLineLabel {
            objectName: "firmwareVersion"
            label: qsTr("Firmware version")
            txtValue: backend.firmwareVersion
        }

        VLineButton {
            objectName: "startUpdate"
            label: qsTr("Upload new firmware version")
            buttonValue: qsTr("Start update")
            btn.onClick: function() {
                if (backend.connectionState)
                    popupFirmwareUpdate.open()
            }
        }
    }
}
