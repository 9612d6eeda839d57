import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// How a save, compare or restore of the module's settings ended: what
// happened, then one line per difference or problem.
VPopupBase {
    id: popup

    property int outcome: 0
    property alias message: messageText.text
    property var details: []
    // Offers the table of the differences, to choose which to write.
    property bool choosable: false
    // Runs on "Choose what to write…", after the popup closed.
    property var onChoose: null
    readonly property alias title: band.text
    readonly property alias detailList: list

    // SettingsFiles.Outcome: done, differences found, failed.
    function show(outcomeValue, messageValue, detailLines) {
        outcome = outcomeValue
        message = messageValue
        details = detailLines
        list.contentY = 0
        open()
    }

    width: 600
    // A long list scrolls rather than pushing the button out of the window.
    height: Math.min(50 + messageText.implicitHeight + listHeight + 60, parent ? parent.height - 40 : 600)
    readonly property real listHeight: details.length > 0 ? Math.min(lines.height, 240) + 10 : 0

    contentItem: Item {
        focus: true
        Keys.onReturnPressed: popup.close()
        Keys.onEnterPressed: popup.close()

        VPopupBand {
            id: band
            text: popup.outcome === 1 ? qsTr("Differences found")
                                      : popup.outcome === 2 ? qsTr("Failed") : qsTr("Done")
        }

        Text {
            id: messageText
            objectName: "message"
            anchors.top: band.bottom
            width: parent.width
            padding: 20
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        Flickable {
            id: list
            objectName: "details"
            anchors.top: messageText.bottom
            anchors.bottom: buttons.top
            anchors.bottomMargin: 10
            anchors.left: parent.left
            anchors.leftMargin: 30
            anchors.right: parent.right
            anchors.rightMargin: 30
            contentWidth: width
            contentHeight: lines.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: lines
                width: list.width - 20

                Repeater {
                    model: popup.details

                    Text {
                        width: lines.width
                        topPadding: 2
                        bottomPadding: 2
                        text: modelData
                        color: Theme.text
                        // Paths have no spaces to break at.
                        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                        font.pixelSize: textFontSize
                    }
                }
            }

            ScrollBar.vertical: ScrollBar {
                policy: lines.height > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                contentItem: Rectangle {
                    implicitWidth: 10
                    implicitHeight: 100
                    radius: width / 2
                    color: Theme.scrollHandle
                }
            }
        }

        Item {
            id: buttons
            anchors.bottom: parent.bottom
            width: parent.width
            height: 60

            Row {
                anchors.centerIn: parent
                spacing: 20

                VButton {
                    objectName: "chooseButton"
                    visible: popup.choosable
                    width: Math.max(150, implicitWidth)
                    l_text: qsTr("Choose what to write…")
                    onClick: function() {
                        popup.close()
                        if (popup.onChoose)
                            popup.onChoose()
                    }
                }

                VButton {
                    objectName: "okButton"
                    l_text: "OK"
                    onClick: function() { popup.close() }
                }
            }
        }
    }
}
