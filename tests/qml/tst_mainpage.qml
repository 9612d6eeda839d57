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
    SignalSpy { id: progress; target: backend; signalName: "updateProgress" }
    SignalSpy { id: success; target: backend; signalName: "updateSuccess" }
    SignalSpy { id: failure; target: backend; signalName: "updateFail" }
    SignalSpy { id: disconnected; target: backend; signalName: "disconnectionEnd" }

    TestCase {
        name: "MainPage"
        when: windowShown

        property var page: h.mainPage
        property var threshold: findChild(page, "temperatureThresholdValue")
        property var fsdid: findChild(page, "fsdid")
        property var date: findChild(page, "installationDate")
        property var ct: findChild(page, "currentTransformerSelection")

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

        function connectToModule() {
            if (backend.connectionState)
                return
            press("entryConnection")
            var box = findChild(h.connexionPage, "portSelector")
            box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
            loadFinish.clear()
            mouseClick(findChild(h.connexionPage, "connectButton"))
            tryCompare(backend, "connectionState", true, 5000)
            // The clock setting that follows a connect.
            loadFinish.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
        }

        // The menu entry reads the page from the module.
        function enterMainPage() {
            connectToModule()
            if (h.pages.currentIndex === 1) {
                refresh()
            } else {
                refreshEnd.clear()
                press("entryMain")
                compare(h.pages.currentIndex, 1)
                refreshEnd.wait(5000)
                tryCompare(h.popupWaiting, "visible", false)
            }
            verify(!page.checkFieldChanged())
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

        function type(row, text) {
            var field = row._txtField
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function errorShown(row) {
            for (var i = 0; i < row.children.length; ++i) {
                var child = row.children[i]
                if (child.text === row.labelError && String(child.color) === "#ff0000")
                    return child.visible
            }
            return false
        }

        function pickDate(day, month, year) {
            mouseClick(findChild(date, "calendarIcon"))
            var popup = findChild(date, "calendarPopup")
            tryCompare(popup, "opened", true)
            popup.calendar.selectedDate = new Date(year, month - 1, day)
            mouseClick(findChild(popup.contentItem, "updateButton"))
            tryCompare(popup, "visible", false)
        }

        function init() {
            if (h.pages.currentIndex !== 1) {
                if (backend.connectionState)
                    enterMainPage()
                else
                    press("entryMain")
            }
            compare(h.pages.currentIndex, 1)
            refreshEnd.clear()
            applyEnd.clear()
            progress.clear()
            success.clear()
            failure.clear()
        }

        function cleanup() {
            if (h.popupAlert.visible)
                closeAlert()
            h.popupFirmwareUpdate.close()
            tryCompare(h.popupFirmwareUpdate, "visible", false)
            moduleLine.command("exception clear")
            // Pending edits go back to the module's values.
            if (backend.connectionState && h.pages.currentIndex === 1 && page.checkFieldChanged())
                refresh()
        }

        function cleanupTestCase() {
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
                tryCompare(h.popupWaiting, "visible", false, 5000)
            }
        }

        function test_texts() {
            compare(page.label, "Main page")
            compare(findChild(page, "serialNumber").label, "Module serial number")
            compare(fsdid.label, "FSD ID")
            compare(date.label, "Installation date")
            compare(findChild(page, "status").label, "Status")
            compare(ct.label, "Current transformer selection")
            compare(ct._model, ["", "400A / 1A", "400A / 5A", "600A / 1A", "600A / 5A"])
            compare(ct.labelError, "Please select the current transformer")
            compare(threshold.label, "Temperature threshold value")
            compare(threshold.labelUnit, "°C")
            compare(threshold.labelError, "Value must be between 60 and 90 °C")
            compare(findChild(page, "firmwareVersion").label, "Firmware version")
            compare(findChild(page, "startUpdate").label, "Upload new firmware version")
            compare(findChild(page, "startUpdate").buttonValue, "Start update")
        }

        function test_thresholdRule_data() {
            return [
                { tag: "60", keys: "60", text: "60", value: 60, error: false },
                { tag: "90", keys: "90", text: "90", value: 90, error: false },
                { tag: "59", keys: "59", text: "59", value: 59, error: true },
                { tag: "91", keys: "91", text: "91", value: 91, error: true },
                { tag: "0 can be typed", keys: "0", text: "0", value: 0, error: true },
                { tag: "empty", keys: "", text: "", value: -1, error: true },
                // Kept as typed and refused, never cut to "75".
                { tag: "third digit", keys: "755", text: "755", value: 755, error: true },
                { tag: "no minus", keys: "-7", text: "7", value: 7, error: true },
                { tag: "no letter", keys: "6x5", text: "65", value: 65, error: false }
            ]
        }

        function test_thresholdRule(data) {
            type(threshold, "70")
            compare(threshold.isError, false)
            type(threshold, data.keys)
            compare(threshold._text, data.text)
            compare(threshold.isError, data.error)
            compare(errorShown(threshold), data.error)
            compare(backend.temperatureThresholdValue, data.value)
            verify(threshold.hasChanged)
            verify(page.checkFieldChanged())
            // Apply asks first: only a valid threshold passes.
            compare(page.checkValidityField(), !data.error)
            compare(h.popupAlert.visible, data.error)
            if (data.error) {
                compare(h.popupAlert.title, "Input error")
                // The field in error is named under the message.
                compare(h.popupAlert.message, "Please change input data errors before applying.\n\n"
                        + "Temperature threshold value")
                closeAlert()
            }
            backend.temperatureThresholdValue = 60
            compare(threshold._text, "60")
            page.clearFieldChanged()
            verify(!page.checkFieldChanged())
        }

        function test_missingThresholdShowsEmpty() {
            backend.temperatureThresholdValue = -1
            compare(threshold._text, "")
            verify(threshold.isError)
            backend.temperatureThresholdValue = 60
            verify(!threshold.isError)
            page.clearFieldChanged()
        }

        function test_fsdidFilter_data() {
            return [
                { tag: "five letters or digits", keys: "Ab12z", text: "Ab12z" },
                { tag: "no sixth", keys: "ABCDEF", text: "ABCDE" },
                { tag: "no blank or hyphen", keys: "A B-1", text: "AB1" },
                { tag: "no other sign", keys: "_.9", text: "9" },
                { tag: "empty", keys: "", text: "" }
            ]
        }

        function test_fsdidFilter(data) {
            type(fsdid, "Q")
            page.clearFieldChanged()
            type(fsdid, data.keys)
            compare(fsdid._txtField.text, data.text)
            compare(backend.fsdid, data.text)
            verify(fsdid.hasChanged)
            verify(page.checkFieldChanged())
            // Never an input error of its own.
            verify(page.checkValidityField())
            backend.fsdid = ""
            page.clearFieldChanged()
        }

        function test_transformerChoice_data() {
            return [
                { tag: "start value 0", value: 0, index: 0, error: true },
                { tag: "10", value: 10, index: 0, error: true },
                { tag: "unlisted", value: 1234, index: 0, error: true },
                { tag: "400A / 1A", value: 4000, index: 1, error: false },
                { tag: "400A / 5A", value: 800, index: 2, error: false },
                { tag: "600A / 1A", value: 6000, index: 3, error: false },
                { tag: "600A / 5A", value: 1200, index: 4, error: false }
            ]
        }

        function test_transformerChoice(data) {
            backend.ctPhaseA1Int = data.value
            compare(ct._currentIndex, data.index)
            compare(ct.isError, data.error)
            compare(errorShown(ct), data.error)
            // Showing is not choosing: the value stays.
            compare(backend.ctPhaseA1Int, data.value)
            // The transformer error does not stop Apply.
            verify(page.checkValidityField())
            verify(!h.popupAlert.visible)
            backend.ctPhaseA1Int = 0
            page.clearFieldChanged()
        }

        function test_choosingTransformerWritesItsValue() {
            backend.ctPhaseA1Int = 0
            page.clearFieldChanged()
            ct.cb.forceActiveFocus()
            var written = [4000, 800, 6000, 1200]
            for (var i = 0; i < written.length; ++i) {
                keyClick(Qt.Key_Down)
                compare(backend.ctPhaseA1Int, written[i])
            }
            compare(ct.cb.currentText, "600A / 5A")
            verify(!ct.isError)
            verify(page.checkFieldChanged())
            keyClick(Qt.Key_Home)
            compare(ct._currentIndex, 0)
            compare(backend.ctPhaseA1Int, 10)
            verify(ct.isError)
            backend.ctPhaseA1Int = 0
            page.clearFieldChanged()
        }

        function test_calendarDateSetsTheFlag() {
            backend.installationDate = ""
            page.clearFieldChanged()
            pickDate(5, 3, 2021)
            compare(backend.installationDate, "05/03/2021")
            compare(date._text, "05/03/2021")
            verify(date.hasChanged)
            verify(page.checkFieldChanged())
            // The text written by the binding alone is no change.
            page.clearFieldChanged()
            backend.installationDate = "09/06/2021"
            verify(!date.hasChanged)
            // The calendar opens on the field's date.
            mouseClick(findChild(date, "calendarIcon"))
            var popup = findChild(date, "calendarPopup")
            tryCompare(popup, "opened", true)
            compare(popup.calendar.selectedDate.getFullYear(), 2021)
            compare(popup.calendar.selectedDate.getMonth(), 5)
            compare(popup.calendar.selectedDate.getDate(), 9)
            popup.close()
            tryCompare(popup, "visible", false)
            verify(!date.hasChanged)
            backend.installationDate = ""
        }

        function test_statusLamp() {
            var lamp = findChild(findChild(page, "status"), "lamp")
            verify(!backend.connectionState)
            compare(String(lamp.color), "#ffffff")
            enterMainPage()
            tryCompare(backend, "moduleStatus", true, 5000)
            compare(String(lamp.color), "#008000")
            module("alarm status 0")
            tryCompare(backend, "moduleStatus", false, 5000)
            compare(String(lamp.color), "#ff0000")
            module("alarm status 1")
            tryCompare(backend, "moduleStatus", true, 5000)
        }

        function test_startUpdateWhileDisconnected() {
            if (backend.connectionState) {
                press("entryConnection")
                mouseClick(findChild(h.connexionPage, "connectButton"))
                tryCompare(backend, "connectionState", false, 5000)
                tryCompare(h.popupWaiting, "visible", false, 5000)
            }
            press("entryMain")
            compare(h.pages.currentIndex, 1)
            mouseClick(findChild(page, "startUpdate").btn)
            wait(200)
            verify(!h.popupFirmwareUpdate.visible)
            verify(!h.popupWaiting.visible)
        }

        function test_roundTrip() {
            module("set 50501 800 0 800 0 800 0")
            module("set 50573 70")
            enterMainPage()
            compare(ct.cb.currentText, "400A / 5A")
            compare(threshold._text, "70")
            compare(fsdid._txtField.text, "ORV01")
            compare(date._text, "09/06/2021")
            compare(findChild(page, "serialNumber").txtValue, "070123450012")
            verify(findChild(page, "firmwareVersion").txtValue !== "")

            type(fsdid, "XY7")
            type(threshold, "85")
            pickDate(5, 3, 2021)
            ct.cb.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(ct.cb.currentText, "600A / 5A")
            compare(backend.ctPhaseA1Int, 1200)

            // Unapplied changes hold the operator on the page.
            press("entryCommunication")
            verify(h.popupAlert.visible)
            compare(h.popupAlert.title, "Modification without applying")
            compare(h.popupAlert.message, "Please, save or refresh datas.")
            compare(h.pages.currentIndex, 1)
            closeAlert()

            clickTop("applyButton")
            applyEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            verify(!page.checkFieldChanged())
            compare(module("get 50581 3"), "ok 2021 3 5")
            compare(module("get 50501 6"), "ok 1200 0 1200 0 1200 0")
            compare(module("get 50589 3"), "ok " + [0x5859, 0x3700, 0].join(" "))
            compare(module("get 50573"), "ok 85")

            // Refresh brings back what the module holds, unchanged.
            module("set 50573 62")
            module("set 50501 4000 0 4000 0 4000 0")
            type(threshold, "88")
            verify(page.checkFieldChanged())
            refresh()
            compare(threshold._text, "62")
            compare(ct.cb.currentText, "400A / 1A")
            compare(fsdid._txtField.text, "XY7")
            compare(date._text, "05/03/2021")
            verify(!page.checkFieldChanged())

            // Nothing pending: the page may be left at once.
            refreshEnd.clear()
            press("entryCommunication")
            verify(!h.popupAlert.visible)
            compare(h.pages.currentIndex, 2)
            refreshEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)

            module("set 50581 2021 6 9")
            module("set 50501 1200 0 1200 0 1200 0")
            module("set 50589 " + [0x4F52, 0x5630, 0x3100].join(" "))
            module("set 50573 60")
            enterMainPage()
            compare(fsdid._txtField.text, "ORV01")
        }

        function test_refusedThresholdIsNotSent() {
            enterMainPage()
            type(threshold, "91")
            clickTop("applyButton")
            verify(h.popupAlert.visible)
            compare(h.popupAlert.title, "Input error")
            verify(!h.popupWaiting.visible)
            closeAlert()
            wait(300)
            compare(applyEnd.count, 0)
            compare(module("get 50573"), "ok 60")
            refresh()
            compare(threshold._text, "60")
            verify(!threshold.isError)
        }

        function firmwareImage() {
            // Any small file will do: the module checks only its length and CRC.
            return h.popupFirmwareUpdate.localPath(Qt.resolvedUrl("../../qml/images/icons/contents/arrow.png"))
        }

        function test_firmwareUpdate() {
            enterMainPage()
            var before = parseInt(backend.firmwareVersion)
            verify(before > 0)
            mouseClick(findChild(page, "startUpdate").btn)
            tryCompare(h.popupFirmwareUpdate, "opened", true)
            h.popupFirmwareUpdate.filename = firmwareImage()
            refreshEnd.clear()
            mouseClick(findChild(h.popupFirmwareUpdate.contentItem, "updateButton"))
            verify(h.popupFirmwareUpdate.isInUpdate)
            success.wait(15000)
            compare(failure.count, 0)
            verify(progress.count > 1)
            var last = 0
            for (var i = 0; i < progress.count; ++i) {
                var value = progress.signalArguments[i][0]
                verify(value > last && value <= 1, "progress " + value + " after " + last)
                last = value
            }
            compare(last, 1)
            // The home page reads the module again and shows the new version.
            refreshEnd.wait(5000)
            tryCompare(h.popupWaiting, "visible", false)
            tryCompare(h.popupFirmwareUpdate, "visible", false)
            verify(!h.popupAlert.visible)
            compare(backend.firmwareVersion, String(before + 1))
            compare(findChild(page, "firmwareVersion").txtValue, String(before + 1))
            compare(module("mode"), "ok application")
            verify(backend.connectionState)
            // Said when done, with the copy of the settings taken before.
            verify(settingsFiles.updateBackupPath() !== "")
            verify(h.notice.visible)
            compare(h.notice.text, "The firmware was updated. The settings from before it were kept in "
                                   + settingsFiles.updateBackupPath() + ".")
        }

        function test_firmwareUpdateFails() {
            enterMainPage()
            var before = backend.firmwareVersion
            module("exception 50522 4")
            mouseClick(findChild(page, "startUpdate").btn)
            tryCompare(h.popupFirmwareUpdate, "opened", true)
            h.popupFirmwareUpdate.filename = firmwareImage()
            mouseClick(findChild(h.popupFirmwareUpdate.contentItem, "updateButton"))
            failure.wait(10000)
            tryCompare(h.popupAlert, "visible", true)
            compare(h.popupAlert.title, "Update error")
            compare(h.popupAlert.message, "Error during update firmware. Please reboot module before try again.")
            tryCompare(h.popupFirmwareUpdate, "visible", false)
            verify(!h.popupFirmwareUpdate.isInUpdate)
            compare(success.count, 0)
            compare(backend.firmwareVersion, before)
            closeAlert()
            module("exception clear")
            // A failed update counts the link as gone, but the port stays open:
            // close it before the next connect.
            verify(!backend.connectionState)
            disconnected.clear()
            backend.disconnectDevice()
            disconnected.wait(5000)
        }
    }
}
