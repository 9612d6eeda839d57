import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// A thin bar on a light track, filled from the left.
ProgressBar {
    id: bar

    padding: 2

    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 6
        color: Theme.progressTrack
        radius: 3
    }

    contentItem: Item {
        implicitWidth: 200
        implicitHeight: 4

        Rectangle {
            width: bar.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: Theme.mark
        }
    }
}
