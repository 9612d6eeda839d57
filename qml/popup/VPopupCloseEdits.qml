import QtQuick 2.15

// Asked when the window is closed while a page holds changes not yet
// applied to the module: closing loses them.
VPopupCloseQuestion {
    // The titles of the pages with such changes, set by the owner as the window closes.
    property var pages: []

    askNeeded: pages.length > 0
    title: qsTr("Changes not applied")
    message: qsTr("Changes have not been applied to the module; closing now loses them.")
             + "\n\n" + pages.join("\n")
    keepText: qsTr("Keep editing")
    closeText: qsTr("Close anyway")
}
