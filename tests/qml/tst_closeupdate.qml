import QtQuick 2.15
import QtTest 1.2

// Closing the main window while a firmware update runs asks first.
TestCase {
    name: "CloseDuringUpdate"
    when: windowShown

    property var app: null
    property var firmware: null
    property var question: null

    function initTestCase() {
        var component = Qt.createComponent("qrc:/mainApp.qml")
        compare(component.status, Component.Ready, component.errorString())
        app = component.createObject(null)
        firmware = findChild(app, "popupFirmwareUpdate")
        question = findChild(app, "popupCloseUpdate")
        verify(firmware && question)
    }

    function cleanupTestCase() {
        app.destroy()
    }

    function init() {
        app.show()
        app.requestActivate()
        tryCompare(app, "active", true)
    }

    function cleanup() {
        firmware.isInUpdate = false
        tryCompare(question, "visible", false)
    }

    // The state the window reads while the firmware popup runs an update.
    function askDuringUpdate() {
        firmware.isInUpdate = true
        app.close()
        tryCompare(question, "opened", true)
    }

    function button(name) {
        return findChild(question.contentItem, name)
    }

    function test_closingWithoutAnUpdateClosesAtOnce() {
        app.close()
        verify(!app.visible)
        verify(!question.visible)
    }

    function test_closingDuringAnUpdateAsks() {
        askDuringUpdate()
        verify(app.visible)
        compare(question.title, "Firmware update running")
        compare(question.message, "An update is running; closing now leaves the module in its bootloader")
        verify(button("keepButton").keyTarget.activeFocus)
        // Closed again while asking: still asking, still open.
        app.close()
        verify(app.visible)
        verify(question.visible)
    }

    function test_answer_data() {
        return [
            { tag: "Keep updating clicked", keys: [], click: "keepButton", closes: false },
            { tag: "Close anyway clicked", keys: [], click: "closeAnywayButton", closes: true },
            { tag: "Return on the first focus", keys: [Qt.Key_Return], closes: false },
            { tag: "Space on the first focus", keys: [Qt.Key_Space], closes: false },
            { tag: "Escape", keys: [Qt.Key_Escape], closes: false },
            { tag: "Tab, Return", keys: [Qt.Key_Tab, Qt.Key_Return], closes: true },
            { tag: "Tab, Space", keys: [Qt.Key_Tab, Qt.Key_Space], closes: true },
            { tag: "Tab, Tab back to keep, Return", keys: [Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Return], closes: false },
            { tag: "Tab, Escape", keys: [Qt.Key_Tab, Qt.Key_Escape], closes: false }
        ]
    }

    function test_answer(data) {
        askDuringUpdate()
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        if (data.click)
            mouseClick(button(data.click))
        compare(app.visible, !data.closes)
        tryCompare(question, "visible", false)
        // The answer leaves the update alone.
        verify(firmware.isInUpdate)
        if (!data.closes) {
            // Asked again on the next close.
            app.close()
            verify(app.visible)
            tryCompare(question, "opened", true)
        }
    }

    function test_questionGoesWhenTheUpdateEnds() {
        askDuringUpdate()
        firmware.isInUpdate = false
        tryCompare(question, "visible", false)
        verify(app.visible)
        app.close()
        verify(!app.visible)
    }
}
