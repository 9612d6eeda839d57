import QtQuick 2.15
import "../view"
import "../popup"
import "../theme"
import "../view/form.js" as Form

// Picks the port and line settings, connects and disconnects. Also holds the
// window-wide reactions to the end of a connection or of a page sequence.
VScrollContent {
    id: page

    property alias modelSelectDevice: modelSelectDevice
    // What the system knows of the selected port (connectHelp.portDetails).
    property var portInfo: ({})
    // A reconnect at the module's new serial settings is under way.
    property bool reconnecting: false

    label: qsTr("Connection")

    function parityIndex(value) {
        return value === 0 ? 0 : (value === 1 ? 1 : 2)
    }

    function reloadLstPort() {
        modelSelectDevice.clear()
        backend.refreshSerialPortList()
        var ports = backend.lstDevices
        for (var i = 0; i < ports.length; ++i)
            modelSelectDevice.append({ text: qsTr("PC MODBUS PORT ") + ports[i], value: ports[i] })
        if (modelSelectDevice.count > 0)
            cbDevice.currentIndex = 0
        refreshPortDetails()
    }

    function refreshPortDetails() {
        portInfo = connectHelp.portDetails(cbDevice.currentIndex)
    }

    // The path, then what a USB adapter says of itself; "in use" is left out
    // while connected, when the holder may be this program.
    function portDetailsText(info, connected) {
        if (!info.path)
            return ""
        var first = info.path
        if (!info.present)
            first += " (" + qsTr("not present") + ")"
        else if (info.busy && !connected)
            first += " (" + qsTr("in use by another program") + ")"
        var usb = []
        if (info.manufacturer)
            usb.push(info.manufacturer)
        if (info.product)
            usb.push(info.product)
        if (info.serialNumber)
            usb.push(qsTr("serial number %1").arg(info.serialNumber))
        return usb.length > 0 ? first + "\n" + usb.join(", ") : first
    }

    function searchClicked() {
        if (backend.connectionState || cbDevice.currentIndex < 0)
            return
        popupSearch.start(cbDevice.currentIndex, inputSlaveAddress.inputValue,
                          serialChoices.baudRow._currentIndex, serialChoices.parityRow._currentIndex)
    }

    // Connected, the view shows the connected module's line; otherwise the
    // line at the port, baud rate and parity chosen here.
    readonly property bool lineViewPossible: backend.connectionState || cbDevice.currentIndex >= 0

    function lineClicked() {
        if (!lineViewPossible)
            return
        lineViewHolder.get().openOn(cbDevice.currentIndex, serialChoices.baudRow._currentIndex,
                                    serialChoices.parityRow._currentIndex)
    }

    function showConnectedAddress() {
        var link = backend.linkSettings()
        if (link.slaveAddress !== undefined && link.slaveAddress !== inputSlaveAddress.inputValue)
            inputSlaveAddress._text = String(link.slaveAddress)
    }

    // A module the search found: its settings go into the fields, shown open.
    function useFound(module) {
        inputSlaveAddress._text = String(module.slaveAddress)
        backend.baudrateConnectionPage = module.baudrate
        backend.parityConnectionPage = module.parity
        connectionParameters.isOpen = true
    }

    // Disconnects, then connects on the same port at `to` (slaveAddress,
    // baudrate, parity), which the page's fields then show; the page shown is read again.
    function reconnectAt(portIndex, to) {
        inputSlaveAddress._text = String(to.slaveAddress)
        backend.baudrateConnectionPage = to.baudrate
        backend.parityConnectionPage = to.parity
        if (portIndex >= 0)
            cbDevice.currentIndex = portIndex
        reconnecting = true
        popupWaiting.open()
        backend.disconnectDevice()
        backend.connectDevice(cbDevice.currentIndex, to.slaveAddress, settingsTable.baudRateIndex(to.baudrate), to.parity)
    }

    function connectClicked() {
        if (backend.connectionState) {
            popupWaiting.openFor(qsTr("Disconnecting…"))
            backend.disconnectDevice()
            return
        }
        if (modelSelectDevice.count === 0) {
            popupAlert.showWithParams(qsTr("No module"),
                                      qsTr("No module selected. Please check wires connection on your PC and click on Apply."))
            return
        }
        if (inputSlaveAddress.isError) {
            popupAlert.showWithParams(qsTr("Error slave address"),
                                      qsTr("Slave address invalid. Please change value before connect."))
            return
        }
        popupWaiting.openFor(qsTr("Connecting to the module…"))
        backend.connectDevice(cbDevice.currentIndex, inputSlaveAddress.inputValue,
                              serialChoices.baudRow._currentIndex, serialChoices.parityRow._currentIndex)
    }

    Component.onCompleted: reloadLstPort()

    ListModel {
        id: modelSelectDevice
    }

    Connections {
        target: backend
        function onConnectionEnd(state) {
            console.log("onConnectionEnd " + state)
            var reconnected = page.reconnecting && state
            page.reconnecting = false
            // The line view switches modules: the field names the one connected,
            // once backend counts the link as up.
            if (state)
                Qt.callLater(page.showConnectedAddress)
            popupWaiting.close()
            // The line view tells how each module of its operations went.
            if (lineModules.working)
                return
            if (!state)
                popupAlert.showWithParams(qsTr("Connection error"),
                                          qsTr("Error during the communication with the module. Please check wires connection and port communication settings."),
                                          connectHelp.connectionFailReason)
            else if (linkState.moduleInBootloader)
                popupAlert.showWithParams(qsTr("Module in its bootloader"),
                                          qsTr("The module is in its bootloader: run the firmware update again."),
                                          qsTr("\"Start update\" on the main page. Until the module runs its firmware, its pages are not read."))
            else if (reconnected)
                Qt.callLater(function() { top_bar.refresh() }) // once backend counts the link as up
        }
        function onDisconnectionEnd() {
            console.log("onDisonnectionEnd ")
            // A reconnect goes on behind the waiting popup.
            if (!page.reconnecting)
                popupWaiting.close()
        }
        function onSerialSettingsWritten(slaveAddress, baudrate, parity) {
            var link = backend.linkSettings()
            var portIndex = link.portIndex !== undefined ? link.portIndex : -1
            var to = { slaveAddress: slaveAddress, baudrate: baudrate, parity: parity }
            popupSerialSettings.offerReconnect(to, function() { page.reconnectAt(portIndex, to) },
                                               function() { backend.keepLinkSettings() })
        }
        function onConnectionError() {
            console.log("onConnectionError")
            popupWaiting.close()
            popupAlert.showWithParams(qsTr("Communication error"),
                                      qsTr("Error during the communication with the module. Please check wires connection."),
                                      linkState.explanation)
        }
        function onLoadRegisterFinish() {
            popupWaiting.close()
        }
        function onRefreshEnd() {
            mainPage.clearFieldChanged()
            communicationPage.clearFieldChanged()
        }
        function onApplyEnd() {
            mainPage.clearFieldChanged()
            communicationPage.clearFieldChanged()
        }
    }

    Connections {
        target: connectHelp
        function onPortListStaleChanged() {
            page.refreshPortDetails()
        }
    }

    VPopupSearch {
        id: popupSearch
        objectName: "popupSearch"
        onChosen: function(module) { page.useFound(module) }
    }

    VPopupSerialSettings {
        id: popupSerialSettings
        objectName: "popupReconnect"
    }

    content: VPanel {
        spacing: 15
        // Return in a field or on a closed choice connects, as the button would.
        Keys.onReturnPressed: page.connectClicked()
        Keys.onEnterPressed: page.connectClicked()

        Item {
            width: parent.width
            height: 41

            VRowLabel {
                beside: cbDevice
                text: qsTr("Connection PORT")
            }

            VComboBox {
                id: cbDevice
                objectName: "portSelector"
                anchors.right: refreshPorts.left
                anchors.rightMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                width: 250
                height: 41
                model: modelSelectDevice
                textRole: "text"
                onCurrentIndexChanged: page.refreshPortDetails()
            }

            Image {
                id: refreshPorts
                objectName: "refreshPorts"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: 35
                height: 35
                source: refreshMouse.pressed ? "../images/icons/contents/refresh_press.png"
                                             : "../images/icons/contents/refresh.png"
                fillMode: Image.PreserveAspectFit

                VKeyTarget {
                    objectName: "key"
                    frameRadius: 5
                    onActivated: page.reloadLstPort()
                }

                MouseArea {
                    id: refreshMouse
                    anchors.fill: parent
                    onClicked: page.reloadLstPort()
                }
            }
        }

        // Under the port choice, beside which it is read.
        Column {
            x: cbDevice.x
            width: parent.width - x
            spacing: 2
            visible: portDetails.text !== "" || portListNotice.shown

            Text {
                id: portDetails
                objectName: "portDetails"
                width: parent.width
                visible: text !== ""
                text: page.portDetailsText(page.portInfo, backend.connectionState)
                color: Theme.text
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                font.pixelSize: textErrorFontSize
            }

            // The list is only ever refilled by the refresh icon.
            VErrorText {
                id: portListNotice
                objectName: "portListNotice"
                width: parent.width
                shown: connectHelp.portListStale && !backend.connectionState
                text: qsTr("Adapters were plugged in or removed: click the refresh icon to update the list.")
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 15

            VButton {
                objectName: "connectButton"
                l_text: backend.connectionState ? qsTr("Disconnection") : qsTr("Connection")
                onClick: function() { page.connectClicked() }
            }

            VButton {
                objectName: "searchButton"
                enabled: !backend.connectionState && cbDevice.currentIndex >= 0
                l_text: qsTr("Search")
                onClick: function() { page.searchClicked() }
            }

            VButton {
                objectName: "lineButton"
                enabled: page.lineViewPossible
                l_text: qsTr("Line…")
                onClick: function() { page.lineClicked() }
            }
        }

        VErrorText {
            objectName: "bootloaderNotice"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            shown: backend.connectionState && linkState.moduleInBootloader
            text: qsTr("The module is in its bootloader: run the firmware update again.")
        }

        VAccordion {
            id: connectionParameters
            objectName: "connectionParameters"
            _text: qsTr("Main modbus module parameters")
            _child: Column {
                VLineInputNumber {
                    id: inputSlaveAddress
                    objectName: "slaveAddress"
                    label: qsTr("Slave address")
                    labelError: qsTr("Slave address must be between 110 and 149.  Default value is : 247")
                    inputValue: 247
                    _text: "247"
                    _checkError: function(value) { return !settingsTable.addressAllowed(value) }
                }

                VLineSerialSettings {
                    id: serialChoices
                    texts: [qsTr("Baudrate"), qsTr("Parity"), qsTr("None"), qsTr("Even"), qsTr("Odd")]
                    parityIndexOf: page.parityIndex
                    baudrateProperty: "baudrateConnectionPage"
                    parityProperty: "parityConnectionPage"
                }
            }
        }

        Image {
            width: parent.width
            height: width * 518 / 1360
            // Decoded at the size shown, not at the file's 1360 pixels.
            sourceSize.width: width
            source: "../images/icons/logo/english_logo.png"
            fillMode: Image.PreserveAspectFit
        }
    }
}
