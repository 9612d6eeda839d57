import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import "qrc:/theme"
import "qrc:/popup/reportfields.js" as Fields

// The commissioning report from the settings page (the connected module) and
// from the line view (the ticked modules), at the smallest window.
Item {
    id: root

    width: 800
    height: 600

    Harness {
        id: h
        realPages: ["settings"]
        anchors.fill: parent
    }

    SignalSpy { id: ended; target: commissioningReport; signalName: "reportEnd" }

    TestCase {
        name: "Report"
        when: windowShown

        property var page: h.settingsPage
        property var popup: findChild(page, "popupReport")
        property int linePort: 0

        function child(name) {
            return findChild(popup.contentItem, name)
        }

        function focusName() {
            for (var p = root.Window.window.activeFocusItem; p; p = p.parent) {
                if (p.objectName !== "" && p.objectName !== "key")
                    return p.objectName
            }
            return ""
        }

        function connectTo(port, slave) {
            findChild(h.menu, "entryConnection").activate()
            var connexion = h.connexionPage
            findChild(connexion, "portSelector").currentIndex = backend.lstDevices.indexOf(port)
            findChild(connexion, "slaveAddress")._text = String(slave)
            connexion.connectClicked()
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        function disconnect() {
            if (!backend.connectionState)
                return
            findChild(h.menu, "entryConnection").activate()
            h.connexionPage.connectClicked()
            tryCompare(backend, "connectionState", false, 5000)
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        // The settings page's report button, reached and pressed by keyboard.
        function openFromSettings() {
            findChild(h.menu, "entrySettings").activate()
            var button = findChild(page, "reportRow").btn
            button.keyTarget.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            tryCompare(popup, "opened", true)
        }

        function typeInto(name, text) {
            var field = child(name)
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < text.length; ++i)
                keyClick(text[i], text[i] !== text[i].toLowerCase() ? Qt.ShiftModifier : Qt.NoModifier)
        }

        function cleanup() {
            tryCompare(commissioningReport, "busy", false, 30000)
            // Each test from empty fields, as a new session.
            Fields.site = ""
            Fields.technician = ""
            Fields.reference = ""
            popup.close()
            tryCompare(popup, "visible", false)
            var lineView = h.popupLineView
            if (lineView.report.visible)
                lineView.report.close()
            lineView.close()
            tryCompare(lineView, "visible", false)
            if (backend.currentLanguage !== 0) {
                backend.language = "en_EN"
                backend.currentLanguage = 0
                backend.switchLanguage()
            }
            disconnect()
        }

        function test_reportButtonOnlyWhileConnected() {
            findChild(h.menu, "entrySettings").activate()
            var button = findChild(page, "reportRow").btn
            verify(!button.enabled)
            connectTo(moduleLine.portNumber, 247)
            findChild(h.menu, "entrySettings").activate()
            verify(button.enabled)
        }

        // Site and technician typed, the name chosen without an ending: the PDF
        // is written with .pdf and holds what was typed.
        function test_moduleReportThroughTheDialog() {
            connectTo(moduleLine.portNumber, 247)
            openFromSettings()
            compare(focusName(), "siteField")
            typeInto("siteField", "Substation North")
            typeInto("technicianField", "A. Meier")
            var path = testFolder.path("module")
            mouseClick(child("saveReportButton"))
            tryVerify(function() { return testDialogs.shownCount() === 1 }, 5000)
            ended.clear()
            verify(testDialogs.choose(path))
            // Read anew from the module: nothing to press or close meanwhile.
            tryCompare(commissioningReport, "busy", true)
            verify(child("progressBar").visible)
            verify(!child("saveReportButton").enabled)
            verify(!child("closeReportButton").enabled)
            verify(!child("siteField").enabled)
            root.Window.window.requestActivate()
            tryVerify(function() { return root.Window.contentItem.activeFocus })
            keyClick(Qt.Key_Escape)
            verify(popup.visible)
            tryCompare(ended, "count", 1, 30000)

            compare(ended.signalArguments[0][0], true, ended.signalArguments[0][1])
            compare(child("result").text, "The report was written to " + path + ".pdf.")
            verify(child("result").visible)
            verify(!testFolder.exists(path))
            var text = testFolder.pdfText(path + ".pdf")
            verify(text.indexOf("Substation North") >= 0, text)
            verify(text.indexOf("A. Meier") >= 0, text)
            compare(focusName(), "closeReportButton")
            keyClick(Qt.Key_Escape)
            tryCompare(popup, "visible", false)

            // Opened again in the session, the fields hold what was typed; the outcome is gone.
            openFromSettings()
            compare(child("siteField").text, "Substation North")
            compare(child("technicianField").text, "A. Meier")
            verify(!child("result").visible)
        }

        // Tab goes round the popup's controls in reading order (Clear only with
        // a file to clear); Return presses the one the keyboard is on.
        function test_keyboard() {
            connectTo(moduleLine.portNumber, 247)
            openFromSettings()
            popup.referenceFile = ""
            var names = ["technicianField", "chooseReferenceButton", "saveReportButton", "closeReportButton", "siteField"]
            var seen = []
            for (var i = 0; i < names.length; ++i) {
                keyClick(Qt.Key_Tab)
                seen.push(focusName())
            }
            compare(seen, names)
            popup.referenceFile = "file://" + testFolder.path("reference.json")
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Tab)
            compare(focusName(), "clearReferenceButton")
            keyClick(Qt.Key_Return)
            compare(popup.referenceFile, "")
            child("closeReportButton").keyTarget.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            tryCompare(popup, "visible", false)
        }

        // No folder of that name: the reason shows and no file is left.
        function test_unwritableFolderSaysWhy() {
            connectTo(moduleLine.portNumber, 247)
            openFromSettings()
            var path = testFolder.path("no-such-folder/report.pdf")
            ended.clear()
            popup.write(path)
            tryCompare(ended, "count", 1, 30000)
            compare(ended.signalArguments[0][0], false)
            var result = child("result")
            verify(result.text.indexOf("The report was not written: ") === 0, result.text)
            compare(result.color, Theme.error)
            verify(!testFolder.exists(path))
            verify(popup.visible)
            verify(child("saveReportButton").enabled)
        }

        // The reference goes to the report (an unreadable one is refused, with
        // why); cleared, the report is of the module's values alone.
        function test_referenceFileChosenAndCleared() {
            connectTo(moduleLine.portNumber, 247)
            openFromSettings()
            var reference = testFolder.makeFile("reference.json", 10)
            mouseClick(child("chooseReferenceButton"))
            tryVerify(function() { return testDialogs.shownCount() === 1 }, 5000)
            compare(popup.referenceDialog.nameFilters, ["Settings files (*.json)", "All files (*)"])
            verify(testDialogs.choose(reference))
            tryVerify(function() { return testDialogs.shownCount() === 0 }, 5000)
            root.Window.window.requestActivate()
            compare(child("referencePath").text, reference)
            var path = testFolder.path("referenced.pdf")
            ended.clear()
            popup.write(path)
            tryCompare(ended, "count", 1, 30000)
            compare(ended.signalArguments[0][0], false)
            verify(child("result").text.indexOf("The reference file was refused: ") === 0, child("result").text)
            verify(!testFolder.exists(path))

            mouseClick(child("clearReferenceButton"))
            compare(popup.referenceFile, "")
            verify(!child("clearReferenceButton").enabled)
            ended.clear()
            popup.write(path)
            tryCompare(ended, "count", 1, 30000)
            compare(ended.signalArguments[0][0], true, ended.signalArguments[0][1])
            verify(testFolder.exists(path))
        }

        function test_pdfEnding_data() {
            return [
                { tag: "none", name: "/t/x", written: "/t/x.pdf" },
                { tag: "dot alone", name: "/t/x.", written: "/t/x.pdf" },
                { tag: "own ending", name: "/t/x.PDF", written: "/t/x.PDF" },
                { tag: "other ending", name: "/t/x.txt", written: "/t/x.txt" },
                { tag: "dotted folder", name: "/t/a.b/x", written: "/t/a.b/x.pdf" }
            ]
        }

        // As the settings file's save: an ending is added only where the name has none.
        function test_pdfEnding(data) {
            compare(Fields.withPdfEnding(data.name), data.written)
        }

        // From the line view: the ticked modules only, all of them in the PDF.
        function test_lineReportOfTheTicked() {
            linePort = testLines.start(["--slaves", "120-122"])
            verify(linePort > 0)
            h.connexionPage.reloadLstPort()
            connectTo(linePort, 120)
            var lineView = h.popupLineView
            mouseClick(findChild(h.connexionPage, "lineButton"))
            tryCompare(lineView, "opened", true)
            tryCompare(lineModules, "finding", false, 30000)
            compare(lineView.rows.count, 3)
            lineModules.setAllTicked(true)
            lineModules.setTicked(121, false)
            tryCompare(lineView, "tickedCount", 2)
            var report = lineView.report
            mouseClick(findChild(lineView.contentItem, "reportButton"))
            tryCompare(report, "opened", true)
            compare(findChild(report.contentItem, "subject").text, "The ticked modules (slave address): 120, 122")
            var path = testFolder.path("line.pdf")
            ended.clear()
            report.write(path)
            tryCompare(ended, "count", 1, 60000)
            compare(ended.signalArguments[0][0], true, ended.signalArguments[0][1])
            var text = testFolder.pdfText(path)
            var serials = lineModules.modules.map(function(m) { return m.serialNumber })
            verify(text.indexOf(serials[0]) >= 0, serials[0])
            verify(text.indexOf(serials[1]) < 0, serials[1])
            verify(text.indexOf(serials[2]) >= 0, serials[2])
            // Escape closes the report, and only it.
            keyClick(Qt.Key_Escape)
            tryCompare(report, "visible", false)
            verify(lineView.visible)
        }

        function test_wholeAtTheSmallestWindow_data() {
            return [{ tag: "English", language: 0 }, { tag: "German", language: 1 }]
        }

        // The popup and its texts show whole at 800×600, in either language.
        function test_wholeAtTheSmallestWindow(data) {
            connectTo(moduleLine.portNumber, 247)
            backend.language = data.language === 0 ? "en_EN" : "de_DE"
            backend.currentLanguage = data.language
            backend.switchLanguage()
            openFromSettings()
            popup.referenceFile = "file://" + testFolder.path("a-rather-long-folder-name/and-a-settings-file.json")
            popup.resultText = "The report was written to " + testFolder.path("commissioning-report.pdf") + "."
            compare(popup.height, popup.contentItem.implicitHeight)
            verify(popup.y >= 0 && popup.y + popup.height <= root.height)
            var texts = ["subject", "referencePath", "result"]
            for (var i = 0; i < texts.length; ++i)
                verify(!child(texts[i]).truncated, texts[i])
        }
    }
}
