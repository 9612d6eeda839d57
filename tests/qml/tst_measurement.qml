import QtQuick 2.15
import QtTest 1.2

Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["measurement", "alarm", "settings"]
        anchors.fill: parent
    }

    SignalSpy { id: measured; target: backend; signalName: "measurementsRead" }

    TestCase {
        name: "MeasurementPage"
        when: windowShown

        property var page: h.measurementPage

        // Register blocks as the page reads them.
        readonly property int instantBlock: 36812
        readonly property int meanStamp: 36860
        readonly property int meanBlock: 36876
        readonly property int extremesBlock: 36924
        readonly property int voltageLN: 50540
        readonly property int cosPhi: 50552
        readonly property int voltageLL: 50567
        readonly property int temperature: 50575

        function row(name) {
            var found = findChild(page, name)
            verify(found, name)
            return found
        }

        function rowTexts(name) {
            var r = row(name)
            var texts = []
            for (var i = 0; i < r.arrayValue.length; ++i)
                texts.push(findChild(r, "cell" + i).children[0].text)
            return texts
        }

        function control(command) {
            compare(moduleLine.command(command), "ok", command)
        }

        function floatWords(value) {
            var view = new DataView(new ArrayBuffer(4))
            view.setFloat32(0, value)
            return [view.getUint16(0), view.getUint16(2)]
        }

        function setFloats(address, values) {
            var words = []
            for (var i = 0; i < values.length; ++i)
                words = words.concat(floatWords(values[i]))
            control("set " + address + " " + words.join(" "))
        }

        // The floats the module holds at address, as the page formats them.
        function moduleFloats(address, count, digits) {
            var answer = moduleLine.command("get " + address + " " + 2 * count).split(" ")
            compare(answer[0], "ok")
            var view = new DataView(new ArrayBuffer(4))
            var texts = []
            for (var i = 0; i < count; ++i) {
                view.setUint16(0, parseInt(answer[1 + 2 * i]))
                view.setUint16(2, parseInt(answer[2 + 2 * i]))
                texts.push(view.getFloat32(0).toFixed(digits))
            }
            return texts
        }

        function withUnit(title, values, indexes, unit) {
            var cells = [title]
            for (var i = 0; i < indexes.length; ++i)
                cells.push(values[indexes[i]] + unit)
            return cells
        }

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function waitIdle() {
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            waitIdle()
        }

        // The page's own reads are waited for, not only the waiting popup: the
        // connect's last read can close the popup the page has just opened.
        function enterPage() {
            measured.clear()
            press("entryMeasurement")
            compare(h.pages.currentIndex, 3)
            tryVerify(function() { return measured.count > 0 }, 10000, "a round of measurements read")
            waitIdle()
        }

        function cleanup() {
            if (h.popupAlert.visible) {
                mouseClick(findChild(h.popupAlert.contentItem, "okButton"))
                tryCompare(h.popupAlert, "visible", false)
            }
            moduleLine.command("exception clear")
            moduleLine.command("alarm fuse 2 0")
            moduleLine.command("freeze off")
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
                waitIdle()
            }
            press("entryConnection")
        }

        // Runs before any test connects: the rows show only their units.
        function initTestCase() {
            compare(rowTexts("currentRow"), ["Current", "A", "A", "A", "A"])
            compare(rowTexts("currentMeanRow"), ["Current mean", "A", "A", "A", "A"])
            compare(rowTexts("currentMinRow"), ["Current min", "A", "A", "A", "A"])
            compare(rowTexts("currentMaxRow"), ["Current max", "A", "A", "A", "A"])
            compare(rowTexts("cosPhiRow"), ["Cosphi", "", "", ""])
            compare(rowTexts("fusesRow"), ["Fuses status", "", "", ""])
            compare(rowTexts("voltageRow"), ["", "V", "V", "V", "V", "V", "V"])
            compare(rowTexts("activeRow"), ["Active Power", "W", "W", "W", "W"])
            compare(rowTexts("activeMeanRow"), ["Active Power mean", "W", "W", "W", "W"])
            compare(rowTexts("activeMinRow"), ["Active Power min", "W", "W", "W", "W"])
            compare(rowTexts("activeMaxRow"), ["Active Power max", "W", "W", "W", "W"])
            compare(rowTexts("reactiveRow"), ["Reactive Power", "VAR", "VAR", "VAR", "VAR"])
            compare(rowTexts("reactiveMeanRow"), ["Reactive Power mean", "VAR", "VAR", "VAR", "VAR"])
            compare(rowTexts("reactiveMinRow"), ["Reactive Power min", "VAR", "VAR", "VAR", "VAR"])
            compare(rowTexts("reactiveMaxRow"), ["Reactive Power max", "VAR", "VAR", "VAR", "VAR"])
            compare(row("measurementMeanTime").txtValue, "")
            compare(row("measurementTemperature").txtValue, "")
        }

        function test_layout() {
            compare(page.label, "Measurement")
            var sections = [["measurementFuses", "Fuses status"],
                            ["measurementCurrents", "Current values"],
                            ["measurementVoltages", "Voltage values"],
                            ["measurementPowers", "Power Calculations"]]
            for (var i = 0; i < sections.length; ++i) {
                compare(row(sections[i][0])._text, sections[i][1])
                verify(!row(sections[i][0]).isOpen, sections[i][0] + " starts closed")
            }
            compare(row("measurementMeanTime").label, "Time and date of mean values")
            compare(row("measurementTemperature").label, "Temperature Measurement")
            // Column heads: the header row just above each value row.
            var heads = [["fusesRow", ["", "Phase 1", "Phase 2", "Phase 3"]],
                         ["currentRow", ["", "L1", "L2", "L3", "Neutral"]],
                         ["cosPhiRow", ["", "Phase 1", "Phase 2", "Phase 3"]],
                         ["voltageRow", ["", "V1N", "V2N", "V3N", "V12", "V23", "V31"]],
                         ["activeRow", ["", "ΣP", "P1", "P2", "P3"]],
                         ["reactiveRow", ["", "ΣQ", "Q1", "Q2", "Q3"]]]
            for (i = 0; i < heads.length; ++i) {
                var valueRow = row(heads[i][0])
                var column = valueRow.parent
                var header = null
                for (var k = 1; k < column.children.length; ++k) {
                    if (column.children[k] === valueRow)
                        header = column.children[k - 1]
                }
                verify(header && header.isHeader, heads[i][0] + " has a header row above it")
                compare(header.arrayValue, heads[i][1])
                compare(header.cellFirstWidth, valueRow.cellFirstWidth)
                compare(header.cellWidth, valueRow.cellWidth)
                compare(header.width, valueRow.width)
            }
            // Column sizes: first column, then value columns.
            var sizes = [["fusesRow", 220, 90], ["currentRow", 160, 90], ["cosPhiRow", 160, 90],
                         ["voltageRow", 0, 80], ["activeRow", 200, 80], ["reactiveMaxRow", 200, 80]]
            for (i = 0; i < sizes.length; ++i) {
                compare(row(sizes[i][0]).cellFirstWidth, sizes[i][1], sizes[i][0])
                compare(row(sizes[i][0]).cellWidth, sizes[i][2], sizes[i][0])
            }
            // The widest tables still fit inside their open section.
            press("entryMeasurement")
            mouseClick(row("measurementPowers"), 20, 15)
            verify(row("measurementPowers").isOpen)
            var active = row("activeRow")
            var left = active.mapToItem(row("measurementPowers"), findChild(active, "cell0").x, 0).x
            var last = findChild(active, "cell4")
            var right = last.mapToItem(row("measurementPowers"), last.width, 0).x
            verify(left >= 1 && right <= row("measurementPowers").width - 1, left + " to " + right)
            mouseClick(row("measurementPowers"), 20, 15)
            verify(!row("measurementPowers").isOpen)
        }

        // Distinct values in every slot, so that a wrong element shows.
        function test_valuesTheModuleHolds() {
            connectToModule()
            control("freeze on")
            setFloats(instantBlock, [12.5, 7.25, -3.5, 0.75, 27248.5, -12345.5, 501.5, 502.5, 503.5,
                                     -101.5, -102.5, -103.5])
            setFloats(meanBlock, [11.5, 6.25, 3.75, 0.5, 1400.5, 300.5, 401.5, 402.5, 403.5,
                                  91.5, 92.5, 93.5])
            // Minimum currents, maximum currents, then (max, min) per power.
            setFloats(extremesBlock, [1.25, 2.25, 3.25, 4.25, 21.25, 22.25, 23.25, 24.25,
                                      2000.5, 1000.5, 600.5, -600.5, 700.5, 100.5, 720.5, 120.5,
                                      740.5, 140.5, 300.5, -10.5, 320.5, -20.5, 340.5, -30.5])
            setFloats(voltageLN, [230.5, 231.25, 229.75])
            // 0.9375 rounds up to 0.94.
            setFloats(cosPhi, [0.5, 0.75, 0.9375])
            setFloats(voltageLL, [400.5, 399.25, 401.75])
            control("set " + temperature + " 47")
            // 7 March 2024 (a Thursday), 14:05.
            control("set " + meanStamp + " 0 " + (14 * 256 + 5) + " " + (3 * 256 + 4 * 32 + 7) + " 24")
            control("alarm fuse 2 1")

            enterPage()
            compare(rowTexts("currentRow"), ["Current", "12.50A", "7.25A", "-3.50A", "0.75A"])
            compare(rowTexts("currentMeanRow"), ["Current mean", "11.50A", "6.25A", "3.75A", "0.50A"])
            compare(rowTexts("currentMinRow"), ["Current min", "1.25A", "2.25A", "3.25A", "4.25A"])
            compare(rowTexts("currentMaxRow"), ["Current max", "21.25A", "22.25A", "23.25A", "24.25A"])
            compare(rowTexts("cosPhiRow"), ["Cosphi", "0.50", "0.75", "0.94"])
            compare(rowTexts("voltageRow"), ["", "230.50V", "231.25V", "229.75V", "400.50V", "399.25V", "401.75V"])
            compare(rowTexts("activeRow"), ["Active Power", "27248.5W", "501.5W", "502.5W", "503.5W"])
            compare(rowTexts("activeMeanRow"), ["Active Power mean", "1400.5W", "401.5W", "402.5W", "403.5W"])
            compare(rowTexts("activeMinRow"), ["Active Power min", "1000.5W", "100.5W", "120.5W", "140.5W"])
            compare(rowTexts("activeMaxRow"), ["Active Power max", "2000.5W", "700.5W", "720.5W", "740.5W"])
            compare(rowTexts("reactiveRow"), ["Reactive Power", "-12345.5VAR", "-101.5VAR", "-102.5VAR", "-103.5VAR"])
            // The widest values stay whole in their 80-pixel cells.
            verify(!findChild(row("activeRow"), "cell1").children[0].truncated)
            verify(!findChild(row("reactiveRow"), "cell1").children[0].truncated)
            compare(rowTexts("reactiveMeanRow"), ["Reactive Power mean", "300.5VAR", "91.5VAR", "92.5VAR", "93.5VAR"])
            compare(rowTexts("reactiveMinRow"), ["Reactive Power min", "-600.5VAR", "-10.5VAR", "-20.5VAR", "-30.5VAR"])
            compare(rowTexts("reactiveMaxRow"), ["Reactive Power max", "600.5VAR", "300.5VAR", "320.5VAR", "340.5VAR"])
            compare(row("measurementMeanTime").txtValue, "07/03/24 14:05")
            compare(row("measurementTemperature").txtValue, "47°C")
            // The fuses come with the poll, not with the page's own reads.
            tryVerify(function() { return rowTexts("fusesRow")[2] === "1" }, 5000)
            compare(rowTexts("fusesRow"), ["Fuses status", "0", "1", "0"])

            // After a disconnect the page keeps what it read last.
            press("entryConnection")
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
            waitIdle()
            compare(rowTexts("currentMaxRow"), ["Current max", "21.25A", "22.25A", "23.25A", "24.25A"])
            compare(rowTexts("activeMinRow"), ["Active Power min", "1000.5W", "100.5W", "120.5W", "140.5W"])
            compare(rowTexts("fusesRow"), ["Fuses status", "0", "1", "0"])
            compare(row("measurementTemperature").txtValue, "47°C")
        }

        // The module's own moving values, held still and read back word by word.
        function test_liveValuesMatchTheModule() {
            connectToModule()
            // A module just started has had no time to move: wait for its extremes to part.
            tryVerify(function() {
                var e = moduleFloats(extremesBlock + 16, 16, 1)
                return e[6] !== e[7]
            }, 5000)
            control("freeze on")
            enterPage()
            var instant = moduleFloats(instantBlock, 12, 2)
            var instantPower = moduleFloats(instantBlock + 8, 8, 1)
            var mean = moduleFloats(meanBlock, 4, 2)
            var meanPower = moduleFloats(meanBlock + 8, 8, 1)
            var currentExtremes = moduleFloats(extremesBlock, 8, 2)
            var powerExtremes = moduleFloats(extremesBlock + 16, 16, 1)
            var ln = moduleFloats(voltageLN, 3, 2)
            var phi = moduleFloats(cosPhi, 3, 2)
            var ll = moduleFloats(voltageLL, 3, 2)
            var degrees = moduleLine.command("get " + temperature).split(" ")[1]

            compare(rowTexts("currentRow"), withUnit("Current", instant, [0, 1, 2, 3], "A"))
            compare(rowTexts("currentMeanRow"), withUnit("Current mean", mean, [0, 1, 2, 3], "A"))
            compare(rowTexts("currentMinRow"), withUnit("Current min", currentExtremes, [0, 1, 2, 3], "A"))
            compare(rowTexts("currentMaxRow"), withUnit("Current max", currentExtremes, [4, 5, 6, 7], "A"))
            compare(rowTexts("cosPhiRow"), withUnit("Cosphi", phi, [0, 1, 2], ""))
            compare(rowTexts("voltageRow"), withUnit("", ln.concat(ll), [0, 1, 2, 3, 4, 5], "V"))
            compare(rowTexts("activeRow"), withUnit("Active Power", instantPower, [0, 2, 3, 4], "W"))
            compare(rowTexts("activeMeanRow"), withUnit("Active Power mean", meanPower, [0, 2, 3, 4], "W"))
            compare(rowTexts("activeMinRow"), withUnit("Active Power min", powerExtremes, [1, 5, 7, 9], "W"))
            compare(rowTexts("activeMaxRow"), withUnit("Active Power max", powerExtremes, [0, 4, 6, 8], "W"))
            compare(rowTexts("reactiveRow"), withUnit("Reactive Power", instantPower, [1, 5, 6, 7], "VAR"))
            compare(rowTexts("reactiveMeanRow"), withUnit("Reactive Power mean", meanPower, [1, 5, 6, 7], "VAR"))
            compare(rowTexts("reactiveMinRow"), withUnit("Reactive Power min", powerExtremes, [3, 11, 13, 15], "VAR"))
            compare(rowTexts("reactiveMaxRow"), withUnit("Reactive Power max", powerExtremes, [2, 10, 12, 14], "VAR"))
            compare(row("measurementTemperature").txtValue, degrees + "°C")
            // The extremes of P2 differ, so their places cannot be swapped unseen.
            verify(rowTexts("activeMinRow")[3] !== rowTexts("activeMaxRow")[3])
        }

        function test_updatesOnlyWhileShown() {
            connectToModule()
            control("freeze on")
            setFloats(instantBlock, [5.5])
            enterPage()
            compare(rowTexts("currentRow")[1], "5.50A")

            // The poll brings the next value without a waiting popup.
            setFloats(instantBlock, [6.5])
            tryVerify(function() { return rowTexts("currentRow")[1] === "6.50A" }, 3500)
            verify(!h.popupWaiting.visible)

            // Another page: two polls go by and the value stays.
            press("entryAlarm")
            verify(!backend.measurementEnable)
            setFloats(instantBlock, [7.5])
            wait(4500)
            compare(rowTexts("currentRow")[1], "6.50A")
            compare(backend.intensity[0], "6.50")

            // Back on the page: read at once.
            enterPage()
            compare(rowTexts("currentRow")[1], "7.50A")
        }

        function test_phaseToPhaseError() {
            connectToModule()
            control("freeze on")
            setFloats(voltageLN, [230.5, 231.25, 229.75])
            control("exception " + voltageLL + " 2")
            enterPage()
            compare(rowTexts("voltageRow"), ["", "230.50V", "231.25V", "229.75V", "ErrorV", "ErrorV", "ErrorV"])
            // A refused read is not a lost link.
            verify(backend.connectionState)
            verify(!h.popupAlert.visible)
        }
    }
}
