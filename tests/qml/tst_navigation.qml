import QtQuick 2.15
import QtTest 1.2

Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["settings"]
        anchors.fill: parent
    }

    TestCase {
        id: test
        name: "Navigation"
        when: windowShown

        function entry(name) { return findChild(h.menu, name) }

        function press(name) {
            mouseClick(entry(name))
        }

        function closeAlert() {
            mouseClick(findChild(h.popupAlert.contentItem, "okButton"))
            tryCompare(h.popupAlert, "visible", false)
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

        function disconnectFromModule() {
            press("entryConnection")
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
            waitIdle()
        }

        function cleanup() {
            if (h.popupAlert.visible)
                closeAlert()
            h.mainPage.modified = false
            h.communicationPage.modified = false
            if (backend.connectionState)
                disconnectFromModule()
            press("entryConnection")
        }

        function test_startState() {
            compare(h.pages.currentIndex, 0)
            verify(entry("entryConnection").isSelect)
            verify(!findChild(h.topBar, "refreshButton").visible)
            verify(!findChild(h.topBar, "applyButton").visible)
        }

        function test_disconnectedEntriesSwitchAtOnce_data() {
            return [
                { tag: "main", entry: "entryMain", index: 1, buttons: true },
                { tag: "communication", entry: "entryCommunication", index: 2, buttons: true },
                { tag: "measurement", entry: "entryMeasurement", index: 3, buttons: false },
                { tag: "alarm", entry: "entryAlarm", index: 4, buttons: false },
                { tag: "settings", entry: "entrySettings", index: 5, buttons: false },
                { tag: "connection", entry: "entryConnection", index: 0, buttons: false }
            ]
        }

        function test_disconnectedEntriesSwitchAtOnce(data) {
            // A page with changes does not hold the operator while disconnected.
            h.mainPage.modified = true
            press("entryMain")
            press(data.entry)
            compare(h.pages.currentIndex, data.index)
            verify(!h.popupWaiting.visible)
            verify(!h.popupAlert.visible)
            verify(entry(data.entry).isSelect)
            compare(findChild(h.topBar, "refreshButton").visible, data.buttons)
            compare(findChild(h.topBar, "applyButton").visible, data.buttons)
            // Exactly one entry is selected.
            var selected = 0
            var names = ["entrySettings", "entryConnection", "entryMain", "entryCommunication",
                         "entryMeasurement", "entryAlarm", "entryCharts"]
            for (var i = 0; i < names.length; ++i)
                selected += entry(names[i]).isSelect ? 1 : 0
            compare(selected, 1)
        }

        function test_measurementAndChartsFlagsWhileDisconnected() {
            backend.measurementEnable = false
            backend.chartsEnable = false
            press("entryMeasurement")
            verify(backend.measurementEnable)
            press("entryAlarm")
            // Left while disconnected: the flag stays.
            verify(backend.measurementEnable)
            h.menu.onMenuItemPress("charts")
            verify(backend.chartsEnable)
            var cleans = h.chartsPage.cleans
            press("entryAlarm")
            compare(h.chartsPage.cleans, cleans + 1)
            verify(backend.chartsEnable)
            backend.measurementEnable = false
            backend.chartsEnable = false
        }

        function test_refreshAndApplyDoNothingWhileDisconnected() {
            press("entryMain")
            var checks = h.mainPage.validityChecks
            mouseClick(findChild(h.topBar, "refreshButton"))
            mouseClick(findChild(h.topBar, "applyButton"))
            verify(!h.popupWaiting.visible)
            compare(h.mainPage.validityChecks, checks)
            press("entryCommunication")
            mouseClick(findChild(h.topBar, "refreshButton"))
            mouseClick(findChild(h.topBar, "applyButton"))
            verify(!h.popupWaiting.visible)
        }

        function test_alarmDotNeverShownWhileDisconnected() {
            var dot = findChild(entry("entryAlarm"), "warningDot")
            backend.fuseBlowL1 = true
            backend.moduleStatus = false
            verify(Qt.colorEqual(dot.color, "transparent"))
            backend.fuseBlowL1 = false
            backend.moduleStatus = true
        }

        function test_logoGesture() {
            var logo = findChild(h.menu, "menuLogo")
            var charts = entry("entryCharts")
            verify(!charts.visible)
            for (var i = 0; i < 4; ++i)
                mouseClick(logo)
            verify(!charts.visible)
            wait(1600)
            for (i = 0; i < 5; ++i) {
                if (i > 0)
                    wait(400)
                mouseClick(logo)
            }
            verify(!charts.visible)
            wait(50)
            mouseClick(logo)
            verify(charts.visible)
            press("entryCharts")
            compare(h.pages.currentIndex, 6)
        }

        function test_connectedNavigation() {
            connectToModule()
            compare(h.pages.currentIndex, 0)

            // Entering the main page reads it behind the waiting popup.
            var clears = h.mainPage.clears
            press("entryMain")
            compare(h.pages.currentIndex, 1)
            verify(h.popupWaiting.visible)
            waitIdle()
            tryVerify(function() { return h.mainPage.clears > clears }, 5000)

            // With changes, the main page cannot be left.
            h.mainPage.modified = true
            press("entryAlarm")
            compare(h.pages.currentIndex, 1)
            verify(h.popupAlert.visible)
            compare(h.popupAlert.title, "Modification without applying")
            compare(h.popupAlert.message, "Please, save or refresh datas.")
            verify(entry("entryMain").isSelect)
            verify(!entry("entryAlarm").isSelect)
            verify(Qt.colorEqual(entry("entryAlarm").color, "#242424"))
            closeAlert()
            // The settings entry refuses the same way.
            mouseClick(entry("entrySettings"))
            compare(h.pages.currentIndex, 1)
            verify(!entry("entrySettings").isSelect)
            closeAlert()

            // Apply: refused by the page's own check, then done.
            h.mainPage.valid = false
            var checks = h.mainPage.validityChecks
            mouseClick(findChild(h.topBar, "applyButton"))
            compare(h.mainPage.validityChecks, checks + 1)
            verify(!h.popupWaiting.visible)
            h.mainPage.valid = true
            clears = h.mainPage.clears
            mouseClick(findChild(h.topBar, "applyButton"))
            verify(h.popupWaiting.visible)
            waitIdle()
            tryVerify(function() { return h.mainPage.clears > clears }, 5000)
            verify(!h.mainPage.modified)

            // Refresh.
            mouseClick(findChild(h.topBar, "refreshButton"))
            verify(h.popupWaiting.visible)
            waitIdle()

            // The communication page holds the operator the same way.
            press("entryCommunication")
            waitIdle()
            h.communicationPage.modified = true
            press("entryMain")
            compare(h.pages.currentIndex, 2)
            compare(h.popupAlert.title, "Modification without applying")
            closeAlert()
            h.communicationPage.modified = false

            // Measurements are read while their page is shown.
            press("entryMeasurement")
            verify(backend.measurementEnable)
            waitIdle()
            press("entryAlarm")
            verify(!backend.measurementEnable)
            verify(!h.popupWaiting.visible)

            // Leaving the charts page cleans it and stops its sampling.
            h.menu.onMenuItemPress("charts")
            verify(backend.chartsEnable)
            var cleans = h.chartsPage.cleans
            press("entryAlarm")
            compare(h.chartsPage.cleans, cleans + 1)
            verify(!backend.chartsEnable)
        }

        function test_alarmDotFollowsTheModule() {
            connectToModule()
            var dot = findChild(entry("entryAlarm"), "warningDot")
            verify(Qt.colorEqual(dot.color, "transparent"))
            moduleLine.command("alarm fuse 3 1")
            tryVerify(function() { return Qt.colorEqual(dot.color, "red") }, 6000)
            verify(backend.fuseBlowL3)
            moduleLine.command("alarm fuse 3 0")
            tryVerify(function() { return Qt.colorEqual(dot.color, "transparent") }, 6000)
        }
    }
}
