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
        name: "AlarmHistory"
        when: windowShown

        property var page: h.alarmPage
        property var list: findChild(page, "alarmHistoryList")
        property var dialog: findChild(page, "historyDialog")

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function control(command) {
            compare(moduleLine.command(command), "ok", command)
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
            press("entryAlarm")
        }

        // The texts of the list's row `index`, newest first.
        function entry(index) {
            var item = list.itemAtIndex(index)
            if (!item)
                return null
            return { what: findChild(item, "what").text, state: findChild(item, "state").text,
                     colour: findChild(item, "state").color }
        }

        function topIs(what, state) {
            tryVerify(function() {
                var top = entry(0)
                return top !== null && top.what === what && top.state === state
            }, 6000, what + " " + state)
        }

        function cleanup() {
            dialog.close()
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
                tryCompare(h.popupWaiting, "visible", false, 5000)
            }
            moduleLine.command("alarm fuse 1 0")
            moduleLine.command("alarm fuse 3 0")
            alarmHistory.clear()
            press("entryConnection")
        }

        function test_changeAppearsAtTheTop() {
            connectToModule()
            verify(findChild(page, "historyEmpty").visible)
            control("alarm fuse 1 1")
            topIs("Fuse L1", "blown")
            verify(Qt.colorEqual(entry(0).colour, "red"))
            verify(!findChild(page, "historyEmpty").visible)
            control("alarm fuse 1 0")
            topIs("Fuse L1", "OK")
            verify(Qt.colorEqual(entry(0).colour, "black"))
            compare(entry(1).state, "blown")
        }

        function test_clearEmptiesTheList() {
            connectToModule()
            control("alarm fuse 3 1")
            topIs("Fuse L3", "blown")
            mouseClick(findChild(page, "clearHistoryButton"))
            compare(alarmHistory.count, 0)
            compare(list.count, 0)
            verify(findChild(page, "historyEmpty").visible)
            verify(!findChild(page, "clearHistoryButton").enabled)
        }

        function test_saveWritesTheHistory() {
            connectToModule()
            control("alarm fuse 3 1")
            topIs("Fuse L3", "blown")

            // A folder chosen before is not where the next choice starts.
            dialog.folder = Qt.resolvedUrl(".")
            mouseClick(findChild(page, "saveHistoryButton"))
            tryCompare(dialog, "visible", true)
            compare(dialog.folder, dialog.shortcuts.home)
            compare(dialog.nameFilters, ["CSV (*.csv)"])
            verify(!dialog.selectExisting)
            dialog.close()
            // The dialog's own window had the keyboard: the test's window takes it back.
            root.Window.window.requestActivate()

            page.saveHistory("file://" + testFolder.path("alarms.csv"))
            var lines = testFolder.lines(testFolder.path("alarms.csv"))
            compare(lines.length, 2)
            compare(lines[0], "Time,What,State")
            verify(/,Fuse L3,blown$/.test(lines[1]), lines[1])
            verify(!findChild(page, "historyError").visible)
            verify(h.notice.visible)
            compare(h.notice.text, "The alarm history was saved to " + testFolder.path("alarms.csv") + ".")
        }

        function test_failedSaveSaysWhy() {
            press("entryAlarm")
            page.saveHistory(testFolder.path("no-such-folder/alarms.csv"))
            var error = findChild(page, "historyError")
            verify(error.visible)
            verify(alarmHistory.error !== "")
            compare(error.text, alarmHistory.error)
        }
    }
}
