import QtQuick 2.15
import QtTest 1.2
import QtQuick.Window 2.15
import "qrc:/popup"

Item {
    id: root

    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25
    property int titlePopupFontSize: 19

    width: 1024
    height: 768

    VPopupWaiting { id: popupWaiting }
    VPopupAlert { id: popupAlert }
    VPopupFirmwareUpdate { id: firmware }
    VPopupCalendar {
        id: calendar
        property var chosen: []
        onDateSelect: function(date) { chosen.push(date) }
    }

    TestCase {
        name: "Popups"
        when: windowShown

        function cleanup() {
            for (var p of [popupWaiting, popupAlert, firmware, calendar])
                p.close()
            tryVerify(function() {
                return !popupWaiting.visible && !popupAlert.visible && !firmware.visible && !calendar.visible
            })
            firmware.filename = ""
        }

        function test_alertGrowsWithItsMessage() {
            popupAlert.showWithParams("Short", "One line.")
            tryCompare(popupAlert, "opened", true)
            var oneLine = popupAlert.height
            compare(popupAlert.width, 600)
            var words = []
            for (var i = 0; i < 60; ++i)
                words.push("message")
            popupAlert.showWithParams("Long", words.join(" "))
            verify(popupAlert.height > oneLine + 40)
            compare(popupAlert.width, 600)
            // Centred in the window, on whole pixels.
            compare(popupAlert.x, Math.round((root.width - popupAlert.width) / 2))
            compare(popupAlert.y, Math.round((root.height - popupAlert.height) / 2))
        }

        function test_alertDetailBelowItsMessage() {
            popupAlert.showWithParams("Title", "Message")
            tryCompare(popupAlert, "opened", true)
            var plain = popupAlert.height
            var detail = findChild(popupAlert.contentItem, "detailText")
            verify(!detail.visible)
            popupAlert.showWithParams("Title", "Message", "Why, first line\nand a second")
            compare(popupAlert.detail, "Why, first line\nand a second")
            verify(detail.visible)
            verify(popupAlert.height > plain)
            // The next alert without one shows none, at the plain height.
            popupAlert.showWithParams("Title", "Message")
            compare(popupAlert.detail, "")
            verify(!detail.visible)
            compare(popupAlert.height, plain)
        }

        function test_alertClosesOnOkAndOnItsIcon() {
            popupAlert.showWithParams("Title", "Message")
            tryCompare(popupAlert, "opened", true)
            compare(popupAlert.title, "Title")
            mouseClick(findChild(popupAlert.contentItem, "okButton"))
            tryCompare(popupAlert, "visible", false)
            popupAlert.showWithParams("Title", "Message")
            tryCompare(popupAlert, "opened", true)
            mouseClick(findChild(popupAlert.contentItem, "closeIcon"))
            tryCompare(popupAlert, "visible", false)
        }

        function test_waitingIgnoresEscapeAndClicksOutside() {
            popupWaiting.open()
            tryCompare(popupWaiting, "opened", true)
            keyClick(Qt.Key_Escape)
            mouseClick(root, 10, 10)
            wait(300)
            verify(popupWaiting.visible)
            popupWaiting.close()
            tryCompare(popupWaiting, "visible", false)
        }

        function test_waitingSpinnerStepsOnlyWhileShown() {
            var spinner = findChild(popupWaiting.contentItem, "spinner")
            popupWaiting.open()
            var head = spinner.head
            tryVerify(function() { return spinner.head !== head }, 1000)
            popupWaiting.close()
            tryCompare(popupWaiting, "visible", false)
            head = spinner.head
            wait(600)
            compare(spinner.head, head)
        }

        function test_firmwareUpdateWithoutFile() {
            firmware.open()
            tryCompare(firmware, "opened", true)
            // Nothing to press until a file is chosen.
            var update = findChild(firmware.contentItem, "updateButton")
            verify(!update.enabled)
            mouseClick(update)
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Space)
            wait(100)
            verify(!popupAlert.visible)
            verify(!firmware.isInUpdate)
            firmware.filename = "/tmp/orvalis.bin"
            verify(update.enabled)
            firmware.filename = ""
            verify(!update.enabled)
            // Called without one all the same, it says so.
            firmware.startUpdate()
            verify(popupAlert.visible)
            compare(popupAlert.title, "No file")
            compare(popupAlert.message, "Please select binary firmware update.")
            verify(!firmware.isInUpdate)
        }

        function test_firmwareDialogOpensAtHome() {
            firmware.open()
            tryCompare(firmware, "opened", true)
            var dialog = findChild(firmware, "firmwareFileDialog")
            dialog.folder = Qt.resolvedUrl(".")
            mouseClick(findChild(firmware.contentItem, "fileRow").btn)
            tryCompare(dialog, "visible", true)
            compare(dialog.folder, dialog.shortcuts.home)
            dialog.close()
            // The dialog's own window had the keyboard: the test's window takes it back.
            root.Window.window.requestActivate()
            tryVerify(function() { return root.Window.contentItem.activeFocus })
        }

        function test_firmwareUpdateFailsOnAMissingFile() {
            firmware.filename = "/nonexistent/orvalis-image.bin"
            firmware.open()
            tryCompare(firmware, "opened", true)
            mouseClick(findChild(firmware.contentItem, "updateButton"))
            tryCompare(popupAlert, "visible", true, 5000)
            compare(popupAlert.title, "Update error")
            tryCompare(firmware, "visible", false)
            verify(!firmware.isInUpdate)
            compare(firmware.filename, "")
        }

        function test_firmwareUpdateThatFails() {
            // A readable file, but no module to take it.
            firmware.filename = firmware.localPath(Qt.resolvedUrl("tst_popups.qml"))
            firmware.open()
            tryCompare(firmware, "opened", true)
            mouseClick(findChild(firmware.contentItem, "updateButton"))
            verify(firmware.isInUpdate)
            verify(!findChild(firmware.contentItem, "fileRow").visible)
            verify(!findChild(firmware.contentItem, "updateButton").visible)
            tryCompare(popupAlert, "visible", true, 10000)
            compare(popupAlert.title, "Update error")
            compare(popupAlert.message, "Error during update firmware. Please reboot module before try again.")
            tryCompare(firmware, "visible", false)
            verify(!firmware.isInUpdate)
            compare(firmware.filename, "")
            compare(firmware.progress, 0)
        }

        function test_firmwareRefusalSaysWhy() {
            // The test program itself: several MiB, more than the module's flash takes.
            firmware.filename = Qt.application.arguments[0]
            firmware.open()
            tryCompare(firmware, "opened", true)
            mouseClick(findChild(firmware.contentItem, "updateButton"))
            tryCompare(popupAlert, "visible", true)
            compare(popupAlert.title, "Update error")
            compare(popupAlert.message, "Error during update firmware. Please reboot module before try again.\n"
                                        + "The firmware file is larger than the module's 1 MiB flash.")
            verify(!firmware.isInUpdate)

            // A failure of another kind afterwards shows no reason.
            popupAlert.close()
            tryCompare(popupAlert, "visible", false)
            firmware.filename = firmware.localPath(Qt.resolvedUrl("tst_popups.qml"))
            firmware.open()
            tryCompare(firmware, "opened", true)
            mouseClick(findChild(firmware.contentItem, "updateButton"))
            tryCompare(popupAlert, "visible", true, 10000)
            compare(popupAlert.message, "Error during update firmware. Please reboot module before try again.")
        }

        function test_firmwarePopupCannotBeClosedDuringAnUpdate() {
            firmware.open()
            tryCompare(firmware, "opened", true)
            firmware.isInUpdate = true
            keyClick(Qt.Key_Escape)
            mouseClick(root, 10, 10)
            wait(300)
            verify(firmware.visible)
            firmware.isInUpdate = false
            keyClick(Qt.Key_Escape)
            tryCompare(firmware, "visible", false)
        }

        function test_firmwareProgressFollowsTheBackend() {
            firmware.open()
            backend.updateProgress(0.25)
            compare(firmware.progress, 0.25)
            backend.updateProgress(1)
            compare(firmware.progress, 1)
            // Still open until the module's verdict.
            verify(firmware.visible)
            backend.updateProgress(0)
        }

        function test_localPath_data() {
            return [
                { tag: "linux", url: "file:///home/tech/fw/orvalis.bin", path: "/home/tech/fw/orvalis.bin" },
                { tag: "windows", url: "file:///C:/Users/tech/orvalis.bin", path: "C:/Users/tech/orvalis.bin" },
                { tag: "blanks", url: "file:///tmp/new%20image.bin", path: "/tmp/new image.bin" },
                { tag: "network share", url: "file://server/share/orvalis.bin", path: "//server/share/orvalis.bin" }
            ]
        }

        function test_localPath(data) {
            compare(firmware.localPath(data.url), data.path)
            compare(firmware.localPath(Qt.resolvedUrl(data.url)), data.path)
        }

        function test_calendarInitialDate() {
            calendar.setInitDate("15/03/2021")
            compare(Qt.formatDate(calendar.calendar.selectedDate, "dd/MM/yyyy"), "15/03/2021")
            calendar.setInitDate("")
            calendar.setInitDate("2021-04-01")
            compare(Qt.formatDate(calendar.calendar.selectedDate, "dd/MM/yyyy"), "15/03/2021")
        }

        function test_calendarUpdateGivesTheDate() {
            calendar.chosen = []
            calendar.setInitDate("02/11/2019")
            calendar.open()
            tryCompare(calendar, "opened", true)
            mouseClick(findChild(calendar.contentItem, "updateButton"))
            compare(calendar.chosen, ["02/11/2019"])
            // The owner closes it.
            verify(calendar.visible)
        }
    }
}
