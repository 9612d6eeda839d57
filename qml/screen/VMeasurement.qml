import QtQuick 2.15
import "../view"
import "../theme"

// The module's measurements, read only. The poll refreshes them while the page
// is shown (the menu sets backend.measurementEnable); they can be recorded to a file.
VScrollContent {
    id: page

    label: qsTr("Measurement")
    showsModuleValues: true

    function toggleRecording() {
        if (measurementRecorder.recording) {
            measurementRecorder.stop()
            return
        }
        // Always from the home folder, not where the last choice was made.
        recordDialog.openAtHome()
    }

    // `file` is a path or a file: URL, as the dialog gives it; the recorder
    // says why when it cannot start.
    function startRecording(file) {
        measurementRecorder.start(String(file))
    }

    VFileDialog {
        id: recordDialog
        objectName: "recordDialog"
        title: qsTr("Record the measurements to a file")
        selectExisting: false
        defaultSuffix: "csv"
        nameFilters: ["CSV (*.csv)"]
        onAccepted: page.startRecording(fileUrl)
    }

    // The rows come from the measurement table: labels, heads and units are
    // its source texts, translated here as the page's own.
    function translated(text) {
        return text === "" ? "" : qsTranslate("VMeasurement", text)
    }
    function headsOf(key) {
        return measurementTable.pageRow(key).heads.map(translated)
    }
    function unitOf(key) {
        return translated(measurementTable.pageRow(key).unit)
    }
    function labelOf(key) {
        return translated(measurementTable.pageRow(key).label)
    }
    // The row's values as the Backend holds them; an element below 0 is a
    // property that is one text.
    function valuesOf(key) {
        var cells = measurementTable.pageRow(key).cells
        var texts = []
        for (var i = 0; i < cells.length; ++i) {
            var value = backend[cells[i].property]
            texts.push(cells[i].element < 0 ? value : value[cells[i].element])
        }
        return texts
    }
    function row(key) {
        return [labelOf(key)].concat(valuesOf(key))
    }

    // The value row `key` of the measurement table, named after it.
    component ValueRow: VLineTable {
        property string key
        objectName: key + "Row"
        labelUnit: page.unitOf(key)
        arrayValue: page.row(key)
    }
    component PowerRow: ValueRow {
        cellFirstWidth: 200
        cellWidth: 80
    }

    content: VPanel {
        bottomMargin: 10
        spacing: 5

        VAccordion {
            objectName: "measurementFuses"
            _text: qsTr("Fuses status")
            _child: Column {
                VLineTable {
                    isHeader: true
                    cellFirstWidth: 220
                    arrayValue: page.headsOf("fuses")
                }
                ValueRow {
                    key: "fuses"
                    cellFirstWidth: 220
                }
            }
        }

        VAccordion {
            objectName: "measurementCurrents"
            _text: qsTr("Current values")
            _child: Column {
                VLineTable {
                    isHeader: true
                    arrayValue: page.headsOf("current")
                }
                ValueRow { key: "current" }
                ValueRow { key: "currentMean" }
                ValueRow { key: "currentMin" }
                ValueRow { key: "currentMax" }

                VSeparator {}

                VLineTable {
                    isHeader: true
                    arrayValue: page.headsOf("cosPhi")
                }
                ValueRow { key: "cosPhi" }
            }
        }

        VAccordion {
            objectName: "measurementVoltages"
            _text: qsTr("Voltage values")
            _child: Column {
                VLineTable {
                    isHeader: true
                    cellFirstWidth: 0
                    cellWidth: 80
                    arrayValue: page.headsOf("voltage")
                }
                VLineTable {
                    objectName: "voltageRow"
                    cellFirstWidth: 0
                    cellWidth: 80
                    labelUnit: page.unitOf("voltage")
                    arrayValue: [""].concat(page.valuesOf("voltage"))
                }
            }
        }

        VAccordion {
            objectName: "measurementPowers"
            _text: qsTr("Power Calculations")
            _child: Column {
                VLineTable {
                    isHeader: true
                    cellFirstWidth: 200
                    cellWidth: 80
                    arrayValue: page.headsOf("active")
                }
                PowerRow { key: "active" }
                PowerRow { key: "activeMean" }
                PowerRow { key: "activeMin" }
                PowerRow { key: "activeMax" }

                VSeparator {}

                VLineTable {
                    isHeader: true
                    cellFirstWidth: 200
                    cellWidth: 80
                    arrayValue: page.headsOf("reactive")
                }
                PowerRow { key: "reactive" }
                PowerRow { key: "reactiveMean" }
                PowerRow { key: "reactiveMin" }
                PowerRow { key: "reactiveMax" }
            }
        }

        VSeparator {}

        VLineLabel {
            objectName: "measurementMeanTime"
            label: page.labelOf("meanTime")
            txtValue: page.valuesOf("meanTime")[0]
        }

        VLineLabel {
            objectName: "measurementTemperature"
            label: page.labelOf("temperature")
            txtValue: page.valuesOf("temperature")[0]
        }

        VSeparator {}

        // One row per round of measurements; the date goes into the chosen name, a file a day.
        VLineButton {
            objectName: "recordRow"
            label: qsTr("Write every round of measurements to a CSV file")
            buttonValue: measurementRecorder.recording ? qsTr("Stop recording") : qsTr("Record")
            btn.enabled: measurementRecorder.recording || backend.connectionState
            btn.onClick: function() { page.toggleRecording() }
        }

        Text {
            objectName: "recordStatus"
            width: parent.width
            visible: measurementRecorder.recording
            text: qsTr("Recording to %1, rows written: %2").arg(measurementRecorder.fileName)
                                                            .arg(measurementRecorder.rows)
            color: Theme.text
            // Paths have no spaces to break at.
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: textFontSize
        }

        VErrorText {
            objectName: "recordError"
            width: parent.width
            shown: true
            text: measurementRecorder.error
        }
    }
}
