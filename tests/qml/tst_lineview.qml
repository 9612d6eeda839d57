import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.2
import "qrc:/theme"

// The line view on a line of five modules (110 to 114), connected to 110.
Item {
    width: 800
    height: 600

    Harness {
        id: h
        anchors.fill: parent
    }

    SignalSpy { id: workEnded; target: lineModules; signalName: "workEnded" }

    TestCase {
        name: "LineView"
        when: windowShown

        readonly property var slaves: [110, 111, 112, 113, 114]
        property int port: 0
        property var view: h.popupLineView

        function child(name) {
            return findChild(view.contentItem, name)
        }

        function line(command) {
            var answer = testLines.command(port, command)
            verify(answer.indexOf("ok") === 0, command + ": " + answer)
        }

        function rowIndex(slave) {
            for (var i = 0; i < view.rows.count; ++i) {
                if (view.rows.get(i).slaveAddress === slave)
                    return i
            }
            return -1
        }

        function row(slave) {
            var list = view.moduleList
            var i = rowIndex(slave)
            verify(i >= 0, "no row for " + slave)
            list.positionViewAtIndex(i, ListView.Contain)
            tryVerify(function() { return list.itemAtIndex(i) !== null })
            return list.itemAtIndex(i)
        }

        function ticks() {
            return lineModules.modules.map(function(m) { return m.ticked })
        }

        function connectTo(slave) {
            var page = h.connexionPage
            findChild(page, "portSelector").currentIndex = backend.lstDevices.indexOf(port)
            findChild(page, "slaveAddress")._text = String(slave)
            page.connectClicked()
            tryCompare(backend, "connectionState", true, 5000)
            tryCompare(h.popupWaiting, "visible", false, 10000)
        }

        function initTestCase() {
            port = testLines.start(["--slaves", "110-114"])
            verify(port > 0)
            h.connexionPage.reloadLstPort()
            connectTo(110)
        }

        function init() {
            mouseClick(findChild(h.connexionPage, "lineButton"))
            tryCompare(view, "opened", true)
            tryCompare(lineModules, "finding", false, 30000)
        }

        function cleanup() {
            if (view.question.visible)
                view.question.close()
            // An update's notice lies over the view's lower buttons until it goes.
            h.notice.close()
            view.close()
            tryCompare(view, "visible", false)
            verify(!lineModules.active)
            lineModules.setAllTicked(true)
            if (backend.linkSettings().slaveAddress !== 110) {
                connectTo(110)
            }
        }

        function cleanupTestCase() {
            h.connexionPage.connectClicked()
            tryCompare(backend, "connectionState", false, 5000)
        }

        // Every module once, in address order, the connected one marked.
        function test_listsTheLine() {
            compare(lineModules.modules.map(function(m) { return m.slaveAddress }), slaves)
            compare(view.rows.count, slaves.length)
            tryVerify(function() { return lineModules.modules.every(function(m) { return m.serialNumber !== "" }) }, 10000)
            for (var i = 0; i < slaves.length; ++i) {
                var item = row(slaves[i])
                compare(findChild(item, "address").text, String(slaves[i]))
                compare(findChild(item, "serialNumber").text, lineModules.modules[i].serialNumber)
                compare(findChild(item, "mark").text, slaves[i] === 110 ? "Connected" : "")
            }
            compare(child("statusText").text, "Modules found: 5")
        }

        function test_wholeTexts_data() {
            return [{ tag: "English", language: 0, connected: "Connected" },
                    { tag: "German", language: 1, connected: "Verbunden" }]
        }

        // At the smallest window the heads and the rows show whole, in either language.
        function test_wholeTexts(data) {
            tryVerify(function() { return lineModules.modules.every(function(m) { return m.serialNumber !== "" }) }, 10000)
            backend.language = data.language === 0 ? "en_EN" : "de_DE"
            backend.currentLanguage = data.language
            backend.switchLanguage()
            try {
                var heads = child("heads").children
                for (var i = 0; i < heads.length; ++i) {
                    if (heads[i].truncated !== undefined)
                        verify(!heads[i].truncated, heads[i].text)
                }
                compare(findChild(row(110), "mark").text, data.connected)
                var cells = ["address", "serialNumber", "fsdId", "firmwareVersion", "mark"]
                for (var c = 0; c < cells.length; ++c) {
                    var cell = findChild(row(110), cells[c])
                    verify(!cell.truncated, cell.text)
                }
            } finally {
                backend.language = "en_EN"
                backend.currentLanguage = 0
                backend.switchLanguage()
            }
        }

        // A blown fuse of one module shows on its lamp only; an unknown lamp is white.
        function test_lamps() {
            line("slave 112 alarm fuse 2 on")
            var item = row(112)
            tryCompare(findChild(item, "lampFuseL2"), "color", Theme.error, 10000)
            compare(findChild(item, "lampFuseL1").color, Theme.ok)
            compare(findChild(row(113), "lampFuseL2").color, Theme.ok)
            line("slave 112 alarm fuse 2 off")
            tryCompare(findChild(item, "lampFuseL2"), "color", Theme.ok, 10000)
        }

        // A module that stops answering keeps its row, marked.
        function test_silentModuleStays() {
            line("slave 113 silent on")
            tryCompare(findChild(row(113), "mark"), "text", "Not answering", 15000)
            compare(view.rows.count, slaves.length)
            line("slave 113 silent off")
            tryCompare(findChild(row(113), "mark"), "text", "", 15000)
        }

        function test_ticks_data() {
            return [
                { tag: "box", expected: [true, false, true, true, true],
                  act: function(t) { t.mouseClick(t.findChild(t.row(111), "tick")) } },
                { tag: "space on the list", expected: [true, true, false, true, true],
                  act: function(t) {
                      t.view.moduleList.forceActiveFocus()
                      t.view.moduleList.currentIndex = t.rowIndex(112)
                      t.keyClick(Qt.Key_Space)
                  } },
                { tag: "none", expected: [false, false, false, false, false],
                  act: function(t) { t.mouseClick(t.child("tickAll")) } }
            ]
        }

        // The ticks are the modules' own; no tick leaves nothing to work on.
        function test_ticks(data) {
            compare(ticks(), [true, true, true, true, true])
            verify(child("tickAll").isSelect)
            data.act(this)
            compare(ticks(), data.expected)
            compare(view.tickedCount, data.expected.filter(function(t) { return t }).length)
            verify(!child("tickAll").isSelect)
            compare(child("saveAllButton").enabled, view.tickedCount > 0)
            compare(child("updateAllButton").enabled, view.tickedCount > 0)
            mouseClick(child("tickAll"))
            compare(ticks(), [true, true, true, true, true])
        }

        function test_chooseAndBack_data() {
            return [
                { tag: "click", act: function(t) { t.mouseClick(t.row(112)) } },
                { tag: "return", act: function(t) {
                    t.view.moduleList.forceActiveFocus()
                    t.view.moduleList.currentIndex = t.rowIndex(112)
                    t.keyClick(Qt.Key_Return)
                } }
            ]
        }

        // The module picked becomes the connected one; Back returns to the one before.
        function connectedSlave() {
            return backend.connectionState ? backend.linkSettings().slaveAddress : 0
        }

        function test_chooseAndBack(data) {
            data.act(this)
            tryVerify(function() { return connectedSlave() === 112 }, 10000)
            tryCompare(findChild(row(112), "mark"), "text", "Connected", 5000)
            compare(findChild(row(110), "mark").text, "")
            compare(findChild(h.connexionPage, "slaveAddress")._text, "112")
            var back = child("backButton")
            tryCompare(back, "visible", true)
            compare(back.l_text, "Back to 110")
            mouseClick(back)
            tryVerify(function() { return connectedSlave() === 110 }, 10000)
            tryCompare(findChild(row(110), "mark"), "text", "Connected", 5000)
        }

        // A write goes only to the modules the question named, and only on its yes.
        function test_writeAsksFirst() {
            var folder = testFolder.path("")
            workEnded.clear()
            view.folderChosen("save", folder)
            workEnded.wait(30000)
            compare(lineModules.results.map(function(r) { return r.outcome }), [0, 0, 0, 0, 0])
            compare(view.outcomes.count, 5)
            var file = lineModules.results[1].serialNumber
            verify(file !== "")
            file = testFolder.path(file + ".json")
            verify(testFolder.exists(file), file)

            // Compared with the folder just written, through the question and the folder dialog.
            workEnded.clear()
            mouseClick(child("compareAllButton"))
            tryCompare(view.question, "opened", true)
            mouseClick(findChild(view.question.contentItem, "firstButton"))
            tryVerify(function() { return testDialogs.shownCount() === 1 }, 5000)
            verify(testDialogs.choose(folder))
            workEnded.wait(30000)
            compare(lineModules.results.map(function(r) { return r.outcome }), [0, 0, 0, 0, 0])

            mouseClick(findChild(row(111), "tick"))
            mouseClick(findChild(row(113), "tick"))
            view.fileChosen("restore", file)
            tryCompare(view.question, "opened", true)
            var message = findChild(view.question.contentItem, "message").text
            var named = slaves.filter(function(s) { return message.indexOf(s + " (") >= 0 })
            compare(named, [110, 112, 114])
            compare(findChild(view.question.contentItem, "firstButton").l_text, "Cancel")
            mouseClick(findChild(view.question.contentItem, "firstButton"))
            tryCompare(view.question, "visible", false)
            wait(200)
            verify(!lineModules.working)

            workEnded.clear()
            view.fileChosen("restore", file)
            tryCompare(view.question, "opened", true)
            mouseClick(findChild(view.question.contentItem, "secondButton"))
            verify(lineModules.working)
            verify(!child("saveAllButton").enabled)
            workEnded.wait(30000)
            compare(lineModules.results.map(function(r) { return r.slaveAddress }), [110, 112, 114])
            compare(findChild(view.resultList.itemAtIndex(0), "outcome").text, "Done")
            compare(child("workSummary").text, workEnded.signalArguments[0][1])
        }

        // An image no module would take is refused before any is touched, and the view says why.
        function test_unusableImageSaysWhy() {
            var image = testFolder.makeFile("empty.bin", 0)
            verify(image !== "")
            workEnded.clear()
            view.fileChosen("update", image)
            tryCompare(view.question, "opened", true)
            mouseClick(findChild(view.question.contentItem, "secondButton"))
            workEnded.wait(5000)
            verify(!lineModules.working)
            compare(child("workSummary").text, "The firmware image cannot be used: the image is empty.")
            verify(child("workSummary").visible)
            compare(lineModules.modules.map(function(m) { return m.answering }), [true, true, true, true, true])
        }

        // Each ticked module in turn, the progress shown; the module connected before is connected after.
        function test_updateTheTicked() {
            // Any small file will do: the module checks only its length and CRC.
            var image = Qt.resolvedUrl("../../qml/images/icons/contents/arrow.png")
            lineModules.setAllTicked(false)
            lineModules.setTicked(111, true)
            lineModules.setTicked(113, true)
            workEnded.clear()
            view.fileChosen("update", String(image))
            tryCompare(view.question, "opened", true)
            mouseClick(findChild(view.question.contentItem, "secondButton"))
            verify(lineModules.working)
            verify(child("workProgress").visible)
            verify(child("cancelButton").visible)
            verify(!child("closeButton").enabled)
            tryVerify(function() { return lineModules.workModuleProgress > 0 }, 15000)
            compare(child("workModule").text, "Module 111 (1 of 2)")
            workEnded.wait(60000)
            compare(lineModules.results.map(function(r) { return [r.slaveAddress, r.outcome] }), [[111, 0], [113, 0]])
            verify(!h.popupAlert.visible)
            verify(!h.popupWaiting.visible)
            tryVerify(function() { return connectedSlave() === 110 }, 10000)
        }

        function focusName() {
            for (var p = view.contentItem.Window.window.activeFocusItem; p; p = p.parent) {
                if (p.objectName !== "" && p.objectName !== "key")
                    return p.objectName
            }
            return ""
        }

        // Tab goes round the view's controls in reading order and stays in it.
        function test_tabOrder() {
            var names = ["backButton", "findButton", "tickAll", "lineModuleList", "resultList", "saveAllButton",
                         "compareAllButton", "restoreAllButton", "updateAllButton", "reportButton", "closeButton"]
            // Back and the results only once there is a module to go back to, and results.
            names = names.filter(function(name) { return child(name).visible })
            var list = names.indexOf("lineModuleList")
            compare(focusName(), "lineModuleList")
            var seen = []
            for (var i = 0; i < names.length; ++i) {
                keyClick(Qt.Key_Tab)
                seen.push(focusName())
            }
            compare(seen, names.slice(list + 1).concat(names.slice(0, list + 1)))
        }

        function test_escapeCloses() {
            keyClick(Qt.Key_Escape)
            tryCompare(view, "visible", false)
            verify(!lineModules.active)
        }
    }
}
