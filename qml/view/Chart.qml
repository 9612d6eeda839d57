import QtQuick 2.15
import "chartadaptor.js" as Adaptor

// A Chart.js chart drawn into a Canvas. Chart.js keeps the data object it is
// given: the owner changes its lists in place and calls redraw().
// The default image render target: the framebuffer one crashes with more than
// one canvas on Qt 5.15.
Canvas {
    id: canvas

    property string chartType: "line"
    property var chartData: ({ labels: [], datasets: [] })
    property var chartOptions: ({})
    property real chartAnimationDuration: 0

    // How many draws have reached the canvas, and how long the last paint took
    // (milliseconds); read by tests and the benchmark.
    readonly property int drawCount: priv.drawCount
    readonly property real paintMilliseconds: priv.paintMilliseconds
    // Where the last draw put the plot inside the axes (Chart.js' chartArea).
    readonly property rect plotArea: priv.plotArea

    // Not named update(): that would shadow the item's own slot, which the
    // canvas' texture calls after every paint.
    function redraw() {
        priv.dataChanged = true
        requestPaint()
    }

    QtObject {
        id: priv

        property var chart: null
        property bool rebuild: false
        property bool dataChanged: false
        property bool painting: false
        property bool flushOnly: false
        property int drawCount: 0
        property real paintMilliseconds: 0
        property rect plotArea

        function renew() {
            if (chart) {
                rebuild = true
                canvas.requestPaint()
            }
        }
    }

    // New objects (a retranslated title, say) make a new chart.
    onChartTypeChanged: priv.renew()
    onChartDataChanged: priv.renew()
    onChartOptionsChanged: priv.renew()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()
    onVisibleChanged: if (visible) requestPaint()

    onPaint: {
        // A chart of no size (hidden by the page's layout) waits until it has one.
        if (width < 1 || height < 1)
            return
        var started = Date.now()
        priv.painting = true
        try {
            if (priv.rebuild) {
                Adaptor.release(canvas, priv.chart)
                priv.chart = null
                priv.rebuild = false
            }
            if (!priv.chart) {
                priv.chart = Adaptor.create(canvas, chartType, chartData, chartOptions,
                                            chartAnimationDuration, function(area) {
                                                priv.plotArea = Qt.rect(area.left, area.top, area.right - area.left,
                                                                        area.bottom - area.top)
                                                priv.drawCount++
                                                // A draw from an animation frame
                                                // shows at the next paint.
                                                if (!priv.painting) {
                                                    priv.flushOnly = true
                                                    canvas.requestPaint()
                                                }
                                            })
            } else if (priv.dataChanged || !priv.flushOnly || !Adaptor.sizeKept(priv.chart)) {
                Adaptor.redraw(priv.chart, chartAnimationDuration)
            }
        } finally {
            priv.dataChanged = false
            priv.flushOnly = false
            priv.painting = false
        }
        priv.paintMilliseconds = Date.now() - started
    }

    Component.onDestruction: Adaptor.release(canvas, priv.chart)
}
