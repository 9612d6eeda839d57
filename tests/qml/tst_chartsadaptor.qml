import QtQuick 2.15
import QtTest 1.2
import "qrc:/view"
import "qrc:/view/chartadaptor.js" as Adaptor

// Chart.js through our Canvas adaptor: it really draws, redraws from the same
// list objects, follows its size and waits while it has none.
Item {
    id: root

    width: 400
    height: 600

    property var labels: []
    property var values: []

    Chart {
        id: chart
        width: 400
        height: 300
        chartType: "line"
        chartData: ({
            labels: root.labels,
            datasets: [{
                label: "Series",
                fill: true,
                backgroundColor: "rgba(0,0,0,0.10)",
                borderColor: "rgba(232,78,15,255)",
                data: root.values
            }]
        })
        chartOptions: ({
            maintainAspectRatio: false,
            responsive: true,
            title: { display: true, text: "Title" },
            scales: {
                xAxes: [{ display: true, scaleLabel: { display: true, labelString: "X" } }],
                yAxes: [{ display: true, scaleLabel: { display: true, labelString: "Y" },
                          ticks: { beginAtZero: true, suggestedMax: 100 } }]
            }
        })
    }

    // Chart.js on the canvas directly, without the adaptor's shortcuts.
    Canvas {
        id: plain
        x: 0
        y: 300
        width: 400
        height: 300
    }

    // The same texts drawn with and without the adaptor's reuse of them.
    Canvas {
        id: reused
        width: 120
        height: 60
    }
    Canvas {
        id: direct
        y: 60
        width: 120
        height: 60
    }

    // A text put by the adaptor, and by hand at the whole pixel it snaps to.
    Canvas {
        id: snapped
        y: 120
        width: 120
        height: 60
    }
    Canvas {
        id: byHand
        y: 180
        width: 120
        height: 60
    }

    // Starts with no size, as a chart the page's layout hides.
    Chart {
        id: hidden
        y: 300
        width: 0
        height: 0
        chartData: ({ labels: root.labels, datasets: [{ label: "Other", data: root.values }] })
        chartOptions: ({ maintainAspectRatio: false, responsive: true })
    }

    TestCase {
        name: "ChartsAdaptor"
        when: windowShown

        // The canvas' own pixels (grabbing the window needs a display).
        function drawn(item, count) {
            tryVerify(function() { return item.drawCount >= count }, 5000)
            var w = Math.floor(item.width)
            var h = Math.floor(item.height)
            var image = item.getContext("2d").getImageData(0, 0, w, h)
            return {
                width: image.width,
                height: image.height,
                data: image.data,
                at: function(x, y) { return 4 * (y * image.width + x) }
            }
        }

        // A draw made now, after whatever an earlier test left.
        function fresh(item) {
            var count = item.drawCount
            item.redraw()
            return drawn(item, count + 1)
        }

        function differences(a, b) {
            var n = 0
            for (var i = 0; i < a.data.length; i += 4) {
                if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1]
                        || a.data[i + 2] !== b.data[i + 2] || a.data[i + 3] !== b.data[i + 3])
                    ++n
            }
            return n
        }

        function inked(image, x0, y0, x1, y1) {
            var n = 0
            for (var y = y0; y < y1; ++y) {
                for (var x = x0; x < x1; ++x) {
                    if (image.data[image.at(x, y) + 3] > 0)
                        ++n
                }
            }
            return n
        }

        function test_drawsAndRedrawsFromTheSameLists() {
            var first = fresh(chart)
            compare(first.width, 400)
            // Title, legend, axes and their titles on a transparent canvas.
            verify(inked(first, 0, 0, 400, 300) > 2000, "the empty chart shows its frame")
            verify(inked(first, 150, 0, 250, 30) > 20, "the title")

            // Only the lists change; the chart is told to draw again.
            for (var i = 0; i < 10; ++i) {
                root.labels.push(i)
                root.values.push(i % 2 ? "80.5" : "20")
            }
            var count = chart.drawCount
            chart.redraw()
            var second = drawn(chart, count + 1)
            verify(differences(first, second) > 1000, "the series shows")

            // The line in its colour, and the grey fill under it.
            var orange = 0
            for (var k = 0; k < second.data.length; k += 4) {
                if (second.data[k] > 200 && second.data[k + 1] > 50 && second.data[k + 1] < 110
                        && second.data[k + 2] < 50 && second.data[k + 3] > 200)
                    ++orange
            }
            verify(orange > 300, "line colour drawn: " + orange)

            // A value changed in place shows after the next redraw only.
            root.values[9] = "5"
            wait(100)
            compare(differences(second, drawn(chart, count + 1)), 0)
            chart.redraw()
            verify(differences(second, drawn(chart, count + 2)) > 100)

            // Emptied in place: back to the empty frame, pixel for pixel.
            root.labels.splice(0)
            root.values.splice(0)
            count = chart.drawCount
            chart.redraw()
            compare(differences(first, drawn(chart, count + 1)), 0)
        }

        // New options (a retranslated title) make a new chart on the same lists.
        function test_newOptionsMakeANewChart() {
            var before = fresh(chart)
            var options = chart.chartOptions
            var count = chart.drawCount
            chart.chartOptions = ({
                maintainAspectRatio: false,
                responsive: true,
                title: { display: true, text: "A much longer title than before" },
                scales: options.scales
            })
            var after = drawn(chart, count + 1)
            verify(inked(after, 0, 0, 140, 30) > 20, "the longer title")
            compare(inked(before, 0, 0, 140, 30), 0)
            count = chart.drawCount
            chart.chartOptions = options
            compare(differences(before, drawn(chart, count + 1)), 0)
        }

        function test_followsItsSize() {
            var before = fresh(chart)
            var count = chart.drawCount
            chart.width = 250
            chart.height = 200
            var small = drawn(chart, count + 1)
            compare(small.width, 250)
            compare(small.height, 200)
            // The title stays centred in the new width.
            verify(inked(small, 95, 0, 155, 30) > 20)
            verify(inked(small, 0, 0, 250, 200) > 1000)
            chart.width = 400
            chart.height = 300
            compare(differences(before, drawn(chart, count + 2)), 0)
        }

        // Font assignments reach the context late and only when they change:
        // text must still come out in the font in force at that point.
        function test_fontsFollowSaveAndRestore() {
            drawn(chart, 1)
            var ctx = chart.getContext("2d")
            var small = "normal 10px sans-serif"
            var big = "bold 30px sans-serif"
            ctx.font = small
            var smallWidth = ctx.measureText("MMMM").width
            ctx.font = big
            var bigWidth = ctx.measureText("MMMM").width
            verify(bigWidth > 2 * smallWidth)

            for (var round = 0; round < 3; ++round) {
                ctx.font = small
                ctx.save()
                ctx.font = big
                compare(ctx.measureText("MMMM").width, bigWidth)
                ctx.restore()
                compare(ctx.font, small)
                compare(ctx.measureText("MMMM").width, smallWidth)
            }
            // Set before save and kept through a save without a change.
            ctx.font = big
            ctx.save()
            compare(ctx.measureText("MMMM").width, bigWidth)
            ctx.restore()
            ctx.save()
            ctx.font = small
            ctx.restore()
            compare(ctx.measureText("MMMM").width, bigWidth)
        }

        // The adaptor's shortcuts (fonts set only when they change, a redraw
        // without Chart.js' full update and with the layout kept while it
        // cannot change, one font family) draw exactly what Chart.js draws on
        // a plain context with its own update().
        function test_drawsWhatChartJsDrawsItself() {
            var config = function(labels, values) {
                return {
                    type: "line",
                    data: { labels: labels, datasets: [{ label: "Phase U Voltage", fill: true,
                            backgroundColor: "rgba(0,0,0,0.10)", borderColor: "rgba(232,78,15,255)",
                            data: values }] },
                    options: {
                        maintainAspectRatio: false, responsive: true, animation: { duration: 0 },
                        title: { display: true, text: "Phase U" },
                        scales: {
                            xAxes: [{ display: true, scaleLabel: { display: true, labelString: "Second" } }],
                            yAxes: [{ display: true, scaleLabel: { display: true, labelString: "Volts" },
                                      ticks: { beginAtZero: true, suggestedMax: 280 } }]
                        }
                    }
                }
            }
            var oldData = chart.chartData
            var oldOptions = chart.chartOptions
            var ours = config([], [])
            chart.chartData = ours.data
            chart.chartOptions = ours.options
            fresh(chart)

            var ctx = plain.getContext("2d")
            // Texts on whole pixels, as the adaptor puts them, but always drawn.
            var wholePixels = Adaptor.reuseTexts(ctx, true)
            var standIn = Adaptor.makeStandIn(plain, ctx)
            Object.defineProperty(ctx, "canvas", { configurable: true, value: standIn })
            var theirs = config([], [])
            var reference = new Adaptor.Chart(standIn, theirs)

            // Past 21 samples the labels' count and widths, and the vertical
            // range, stay: those draws keep their layout and are all compared.
            for (var i = 0; i < 27; ++i) {
                var lists = [ours.data, theirs.data]
                for (var k = 0; k < 2; ++k) {
                    if (lists[k].labels.length > 20) {
                        lists[k].labels.shift()
                        lists[k].datasets[0].data.shift()
                    }
                    lists[k].labels.push(i)
                    lists[k].datasets[0].data.push(i % 5 ? String(200 + 3 * i) : "")
                }
                var count = chart.drawCount
                chart.redraw()
                wholePixels()
                reference.update()
                plain.requestPaint()
                if (i % 8 === 0 || i >= 23) {
                    var a = drawn(chart, count + 1)
                    wait(50)
                    var b = plain.getContext("2d").getImageData(0, 0, 400, 300)
                    compare(differences(a, { data: b.data }), 0, "after sample " + i)
                }
            }
            verify(inked(drawn(chart, 1), 0, 0, 400, 300) > 5000)
            reference.destroy()
            chart.chartData = oldData
            chart.chartOptions = oldOptions
        }

        // A text met again is copied from the pixels it left the draw before:
        // turned, at fractions of a pixel, drawn as usual over ink, and at
        // another place each draw, as the horizontal labels move along.
        function test_reusedTextsDrawAsTexts() {
            var ours = reused.getContext("2d")
            var fonts = Adaptor.rememberFont(ours)
            var texts = Adaptor.reuseTexts(ours)
            var theirs = direct.getContext("2d")
            var theirTexts = Adaptor.reuseTexts(theirs, true)
            var scene = function(ctx, label, begin) {
                ctx.clearRect(0, 0, 120, 60)
                begin()
                ctx.fillStyle = "rgba(64,64,64,0.5)"
                ctx.fillRect(0, 32, 120, 28)
                ctx.font = "12px sans-serif"
                ctx.textAlign = "center"
                ctx.textBaseline = "middle"
                ctx.fillStyle = "#666"
                ctx.save()
                ctx.translate(30.3, 15.6)
                ctx.rotate(-0.5)
                ctx.fillText("Volts", 0, 0)
                ctx.restore()
                ctx.fillText("Over", 60.5, 40.25)
                ctx.fillText(label, 90.7, 12.2)
                ctx.save()
                ctx.translate(70.35 + 3.71 * step, 22.5)
                ctx.rotate(-0.87)
                ctx.fillText("12:00:05", 0, 0)
                ctx.restore()
            }
            for (var i = 0; i < 5; ++i) {
                var step = i
                scene(ours, "n" + i, function() {
                    fonts()
                    texts(true)
                })
                scene(theirs, "n" + i, theirTexts)
                reused.requestPaint()
                direct.requestPaint()
                wait(20)
                var a = ours.getImageData(0, 0, 120, 60)
                var b = theirs.getImageData(0, 0, 120, 60)
                verify(inked({ data: a.data, at: function(x, y) { return 4 * (y * 120 + x) } }, 0, 0, 60, 30) > 50)
                compare(differences(a, b), 0, "draw " + i)
            }
        }

        // Where its anchor falls between pixels, a text is put at the nearest
        // whole one, turned or not; the rest of the transform stays.
        function test_textsSitOnWholePixels() {
            var ours = snapped.getContext("2d")
            var fonts = Adaptor.rememberFont(ours)
            var texts = Adaptor.reuseTexts(ours)
            var theirs = byHand.getContext("2d")
            var angle = -0.8
            var cos = Math.cos(angle), sin = Math.sin(angle)
            var cases = [[20.4, 30.45, 20, 30], [20.6, 30.55, 21, 31], [50.49, 12.5001, 50, 13]]
            for (var i = 0; i < cases.length; ++i) {
                var c = cases[i]
                ;[ours, theirs].forEach(function(ctx) {
                    ctx.clearRect(0, 0, 120, 60)
                    ctx.font = "12px sans-serif"
                    ctx.fillStyle = "#666"
                    ctx.textBaseline = "middle"
                })
                // Met in earlier cases: drawn, then taken, then copied.
                fonts()
                texts(true)
                ours.font = "12px sans-serif"
                ours.fillText("Volts", c[0], c[1])
                ours.save()
                ours.translate(c[0] + 40, c[1] - 3)
                ours.rotate(angle)
                ours.fillText("12:00:05", 0.25, 0)
                ours.restore()

                theirs.fillText("Volts", c[2], c[3])
                theirs.save()
                var ax = c[0] + 40 + cos * 0.25, ay = c[1] - 3 + sin * 0.25
                theirs.setTransform(cos, sin, -sin, cos, Math.round(ax), Math.round(ay))
                theirs.fillText("12:00:05", 0, 0)
                theirs.restore()
                snapped.requestPaint()
                byHand.requestPaint()
                wait(20)
                var a = ours.getImageData(0, 0, 120, 60)
                var b = theirs.getImageData(0, 0, 120, 60)
                verify(inked({ data: a.data, at: function(x, y) { return 4 * (y * 120 + x) } }, 0, 0, 120, 60) > 80)
                compare(differences(a, b), 0, "case " + i)
            }
        }

        function test_waitsWhileItHasNoSize() {
            compare(hidden.drawCount, 0)
            hidden.redraw()
            wait(100)
            compare(hidden.drawCount, 0)
            hidden.width = 200
            hidden.height = 150
            drawn(hidden, 1)
            verify(hidden.drawCount >= 1)
            hidden.width = 0
            hidden.height = 0
        }
    }
}
