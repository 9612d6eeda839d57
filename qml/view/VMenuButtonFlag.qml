import QtQuick 2.15

// The settings entry of the side menu: the two language flags instead of text.
VMenuEntry {
    id: root

    Image {
        id: flagUs
        anchors.left: root.selectBar.right
        anchors.leftMargin: 25
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        width: height * 225 / 135
        source: "../images/icons/contents/flag_us.png"
        fillMode: Image.PreserveAspectFit
    }

    Image {
        anchors.left: flagUs.right
        anchors.leftMargin: 35
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        width: height * 225 / 135
        source: "../images/icons/contents/flag_de.png"
        fillMode: Image.PreserveAspectFit
        opacity: 0.75
    }
}
