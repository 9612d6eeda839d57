import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form

// Every module of the RS-485 line with its alarm lamps: the one to connect to
// is picked here, and the ticked ones are saved, compared, written or updated
// one after another. Open, the lamps are read round-robin; closed, they are not.
VPopupBase {
    id: popup

    readonly property alias moduleList: list
    readonly property alias rows: rowModel
    readonly property alias resultList: resultView
    readonly property alias outcomes: resultModel
    readonly property alias question: question
    readonly property alias folderDialog: folderDialog
    readonly property alias fileDialog: fileDialog
    readonly property alias report: report
    // Why the line could not be opened, from the last find.
    property string findError: ""
    // The last operation's one line, from its end.
    property string workSummary: ""
    property bool workFailed: false
    // What the dialogs were opened for: "save", "compare", "restore" or "update".
    property string fileOperation: ""

    readonly property bool busy: lineModules.working || lineModules.finding
    // Counted as the modules are taken: the list model tells no binding of a tick.
    property int tickedCount: 0
    readonly property int lineFontSize: textFontSize - 2
    readonly property int headFontSize: textErrorFontSize + 1

    // Opens on the connection page's port, baud rate and parity (indexes of its
    // lists); while connected, the connected module's line is shown.
    function openOn(portIndex, baudIndex, parityIndex) {
        findError = ""
        open()
        list.forceActiveFocus()
        // A port that cannot be opened ends the find before this returns.
        lineModules.open(portIndex, baudIndex, parityIndex)
        takeModules()
        takeResults()
    }

    function tickedModules() {
        return Form.tickedRows(rowModel)
    }

    // The slave address, and the serial number once known.
    function moduleText(m) {
        return m.serialNumber !== "" ? m.slaveAddress + " (" + m.serialNumber + ")" : String(m.slaveAddress)
    }

    // The modules keep their rows while their lamps change, so the row the
    // keyboard is on stays; a different line of modules fills the list anew.
    function takeModules() {
        var modules = lineModules.modules
        var same = modules.length === rowModel.count
        for (var i = 0; same && i < modules.length; ++i)
            same = rowModel.get(i).slaveAddress === modules[i].slaveAddress
        if (!same) {
            var current = list.currentIndex
            rowModel.clear()
            for (var j = 0; j < modules.length; ++j)
                rowModel.append(modules[j])
            list.currentIndex = Math.min(Math.max(current, 0), rowModel.count - 1)
        } else {
            for (var k = 0; k < modules.length; ++k)
                rowModel.set(k, modules[k])
        }
        tickedCount = tickedModules().length
    }

    // Filled anew only when the results change, so opened details stay open.
    function takeResults() {
        var results = lineModules.results
        var rows = []
        for (var i = 0; i < results.length; ++i) {
            var r = results[i]
            rows.push({ slaveAddress: r.slaveAddress, serialNumber: r.serialNumber, outcome: r.outcome,
                        text: r.text, details: (r.details || []).join("\n"), expanded: false })
        }
        var same = rows.length === resultModel.count
        for (var j = 0; same && j < rows.length; ++j) {
            var old = resultModel.get(j)
            same = old.slaveAddress === rows[j].slaveAddress && old.outcome === rows[j].outcome
                   && old.text === rows[j].text && old.details === rows[j].details
        }
        if (same)
            return
        resultModel.clear()
        for (var k = 0; k < rows.length; ++k)
            resultModel.append(rows[k])
    }

    function outcomeText(outcome) {
        return outcome === 0 ? qsTr("Done") : outcome === 1 ? qsTr("Differs") : qsTr("Failed")
    }

    function outcomeColor(outcome) {
        return outcome === 0 ? Theme.ok : outcome === 1 ? Theme.warning : Theme.error
    }

    function statusText() {
        if (lineModules.working)
            return lineModules.workTitle
        if (lineModules.finding)
            return qsTr("Addresses tried: %1 of %2").arg(lineModules.findDone).arg(lineModules.findTotal)
        if (findError !== "")
            return findError
        return rowModel.count === 0 ? qsTr("No module found on this line.")
                                    : qsTr("Modules found: %1").arg(rowModel.count)
    }

    function choose(index) {
        if (busy || index < 0 || index >= rowModel.count)
            return
        var m = rowModel.get(index)
        if (!m.connected)
            lineModules.choose(m.slaveAddress)
    }

    function toggleTick(index) {
        if (lineModules.working || index < 0 || index >= rowModel.count)
            return
        var m = rowModel.get(index)
        lineModules.setTicked(m.slaveAddress, !m.ticked)
    }

    function toggleDetails(index) {
        if (index >= 0 && index < resultModel.count && resultModel.get(index).details !== "")
            resultModel.setProperty(index, "expanded", !resultModel.get(index).expanded)
    }

    function startSave() {
        if (busy || tickedCount === 0)
            return
        fileOperation = "save"
        folderDialog.openAtHome()
    }

    function startCompare() {
        if (busy || tickedCount === 0)
            return
        question.ask(qsTr("Compare the modules"),
                     qsTr("Compare each module with its own file in a folder (named by its serial number), "
                          + "or every module with one file?"),
                     qsTr("Compare with folder…"), qsTr("Compare with file…"),
                     function() {
                         popup.fileOperation = "compare"
                         folderDialog.openAtHome()
                     },
                     function() { popup.chooseFile("compare") })
    }

    function chooseFile(operation) {
        if (busy || tickedCount === 0)
            return
        fileOperation = operation
        fileDialog.title = operation === "update" ? qsTr("Choose the firmware image for the modules")
                         : operation === "restore" ? qsTr("Choose the settings file to write to the modules")
                         : qsTr("Choose the settings file to compare with")
        fileDialog.nameFilters = operation === "update" ? [qsTr("Binary files") + " (*.bin)", qsTr("All files") + " (*)"]
                                                        : [qsTr("Settings files") + " (*.json)", qsTr("All files") + " (*)"]
        // Always from the home folder, not where the last choice was made.
        fileDialog.openAtHome()
    }

    // The report covers the modules ticked as it is asked for.
    function startReport() {
        if (busy || tickedCount === 0 || commissioningReport.busy)
            return
        report.openForLine(tickedModules().map(function(m) { return m.slaveAddress }))
    }

    // `folder` is a path or a file: URL, as the dialog gives it.
    function folderChosen(operation, folder) {
        if (busy)
            return
        if (operation === "compare")
            lineModules.compareAll(folder)
        else
            lineModules.saveAll(folder)
    }

    // Save and compare only read; a write or an update goes only to the
    // modules listed in the question.
    function fileChosen(operation, file) {
        if (busy)
            return
        if (operation === "compare") {
            lineModules.compareAll(file)
            return
        }
        var ticked = tickedModules()
        if (ticked.length === 0)
            return
        var names = ticked.map(moduleText).join(", ")
        var slaves = ticked.map(function(m) { return m.slaveAddress })
        var write = operation === "restore"
        question.ask(write ? qsTr("Write the file to the modules?") : qsTr("Update the modules' firmware?"),
                     (write ? qsTr("The settings of %1, without identity and serial settings, are written to "
                                   + "these modules (slave address and serial number):").arg(Form.localPath(file))
                            : qsTr("The firmware %1 is loaded into these modules (slave address and serial "
                                   + "number); each keeps its settings:").arg(Form.localPath(file)))
                     + "\n" + names,
                     qsTr("Cancel"), write ? qsTr("Write") : qsTr("Update"),
                     null,
                     function() { popup.runConfirmed(operation, file, slaves) })
    }

    // The ticks may not have moved since the question; if they have, nothing starts.
    function runConfirmed(operation, file, slaves) {
        var now = tickedModules().map(function(m) { return m.slaveAddress })
        if (busy || now.join(",") !== slaves.join(","))
            return
        lineModules.workOn(slaves)
        if (operation === "restore")
            lineModules.restoreAll(file)
        else
            lineModules.updateAll(file)
    }

    width: parent ? Math.min(parent.width - 40, 1100) : 760
    height: parent ? parent.height - 40 : 560
    // A stray click must not close the view, nor Escape during an operation.
    closePolicy: lineModules.working ? Popup.NoAutoClose : Popup.CloseOnEscape

    onClosed: lineModules.close()

    FontMetrics {
        id: buttonMetrics
        font.pixelSize: textFontSize
    }

    FontMetrics {
        id: outcomeMetrics
        font.pixelSize: popup.lineFontSize
        font.bold: true
    }

    function buttonWidth(text) {
        return Math.max(100, Math.ceil(buttonMetrics.advanceWidth(text)) + 30)
    }

    ListModel { id: rowModel }
    ListModel { id: resultModel }

    Connections {
        target: lineModules
        function onChanged() {
            // A new operation's summary is still to come.
            if (lineModules.working)
                popup.workSummary = ""
            popup.takeModules()
            popup.takeResults()
        }
        function onFindEnded(error) {
            popup.findError = error
        }
        function onWorkEnded(notDone, summary) {
            popup.workSummary = summary
            popup.workFailed = notDone > 0
            popup.takeResults()
        }
    }

    VPopupReport {
        id: report
        objectName: "lineReport"
        // Over the view, as the question is.
        parent: popup.parent
    }

    VFileDialog {
        id: folderDialog
        objectName: "lineFolderDialog"
        title: popup.fileOperation === "compare" ? qsTr("Choose the folder of the modules' files")
                                                 : qsTr("Choose the folder for the modules' files")
        selectFolder: true
        onAccepted: popup.folderChosen(popup.fileOperation, String(fileUrl))
    }

    VFileDialog {
        id: fileDialog
        objectName: "lineFileDialog"
        onAccepted: popup.fileChosen(popup.fileOperation, String(fileUrl))
    }

    VPopupQuestion {
        id: question
        objectName: "lineQuestion"
        parent: popup.parent
        height: Math.min(50 + messageItem.implicitHeight + 60, parent ? parent.height - 40 : 560)
    }

    contentItem: Item {
        id: body

        VPopupBand {
            id: band
            text: qsTr("Modules of the line")
        }

        // Finding, or the operation under way, and what can be done about it.
        Item {
            id: status
            anchors.top: band.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20
            anchors.topMargin: 10
            height: Math.max(statusButtons.height, statusColumn.implicitHeight)

            Column {
                id: statusColumn
                anchors.left: parent.left
                anchors.right: statusButtons.left
                anchors.rightMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4

                Text {
                    objectName: "statusText"
                    width: parent.width
                    text: popup.statusText()
                    color: !popup.busy && popup.findError !== "" ? Theme.error : Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: textFontSize
                }

                Text {
                    objectName: "workModule"
                    width: parent.width
                    visible: lineModules.working
                    text: qsTr("Module %1 (%2 of %3)").arg(lineModules.workSlave)
                                                      .arg(Math.min(lineModules.workDone + 1, lineModules.workTotal))
                                                      .arg(lineModules.workTotal)
                    color: Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: popup.lineFontSize
                }

                VProgressBar {
                    objectName: "findProgress"
                    width: parent.width
                    visible: lineModules.finding && !lineModules.working
                    from: 0
                    to: Math.max(1, lineModules.findTotal)
                    value: lineModules.findDone
                }

                // The whole operation, the module in work counted by its own progress.
                VProgressBar {
                    objectName: "workProgress"
                    width: parent.width
                    visible: lineModules.working
                    from: 0
                    to: Math.max(1, lineModules.workTotal)
                    value: lineModules.workDone + lineModules.workModuleProgress
                }

                VProgressBar {
                    objectName: "moduleProgress"
                    width: parent.width
                    visible: lineModules.working
                    from: 0
                    to: 1
                    value: lineModules.workModuleProgress
                }
            }

            Row {
                id: statusButtons
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                VButton {
                    objectName: "backButton"
                    width: popup.buttonWidth(l_text)
                    visible: lineModules.previousSlave > 0 && !lineModules.working
                    enabled: !popup.busy
                    l_text: qsTr("Back to %1").arg(lineModules.previousSlave)
                    onClick: function() { lineModules.back() }
                }

                VButton {
                    objectName: "findButton"
                    width: popup.buttonWidth(l_text)
                    visible: !lineModules.working
                    enabled: !popup.busy
                    l_text: qsTr("Find again")
                    onClick: function() {
                        popup.findError = ""
                        lineModules.find()
                    }
                }

                VButton {
                    objectName: "cancelButton"
                    width: popup.buttonWidth(l_text)
                    visible: lineModules.working
                    l_text: qsTr("Cancel")
                    onClick: function() { lineModules.cancel() }
                }
            }
        }

        // The columns of the list; the tick box ticks all or none.
        Item {
            id: heads
            objectName: "heads"
            anchors.top: status.bottom
            anchors.topMargin: 6
            anchors.left: list.left
            width: list.columnsWidth
            height: 34

            VCheckBox {
                id: tickAll
                objectName: "tickAll"
                anchors.verticalCenter: parent.verticalCenter
                enabled: rowModel.count > 0 && !lineModules.working
                isSelect: rowModel.count > 0 && popup.tickedCount === rowModel.count
                onClick: function() {
                    lineModules.setAllTicked(isSelect)
                    isSelect = Qt.binding(function() { return rowModel.count > 0 && popup.tickedCount === rowModel.count })
                }
            }

            Repeater {
                model: [
                    { x: list.addressX, width: list.addressWidth, text: qsTr("Address") },
                    { x: list.serialX, width: list.serialWidth, text: qsTr("Serial number") },
                    { x: list.fsdX, width: list.fsdWidth, text: qsTr("FSD ID") },
                    { x: list.firmwareX, width: list.firmwareWidth, text: qsTr("Firmware") },
                    { x: list.lampsX, width: list.lampWidth, text: qsTr("Status"), lamp: true },
                    { x: list.lampsX + list.lampWidth, width: list.lampWidth, text: "L1", lamp: true },
                    { x: list.lampsX + 2 * list.lampWidth, width: list.lampWidth, text: "L2", lamp: true },
                    { x: list.lampsX + 3 * list.lampWidth, width: list.lampWidth, text: "L3", lamp: true },
                    { x: list.lampsX + 4 * list.lampWidth, width: list.lampWidth, text: qsTr("Temp."), lamp: true }
                ]
                Text {
                    x: modelData.x
                    width: modelData.width - (modelData.lamp ? 0 : 4)
                    horizontalAlignment: modelData.lamp ? Text.AlignHCenter : Text.AlignLeft
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

        // Up and Down pick a module, Space ticks it, Return connects to it.
        ListView {
            id: list
            objectName: "lineModuleList"

            readonly property int rowHeight: 32
            readonly property real columnsWidth: width - 15
            readonly property real addressX: 40
            readonly property real addressWidth: 60
            readonly property real serialX: addressX + addressWidth
            // Twelve digits at the row's font.
            readonly property real serialWidth: Math.max(125, columnsWidth * 0.16)
            readonly property real fsdX: serialX + serialWidth
            readonly property real fsdWidth: Math.max(105, columnsWidth * 0.13)
            readonly property real firmwareX: fsdX + fsdWidth
            readonly property real firmwareWidth: 62
            readonly property real lampsX: firmwareX + firmwareWidth
            readonly property real lampWidth: 40
            readonly property real markX: lampsX + 5 * lampWidth
            readonly property real markWidth: columnsWidth - markX

            anchors.top: heads.bottom
            anchors.bottom: hint.top
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
            Keys.onSpacePressed: popup.toggleTick(currentIndex)
            Keys.onReturnPressed: popup.choose(currentIndex)
            Keys.onEnterPressed: popup.choose(currentIndex)

            delegate: Item {
                id: row

                readonly property bool quiet: !model.answering
                // For the lamps, whose own model hides the row's.
                readonly property bool lampsKnown: model.lampsKnown
                readonly property var flags: ({ moduleStatus: model.moduleStatus, fuseBlowL1: model.fuseBlowL1,
                                                fuseBlowL2: model.fuseBlowL2, fuseBlowL3: model.fuseBlowL3,
                                                temperatureStatus: model.temperatureStatus })

                width: list.columnsWidth
                height: Math.max(list.rowHeight, mark.implicitHeight + 6)

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        list.currentIndex = index
                        popup.choose(index)
                    }
                }

                VCheckBox {
                    objectName: "tick"
                    anchors.verticalCenter: parent.verticalCenter
                    // The list's Space ticks: the boxes stay out of the tab chain.
                    focusPolicy: Qt.NoFocus
                    enabled: !lineModules.working
                    isSelect: model.ticked
                    onClick: function() {
                        lineModules.setTicked(model.slaveAddress, isSelect)
                        isSelect = Qt.binding(function() { return model.ticked })
                    }
                }

                Text {
                    objectName: "address"
                    x: list.addressX
                    width: list.addressWidth - 4
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.slaveAddress
                    color: row.quiet ? Theme.faintText : Theme.text
                    font.pixelSize: popup.lineFontSize
                    font.bold: model.connected
                }
                Text {
                    objectName: "serialNumber"
                    x: list.serialX
                    width: list.serialWidth - 4
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.serialNumber
                    color: row.quiet ? Theme.faintText : Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: popup.lineFontSize
                }
                Text {
                    objectName: "fsdId"
                    x: list.fsdX
                    width: list.fsdWidth - 4
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.fsdId
                    color: row.quiet ? Theme.faintText : Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: popup.lineFontSize
                }
                Text {
                    objectName: "firmwareVersion"
                    x: list.firmwareX
                    width: list.firmwareWidth - 4
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.firmwareVersion
                    color: row.quiet ? Theme.faintText : Theme.text
                    elide: Text.ElideRight
                    font.pixelSize: popup.lineFontSize
                }

                // As on the alarm page: green while healthy, white while not known.
                Repeater {
                    model: [
                        { name: "lampModuleStatus", flag: "moduleStatus", healthy: true },
                        { name: "lampFuseL1", flag: "fuseBlowL1", healthy: false },
                        { name: "lampFuseL2", flag: "fuseBlowL2", healthy: false },
                        { name: "lampFuseL3", flag: "fuseBlowL3", healthy: false },
                        { name: "lampTemperature", flag: "temperatureStatus", healthy: false }
                    ]
                    Rectangle {
                        objectName: modelData.name
                        x: list.lampsX + index * list.lampWidth + (list.lampWidth - width) / 2
                        anchors.verticalCenter: parent.verticalCenter
                        width: 18
                        height: 18
                        radius: width / 2
                        color: !row.lampsKnown ? Theme.lampOff
                                               : row.flags[modelData.flag] === modelData.healthy ? Theme.ok : Theme.error
                        border.width: 1
                        border.color: Theme.lampBorder
                    }
                }

                // The connected one, one that stopped answering, one in its bootloader.
                Text {
                    id: mark
                    objectName: "mark"
                    x: list.markX
                    width: list.markWidth
                    anchors.verticalCenter: parent.verticalCenter
                    text: [model.connected ? qsTr("Connected") : "",
                           !model.answering ? qsTr("Not answering") : "",
                           model.bootloader ? qsTr("Bootloader") : ""].filter(function(t) { return t !== "" })
                                                                    .join(", ")
                    color: !model.answering || model.bootloader ? Theme.error : Theme.accent
                    wrapMode: Text.WordWrap
                    font.pixelSize: popup.lineFontSize
                    font.bold: model.connected
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
            id: hint
            objectName: "hint"
            anchors.bottom: results.top
            anchors.bottomMargin: 6
            anchors.left: list.left
            anchors.right: list.right
            text: qsTr("Click a module, or press Return on it, to connect to it. Space ticks it.")
            color: Theme.faintText
            elide: Text.ElideRight
            font.pixelSize: popup.headFontSize
        }

        // How the last operation went, module by module; a row with details
        // opens and closes with a click, Space or Return.
        Column {
            id: results
            objectName: "results"
            anchors.bottom: buttons.top
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            // Also an operation refused before any module was touched, with why.
            visible: resultModel.count > 0 || popup.workSummary !== ""
            height: visible ? implicitHeight : 0
            spacing: 4

            VSeparator {}

            Text {
                objectName: "workSummary"
                width: parent.width
                text: popup.workSummary !== "" ? popup.workSummary : qsTr("The last operation")
                color: popup.workFailed ? Theme.error : Theme.text
                wrapMode: Text.WordWrap
                font.pixelSize: popup.lineFontSize
                font.bold: true
            }

            ListView {
                id: resultView
                objectName: "resultList"

                readonly property real moduleWidth: 170
                // As wide as the longest result in the language shown, with its mark.
                readonly property real markerWidth: Math.ceil(outcomeMetrics.advanceWidth("▾ "))
                readonly property real outcomeWidth: markerWidth + Math.ceil(Math.max(outcomeMetrics.advanceWidth(popup.outcomeText(0)),
                                                                                      outcomeMetrics.advanceWidth(popup.outcomeText(1)),
                                                                                      outcomeMetrics.advanceWidth(popup.outcomeText(2)))) + 12

                width: parent.width
                // A third of the view at most, so the modules keep their room.
                height: Math.min(contentHeight, Math.max(popup.height / 4, 60))
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: resultModel
                activeFocusOnTab: true
                highlightMoveDuration: 0
                highlight: Rectangle {
                    color: Theme.panel
                    border.width: resultView.activeFocus ? 2 : 0
                    border.color: Theme.focus
                }
                Keys.onSpacePressed: popup.toggleDetails(currentIndex)
                Keys.onReturnPressed: popup.toggleDetails(currentIndex)
                Keys.onEnterPressed: popup.toggleDetails(currentIndex)

                delegate: Item {
                    width: resultView.width - 15
                    height: line.height + (detailText.visible ? detailText.height : 0) + 4

                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            resultView.currentIndex = index
                            popup.toggleDetails(index)
                        }
                    }

                    Item {
                        id: line
                        width: parent.width
                        height: Math.max(moduleText.implicitHeight, resultText.implicitHeight) + 4

                        Text {
                            id: moduleText
                            objectName: "module"
                            y: 2
                            width: resultView.moduleWidth - 6
                            text: popup.moduleText(model)
                            color: Theme.text
                            elide: Text.ElideRight
                            font.pixelSize: popup.lineFontSize
                        }
                        // Open or closed, where there are details.
                        Text {
                            objectName: "expander"
                            y: 2
                            x: resultView.moduleWidth
                            text: model.details === "" ? "" : model.expanded ? "▾" : "▸"
                            color: popup.outcomeColor(model.outcome)
                            font.pixelSize: popup.lineFontSize
                        }
                        Text {
                            objectName: "outcome"
                            y: 2
                            x: resultView.moduleWidth + resultView.markerWidth
                            width: resultView.outcomeWidth - resultView.markerWidth - 6
                            text: popup.outcomeText(model.outcome)
                            color: popup.outcomeColor(model.outcome)
                            font.pixelSize: popup.lineFontSize
                            font.bold: true
                        }
                        Text {
                            id: resultText
                            objectName: "text"
                            y: 2
                            x: resultView.moduleWidth + resultView.outcomeWidth
                            width: parent.width - x
                            text: model.text
                            color: Theme.text
                            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                            font.pixelSize: popup.lineFontSize
                        }
                    }

                    Text {
                        id: detailText
                        objectName: "details"
                        anchors.top: line.bottom
                        x: resultView.moduleWidth
                        width: parent.width - x
                        visible: model.expanded && model.details !== ""
                        text: model.details
                        color: Theme.faintText
                        // Paths have no spaces to break at.
                        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                        font.pixelSize: popup.headFontSize
                    }
                }

                ScrollBar.vertical: ScrollBar {
                    policy: resultView.contentHeight > resultView.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                    contentItem: Rectangle {
                        implicitWidth: 10
                        implicitHeight: 100
                        radius: width / 2
                        color: Theme.scrollHandle
                    }
                }
            }
        }

        // The operations on the ticked modules, then Close; they wrap where the
        // window is narrow or the texts long.
        Item {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            height: operations.implicitHeight + 24

            Flow {
                id: operations
                anchors.left: parent.left
                anchors.right: closeButton.left
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8

                VButton {
                    objectName: "saveAllButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy && popup.tickedCount > 0
                    l_text: qsTr("Save all…")
                    onClick: function() { popup.startSave() }
                }
                VButton {
                    objectName: "compareAllButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy && popup.tickedCount > 0
                    l_text: qsTr("Compare…")
                    onClick: function() { popup.startCompare() }
                }
                VButton {
                    objectName: "restoreAllButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy && popup.tickedCount > 0
                    l_text: qsTr("Write file to all…")
                    onClick: function() { popup.chooseFile("restore") }
                }
                VButton {
                    objectName: "updateAllButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy && popup.tickedCount > 0
                    l_text: qsTr("Update all…")
                    onClick: function() { popup.chooseFile("update") }
                }
                VButton {
                    objectName: "reportButton"
                    width: popup.buttonWidth(l_text)
                    enabled: !popup.busy && popup.tickedCount > 0 && !commissioningReport.busy
                    l_text: qsTr("Report…")
                    onClick: function() { popup.startReport() }
                }
            }

            VButton {
                id: closeButton
                objectName: "closeButton"
                anchors.right: parent.right
                anchors.bottom: operations.bottom
                width: popup.buttonWidth(l_text)
                enabled: !lineModules.working
                l_text: qsTr("Close")
                onClick: function() { popup.close() }
            }
        }
    }
}
