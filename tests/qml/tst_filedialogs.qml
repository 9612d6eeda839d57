import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2

// Every file dialog of the program, each used twice in a row with two
// different files through the dialog Qt shows where the platform has none
// (testDialogs types the path and presses Return): each operation must use
// the file chosen for it, not the one chosen the time before.
Item {
    id: root

    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["measurement", "alarm", "settings"]
        anchors.fill: parent
    }

    SignalSpy { id: settingsEnded; target: settingsFiles; signalName: "settingsEnd" }

    TestCase {
        name: "FileDialogs"
        when: windowShown

        property var settingsPage: h.settingsPage
        property var firmware: h.popupFirmwareUpdate
        property var result: findChild(settingsPage, "popupSettingsFile")
        property var busPopup: h.popupBusMonitor
        property var dialogs: [findChild(settingsPage, "settingsFileDialog"), findChild(firmware, "firmwareFileDialog"),
                               findChild(h.measurementPage, "recordDialog"), findChild(h.alarmPage, "historyDialog"),
                               busPopup.saveDialog]

        // A menu entry, then the page's first reads are waited for: their popup takes the clicks.
        function press(name) {
            mouseClick(findChild(h.menu, name))
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        // Types `path` into the file dialog the last click opened and accepts it.
        function choose(path, filterIndex) {
            tryVerify(function() { return testDialogs.shownCount() === 1 }, 5000, "a file dialog shown")
            verify(testDialogs.choose(path, filterIndex === undefined ? -1 : filterIndex), path)
            tryVerify(function() { return testDialogs.shownCount() === 0 }, 5000, "the file dialog closed")
        }

        // The settings page's operation on the file chosen through its dialog, to its result.
        function settingsOperation(button, path) {
            press("entrySettings")
            settingsEnded.clear()
            mouseClick(findChild(settingsPage, button).btn)
            choose(path)
            tryCompare(settingsEnded, "count", 1, 10000)
            tryCompare(result, "opened", true)
            tryCompare(h.popupWaiting, "visible", false, 10000)
            var outcome = { outcome: result.outcome, message: result.message, details: result.details }
            result.close()
            tryCompare(result, "visible", false)
            return outcome
        }

        // A file of the module's settings, saved without the dialog.
        function savedSettings(name) {
            var path = testFolder.path(name)
            settingsEnded.clear()
            settingsPage.runFileOperation("save", path)
            tryCompare(settingsEnded, "count", 1, 10000)
            tryCompare(result, "opened", true)
            compare(result.outcome, 0, result.message)
            result.close()
            tryCompare(result, "visible", false)
            return path
        }

        function initTestCase() {
            press("entryConnection")
            findChild(h.connexionPage, "portSelector").currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 10000)
            verify(settingsPage.runFileOperation !== undefined)
        }

        function cleanupTestCase() {
            press("entryConnection")
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
        }

        function cleanup() {
            for (var i = 0; i < dialogs.length; ++i)
                dialogs[i].close()
            measurementRecorder.stop()
            for (var p of [firmware, busPopup, result])
                p.close()
            tryVerify(function() { return !firmware.visible && !busPopup.visible && !result.visible })
            firmware.filename = ""
            // A dialog's own window had the keyboard: the test's window takes it back.
            root.Window.window.requestActivate()
            tryVerify(function() { return root.Window.contentItem.activeFocus })
        }

        function test_eachOperationUsesTheFileChosen_data() {
            return [
                { tag: "settings save" }, { tag: "settings compare" }, { tag: "settings restore" },
                { tag: "firmware" }, { tag: "recorder" }, { tag: "alarm history" }, { tag: "bus monitor" }
            ]
        }

        function test_eachOperationUsesTheFileChosen(data) {
            switch (data.tag) {
            case "settings save": {
                var first = testFolder.path("settings1.json")
                var second = testFolder.path("settings2.json")
                var saved = settingsOperation("saveSettings", first)
                compare(saved.message, "The module's settings were saved to " + first + ".")
                saved = settingsOperation("saveSettings", second)
                compare(saved.message, "The module's settings were saved to " + second + ".")
                verify(testFolder.exists(first) && testFolder.exists(second))
                break
            }
            case "settings compare":
            case "settings restore": {
                // The module's own settings, then a file it refuses and names.
                var held = savedSettings("held.json")
                var refused = testFolder.makeFile("refused.json", 16)
                var button = data.tag === "settings compare" ? "compareSettings" : "restoreSettings"
                var done = settingsOperation(button, held)
                compare(done.outcome, 0, done.message)
                compare(done.details[done.details.length - 1], "No differences")
                var failed = settingsOperation(button, refused)
                compare(failed.outcome, 2, failed.message)
                verify(failed.details.length === 1 && failed.details[0].indexOf(refused + ": ") === 0,
                       failed.details.join(" | "))
                break
            }
            case "firmware": {
                var small = testFolder.makeFile("fw-small.bin", 100)
                var large = testFolder.makeFile("fw-40k.bin", 40960)
                firmware.open()
                tryCompare(firmware, "opened", true)
                var fileRow = findChild(firmware.contentItem, "fileRow")
                var shown = findChild(firmware.contentItem, "fileName")
                mouseClick(fileRow.btn)
                choose(small)
                // What "Start update" would send.
                compare(firmware.filename, small)
                compare(shown.text, small)
                mouseClick(fileRow.btn)
                choose(large)
                compare(firmware.filename, large)
                compare(shown.text, large)
                break
            }
            case "recorder": {
                press("entryMeasurement")
                var record = findChild(h.measurementPage, "recordRow").btn
                mouseClick(record)
                choose(testFolder.path("rec1.csv"))
                verify(measurementRecorder.recording)
                verify(measurementRecorder.fileName.indexOf(testFolder.path("rec1-")) === 0, measurementRecorder.fileName)
                // Stop, then record anew.
                mouseClick(record)
                verify(!measurementRecorder.recording)
                mouseClick(record)
                choose(testFolder.path("rec2.csv"))
                verify(measurementRecorder.recording)
                verify(measurementRecorder.fileName.indexOf(testFolder.path("rec2-")) === 0, measurementRecorder.fileName)
                break
            }
            case "alarm history": {
                press("entryAlarm")
                var saveHistory = findChild(h.alarmPage, "saveHistoryButton")
                var names = ["history1.csv", "history2.csv"]
                for (var i = 0; i < names.length; ++i) {
                    mouseClick(saveHistory)
                    choose(testFolder.path(names[i]))
                    compare(alarmHistory.error, "")
                    compare(testFolder.lines(testFolder.path(names[i]))[0], "Time,What,State")
                }
                break
            }
            case "bus monitor": {
                busPopup.open()
                tryCompare(busPopup, "opened", true)
                var saveList = findChild(busPopup.contentItem, "saveButton")
                // A bare name takes the ending of the file type chosen with it.
                mouseClick(saveList)
                choose(testFolder.path("bus1"), 0)
                verify(!busPopup.saveFailed)
                verify(testFolder.exists(testFolder.path("bus1.jsonl")))
                mouseClick(saveList)
                choose(testFolder.path("bus2"), 1)
                verify(!busPopup.saveFailed)
                verify(testFolder.exists(testFolder.path("bus2.csv")))
                verify(!testFolder.exists(testFolder.path("bus1.csv")))
                verify(!testFolder.exists(testFolder.path("bus2.jsonl")))
                break
            }
            default:
                fail("no such use: " + data.tag)
            }
        }
    }
}
