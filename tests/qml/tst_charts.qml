import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtTest 1.2
import "qrc:/screen"

// The charts page in the window's frame, with a real Backend: selection, the
// samples taken on every end of a read, the one-chart view and the layout.
Item {
    id: frame

    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["charts"]
        anchors.fill: parent
    }

    // A charts page in a frame of its own that nobody has shown yet.
    Component {
        id: unshownFrame

        Item {
            property int textFontSize: 16
            property int textErrorFontSize: 11
            property int titleFontSize: 25
            property int titlePopupFontSize: 19
            property alias page: page
            property alias pages: pages

            // Beside the menu, which cleanup() clicks.
            x: 200
            width: 824
            height: 768

            StackLayout {
                id: pages
                anchors.fill: parent
                currentIndex: 0

                Item {}
                VCharts { id: page }
            }
        }
    }

    SignalSpy {
        id: clockReadBack
        target: backend
        signalName: "loadRegisterFinish"
    }

    TestCase {
        id: test
        name: "ChartsPage"
        when: windowShown

        property var page: h.chartsPage
        property var views: findChild(page, "stackLayoutCharts")
        property var timer: findChild(page, "chartsTimer")
        property var alert: findChild(page, "chartsAlert")
        property var lineNames: ["lineVoltage", "lineCurrent", "lineActive", "lineReactive"]

        function box(row, phase) {
            var line = findChild(page, lineNames[row])
            return line.children[0].children[1].children[phase].children[0]
        }

        // Checks exactly the boxes given as flag numbers 0 to 11.
        function select(flags) {
            for (var i = 0; i < 12; ++i) {
                var b = box(Math.floor(i / 3), i % 3)
                if (b.checked !== (flags.indexOf(i) >= 0))
                    mouseClick(b)
                compare(b.checked, flags.indexOf(i) >= 0)
            }
        }

        function start() {
            mouseClick(findChild(page, "startButton"))
        }

        function chart(n) { return findChild(page, "chart" + n) }

        function sample(voltages) {
            if (voltages !== undefined)
                backend.voltageValuesN = voltages
            backend.loadRegisterFinish()
        }

        function series() {
            return [page.chartsVoltageL1, page.chartsVoltageL2, page.chartsVoltageL3,
                    page.chartsCurrentL1, page.chartsCurrentL2, page.chartsCurrentL3,
                    page.chartsPAL1, page.chartsPAL2, page.chartsPAL3,
                    page.chartsPRL1, page.chartsPRL2, page.chartsPRL3]
        }

        function revealAndEnter() {
            var entry = findChild(h.menu, "entryCharts")
            if (!entry.visible) {
                var logo = findChild(h.menu, "menuLogo")
                for (var i = 0; i < 5; ++i)
                    mouseClick(logo)
            }
            verify(entry.visible)
            if (h.pages.currentIndex !== 6)
                mouseClick(entry)
            compare(h.pages.currentIndex, 6)
            verify(backend.chartsEnable)
        }

        function leave() {
            mouseClick(findChild(h.menu, "entryConnection"))
            compare(h.pages.currentIndex, 0)
        }

        function init() {
            revealAndEnter()
            // Samples come only from the test, not from the timer's reads.
            page.refreshTimelaps = 3600000
        }

        function cleanup() {
            if (alert.visible) {
                mouseClick(findChild(alert.contentItem, "okButton"))
                tryCompare(alert, "visible", false)
            }
            page.refreshTimelaps = 1000
            frame.width = 1024
            frame.height = 768
            if (backend.connectionState) {
                leave()
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
                tryCompare(h.popupWaiting, "visible", false, 5000)
            }
            leave()
            backend.chartsEnable = false
            backend.voltageValuesN = ["", "", ""]
            for (var i = 0; i < 12; ++i)
                box(Math.floor(i / 3), i % 3).checked = false
        }

        // By keyboard alone: Tab through the boxes, Space ticks, Return starts;
        // the close mark is reached and pressed the same way.
        function test_keyboard() {
            select([])
            box(0, 0).forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(box(0, 0).checked)
            keyClick(Qt.Key_Tab)
            verify(box(0, 1).activeFocus)
            keyClick(Qt.Key_Space)
            verify(box(0, 1).checked)
            for (var i = 0; i < 12 && !findChild(page, "startButton").keyTarget.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Return)
            compare(views.currentIndex, 1)
            var close = findChild(findChild(page, "closeCharts"), "key")
            for (i = 0; i < 20 && !close.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            verify(close.visualFocus)
            keyClick(Qt.Key_Space)
            compare(views.currentIndex, 0)
        }

        function test_startWithoutABoxIsRefused() {
            select([])
            start()
            verify(alert.visible)
            compare(alert.title, "Error")
            compare(alert.message, "You must checked at least one box")
            compare(views.currentIndex, 0)
            verify(!timer.running)
            // A sample still counts while the page is entered, as before Start.
            sample(["230.00", "230.00", "230.00"])
            compare(page.chartsYAxeLabel.length, 1)
        }

        function test_seriesSettleAt21Points() {
            select([0])
            start()
            compare(views.currentIndex, 1)
            for (var i = 0; i < 25; ++i)
                sample(["230.00", "231.50", ""])
            var labels = []
            for (i = 4; i <= 24; ++i)
                labels.push(i)
            compare(page.chartsYAxeLabel.length, 21)
            for (i = 0; i < 21; ++i)
                compare(page.chartsYAxeLabel[i], labels[i])
            var all = series()
            for (i = 0; i < all.length; ++i)
                compare(all[i].length, 21, "series " + i)
            // Voltages are kept as the module's texts.
            compare(page.chartsVoltageL1[20], "230.00")
            compare(page.chartsVoltageL2[20], "231.50")
            compare(page.chartsVoltageL3[20], "")
            compare(page.nSecondes, 25)
        }

        function test_labelAfter999IsOne() {
            select([0])
            start()
            page.nSecondes = 998
            sample()
            sample()
            compare(page.nSecondes, 1)
            sample()
            compare(page.chartsYAxeLabel.slice(-3), [998, 999, 1])
            compare(page.nSecondes, 2)
        }

        function test_currentsWalkInsideTheirBounds() {
            select([3, 4, 5])
            start()
            sample(["230.00", "230.00", "230.00"])
            var currents = [page.chartsCurrentL1, page.chartsCurrentL2, page.chartsCurrentL3]
            var last = []
            for (var k = 0; k < 3; ++k) {
                compare(currents[k][0], 225)
                last.push(225)
            }
            var moved = 0
            for (var i = 0; i < 300; ++i) {
                sample()
                for (k = 0; k < 3; ++k) {
                    var value = currents[k][currents[k].length - 1]
                    verify(value > 225 && value < 275, "inside the bounds: " + value)
                    verify(Math.abs(value - last[k]) < 25, "a step below 25: " + last[k] + " to " + value)
                    if (value !== last[k])
                        ++moved
                    last[k] = value
                }
            }
            compare(moved, 900)
        }

        function test_powersFromVoltageAndCurrent() {
            select([6, 9])
            start()
            var cos = Math.cos(70 * Math.PI / 180)
            var sin = Math.sin(70 * Math.PI / 180)
            var voltages = [["230.00", "", "99.50"], ["231.25", "0.00", ""]]
            for (var s = 0; s < voltages.length; ++s) {
                sample(voltages[s])
                var currents = [page.chartsCurrentL1[s], page.chartsCurrentL2[s], page.chartsCurrentL3[s]]
                var active = [page.chartsPAL1[s], page.chartsPAL2[s], page.chartsPAL3[s]]
                var reactive = [page.chartsPRL1[s], page.chartsPRL2[s], page.chartsPRL3[s]]
                for (var k = 0; k < 3; ++k) {
                    var u = voltages[s][k] === "" ? 0 : parseFloat(voltages[s][k])
                    fuzzyCompare(active[k], u * currents[k] * cos, 1e-6)
                    fuzzyCompare(reactive[k], u * currents[k] * sin, 1e-6)
                }
            }
            // 230 V and 225 A at 70 degrees.
            fuzzyCompare(page.chartsPAL1[0], 17699.54, 0.01)
            fuzzyCompare(page.chartsPRL1[0], 48629.09, 0.01)
            compare(page.chartsPAL2[0], 0)
        }

        function test_nothingWhileChartsAreDisabled() {
            select([0])
            start()
            backend.chartsEnable = false
            sample(["230.00", "230.00", "230.00"])
            compare(page.chartsYAxeLabel.length, 0)
            var all = series()
            for (var i = 0; i < all.length; ++i)
                compare(all[i].length, 0)
            compare(page.nSecondes, 0)
            backend.chartsEnable = true
            sample()
            compare(page.chartsYAxeLabel.length, 1)
        }

        function test_layoutAndOneChartAlone() {
            // Voltage U and V, current W: two rows.
            select([0, 1, 5])
            start()
            var view = findChild(page, "chartsView")
            var w = view.width
            var hgt = view.height
            verify(w > 500 && hgt > 400)
            var expected = function(n) {
                return {
                    1: [(w - 20) / 2, (hgt - 50) / 2], 2: [(w - 20) / 2, (hgt - 50) / 2],
                    3: [0, (hgt - 50) / 2], 4: [0, (hgt - 50) / 2], 5: [0, (hgt - 50) / 2],
                    6: [w - 20, (hgt - 50) / 2]
                }[n] || [0, 0]
            }
            function checkSizes(sizeOf) {
                for (var n = 1; n <= 12; ++n) {
                    fuzzyCompare(chart(n).width, sizeOf(n)[0], 0.01, "width of chart " + n)
                    fuzzyCompare(chart(n).height, sizeOf(n)[1], 0.01, "height of chart " + n)
                }
            }
            checkSizes(expected)
            // The rows and columns place their charts before the clicks.
            tryVerify(function() { return chart(6).parent.y > 0 && chart(2).x > 0 })

            mouseClick(chart(2))
            verify(page.isInFullScreen)
            // Its row neighbours keep the row's height at no width.
            checkSizes(function(n) { return n === 2 ? [w - 20, hgt - 50] : n <= 3 ? [0, hgt - 50] : [0, 0] })
            compare(page.chartsArrayIndex, [false, true, false, false, false, false,
                                            false, false, false, false, false, false])
            // Still sampling and drawing alone.
            var draws = findChild(chart(2), "chart").drawCount
            sample(["230.00", "230.00", "230.00"])
            tryVerify(function() { return findChild(chart(2), "chart").drawCount > draws })
            tryCompare(chart(2), "x", 0)

            mouseClick(chart(2))
            verify(!page.isInFullScreen)
            checkSizes(expected)
            compare(page.chartsArrayIndex, [true, true, false, false, false, true,
                                            false, false, false, false, false, false])
        }

        function test_closeAndStartAgainBeginsAtZero() {
            select([0, 4])
            start()
            verify(timer.running)
            for (var i = 0; i < 5; ++i)
                sample(["230.00", "230.00", "230.00"])
            mouseClick(findChild(page, "closeCharts"))
            compare(views.currentIndex, 0)
            verify(!timer.running)
            compare(page.chartsYAxeLabel.length, 0)
            compare(page.chartsVoltageL1.length, 0)
            compare(page.chartsArrayIndex.length, 0)
            // The selection survives.
            verify(box(0, 0).checked && box(1, 1).checked)
            start()
            sample()
            compare(page.chartsYAxeLabel, [0])
            compare(page.chartsCurrentL2, [225])
            // Leaving the page empties it and shows the selection again.
            leave()
            compare(views.currentIndex, 0)
            compare(page.chartsYAxeLabel.length, 0)
            verify(box(0, 0).checked)
        }

        // Closed, the charts are empty: they and Chart.js's objects go, and
        // the next Start makes them again, drawing from the first sample.
        function test_closedChartsAreMadeAgainAtStart() {
            select([0])
            start()
            sample(["230.00", "230.00", "230.00"])
            verify(chart(1) !== null)
            mouseClick(findChild(page, "closeCharts"))
            compare(views.currentIndex, 0)
            tryVerify(function() { return chart(1) === null && findChild(page, "chartArea") === null })
            // Hidden and shown again, the selection alone.
            leave()
            revealAndEnter()
            verify(page.visible)
            compare(chart(1), null)
            start()
            compare(views.currentIndex, 1)
            var again = chart(1)
            verify(again !== null)
            sample(["231.00", "231.00", "231.00"])
            var inner = findChild(again, "chart")
            tryVerify(function() { return inner.drawCount > 0 && inner.plotArea.height > 0 })
            compare(page.chartsVoltageL1, ["231.00"])
        }

        // The timer's reads fail at once while disconnected, yet each end of a
        // read still adds a sample, once a second and only in the chart view.
        function test_timerSamplesInTheChartViewOnly() {
            page.refreshTimelaps = 1000
            compare(timer.interval, 1000)
            verify(!timer.running)
            select([0])
            wait(1200)
            compare(page.chartsYAxeLabel.length, 0)
            start()
            verify(timer.running)
            var chart1 = findChild(chart(1), "chart")
            tryVerify(function() { return page.chartsYAxeLabel.length >= 2 }, 3500)
            verify(page.chartsYAxeLabel.length <= 3)
            // Before any read the voltages are empty texts; the power counts them as 0.
            compare(page.chartsVoltageL1[0], "")
            compare(page.chartsPAL1[0], 0)
            tryVerify(function() { return chart1.drawCount > 0 })
            mouseClick(findChild(page, "closeCharts"))
            verify(!timer.running)
        }

        // However many rows share the window, each chart keeps at least half
        // its height for the plot, as Chart.js laid it out.
        function test_shortChartsKeepHalfForThePlot_data() {
            var all = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11]
            return [
                { tag: "twelve at 800 x 600", width: 800, height: 600, flags: all },
                { tag: "twelve at 1024 x 768", width: 1024, height: 768, flags: all },
                { tag: "nine at 800 x 600", width: 800, height: 600, flags: all.slice(0, 9) },
                { tag: "six at 800 x 600", width: 800, height: 600, flags: all.slice(0, 6) }
            ]
        }

        function test_shortChartsKeepHalfForThePlot(data) {
            frame.width = data.width
            frame.height = data.height
            select(data.flags)
            start()
            for (var i = 0; i < 21; ++i)
                sample(["231.40", "229.85", "230.10"])
            for (var k = 0; k < data.flags.length; ++k) {
                var n = data.flags[k] + 1
                var inner = findChild(chart(n), "chart")
                verify(inner.height > 0, "chart " + n + " shown")
                // Drawn at its size, with the last sample.
                tryVerify(function() { return inner.drawCount > 0 && inner.plotArea.width > 0 })
                var draws = inner.drawCount
                sample()
                tryVerify(function() { return inner.drawCount > draws })
                verify(inner.plotArea.height >= inner.height / 2,
                       "chart " + n + ": plot " + inner.plotArea.height + " of " + inner.height)
            }
        }

        // Nothing of the charts or of Chart.js exists before the page is
        // first shown; calls the menu makes on the page still work.
        function test_chartsMadeWhenThePageIsFirstShown() {
            var holder = createTemporaryObject(unshownFrame, frame)
            var fresh = holder.page
            wait(50)
            verify(!fresh.visible)
            compare(findChild(fresh, "chart1"), null)
            compare(findChild(fresh, "chartArea"), null)
            fresh.cleanData()
            fresh.addSample()
            verify(findChild(fresh, "stackLayoutCharts") !== null)
            verify(findChild(fresh, "closeCharts") !== null)

            holder.pages.currentIndex = 1
            verify(fresh.visible)
            var first = findChild(fresh, "chart1")
            verify(first !== null)
            // Kept while hidden again.
            holder.pages.currentIndex = 0
            holder.pages.currentIndex = 1
            compare(findChild(fresh, "chart1"), first)

            var boxLine = findChild(fresh, "lineVoltage")
            mouseClick(boxLine.children[0].children[1].children[0].children[0])
            mouseClick(findChild(fresh, "startButton"))
            compare(findChild(fresh, "stackLayoutCharts").currentIndex, 1)
            sample(["230.00", "230.00", "230.00"])
            var inner = findChild(first, "chart")
            tryVerify(function() { return inner.drawCount > 0 && inner.plotArea.height > 0 })
            compare(fresh.chartsVoltageL1, ["230.00"])
        }

        function switchLanguage(index) {
            backend.language = index === 0 ? "en_EN" : "de_DE"
            backend.currentLanguage = index
            backend.switchLanguage()
        }

        // In German the selection is retranslated where the catalogue says so;
        // the series names and units stay English, and the charts, made anew
        // for their retranslated texts, still draw.
        function test_germanKeepsTheSeriesNames() {
            select([0, 3])
            start()
            sample(["230.00", "230.00", "230.00"])
            var inner = findChild(chart(4), "chart")
            tryVerify(function() { return inner.drawCount > 0 })
            switchLanguage(1)
            try {
                var label = findChild(page, "lineCurrent").children[0].children[0]
                compare(label.text, "Strom")
                compare(findChild(page, "lineVoltage").children[0].children[0].text, "Voltage")
                compare(chart(4).chart_legend, "Phase U Current")
                compare(chart(4).chart_unitY, "Ampere")
                compare(chart(4).chart_unitX, "Second")
                var draws = inner.drawCount
                sample()
                tryVerify(function() { return inner.drawCount > draws })
                compare(page.chartsCurrentL1.length, 2)
            } finally {
                switchLanguage(0)
            }
            compare(findChild(page, "lineCurrent").children[0].children[0].text, "Current")
        }

        // Beside the generated series the page says they are generated; the
        // measured voltages alone need no such note.
        function test_generatedSeriesAreSaid_data() {
            return [
                { tag: "voltages", flags: [0, 1, 2], said: false },
                { tag: "a current", flags: [0, 4], said: true },
                { tag: "a reactive power", flags: [11], said: true }
            ]
        }

        function test_generatedSeriesAreSaid(data) {
            select(data.flags)
            start()
            var note = findChild(page, "chartsGeneratedNote")
            compare(note.visible, data.said)
            compare(note.text, "Currents are generated here, not measured; powers are computed from them and the measured voltages.")
            // The selection says it too.
            compare(findChild(page, "generatedNote").text, note.text)
        }

        // Against the virtual module: the voltages it measures, drawn.
        function test_plotsTheModulesVoltages() {
            leave()
            var portSelector = findChild(h.connexionPage, "portSelector")
            portSelector.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            clockReadBack.clear()
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 10000)
            // The connect ends with the clock read back; its end must not be taken for a sample.
            tryVerify(function() { return clockReadBack.count > 0 }, 5000)
            revealAndEnter()
            page.refreshTimelaps = 1000
            select([0, 1, 2, 6])
            start()
            tryVerify(function() { return page.chartsVoltageL3.length >= 2 }, 5000)
            for (var k = 0; k < 2; ++k) {
                var u = page.chartsVoltageL1[k]
                verify(/^\d+\.\d\d$/.test(u), "a voltage text: " + u)
                verify(Number(u) > 100)
                fuzzyCompare(page.chartsPAL1[k],
                             Number(u) * page.chartsCurrentL1[k] * Math.cos(70 * Math.PI / 180), 1e-6)
            }
            var chart3 = findChild(chart(3), "chart")
            tryVerify(function() { return chart3.drawCount > 0 })
            // Leaving while connected stops the sampling.
            leave()
            verify(!backend.chartsEnable)
            verify(!timer.running)
            compare(page.chartsVoltageL1.length, 0)
        }
    }
}
