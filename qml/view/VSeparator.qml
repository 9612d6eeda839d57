import QtQuick 2.15
import "../theme"

Item {
    x: 30
    width: parent ? parent.width - 60 : 0
    height: 40

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 2
        radius: 10
        color: Theme.separator
    }
}
