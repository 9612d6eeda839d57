import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// The module's own serial settings: asked before they are written, with what
// changes on the link, and afterwards whether the tool reconnects at them.
// The answer that leaves the link as it is has the keyboard first, and Escape
// gives it too.
VPopupBase {
    id: popup

    readonly property alias title: body.title
    readonly property alias message: body.message
    property string yesText: ""
    property string noText: ""
    property var onYes: null
    property var onNo: null
    property bool answered: false

    function parityText(parity) {
        return parity === 0 ? qsTr("none") : parity === 1 ? qsTr("even") : qsTr("odd")
    }

    // Settings as backend.linkSettings() names them.
    function settingsText(s) {
        return qsTr("slave address %1, %2 baud, parity %3").arg(s.slaveAddress).arg(s.baudrate).arg(parityText(s.parity))
    }

    // One line per setting in which `to` differs from `from`; none when either is unknown.
    function changeLines(from, to) {
        if (!from || from.slaveAddress === undefined || !to || to.slaveAddress === undefined)
            return []
        var lines = []
        if (from.slaveAddress !== to.slaveAddress)
            lines.push(qsTr("Slave address: %1 → %2").arg(from.slaveAddress).arg(to.slaveAddress))
        if (from.baudrate !== to.baudrate)
            lines.push(qsTr("Baud rate: %1 → %2").arg(from.baudrate).arg(to.baudrate))
        if (from.parity !== to.parity)
            lines.push(qsTr("Parity: %1 → %2").arg(parityText(from.parity)).arg(parityText(to.parity)))
        return lines
    }

    function ask(titleText, messageValue, yes, no, yesAction, noAction) {
        body.title = titleText
        body.message = messageValue
        yesText = yes
        noText = no
        onYes = yesAction
        onNo = noAction
        answered = false
        open()
    }

    // `write` runs on the operator's yes.
    function confirmWrite(lines, write) {
        ask(qsTr("Write the serial settings?"),
            qsTr("The module's own serial settings change:") + "\n" + lines.join("\n") + "\n\n"
            + qsTr("The module then answers at the new settings only, and this link no longer reaches it. "
                   + "Afterwards the tool offers to reconnect at them."),
            qsTr("Write"), qsTr("Cancel"), write, null)
    }

    // `to` as settingsText() takes it; `keep` runs on a no, Escape included.
    function offerReconnect(to, reconnect, keep) {
        ask(qsTr("Serial settings written"),
            qsTr("The module now answers at %1 only. Reconnect at these settings?").arg(settingsText(to)),
            qsTr("Reconnect"), qsTr("Keep this link"), reconnect, keep)
    }

    // The action of the answer, once; the popup closes first (unless it is closing already).
    function answer(yes, closing) {
        if (answered)
            return
        answered = true
        var action = yes ? onYes : onNo
        onYes = null
        onNo = null
        if (!closing)
            close()
        if (action)
            action()
    }

    width: 520
    height: 50 + body.messageItem.implicitHeight + 60
    closePolicy: Popup.CloseOnEscape

    onOpened: body.first.keyTarget.forceActiveFocus(Qt.TabFocusReason)

    // Closed by Escape: the answer that leaves the link as it is.
    Connections {
        target: popup
        function onAboutToHide() {
            if (!popup.answered)
                popup.answer(false, true)
        }
    }

    contentItem: VPopupQuestionBody {
        id: body
        buttonWidth: 170
        messageItem.objectName: "message"
        first.objectName: "noButton"
        first.l_text: popup.noText
        first.onClick: function() { popup.answer(false) }
        second.objectName: "yesButton"
        second.l_text: popup.yesText
        second.onClick: function() { popup.answer(true) }
    }
}
