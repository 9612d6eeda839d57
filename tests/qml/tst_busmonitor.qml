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

    TestCase {
        name: "BusMonitor"
        when: windowShown

        property var popup: h.popupBusMonitor
        property var list: popup.list
        property var dialog: popup.saveDialog

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function button(name) {
            return findChild(popup.contentItem, name)
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        function openFromTopBar() {
            mouseClick(findChild(h.topBar, "busMonitorButton"))
            tryCompare(popup, "opened", true)
        }

        // The shown row whose block is `name`, or null.
        function row(name) {
            var rows = list.contentItem.children
            for (var i = 0; i < rows.length; ++i) {
                var cell = findChild(rows[i], "name")
                if (rows[i].visible && cell && cell.text === name)
                    return rows[i]
            }
            return null
        }

        function cleanup() {
            dialog.close()
            popup.close()
            tryCompare(popup, "visible", false)
            busMonitor.paused = false
            busMonitor.clear()
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
            }
            tryCompare(h.popupWaiting, "visible", false, 5000)
            press("entryConnection")
        }

        function test_openListensAndShowsARefresh() {
            connectToModule()
            verify(!busMonitor.active)
            // What entering the measurement page reads, before the monitor is opened.
            backend.refreshMeasurementPage()
            wait(1500)
            openFromTopBar()
            verify(busMonitor.active)
            tryVerify(function() { return row("Minimum and maximum values") !== null }, 5000)
            var extremes = row("Minimum and maximum values")
            compare(findChild(extremes, "address").text, "36924 ×48")
            compare(findChild(extremes, "outcome").text, "answered")
            verify(findChild(extremes, "values").text.indexOf("current min L1: ") === 0,
                   findChild(extremes, "values").text)
            verify(findChild(popup.contentItem, "statistics").text.indexOf("Requests: ") === 0)
        }

        // A row shows one line of values; the picked one shows whole below the
        // list, and Up picks the one before.
        function test_pickedRowShowsWhole() {
            connectToModule()
            openFromTopBar()
            backend.refreshMeasurementPage()
            tryVerify(function() { return row("Minimum and maximum values") !== null }, 5000)
            mouseClick(button("pauseButton"))
            var extremes = row("Minimum and maximum values")
            var details = findChild(popup.contentItem, "details")
            compare(details.text, "")
            mouseClick(extremes)
            var values = findChild(extremes, "values")
            verify(values.truncated, values.text)
            var lines = details.text.split("\n")
            compare(lines[1], values.text)
            verify(/Minimum and maximum values  ·  36924 ×48  ·  .* ms  ·  answered$/.test(lines[0]), lines[0])
            var picked = list.currentIndex
            verify(picked > 0)
            keyClick(Qt.Key_Up)
            compare(list.currentIndex, picked - 1)
            verify(details.text.indexOf(findChild(list.currentItem, "name").text) > 0, details.text)
        }

        function switchLanguage(index) {
            backend.language = index === 0 ? "en_EN" : "de_DE"
            backend.currentLanguage = index
            backend.switchLanguage()
        }

        function test_columnsFitAt800x600_data() {
            return [{tag: "English", language: 0, name: "Minimum and maximum values"},
                    {tag: "German", language: 1, name: "Minimal- und Maximalwerte"}]
        }

        // At the smallest window the heads and the columns show whole, the
        // rows already listed in the language switched to.
        function test_columnsFitAt800x600(data) {
            root.width = 800
            root.height = 600
            connectToModule()
            openFromTopBar()
            backend.refreshMeasurementPage()
            tryVerify(function() { return row("Minimum and maximum values") !== null }, 5000)
            mouseClick(button("pauseButton"))
            switchLanguage(data.language)
            try {
                compare(popup.width, 760)
                var heads = findChild(popup.contentItem, "heads").children
                for (var i = 0; i < heads.length; ++i)
                    verify(heads[i].implicitWidth <= heads[i].width, heads[i].text + " " + heads[i].implicitWidth + " " + heads[i].width)
                var extremes = row(data.name)
                verify(extremes !== null, data.name)
                verify(findChild(extremes, "values").text.indexOf(data.language === 0 ? "current min L1: "
                                                                                      : "Strom min. L1: ") === 0)
                compare(findChild(extremes, "slave").text, "247")
                var cells = ["time", "function", "slave", "name", "address", "roundTrip", "outcome"]
                for (var c = 0; c < cells.length; ++c) {
                    var cell = findChild(extremes, cells[c])
                    verify(!cell.truncated && cell.implicitWidth <= cell.width, cell.text + " " + cell.implicitWidth + " " + cell.width)
                }
            } finally {
                switchLanguage(0)
                root.width = 1024
                root.height = 768
            }
        }

        function test_rawWordsInsteadOfValues() {
            connectToModule()
            openFromTopBar()
            backend.refreshMeasurementPage()
            tryVerify(function() { return row("Minimum and maximum values") !== null }, 5000)
            // Held still, so that the row stays in view.
            mouseClick(button("pauseButton"))
            var values = findChild(row("Minimum and maximum values"), "values")
            verify(values.text.indexOf("current min L1: ") === 0, values.text)
            mouseClick(button("rawWords"))
            verify(button("rawWords").isSelect)
            tryVerify(function() { return /^[0-9]+( [0-9]+){47}$/.test(values.text) }, 1000, values.text)
        }

        function test_followsTheEndUntilScrolledUp() {
            connectToModule()
            openFromTopBar()
            backend.refreshMeasurementPage()
            backend.refreshMeasurementPage()
            tryVerify(function() { return list.contentHeight > 1.5 * list.height }, 5000)
            tryVerify(function() { return list.atYEnd })

            mouseDrag(list, list.width / 2, 20, 0, list.height / 2)
            tryVerify(function() { return !list.moving })
            verify(!list.atYEnd)
            var top = list.contentY
            var rows = list.count
            backend.refreshMeasurementPage()
            tryVerify(function() { return list.count > rows + 3 }, 5000)
            compare(list.contentY, top)

            // Back at the end, it follows again.
            mouseDrag(list, list.width / 2, list.height - 20, 0, -list.contentHeight)
            tryVerify(function() { return !list.moving })
            verify(list.atYEnd)
            rows = list.count
            backend.refreshMeasurementPage()
            tryVerify(function() { return list.count > rows + 3 }, 5000)
            tryVerify(function() { return list.atYEnd })
        }

        function test_closeStopsListening() {
            press("entrySettings")
            mouseClick(findChild(h.settingsPage, "busMonitorRow").btn)
            tryCompare(popup, "opened", true)
            verify(busMonitor.active)
            mouseClick(button("closeButton"))
            tryCompare(popup, "visible", false)
            verify(!busMonitor.active)
        }

        function test_pauseHoldsTheList() {
            connectToModule()
            openFromTopBar()
            tryVerify(function() { return busMonitor.count > 0 }, 5000)
            mouseClick(button("pauseButton"))
            verify(busMonitor.paused)
            compare(button("pauseButton").l_text, "Resume")
            var rows = busMonitor.count
            var requests = busMonitor.statistics.requests
            // The poll goes on; the list does not take it.
            tryVerify(function() { return busMonitor.statistics.requests > requests + 1 }, 6000)
            compare(busMonitor.count, rows)
            compare(list.count, rows)
            mouseClick(button("pauseButton"))
            verify(!busMonitor.paused)
            compare(button("pauseButton").l_text, "Pause")
            tryVerify(function() { return list.count > rows }, 5000)
        }

        function test_saveWritesTheList_data() {
            return [
                { tag: "JSON lines", filter: "JSON lines (*.jsonl)", ending: ".jsonl", header: 0, start: "{" },
                { tag: "CSV", filter: "CSV (*.csv)", ending: ".csv", header: 1, start: "20" }
            ]
        }

        function test_saveWritesTheList(data) {
            connectToModule()
            openFromTopBar()
            tryVerify(function() { return busMonitor.count > 0 }, 5000)
            mouseClick(button("pauseButton"))

            // A folder chosen before is not where the next choice starts.
            dialog.folder = Qt.resolvedUrl(".")
            mouseClick(button("saveButton"))
            tryCompare(dialog, "visible", true)
            compare(dialog.folder, dialog.shortcuts.home)
            compare(dialog.nameFilters, ["JSON lines (*.jsonl)", "CSV (*.csv)"])
            verify(!dialog.selectExisting)
            dialog.close()
            // The dialog's own window had the keyboard: the test's window takes it back.
            root.Window.window.requestActivate()

            // A name typed without an ending takes the chosen filter's.
            var file = popup.saveTo("file://" + testFolder.path("trace"), data.filter)
            compare(file, "file://" + testFolder.path("trace" + data.ending))
            var lines = testFolder.lines(testFolder.path("trace" + data.ending))
            compare(lines.length, busMonitor.count + data.header)
            verify(lines[data.header].indexOf(data.start) === 0, lines[data.header])
            verify(!findChild(popup.contentItem, "saveError").visible)
            // Over the monitor, which stays open.
            verify(h.notice.visible)
            compare(h.notice.text, "The list was saved to " + testFolder.path("trace" + data.ending) + ".")
        }

        function test_failedSaveSaysWhy() {
            openFromTopBar()
            popup.saveTo(testFolder.path("no-such-folder/trace.csv"), "CSV (*.csv)")
            var error = findChild(popup.contentItem, "saveError")
            verify(error.visible)
            verify(busMonitor.error !== "")
            compare(error.text, busMonitor.error)
        }
    }
}
