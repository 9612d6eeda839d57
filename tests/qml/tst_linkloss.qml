import QtQuick 2.15
import QtTest 1.2

// A link lost while connected: the alert names the cause, and every page of
// the module's values greys them and says when they were read, until the
// next connect.
Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["main", "communication", "measurement", "alarm"]
        anchors.fill: parent
    }

    TestCase {
        name: "LinkLoss"
        when: windowShown

        // Menu entry and page of each page that shows the module's values.
        readonly property var valuePages: [["entryMain", h.mainPage], ["entryCommunication", h.communicationPage],
                                           ["entryMeasurement", h.measurementPage], ["entryAlarm", h.alarmPage]]

        function press(name) {
            mouseClick(findChild(h.menu, name))
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        function connectToModule() {
            press("entryConnection")
            findChild(h.connexionPage, "portSelector").currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        // The alert of a lost link, closed with its OK button; its detail.
        function lossAlert(ms) {
            tryCompare(h.popupAlert, "visible", true, ms)
            compare(h.popupAlert.title, "Communication error")
            compare(h.popupAlert.message, "Error during the communication with the module. Please check wires connection.")
            var detail = h.popupAlert.detail
            mouseClick(findChild(h.popupAlert.contentItem, "okButton"))
            tryCompare(h.popupAlert, "visible", false)
            return detail
        }

        // Each page of values as the operator sees it: [notice shown, notice text, veil shown].
        function pagesSeen() {
            var seen = []
            for (var i = 0; i < valuePages.length; ++i) {
                press(valuePages[i][0])
                var notice = findChild(valuePages[i][1], "staleNotice")
                seen.push([notice.visible, notice.text, findChild(valuePages[i][1], "staleVeil").visible])
            }
            return seen
        }

        function verifyLive(seen) {
            for (var i = 0; i < seen.length; ++i)
                verify(!seen[i][0] && !seen[i][2], valuePages[i][0])
        }

        function cleanup() {
            if (h.popupAlert.visible)
                h.popupAlert.close()
            verify(moduleLine.plugAdapter())
            compare(moduleLine.command("silent off"), "ok")
            compare(moduleLine.command("corrupt off"), "ok")
            moduleLine.setWatchdogInterval(11000)
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
            }
            press("entryConnection")
        }

        // Pulled out while connected: noticed at once, not after the
        // resends; the values stay, greyed, with the time of the last read.
        function test_adapterPulled() {
            verifyLive(pagesSeen())
            connectToModule()
            press("entryMain")
            var serial = backend.serialNumber
            verify(serial !== "")
            var pulled = new Date()
            moduleLine.pullAdapter()
            var detail = lossAlert(5000)
            verify(new Date() - pulled < 5000)
            verify(detail.indexOf("The adapter is gone: " + moduleLine.portPath) === 0, detail)
            verify(!backend.connectionState)

            var read = linkState.lastReadAt
            verify(pulled - read >= 0 && pulled - read < 5000, read)
            var expected = "Not live: last read at " + Qt.formatDateTime(read, "dd/MM/yyyy HH:mm:ss")
                    + ". The link to the module was lost (the adapter is gone)."
            var stale = [true, expected, true]
            compare(pagesSeen(), [stale, stale, stale, stale])
            compare(backend.serialNumber, serial)
            verify(!findChild(h.connexionPage, "staleNotice").visible)

            // Plugged in and connected again: live once more.
            verify(moduleLine.plugAdapter())
            connectToModule()
            verifyLive(pagesSeen())

            // A disconnect leaves them stale too, without a cause.
            press("entryConnection")
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
            verify(!h.popupAlert.visible)
            press("entryMeasurement")
            verify(/^Not live: last read at .*\. Not connected\.$/.test(findChild(h.measurementPage, "staleNotice").text))
        }

        // The two causes the line shows in the answers. Garbled answers reach
        // the watchdog sooner here; silence takes the client's own resends.
        function test_answersTellTheCause_data() {
            return [
                {tag: "garbled", command: "corrupt on", watchdog: 1500, within: 8000,
                 detail: "Garbled answers: the module answered, but never with a frame whose checksum (CRC) was right.",
                 cause: "garbled answers"},
                {tag: "silent", command: "silent on", watchdog: 11000, within: 16000,
                 detail: "No answer: the module stopped answering, even to the repeated requests.",
                 cause: "no answer"}
            ]
        }

        function test_answersTellTheCause(data) {
            connectToModule()
            press("entryAlarm")
            moduleLine.setWatchdogInterval(data.watchdog)
            compare(moduleLine.command(data.command), "ok")
            var detail = lossAlert(data.within)
            verify(detail.indexOf(data.detail) === 0, detail)
            var notice = findChild(h.alarmPage, "staleNotice")
            verify(notice.visible)
            verify(notice.text.indexOf("(" + data.cause + ").") > 0, notice.text)
        }
    }
}
