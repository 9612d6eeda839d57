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
                VLineTable {
                    objectName: "fusesRow"
                    cellFirstWidth: 220
                    arrayValue: page.row("fuses")
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
                VLineTable {
                    objectName: "currentRow"
                    labelUnit: page.unitOf("current")
                    arrayValue: page.row("current")
                }
                VLineTable {
                    objectName: "currentMeanRow"
                    labelUnit: page.unitOf("currentMean")
                    arrayValue: page.row("currentMean")
                }
                VLineTable {
                    objectName: "currentMinRow"
                    labelUnit: page.unitOf("currentMin")
                    arrayValue: page.row("currentMin")
                }
                VLineTable {
                    objectName: "currentMaxRow"
                    labelUnit: page.unitOf("currentMax")
                    arrayValue: page.row("currentMax")
                }

                VSeparator {}

                VLineTable {
                    isHeader: true
                    arrayValue: page.headsOf("cosPhi")
                }
                VLineTable {
                    objectName: "cosPhiRow"
                    arrayValue: page.row("cosPhi")
                }
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
                VLineTable {
                    objectName: "activeRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("active")
                    arrayValue: page.row("active")
                }
                VLineTable {
                    objectName: "activeMeanRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("activeMean")
                    arrayValue: page.row("activeMean")
                }
                // The extremes come as (max, min) pairs.
                VLineTable {
                    objectName: "activeMinRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("activeMin")
                    arrayValue: page.row("activeMin")
                }
                VLineTable {
                    objectName: "activeMaxRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("activeMax")
                    arrayValue: page.row("activeMax")
                }

                VSeparator {}

                VLineTable {
                    isHeader: true
                    cellFirstWidth: 200
                    cellWidth: 80
                    arrayValue: page.headsOf("reactive")
                }
                VLineTable {
                    objectName: "reactiveRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("reactive")
                    arrayValue: page.row("reactive")
                }
                VLineTable {
                    objectName: "reactiveMeanRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("reactiveMean")
                    arrayValue: page.row("reactiveMean")
                }
                VLineTable {
                    objectName: "reactiveMinRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("reactiveMin")
                    arrayValue: page.row("reactiveMin")
                }
                VLineTable {
                    objectName: "reactiveMaxRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: page.unitOf("reactiveMax")
                    arrayValue: page.row("reactiveMax")
                }
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
