import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// Asked when the window is closed while closing would lose something. The
// safe answer, keeping the window, has the keyboard first; Escape gives it too.
VPopupBase {
    id: popup

    // Whether closing now needs the operator's word.
    property bool askNeeded: false
    property alias title: band.text
    property alias message: messageText.text
    property alias keepText: keepButton.l_text
    property alias closeText: closeAnywayButton.l_text
    // True only while the window closes at the operator's word.
    property bool leaving: false

    // Closes the window anyway: the owner calls close() again, which mayClose() then lets through.
    signal closeAnyway()

    // Whether the window may close now; when not, the question is asked.
    function mayClose() {
        if (!askNeeded || leaving)
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

    onOpened: keepButton.keyTarget.forceActiveFocus(Qt.TabFocusReason)

    contentItem: Column {
        VPopupBand {
            id: band
        }

        Text {
            id: messageText
            width: parent.width
            padding: 30
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
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
                    onClick: function() { popup.close() }
                }

                VButton {
                    id: closeAnywayButton
                    objectName: "closeAnywayButton"
                    onClick: function() { popup.leave() }
                }
            }
        }
    }
}
