import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// A short word that an operation went well, above the bottom bar and over
// any popup; it goes by itself, or on a click. An apply the module did not
// take whole, or took in part, gets an alert instead.
Popup {
    id: notice

    readonly property alias text: label.text

    function show(message) {
        label.text = message
        // Long enough to read a path.
        hide.interval = Math.min(4000 + 50 * message.length, 12000)
        hide.restart()
        open()
    }

    // Kept off the side menu, over the page area.
    property real pageLeft: 0

    parent: Overlay.overlay
    x: Math.round(pageLeft + (parent.width - pageLeft - width) / 2)
    y: parent.height - height - 60
    z: 10
    width: Math.min(label.implicitWidth + 24, parent.width - pageLeft - 40)
    modal: false
    focus: false
    closePolicy: Popup.NoAutoClose
    padding: 12

    background: Rectangle {
        radius: Theme.controlRadius
        color: Theme.bar
    }

    Timer {
        id: hide
        onTriggered: notice.close()
    }

    Connections {
        target: operationReport
        function onApplied(allTaken, details) {
            if (allTaken)
                notice.show(qsTr("The settings were written to the module."))
            else
                popupAlert.showWithParams(qsTr("Apply error"), qsTr("The module did not take every setting."),
                                          details.join("\n"))
        }
    }

    Connections {
        target: backend
        function onUpdateSuccess() {
            var path = settingsFiles.updateBackupPath()
            var error = settingsFiles.updateBackupError()
            notice.show(path !== "" ? qsTr("The firmware was updated. The settings from before it were kept in %1.").arg(path)
                      : error !== "" ? qsTr("The firmware was updated. The settings could not be kept before it: %1").arg(error)
                      : qsTr("The firmware was updated."))
        }
    }

    contentItem: Text {
        id: label
        objectName: "noticeText"
        color: Theme.barText
        horizontalAlignment: Text.AlignHCenter
        // Paths have no spaces to break at.
        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        font.pixelSize: textFontSize

        MouseArea {
            anchors.fill: parent
            onClicked: notice.close()
        }
    }
}
