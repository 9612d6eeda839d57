import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import "qrc:/popup"
import "qrc:/view"

// Popups made when first opened: where they show, when they go, and that a
// busy one stays.
Item {
    id: root

    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25
    property int titlePopupFontSize: 19

    width: 1024
    height: 768

    property int made: 0

    // The same popup made with the window, to compare with.
    VPopupBase {
        id: eager
        width: 300
        height: 200
    }

    VLazyPopup {
        id: freed
        freeWhenClosed: true
        sourceComponent: Component {
            VPopupBase {
                property bool busy: false
                objectName: "freedPopup"
                width: 300
                height: 200
                Component.onCompleted: ++root.made
            }
        }
    }

    VLazyPopup {
        id: kept
        sourceComponent: Component {
            VPopupBase {
                width: 300
                height: 200
            }
        }
    }

    // The window's bus monitor, as the main window holds it.
    VLazyPopup {
        id: monitorHolder
        freeWhenClosed: true
        sourceComponent: Component { VPopupBusMonitor {} }
    }

    TestCase {
        name: "LazyPopup"
        when: windowShown

        function cleanup() {
            for (var holder of [freed, kept, monitorHolder]) {
                if (holder.item) {
                    if (holder.item.busy !== undefined)
                        holder.item.busy = false
                    holder.item.close()
                }
            }
            eager.close()
            tryVerify(function() { return freed.item === null && monitorHolder.item === null })
        }

        function test_madeOnFirstOpenOnly() {
            var before = root.made
            compare(freed.item, null)
            compare(findChild(root, "freedPopup"), null)
            var popup = freed.get()
            verify(popup !== null)
            compare(root.made, before + 1)
            // Asked again while it lives: the same one.
            compare(freed.get(), popup)
            compare(root.made, before + 1)
            compare(findChild(root, "freedPopup"), popup)
        }

        // Over the window and in its middle, as one made with it.
        function test_placedAsAnEagerOne() {
            eager.open()
            var popup = kept.get()
            popup.open()
            tryCompare(popup, "opened", true)
            tryCompare(eager, "opened", true)
            compare(popup.parent, eager.parent)
            compare(popup.x, eager.x)
            compare(popup.y, eager.y)
            compare(popup.x, Math.round((root.width - 300) / 2))
            verify(popup.modal)
        }

        function test_freedOnceClosed() {
            var popup = freed.get()
            popup.open()
            tryCompare(popup, "opened", true)
            // Open, it stays however long.
            wait(50)
            compare(freed.item, popup)
            popup.close()
            tryCompare(freed, "item", null)
            compare(findChild(root, "freedPopup"), null)
            // Made anew at the next opening.
            var again = freed.get()
            verify(again !== null)
            again.open()
            tryCompare(again, "opened", true)
        }

        // An operation under way outlives the closing; the popup goes when it ends.
        function test_busyOneStays() {
            var popup = freed.get()
            popup.open()
            tryCompare(popup, "opened", true)
            popup.busy = true
            popup.close()
            tryCompare(popup, "visible", false)
            wait(50)
            compare(freed.item, popup)
            popup.busy = false
            tryCompare(freed, "item", null)
        }

        function test_keptWithoutFreeWhenClosed() {
            var popup = kept.get()
            popup.open()
            tryCompare(popup, "opened", true)
            popup.close()
            tryCompare(popup, "visible", false)
            wait(50)
            compare(kept.item, popup)
            compare(kept.get(), popup)
        }

        // Made for nothing but to be opened: one that is not opened goes too.
        function test_madeButNotOpenedGoes() {
            verify(freed.get() !== null)
            tryCompare(freed, "item", null)
        }

        // The bus monitor opens with the exchanges kept while it did not exist.
        function test_busMonitorMadeAnewShowsTheList() {
            var monitor = monitorHolder.get()
            monitor.open()
            tryCompare(monitor, "opened", true)
            verify(busMonitor.active)
            monitor.close()
            tryCompare(monitorHolder, "item", null)
            verify(!busMonitor.active)
            monitor = monitorHolder.get()
            monitor.open()
            tryCompare(monitor, "opened", true)
            verify(busMonitor.active)
            compare(monitor.list.count, busMonitor.count)
        }
    }
}
