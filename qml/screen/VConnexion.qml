import QtQuick 2.15
import "../view"
import "../view/form.js" as Form

// Picks the port and line settings, connects and disconnects. Also holds the
// window-wide reactions to the end of a connection or of a page sequence.
VScrollContent {
    id: page

    property alias modelSelectDevice: modelSelectDevice

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
    }

    function connectClicked() {
        if (backend.connectionState) {
            popupWaiting.open()
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
        popupWaiting.open()
        backend.connectDevice(cbDevice.currentIndex, inputSlaveAddress.inputValue,
                              cbmBaudrate._currentIndex, cbmParity._currentIndex)
    }

    Component.onCompleted: reloadLstPort()

    ListModel {
        id: modelSelectDevice
    }

    Connections {
        target: backend
        function onConnectionEnd(state) {
            console.log("onConnectionEnd " + state)
            popupWaiting.close()
            if (!state)
                popupAlert.showWithParams(qsTr("Connection error"),
                                          qsTr("Error during the communication with the module. Please check wires connection and port communication settings."))
        }
        function onDisconnectionEnd() {
            console.log("onDisonnectionEnd ")
            popupWaiting.close()
        }
        function onConnectionError() {
            console.log("onConnectionError")
            popupWaiting.close()
            popupAlert.showWithParams(qsTr("Communication error"),
                                      qsTr("Error during the communication with the module. Please check wires connection."))
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

    content: VPanel {
        spacing: 15

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

                MouseArea {
                    id: refreshMouse
                    anchors.fill: parent
                    onClicked: page.reloadLstPort()
                }
            }
        }

        VButton {
            objectName: "connectButton"
            anchors.horizontalCenter: parent.horizontalCenter
            l_text: backend.connectionState ? qsTr("Disconnection") : qsTr("Connection")
            onClick: function() { page.connectClicked() }
        }

        VAccordion {
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
                    _checkError: function(value) { return (value < 110 || value > 149) && value !== 247 }
                }

                VLineComboBox {
                    id: cbmBaudrate
                    objectName: "baudrate"
                    label: qsTr("Baudrate")
                    _model: Form.baudRateTexts
                    _currentIndex: Form.baudRateIndex(backend.baudrateConnectionPage)
                    // Writes only the operator's choice: a value outside the list
                    // shows as 115200 without being replaced.
                    _selectChanged: function() {
                        if (cbmBaudrate._currentIndex >= 0
                                && cbmBaudrate._currentIndex !== Form.baudRateIndex(backend.baudrateConnectionPage))
                            backend.baudrateConnectionPage = Form.baudRates[cbmBaudrate._currentIndex]
                    }
                }

                VLineComboBox {
                    id: cbmParity
                    objectName: "parity"
                    label: qsTr("Parity")
                    _model: [qsTr("None"), qsTr("Even"), qsTr("Odd")]
                    _currentIndex: page.parityIndex(backend.parityConnectionPage)
                    _selectChanged: function() {
                        if (cbmParity._currentIndex >= 0
                                && cbmParity._currentIndex !== page.parityIndex(backend.parityConnectionPage))
                            backend.parityConnectionPage = cbmParity._currentIndex
                    }
                }
            }
        }

        Image {
            width: parent.width
            height: width * 518 / 1360
            source: "../images/icons/logo/english_logo.png"
            fillMode: Image.PreserveAspectFit
        }
    }
}
