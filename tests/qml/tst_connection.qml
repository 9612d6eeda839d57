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
        name: "ConnectionPage"
        when: windowShown

        property var page: h.connexionPage
        property var address: findChild(page, "slaveAddress")
        property var portSelector: findChild(page, "portSelector")
        property var connectButton: findChild(page, "connectButton")
        property var baudrate: findChild(page, "baudrate")
        property var parity: findChild(page, "parity")

        function closeAlert() {
            mouseClick(findChild(h.popupAlert.contentItem, "okButton"))
            tryCompare(h.popupAlert, "visible", false)
        }

        function openParameters() {
            var section = findChild(page, "connectionParameters")
            if (!section.isOpen)
                mouseClick(section, section.width / 2, 15)
            verify(section.isOpen)
        }

        function typeAddress(text) {
            openParameters()
            var field = address._txtField
            mouseClick(field)
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            compare(address._text, text)
        }

        function selectPort(number) {
            portSelector.currentIndex = backend.lstDevices.indexOf(number)
            verify(portSelector.currentIndex >= 0)
        }

        function indicatorText() {
            return findChild(h.menu, "connectionIndicator").children[0].text
        }

        function cleanup() {
            if (h.popupAlert.visible)
                closeAlert()
            if (backend.connectionState) {
                mouseClick(connectButton)
                tryCompare(backend, "connectionState", false, 5000)
            }
            tryCompare(h.popupWaiting, "visible", false, 5000)
            typeAddress("247")
        }

        function test_slaveAddress_data() {
            return [
                { tag: "110", text: "110", error: false },
                { tag: "149", text: "149", error: false },
                { tag: "247", text: "247", error: false },
                { tag: "109", text: "109", error: true },
                { tag: "150", text: "150", error: true },
                { tag: "246", text: "246", error: true },
                { tag: "248", text: "248", error: true },
                { tag: "empty", text: "", error: true },
                { tag: "letters", text: "abc", error: true },
                { tag: "digits then letters", text: "12a", error: true }
            ]
        }

        function test_slaveAddress(data) {
            typeAddress("130")
            typeAddress(data.text)
            compare(address.isError, data.error)
            compare(address.inputValue, data.error ? 130 : parseInt(data.text))
        }

        function test_refusedSlaveAddressIsNotSent() {
            typeAddress("150")
            selectPort(moduleLine.portNumber)
            mouseClick(connectButton)
            verify(h.popupAlert.visible)
            compare(h.popupAlert.title, "Error slave address")
            compare(h.popupAlert.message, "Slave address invalid. Please change value before connect.")
            verify(!h.popupWaiting.visible)
            wait(300)
            verify(!backend.connectionState)
        }

        function test_portList() {
            page.reloadLstPort()
            var ports = backend.lstDevices
            verify(ports.indexOf(moduleLine.portNumber) >= 0)
            verify(ports.length >= 2)
            compare(portSelector.count, ports.length)
            for (var i = 0; i < ports.length; ++i) {
                compare(portSelector.textAt(i), "PC MODBUS PORT " + ports[i])
                compare(page.modelSelectDevice.get(i).value, ports[i])
            }
            compare(portSelector.currentIndex, 0)
            portSelector.currentIndex = ports.length - 1
            mouseClick(findChild(page, "refreshPorts"))
            compare(portSelector.count, ports.length)
            compare(portSelector.currentIndex, 0)
            compare(portSelector.currentText, "PC MODBUS PORT " + ports[0])
        }

        function test_noPortRaisesNoModule() {
            page.modelSelectDevice.clear()
            mouseClick(connectButton)
            compare(h.popupAlert.title, "No module")
            compare(h.popupAlert.message,
                    "No module selected. Please check wires connection on your PC and click on Apply.")
            verify(!h.popupWaiting.visible)
            closeAlert()
            page.reloadLstPort()
        }

        function test_baudrateBinding_data() {
            return [
                { tag: "19200", value: 19200, shown: "19200" },
                { tag: "38400", value: 38400, shown: "38400" },
                { tag: "57600", value: 57600, shown: "57600" },
                { tag: "115200", value: 115200, shown: "115200" },
                { tag: "outside the list", value: 9600, shown: "115200" }
            ]
        }

        function test_baudrateBinding(data) {
            backend.baudrateConnectionPage = data.value
            compare(baudrate.cb.currentText, data.shown)
            // Showing is not choosing: the value stays.
            compare(backend.baudrateConnectionPage, data.value)
            backend.baudrateConnectionPage = 19200
        }

        function test_parityBinding_data() {
            return [
                { tag: "none", value: 0, shown: "None" },
                { tag: "even", value: 1, shown: "Even" },
                { tag: "odd", value: 2, shown: "Odd" },
                { tag: "outside the list", value: 5, shown: "Odd" }
            ]
        }

        function test_parityBinding(data) {
            backend.parityConnectionPage = data.value
            compare(parity.cb.currentText, data.shown)
            compare(backend.parityConnectionPage, data.value)
            backend.parityConnectionPage = 1
        }

        function test_choosingWritesTheValue() {
            openParameters()
            backend.baudrateConnectionPage = 19200
            baudrate.cb.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(baudrate.cb.currentText, "57600")
            compare(backend.baudrateConnectionPage, 57600)
            backend.parityConnectionPage = 1
            parity.cb.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(backend.parityConnectionPage, 0)
            backend.baudrateConnectionPage = 19200
            backend.parityConnectionPage = 1
        }

        function test_connectAndDisconnect() {
            selectPort(moduleLine.portNumber)
            compare(connectButton.l_text, "Connection")
            compare(indicatorText(), "Disconnected")
            mouseClick(connectButton)
            verify(h.popupWaiting.visible)
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
            verify(!h.popupAlert.visible)
            compare(h.pages.currentIndex, 0)
            compare(connectButton.l_text, "Disconnection")
            compare(indicatorText(), "Connected")

            mouseClick(connectButton)
            verify(h.popupWaiting.visible)
            tryCompare(backend, "connectionState", false, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
            verify(!h.popupAlert.visible)
            compare(connectButton.l_text, "Connection")
            compare(indicatorText(), "Disconnected")
        }

        function test_portThatCannotBeOpened() {
            selectPort(moduleLine.missingPortNumber)
            mouseClick(connectButton)
            tryCompare(h.popupAlert, "visible", true, 5000)
            compare(h.popupAlert.title, "Connection error")
            compare(h.popupAlert.message,
                    "Error during the communication with the module. Please check wires connection and port communication settings.")
            tryCompare(h.popupWaiting, "visible", false)
            verify(!backend.connectionState)
        }

        function test_moduleFallsSilent() {
            selectPort(moduleLine.portNumber)
            mouseClick(connectButton)
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
            moduleLine.command("silent on")
            tryCompare(h.popupAlert, "visible", true, 20000)
            moduleLine.command("silent off")
            compare(h.popupAlert.title, "Communication error")
            compare(h.popupAlert.message,
                    "Error during the communication with the module. Please check wires connection.")
            verify(!backend.connectionState)
            compare(indicatorText(), "Disconnected")
            compare(connectButton.l_text, "Connection")
            verify(!h.popupWaiting.visible)
        }
    }
}
