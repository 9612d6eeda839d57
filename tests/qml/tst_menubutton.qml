import QtQuick 2.15
import QtTest 1.2
import "qrc:/view"

Item {
    id: root

    property int textFontSize: 16
    property color menuBackgroundColor: "#242424"
    property color menuBackgroundSelectColor: "black"
    property color menuSelectBarColor: "#0B96D3"
    property color menuTextColor: "white"

    property bool accept: true
    property var calls: []

    width: 200
    height: 300

    Column {
        width: 200

        VMenuButton {
            id: entry
            l_text: "Main page"
            screenName: "main"
            menu_item_press: function(name) { root.calls.push(name); return root.accept }
        }

        VMenuButtonFlag {
            id: flagEntry
            screenName: "settings"
            menu_item_press: function(name) { root.calls.push(name); return root.accept }
        }
    }

    TestCase {
        name: "MenuButton"
        when: windowShown

        function init() {
            root.calls = []
            root.accept = true
            entry.unselect()
            flagEntry.unselect()
        }

        function test_pressShowsThePressedLook_data() {
            return [{ tag: "text entry", button: entry }, { tag: "flag entry", button: flagEntry }]
        }

        function test_pressShowsThePressedLook(data) {
            mousePress(data.button)
            verify(Qt.colorEqual(data.button.color, "black"))
            compare(root.calls.length, 0)
            mouseRelease(data.button)
        }

        function test_releaseSelects_data() {
            return [{ tag: "text entry", button: entry, key: "main" },
                    { tag: "flag entry", button: flagEntry, key: "settings" }]
        }

        function test_releaseSelects(data) {
            mouseClick(data.button)
            compare(root.calls, [data.key])
            verify(data.button.isSelect)
            verify(Qt.colorEqual(data.button.color, "black"))
        }

        function test_refusalUnselects_data() {
            return test_releaseSelects_data()
        }

        function test_refusalUnselects(data) {
            root.accept = false
            mouseClick(data.button)
            compare(root.calls, [data.key])
            verify(!data.button.isSelect)
            verify(Qt.colorEqual(data.button.color, "#242424"))
        }

        function test_selectedEntryIgnoresPresses() {
            entry.select()
            mousePress(entry)
            mouseRelease(entry)
            compare(root.calls.length, 0)
            verify(entry.isSelect)
        }

        function test_warningDot() {
            var dot = findChild(entry, "warningDot")
            verify(Qt.colorEqual(dot.color, "transparent"))
            entry.ctWarning = true
            verify(Qt.colorEqual(dot.color, "red"))
            compare(dot.width, 20)
            compare(dot.height, 20)
            entry.ctWarning = false
        }
    }
}
