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

        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: 2000
            loops: Animation.Infinite
            running: popup.visible
        }
    }
}
