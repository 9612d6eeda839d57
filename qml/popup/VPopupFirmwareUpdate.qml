import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form

// Chooses an image file and follows the update; it cannot be closed while one runs.
VPopupBase {
    id: popup

    property string filename: ""
    property bool isInUpdate: false
    readonly property alias progress: bar.value

    function localPath(url) {
        return Form.localPath(url)
    }

    function startUpdate() {
        if (filename === "") {
            popupAlert.showWithParams(qsTr("No file"), qsTr("Please select binary firmware update."))
            return
        }
        isInUpdate = true
        backend.startUpdate(filename)
    }

    function finish() {
        isInUpdate = false
        filename = ""
        bar.value = 0
    }

    width: 420
    height: 250
    closePolicy: isInUpdate ? Popup.NoAutoClose : (Popup.CloseOnEscape | Popup.CloseOnPressOutside)

    // The line view's updates are its own to report.
    Connections {
        target: backend
        enabled: !lineModules.working
        function onUpdateProgress(progression) {
            bar.value = progression
        }
        function onUpdateSuccess() {
            console.log("onUpdateSuccess ")
            popup.close()
            popupWaiting.openFor(qsTr("Reading the module…"))
            backend.refreshHomePage()
            popup.finish()
        }
        function onUpdateFail() {
            console.log("onUpdateFail ")
            popup.close()
            // A file refused before anything was sent says why, below the usual text.
            var reasons = {
                "EmptyImage": qsTr("The firmware file is empty."),
                "ImageTooLarge": qsTr("The firmware file is larger than the module's 1 MiB flash.")
            }
            var message = qsTr("Error during update firmware. Please reboot module before try again.")
            if (reasons.hasOwnProperty(backend.updateFailReason))
                message += "\n" + reasons[backend.updateFailReason]
            popupAlert.showWithParams(qsTr("Update error"), message)
            popup.finish()
        }
    }

    VFileDialog {
        id: fileDialog
        objectName: "firmwareFileDialog"
        title: qsTr("Select the firmware version to apply.")
        nameFilters: [qsTr("Binary files") + "(*.bin)"]
        onAccepted: popup.filename = popup.localPath(fileUrl)
        onRejected: popup.filename = ""
    }

    contentItem: Item {
        VPopupBand {
            id: band
            text: qsTr("Update firmware")
        }

        VLineButton {
            id: fileRow
            objectName: "fileRow"
            anchors.top: band.bottom
            anchors.left: parent.left
            anchors.leftMargin: 10
            width: parent.width - 10
            visible: !popup.isInUpdate
            label: qsTr("File selection:")
            buttonValue: qsTr("Open")
            // From the home folder each time: the dialog keeps where the last choice was made.
            btn.onClick: function() {
                fileDialog.openAtHome()
            }
        }

        Text {
            objectName: "fileName"
            anchors.top: fileRow.bottom
            anchors.topMargin: 10
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: 10
            text: popup.filename
            color: Theme.text
            wrapMode: Text.WrapAnywhere
            font.pixelSize: textFontSize
        }

        VProgressBar {
            id: bar
            anchors.bottom: buttons.top
            anchors.bottomMargin: 20
            anchors.left: parent.left
            anchors.leftMargin: 30
            anchors.right: parent.right
            anchors.rightMargin: 30
            visible: popup.isInUpdate
            from: 0
            to: 1
            value: 0
        }

        Item {
            id: buttons
            anchors.bottom: parent.bottom
            width: parent.width
            height: 60

            VButton {
                objectName: "updateButton"
                anchors.centerIn: parent
                visible: !popup.isInUpdate
                // Nothing to send until a file is chosen.
                enabled: popup.filename !== ""
                l_text: qsTr("Update")
                onClick: function() { popup.startUpdate() }
            }
        }
    }
}
