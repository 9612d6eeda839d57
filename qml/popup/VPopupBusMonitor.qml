import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form

// Every exchange on the line, newest at the bottom, with the link's counters.
// The monitor keeps the exchanges while this is closed; opening shows them.
VPopupBase {
    id: popup

    readonly property alias list: list
    readonly property alias saveDialog: saveDialog
    // Set by a save from this popup, so an old failure does not show on opening.
    property bool saveFailed: false

    readonly property int lineFontSize: textFontSize - 2
    readonly property int valuesFontSize: textErrorFontSize + 1

    FontMetrics {
        id: metrics
        font.pixelSize: popup.lineFontSize
    }

    // The counters as one line: the errors only by the kinds that happened.
    function statisticsText(s) {
        if (!s || s.requests === undefined)
            return ""
        var parts = [qsTr("Requests: %1").arg(s.requests)]
        var kinds = [["timeouts", qsTr("time-outs: %1")],
                     ["garbled", qsTr("garbled: %1")],
                     ["exceptions", qsTr("exceptions: %1")],
                     ["unfit", qsTr("unfit answers: %1")],
                     ["linkLost", qsTr("link lost: %1")],
                     ["lateAnswers", qsTr("late answers: %1")]]
        for (var i = 0; i < kinds.length; ++i) {
            if (s[kinds[i][0]] > 0)
                parts.push(kinds[i][1].arg(s[kinds[i][0]]))
        }
        parts.push(qsTr("resends: %1").arg(s.resends))
        parts.push(qsTr("round trip mean %1 ms, worst %2 ms").arg(Number(s.meanMs).toFixed(1))
                                                              .arg(Number(s.worstMs).toFixed(1)))
        return parts.join("  ·  ")
    }

    function chooseFile() {
        // Always from the home folder, not where the last choice was made.
        saveDialog.openAtHome()
    }

    // `file` is a path or a file: URL. The monitor writes CSV for a .csv name and
    // JSON lines otherwise, so a bare name takes the ending of the chosen filter.
    function saveTo(file, filter) {
        var name = String(file)
        if (!/\.(csv|jsonl)$/i.test(name))
            name += String(filter).indexOf("*.csv") >= 0 ? ".csv" : ".jsonl"
        saveFailed = !busMonitor.save(name)
        if (!saveFailed)
            notice.show(qsTr("The list was saved to %1.").arg(Form.localPath(name)))
        return name
    }

    function toEnd() {
        list.follow = true
        list.positionViewAtEnd()
    }

    width: parent ? Math.min(parent.width - 40, 1400) : 760
    height: parent ? parent.height - 40 : 560

    onVisibleChanged: busMonitor.active = visible
    onAboutToShow: {
        saveFailed = false
        toEnd()
    }

    VFileDialog {
        id: saveDialog
        objectName: "busMonitorFileDialog"
        title: qsTr("Save the bus monitor's list")
        selectExisting: false
        nameFilters: [qsTr("JSON lines") + " (*.jsonl)", "CSV (*.csv)"]
        onAccepted: popup.saveTo(fileUrl, selectedNameFilter)
    }

    contentItem: Item {
        focus: true

        VPopupBand {
            id: band
            text: qsTr("Bus monitor")
        }

        Text {
            id: statistics
            objectName: "statistics"
            anchors.top: band.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20
            anchors.topMargin: 10
            text: popup.statisticsText(busMonitor.statistics)
            color: Theme.text
            wrapMode: Text.WordWrap
            font.pixelSize: popup.lineFontSize
        }

        // The columns of the first line of every row.
        Item {
            id: heads
            objectName: "heads"
            anchors.top: statistics.bottom
            anchors.topMargin: 10
            anchors.left: list.left
            width: list.width - 15
            height: headTime.implicitHeight

            Text {
                id: headTime
                width: list.timeWidth
                text: list.heads[0]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
            Text {
                x: list.timeWidth
                width: list.functionWidth
                text: list.heads[1]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
            Text {
                id: headSlave
                x: list.timeWidth + list.functionWidth
                width: list.slaveWidth
                text: list.heads[6]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
            Text {
                x: list.timeWidth + list.functionWidth + list.slaveWidth
                width: list.nameWidth
                text: list.heads[2]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
            Text {
                x: list.timeWidth + list.functionWidth + list.slaveWidth + list.nameWidth
                width: list.addressWidth
                text: list.heads[3]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
            Text {
                x: parent.width - list.outcomeWidth - list.roundTripWidth
                width: list.roundTripWidth
                text: list.heads[4]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
            Text {
                x: parent.width - list.outcomeWidth
                width: list.outcomeWidth
                text: list.heads[5]
                color: Theme.faintText
                font.pixelSize: popup.lineFontSize
            }
        }

        ListView {
            id: list
            objectName: "busMonitorList"

            // Follows the newest row until the operator scrolls up, again once back at the end.
            property bool follow: true
            readonly property var heads: [qsTr("Time"), qsTr("Fn"), qsTr("Block"), qsTr("Address"),
                                          qsTr("Round trip"), qsTr("Outcome"), qsTr("Slave")]
            // Each column as wide as its head or its widest value, in the language shown;
            // the outcome wraps, the block's name takes what is left.
            function columnWidth(head, widest) {
                return Math.ceil(Math.max(metrics.advanceWidth(head), metrics.advanceWidth(widest))) + 10
            }
            readonly property real timeWidth: columnWidth(heads[0], "00:00:00.000")
            readonly property real functionWidth: columnWidth(heads[1], "16")
            // A short head: its own laid-out width, which a word's advance can fall short of.
            readonly property real slaveWidth: Math.ceil(Math.max(headSlave.implicitWidth, metrics.advanceWidth("247"))) + 10
            readonly property real addressWidth: columnWidth(heads[3], "50573 ×48")
            readonly property real roundTripWidth: columnWidth(heads[4], "10000.0 ms")
            readonly property real outcomeWidth: Math.max(columnWidth(heads[5], ""),
                                                          Math.min(240, (width - 15) * 0.16))
            readonly property real nameWidth: Math.max(width - 15 - timeWidth - functionWidth - slaveWidth - addressWidth
                                                       - roundTripWidth - outcomeWidth, 60)

            anchors.top: heads.bottom
            anchors.topMargin: 4
            anchors.bottom: detailsView.top
            anchors.bottomMargin: 5
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            reuseItems: true
            model: busMonitor
            // Up and Down pick a row, as a click does; its whole text shows below.
            activeFocusOnTab: true
            currentIndex: -1
            highlightMoveDuration: 0
            highlightFollowsCurrentItem: true
            highlight: Rectangle {
                color: Theme.panel
                border.width: list.activeFocus ? 2 : 0
                border.color: Theme.focus
            }

            function keepAtEnd() {
                if (follow && !moving && !scrollBar.pressed)
                    positionViewAtEnd()
            }

            onMovementEnded: follow = atYEnd
            onCountChanged: {
                if (count === 0)
                    follow = true
                keepAtEnd()
            }
            // A failure's wrapped outcome takes its height once laid out.
            onContentHeightChanged: keepAtEnd()

            // Glyphs from the font's own bitmaps: far cheaper to draw than distance
            // fields when a software renderer redraws the list at every poll.
            delegate: Item {
                // What the row below the list shows of the picked exchange: all of it.
                readonly property string wholeText: [model.time, model["function"] === undefined ? ""
                                                                                                : model["function"],
                                                     model.slave, model.name, model.address, model.roundTrip,
                                                     model.outcome]
                                                    .filter(function(part) { return part !== "" }).join("  ·  ")
                                                    + "\n" + values.text

                width: list.width - 15
                height: values.y + values.implicitHeight + 5

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        list.currentIndex = index
                        list.forceActiveFocus()
                    }
                }

                Text {
                    id: head
                    objectName: "time"
                    width: list.timeWidth
                    text: model.time
                    color: Theme.text
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                Text {
                    objectName: "function"
                    x: list.timeWidth
                    width: list.functionWidth
                    text: model["function"] === undefined ? "" : model["function"]
                    color: Theme.text
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                Text {
                    objectName: "slave"
                    x: list.timeWidth + list.functionWidth
                    width: list.slaveWidth
                    text: model.slave
                    color: Theme.text
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                Text {
                    id: name
                    objectName: "name"
                    x: list.timeWidth + list.functionWidth + list.slaveWidth
                    width: list.nameWidth - 5
                    text: model.name
                    color: Theme.text
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                Text {
                    objectName: "address"
                    x: list.timeWidth + list.functionWidth + list.slaveWidth + list.nameWidth
                    width: list.addressWidth
                    text: model.address
                    color: Theme.text
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                Text {
                    objectName: "roundTrip"
                    x: parent.width - list.outcomeWidth - list.roundTripWidth
                    width: list.roundTripWidth
                    text: model.roundTrip
                    color: Theme.text
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                // Failures are what the operator looks for: their text stays whole.
                Text {
                    id: outcome
                    objectName: "outcome"
                    x: parent.width - list.outcomeWidth
                    width: list.outcomeWidth
                    text: model.outcome
                    color: model.failed ? Theme.error : Theme.text
                    wrapMode: Text.WordWrap
                    font.pixelSize: popup.lineFontSize
                    renderType: Text.NativeRendering
                }
                Text {
                    id: values
                    objectName: "values"
                    y: Math.max(head.height, name.height, outcome.height) + 1
                    x: list.timeWidth
                    width: parent.width - list.timeWidth
                    text: rawWords.isSelect ? model.raw : model.values
                    color: Theme.faintText
                    // One line a row keeps the list light to draw; the picked
                    // row's whole text shows below the list.
                    elide: Text.ElideRight
                    font.pixelSize: popup.valuesFontSize
                    renderType: Text.NativeRendering
                }
            }

            ScrollBar.vertical: ScrollBar {
                id: scrollBar
                policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                onPressedChanged: {
                    if (!pressed)
                        list.follow = list.atYEnd
                }
                contentItem: Rectangle {
                    implicitWidth: 10
                    implicitHeight: 100
                    radius: width / 2
                    color: Theme.scrollHandle
                }
            }
        }

        // The picked exchange in full, selectable to copy; it scrolls when it is
        // longer than a quarter of the popup (the extremes are 24 values).
        Flickable {
            id: detailsView
            anchors.bottom: errorText.top
            anchors.bottomMargin: details.text !== "" ? 5 : 0
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            height: details.text !== "" ? Math.min(details.implicitHeight, popup.height / 4) : 0
            contentHeight: details.implicitHeight
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {
                policy: detailsView.contentHeight > detailsView.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            TextEdit {
                id: details
                objectName: "details"
                width: detailsView.width - 15
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.WrapAtWordBoundaryOrAnywhere
                text: list.currentItem ? list.currentItem.wholeText : ""
                color: Theme.text
                selectionColor: Theme.selection
                selectedTextColor: Theme.textOnDark
                font.pixelSize: popup.valuesFontSize
            }
        }

        VErrorText {
            id: errorText
            objectName: "saveError"
            anchors.bottom: buttons.top
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            shown: popup.saveFailed
            text: busMonitor.error
        }

        Item {
            id: buttons
            anchors.bottom: parent.bottom
            width: parent.width
            height: 60

            Row {
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8

                VCheckBox {
                    id: rawWords
                    objectName: "rawWords"
                    onClick: function() {}
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Raw words")
                    color: Theme.text
                    font.pixelSize: textFontSize
                }
            }

            Row {
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                VButton {
                    objectName: "pauseButton"
                    width: 120
                    l_text: busMonitor.paused ? qsTr("Resume") : qsTr("Pause")
                    onClick: function() { busMonitor.paused = !busMonitor.paused }
                }
                VButton {
                    objectName: "clearButton"
                    width: 120
                    l_text: qsTr("Clear")
                    onClick: function() { busMonitor.clear() }
                }
                VButton {
                    objectName: "saveButton"
                    width: 120
                    l_text: qsTr("Save")
                    onClick: function() { popup.chooseFile() }
                }
                VButton {
                    objectName: "closeButton"
                    width: 120
                    l_text: qsTr("Close")
                    onClick: function() { popup.close() }
                }
            }
        }
    }
}
