import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2

Item {
    id: root

    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["measurement", "alarm", "settings"]
        anchors.fill: parent
    }

    TestCase {
        name: "Recorder"
        when: windowShown

        property var page: h.measurementPage
        property var dialog: findChild(page, "recordDialog")

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function recordButton() {
            return findChild(page, "recordRow").btn
        }

        function waitIdle() {
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            waitIdle()
            press("entryMeasurement")
            waitIdle()
        }

        function disconnectFromModule() {
            press("entryConnection")
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
            waitIdle()
        }

        function cleanup() {
            dialog.close()
            measurementRecorder.stop()
            if (backend.connectionState)
                disconnectFromModule()
            press("entryConnection")
        }

        function test_recordAsksForACsvFile() {
            press("entryMeasurement")
            verify(!recordButton().enabled)
            connectToModule()
            verify(recordButton().enabled)
            compare(recordButton().l_text, "Record")
            // A folder chosen before is not where the next choice starts.
            dialog.folder = Qt.resolvedUrl(".")
            mouseClick(recordButton())
            tryCompare(dialog, "visible", true)
            compare(dialog.folder, dialog.shortcuts.home)
            compare(dialog.nameFilters, ["CSV (*.csv)"])
            verify(!dialog.selectExisting)
            dialog.close()
            // The dialog's own window had the keyboard: the test's window takes it back.
            root.Window.window.requestActivate()
            verify(!measurementRecorder.recording)
        }

        function test_recordsEachRoundUntilDisconnected() {
            connectToModule()
            page.startRecording("file://" + testFolder.path("measurements.csv"))
            verify(measurementRecorder.recording)
            compare(recordButton().l_text, "Stop recording")
            var status = findChild(page, "recordStatus")
            verify(status.visible)
            verify(measurementRecorder.fileName.indexOf(testFolder.path("measurements-")) === 0,
                   measurementRecorder.fileName)
            // Two polls of the shown page.
            tryVerify(function() { return measurementRecorder.rows >= 2 }, 7000)
            tryCompare(status, "text", "Recording to " + measurementRecorder.fileName + ", rows written: "
                       + measurementRecorder.rows)

            disconnectFromModule()
            verify(!measurementRecorder.recording)
            press("entryMeasurement")
            compare(recordButton().l_text, "Record")
            verify(!status.visible)
            verify(!findChild(page, "recordError").visible)
            // The header, then a line a row.
            var lines = testFolder.lines(measurementRecorder.fileName)
            compare(lines.length, measurementRecorder.rows + 1)
            verify(lines[0].indexOf("Time,") === 0, lines[0])
        }

        function test_stopButtonStops() {
            connectToModule()
            page.startRecording(testFolder.path("stopped.csv"))
            verify(measurementRecorder.recording)
            mouseClick(recordButton())
            verify(!measurementRecorder.recording)
            verify(!dialog.visible)
            compare(recordButton().l_text, "Record")
        }

        function test_refusedFileSaysWhy() {
            connectToModule()
            page.startRecording(testFolder.path("no-such-folder/measurements.csv"))
            verify(!measurementRecorder.recording)
            var error = findChild(page, "recordError")
            verify(error.visible)
            verify(measurementRecorder.error !== "")
            compare(error.text, measurementRecorder.error)
        }
    }
}
