import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form

// A file and the module, setting by setting (settingsFiles.comparison): the
// operator ticks the differences to write, confirms them, and sees how the
// write ended with the table read again. After a firmware update that
// changed settings, the same table offers them back against the copy kept
// before it; closing writes nothing.
VPopupBase {
    id: popup

    // "compare" after a compare of the settings page, "update" after an update.
    property string mode: "compare"
    property bool showAll: false
    // The write under way is ours: its end is shown here.
    property bool awaitingEnd: false
    // The last write's outcome (SettingsFiles.Outcome) and its lines; -1 before one.
    property int outcome: -1
    property string outcomeMessage: ""
    property var outcomeDetails: []
    // Counted as rows are ticked: the list model tells no binding of a tick.
    property int tickedCount: 0
    property int differingCount: 0

    readonly property alias rows: rowModel
    readonly property alias table: list
    readonly property alias question: question
    readonly property bool busy: settingsFiles.busy
    readonly property bool firmwareDiffers: settingsFiles.fileFirmware !== "" && settingsFiles.moduleFirmware !== ""
                                            && settingsFiles.fileFirmware !== settingsFiles.moduleFirmware
    readonly property int lineFontSize: textFontSize - 2
    readonly property int headFontSize: textErrorFontSize + 1

    function showCompare() {
        mode = "compare"
        start()
    }

    function showUpdate() {
        mode = "update"
        start()
    }

    function start() {
        outcome = -1
        outcomeMessage = ""
        outcomeDetails = []
        showAll = false
        takeComparison(false)
        open()
    }

    // Every differing row ticked at first; after a write the operator's
    // choice stays for the rows that still differ.
    function takeComparison(keepTicks) {
        var before = {}
        for (var i = 0; i < rowModel.count; ++i)
            before[rowModel.get(i).key] = rowModel.get(i).ticked
        var rows = settingsFiles.comparison
        rowModel.clear()
        var differing = 0
        for (var j = 0; j < rows.length; ++j) {
            var r = rows[j]
            if (r.differs)
                ++differing
            if (!r.differs && !showAll)
                continue
            var ticked = r.differs && (keepTicks && before[r.key] !== undefined ? before[r.key] : true)
            rowModel.append({ key: r.key, name: r.name, unit: r.unit || "", fileValue: shown(r.fileValue),
                              moduleValue: shown(r.moduleValue), differs: r.differs === true,
                              serial: r.serial === true, ticked: ticked })
        }
        differingCount = differing
        countTicked()
        list.currentIndex = rowModel.count > 0 ? 0 : -1
    }

    // A value one side does not have shows as nothing.
    function shown(value) {
        return value === undefined || value === null ? "" : String(value)
    }

    function countTicked() {
        var n = 0
        for (var i = 0; i < rowModel.count; ++i) {
            if (rowModel.get(i).ticked)
                ++n
        }
        tickedCount = n
    }

    function setTicked(index, ticked) {
        if (busy || index < 0 || index >= rowModel.count || !rowModel.get(index).differs)
            return
        rowModel.setProperty(index, "ticked", ticked)
        countTicked()
    }

    function setAllTicked(ticked) {
        for (var i = 0; i < rowModel.count; ++i) {
            if (rowModel.get(i).differs)
                rowModel.setProperty(i, "ticked", ticked)
        }
        countTicked()
    }

    function tickedRows() {
        return Form.tickedRows(rowModel)
    }

    // What the module holds now, then what it will hold.
    function changeLine(row) {
        var unit = row.unit !== "" ? " " + row.unit : ""
        return row.name + ": " + row.moduleValue + unit + " → " + row.fileValue + unit
    }

    function confirmationText(ticked) {
        var text = qsTr("These settings of the module change (now → after the write):") + "\n"
                   + ticked.map(changeLine).join("\n")
        if (firmwareDiffers)
            text += "\n\n" + qsTr("This file was read from firmware %1; the module runs %2.")
                                 .arg(settingsFiles.fileFirmware).arg(settingsFiles.moduleFirmware)
        if (settingsFiles.unknownKeys.length > 0)
            text += "\n\n" + qsTr("Not written, unknown to this version: %1").arg(settingsFiles.unknownKeys.join(", "))
        return text
    }

    function writeSelected() {
        var ticked = tickedRows()
        if (busy || ticked.length === 0)
            return
        var keys = ticked.map(function(r) { return r.key })
        question.ask(mode === "update" ? qsTr("Write the settings back?") : qsTr("Write the chosen settings?"),
                     confirmationText(ticked), qsTr("Cancel"), qsTr("Write"), null,
                     function() { popup.confirmSerial(keys) })
    }

    // The module's own line settings among the ticked: what changes on the
    // link is confirmed as the settings page has it.
    function confirmSerial(keys) {
        var from = backend.linkSettings()
        var file = settingsFiles.serialSettingsInFile(settingsFiles.comparisonFile)
        var to = { slaveAddress: from.slaveAddress, baudrate: from.baudrate, parity: from.parity }
        if (keys.indexOf("slaveAddress") >= 0)
            to.slaveAddress = file.slaveAddress
        if (keys.indexOf("baudRate") >= 0)
            to.baudrate = file.baudrate
        if (keys.indexOf("parity") >= 0)
            to.parity = file.parity
        var lines = popupSerialSettings.changeLines(from, to)
        if (lines.length > 0)
            popupSerialSettings.confirmWrite(lines, function() { popup.write(keys) })
        else
            write(keys)
    }

    function write(keys) {
        if (busy)
            return
        awaitingEnd = true
        outcome = -1
        popupWaiting.openFor(qsTr("Writing the chosen settings to the module…"), true)
        settingsFiles.restoreOnly(settingsFiles.comparisonFile, keys)
    }

    function outcomeColor(value) {
        return value === 0 ? Theme.ok : value === 1 ? Theme.warning : Theme.error
    }

    width: parent ? Math.min(parent.width - 40, 900) : 760
    height: parent ? parent.height - 40 : 560
    // A stray click must not close the table, nor Escape during the write.
    closePolicy: busy ? Popup.NoAutoClose : Popup.CloseOnEscape

    onOpened: (rowModel.count > 0 ? list : closeButton.keyTarget).forceActiveFocus(Qt.TabFocusReason)
    onShowAllChanged: takeComparison(true)

    ListModel { id: rowModel }

    Connections {
        target: settingsFiles
        function onSettingsEnd(outcomeValue, message, details) {
            if (!popup.awaitingEnd)
                return
            popup.awaitingEnd = false
            popupWaiting.close()
            popup.outcome = outcomeValue
            popup.outcomeMessage = message
            popup.outcomeDetails = details
            popup.takeComparison(true)
        }
        function onChangedByUpdate() {
            popup.showUpdate()
        }
    }

    FontMetrics {
        id: buttonMetrics
        font.pixelSize: textFontSize
    }

    function buttonWidth(text) {
        return Math.max(130, Math.ceil(buttonMetrics.advanceWidth(text)) + 30)
    }

    VPopupSerialSettings {
        id: popupSerialSettings
        objectName: "comparisonSerialSettings"
        parent: popup.parent
    }

    VPopupQuestion {
        id: question
        objectName: "comparisonQuestion"
        parent: popup.parent
        width: 600
        buttonWidth: 150
        messageItem.padding: 20
        messageItem.horizontalAlignment: Text.AlignLeft
    }

    contentItem: Item {
        VPopupBand {
            id: band
            objectName: "band"
            text: popup.mode === "update" ? qsTr("Settings changed by the update")
                                          : qsTr("Choose the settings to write")
        }

        Column {
            id: head
            anchors.top: band.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20
            anchors.topMargin: 10
            spacing: 4

            Text {
                objectName: "fileText"
                width: parent.width
                text: (popup.mode === "update" ? qsTr("Kept before the update: %1") : qsTr("File: %1"))
                      .arg(Form.localPath(settingsFiles.comparisonFile))
                color: Theme.text
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                font.pixelSize: popup.lineFontSize
            }

            Text {
                objectName: "firmwareNote"
                width: parent.width
                visible: popup.firmwareDiffers
                text: qsTr("This file was read from firmware %1; the module runs %2.")
                      .arg(settingsFiles.fileFirmware).arg(settingsFiles.moduleFirmware)
                color: Theme.warning
                wrapMode: Text.WordWrap
                font.pixelSize: popup.lineFontSize
            }

            Text {
                objectName: "unknownNote"
                width: parent.width
                visible: settingsFiles.unknownKeys.length > 0
                text: qsTr("Kept in the file, never written to a module: %1").arg(settingsFiles.unknownKeys.join(", "))
                color: Theme.faintText
                wrapMode: Text.WordWrap
                font.pixelSize: popup.lineFontSize
            }

            Text {
                objectName: "outcomeText"
                width: parent.width
                visible: popup.outcome >= 0
                text: popup.outcomeMessage
                color: popup.outcomeColor(popup.outcome)
                wrapMode: Text.WordWrap
                font.pixelSize: popup.lineFontSize
                font.bold: true
            }

            Text {
                objectName: "outcomeDetails"
                width: parent.width
                visible: popup.outcome >= 0 && popup.outcomeDetails.length > 0
                text: popup.outcomeDetails.join("\n")
                color: Theme.text
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                maximumLineCount: 4
                elide: Text.ElideRight
                font.pixelSize: popup.headFontSize
            }
        }

        // The columns; the box in the head ticks every difference or none.
        Item {
            id: heads
            anchors.top: head.bottom
            anchors.topMargin: 8
            anchors.left: list.left
            width: list.columnsWidth
            height: 34

            VCheckBox {
                objectName: "tickAll"
                anchors.verticalCenter: parent.verticalCenter
                enabled: popup.differingCount > 0 && !popup.busy
                isSelect: popup.differingCount > 0 && popup.tickedCount === popup.differingCount
                onClick: function() {
                    popup.setAllTicked(isSelect)
                    isSelect = Qt.binding(function() {
                        return popup.differingCount > 0 && popup.tickedCount === popup.differingCount
                    })
                }
            }

            Repeater {
                model: [
                    { x: list.nameX, width: list.nameWidth, text: qsTr("Setting") },
                    { x: list.fileX, width: list.valueWidth,
                      text: popup.mode === "update" ? qsTr("Before the update") : qsTr("File") },
                    { x: list.moduleX, width: list.valueWidth,
                      text: popup.mode === "update" ? qsTr("Now") : qsTr("Module") },
                    { x: list.unitX, width: list.unitWidth, text: qsTr("Unit") }
                ]
                Text {
                    x: modelData.x
                    width: modelData.width - 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData.text
                    color: Theme.faintText
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    font.pixelSize: popup.headFontSize
                }
            }
        }

        // Up and Down pick a row, Space ticks it.
        ListView {
            id: list
            objectName: "comparisonList"

            readonly property real columnsWidth: width - 15
            readonly property real nameX: 40
            readonly property real unitWidth: 60
            readonly property real valueWidth: Math.max(110, (columnsWidth - nameX - unitWidth) * 0.28)
            readonly property real nameWidth: columnsWidth - nameX - 2 * valueWidth - unitWidth
            readonly property real fileX: nameX + nameWidth
            readonly property real moduleX: fileX + valueWidth
            readonly property real unitX: moduleX + valueWidth

            anchors.top: heads.bottom
            anchors.bottom: empty.top
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: rowModel
            activeFocusOnTab: true
            highlightMoveDuration: 0
            highlight: Rectangle {
                color: Theme.panel
                border.width: list.activeFocus ? 2 : 0
                border.color: Theme.focus
            }
            Keys.onSpacePressed: {
                if (currentIndex >= 0)
                    popup.setTicked(currentIndex, !rowModel.get(currentIndex).ticked)
            }

            delegate: Item {
                id: row

                width: list.columnsWidth
                height: Math.max(32, Math.max(nameText.implicitHeight, fileText.implicitHeight,
                                              moduleText.implicitHeight) + 10)

                MouseArea {
                    anchors.fill: parent
                    onClicked: list.currentIndex = index
                }

                VCheckBox {
                    objectName: "tick"
                    anchors.verticalCenter: parent.verticalCenter
                    // The list's Space ticks: the boxes stay out of the tab chain.
                    focusPolicy: Qt.NoFocus
                    visible: model.differs
                    enabled: !popup.busy
                    isSelect: model.ticked
                    onClick: function() {
                        popup.setTicked(index, isSelect)
                        isSelect = Qt.binding(function() { return model.ticked })
                    }
                }

                Text {
                    id: nameText
                    objectName: "name"
                    x: list.nameX
                    width: list.nameWidth - 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.name
                    color: model.differs ? Theme.text : Theme.faintText
                    wrapMode: Text.WordWrap
                    font.pixelSize: popup.lineFontSize
                }
                Text {
                    id: fileText
                    objectName: "fileValue"
                    x: list.fileX
                    width: list.valueWidth - 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.fileValue
                    color: model.differs ? Theme.text : Theme.faintText
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                    font.pixelSize: popup.lineFontSize
                    font.bold: model.differs
                }
                Text {
                    id: moduleText
                    objectName: "moduleValue"
                    x: list.moduleX
                    width: list.valueWidth - 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.moduleValue
                    color: model.differs ? Theme.text : Theme.faintText
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                    font.pixelSize: popup.lineFontSize
                }
                Text {
                    objectName: "unit"
                    x: list.unitX
                    width: list.unitWidth
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.unit
                    color: model.differs ? Theme.text : Theme.faintText
                    elide: Text.ElideRight
                    font.pixelSize: popup.lineFontSize
                }
            }

            ScrollBar.vertical: ScrollBar {
                policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                contentItem: Rectangle {
                    implicitWidth: 10
                    implicitHeight: 100
                    radius: width / 2
                    color: Theme.scrollHandle
                }
            }
        }

        Text {
            id: empty
            objectName: "noDifference"
            anchors.bottom: buttons.top
            anchors.left: list.left
            anchors.right: list.right
            visible: popup.differingCount === 0
            height: visible ? implicitHeight + 6 : 0
            text: qsTr("The module holds the file's settings.")
            color: Theme.ok
            wrapMode: Text.WordWrap
            font.pixelSize: popup.lineFontSize
        }

        Item {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            height: 60

            Row {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                VCheckBox {
                    id: showAllBox
                    objectName: "showAll"
                    anchors.verticalCenter: parent.verticalCenter
                    isSelect: popup.showAll
                    onClick: function() {
                        popup.showAll = isSelect
                        isSelect = Qt.binding(function() { return popup.showAll })
                    }
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Show all settings")
                    color: Theme.text
                    font.pixelSize: popup.lineFontSize

                    MouseArea {
                        anchors.fill: parent
                        onClicked: popup.showAll = !popup.showAll
                    }
                }
            }

            Row {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                VButton {
                    objectName: "writeButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy && popup.tickedCount > 0 && backend.connectionState
                    l_text: popup.mode === "update" ? qsTr("Write back") : qsTr("Write selected")
                    onClick: function() { popup.writeSelected() }
                }

                VButton {
                    id: closeButton
                    objectName: "closeButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy
                    l_text: popup.mode === "update" ? qsTr("Keep") : qsTr("Close")
                    onClick: function() { popup.close() }
                }
            }
        }
    }
}
