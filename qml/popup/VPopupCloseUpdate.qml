import QtQuick 2.15

// Asked when the window is closed while a firmware update runs: leaving then
// ends the update halfway, with the module in its bootloader.
VPopupCloseQuestion {
    // Bound by the owner to the update's state; the question goes when the update ends.
    property bool updateRunning: false

    askNeeded: updateRunning
    title: qsTr("Firmware update running")
    message: qsTr("An update is running; closing now leaves the module in its bootloader")
    keepText: qsTr("Keep updating")
    closeText: qsTr("Close anyway")

    onUpdateRunningChanged: if (!updateRunning) close()
}
