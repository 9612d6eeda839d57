import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// Frame of every page: a title and a scrolling body. The body is a VPanel,
// whose rows' height sizes the scrolled content.
Rectangle {
    id: root

    property string label: ""
    property Item content: null
    readonly property real bodyHeight: content ? content.bodyHeight : 0

    color: Theme.background

    onContentChanged: {
        if (content) {
            content.parent = flick.contentItem
            content.width = Qt.binding(function() { return flick.width })
        }
    }

    VFollowFocus {
        flickable: flick
    }

    Text {
        id: title
        anchors.top: parent.top
        anchors.topMargin: 10
        anchors.left: scrollArea.left
        text: root.label
        color: Theme.text
        font.pixelSize: titleFontSize
    }

    Item {
        id: scrollArea
        anchors.top: title.bottom
        anchors.topMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: Theme.contentWidth
        clip: true

        Flickable {
            id: flick
            anchors.fill: parent
            contentWidth: width
            contentHeight: root.bodyHeight + 20
            boundsBehavior: Flickable.StopAtBounds

            ScrollBar.vertical: ScrollBar {
                policy: root.bodyHeight > scrollArea.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                contentItem: Rectangle {
                    implicitWidth: 15
                    implicitHeight: 100
                    radius: width / 2
                    color: Theme.scrollHandle
                }
            }
        }
    }
}
