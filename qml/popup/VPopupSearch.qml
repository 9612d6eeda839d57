import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// Searches a port for modules at every slave address, baud rate and parity
// and lists those that answer, while the search goes on. Choosing one hands
// it to `chosen`; closing the popup in any way stops the search.
VPopupBase {
    id: popup

    // Set when the search has ended, with why it could not run.
    property bool ended: false
    property string error: ""
    readonly property alias foundList: list
    readonly property alias found: foundModel

    // A map as in lineSearch.results.
    signal chosen(var module)

    function start(portIndex, slaveAddress, baudIndex, parityIndex) {
        ended = false
        error = ""
        foundModel.clear()
        open()
        // A button pressed in an earlier search kept the focus: Up, Down and Return are the list's.
        list.forceActiveFocus()
        // A port that cannot be opened ends the search before this returns.
        lineSearch.start(portIndex, slaveAddress, baudIndex, parityIndex)
    }

    function stop() {
        if (lineSearch.running)
            lineSearch.cancel()
    }

    function choose(index) {
        if (index < 0 || index >= foundModel.count)
            return
        var module = foundModel.get(index)
        var choice = {
            slaveAddress: module.slaveAddress,
            baudrate: module.baudrate,
            baudIndex: module.baudIndex,
            parity: module.parity,
            serialNumber: module.serialNumber,
            firmwareVersion: module.firmwareVersion,
            text: module.text
        }
        stop()
        close()
        chosen(choice)
    }

    // The list only grows while a search runs: new entries are appended, so
    // the one the operator is on stays where it is.
    function takeResults() {
        var results = lineSearch.results
        if (results.length < foundModel.count)
            foundModel.clear()
        for (var i = foundModel.count; i < results.length; ++i)
            foundModel.append(results[i])
        // A list emptied for a new search starts with no current entry.
        if (list.currentIndex < 0 && foundModel.count > 0)
            list.currentIndex = 0
    }

    function statusText() {
        if (error !== "")
            return error
        if (!ended)
            return qsTr("Searching…")
        return qsTr("No module answered on this port.")
    }

    width: 600
    height: Math.min(body.implicitHeight, parent ? parent.height - 40 : 600)
    // A stray click outside must not end a long search.
    closePolicy: Popup.CloseOnEscape

    onAboutToHide: stop()

    ListModel {
        id: foundModel
    }

    Connections {
        target: lineSearch
        function onChanged() {
            popup.takeResults()
        }
        function onFinished(cancelled, error) {
            popup.ended = true
            popup.error = error
        }
    }

    contentItem: Column {
        id: body

        VPopupBand {
            text: qsTr("Search for modules")
        }

        Column {
            width: parent.width
            padding: 30
            bottomPadding: 10
            spacing: 10

            Text {
                objectName: "progressText"
                width: parent.width - 60
                text: qsTr("Settings tried: %1 of %2").arg(lineSearch.done).arg(lineSearch.total)
                color: Theme.text
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: textFontSize
            }

            VProgressBar {
                objectName: "searchProgress"
                width: parent.width - 60
                from: 0
                to: Math.max(1, lineSearch.total)
                value: lineSearch.done
            }

            Rectangle {
                width: parent.width - 60
                height: 180
                color: Theme.control
                radius: Theme.controlRadius
                border.width: 1
                border.color: Theme.border

                ListView {
                    id: list
                    objectName: "foundList"
                    anchors.fill: parent
                    anchors.margins: 6
                    clip: true
                    focus: true
                    model: foundModel
                    boundsBehavior: Flickable.StopAtBounds
                    Keys.onReturnPressed: popup.choose(currentIndex)
                    Keys.onEnterPressed: popup.choose(currentIndex)

                    delegate: Rectangle {
                        width: ListView.view.width
                        height: entry.implicitHeight
                        radius: 4
                        color: ListView.isCurrentItem ? Theme.selection : Theme.control

                        Text {
                            id: entry
                            width: parent.width
                            padding: 6
                            text: model.text
                            color: parent.ListView.isCurrentItem ? Theme.textOnDark : Theme.text
                            wrapMode: Text.WordWrap
                            font.pixelSize: textFontSize
                        }

                        MouseArea {
                            anchors.fill: parent
                            onClicked: popup.choose(index)
                        }
                    }

                    ScrollBar.vertical: ScrollBar {
                        policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                        contentItem: Rectangle {
                            implicitWidth: 10
                            implicitHeight: 100
                            radius: width / 2
                            color: Theme.scrollHandle
                        }
                    }
                }

                // Where the list stays empty: searching, nothing found, or why the search could not run.
                Text {
                    objectName: "searchStatus"
                    anchors.fill: parent
                    anchors.margins: 15
                    visible: foundModel.count === 0
                    text: popup.statusText()
                    color: popup.error !== "" ? Theme.error : Theme.text
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    // Paths have no spaces to break at.
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                    font.pixelSize: textFontSize
                }
            }
        }

        Item {
            width: parent.width
            height: 60

            Row {
                anchors.centerIn: parent
                spacing: 15

                VButton {
                    objectName: "useButton"
                    enabled: foundModel.count > 0
                    l_text: qsTr("Use")
                    onClick: function() { popup.choose(list.currentIndex) }
                }

                VButton {
                    objectName: "cancelButton"
                    l_text: lineSearch.running ? qsTr("Cancel") : qsTr("Close")
                    onClick: function() {
                        popup.stop()
                        popup.close()
                    }
                }
            }
        }
    }
}
