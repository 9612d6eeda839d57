import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2

// The window by keyboard alone: the tab chain, the shortcuts, the alerts.
Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["settings"]
        width: parent.width
        height: parent.height
    }

    SignalSpy { id: refreshes; target: backend; signalName: "refreshEnd" }
    SignalSpy { id: applies; target: backend; signalName: "applyEnd" }

    TestCase {
        name: "Keyboard"
        when: windowShown

        function focused() { return h.Window.window.activeFocusItem }

        // The control the keyboard is on, by the name of its nearest named holder.
        function focusName() {
            for (var p = focused(); p; p = p.parent) {
                if (p.objectName !== "" && p.objectName !== "key")
                    return p.objectName
            }
            return ""
        }

        function tabTo(name) {
            for (var i = 0; i < 40 && focusName() !== name; ++i)
                keyClick(Qt.Key_Tab)
            compare(focusName(), name)
        }

        function waitIdle() {
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        function connectToModule() {
            findChild(h.connexionPage, "portSelector").currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            h.connexionPage.connectClicked()
            tryCompare(backend, "connectionState", true, 5000)
            waitIdle()
        }

        function init() {
            findChild(h.menu, "entryConnection").activate()
            findChild(h.menu, "entrySettings").forceActiveFocus()
        }

        function cleanup() {
            if (h.popupAlert.visible)
                h.popupAlert.close()
            tryCompare(h.popupAlert, "visible", false)
            if (backend.connectionState) {
                findChild(h.menu, "entryConnection").activate()
                h.connexionPage.connectClicked()
                tryCompare(backend, "connectionState", false, 5000)
                waitIdle()
            }
            findChild(h.connexionPage, "connectionParameters").isOpen = false
            findChild(h.connexionPage, "slaveAddress")._text = "247"
            h.height = 768
            findChild(h.menu, "entryCharts").visible = false
        }

        function test_tabOrder_data() {
            var menu = ["entrySettings", "entryConnection", "entryMain", "entryCommunication",
                        "entryMeasurement", "entryAlarm", "busMonitorButton", "lineViewButton"]
            return [
                { tag: "connection", entry: "entryConnection",
                  names: menu.concat(["portSelector", "refreshPorts", "connectButton", "searchButton",
                                      "lineButton", "connectionParameters", "slaveAddress", "baudrate", "parity"]) },
                { tag: "settings", entry: "entrySettings",
                  names: menu.concat(["languageSelection", "includeSerial", "openDocument", "newDocument", "busMonitorRow"]) }
            ]
        }

        // Tab goes through the menu, the top bar and the page in reading
        // order and round again; Shift+Tab goes back; the keyboard's place shows.
        function test_tabOrder(data) {
            findChild(h.menu, data.entry).activate()
            findChild(h.connexionPage, "connectionParameters").isOpen = true
            findChild(h.menu, "entrySettings").forceActiveFocus()
            var seen = []
            for (var i = 0; i <= data.names.length; ++i) {
                keyClick(Qt.Key_Tab)
                seen.push(focusName())
                if (focused().visualFocus !== undefined)
                    verify(focused().visualFocus, focusName())
            }
            compare(seen, data.names.concat([data.names[0]]))
            keyClick(Qt.Key_Backtab)
            compare(focusName(), data.names[data.names.length - 1])
        }

        // Port, address, connect, the alert, disconnect: never the mouse.
        function test_connectionRoundByKeyboard() {
            var box = findChild(h.connexionPage, "portSelector")
            var target = backend.lstDevices.indexOf(moduleLine.portNumber)
            tabTo("portSelector")
            while (box.currentIndex < target)
                keyClick(Qt.Key_Down)
            while (box.currentIndex > target)
                keyClick(Qt.Key_Up)
            tabTo("connectionParameters")
            keyClick(Qt.Key_Space)
            verify(findChild(h.connexionPage, "connectionParameters").isOpen)

            tabTo("slaveAddress")
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_5)
            keyClick(Qt.Key_Return)
            tryCompare(h.popupAlert, "opened", true)
            compare(h.popupAlert.title, "Error slave address")
            keyClick(Qt.Key_Return)
            tryCompare(h.popupAlert, "visible", false)

            compare(focusName(), "slaveAddress")
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_4)
            keyClick(Qt.Key_7)
            keyClick(Qt.Key_Return)
            tryCompare(backend, "connectionState", true, 5000)
            waitIdle()

            tabTo("connectButton")
            keyClick(Qt.Key_Space)
            tryCompare(backend, "connectionState", false, 5000)
            waitIdle()
        }

        function test_alertClosesByKey_data() {
            return [
                { tag: "Return", key: Qt.Key_Return },
                { tag: "Enter", key: Qt.Key_Enter },
                { tag: "Space", key: Qt.Key_Space },
                { tag: "Escape", key: Qt.Key_Escape }
            ]
        }

        function test_alertClosesByKey(data) {
            h.popupAlert.showWithParams("Title", "Message")
            tryCompare(h.popupAlert, "opened", true)
            keyClick(data.key)
            tryCompare(h.popupAlert, "visible", false)
        }

        function test_menuShortcuts_data() {
            return [
                { tag: "Ctrl+1", key: Qt.Key_1, index: 5 },
                { tag: "Ctrl+2", key: Qt.Key_2, index: 0 },
                { tag: "Ctrl+3", key: Qt.Key_3, index: 1 },
                { tag: "Ctrl+4", key: Qt.Key_4, index: 2 },
                { tag: "Ctrl+5", key: Qt.Key_5, index: 3 },
                { tag: "Ctrl+6", key: Qt.Key_6, index: 4 },
                { tag: "Ctrl+7 hidden charts", key: Qt.Key_7, index: 0 }
            ]
        }

        function test_menuShortcuts(data) {
            keyClick(data.key, Qt.ControlModifier)
            compare(h.pages.currentIndex, data.index)
        }

        // A popup over the window holds the keys: no page changes under it.
        function test_shortcutsWaitForThePopup() {
            h.popupAlert.showWithParams("Title", "Message")
            tryCompare(h.popupAlert, "opened", true)
            keyClick(Qt.Key_3, Qt.ControlModifier)
            compare(h.pages.currentIndex, 0)
            verify(h.popupAlert.visible)
        }

        // F5 and Ctrl+S refresh and apply where the top bar offers them.
        function test_refreshAndApplyKeys() {
            connectToModule()
            refreshes.clear()
            keyClick(Qt.Key_F5)
            compare(refreshes.count, 0)
            keyClick(Qt.Key_3, Qt.ControlModifier)
            tryCompare(refreshes, "count", 1, 10000)
            waitIdle()
            keyClick(Qt.Key_F5)
            verify(h.popupWaiting.visible)
            tryCompare(refreshes, "count", 2, 10000)
            waitIdle()
            applies.clear()
            keyClick(Qt.Key_S, Qt.ControlModifier)
            tryCompare(applies, "count", 1, 10000)
            waitIdle()
        }

        // Too low for every entry, the menu says it scrolls; taller again, it
        // shows its top; a press carried off by the scroll leaves no pressed look.
        function test_menuScrolling() {
            for (var i = 0; i < 5; ++i)
                h.menu.clickLogo()
            h.height = 600
            var flick = findChild(h.menu, "menuFlick")
            var indicator = findChild(h.menu, "menuScrollIndicator")
            tryVerify(function() { return flick.contentHeight > flick.height })
            tryVerify(function() { return indicator.visible && indicator.contentItem.visible })

            var entry = findChild(h.menu, "entryAlarm")
            mousePress(entry, 50, 35)
            for (var y = 35; y > -60; y -= 10)
                mouseMove(entry, 50, y)
            mouseRelease(entry, 50, -60)
            tryVerify(function() { return flick.contentY > 0 })
            compare(entry.color, h.menu.menuBackgroundColor)
            compare(h.pages.currentIndex, 0)

            h.height = 900
            compare(flick.contentY, 0)
            verify(!indicator.contentItem.visible)
        }
    }
}
