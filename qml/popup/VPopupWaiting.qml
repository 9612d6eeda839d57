import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// Blocks the window while a sequence runs; only its owner closes it. Opened
// with openFor it says what it waits for and, after a few seconds, offers
// Cancel: what is still queued is dropped, the request on the line ends, and
// an alert says what the module took.
VPopupBase {
    id: popup

    // What the wait is for, in the interface language; empty for a bare wait.
    property string what: ""
    // The operation tells its own end, cancelled or not (a settings file's account).
    property bool reportsItself: false
    readonly property bool cancelShown: what !== "" && cancelDelay.elapsed && !operationReport.cancelling
    readonly property int cancelAfterMs: 3000
    // This wait was cancelled: its account is this popup's to show, even when
    // the sequence's own end has closed it meanwhile.
    property bool cancelAsked: false

    function openFor(text, ownReport) {
        what = text
        reportsItself = ownReport === true
        cancelAsked = false
        operationReport.begin()
        open()
    }

    function cancel() {
        if (!cancelShown)
            return
        cancelAsked = true
        operationReport.cancel()
    }

    closePolicy: Popup.NoAutoClose

    background: Item {}

    onAboutToShow: {
        cancelDelay.elapsed = false
        cancelDelay.restart()
    }
    onClosed: {
        cancelDelay.stop()
        what = ""
    }
    onCancelShownChanged: {
        if (cancelShown)
            cancelButton.keyTarget.forceActiveFocus(Qt.TabFocusReason)
    }

    Timer {
        id: cancelDelay
        property bool elapsed: false
        interval: popup.cancelAfterMs
        onTriggered: elapsed = true
    }

    Connections {
        target: operationReport
        function onCancelEnded(message, details) {
            if (!popup.cancelAsked)
                return
            popup.cancelAsked = false
            popup.close()
            if (!popup.reportsItself)
                popupAlert.showWithParams(qsTr("Cancelled"), message, details.join("\n"))
        }
    }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: 250 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: 250 }
    }

    contentItem: Column {
        spacing: 20
        Keys.onEscapePressed: popup.cancel()

        Item {
            id: ring
            objectName: "spinner"

            // The dot in front; the others fade behind it. It moves a step at a
            // time, a few times a second, rather than turning the ring every
            // frame: each frame redraws the whole window, which costs a core and
            // more under a software renderer, for as long as a request waits.
            property int head: 0

            anchors.horizontalCenter: parent.horizontalCenter
            width: 64
            height: 64

            Repeater {
                model: 8

                Rectangle {
                    x: (ring.width - width) / 2
                    y: (ring.height - height) / 2
                    width: 10
                    height: 10
                    radius: 5
                    color: Theme.mark
                    opacity: 1.0 - ((ring.head - index + 8) % 8) * 0.11
                    transform: [
                        Translate { y: -(ring.height / 2 - 5) },
                        Rotation {
                            origin.x: 5
                            origin.y: 5
                            angle: index / 8 * 360
                        }
                    ]
                }
            }

            // Once round in two seconds, as the ring turned before.
            Timer {
                interval: 250
                repeat: true
                running: popup.visible
                onTriggered: ring.head = (ring.head + 1) % 8
            }
        }

        // What is waited for, and the way out.
        Rectangle {
            objectName: "waitPanel"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: popup.what !== ""
            width: 360
            height: panelColumn.height + 30
            radius: Theme.panelRadius
            color: Theme.background

            Column {
                id: panelColumn
                anchors.centerIn: parent
                width: parent.width - 30
                spacing: 15

                Text {
                    objectName: "waitText"
                    width: parent.width
                    text: operationReport.cancelling
                          ? qsTr("Cancelling: nothing more is sent; the request on the line ends first.")
                          : popup.what
                    color: Theme.text
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    font.pixelSize: textFontSize
                }

                VButton {
                    id: cancelButton
                    objectName: "cancelButton"
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: popup.cancelShown
                    l_text: qsTr("Cancel")
                    onClick: function() { popup.cancel() }
                }
            }
        }
    }
}
