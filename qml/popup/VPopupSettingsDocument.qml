import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form

// A settings file edited without a module (settingsDocument): its values in
// the pages' sections, each judged as the pages judge it, saved back or as a
// new file. Nothing here reaches a module.
VPopupBase {
    id: popup

    readonly property alias rows: entryModel
    readonly property alias question: question
    readonly property alias saveDialog: saveDialog
    // Said after a save, until the next change.
    property string savedText: ""
    readonly property int lineFontSize: textFontSize - 2

    // The file chosen in the dialog (a path or a file: URL); a refused file
    // is named in an alert and nothing opens.
    function openFile(file) {
        if (!settingsDocument.openFile(file)) {
            popupAlert.showWithParams(qsTr("Settings file refused"), settingsDocument.lastError)
            return false
        }
        show()
        return true
    }

    function newFile() {
        settingsDocument.newFile()
        show()
    }

    function show() {
        savedText = ""
        takeEntries(true)
        flick.contentY = 0
        open()
    }

    // Filled anew for another file; otherwise only what changed is set, so
    // the field being typed in keeps its place and the keyboard.
    function takeEntries(anew) {
        var entries = settingsDocument.entries
        if (anew || entries.length !== entryModel.count) {
            entryModel.clear()
            for (var i = 0; i < entries.length; ++i)
                entryModel.append(row(entries[i], i === 0 || entries[i].section !== entries[i - 1].section))
            return
        }
        for (var j = 0; j < entries.length; ++j) {
            var now = row(entries[j], entryModel.get(j).first)
            var old = entryModel.get(j)
            for (var role in now) {
                if (old[role] !== now[role])
                    entryModel.setProperty(j, role, now[role])
            }
        }
    }

    // A list model takes no list of texts: the choices go as one JSON text.
    function row(e, first) {
        return { key: e.key, section: e.section, label: e.label, unit: e.unit || "", kind: e.kind,
                 valueText: String(e.value), choicesText: JSON.stringify(e.choices || []),
                 digits: e.digits || 0, error: e.error || "", first: first }
    }

    function sectionTitle(section) {
        return section === "home" ? qsTr("Main page") : qsTr("Module & communication settings")
    }

    function setValue(key, value) {
        savedText = ""
        settingsDocument.setValue(key, value)
    }

    function save() {
        if (!settingsDocument.valid || settingsDocument.path === "")
            return
        if (settingsDocument.save())
            savedText = qsTr("Saved to %1.").arg(Form.localPath(settingsDocument.path))
        else
            popupAlert.showWithParams(qsTr("The file was not saved"), settingsDocument.lastError)
    }

    function saveAs(file) {
        if (settingsDocument.saveAs(file))
            savedText = qsTr("Saved to %1.").arg(Form.localPath(settingsDocument.path))
        else
            popupAlert.showWithParams(qsTr("The file was not saved"), settingsDocument.lastError)
    }

    // Changes not saved are asked about first.
    function requestClose() {
        if (!settingsDocument.modified) {
            close()
            return
        }
        question.ask(qsTr("Close without saving?"),
                     qsTr("The changes to this settings file are not saved."),
                     qsTr("Keep editing"), qsTr("Close without saving"),
                     null, function() { popup.close() })
    }

    width: parent ? Math.min(parent.width - 40, 760) : 760
    height: parent ? parent.height - 40 : 560
    // Escape and Close ask first while there are changes.
    closePolicy: Popup.NoAutoClose

    // Tab goes on to the first field.
    onOpened: body.forceActiveFocus()
    onClosed: settingsDocument.close()

    ListModel { id: entryModel }

    Connections {
        target: settingsDocument
        function onChanged() {
            if (popup.visible)
                popup.takeEntries(false)
        }
    }

    VFileDialog {
        id: saveDialog
        objectName: "documentSaveDialog"
        title: qsTr("Save the settings file")
        selectExisting: false
        // A name typed without an ending is saved as .json.
        defaultSuffix: "json"
        nameFilters: [qsTr("Settings files") + " (*.json)", qsTr("All files") + " (*)"]
        onAccepted: popup.saveAs(String(fileUrl))
    }

    VPopupQuestion {
        id: question
        objectName: "documentQuestion"
        parent: popup.parent
        height: 50 + messageItem.implicitHeight + 60
    }

    FontMetrics {
        id: buttonMetrics
        font.pixelSize: textFontSize
    }

    function buttonWidth(text) {
        return Math.max(120, Math.ceil(buttonMetrics.advanceWidth(text)) + 30)
    }

    contentItem: Item {
        id: body
        focus: true
        Keys.onEscapePressed: popup.requestClose()

        VPopupBand {
            id: band
            text: qsTr("Settings file")
        }

        Column {
            id: head
            anchors.top: band.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20
            anchors.topMargin: 10
            spacing: 4

            Text {
                objectName: "pathText"
                width: parent.width
                text: settingsDocument.path !== "" ? Form.localPath(settingsDocument.path) : qsTr("New file")
                color: Theme.text
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                font.pixelSize: textFontSize
                font.bold: true
            }

            Text {
                objectName: "moduleText"
                width: parent.width
                text: settingsDocument.serialNumber !== ""
                      ? qsTr("Read from module %1, firmware %2").arg(settingsDocument.serialNumber)
                                                                .arg(settingsDocument.firmwareVersion)
                      : qsTr("Not read from a module")
                color: Theme.faintText
                wrapMode: Text.WordWrap
                font.pixelSize: popup.lineFontSize
            }

            Text {
                objectName: "unknownNote"
                width: parent.width
                visible: settingsDocument.unknownKeys.length > 0
                text: qsTr("Kept in the file, never written to a module: %1").arg(settingsDocument.unknownKeys.join(", "))
                color: Theme.faintText
                wrapMode: Text.WordWrap
                font.pixelSize: popup.lineFontSize
            }
        }

        VFollowFocus {
            flickable: flick
        }

        Flickable {
            id: flick
            objectName: "documentRows"
            anchors.top: head.bottom
            anchors.topMargin: 6
            anchors.bottom: status.top
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 10
            contentWidth: width
            contentHeight: rowColumn.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: rowColumn
                width: flick.width - 15

                Repeater {
                    model: entryModel

                    Column {
                        id: entryRow
                        objectName: model.key
                        width: rowColumn.width

                        readonly property string key: model.key
                        readonly property string kind: model.kind
                        readonly property string valueText: model.valueText
                        readonly property var choices: JSON.parse(model.choicesText)
                        readonly property int digits: model.digits
                        readonly property bool inError: model.error !== ""
                        readonly property alias errorText: errorText

                        Text {
                            objectName: "sectionTitle"
                            visible: model.first
                            topPadding: index === 0 ? 4 : 14
                            bottomPadding: 4
                            text: popup.sectionTitle(model.section)
                            color: Theme.text
                            font.pixelSize: textFontSize
                            font.bold: true
                        }

                        Item {
                            width: parent.width
                            height: Math.max(label.implicitHeight, 41) + 8

                            VRowLabel {
                                id: label
                                beside: fieldCell
                                text: model.label
                            }

                            Item {
                                id: fieldCell
                                anchors.right: unitText.left
                                anchors.rightMargin: 8
                                anchors.verticalCenter: parent.verticalCenter
                                width: Theme.controlWidth
                                height: 41

                                Loader {
                                    objectName: "fieldLoader"
                                    anchors.fill: parent
                                    sourceComponent: entryRow.kind === "choice" ? choiceField
                                                   : entryRow.kind === "flag" ? flagField : textField
                                }
                            }

                            Text {
                                id: unitText
                                objectName: "unit"
                                anchors.right: parent.right
                                anchors.verticalCenter: parent.verticalCenter
                                width: 60
                                text: model.unit
                                color: Theme.text
                                elide: Text.ElideRight
                                font.pixelSize: textFontSize
                            }
                        }

                        VErrorText {
                            id: errorText
                            objectName: "error"
                            width: parent.width - 20
                            shown: entryRow.inError
                            text: model.error
                        }

                        // Numbers take digits only, as many as the module's field;
                        // a date is typed as yyyy-MM-dd.
                        Component {
                            id: textField
                            VTextField {
                                objectName: "field"
                                width: Theme.controlWidth
                                height: 41
                                text: entryRow.valueText
                                isError: entryRow.inError
                                placeholderText: entryRow.kind === "date" ? "yyyy-MM-dd" : ""
                                maximumLength: entryRow.kind === "number" && entryRow.digits > 0 ? entryRow.digits
                                             : entryRow.kind === "date" ? 10 : 32767
                                validator: entryRow.kind === "number" ? digitsOnly
                                         : entryRow.kind === "date" ? dateChars : null
                                onTextEdited: popup.setValue(entryRow.key, text)
                            }
                        }

                        Component {
                            id: choiceField
                            VComboBox {
                                objectName: "field"
                                width: Theme.controlWidth
                                height: 41
                                model: entryRow.choices
                                currentIndex: Number(entryRow.valueText)
                                isError: entryRow.inError
                                onActivated: popup.setValue(entryRow.key, index)
                            }
                        }

                        Component {
                            id: flagField
                            Item {
                                VCheckBox {
                                    objectName: "field"
                                    anchors.centerIn: parent
                                    isSelect: entryRow.valueText === "true"
                                    onClick: function() {
                                        popup.setValue(entryRow.key, isSelect)
                                        isSelect = Qt.binding(function() { return entryRow.valueText === "true" })
                                    }
                                }
                            }
                        }
                    }
                }
            }

            ScrollBar.vertical: ScrollBar {
                policy: rowColumn.height > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                contentItem: Rectangle {
                    implicitWidth: 10
                    implicitHeight: 100
                    radius: width / 2
                    color: Theme.scrollHandle
                }
            }
        }

        RegularExpressionValidator {
            id: digitsOnly
            regularExpression: /[0-9]*/
        }

        RegularExpressionValidator {
            id: dateChars
            regularExpression: /[0-9-]*/
        }

        // Why it cannot be saved, or where it was.
        Text {
            id: status
            objectName: "statusText"
            anchors.bottom: buttons.top
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            topPadding: 6
            text: !settingsDocument.valid ? qsTr("Values marked in red are not taken by a module: the file is not saved while one is.")
                                          : popup.savedText
            color: !settingsDocument.valid ? Theme.error : Theme.ok
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: popup.lineFontSize
        }

        Item {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            anchors.rightMargin: 20
            height: 60

            Row {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                VButton {
                    objectName: "saveButton"
                    width: popup.buttonWidth(l_text)
                    enabled: settingsDocument.valid && settingsDocument.path !== ""
                    l_text: qsTr("Save")
                    onClick: function() { popup.save() }
                }

                VButton {
                    objectName: "saveAsButton"
                    width: popup.buttonWidth(l_text)
                    enabled: settingsDocument.valid
                    l_text: qsTr("Save as…")
                    onClick: function() { saveDialog.openAtHome() }
                }

                VButton {
                    id: closeButton
                    objectName: "closeButton"
                    width: popup.buttonWidth(l_text)
                    l_text: qsTr("Close")
                    onClick: function() { popup.requestClose() }
                }
            }
        }
    }
}
