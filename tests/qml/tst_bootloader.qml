import QtQuick 2.15
import QtTest 1.2

// A module left in its bootloader (reset, no image) is named as such on
// connect, nothing of its application is read, and the update runs from there.
Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["main", "communication"]
        anchors.fill: parent
    }

    SignalSpy { id: connectionEnd; target: backend; signalName: "connectionEnd" }
    SignalSpy { id: disconnected; target: backend; signalName: "disconnectionEnd" }
    SignalSpy { id: refreshEnd; target: backend; signalName: "refreshEnd" }
    SignalSpy { id: success; target: backend; signalName: "updateSuccess" }
    SignalSpy { id: failure; target: backend; signalName: "updateFail" }

    TestCase {
        name: "Bootloader"
        when: windowShown

        function module(command) {
            var answer = moduleLine.command(command)
            verify(answer.indexOf("ok") === 0, command + ": " + answer)
            return answer
        }

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function indicatorText() {
            return findChild(h.menu, "connectionIndicator").children[0].text
        }

        function connectButton() {
            return findChild(h.connexionPage, "connectButton")
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            connectionEnd.clear()
            mouseClick(connectButton())
            connectionEnd.wait(5000)
            verify(connectionEnd.signalArguments[0][0])
            tryCompare(h.popupWaiting, "visible", false)
        }

        function firmwareImage() {
            return h.popupFirmwareUpdate.localPath(Qt.resolvedUrl("../../qml/images/icons/contents/arrow.png"))
        }

        // An update whose checksum the bootloader refuses: the module took the
        // reset and stays in its bootloader, as after "Close anyway".
        function leaveModuleInBootloader() {
            connectToModule()
            verify(!linkState.moduleInBootloader)
            module("exception 50525 4")
            failure.clear()
            disconnected.clear()
            backend.startUpdate(firmwareImage())
            failure.wait(10000)
            module("exception clear")
            tryCompare(h.popupAlert, "visible", true)
            mouseClick(findChild(h.popupAlert.contentItem, "okButton"))
            tryCompare(h.popupAlert, "visible", false)
            verify(!backend.connectionState)
            disconnected.wait(5000)
            compare(module("mode"), "ok bootloader")
        }

        function test_connectToABootloader() {
            leaveModuleInBootloader()

            moduleLine.mark()
            connectToModule()
            verify(backend.connectionState)
            verify(linkState.moduleInBootloader)
            // Named at once, on the alert, the page and the indicator.
            tryCompare(h.popupAlert, "visible", true)
            compare(h.popupAlert.title, "Module in its bootloader")
            compare(h.popupAlert.message, "The module is in its bootloader: run the firmware update again.")
            keyClick(Qt.Key_Return)
            tryCompare(h.popupAlert, "visible", false)
            verify(findChild(h.connexionPage, "bootloaderNotice").visible)
            compare(indicatorText(), "Bootloader")

            // The pages are not read: the main page says why and offers the update.
            press("entryMain")
            compare(h.pages.currentIndex, 1)
            tryCompare(h.popupWaiting, "visible", false)
            verify(findChild(h.mainPage, "bootloaderNotice").visible)
            press("entryCommunication")
            compare(h.pages.currentIndex, 2)
            tryCompare(h.popupWaiting, "visible", false)
            mouseClick(findChild(h.topBar, "refreshButton"))
            tryCompare(h.popupWaiting, "visible", false)
            press("entryMain")
            // Past a poll's period: nothing but the connect's probe reached the module.
            wait(2500)
            compare(moduleLine.requestTexts(), ["3 50521"])
            verify(!h.popupAlert.visible)

            // The update starts from there and brings the module back.
            mouseClick(findChild(h.mainPage, "startUpdate").btn)
            tryCompare(h.popupFirmwareUpdate, "opened", true)
            h.popupFirmwareUpdate.filename = firmwareImage()
            success.clear()
            refreshEnd.clear()
            mouseClick(findChild(h.popupFirmwareUpdate.contentItem, "updateButton"))
            success.wait(15000)
            compare(module("mode"), "ok application")
            verify(!linkState.moduleInBootloader)
            verify(backend.connectionState)
            // The home page is read now, and the clock is set.
            refreshEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            verify(!findChild(h.mainPage, "bootloaderNotice").visible)
            compare(indicatorText(), "Connected")
            verify(moduleLine.requestTexts().indexOf("16 31500") >= 0)
            verify(moduleLine.requestTexts().indexOf("3 50573") >= 0)
        }

        function cleanupTestCase() {
            module("exception clear")
            if (backend.connectionState) {
                press("entryConnection")
                disconnected.clear()
                mouseClick(connectButton())
                disconnected.wait(5000)
            }
        }
    }
}
