import QtQuick 2.15
import "../theme"

// One line chart of the charts page. The labels and the series are the page's
// own list objects, handed over once; animateToNewData() draws what they hold.
Item {
    id: root

    property real calculedWidth: 0
    property real calculedHeigth: 0
    property real animationDuration: 0
    property var chart_labels: []
    property var chart_datas: []
    property int suggestedMax: 100
    property var onClick
    property int idGraph: 0
    property string chart_title
    property string chart_unitX
    property string chart_unitY
    property string chart_legend

    // A short chart gives its plot the room first, so that the plot keeps at
    // least half the height: from level 1 the legend goes (the title names
    // the series instead), from level 2 the texts are smaller and tighter, the
    // tick marks shorter and the seconds lie flat. Title, legend and axes take
    // about 105, 77 and 43 pixels at the three levels; a chart tall enough
    // stays at level 0, as drawn before.
    readonly property int squeeze: calculedHeigth >= 210 ? 0 : calculedHeigth >= 160 ? 1 : 2
    // Chart.js 2.9 counts the vertical ticks before the title, the legend and
    // the horizontal axis take their share, so a short chart gets more labels
    // than fit: allow one per 16 pixels of what is left for the plot.
    readonly property int tickLimit: Math.max(2, Math.min(11, Math.floor((calculedHeigth - [100, 70, 40][squeeze]) / 16)))
    readonly property bool small: squeeze > 1
    readonly property int textSize: small ? 10 : 12
    readonly property real lineHeight: small ? 1 : 1.2
    readonly property int tickMark: small ? 4 : 10

    function axisTitle(text) {
        return { display: true, labelString: text, fontSize: textSize, lineHeight: lineHeight,
                 padding: small ? { top: 0, bottom: 1 } : 4 }
    }

    function animateToNewData() {
        chart.redraw()
    }

    width: calculedWidth
    height: calculedHeigth

    Chart {
        id: chart
        objectName: "chart"
        anchors.fill: parent
        chartType: "line"
        chartAnimationDuration: root.animationDuration
        chartData: ({
            labels: root.chart_labels,
            datasets: [{
                label: root.chart_legend,
                fill: true,
                backgroundColor: Theme.chartFill,
                borderColor: Theme.chartLine,
                data: root.chart_datas
            }]
        })
        // At level 0 the values below are Chart.js' own defaults, or as before.
        chartOptions: ({
            maintainAspectRatio: false,
            responsive: true,
            hover: { mode: "nearest", intersect: true },
            // Tighter than Chart.js' defaults: twelve charts share the page.
            title: {
                display: true,
                text: root.squeeze > 0 ? root.chart_legend : root.chart_title,
                padding: root.small ? 2 : 4,
                fontSize: root.textSize,
                lineHeight: root.lineHeight
            },
            legend: { display: root.squeeze === 0, labels: { boxWidth: 24, padding: 6 } },
            scales: {
                xAxes: [{
                    display: true,
                    scaleLabel: root.axisTitle(root.chart_unitX),
                    gridLines: { tickMarkLength: root.tickMark },
                    ticks: {
                        fontSize: root.textSize,
                        lineHeight: root.lineHeight,
                        maxRotation: root.small ? 0 : 50,
                        // Flat labels skipped to keep a gap between them.
                        autoSkipPadding: root.small ? 8 : 0
                    }
                }],
                yAxes: [{
                    display: true,
                    scaleLabel: root.axisTitle(root.chart_unitY),
                    gridLines: { tickMarkLength: root.tickMark },
                    ticks: {
                        fontSize: root.textSize,
                        lineHeight: root.lineHeight,
                        beginAtZero: true,
                        suggestedMax: root.suggestedMax,
                        maxTicksLimit: root.tickLimit
                    }
                }]
            }
        })
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            if (root.onClick)
                root.onClick(root.idGraph)
        }
    }
}
