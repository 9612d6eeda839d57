import QtQuick 2.15
import "../view"

// The module's alarm states as lamps; the poll keeps them current while
// connected. A lamp is white while disconnected, or while its last read failed:
// the flag is then stale.
VScrollContent {
    id: page

    label: qsTr("Alarms")

    content: VPanel {
        bottomMargin: 10
        spacing: 10

        VLineState {
            objectName: "alarmModuleStatus"
            label: qsTr("Module status")
            ctState: backend.moduleStatus
            ctStateDisable: !backend.connectionState || !backend.moduleStatusKnown
        }
        VLineState {
            objectName: "alarmFuseL1"
            label: qsTr("Fuse status L1")
            ctState: !backend.fuseBlowL1
            ctStateDisable: !backend.connectionState || !backend.fusesKnown
        }
        VLineState {
            objectName: "alarmFuseL2"
            label: qsTr("Fuse status L2")
            ctState: !backend.fuseBlowL2
            ctStateDisable: !backend.connectionState || !backend.fusesKnown
        }
        VLineState {
            objectName: "alarmFuseL3"
            label: qsTr("Fuse status L3")
            ctState: !backend.fuseBlowL3
            ctStateDisable: !backend.connectionState || !backend.fusesKnown
        }
        VLineState {
            objectName: "alarmTemperature"
            label: qsTr("Temperature status")
            ctState: !backend.temperatureStatus
            ctStateDisable: !backend.connectionState || !backend.temperatureStatusKnown
        }
    }
}
