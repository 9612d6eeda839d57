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

    // Chart.js 2.9 counts the vertical ticks before the title, the legend and
    // the horizontal axis take their share, so a short chart gets more labels
    // than fit: allow one per 16 pixels of what is left for the plot.
    readonly property int tickLimit: Math.max(2, Math.min(11, Math.floor((calculedHeigth - 100) / 16)))

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
        chartOptions: ({
            maintainAspectRatio: false,
            responsive: true,
            hover: { mode: "nearest", intersect: true },
            // Tighter than Chart.js' defaults: twelve charts share the page.
            title: { display: true, text: root.chart_title, padding: 4 },
            legend: { labels: { boxWidth: 24, padding: 6 } },
            scales: {
                xAxes: [{
                    display: true,
                    scaleLabel: { display: true, labelString: root.chart_unitX }
                }],
                yAxes: [{
                    display: true,
                    scaleLabel: { display: true, labelString: root.chart_unitY },
                    ticks: {
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
