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

    // A value row: the title, then the elements of `values` at `indexes`.
    function row(title, values, indexes) {
        var cells = [title]
        for (var i = 0; i < indexes.length; ++i)
            cells.push(values[indexes[i]])
        return cells
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
                    arrayValue: ["", qsTr("Phase 1"), qsTr("Phase 2"), qsTr("Phase 3")]
                }
                VLineTable {
                    objectName: "fusesRow"
                    cellFirstWidth: 220
                    arrayValue: page.row(qsTr("Fuses status"), backend.fusesStatus, [0, 1, 2])
                }
            }
        }

        VAccordion {
            objectName: "measurementCurrents"
            _text: qsTr("Current values")
            _child: Column {
                VLineTable {
                    isHeader: true
                    arrayValue: ["", qsTr("L1"), qsTr("L2"), qsTr("L3"), qsTr("Neutral")]
                }
                VLineTable {
                    objectName: "currentRow"
                    labelUnit: qsTr("A")
                    arrayValue: page.row(qsTr("Current"), backend.intensity, [0, 1, 2, 3])
                }
                VLineTable {
                    objectName: "currentMeanRow"
                    labelUnit: qsTr("A")
                    arrayValue: page.row(qsTr("Current mean"), backend.intensityMean, [0, 1, 2, 3])
                }
                VLineTable {
                    objectName: "currentMinRow"
                    labelUnit: qsTr("A")
                    arrayValue: page.row(qsTr("Current min"), backend.intensityMin, [0, 1, 2, 3])
                }
                VLineTable {
                    objectName: "currentMaxRow"
                    labelUnit: qsTr("A")
                    arrayValue: page.row(qsTr("Current max"), backend.intensityMin, [4, 5, 6, 7])
                }

                VSeparator {}

                VLineTable {
                    isHeader: true
                    arrayValue: ["", qsTr("Phase 1"), qsTr("Phase 2"), qsTr("Phase 3")]
                }
                VLineTable {
                    objectName: "cosPhiRow"
                    arrayValue: page.row(qsTr("Cosphi"), backend.currentPhi, [0, 1, 2])
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
                    arrayValue: ["", qsTr("V1N"), qsTr("V2N"), qsTr("V3N"), qsTr("V12"), qsTr("V23"), qsTr("V31")]
                }
                VLineTable {
                    objectName: "voltageRow"
                    cellFirstWidth: 0
                    cellWidth: 80
                    labelUnit: qsTr("V")
                    arrayValue: ["", backend.voltageValuesN[0], backend.voltageValuesN[1], backend.voltageValuesN[2],
                                 backend.voltageValues[0], backend.voltageValues[1], backend.voltageValues[2]]
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
                    arrayValue: ["", qsTr("ΣP"), qsTr("P1"), qsTr("P2"), qsTr("P3")]
                }
                VLineTable {
                    objectName: "activeRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("W")
                    arrayValue: page.row(qsTr("Active Power"), backend.activeReactivePower, [0, 2, 3, 4])
                }
                VLineTable {
                    objectName: "activeMeanRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("W")
                    arrayValue: page.row(qsTr("Active Power mean"), backend.activeReactivePowerMean, [0, 2, 3, 4])
                }
                // The extremes come as (max, min) pairs.
                VLineTable {
                    objectName: "activeMinRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("W")
                    arrayValue: page.row(qsTr("Active Power min"), backend.activeReactivePowerMin, [1, 5, 7, 9])
                }
                VLineTable {
                    objectName: "activeMaxRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("W")
                    arrayValue: page.row(qsTr("Active Power max"), backend.activeReactivePowerMin, [0, 4, 6, 8])
                }

                VSeparator {}

                VLineTable {
                    isHeader: true
                    cellFirstWidth: 200
                    cellWidth: 80
                    arrayValue: ["", qsTr("ΣQ"), qsTr("Q1"), qsTr("Q2"), qsTr("Q3")]
                }
                VLineTable {
                    objectName: "reactiveRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("VAR")
                    arrayValue: page.row(qsTr("Reactive Power"), backend.activeReactivePower, [1, 5, 6, 7])
                }
                VLineTable {
                    objectName: "reactiveMeanRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("VAR")
                    arrayValue: page.row(qsTr("Reactive Power mean"), backend.activeReactivePowerMean, [1, 5, 6, 7])
                }
                VLineTable {
                    objectName: "reactiveMinRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("VAR")
                    arrayValue: page.row(qsTr("Reactive Power min"), backend.activeReactivePowerMin, [3, 11, 13, 15])
                }
                VLineTable {
                    objectName: "reactiveMaxRow"
                    cellFirstWidth: 200
                    cellWidth: 80
                    labelUnit: qsTr("VAR")
                    arrayValue: page.row(qsTr("Reactive Power max"), backend.activeReactivePowerMin, [2, 10, 12, 14])
                }
            }
        }

        VSeparator {}

        VLineLabel {
            objectName: "measurementMeanTime"
            label: qsTr("Time and date of mean values")
            txtValue: backend.timeAndDateOfMeanValues
        }

        VLineLabel {
            objectName: "measurementTemperature"
            label: qsTr("Temperature Measurement")
            txtValue: backend.temperatureMeasurement
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
