import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2

Item {
    id: root

    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["settings"]
        anchors.fill: parent
    }

    SignalSpy { id: ended; target: settingsFiles; signalName: "settingsEnd" }
    SignalSpy { id: loadFinish; target: backend; signalName: "loadRegisterFinish" }

    TestCase {
        name: "SettingsFile"
        when: windowShown

        readonly property int thresholdAddress: 50573
        property var page: h.settingsPage
        property var result: findChild(page, "popupSettingsFile")
        property var dialog: findChild(page, "settingsFileDialog")
        property var buttons: ["saveSettings", "compareSettings", "restoreSettings"]
        // The module's temperature threshold before a test changed it, or -1.
        property int thresholdBefore: -1

        function module(command) {
            var answer = moduleLine.command(command)
            verify(answer.indexOf("ok") === 0, command + ": " + answer)
            return answer
        }

        function threshold() {
            return parseInt(module("get " + thresholdAddress).split(" ")[1])
        }

        // Another value in the module than the one it holds; the test's cleanup puts it back.
        function changeThreshold() {
            thresholdBefore = threshold()
            var changed = thresholdBefore === 75 ? 76 : 75
            module("set " + thresholdAddress + " " + changed)
            return changed
        }

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function button(name) {
            return findChild(page, name).btn
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            loadFinish.clear()
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            // The clock setting that follows a connect.
            loadFinish.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            press("entrySettings")
            compare(h.pages.currentIndex, 5)
        }

        function chooseGerman() {
            var box = findChild(page, "languageSelection").cb
            box.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(backend.currentLanguage, 1)
        }

        // Runs an operation as the file dialog's choice does and waits for its result.
        function run(operation, file) {
            ended.clear()
            page.runFileOperation(operation, file)
            tryCompare(ended, "count", 1, 10000)
            tryCompare(result, "opened", true)
            tryCompare(h.popupWaiting, "visible", false)
        }

        function savedFile(name) {
            var path = testFolder.path(name)
            run("save", path)
            compare(result.outcome, 0, result.message)
            result.close()
            tryCompare(result, "visible", false)
            return path
        }

        function cleanup() {
            dialog.close()
            result.close()
            tryCompare(result, "visible", false)
            if (thresholdBefore >= 0)
                module("set " + thresholdAddress + " " + thresholdBefore)
            thresholdBefore = -1
            if (backend.currentLanguage !== 0) {
                findChild(page, "languageSelection").cb.forceActiveFocus()
                keyClick(Qt.Key_Up)
                compare(backend.currentLanguage, 0)
            }
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
            }
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        function test_buttonsOnlyWhileConnectedAndIdle() {
            press("entrySettings")
            for (var i = 0; i < buttons.length; ++i) {
                verify(!button(buttons[i]).enabled, buttons[i])
                mouseClick(button(buttons[i]))
                verify(!dialog.visible, buttons[i])
            }
            connectToModule()
            for (i = 0; i < buttons.length; ++i)
                verify(button(buttons[i]).enabled, buttons[i])

            // None while an operation runs.
            page.runFileOperation("save", testFolder.path("busy.json"))
            verify(settingsFiles.busy)
            for (i = 0; i < buttons.length; ++i)
                verify(!button(buttons[i]).enabled, buttons[i])
            tryCompare(result, "opened", true, 10000)
            for (i = 0; i < buttons.length; ++i)
                verify(button(buttons[i]).enabled, buttons[i])
        }

        function test_eachButtonOpensTheDialogAtHome_data() {
            return [
                { tag: "save", button: "saveSettings", existing: false },
                { tag: "compare", button: "compareSettings", existing: true },
                { tag: "restore", button: "restoreSettings", existing: true }
            ]
        }

        function test_eachButtonOpensTheDialogAtHome(data) {
            connectToModule()
            // A folder chosen before is not where the next choice starts.
            dialog.folder = Qt.resolvedUrl(".")
            mouseClick(button(data.button))
            tryCompare(dialog, "visible", true)
            compare(dialog.selectExisting, data.existing)
            compare(dialog.folder, dialog.shortcuts.home)
            compare(dialog.nameFilters, ["Settings files (*.json)", "All files (*)"])
            dialog.close()
            // The dialog's own window had the keyboard: the test's window takes it back.
            root.Window.window.requestActivate()
            tryVerify(function() { return root.Window.contentItem.activeFocus })
            verify(!settingsFiles.busy)
            verify(!h.popupWaiting.visible)
            verify(!result.visible)
        }

        function test_saveSaysWhereItSaved() {
            connectToModule()
            // The dialog gives a URL, and a name typed without an ending.
            run("save", "file://" + testFolder.path("saved"))
            compare(result.outcome, 0)
            compare(result.title, "Done")
            compare(result.message, "The module's settings were saved to " + testFolder.path("saved.json") + ".")
            compare(result.details.length, 1)
            verify(result.details[0].indexOf("Serial number: ") === 0, result.details[0])
            keyClick(Qt.Key_Return)
            tryCompare(result, "visible", false)

            // The file reads back as this module's settings.
            run("compare", testFolder.path("saved.json"))
            compare(result.outcome, 0)
            compare(result.message, "The module holds the file's settings.")
            compare(result.details, ["No differences"])
        }

        function test_compareListsTheChangedSetting() {
            connectToModule()
            var file = savedFile("compare.json")
            var changed = changeThreshold()
            run("compare", file)
            compare(result.outcome, 1)
            compare(result.title, "Differences found")
            compare(result.message, "Settings that differ: 1 (file → module).")
            compare(result.details, ["Temperature threshold: " + thresholdBefore + " °C → " + changed + " °C"])
        }

        function test_writeFileToModuleUndoesTheChange() {
            connectToModule()
            var file = savedFile("restore.json")
            changeThreshold()
            // The module's own line settings stay as they are unless asked for.
            verify(!findChild(page, "includeSerial").isSelect)
            run("restore", file)
            compare(result.outcome, 0, result.message)
            compare(result.title, "Done")
            compare(result.details, ["No differences"])
            compare(threshold(), thresholdBefore)
        }

        // A file's serial settings other than the link's: confirmed before they
        // are written, not read back at the old ones, then a reconnect offered.
        function test_serialSettingsOfAFileConfirmedFirst() {
            connectToModule()
            module("set 31506 0 38400")
            var file = savedFile("serial.json")
            module("set 31506 0 19200")
            var include = findChild(page, "includeSerial")
            mouseClick(include)
            verify(include.isSelect)
            var confirm = findChild(page, "popupSerialSettings")
            ended.clear()
            page.runFileOperation("restore", file)
            tryCompare(confirm, "opened", true)
            compare(confirm.message.split("\n")[1], "Baud rate: 19200 → 38400")
            verify(!h.popupWaiting.visible)
            compare(module("get 31506 2"), "ok 0 19200")
            mouseClick(findChild(confirm.contentItem, "yesButton"))
            tryCompare(ended, "count", 1, 10000)
            tryCompare(result, "opened", true)
            compare(result.outcome, 0, result.message)
            verify(result.message.indexOf("The module now answers at slave address 247, 38400 baud, parity even only") > 0,
                   result.message)
            compare(module("get 31506 2"), "ok 0 38400")
            var reconnect = findChild(h.connexionPage, "popupReconnect")
            tryCompare(reconnect, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(reconnect, "visible", false)
            verify(backend.connectionState)
            // The result stays beneath the question.
            verify(result.visible)
            result.close()
            tryCompare(result, "visible", false)
            mouseClick(include)
            verify(!include.isSelect)
            module("set 31506 0 19200")
        }

        function test_refusedFileSaysWhy() {
            connectToModule()
            var missing = testFolder.path("missing.json")
            run("restore", missing)
            compare(result.outcome, 2)
            compare(result.title, "Failed")
            compare(result.message, "The file was refused; nothing was written to the module.")
            compare(result.details, [missing + ": no such file."])
            keyClick(Qt.Key_Escape)
            tryCompare(result, "visible", false)
        }

        // A value out of range is named by the field's label, in the window's language.
        function test_refusedValueNamesTheLabel() {
            connectToModule()
            var file = savedFile("hot.json")
            var document = JSON.parse(testFolder.lines(file).join("\n"))
            document.settings.forEach(function(s) { if (s.key === "temperatureThreshold") s.value = 95 })
            verify(testFolder.writeText(file, JSON.stringify(document)))
            chooseGerman()
            run("compare", file)
            compare(result.outcome, 2)
            compare(result.details, [file + ": Einstellung \"Schwellenwert Temperatur\" (temperatureThreshold): "
                                     + "95 ist nicht zulässig (zulässig: 60 bis 90)."])
        }

        // A file chosen after the line was lost.
        function test_choiceWithoutAModuleSaysSo() {
            var file = testFolder.path("offline.json")
            run("save", file)
            compare(result.outcome, 2)
            compare(result.title, "Failed")
            compare(result.message, "Not connected to a module.")
            compare(result.details, [])
        }

        function test_longDetailsScroll() {
            var lines = []
            for (var i = 0; i < 60; ++i)
                lines.push("Line " + i)
            result.show(2, "Many lines", lines)
            tryCompare(result, "opened", true)
            verify(result.height <= root.height)
            var list = result.detailList
            verify(list.height > 0)
            verify(list.contentHeight > list.height)
            verify(list.interactive)
        }

        function test_germanDifferenceLine() {
            connectToModule()
            var file = savedFile("german.json")
            chooseGerman()
            var changed = changeThreshold()
            run("compare", file)
            compare(result.title, "Unterschiede gefunden")
            compare(result.message, "Abweichende Einstellungen: 1 (Datei → Modul).")
            compare(result.details, ["Schwellenwert Temperatur: " + thresholdBefore + " °C → " + changed + " °C"])
        }
    }
}
