import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// Asked when the window is closed while a firmware update runs: leaving then
// ends the update halfway, with the module in its bootloader. The safe answer
// has the keyboard first, and Escape gives it too.
VPopupBase {
    id: popup

    // Bound by the owner to the update's state; the question goes when the update ends.
    property bool updateRunning: false
    readonly property alias title: band.text
    readonly property alias message: messageText.text
    // True only while the window closes at the operator's word.
    property bool leaving: false

    // Closes the window anyway: the owner calls close() again, which mayClose() then lets through.
    signal closeAnyway()

    // Whether the window may close now; when not, the question is asked.
    function mayClose() {
        if (!updateRunning || leaving)
            return true
        open()
        return false
    }

    function leave() {
        leaving = true
        close()
        closeAnyway()
        leaving = false
    }

    width: 500
    height: 50 + messageText.implicitHeight + 60
    closePolicy: Popup.CloseOnEscape

    onUpdateRunningChanged: if (!updateRunning) close()
    onOpened: keepButton.keyTarget.forceActiveFocus(Qt.TabFocusReason)

    contentItem: Column {
        VPopupBand {
            id: band
            text: qsTr("Firmware update running")
        }

        Text {
            id: messageText
            width: parent.width
            padding: 30
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
            text: qsTr("An update is running; closing now leaves the module in its bootloader")
        }

        Item {
            width: parent.width
            height: 60

            Row {
                anchors.centerIn: parent
                spacing: 20

                VButton {
                    id: keepButton
                    objectName: "keepButton"
                    l_text: qsTr("Keep updating")
                    onClick: function() { popup.close() }
                }

                VButton {
                    objectName: "closeAnywayButton"
                    l_text: qsTr("Close anyway")
                    onClick: function() { popup.leave() }
                }
            }
        }
    }
}
