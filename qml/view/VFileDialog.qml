import QtQuick 2.15
import QtQuick.Dialogs 1.3

// A file dialog made when it is first opened, not with its page: each one is
// a whole window of the classic controls, built at start and held for nothing.
QtObject {
    id: lazy

    property string title
    property bool selectExisting: true
    // A folder is chosen, not a file.
    property bool selectFolder: false
    property string defaultSuffix
    property var nameFilters: []
    property url folder
    // The dialog once made.
    property var dialog: null
    readonly property bool visible: dialog ? dialog.visible : false
    readonly property var shortcuts: dialog ? dialog.shortcuts : ({})
    // The file and the file type of the last choice, set from the dialog
    // itself as it is accepted, before accepted() is emitted. Not bound to
    // the dialog's: its accepted() comes before fileUrl says it changed, so a
    // binding would still hold the choice before this one.
    property url fileUrl
    property string selectedNameFilter

    signal accepted()
    signal rejected()

    // The dialog names the folders of its side bar once, as it is made: after
    // a change of language it is made anew on its next opening.
    property Connections languageWatch: Connections {
        target: backend
        function onCurrentLanguageChanged() {
            if (lazy.dialog && !lazy.dialog.visible) {
                lazy.dialog.destroy()
                lazy.dialog = null
            }
        }
    }

    onFolderChanged: {
        if (dialog && dialog.folder !== folder)
            dialog.folder = folder
    }

    property Component maker: Component {
        FileDialog {
            title: lazy.title
            selectExisting: lazy.selectExisting
            selectFolder: lazy.selectFolder
            defaultSuffix: lazy.defaultSuffix
            nameFilters: lazy.nameFilters
            onAccepted: {
                lazy.fileUrl = fileUrl
                lazy.selectedNameFilter = selectedNameFilter
                lazy.accepted()
            }
            onRejected: lazy.rejected()
        }
    }

    // Always from the home folder, not where the last choice was made.
    function openAtHome() {
        if (!dialog)
            dialog = maker.createObject(lazy)
        dialog.folder = dialog.shortcuts.home
        folder = dialog.folder
        dialog.open()
    }

    function close() {
        if (dialog)
            dialog.close()
    }
}
