import QtQuick 2.15
import QtQuick.Controls 2.15

// Frame of every page: a title and a scrolling body. The body holds a column
// with the id scrollChild, whose height sizes the scrolled content.
Rectangle {
    id: root

    property string label: ""
    property Item content: null

    color: "#ffffff"

    onContentChanged: {
        if (content) {
            content.parent = flick.contentItem
            content.width = Qt.binding(function() { return flick.width })
        }
    }

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 10
        anchors.left: scrollArea.left
        text: root.label
        color: "black"
        font.pixelSize: titleFontSize
    }

    Item {
        id: scrollArea
        anchors.top: title.bottom
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: 590
        clip: true

        Flickable {
            id: flick
            anchors.fill: parent
            contentWidth: width
            contentHeight: scrollChild.height + 20
            boundsBehavior: Flickable.StopAtBounds

            ScrollBar.vertical: ScrollBar {
                policy: scrollChild.height > scrollArea.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                contentItem: Rectangle {
                    implicitWidth: 15
                    implicitHeight: 100
                    radius: width / 2
                    color: "#70242424"
                }
            }
        }
    }
}
