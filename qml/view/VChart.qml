import QtQuick 2.15

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
                backgroundColor: "rgba(0,0,0,0.10)",
                borderColor: "rgba(232,78,15,255)",
                data: root.chart_datas
            }]
        })
        chartOptions: ({
            maintainAspectRatio: false,
            responsive: true,
            hover: { mode: "nearest", intersect: true },
            title: { display: true, text: root.chart_title },
            scales: {
                xAxes: [{
                    display: true,
                    scaleLabel: { display: true, labelString: root.chart_unitX }
                }],
                yAxes: [{
                    display: true,
                    scaleLabel: { display: true, labelString: root.chart_unitY },
                    ticks: { beginAtZero: true, suggestedMax: root.suggestedMax }
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
