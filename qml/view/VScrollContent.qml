import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// Frame of every page: a title and a scrolling body. The body is a VPanel,
// whose rows' height sizes the scrolled content. A page of the module's values
// greys them while they are not live, and says when they were read.
Rectangle {
    id: root

    property string label: ""
    property Item content: null
    readonly property real bodyHeight: content ? content.bodyHeight : 0
    property bool showsModuleValues: false
    readonly property bool valuesStale: showsModuleValues && linkState.stale

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

    Text {
        id: staleNotice
        objectName: "staleNotice"
        anchors.top: title.bottom
        anchors.topMargin: 10
        anchors.left: scrollArea.left
        width: scrollArea.width
        visible: root.valuesStale
        text: {
            var read = Qt.formatDateTime(linkState.lastReadAt, "dd/MM/yyyy HH:mm:ss")
            return linkState.lost
                    ? qsTr("Not live: last read at %1. The link to the module was lost (%2).").arg(read).arg(linkState.cause)
                    : qsTr("Not live: last read at %1. Not connected.").arg(read)
        }
        color: Theme.error
        wrapMode: Text.WordWrap
        font.pixelSize: textFontSize
    }

    Item {
        id: scrollArea
        anchors.top: staleNotice.visible ? staleNotice.bottom : title.bottom
        anchors.topMargin: staleNotice.visible ? 10 : 20
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

            // Above the rows, which come in later: clicks go through to them.
            Rectangle {
                objectName: "staleVeil"
                z: 1
                visible: root.valuesStale
                width: root.content ? root.content.width : 0
                height: root.content ? root.content.height : 0
                radius: Theme.panelRadius
                color: Theme.staleVeil
            }

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
