import QtQuick 2.15
import QtTest 1.2

Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["main", "communication"]
        anchors.fill: parent
    }

    SignalSpy { id: refreshEnd; target: backend; signalName: "refreshEnd" }
    SignalSpy { id: applyEnd; target: backend; signalName: "applyEnd" }
    SignalSpy { id: loadFinish; target: backend; signalName: "loadRegisterFinish" }
    SignalSpy { id: connectionEnd; target: backend; signalName: "connectionEnd" }
    SignalSpy { id: serialWritten; target: backend; signalName: "serialSettingsWritten" }

    TestCase {
        name: "CommunicationPage"
        when: windowShown

        property var page: h.communicationPage

        // Start values of the backend, put back after each field test.
        readonly property var startValues: ({
            password: 0, timeDurationMeans: 5, slaveAddress: 247, limitVoltage: 1, limitVoltageDuration: 1,
            limitCurrent: 1, limitCurrentDuration: 1, callMonitoringTime: 10, minimumTimeMessage: 2
        })
        // The section each field is in, as the apply refusal names it.
        readonly property var sectionOf: ({
            password: "General", timeDurationMeans: "General", slaveAddress: "Settings",
            limitVoltage: "Voltage & current thresholds", limitVoltageDuration: "Voltage & current thresholds",
            limitCurrent: "Voltage & current thresholds", limitCurrentDuration: "Voltage & current thresholds",
            callMonitoringTime: "Others", minimumTimeMessage: "Others"
        })

        function row(name) {
            var found = findChild(page, name)
            verify(found, name)
            return found
        }

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function closeAlert() {
            mouseClick(findChild(h.popupAlert.contentItem, "okButton"))
            tryCompare(h.popupAlert, "visible", false)
        }

        function module(command) {
            var answer = moduleLine.command(command)
            verify(answer.indexOf("ok") === 0, command + ": " + answer)
            return answer
        }

        function flick() {
            return page.content.parent.parent
        }

        // Scrolls the page so that a row can be clicked.
        function reveal(item) {
            var f = flick()
            var y = item.mapToItem(page.content, 0, 0).y
            f.contentY = Math.max(0, Math.min(y - 20, f.contentHeight - f.height))
            wait(50)
        }

        function openSections() {
            flick().contentY = 0
            var names = ["others", "thresholds", "ctPhases", "settings", "general"]
            for (var i = 0; i < names.length; ++i) {
                var section = row(names[i])
                if (!section.isOpen)
                    mouseClick(section, section.width / 2, 15)
                verify(section.isOpen, names[i])
            }
        }

        function connectToModule() {
            if (backend.connectionState)
                return
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            loadFinish.clear()
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            loadFinish.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
        }

        function disconnectFromModule() {
            if (!backend.connectionState)
                return
            press("entryConnection")
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        function clickTop(name) {
            mouseClick(findChild(h.topBar, name))
        }

        function refresh() {
            refreshEnd.clear()
            clickTop("refreshButton")
            refreshEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
        }

        function enterPage() {
            connectToModule()
            if (h.pages.currentIndex === 2) {
                refresh()
            } else {
                refreshEnd.clear()
                press("entryCommunication")
                compare(h.pages.currentIndex, 2)
                refreshEnd.wait(5000)
                tryCompare(h.popupWaiting, "visible", false)
            }
            verify(!page.checkFieldChanged())
        }

        function type(field, text) {
            var input = field._txtField
            input.forceActiveFocus()
            input.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function errorShown(field) {
            for (var i = 0; i < field.children.length; ++i) {
                var child = field.children[i]
                if (child.text === field.labelError && String(child.color) === "#ff0000")
                    return child.visible
            }
            return false
        }

        function cellText(rowName, index) {
            return findChild(row(rowName), "cell" + index).children[0].text
        }

        function init() {
            if (h.pages.currentIndex !== 2) {
                if (backend.connectionState)
                    enterPage()
                else
                    press("entryCommunication")
            }
            compare(h.pages.currentIndex, 2)
            openSections()
        }

        function cleanup() {
            if (h.popupAlert.visible)
                closeAlert()
            // Pending edits go back to the module's values.
            if (backend.connectionState && h.pages.currentIndex === 2 && page.checkFieldChanged())
                refresh()
        }

        function cleanupTestCase() {
            disconnectFromModule()
        }

        function test_texts() {
            compare(page.label, "Module & communication settings")
            var sections = { general: "General", settings: "Settings", ctPhases: "CT phase visualization",
                             thresholds: "Voltage & current thresholds", others: "Others" }
            for (var name in sections)
                compare(row(name)._text, sections[name])
            var labels = {
                password: ["Password", "", "Value must be 0 or 1. If 1 is choosen, password is reset to the default value."],
                timeDurationMeans: ["Time duration for means", "m", "Value must be between 1 and 60."],
                slaveAddress: ["Slave address", "", "Slave address must be between 110 and 149. Default value is : 247"],
                limitVoltage: ["Voltage threshold", "V", "Value must be between 0 and 65535."],
                limitVoltageDuration: ["Voltage threshold duration", "s", "Value must be between 0 and 65535."],
                limitCurrent: ["Current threshold", "A", "Value must be between 0 and 65535."],
                limitCurrentDuration: ["Current threshold duration", "s", "Value must be between 0 and 65535."],
                callMonitoringTime: ["Call monitoring time", "s", "Value must be between 1 and 6000."],
                minimumTimeMessage: ["Minimum time message", "s", "Value must be between 1 and 3600."]
            }
            for (var field in labels) {
                compare(row(field).label, labels[field][0])
                compare(row(field).labelUnit, labels[field][1])
                compare(row(field).labelError, labels[field][2])
            }
            compare(row("lastBoot").label, "Last boot")
            compare(row("firmwareVersion").label, "Firmware version")
            compare(row("hardwareVersion").label, "Hardware version")
            compare(row("synchronization").label, "Synchronization")
            compare(row("dateHour").label, "Date / hour")
            compare(row("synchronizeTime").label, "Date / hour synchronization")
            compare(row("synchronizeTime").buttonValue, "Start")
            compare(row("activePowerCalculatedOn").label, "Active power calculated on")
            compare(row("activePowerCalculatedOn").labelFirstElem, "Wideband")
            compare(row("activePowerCalculatedOn").labelSecondElem, "Fundamental")
            compare(row("frequency").label, "Frequency")
            compare(row("frequency").labelFirstElem, "50Hz")
            compare(row("frequency").labelSecondElem, "60Hz")
            compare(row("baudrate").label, "Baudrate")
            compare(row("baudrate")._model, ["19200", "38400", "57600", "115200"])
            compare(row("parity").label, "Parity")
            compare(row("parity")._model, ["None", "Even", "Odd"])
            compare(cellText("ctHeader", 1), "Phase 1")
            compare(cellText("ctHeader", 3), "Phase 3")
            compare(cellText("ctRatio", 0), "CT ratio")
            compare(row("ctRatio").width, 3 * 85 + 290 + 5)
        }

        function test_fieldRules_data() {
            var rules = {
                password: [["0", "0", 0, false], ["1", "1", 1, false], ["2", "2", 2, true], ["9", "9", 9, true],
                           ["", "", -1, true], ["10", "10", 10, true], ["-1", "1", 1, false]],
                timeDurationMeans: [["1", "1", 1, false], ["60", "60", 60, false], ["0", "0", 0, true],
                                    ["61", "61", 61, true], ["", "", -1, true], ["100", "100", 100, true]],
                callMonitoringTime: [["1", "1", 1, false], ["6000", "6000", 6000, false], ["6001", "6001", 6001, true],
                                     ["0", "0", 0, true], ["", "", -1, true], ["12345", "12345", 12345, true]],
                minimumTimeMessage: [["1", "1", 1, false], ["3600", "3600", 3600, false], ["3601", "3601", 3601, true],
                                     ["0", "0", 0, true], ["", "", -1, true], ["12345", "12345", 12345, true]],
                // No filter: text that is no whole number is refused and not written.
                slaveAddress: [["110", "110", 110, false], ["149", "149", 149, false], ["247", "247", 247, false],
                               ["109", "109", 109, true], ["150", "150", 150, true], ["248", "248", 248, true],
                               ["", "", -1, true], ["12a", "12a", 12, true], ["130a", "130a", 130, true],
                               ["abc", "abc", -1, true]]
            }
            var thresholdRules = [["0", "0", 0, false], ["65535", "65535", 65535, false],
                                  ["65536", "65536", 65536, true], ["99999", "99999", 99999, true],
                                  ["123456", "123456", 123456, true], ["", "", -1, true], ["-5", "5", 5, false]]
            var thresholds = ["limitVoltage", "limitVoltageDuration", "limitCurrent", "limitCurrentDuration"]
            for (var t = 0; t < thresholds.length; ++t)
                rules[thresholds[t]] = thresholdRules
            var data = []
            for (var field in rules) {
                for (var i = 0; i < rules[field].length; ++i) {
                    var r = rules[field][i]
                    data.push({ tag: field + " " + (r[0] === "" ? "empty" : r[0]), field: field,
                                keys: r[0], text: r[1], value: r[2], error: r[3] })
                }
            }
            return data
        }

        function test_fieldRules(data) {
            var field = row(data.field)
            type(field, String(startValues[data.field]))
            verify(!field.isError)
            type(field, data.keys)
            compare(field._text, data.text)
            compare(field.isError, data.error)
            compare(errorShown(field), data.error)
            compare(backend[data.field], data.value)
            verify(page.checkFieldChanged())
            compare(page.checkValidityField(), !data.error)
            compare(h.popupAlert.visible, data.error)
            if (data.error) {
                compare(h.popupAlert.title, "Data input error")
                // Named with its section, which may be closed.
                compare(h.popupAlert.message, "Please change input data errors before applying.\n\n"
                        + field.label + " (" + sectionOf[data.field] + ")")
                closeAlert()
            }
            backend[data.field] = startValues[data.field]
            compare(field._text, String(startValues[data.field]))
            verify(!field.isError)
            page.clearFieldChanged()
            verify(!page.checkFieldChanged())
        }

        function test_missingValueShowsEmpty() {
            for (var field in startValues) {
                backend[field] = -1
                compare(row(field)._text, "", field)
                verify(row(field).isError, field)
                backend[field] = startValues[field]
                verify(!row(field).isError, field)
            }
            page.clearFieldChanged()
        }

        function test_parity_data() {
            return [
                { tag: "none", value: 0, index: 0, shown: "None" },
                { tag: "even", value: 1, index: 1, shown: "Even" },
                { tag: "odd", value: 2, index: 2, shown: "Odd" },
                { tag: "outside the list", value: 5, index: -1, shown: "" },
                { tag: "missing", value: -1, index: -1, shown: "" }
            ]
        }

        function test_parity(data) {
            var parity = row("parity")
            backend.parity = data.value
            compare(parity._currentIndex, data.index)
            compare(parity.cb.currentText, data.shown)
            // Showing is not choosing: the value stays.
            compare(backend.parity, data.value)
            verify(page.checkValidityField())
            // Until the operator chooses.
            parity.cb.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(backend.parity, Math.min(data.index + 1, 2))
            compare(parity._currentIndex, backend.parity)
            backend.parity = 1
            page.clearFieldChanged()
        }

        function test_baudrate_data() {
            return [
                { tag: "19200", value: 19200, shown: "19200" },
                { tag: "38400", value: 38400, shown: "38400" },
                { tag: "57600", value: 57600, shown: "57600" },
                { tag: "115200", value: 115200, shown: "115200" },
                { tag: "outside the list", value: 9600, shown: "115200" }
            ]
        }

        function test_baudrate(data) {
            var baudrate = row("baudrate")
            backend.baudrate = data.value
            compare(baudrate.cb.currentText, data.shown)
            compare(backend.baudrate, data.value)
            baudrate.cb.forceActiveFocus()
            keyClick(Qt.Key_Home)
            compare(backend.baudrate, 19200)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(backend.baudrate, 57600)
            backend.baudrate = 19200
            page.clearFieldChanged()
        }

        function test_radioChoices() {
            var power = row("activePowerCalculatedOn")
            var frequency = row("frequency")
            backend.activePowerCalculatedOn = false
            backend.frequency = false
            page.clearFieldChanged()
            verify(power.rb1.checked && !power.rb2.checked)
            verify(frequency.rb1.checked && !frequency.rb2.checked)

            reveal(power)
            mouseClick(power.rb2)
            verify(backend.activePowerCalculatedOn)
            verify(!power.rb1.checked && power.rb2.checked)
            verify(power.hasChanged)
            verify(page.checkFieldChanged())
            mouseClick(frequency.rb2)
            verify(backend.frequency)
            verify(frequency.rb2.checked)
            mouseClick(frequency.rb1)
            verify(!backend.frequency)
            verify(frequency.rb1.checked && !frequency.rb2.checked)

            // The module's value still shows after a click.
            backend.activePowerCalculatedOn = false
            verify(power.rb1.checked && !power.rb2.checked)
            backend.activePowerCalculatedOn = true
            verify(!power.rb1.checked && power.rb2.checked)
            backend.activePowerCalculatedOn = false
            page.clearFieldChanged()
            verify(!page.checkFieldChanged())
            flick().contentY = 0
        }

        function test_clockSynchronization() {
            disconnectFromModule()
            press("entryCommunication")
            openSections()
            mouseClick(row("synchronizeTime").btn)
            wait(200)
            verify(!h.popupWaiting.visible)

            enterPage()
            module("setcoil 30002 1")
            refresh()
            compare(row("synchronization").txtValue, "No synchronization")
            // An edit stays pending: setting the clock is no refresh.
            type(row("limitCurrent"), "12")
            loadFinish.clear()
            mouseClick(row("synchronizeTime").btn)
            verify(h.popupWaiting.visible)
            loadFinish.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            compare(row("synchronization").txtValue, "Synchronized")
            verify(/^\d\d\/\d\d\/\d\d \d\d:\d\d$/.test(row("dateHour").txtValue), row("dateHour").txtValue)
            verify(page.checkFieldChanged())
            compare(backend.limitCurrent, 12)
        }

        function test_ctRatios() {
            enterPage()
            compare(cellText("ctRatio", 1), "600/5A")
            compare(cellText("ctRatio", 3), "600/5A")
            module("set 50501 800 0 4000 0 7 0")
            refresh()
            compare(cellText("ctRatio", 1), "400/5A")
            compare(cellText("ctRatio", 2), "400/1A")
            compare(cellText("ctRatio", 3), "-")
            module("set 50501 1200 0 1200 0 1200 0")
        }

        function test_roundTrip() {
            enterPage()
            compare(row("password")._text, "0")
            compare(row("timeDurationMeans")._text, "5")
            compare(row("slaveAddress")._text, "247")
            compare(row("baudrate").cb.currentText, "19200")
            compare(row("parity").cb.currentText, "Even")
            verify(row("activePowerCalculatedOn").rb2.checked)
            verify(row("frequency").rb1.checked)
            compare(row("callMonitoringTime")._text, "10")
            compare(row("minimumTimeMessage")._text, "2")
            compare(row("hardwareVersion").txtValue, "3")
            verify(row("firmwareVersion").txtValue !== "")
            verify(row("lastBoot").txtValue !== "")

            type(row("password"), "1")
            type(row("timeDurationMeans"), "15")
            type(row("slaveAddress"), "120")
            type(row("limitVoltage"), "230")
            type(row("limitVoltageDuration"), "5")
            type(row("limitCurrent"), "40")
            type(row("limitCurrentDuration"), "7")
            type(row("callMonitoringTime"), "600")
            type(row("minimumTimeMessage"), "30")
            row("baudrate").cb.forceActiveFocus()
            keyClick(Qt.Key_Down)
            row("parity").cb.forceActiveFocus()
            keyClick(Qt.Key_Down)
            reveal(row("activePowerCalculatedOn"))
            mouseClick(row("activePowerCalculatedOn").rb1)
            mouseClick(row("frequency").rb2)

            // Unapplied changes hold the operator on the page.
            press("entryMain")
            verify(h.popupAlert.visible)
            compare(h.popupAlert.title, "Modification without applying")
            compare(h.pages.currentIndex, 2)
            closeAlert()

            // The serial settings change: confirmed first, then the link is kept.
            applyEnd.clear()
            clickTop("applyButton")
            var confirm = findChild(page, "popupSerialSettings")
            tryCompare(confirm, "opened", true)
            compare(confirm.message.split("\n").slice(1, 4),
                    ["Slave address: 247 → 120", "Baud rate: 19200 → 38400", "Parity: even → odd"])
            mouseClick(findChild(confirm.contentItem, "yesButton"))
            applyEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            verify(!page.checkFieldChanged())
            var reconnect = findChild(h.connexionPage, "popupReconnect")
            tryCompare(reconnect, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(reconnect, "visible", false)
            verify(backend.connectionState)
            compare(backend.linkSettings().slaveAddress, 247)
            compare(module("get 31504 5"), "ok 15 2 0 38400 120")
            compare(module("get 30501"), "ok 1")
            compare(module("getcoil 50000 2"), "ok 0 1")
            compare(module("get 50507 6"), "ok 230 5 40 7 30 6000")

            // The module's own line settings go back at once: other tests share it.
            module("set 31504 5 1 0 19200 247")
            module("set 30501 0")
            module("setcoil 50000 1 0")
            module("set 50507 1 1 1 1 2 100")

            type(row("password"), "1")
            type(row("limitVoltage"), "999")
            refresh()
            compare(row("password")._text, "0")
            compare(row("timeDurationMeans")._text, "5")
            compare(row("slaveAddress")._text, "247")
            compare(row("baudrate").cb.currentText, "19200")
            compare(row("parity").cb.currentText, "Even")
            compare(row("limitVoltage")._text, "1")
            compare(row("callMonitoringTime")._text, "10")
            verify(row("activePowerCalculatedOn").rb2.checked)
            verify(row("frequency").rb1.checked)
            verify(!page.checkFieldChanged())

            refreshEnd.clear()
            press("entryMain")
            verify(!h.popupAlert.visible)
            compare(h.pages.currentIndex, 1)
            refreshEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            flick().contentY = 0
        }

        function test_applyNamesEveryFieldInError() {
            type(row("minimumTimeMessage"), "0")
            type(row("password"), "7")
            verify(!page.checkValidityField())
            compare(h.popupAlert.message.split("\n").slice(2), ["Password (General)", "Minimum time message (Others)"])
            closeAlert()
            backend.minimumTimeMessage = startValues.minimumTimeMessage
            backend.password = startValues.password
            verify(page.checkValidityField())
            page.clearFieldChanged()
        }

        // Serial settings applied: confirmed, told what changes; then a reconnect
        // at them, and the page read again.
        function test_serialSettingsAppliedAndReconnected() {
            enterPage()
            var baudrate = row("baudrate")
            baudrate.cb.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(backend.baudrate, 57600)

            // Cancelled: nothing is written, the edit stays.
            applyEnd.clear()
            clickTop("applyButton")
            var confirm = findChild(page, "popupSerialSettings")
            tryCompare(confirm, "opened", true)
            compare(confirm.title, "Write the serial settings?")
            compare(confirm.message.split("\n").slice(0, 2),
                    ["The module's own serial settings change:", "Baud rate: 19200 → 57600"])
            mouseClick(findChild(confirm.contentItem, "noButton"))
            tryCompare(confirm, "visible", false)
            wait(300)
            compare(applyEnd.count, 0)
            verify(!h.popupWaiting.visible)
            compare(module("get 31506 2"), "ok 0 19200")
            compare(baudrate.cb.currentText, "57600")

            // Confirmed with the keyboard: written, then the reconnect is offered.
            serialWritten.clear()
            keyClick(Qt.Key_S, Qt.ControlModifier)
            tryCompare(confirm, "opened", true)
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Return)
            applyEnd.wait(5000)
            compare(serialWritten.count, 1)
            compare(module("get 31506 2"), "ok 0 57600")
            var reconnect = findChild(h.connexionPage, "popupReconnect")
            tryCompare(reconnect, "opened", true)
            compare(reconnect.message,
                    "The module now answers at slave address 247, 57600 baud, parity even only. Reconnect at these settings?")

            // A value changed meanwhile shows once the page is read again.
            module("set 50507 7")
            connectionEnd.clear()
            refreshEnd.clear()
            mouseClick(findChild(reconnect.contentItem, "yesButton"))
            connectionEnd.wait(5000)
            verify(connectionEnd.signalArguments[0][0])
            refreshEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            verify(backend.connectionState)
            compare(backend.linkSettings().baudrate, 57600)
            compare(backend.baudrateConnectionPage, 57600)
            compare(findChild(h.connexionPage, "baudrate").cb.currentText, "57600")
            compare(row("limitVoltage")._text, "7")
            compare(baudrate.cb.currentText, "57600")
            verify(!page.checkFieldChanged())

            // Back as the other tests find them.
            module("set 31504 5 1 0 19200 247")
            module("set 50507 1 1 1 1 2 100")
            disconnectFromModule()
            backend.baudrateConnectionPage = 19200
            enterPage()
            compare(baudrate.cb.currentText, "19200")
        }

        function test_slaveAddressTextNeverSent() {
            enterPage()
            applyEnd.clear()
            type(row("slaveAddress"), "247a")
            verify(row("slaveAddress").isError)
            clickTop("applyButton")
            verify(h.popupAlert.visible)
            compare(h.popupAlert.title, "Data input error")
            verify(!h.popupWaiting.visible)
            closeAlert()
            wait(300)
            compare(applyEnd.count, 0)
            compare(module("get 31508"), "ok 247")
            // The module's unchanged address shows again.
            refresh()
            compare(row("slaveAddress")._text, "247")
            verify(!row("slaveAddress").isError)
            verify(!page.checkFieldChanged())
        }
    }
}
