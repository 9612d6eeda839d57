import QtQuick 2.15
import "../view"

// Being built: the lamps only.
Rectangle {
    Text {
        id: alarmTitle
        x: 20
        y: 10
        text: qsTr("Alarms")
        font.pixelSize: titleFontSize
    }
    Column {
        anchors.top: alarmTitle.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: 550
        VLineState {
            label: qsTr("Module status")
            ctState: backend.moduleStatus
            ctStateDisable: !backend.connectionState
        }
        VLineState {
            label: qsTr("Fuse status L1")
            ctState: !backend.fuseBlowL1
            ctStateDisable: !backend.connectionState
        }
        VLineState {
            label: qsTr("Fuse status L2")
            ctState: !backend.fuseBlowL2
            ctStateDisable: !backend.connectionState
        }
        VLineState {
            label: qsTr("Fuse status L3")
            ctState: !backend.fuseBlowL3
            ctStateDisable: !backend.connectionState
        }
        VLineState {
            label: qsTr("Temperature status")
            ctState: !backend.temperatureStatus
            ctStateDisable: !backend.connectionState
        }
    }
}
