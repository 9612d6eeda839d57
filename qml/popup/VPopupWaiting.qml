import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// Blocks the window while a sequence runs; only its owner closes it.
VPopupBase {
    id: popup

    closePolicy: Popup.NoAutoClose

    background: Item {}

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: 250 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: 250 }
    }

    contentItem: Item {
        id: ring
        objectName: "spinner"

        // The dot in front; the others fade behind it. It moves a step at a
        // time, a few times a second, rather than turning the ring every
        // frame: each frame redraws the whole window, which costs a core and
        // more under a software renderer, for as long as a request waits.
        property int head: 0

        implicitWidth: 64
        implicitHeight: 64

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
}
