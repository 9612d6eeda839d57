import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2

// A settings file edited without a module, and a file's differences written
// to the module one by one.
Item {
    id: root

    width: 800
    height: 600

    Harness {
        id: h
        realPages: ["settings"]
        anchors.fill: parent
    }

    SignalSpy { id: ended; target: settingsFiles; signalName: "settingsEnd" }
    SignalSpy { id: loadFinish; target: backend; signalName: "loadRegisterFinish" }

    TestCase {
        name: "SettingsDocument"
        when: windowShown

        readonly property int thresholdsAddress: 50507
        readonly property int temperatureAddress: 50573
        property var page: h.settingsPage
        property var editor: findChild(page, "popupSettingsDocument")
        property var result: findChild(page, "popupSettingsFile")
        property var table: h.popupSettingsComparison
        // What the module held before a test changed it: "address" → "ok v ..." values.
        property var moduleBefore: ({})

        function module(command) {
            var answer = moduleLine.command(command)
            verify(answer.indexOf("ok") === 0, command + ": " + answer)
            return answer
        }

        function words(address, count) {
            return module("get " + address + " " + count).split(" ").slice(1).map(Number)
        }

        // Another value in the module; cleanup() puts the block back.
        function changeModule(address, count, offset, value) {
            var now = words(address, count)
            if (moduleBefore[address] === undefined)
                moduleBefore[address] = now.slice()
            now[offset] = value
            module("set " + address + " " + now.join(" "))
        }

        function connectToModule() {
            mouseClick(findChild(h.menu, "entryConnection"))
            findChild(h.connexionPage, "portSelector").currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            loadFinish.clear()
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            loadFinish.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            mouseClick(findChild(h.menu, "entrySettings"))
        }

        function openSettingsPage() {
            mouseClick(findChild(h.menu, "entrySettings"))
            compare(h.pages.currentIndex, 5)
        }

        function row(key) {
            var item = findChild(editor.contentItem, key)
            verify(item, "no row " + key)
            return item
        }

        function field(key) {
            return findChild(row(key), "field")
        }

        // Types into a field as the operator does, replacing its text.
        function type(key, text) {
            var f = field(key)
            f.forceActiveFocus()
            f.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < text.length; ++i)
                keyClick(text[i])
        }

        function button(parentItem, name) {
            var b = findChild(parentItem, name)
            verify(b, name)
            return b
        }

        function newDocument() {
            openSettingsPage()
            // By keyboard: at 800 x 600 the row is below the page's fold.
            findChild(page, "newDocument").btn.keyTarget.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            tryCompare(editor, "opened", true)
        }

        function runFile(operation, file) {
            ended.clear()
            page.runFileOperation(operation, file)
            tryCompare(ended, "count", 1, 10000)
            tryCompare(result, "opened", true)
            tryCompare(h.popupWaiting, "visible", false)
        }

        // Blocks written since the mark, each once however often it was sent.
        function writtenBlocks() {
            var blocks = []
            moduleLine.requests().forEach(function(r) {
                if ([6, 16].indexOf(r.fn) >= 0 && blocks.indexOf(r.addr) < 0)
                    blocks.push(r.addr)
            })
            return blocks.sort()
        }

        function differingKeys() {
            return settingsFiles.comparison.filter(function(r) { return r.differs })
                                           .map(function(r) { return r.key }).sort()
        }

        function tableRow(key) {
            for (var i = 0; i < table.rows.count; ++i) {
                if (table.rows.get(i).key === key)
                    return i
            }
            return -1
        }

        function cleanup() {
            if (editor.question.visible)
                editor.question.close()
            if (editor.visible)
                editor.close()
            if (table.question.visible)
                table.question.close()
            table.close()
            result.close()
            h.popupAlert.close()
            tryCompare(editor, "visible", false)
            tryCompare(table, "visible", false)
            tryCompare(h.popupAlert, "visible", false)
            for (var address in moduleBefore)
                module("set " + address + " " + moduleBefore[address].join(" "))
            moduleBefore = {}
            if (backend.connectionState) {
                mouseClick(findChild(h.menu, "entryConnection"))
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
            }
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        function test_offlineValuesJudgedAsThePagesDo_data() {
            return [
                { tag: "temperature 59", key: "temperatureThreshold", text: "59", taken: false },
                { tag: "temperature 60", key: "temperatureThreshold", text: "60", taken: true },
                { tag: "temperature 90", key: "temperatureThreshold", text: "90", taken: true },
                { tag: "temperature 91", key: "temperatureThreshold", text: "91", taken: false },
                { tag: "slave address 109", key: "slaveAddress", text: "109", taken: false },
                { tag: "slave address 110", key: "slaveAddress", text: "110", taken: true },
                { tag: "slave address 150", key: "slaveAddress", text: "150", taken: false },
                { tag: "slave address 247", key: "slaveAddress", text: "247", taken: true },
                { tag: "FSD ID of 5", key: "fsdId", text: "AB123", taken: true },
                { tag: "FSD ID of 6", key: "fsdId", text: "AB1234", taken: false },
                { tag: "mean duration 0", key: "meanDuration", text: "0", taken: false },
                { tag: "mean duration 60", key: "meanDuration", text: "60", taken: true }
            ]
        }

        // Refused values are named under their field and keep the file from
        // being saved; taken ones are saved and read back as typed.
        function test_offlineValuesJudgedAsThePagesDo(data) {
            verify(!backend.connectionState)
            newDocument()
            compare(findChild(editor.contentItem, "pathText").text, "New file")
            type(data.key, data.text)
            compare(field(data.key).text, data.text)
            var error = row(data.key).errorText
            compare(error.visible, !data.taken)
            compare(settingsDocument.valid, data.taken)
            compare(button(editor.contentItem, "saveAsButton").enabled, data.taken)
            if (!data.taken) {
                verify(error.text !== "")
                return
            }
            var file = testFolder.path("offline-" + data.key + "-" + data.text + ".json")
            editor.saveAs(file)
            compare(settingsDocument.path, file)
            verify(!settingsDocument.modified)
            editor.close()
            tryCompare(editor, "visible", false)

            verify(editor.openFile(file))
            tryCompare(editor, "opened", true)
            compare(field(data.key).text, data.text)
            verify(!row(data.key).errorText.visible)
            verify(button(editor.contentItem, "saveButton").enabled)
        }

        // Tab starts at the first field and ends at the buttons; Space ticks a flag.
        function test_byKeyboard() {
            newDocument()
            keyClick(Qt.Key_Tab)
            compare(root.Window.window.activeFocusItem, field("fsdId"))
            var flag = field("frequency60Hz")
            var before = flag.isSelect
            // The box inside the row's check box takes the keyboard.
            for (var i = 0; i < 40 && root.Window.window.activeFocusItem.parent !== flag; ++i)
                keyClick(Qt.Key_Tab)
            compare(root.Window.window.activeFocusItem.parent, flag)
            keyClick(Qt.Key_Space)
            compare(flag.isSelect, !before)
            compare(settingsDocument.entries.filter(function(e) { return e.key === "frequency60Hz" })[0].value, !before)
        }

        function test_refusedFileOpensNothing() {
            var file = testFolder.path("broken.json")
            verify(testFolder.writeText(file, "{ not a settings file"))
            openSettingsPage()
            verify(!editor.openFile(file))
            tryCompare(h.popupAlert, "opened", true)
            compare(h.popupAlert.title, "Settings file refused")
            compare(h.popupAlert.message, settingsDocument.lastError)
            verify(settingsDocument.lastError !== "")
            verify(!editor.visible)
        }

        // Escape closes a saved, unchanged file at once; a new file not yet
        // saved, or a change, is asked about first.
        function test_closeAsksOnlyWhenChanged() {
            newDocument()
            keyClick(Qt.Key_Escape)
            tryCompare(editor.question, "opened", true)
            // The first answer, which the keyboard is on, keeps the file open.
            keyClick(Qt.Key_Return)
            tryCompare(editor.question, "visible", false)
            verify(editor.visible)
            var file = testFolder.path("close.json")
            editor.saveAs(file)
            verify(!settingsDocument.modified)
            keyClick(Qt.Key_Escape)
            tryCompare(editor, "visible", false)

            verify(editor.openFile(file))
            tryCompare(editor, "opened", true)
            type("temperatureThreshold", "70")
            verify(settingsDocument.modified)
            keyClick(Qt.Key_Escape)
            tryCompare(editor.question, "opened", true)
            mouseClick(findChild(editor.question.contentItem, "secondButton"))
            tryCompare(editor, "visible", false)
            verify(!settingsDocument.isOpen)
        }

        // Four settings differ, two of them ticked off: only the blocks of the
        // ticked are written, and the thresholds block keeps the module's value
        // of the unticked threshold beside it.
        function test_onlyTheTickedSettingsAreWritten() {
            connectToModule()
            var file = testFolder.path("selective.json")
            runFile("save", file)
            result.close()
            var thresholds = words(thresholdsAddress, 6)
            var temperature = words(temperatureAddress, 1)[0]
            changeModule(thresholdsAddress, 6, 0, thresholds[0] === 230 ? 231 : 230) // voltage threshold
            changeModule(thresholdsAddress, 6, 2, thresholds[2] === 40 ? 41 : 40)    // current threshold
            changeModule(temperatureAddress, 1, 0, temperature === 75 ? 76 : 75)
            var changedCurrent = words(thresholdsAddress, 6)[2]
            var changedTemperature = words(temperatureAddress, 1)[0]

            runFile("compare", file)
            compare(differingKeys(), ["currentThreshold", "temperatureThreshold", "voltageThreshold"])
            var choose = findChild(result.contentItem, "chooseButton")
            verify(choose.visible)
            mouseClick(choose)
            tryCompare(table, "opened", true)
            compare(table.rows.count, 3)
            compare(table.tickedCount, 3)

            // By mouse on the box, and by keyboard: the list has it, Space ticks the current row.
            table.table.forceActiveFocus()
            table.table.currentIndex = tableRow("temperatureThreshold")
            keyClick(Qt.Key_Space)
            mouseClick(findChild(table.table.itemAtIndex(tableRow("currentThreshold")), "tick"))
            compare(table.tickedCount, 1)

            moduleLine.mark()
            mouseClick(findChild(table.contentItem, "writeButton"))
            tryCompare(table.question, "opened", true)
            var lines = findChild(table.question.contentItem, "message").text.split("\n")
            compare(lines.length, 2)
            verify(lines[1].indexOf(table.rows.get(tableRow("voltageThreshold")).name + ": ") === 0, lines[1])
            compare(writtenBlocks(), [])
            ended.clear()
            mouseClick(findChild(table.question.contentItem, "secondButton"))
            tryCompare(ended, "count", 1, 10000)
            tryCompare(h.popupWaiting, "visible", false)

            compare(writtenBlocks(), [thresholdsAddress])
            var now = words(thresholdsAddress, 6)
            compare(now[0], thresholds[0])
            compare(now[2], changedCurrent)
            compare(words(temperatureAddress, 1)[0], changedTemperature)
            // The table read again: the ticked one no longer differs, the others still do, unticked.
            compare(differingKeys(), ["currentThreshold", "temperatureThreshold"])
            compare(tableRow("voltageThreshold"), -1)
            compare(table.tickedCount, 0)
            verify(findChild(table.contentItem, "outcomeText").visible)
            verify(table.visible)
        }

        // A ticked line setting is confirmed as the settings page confirms it;
        // Escape there writes nothing.
        function test_serialSettingConfirmedFirst() {
            connectToModule()
            var baud = words(31506, 2)
            changeModule(31506, 2, 1, baud[1] === 38400 ? 19200 : 38400)
            var file = testFolder.path("serial.json")
            runFile("save", file)
            result.close()
            module("set 31506 " + baud.join(" "))
            changeModule(temperatureAddress, 1, 0, words(temperatureAddress, 1)[0] === 75 ? 76 : 75)
            runFile("compare", file)
            result.close()
            table.showCompare()
            tryCompare(table, "opened", true)
            compare(table.rows.count, 2)
            table.setAllTicked(false)
            table.setTicked(tableRow("baudRate"), true)

            moduleLine.mark()
            mouseClick(findChild(table.contentItem, "writeButton"))
            tryCompare(table.question, "opened", true)
            mouseClick(findChild(table.question.contentItem, "secondButton"))
            var confirm = findChild(table, "comparisonSerialSettings")
            tryCompare(confirm, "opened", true)
            verify(confirm.message.indexOf("Baud rate: " + baud[1] + " → ") >= 0, confirm.message)
            keyClick(Qt.Key_Escape)
            tryCompare(confirm, "visible", false)
            verify(!settingsFiles.busy)
            compare(writtenBlocks(), [])
            compare(words(31506, 2), baud)
        }

        // After an update that changed settings: Keep closes and writes nothing.
        function test_keepAfterAnUpdateWritesNothing() {
            connectToModule()
            var file = testFolder.path("update.json")
            runFile("save", file)
            result.close()
            var temperature = words(temperatureAddress, 1)[0]
            changeModule(temperatureAddress, 1, 0, temperature === 75 ? 76 : 75)
            runFile("compare", file)
            result.close()

            settingsFiles.changedByUpdate()
            tryCompare(table, "opened", true)
            compare(table.mode, "update")
            compare(findChild(table.contentItem, "writeButton").l_text, "Write back")
            compare(table.tickedCount, 1)
            moduleLine.mark()
            keyClick(Qt.Key_Escape)
            tryCompare(table, "visible", false)
            compare(writtenBlocks(), [])
            verify(!settingsFiles.busy)
        }
    }
}
