import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtTest 1.2
import "qrc:/screen"
import "qrc:/popup"

// A link lost while connected: the alert names the cause, and every page of
// the module's values greys them and says when they were read, until the
// next connect.
Item {
    id: harness

    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25
    property int titlePopupFontSize: 19

    width: 1024
    height: 768

    VMenu {
        id: menu
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 200
    }

    VTop {
        id: top_bar
        anchors.left: menu.right
        anchors.right: parent.right
        anchors.top: parent.top
        height: 85
    }

    StackLayout {
        id: pageController
        anchors.left: menu.right
        anchors.right: parent.right
        anchors.top: top_bar.bottom
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 50

        VConnexion { id: connexionPage }
        VMain { id: mainPage }
        VCommunication { id: communicationPage }
        VMeasurement { id: measurementPage }
        VAlarm { id: alarmPage }
        Item { id: settingsPage }
        Item { id: chartsPage }
    }

    VPopupWaiting { id: popupWaiting }
    VPopupAlert { id: popupAlert }
    VPopupFirmwareUpdate { id: popupFirmwareUpdate }

    TestCase {
        name: "LinkLoss"
        when: windowShown

        // Menu entry and page of each page that shows the module's values.
        readonly property var valuePages: [["entryMain", mainPage], ["entryCommunication", communicationPage],
                                           ["entryMeasurement", measurementPage], ["entryAlarm", alarmPage]]

        function press(name) {
            mouseClick(findChild(menu, name))
            tryCompare(popupWaiting, "visible", false, 5000)
        }

        function connectToModule() {
            press("entryConnection")
            findChild(connexionPage, "portSelector").currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(popupWaiting, "visible", false, 5000)
        }

        // The alert of a lost link, closed with its OK button; its detail.
        function lossAlert(ms) {
            tryCompare(popupAlert, "visible", true, ms)
            compare(popupAlert.title, "Communication error")
            compare(popupAlert.message, "Error during the communication with the module. Please check wires connection.")
            var detail = popupAlert.detail
            mouseClick(findChild(popupAlert.contentItem, "okButton"))
            tryCompare(popupAlert, "visible", false)
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
            if (popupAlert.visible)
                popupAlert.close()
            verify(moduleLine.plugAdapter())
            compare(moduleLine.command("silent off"), "ok")
            compare(moduleLine.command("corrupt off"), "ok")
            moduleLine.setWatchdogInterval(11000)
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(connexionPage, "connectButton"))
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
            verify(!findChild(connexionPage, "staleNotice").visible)

            // Plugged in and connected again: live once more.
            verify(moduleLine.plugAdapter())
            connectToModule()
            verifyLive(pagesSeen())

            // A disconnect leaves them stale too, without a cause.
            press("entryConnection")
            mouseClick(findChild(connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
            verify(!popupAlert.visible)
            press("entryMeasurement")
            verify(/^Not live: last read at .*\. Not connected\.$/.test(findChild(measurementPage, "staleNotice").text))
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
            var notice = findChild(alarmPage, "staleNotice")
            verify(notice.visible)
            verify(notice.text.indexOf("(" + data.cause + ").") > 0, notice.text)
        }
    }
}
