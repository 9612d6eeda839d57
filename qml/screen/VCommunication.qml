import QtQuick 2.15
import "../view"
import "../popup"
import "../view/form.js" as Form

// The module's general settings, its own line settings, transformer ratios,
// thresholds and message timing. Fields write into backend at once; Apply in
// the top bar sends them.
VScrollContent {
    id: page

    label: qsTr("Module & communication settings")
    showsModuleValues: true

    // A code the module should not hold selects nothing rather than a
    // parity it does not have.
    function parityIndex(value) {
        return value >= 0 && value < settingsTable.parityCount() ? value : -1
    }

    function sections() {
        return [general, settings, ctPhases, thresholds, others]
    }

    function rows() {
        var sections = page.sections()
        var all = []
        for (var s = 0; s < sections.length; ++s) {
            var children = sections[s]._child.children
            for (var i = 0; i < children.length; ++i)
                all.push(children[i])
        }
        return all
    }

    // Every field in error is named with its section, which may be closed.
    function checkValidityField() {
        var sections = page.sections()
        var wrong = []
        for (var s = 0; s < sections.length; ++s) {
            var children = sections[s]._child.children
            for (var i = 0; i < children.length; ++i) {
                if (children[i].isError === true)
                    wrong.push({ label: children[i].label, section: sections[s]._text })
            }
        }
        if (wrong.length === 0)
            return true
        popupAlert.showWithParams(qsTr("Data input error"),
                                  Form.inputErrorMessage(qsTr("Please change input data errors before applying."),
                                                         wrong))
        return false
    }

    function checkFieldChanged() {
        return Form.anyChanged(rows())
    }

    function clearFieldChanged() {
        Form.clearChanged(rows())
    }

    // Apply runs `apply` at once, unless it changes the serial settings the
    // link talks at: the operator is told what changes and confirms first.
    function confirmApply(apply) {
        // A bootloader takes no apply: backend lets the page go at once.
        var lines = linkState.moduleInBootloader ? [] : popupSerialSettings.changeLines(backend.linkSettings(), {
            slaveAddress: backend.slaveAddress, baudrate: backend.baudrate, parity: backend.parity })
        if (lines.length === 0)
            apply()
        else
            popupSerialSettings.confirmWrite(lines, apply)
    }

    function setModuleTime() {
        if (!backend.connectionState)
            return
        popupWaiting.openFor(qsTr("Setting the module's clock…"))
        backend.setModuleTime()
    }

    // A missing start value shows its error at once; loading the start
    // values is no change of the operator's.
    // Text that is no number was never written, so a refresh that finds the
    // same address would leave it standing: show the module's value again.
    Connections {
        target: backend
        function onRefreshEnd() {
            if (isNaN(slaveAddress.readNumber(slaveAddress._text))) {
                slaveAddress._text = Qt.binding(function() { return Form.numberText(backend.slaveAddress) })
                slaveAddress.hasChanged = false
            }
        }
    }

    VPopupSerialSettings {
        id: popupSerialSettings
        objectName: "popupSerialSettings"
    }

    Component.onCompleted: {
        var all = rows()
        for (var i = 0; i < all.length; ++i) {
            if (all[i]._checkError && all[i]._text === "")
                all[i].textChanged()
        }
        clearFieldChanged()
    }

    content: VPanel {
        // The last section keeps off the rounded edge.
        bottomMargin: 10
        spacing: 5

        VAccordion {
            id: general
            objectName: "general"
            _text: qsTr("General")
            _child: Column {
                spacing: 5

                VLineInputNumber {
                    objectName: "password"
                    label: qsTr("Password")
                    labelError: qsTr("Value must be 0 or 1. If 1 is choosen, password is reset to the default value.")
                    _text: Form.numberText(backend.password)
                    maxDigits: 1
                    _checkError: function(value) { return value !== 0 && value !== 1 }
                    _txtChanged: function(value) { backend.password = value }
                }

                VLineLabel {
                    objectName: "lastBoot"
                    label: qsTr("Last boot")
                    txtValue: backend.lastBoot
                }

                VSeparator {}

                VLineLabel {
                    objectName: "firmwareVersion"
                    label: qsTr("Firmware version")
                    txtValue: backend.firmwareVersion
                }

                VLineLabel {
                    objectName: "hardwareVersion"
                    label: qsTr("Hardware version")
                    txtValue: backend.hardwareVersion
                }

                VSeparator {}

                // backend gives the English text (context Backend), as the command line prints it.
                VLineLabel {
                    objectName: "synchronization"
                    label: qsTr("Synchronization")
                    txtValue: qsTranslate("Backend", backend.synchronization)
                }

                VLineLabel {
                    objectName: "dateHour"
                    label: qsTr("Date / hour")
                    txtValue: backend.dateHour
                }

                VLineButton {
                    objectName: "synchronizeTime"
                    label: qsTr("Date / hour synchronization")
                    buttonValue: qsTr("Start")
                    btn.onClick: function() { page.setModuleTime() }
                }

                VSeparator {}

                VLineInputSetting {
                    objectName: "timeDurationMeans"
                    setting: "meanDuration"
                }

                VSeparator {}

                VLineFlag {
                    objectName: "activePowerCalculatedOn"
                    texts: [qsTr("Active power calculated on"), qsTr("Wideband"), qsTr("Fundamental")]
                }

                VLineFlag {
                    objectName: "frequency"
                    texts: [qsTr("Frequency"), qsTr("50Hz"), qsTr("60Hz")]
                }
            }
        }

        VAccordion {
            id: settings
            objectName: "settings"
            _text: qsTr("Settings")
            _child: Column {
                spacing: 10

                // No character filter: text that is not a whole number is
                // an error of the field and never reaches backend.
                VLineInputSetting {
                    id: slaveAddress
                    objectName: "slaveAddress"
                    setting: "slaveAddress"
                }

                VLineSerialSettings {
                    spacing: parent.spacing
                    texts: [qsTr("Baudrate"), qsTr("Parity"), qsTr("None"), qsTr("Even"), qsTr("Odd")]
                    parityIndexOf: page.parityIndex
                    baudrateProperty: "baudrate"
                    parityProperty: "parity"
                }
            }
        }

        VAccordion {
            id: ctPhases
            objectName: "ctPhases"
            _text: qsTr("CT phase visualization")
            _child: Column {
                VLineTable {
                    objectName: "ctHeader"
                    isHeader: true
                    cellFirstWidth: 290
                    cellWidth: 80
                    arrayValue: ["", qsTr("Phase 1"), qsTr("Phase 2"), qsTr("Phase 3")]
                }

                VLineTable {
                    objectName: "ctRatio"
                    cellFirstWidth: 290
                    cellWidth: 80
                    arrayValue: [qsTr("CT ratio"), backend.ctPhaseA1, backend.ctPhaseA2, backend.ctPhaseA3]
                }
            }
        }

        VAccordion {
            id: thresholds
            objectName: "thresholds"
            _text: qsTr("Voltage & current thresholds")
            _child: Column {
                VLineInputSetting {
                    objectName: "limitVoltage"
                    setting: "voltageThreshold"
                }

                VLineInputSetting {
                    objectName: "limitVoltageDuration"
                    setting: "voltageThresholdDuration"
                }

                VLineInputSetting {
                    objectName: "limitCurrent"
                    setting: "currentThreshold"
                }

                VLineInputSetting {
                    objectName: "limitCurrentDuration"
                    setting: "currentThresholdDuration"
                }
            }
        }

        VAccordion {
            id: others
            objectName: "others"
            _text: qsTr("Others")
            _child: Column {
                VLineInputSetting {
                    objectName: "callMonitoringTime"
                    setting: "callMonitoringTime"
                }

                VLineInputSetting {
                    objectName: "minimumTimeMessage"
                    setting: "minimumTimeBetweenMessages"
                }
            }
        }
    }
}
