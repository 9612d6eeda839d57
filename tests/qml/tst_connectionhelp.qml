import QtQuick 2.15
import QtTest 1.2

Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["settings"]
        anchors.fill: parent
    }

    TestCase {
        name: "ConnectionHelp"
        when: windowShown

        readonly property string goneText:
            " is gone: the adapter was unplugged or the port no longer exists. Refresh the port list."
        property var page: h.connexionPage
        property var search: findChild(page, "popupSearch")
        property var address: findChild(page, "slaveAddress")
        property var portSelector: findChild(page, "portSelector")
        property var connectButton: findChild(page, "connectButton")
        property var searchButton: findChild(page, "searchButton")
        property var details: findChild(page, "portDetails")
        property var notice: findChild(page, "portListNotice")

        function popupChild(name) {
            return findChild(search.contentItem, name)
        }

        function selectPort(number) {
            portSelector.currentIndex = backend.lstDevices.indexOf(number)
            verify(portSelector.currentIndex >= 0)
        }

        function setAddress(text) {
            address._text = text
            compare(address.inputValue, parseInt(text))
        }

        // The page's own values, then a search from them on the module's line.
        function searchFrom(slaveAddress, baudrate, parity) {
            setAddress(slaveAddress)
            backend.baudrateConnectionPage = baudrate
            backend.parityConnectionPage = parity
            selectPort(moduleLine.portNumber)
            mouseClick(searchButton)
            tryCompare(search, "opened", true)
        }

        // The index of the first module found at that baud rate and parity.
        function waitForFound(baudrate, parity) {
            var at = -1
            tryVerify(function() {
                for (var i = 0; i < search.found.count; ++i) {
                    var m = search.found.get(i)
                    if (m.baudrate === baudrate && m.parity === parity) {
                        at = i
                        return true
                    }
                }
                return false
            }, 10000)
            return at
        }

        function cleanup() {
            search.close()
            verify(moduleLine.setMissingPortPresent(false))
            moduleLine.command("silent off")
            tryCompare(search, "visible", false)
            verify(!lineSearch.running)
            if (h.popupAlert.visible) {
                h.popupAlert.close()
                tryCompare(h.popupAlert, "visible", false)
            }
            if (backend.connectionState) {
                mouseClick(connectButton)
                tryCompare(backend, "connectionState", false, 5000)
            }
            tryCompare(h.popupWaiting, "visible", false, 5000)
            page.reloadLstPort()
            setAddress("247")
            backend.baudrateConnectionPage = 19200
            backend.parityConnectionPage = 1
        }

        function test_foundModuleFillsThePage() {
            searchFrom("133", 38400, 2)
            // Every setting is tried from the page's own: the module (which
            // answers at any) shows first at 38400 odd, then at 19200 even.
            var at = waitForFound(19200, 1)
            verify(at > 0)
            var first = search.found.get(0)
            compare([first.slaveAddress, first.baudrate, first.parity], [247, 38400, 2])
            var list = search.foundList
            list.positionViewAtIndex(at, ListView.Contain)
            tryVerify(function() { return list.itemAtIndex(at) !== null })
            var entry = list.itemAtIndex(at)
            compare(entry.children[0].text, search.found.get(at).text)
            verify(search.found.get(at).text.indexOf("Slave address 247, 19200 baud, parity even") === 0)
            mouseClick(entry)
            verify(!lineSearch.running)
            tryCompare(search, "visible", false)

            compare(address._text, "247")
            compare(address.inputValue, 247)
            verify(!address.isError)
            compare(backend.baudrateConnectionPage, 19200)
            compare(findChild(page, "baudrate").cb.currentText, "19200")
            compare(backend.parityConnectionPage, 1)
            compare(findChild(page, "parity").cb.currentText, "Even")
            verify(findChild(page, "connectionParameters").isOpen)

            mouseClick(connectButton)
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
            verify(!h.popupAlert.visible)
        }

        function test_currentEntryTaken_data() {
            return [{ tag: "return" }, { tag: "use button" }]
        }

        function test_currentEntryTaken(data) {
            // 133 is silent, 247 answers next.
            searchFrom("133", 19200, 1)
            tryVerify(function() { return search.found.count > 0 }, 5000)
            if (data.tag === "return")
                keyClick(Qt.Key_Return)
            else
                mouseClick(popupChild("useButton"))
            verify(!lineSearch.running)
            tryCompare(search, "visible", false)
            compare(address.inputValue, 247)
        }

        function test_closingStopsTheSearch_data() {
            return [{ tag: "cancel button" }, { tag: "escape" }]
        }

        function test_closingStopsTheSearch(data) {
            searchFrom("133", 57600, 0)
            verify(lineSearch.running)
            compare(popupChild("cancelButton").l_text, "Cancel")
            if (data.tag === "escape")
                keyClick(Qt.Key_Escape)
            else
                mouseClick(popupChild("cancelButton"))
            verify(!lineSearch.running)
            tryCompare(search, "visible", false)
            // Nothing taken from an unfinished search.
            compare(address.inputValue, 133)
            compare(backend.baudrateConnectionPage, 57600)
            compare(backend.parityConnectionPage, 0)
        }

        function test_progressAndNothingFound() {
            moduleLine.command("silent on")
            searchFrom("247", 19200, 1)
            var status = popupChild("searchStatus")
            compare(status.text, "Searching…")
            tryVerify(function() { return lineSearch.done >= 2 }, 5000)
            compare(popupChild("searchProgress").value, lineSearch.done)
            compare(popupChild("searchProgress").to, lineSearch.total)
            verify(lineSearch.total > lineSearch.done)
            verify(!popupChild("useButton").enabled)
            // The full search takes most of a minute: its end without a module
            // is what the popup gets to hear.
            lineSearch.finished(false, "")
            compare(status.text, "No module answered on this port.")
            verify(status.visible)
        }

        function test_searchOfAMissingPortSaysWhy() {
            selectPort(moduleLine.missingPortNumber)
            mouseClick(searchButton)
            tryCompare(search, "opened", true)
            verify(!lineSearch.running)
            var status = popupChild("searchStatus")
            compare(status.text, moduleLine.missingPortPath + goneText)
            verify(status.visible)
            compare(search.found.count, 0)
            compare(popupChild("cancelButton").l_text, "Close")
        }

        function test_searchOnlyWhileDisconnectedWithAPort() {
            selectPort(moduleLine.portNumber)
            verify(searchButton.enabled)
            mouseClick(connectButton)
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
            verify(!searchButton.enabled)
            mouseClick(searchButton)
            verify(!search.visible)
            mouseClick(connectButton)
            tryCompare(backend, "connectionState", false, 5000)
            verify(searchButton.enabled)
            page.modelSelectDevice.clear()
            verify(!searchButton.enabled)
        }

        function test_connectFailureSaysWhy() {
            selectPort(moduleLine.missingPortNumber)
            mouseClick(connectButton)
            tryCompare(h.popupAlert, "visible", true, 5000)
            compare(h.popupAlert.title, "Connection error")
            compare(h.popupAlert.message,
                    "Error during the communication with the module. Please check wires connection and port communication settings.")
            compare(h.popupAlert.detail, moduleLine.missingPortPath + goneText)
            verify(findChild(h.popupAlert.contentItem, "detailText").visible)
        }

        function test_portDetails_data() {
            return [
                { tag: "virtual line", port: moduleLine.portNumber, path: moduleLine.portPath, status: "" },
                { tag: "missing", port: moduleLine.missingPortNumber, path: moduleLine.missingPortPath, status: " (not present)" }
            ]
        }

        function test_portDetails(data) {
            selectPort(data.port)
            compare(details.text, data.path + data.status)
            verify(details.visible)
        }

        // What a USB adapter tells of itself; the virtual line tells nothing.
        function test_adapterDetails_data() {
            var usb = { path: "/dev/ttyUSB0", manufacturer: "FTDI", product: "FT232R USB UART",
                        serialNumber: "A50285BI", present: true, busy: false }
            return [
                { tag: "usb", info: usb, connected: false,
                  text: "/dev/ttyUSB0\nFTDI, FT232R USB UART, serial number A50285BI" },
                { tag: "no serial number", connected: false,
                  info: { path: "/dev/ttyUSB0", manufacturer: "", product: "USB Serial", serialNumber: "",
                          present: true, busy: false },
                  text: "/dev/ttyUSB0\nUSB Serial" },
                { tag: "busy", connected: false,
                  info: { path: "/dev/ttyS0", manufacturer: "", product: "", serialNumber: "",
                          present: true, busy: true },
                  text: "/dev/ttyS0 (in use by another program)" },
                // Connected, the holder may be this program.
                { tag: "busy while connected", connected: true,
                  info: { path: "/dev/ttyS0", manufacturer: "", product: "", serialNumber: "",
                          present: true, busy: true },
                  text: "/dev/ttyS0" },
                { tag: "no port", info: {}, connected: false, text: "" }
            ]
        }

        function test_adapterDetails(data) {
            compare(page.portDetailsText(data.info, data.connected), data.text)
        }

        function test_pluggedAdapterIsNoticed() {
            selectPort(moduleLine.missingPortNumber)
            var count = portSelector.count
            var index = portSelector.currentIndex
            verify(!notice.visible)
            compare(details.text, moduleLine.missingPortPath + " (not present)")
            verify(moduleLine.setMissingPortPresent(true))
            // The port watch looks every 2 s.
            tryCompare(notice, "visible", true, 5000)
            compare(notice.text, "Adapters were plugged in or removed: click the refresh icon to update the list.")
            compare(details.text, moduleLine.missingPortPath)
            // The list itself waits for the operator.
            compare(portSelector.count, count)
            compare(portSelector.currentIndex, index)
            mouseClick(findChild(page, "refreshPorts"))
            verify(!connectHelp.portListStale)
            verify(!notice.visible)
        }
    }
}
