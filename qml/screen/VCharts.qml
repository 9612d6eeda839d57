import QtQuick 2.15
import QtQml 2.15
import QtQuick.Layouts 1.15
import "../view"
import "../popup"
import "../theme"

// The hidden charts page: the measured phase voltages beside currents the page
// makes up itself and the powers computed from both, sampled on every end of
// a read while the page is entered.
Rectangle {
    id: root

    property real minAmps: 225
    property real maxAmps: 275
    property real dataCountMax: 20
    property real nSecondes: 0
    property real refreshTimelaps: 1000
    // Voltage U, V, W; current U, V, W; active power U, V, W; reactive power U, V, W.
    property var chartsArrayIndex: []
    property var chartsArrayIndexTmp: []
    property bool isInFullScreen: false

    // One list object each, changed in place: the charts hold the same objects.
    property var chartsYAxeLabel: []
    property var chartsVoltageL1: []
    property var chartsVoltageL2: []
    property var chartsVoltageL3: []
    property var chartsCurrentL1: []
    property var chartsCurrentL2: []
    property var chartsCurrentL3: []
    property var chartsPAL1: []
    property var chartsPAL2: []
    property var chartsPAL3: []
    property var chartsPRL1: []
    property var chartsPRL2: []
    property var chartsPRL3: []

    // The rows of charts, top to bottom, each with phases U, V and W: the
    // words and the top of the vertical scale. A language switch evaluates the
    // table anew and the charts take its words in place.
    readonly property var chartTable: [
        { unit: qsTr("Volts"), suggestedMax: 280,
          legends: [qsTr("Phase U Voltage"), qsTr("Phase V Voltage"), qsTr("Phase W Voltage")] },
        { unit: qsTr("Ampere"), suggestedMax: 400,
          legends: [qsTr("Phase U Current"), qsTr("Phase V Current"), qsTr("Phase W Current")] },
        { unit: qsTr("W"), suggestedMax: 30000,
          legends: [qsTr("Phase U Active Power"), qsTr("Phase V Active Power"), qsTr("Phase W Active Power")] },
        { unit: qsTr("VAR"), suggestedMax: 80000,
          legends: [qsTr("Phase U Reactive Power"), qsTr("Phase V Reactive Power"), qsTr("Phase W Reactive Power")] }
    ]
    readonly property var phaseTitles: [qsTr("Phase U"), qsTr("Phase V"), qsTr("Phase W")]
    // The angle between the generated current and the measured voltage.
    readonly property real phaseAngle: 70 * Math.PI / 180
    // Chart.js and the charts cost start-up time and memory while the page
    // stays hidden until the logo gesture: they are made when the page is
    // first shown and kept while it is hidden. Closing the charts empties
    // them, so they go then and are made again at the next Start.
    property bool chartsWanted: false
    property bool chartsShownOnce: false
    // Only the voltages are measured: the operator must not take the rest for readings.
    readonly property string generatedNote: qsTr("Currents are generated here, not measured; powers are computed from them and the measured voltages.")
    readonly property bool showsGenerated: chartsArrayIndex.slice(3).indexOf(true) >= 0

    function firstShown() {
        if (visible && !chartsShownOnce) {
            chartsShownOnce = true
            chartsWanted = true
        }
    }

    onVisibleChanged: firstShown()
    // Shown from the start (no stack around it hides it first).
    Component.onCompleted: Qt.callLater(root.firstShown)

    function cleanData() {
        chartsArrayIndex = []
        chartsYAxeLabel.splice(0)
        var series = allSeries()
        for (var i = 0; i < series.length; ++i)
            series[i].splice(0)
        nSecondes = 0
        stackLayoutCharts.currentIndex = 0
    }

    // Row r, phase p is chart 3 * r + p, counted from 0; null until the
    // charts are made.
    function chartAt(i) {
        return chartGrid.item ? chartGrid.item.charts.objectAt(i) : null
    }

    function allSeries() {
        return [chartsVoltageL1, chartsVoltageL2, chartsVoltageL3,
                chartsCurrentL1, chartsCurrentL2, chartsCurrentL3,
                chartsPAL1, chartsPAL2, chartsPAL3,
                chartsPRL1, chartsPRL2, chartsPRL3]
    }

    // The three boxes of a row, read from its cells: outer row, inner row, cell, box.
    function rowStates(line) {
        var cells = line.children[0].children[1].children
        return [cells[0].children[0].checked, cells[1].children[0].checked,
                cells[2].children[0].checked]
    }

    function start() {
        isInFullScreen = false
        cleanData()
        var selection = []
        var lines = [lineVoltage, lineCurrent, lineActive, lineReactive]
        for (var i = 0; i < lines.length; ++i)
            selection = selection.concat(rowStates(lines[i]))
        chartsArrayIndex = selection
        if (selection.indexOf(true) < 0) {
            chartsAlert.showWithParams("Error", "You must checked at least one box")
            return
        }
        chartsWanted = true
        stackLayoutCharts.currentIndex = 1
    }

    function append(series, value) {
        if (series.length > dataCountMax)
            series.shift()
        series.push(value)
    }

    // A bounded random walk: steps of up to 25 A, strictly inside the bounds.
    function nextCurrent(series) {
        if (series.length === 0)
            return minAmps
        var last = series[series.length - 1]
        for (;;) {
            var down = Math.random() > 0.5
            var step = 25 * Math.random()
            var candidate = down ? last - step : last + step
            if (candidate > minAmps && candidate < maxAmps)
                return candidate
        }
    }

    function addSample() {
        if (!backend.chartsEnable)
            return
        if (chartsYAxeLabel.length > dataCountMax)
            chartsYAxeLabel.shift()
        chartsYAxeLabel.push(nSecondes)
        nSecondes += 1
        if (nSecondes > 999)
            nSecondes = 1

        var voltageSeries = [chartsVoltageL1, chartsVoltageL2, chartsVoltageL3]
        var currentSeries = [chartsCurrentL1, chartsCurrentL2, chartsCurrentL3]
        var activeSeries = [chartsPAL1, chartsPAL2, chartsPAL3]
        var reactiveSeries = [chartsPRL1, chartsPRL2, chartsPRL3]
        var voltages = backend.voltageValuesN
        var currents = []
        var k
        for (k = 0; k < 3; ++k) {
            currents.push(nextCurrent(currentSeries[k]))
            append(currentSeries[k], currents[k])
        }
        for (k = 0; k < 3; ++k) {
            var text = voltages && k < voltages.length ? voltages[k] : ""
            append(voltageSeries[k], text)
        }
        for (k = 0; k < 3; ++k) {
            var u = Number(voltages && k < voltages.length ? voltages[k] : "")
            if (isNaN(u))
                u = 0
            append(activeSeries[k], u * currents[k] * Math.cos(phaseAngle))
            append(reactiveSeries[k], u * currents[k] * Math.sin(phaseAngle))
        }
        for (var i = 0; i < 12; ++i) {
            var chart = chartAt(i)
            if (chart)
                chart.animateToNewData()
        }
    }

    function onPressGraph(idGraph) {
        if (isInFullScreen) {
            chartsArrayIndex = chartsArrayIndexTmp.slice()
            isInFullScreen = false
        } else {
            chartsArrayIndexTmp = chartsArrayIndex.slice()
            isInFullScreen = true
            var flags = []
            for (var i = 0; i < 12; ++i)
                flags.push(i === idGraph - 1)
            chartsArrayIndex = flags
        }
        resizeME()
    }

    function resizeME() {
        // The view resizes while the page is made, before its charts are.
        var grid = chartGrid.item
        if (!grid || grid.charts.count < 12)
            return
        var w = chartsView.width
        var h = chartsView.height
        var visibleRows = 0
        var r, j
        for (r = 0; r < 4; ++r) {
            var n = 0
            for (j = 0; j < 3; ++j)
                n += chartsArrayIndex[3 * r + j] ? 1 : 0
            for (j = 0; j < 3; ++j)
                chartAt(3 * r + j).calculedWidth = chartsArrayIndex[3 * r + j] ? (w - 20) / n : 0
            grid.rows[r].visible = n > 0
            if (n > 0)
                ++visibleRows
        }
        var rowHeight = visibleRows > 0 ? (h - 50) / visibleRows : 0
        for (r = 0; r < 4; ++r) {
            var height = grid.rows[r].visible ? rowHeight : 0
            grid.rows[r].height = height
            for (j = 0; j < 3; ++j)
                chartAt(3 * r + j).calculedHeigth = height
        }
    }

    color: Theme.background

    Connections {
        target: backend
        function onLoadRegisterFinish() { root.addSample() }
    }

    Timer {
        id: refreshTimer
        objectName: "chartsTimer"
        interval: root.refreshTimelaps
        repeat: true
        onTriggered: backend.refreshChartsValuePage()
    }

    StackLayout {
        id: stackLayoutCharts
        objectName: "stackLayoutCharts"
        anchors.fill: parent
        currentIndex: 0

        onCurrentIndexChanged: {
            if (currentIndex === 1) {
                refreshTimer.start()
            } else {
                refreshTimer.stop()
                root.cleanData()
                root.chartsWanted = false
                // Chart.js's objects of the charts just gone, not at some later allocation.
                Qt.callLater(gc)
            }
        }

        // View 0: what to plot.
        Item {
            id: selectionView

            Column {
                anchors.horizontalCenter: parent.horizontalCenter
                width: Theme.contentWidth

                Item {
                    width: parent.width
                    height: 60

                    Text {
                        y: 10
                        text: qsTr("Charts")
                        color: Theme.text
                        font.pixelSize: titleFontSize
                    }
                }

                VPanel {
                    width: Theme.contentWidth
                    height: 270
                    topMargin: 0

                    VLineTable {
                        isHeader: true
                        cellFirstWidth: 270
                        cellWidth: 100
                        arrayValue: ["", qsTr("Phase 1"), qsTr("Phase 2"), qsTr("Phase 3")]
                    }
                    VLineCheckBox {
                        id: lineVoltage
                        objectName: "lineVoltage"
                        cellFirstWidth: 270
                        cellWidth: 100
                        arrayValue: [qsTr("Voltage")]
                    }
                    VLineCheckBox {
                        id: lineCurrent
                        objectName: "lineCurrent"
                        cellFirstWidth: 270
                        cellWidth: 100
                        arrayValue: [qsTr("Current")]
                    }
                    VLineCheckBox {
                        id: lineActive
                        objectName: "lineActive"
                        cellFirstWidth: 270
                        cellWidth: 100
                        arrayValue: [qsTr("Power Active")]
                    }
                    VLineCheckBox {
                        id: lineReactive
                        objectName: "lineReactive"
                        cellFirstWidth: 270
                        cellWidth: 100
                        arrayValue: [qsTr("Power Reactive")]
                    }
                    Item {
                        width: parent.width
                        height: 20
                    }
                    VButton {
                        objectName: "startButton"
                        anchors.horizontalCenter: parent.horizontalCenter
                        l_text: qsTr("Start")
                        onClick: function() { root.start() }
                    }
                }

                Text {
                    objectName: "generatedNote"
                    width: parent.width
                    topPadding: 10
                    text: root.generatedNote
                    color: Theme.text
                    wrapMode: Text.WordWrap
                    font.pixelSize: textFontSize
                }
            }
        }

        // View 1: the charts, four rows of three.
        Item {
            id: chartsView
            objectName: "chartsView"

            onWidthChanged: root.resizeME()
            onHeightChanged: root.resizeME()
            onVisibleChanged: root.resizeME()

            Item {
                id: closeStrip
                width: parent.width
                height: 50

                Text {
                    objectName: "chartsGeneratedNote"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.leftMargin: 10
                    anchors.rightMargin: 40
                    anchors.verticalCenter: parent.verticalCenter
                    visible: root.showsGenerated
                    text: root.generatedNote
                    color: Theme.text
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    // A side note in the strip above the charts, smaller than the page's text.
                    font.pixelSize: textErrorFontSize + 2
                }

                Rectangle {
                    objectName: "closeCharts"
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    y: 10
                    width: 20
                    height: 20
                    color: Theme.band

                    Image {
                        anchors.fill: parent
                        source: "qrc:///images/icons/contents/close.png"
                        fillMode: Image.PreserveAspectFit
                    }

                    VKeyTarget {
                        objectName: "key"
                        frameRadius: 2
                        onActivated: {
                            stackLayoutCharts.currentIndex = 0
                            root.resizeME()
                        }
                    }

                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            stackLayoutCharts.currentIndex = 0
                            root.resizeME()
                        }
                    }
                }
            }

            Loader {
                id: chartGrid
                anchors.top: closeStrip.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                active: root.chartsWanted
                onLoaded: root.resizeME()

                sourceComponent: Column {
                    id: chartArea
                    objectName: "chartArea"

                    readonly property var rows: [rowVoltage, rowCurrent, rowActive, rowReactive]
                    readonly property alias charts: chartMaker

                    Row {
                        id: rowVoltage
                        anchors.horizontalCenter: parent.horizontalCenter
                    }

                    Row {
                        id: rowCurrent
                        anchors.horizontalCenter: parent.horizontalCenter
                    }

                    Row {
                        id: rowActive
                        anchors.horizontalCenter: parent.horizontalCenter
                    }

                    Row {
                        id: rowReactive
                        anchors.horizontalCenter: parent.horizontalCenter
                    }

                    // Each chart goes into the row of its quantity. An Instantiator,
                    // not a Repeater: what it makes are its own children, so the
                    // window finds the charts by name (the screenshot walk does).
                    Instantiator {
                        id: chartMaker
                        // A count, not the table: a new model would make the charts anew.
                        model: 12

                        VChart {
                            readonly property int row: Math.floor(index / 3)

                            parent: chartArea.rows[row]
                            objectName: "chart" + idGraph
                            idGraph: index + 1
                            // Each sample draws at once.
                            animationDuration: 0
                            chart_labels: root.chartsYAxeLabel
                            chart_datas: root.allSeries()[index]
                            chart_title: root.phaseTitles[index % 3]
                            chart_legend: root.chartTable[row].legends[index % 3]
                            chart_unitX: qsTr("Second")
                            chart_unitY: root.chartTable[row].unit
                            suggestedMax: root.chartTable[row].suggestedMax
                            onClick: function(idGraph) { root.onPressGraph(idGraph) }
                        }
                    }
                }
            }
        }
    }

    VPopupAlert {
        id: chartsAlert
        objectName: "chartsAlert"
    }
}
