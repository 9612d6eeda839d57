import QtQuick 2.15
import "../theme"

// The dark band across the top of a popup, with its title.
Rectangle {
    property alias text: title.text

    width: parent ? parent.width : 0
    height: 50
    color: Theme.band

    Text {
        id: title
        anchors.centerIn: parent
        color: Theme.textOnDark
        font.pixelSize: titlePopupFontSize
    }
}
