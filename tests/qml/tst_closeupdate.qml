import QtQuick 2.15
import QtTest 1.2

// Closing the main window while a firmware update runs, or while connected
// with changes not applied, asks first.
TestCase {
    name: "CloseDuringUpdate"
    when: windowShown

    property var app: null
    property var firmware: null
    property var question: null
    property var edits: null

    function initTestCase() {
        var component = Qt.createComponent("qrc:/mainApp.qml")
        compare(component.status, Component.Ready, component.errorString())
        app = component.createObject(null)
        firmware = findChild(app, "popupFirmwareUpdate")
        question = findChild(app, "popupCloseUpdate")
        edits = findChild(app, "popupCloseEdits")
        verify(firmware && question && edits)
    }

    function cleanupTestCase() {
        if (backend.connectionState) {
            mouseClick(findChild(app, "entryConnection"))
            mouseClick(findChild(app, "connectButton"))
            tryCompare(backend, "connectionState", false, 5000)
        }
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
        edits.close()
        tryCompare(edits, "visible", false)
        findChild(app, "mainPage").clearFieldChanged()
    }

    // Connected, on the main page, with a threshold typed and not applied.
    function editWhileConnected() {
        var waiting = findChild(app, "popupWaiting")
        if (!backend.connectionState) {
            var box = findChild(app, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            mouseClick(findChild(app, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(waiting, "visible", false, 5000)
            mouseClick(findChild(app, "entryMain"))
            tryCompare(waiting, "visible", false, 5000)
        }
        var field = findChild(app, "temperatureThresholdValue")
        field._txtField.forceActiveFocus()
        field._txtField.selectAll()
        keyClick("7")
        keyClick("7")
        verify(field.hasChanged)
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

    function test_closingWithEditsAsks_data() {
        return [
            { tag: "Escape", keys: [Qt.Key_Escape], closes: false },
            { tag: "Return on the first focus", keys: [Qt.Key_Return], closes: false },
            { tag: "Close anyway clicked", click: "closeAnywayButton", closes: true }
        ]
    }

    function test_closingWithEditsAsks(data) {
        editWhileConnected()
        app.close()
        tryCompare(edits, "opened", true)
        verify(app.visible)
        compare(edits.title, "Changes not applied")
        // Names the page that holds them.
        compare(edits.message, "Changes have not been applied to the module; closing now loses them.\n\nMain page")
        verify(findChild(edits.contentItem, "keepButton").keyTarget.activeFocus)
        for (var i = 0; data.keys && i < data.keys.length; ++i)
            keyClick(data.keys[i])
        if (data.click)
            mouseClick(findChild(edits.contentItem, data.click))
        tryCompare(edits, "visible", false)
        compare(app.visible, !data.closes)
        // The typed value stays for Apply.
        compare(findChild(app, "temperatureThresholdValue")._text, "77")
    }

    // One answer is enough: the update's "Close anyway" closes with the edits too.
    function test_updateAndEditsAskOnce() {
        editWhileConnected()
        askDuringUpdate()
        mouseClick(button("closeAnywayButton"))
        verify(!app.visible)
        verify(!edits.visible)
    }
}
