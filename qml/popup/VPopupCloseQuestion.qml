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
    property alias title: body.title
    property alias message: body.message
    property alias keepText: body.firstText
    property alias closeText: body.secondText
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
    height: 50 + body.messageItem.implicitHeight + 60
    closePolicy: Popup.CloseOnEscape

    onOpened: body.first.keyTarget.forceActiveFocus(Qt.TabFocusReason)

    contentItem: VPopupQuestionBody {
        id: body
        first.objectName: "keepButton"
        first.onClick: function() { popup.close() }
        second.objectName: "closeAnywayButton"
        second.onClick: function() { popup.leave() }
    }
}
