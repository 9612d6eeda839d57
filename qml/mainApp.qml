import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A plain window until the real pages exist: connect to a port and watch the module.
ApplicationWindow {
    id: mainWindow
    visible: true
    width: 1024
    height: 768
    minimumWidth: 800
    minimumHeight: 600
    title: "Orvalis " + SW_VERSION

    Component.onCompleted: backend.refreshSerialPortList()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        RowLayout {
            ComboBox {
                id: ports
                model: backend.lstDevices
                displayText: "PC MODBUS PORT " + currentText
            }
            Button {
                text: backend.connectionState ? "Disconnect" : "Connect"
                onClicked: backend.connectionState ? backend.disconnectDevice()
                                                   : backend.connectDevice(ports.currentIndex, 247, 0, 1)
            }
            Label { text: backend.connectionState ? "Connected" : "Disconnected" }
        }
        Label { text: "Firmware " + backend.firmwareVersion + "   Module clock " + backend.dateHour }
        Label { text: "V1N " + backend.voltageValuesN[0] + "   V2N " + backend.voltageValuesN[1] + "   V3N " + backend.voltageValuesN[2] }
        Label { text: "Fuses " + backend.fusesStatus.join(" ") + "   Module OK " + backend.moduleStatus }
        Item { Layout.fillHeight: true }
    }

    Connections {
        target: backend
        function onConnectionEnd(state) {
            if (state)
                backend.refreshCommunicationPage()
        }
    }
    Timer {
        interval: 2000
        repeat: true
        running: backend.connectionState
        onTriggered: backend.refreshChartsValuePage()
    }
}
