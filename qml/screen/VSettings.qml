import QtQuick 2.15
import "../view"
import "../popup"
import "../theme"

// The language choice, which takes effect at once, the module's settings
// kept in a file (saved, compared with the module, written back to it) and
// the way to the bus monitor.
VScrollContent {
    id: page

    // One operation at a time, and only on a module that runs its firmware.
    readonly property bool fileActionsEnabled: backend.connectionState && !linkState.moduleInBootloader
                                               && !settingsFiles.busy
    // The operation the file dialog was opened for, and whether its end is ours to show.
    property string fileOperation: ""
    property bool awaitingFileEnd: false

    label: ""

    function languageSelected(index) {
        // Nothing to switch: the choice already holds (it is also how the
        // box first takes the stored language).
        if (index === backend.currentLanguage)
            return
        console.log("Change langue " + index)
        // Retranslated lists reset their selection: keep both parities.
        var parityConnectionPage = backend.parityConnectionPage
        var parity = backend.parity
        backend.language = index === 0 ? "en_EN" : "de_DE"
        backend.currentLanguage = index
        backend.switchLanguage()
        backend.parityConnectionPage = parityConnectionPage
        backend.parity = parity
    }

    function chooseFile(operation) {
        if (!fileActionsEnabled)
            return
        fileOperation = operation
        fileDialog.title = operation === "save" ? qsTr("Save the module's settings to a file")
                         : operation === "compare" ? qsTr("Choose the settings file to compare with")
                         : qsTr("Choose the settings file to write to the module")
        fileDialog.selectExisting = operation !== "save"
        // A name typed without an ending is saved as .json: the dialog then
        // asks before that file is replaced.
        fileDialog.defaultSuffix = operation === "save" ? "json" : ""
        // Always from the home folder, not where the last choice was made.
        fileDialog.openAtHome()
    }

    // `file` is a path or a file: URL, as the dialog gives it. Backend ends a
    // second operation without a word, so none starts while one runs; a line
    // lost while the dialog was open is for Backend to report.
    function runFileOperation(operation, file) {
        if (settingsFiles.busy)
            return
        // Serial settings of the file that move the module off the link are confirmed first.
        if (operation === "restore" && includeSerial.isSelect) {
            var lines = popupSerialSettings.changeLines(backend.linkSettings(), settingsFiles.serialSettingsInFile(file))
            if (lines.length > 0) {
                popupSerialSettings.confirmWrite(lines, function() { page.startFileOperation(operation, file) })
                return
            }
        }
        startFileOperation(operation, file)
    }

    function startFileOperation(operation, file) {
        if (settingsFiles.busy)
            return
        awaitingFileEnd = true
        // The settings-file popup tells how it ended, cancelled or not.
        popupWaiting.openFor(operation === "save" ? qsTr("Reading the module's settings for the file…")
                           : operation === "compare" ? qsTr("Comparing the module with the file…")
                           : qsTr("Writing the file's settings to the module…"), true)
        if (operation === "save")
            settingsFiles.save(file)
        else if (operation === "compare")
            settingsFiles.compare(file)
        else
            settingsFiles.restore(file, includeSerial.isSelect)
    }

    function anyDifference() {
        var rows = settingsFiles.comparison
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].differs)
                return true
        }
        return false
    }

    // `file` is a path or a file: URL, as the dialog gives it.
    function openDocument(file) {
        popupDocument.openFile(file)
    }

    Connections {
        target: settingsFiles
        function onSettingsEnd(outcome, message, details) {
            if (!page.awaitingFileEnd)
                return
            page.awaitingFileEnd = false
            popupWaiting.close()
            // Differences left by a compare or a write may be written one by one.
            popupSettingsFile.choosable = outcome === 1 && page.anyDifference()
            popupSettingsFile.show(outcome, message, details)
        }
    }

    VFileDialog {
        id: fileDialog
        objectName: "settingsFileDialog"
        nameFilters: [qsTr("Settings files") + " (*.json)", qsTr("All files") + " (*)"]
        onAccepted: page.runFileOperation(page.fileOperation, String(fileUrl))
    }

    VPopupSettingsFile {
        id: popupSettingsFile
        objectName: "popupSettingsFile"
        onChoose: function() { comparisonHolder.get().showCompare() }
    }

    VFileDialog {
        id: documentDialog
        objectName: "documentFileDialog"
        title: qsTr("Choose the settings file to edit")
        nameFilters: [qsTr("Settings files") + " (*.json)", qsTr("All files") + " (*)"]
        onAccepted: page.openDocument(String(fileUrl))
    }

    VPopupSettingsDocument {
        id: popupDocument
        objectName: "popupSettingsDocument"
    }

    VPopupSerialSettings {
        id: popupSerialSettings
        objectName: "popupSerialSettings"
    }

    VPopupReport {
        id: popupReport
        objectName: "popupReport"
    }

    content: VPanel {
        bottomMargin: 10

        VLineComboBox {
            id: cbLanguage
            objectName: "languageSelection"
            label: qsTr("Language selection")
            _model: ["English", "Deutsch"]
            _currentIndex: backend.currentLanguage
            _selectChanged: function() { page.languageSelected(cbLanguage._currentIndex) }
        }

        VSeparator {}

        Text {
            objectName: "settingsFileTitle"
            bottomPadding: 5
            text: qsTr("Module settings file")
            color: Theme.text
            font.pixelSize: textFontSize
            font.bold: true
        }

        VLineButton {
            objectName: "saveSettings"
            label: qsTr("Keep the module's settings and identity in a file")
            buttonValue: qsTr("Save to file")
            btn.enabled: page.fileActionsEnabled
            btn.onClick: function() { page.chooseFile("save") }
        }

        VLineButton {
            objectName: "compareSettings"
            label: qsTr("List the settings in which the module differs from a file")
            buttonValue: qsTr("Compare with file")
            btn.enabled: page.fileActionsEnabled
            btn.onClick: function() { page.chooseFile("compare") }
        }

        VLineButton {
            objectName: "restoreSettings"
            label: qsTr("Write the settings that differ from a file, then read them back")
            buttonValue: qsTr("Write file to module")
            btn.enabled: page.fileActionsEnabled
            btn.onClick: function() { page.chooseFile("restore") }
        }

        // Unticked: the module keeps the line the tool is talking on.
        Item {
            objectName: "includeSerialRow"
            width: parent.width
            height: Math.max(serialLabel.implicitHeight, 30) + 14

            VRowLabel {
                id: serialLabel
                beside: serialBoxCell
                text: qsTr("Also write the module's serial settings (parity, baud rate, slave address)")
            }

            Item {
                id: serialBoxCell
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                width: Theme.controlWidth
                height: 30

                VCheckBox {
                    id: includeSerial
                    objectName: "includeSerial"
                    anchors.centerIn: parent
                    onClick: function() {}
                }
            }
        }

        // A file is edited without a module: these work connected or not.
        VLineButton {
            objectName: "openDocument"
            label: qsTr("Change the values of a settings file, with or without a module")
            buttonValue: qsTr("Open file…")
            btn.onClick: function() { documentDialog.openAtHome() }
        }

        VLineButton {
            objectName: "newDocument"
            label: qsTr("Start a settings file from the values a module has from the factory")
            buttonValue: qsTr("New file")
            btn.onClick: function() { popupDocument.newFile() }
        }

        VSeparator {}

        VLineButton {
            objectName: "busMonitorRow"
            label: qsTr("Every request on the line and its answer, with the link's counters")
            buttonValue: qsTr("Bus monitor")
            btn.onClick: function() { busMonitorHolder.get().open() }
        }

        VLineButton {
            objectName: "reportRow"
            label: qsTr("The module's settings, measurements and alarms in a PDF for the commissioning record")
            buttonValue: qsTr("Report…")
            btn.enabled: page.fileActionsEnabled && !commissioningReport.busy
            btn.onClick: function() { popupReport.openForModule() }
        }
    }
}
