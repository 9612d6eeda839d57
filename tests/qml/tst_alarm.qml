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

    TestCase {
        name: "AlarmPage"
        when: windowShown

        readonly property var rows: ["alarmModuleStatus", "alarmFuseL1", "alarmFuseL2", "alarmFuseL3",
                                     "alarmTemperature"]

        function lamp(name) {
            var state = findChild(h.alarmPage, name)
            verify(state, name)
            return findChild(state, "lamp")
        }

        function colours() {
            var shown = []
            for (var i = 0; i < rows.length; ++i) {
                var c = lamp(rows[i]).color
                shown.push(Qt.colorEqual(c, "green") ? "green"
                           : Qt.colorEqual(c, "red") ? "red"
                           : Qt.colorEqual(c, "white") ? "white" : String(c))
            }
            return shown
        }

        // Up to three polls.
        function waitColours(expected) {
            var deadline = Date.now() + 6000
            while (colours().join() !== expected.join() && Date.now() < deadline)
                wait(50)
            compare(colours(), expected)
        }

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function control(command) {
            compare(moduleLine.command(command), "ok", command)
        }

        function connectButton() {
            return findChild(h.connexionPage, "connectButton")
        }

        function connectToModule() {
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(connectButton())
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        function disconnectFromModule() {
            press("entryConnection")
            mouseClick(connectButton())
            tryCompare(backend, "connectionState", false, 5000)
            tryCompare(h.popupWaiting, "visible", false, 5000)
        }

        function cleanup() {
            if (backend.connectionState)
                disconnectFromModule()
            moduleLine.command("alarm status 1")
            moduleLine.command("alarm fuse 1 0")
            moduleLine.command("alarm fuse 2 0")
            moduleLine.command("alarm fuse 3 0")
            moduleLine.command("alarm temperature auto")
            press("entryConnection")
        }

        // Before any connection nothing is known: every lamp is white.
        function initTestCase() {
            compare(colours(), ["white", "white", "white", "white", "white"])
        }

        function test_layout() {
            compare(h.alarmPage.label, "Alarms")
            var labels = ["Module status", "Fuse status L1", "Fuse status L2", "Fuse status L3",
                          "Temperature status"]
            for (var i = 0; i < rows.length; ++i) {
                var state = findChild(h.alarmPage, rows[i])
                compare(state.label, labels[i])
                var l = lamp(rows[i])
                compare(l.width, 20)
                compare(state.width - l.mapToItem(state, 0, 0).x, 110)
            }
        }

        function test_lampsFollowTheModule() {
            connectToModule()
            press("entryAlarm")
            compare(h.pages.currentIndex, 4)
            waitColours(["green", "green", "green", "green", "green"])

            // Each lamp turns both ways, on its own flag only.
            control("alarm status 0")
            control("alarm fuse 2 1")
            control("alarm temperature 1")
            waitColours(["red", "green", "red", "green", "red"])
            control("alarm status 1")
            control("alarm fuse 1 1")
            control("alarm fuse 2 0")
            control("alarm fuse 3 1")
            control("alarm temperature 0")
            waitColours(["green", "red", "green", "red", "green"])

            // Disconnected, the blown fuses are still flagged but show white.
            disconnectFromModule()
            verify(backend.fuseBlowL1 && backend.fuseBlowL3)
            press("entryAlarm")
            compare(colours(), ["white", "white", "white", "white", "white"])
        }

        // A refused status read leaves its lamp unlit, never showing the last "OK".
        function test_unreadStatusShowsNothing() {
            connectToModule()
            press("entryAlarm")
            waitColours(["green", "green", "green", "green", "green"])
            control("exception 32311 4")
            control("exception 30000 4")
            waitColours(["white", "white", "white", "white", "green"])
            verify(h.menu.alarmWarning)
            control("exception clear")
            waitColours(["green", "green", "green", "green", "green"])
        }

        // A connection starts from a module in order until the poll says otherwise.
        function test_connectStartsInOrder() {
            connectToModule()
            control("alarm fuse 3 1")
            waitColours(["green", "green", "green", "red", "green"])
            disconnectFromModule()
            compare(colours(), ["white", "white", "white", "white", "white"])

            var atConnect = null
            var record = function() {
                if (backend.connectionState)
                    Qt.callLater(function() { if (atConnect === null) atConnect = colours() })
            }
            backend.connectionStateChanged.connect(record)
            connectToModule()
            tryVerify(function() { return atConnect !== null }, 2000)
            backend.connectionStateChanged.disconnect(record)
            compare(atConnect, ["green", "green", "green", "green", "green"])
            waitColours(["green", "green", "green", "red", "green"])
        }
    }
}
