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
    SignalSpy { id: loadFinish; target: backend; signalName: "loadRegisterFinish" }

    TestCase {
        name: "Waiting"
        when: windowShown

        function module(command) {
            var answer = moduleLine.command(command)
            verify(answer.indexOf("ok") === 0, command + ": " + answer)
        }

        function press(name) {
            mouseClick(findChild(h.menu, name))
        }

        function enterMainPage() {
            if (!backend.connectionState) {
                press("entryConnection")
                var box = findChild(h.connexionPage, "portSelector")
                box.currentIndex = backend.lstDevices.indexOf(moduleLine.portNumber)
                loadFinish.clear()
                mouseClick(findChild(h.connexionPage, "connectButton"))
                loadFinish.wait(5000)
                tryCompare(h.popupWaiting, "visible", false)
            }
            if (h.pages.currentIndex !== 1) {
                refreshEnd.clear()
                press("entryMain")
                refreshEnd.wait(5000)
                tryCompare(h.popupWaiting, "visible", false)
            }
        }

        // Blocks written, each once however often the client sent it.
        function writes() {
            var blocks = []
            moduleLine.requests().forEach(function(r) {
                if ([5, 6, 15, 16].indexOf(r.fn) >= 0 && blocks.indexOf(r.addr) < 0)
                    blocks.push(r.addr)
            })
            return blocks
        }

        function cleanup() {
            module("delay 0")
            h.popupAlert.close()
            h.notice.close()
            tryCompare(h.popupAlert, "visible", false)
            tryCompare(h.notice, "visible", false)
        }

        function test_cancelEndsTheWaitAndWritesNothingMore() {
            enterMainPage()
            backend.fsdid = "CNCL1"
            verify(h.mainPage.checkFieldChanged())
            // A slow module: the four writes of the apply take seconds.
            module("delay 1200")
            moduleLine.mark()
            mouseClick(findChild(h.topBar, "applyButton"))
            tryCompare(h.popupWaiting, "opened", true)
            compare(findChild(h.popupWaiting.contentItem, "waitText").text, "Writing the settings to the module…")
            var cancel = findChild(h.popupWaiting.contentItem, "cancelButton")
            verify(!cancel.visible)
            tryCompare(cancel, "visible", true, 5000)
            mouseClick(cancel)
            // The request on the line ends; the rest is never sent.
            tryCompare(h.popupWaiting, "visible", false, 5000)
            tryCompare(h.popupAlert, "visible", true)
            compare(h.popupAlert.title, "Cancelled")
            var sent = writes().length
            verify(sent < 4, sent + " writes")
            compare(h.popupAlert.message, sent === 0 ? "Cancelled: nothing was written to the module."
                                                     : "Cancelled: " + sent + " of 4 blocks were written.")
            compare(h.popupAlert.detail.split("\n").filter(function(l) { return /: written\.$/.test(l) }).length, sent)
            wait(2500)
            compare(writes().length, sent)
            // Not applied: the edit is still one, and the link stays.
            verify(h.mainPage.checkFieldChanged())
            verify(backend.connectionState)
            // The poll's reads dropped with it were no failures: no alarm lamp went dark.
            verify(backend.moduleStatusKnown && backend.fusesKnown && backend.temperatureStatusKnown)
            verify(!h.notice.visible)
        }

        function test_noticeAfterAnApply() {
            enterMainPage()
            mouseClick(findChild(h.topBar, "applyButton"))
            tryCompare(h.notice, "visible", true, 5000)
            compare(h.notice.text, "The settings were written to the module.")
            verify(!h.popupAlert.visible)
            tryCompare(h.popupWaiting, "visible", false)
            // A bare wait offers no way out.
            h.popupWaiting.open()
            wait(h.popupWaiting.cancelAfterMs + 300)
            verify(!findChild(h.popupWaiting.contentItem, "cancelButton").visible)
            h.popupWaiting.close()
        }
    }
}
