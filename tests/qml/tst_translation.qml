import QtQuick 2.15
import QtTest 1.2

// The real catalogues in the real main window: a switch retranslates at once,
// per context, and leaves the untranslated texts in English.
Item {
    width: 1024
    height: 768

    TestCase {
        name: "Translation"

        property var window: null

        function initTestCase() {
            var component = Qt.createComponent("qrc:/mainApp.qml")
            compare(component.status, Component.Ready, component.errorString())
            window = component.createObject(null)
            verify(window)
        }

        function cleanupTestCase() {
            choose(0)
            window.destroy()
        }

        function choose(code) {
            backend.currentLanguage = code
            backend.switchLanguage()
        }

        function item(name) {
            var found = findChild(window.contentItem, name)
            verify(found, name)
            return found
        }

        function menuText(name) {
            return item(name).l_text
        }

        function pageTitle(page) {
            return page.label
        }

        function thresholdErrors() {
            return ["limitVoltage", "limitVoltageDuration", "limitCurrent", "limitCurrentDuration"]
                .map(function(name) { return item(name).labelError })
        }

        // The side bar's folder names of Qt's file dialog, in the language of its opening.
        function test_fileDialogFollowsTheLanguage() {
            var files = findChild(item("settingsPage"), "settingsFileDialog")
            var names = []
            for (var code = 0; code < 2; ++code) {
                choose(code)
                files.openAtHome()
                tryVerify(function() { return files.visible })
                names.push(files.dialog.__shortcuts.map(function(s) { return s.name }).indexOf(code === 0 ? "Home" : "Benutzerverzeichnis") >= 0)
                files.close()
                tryVerify(function() { return !files.visible })
            }
            compare(names, [true, true])
        }

        // The module's clock state comes from backend in English: the page shows it
        // in the language of the moment, also after a switch.
        function test_synchronizationState_data() {
            return [
                {tag: "synchronized", state: "Synchronized", german: "Synchronisiert"},
                {tag: "not synchronized", state: "No synchronization", german: "Keine Synchronisation"},
                {tag: "not read", state: "", german: ""}
            ]
        }

        function test_synchronizationState(data) {
            var row = findChild(item("communicationPage"), "synchronization")
            choose(1)
            backend.synchronization = data.state
            compare(row.txtValue, data.german)
            choose(0)
            compare(row.txtValue, data.state)
            choose(1)
            compare(row.txtValue, data.german)
            choose(0)
            backend.synchronization = ""
        }

        // A switch translates the choices' texts and keeps what is chosen: a
        // choice reset by the new texts would be written on the next apply.
        function test_choicesKeptAcrossASwitch_data() {
            return [
                {tag: "connection parity", row: "parity", page: "connexionPage", property: "parityConnectionPage", value: 1, index: 1, german: "gerade"},
                {tag: "module parity", row: "parity", page: "communicationPage", property: "parity", value: 2, index: 2, german: "ungerade"},
                {tag: "transformer", row: "currentTransformerSelection", page: "mainPage", property: "ctPhaseA1Int", value: 4000, index: 1, german: "400A / 1A"}
            ]
        }

        function test_choicesKeptAcrossASwitch(data) {
            choose(0)
            var before = backend[data.property]
            backend[data.property] = data.value
            var box = findChild(item(data.page), data.row)
            compare(box._currentIndex, data.index)
            var shown = box.cb.currentText
            choose(1)
            compare(backend[data.property], data.value)
            compare(box._currentIndex, data.index)
            compare(box.cb.currentText, data.german)
            choose(0)
            compare(backend[data.property], data.value)
            compare(box.cb.currentText, shown)
            backend[data.property] = before
        }

        function test_germanAndBack() {
            choose(1)
            compare(window.title, "Orvalis Software")
            compare(menuText("entryConnection"), "Verbindung")
            compare(menuText("entryMain"), "Hauptseite")
            compare(menuText("entryCommunication"), "Modul- und Kommunikations-Parameter")
            compare(menuText("entryMeasurement"), "Messungen")
            compare(menuText("entryAlarm"), "Alarm")
            compare(menuText("entrySettings"), "Parameter")
            compare(menuText("entryCharts"), "Charts")
            compare(pageTitle(item("mainPage")), "Hauptseite")
            compare(item("temperatureThresholdValue").labelError, "Zulässiger Wert zwischen 60°C und 90 °C")
            compare(thresholdErrors(), ["Zulässiger Wert zwischen 0 und 65535.",
                                        "Zulässiger Wert zwischen 0 und 65535.",
                                        "Zulässiger Wert zwischen 0 und 65535.",
                                        "Zulässiger Wert zwischen 0 und 65535."])
            // One source text, a German text per context.
            compare(item("communicationPage").label, "Modul- und Kommunikations-Parameter")
            compare(findChild(item("communicationPage"), "callMonitoringTime").labelError,
                    "Zulässiger Wert zwischen 1 und 6000.")
            // Qt's own dialogs follow: the file dialog's texts come from Qt's catalogues.
            compare(qsTranslate("DefaultFileDialog", "Cancel"), "Abbrechen")
            compare(qsTranslate("QStandardPaths", "Home"), "Benutzerverzeichnis")

            choose(0)
            compare(menuText("entryConnection"), "Connection")
            compare(menuText("entrySettings"), "Settings")
            compare(pageTitle(item("mainPage")), "Main page")
            compare(item("temperatureThresholdValue").labelError, "Value must be between 60 and 90 °C")
            compare(thresholdErrors()[3], "Value must be between 0 and 65535.")
            compare(qsTranslate("DefaultFileDialog", "Cancel"), "Cancel")
        }
    }
}
