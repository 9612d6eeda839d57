import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form

// The module's alarm states as lamps; the poll keeps them current while
// connected. A lamp is white while disconnected, or while its last read failed:
// the flag is then stale. Below them, every change seen while connected.
VScrollContent {
    id: page

    label: qsTr("Alarms")
    showsModuleValues: true

    function chooseHistoryFile() {
        // Always from the home folder, not where the last choice was made.
        historyDialog.openAtHome()
    }

    // `file` is a path or a file: URL, as the dialog gives it.
    function saveHistory(file) {
        if (alarmHistory.save(String(file)))
            notice.show(qsTr("The alarm history was saved to %1.").arg(Form.localPath(file)))
    }

    VFileDialog {
        id: historyDialog
        objectName: "historyDialog"
        title: qsTr("Save the alarm history")
        selectExisting: false
        defaultSuffix: "csv"
        nameFilters: ["CSV (*.csv)"]
        onAccepted: page.saveHistory(fileUrl)
    }

    content: VPanel {
        bottomMargin: 10
        spacing: 10

        // Each lamp: green while its flag reads as healthy, empty while the
        // flag's block is not read.
        Repeater {
            model: [
                {name: "alarmModuleStatus", label: qsTr("Module status"), flag: "moduleStatus", healthy: true, known: "moduleStatusKnown"},
                {name: "alarmFuseL1", label: qsTr("Fuse status L1"), flag: "fuseBlowL1", healthy: false, known: "fusesKnown"},
                {name: "alarmFuseL2", label: qsTr("Fuse status L2"), flag: "fuseBlowL2", healthy: false, known: "fusesKnown"},
                {name: "alarmFuseL3", label: qsTr("Fuse status L3"), flag: "fuseBlowL3", healthy: false, known: "fusesKnown"},
                {name: "alarmTemperature", label: qsTr("Temperature status"), flag: "temperatureStatus", healthy: false, known: "temperatureStatusKnown"}
            ]
            VLineState {
                objectName: modelData.name
                label: modelData.label
                ctState: backend[modelData.flag] === modelData.healthy
                ctStateDisable: !backend.connectionState || !backend[modelData.known]
            }
        }

        VSeparator {}

        Item {
            width: parent.width
            height: 40

            Text {
                objectName: "alarmHistoryTitle"
                anchors.left: parent.left
                anchors.right: historyButtons.left
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Alarm history")
                color: Theme.text
                elide: Text.ElideRight
                font.pixelSize: textFontSize
                font.bold: true
            }

            Row {
                id: historyButtons
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                VButton {
                    objectName: "saveHistoryButton"
                    width: 110
                    l_text: qsTr("Save")
                    onClick: function() { page.chooseHistoryFile() }
                }
                VButton {
                    objectName: "clearHistoryButton"
                    width: 110
                    enabled: alarmHistory.count > 0
                    l_text: qsTr("Clear")
                    onClick: function() { alarmHistory.clear() }
                }
            }
        }

        VErrorText {
            objectName: "historyError"
            width: parent.width
            shown: true
            text: alarmHistory.error
        }

        Text {
            objectName: "historyEmpty"
            visible: alarmHistory.count === 0
            text: qsTr("No alarm change seen yet.")
            color: Theme.faintText
            font.pixelSize: textFontSize
        }

        // Newest first; scrolls on its own beyond a few rows.
        ListView {
            id: history
            objectName: "alarmHistoryList"

            readonly property int rowHeight: 26
            readonly property int shownRows: 8

            width: parent.width
            height: Math.min(count, shownRows) * rowHeight
            clip: true
            interactive: count > shownRows
            boundsBehavior: Flickable.StopAtBounds
            reuseItems: true
            model: alarmHistory

            delegate: Item {
                width: history.width - 15
                height: history.rowHeight

                Text {
                    objectName: "time"
                    width: 190
                    anchors.verticalCenter: parent.verticalCenter
                    text: Qt.formatDateTime(model.time, "dd/MM/yyyy HH:mm:ss")
                    color: Theme.text
                    font.pixelSize: textFontSize
                }
                Text {
                    objectName: "what"
                    x: 190
                    width: 180
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.what
                    color: Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: textFontSize
                }
                Text {
                    objectName: "state"
                    x: 380
                    width: parent.width - x
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.state
                    color: model.alarm ? Theme.error : Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: textFontSize
                }
            }

            ScrollBar.vertical: ScrollBar {
                policy: history.interactive ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                contentItem: Rectangle {
                    implicitWidth: 10
                    implicitHeight: 100
                    radius: width / 2
                    color: Theme.scrollHandle
                }
            }
        }
    }
}
