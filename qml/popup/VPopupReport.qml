import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"
import "../view/form.js" as Form
import "reportfields.js" as Fields

// The commissioning report of the connected module, or of the modules ticked
// in the line view: site, technician and perhaps a reference settings file,
// then the PDF's name. The modules are read anew, so it takes a while; the
// popup stays until it has said how it went.
VPopupBase {
    id: popup

    // Opened for the line view's modules (`slaves`), else for the connected one.
    property bool forLine: false
    property var slaves: []
    // A settings file as the dialog gives it; empty for none.
    property string referenceFile: ""
    // How the last report ended, shown until the next one starts.
    property string resultText: ""
    property bool resultOk: false
    // reportEnd is for the popup that started the report.
    property bool awaiting: false

    readonly property bool busy: commissioningReport.busy
    readonly property alias siteField: siteField
    readonly property alias technicianField: technicianField
    readonly property alias saveDialog: saveDialog
    readonly property alias referenceDialog: referenceDialog

    function openForModule() {
        forLine = false
        slaves = []
        show()
    }

    // `slaveList` as the operator confirmed it: the report covers these and no other.
    function openForLine(slaveList) {
        forLine = true
        slaves = slaveList.slice()
        show()
    }

    function show() {
        siteField.text = Fields.site
        technicianField.text = Fields.technician
        referenceFile = Fields.reference
        resultText = ""
        open()
    }

    function remember() {
        Fields.site = siteField.text
        Fields.technician = technicianField.text
        Fields.reference = referenceFile
    }

    function chooseReference() {
        if (!busy)
            referenceDialog.openAtHome()
    }

    function clearReference() {
        referenceFile = ""
        remember()
    }

    function chooseFile() {
        if (busy)
            return
        remember()
        saveDialog.openAtHome()
    }

    // `file` is a path or a file: URL, as the dialog gives it.
    function write(file) {
        if (busy)
            return
        remember()
        var path = Fields.withPdfEnding(Form.localPath(file))
        var reference = referenceFile === "" ? "" : Form.localPath(referenceFile)
        resultText = ""
        awaiting = true
        if (forLine) {
            commissioningReport.workOn(slaves)
            commissioningReport.writeLine(path, siteField.text, technicianField.text, reference)
        } else {
            commissioningReport.writeModule(path, siteField.text, technicianField.text, reference)
        }
    }

    function subjectText() {
        if (forLine)
            return qsTr("The ticked modules (slave address): %1").arg(slaves.join(", "))
        return qsTr("The connected module, slave address %1").arg(backend.connectionState ? backend.linkSettings().slaveAddress : "")
    }

    width: parent ? Math.min(parent.width - 40, 620) : 620
    height: Math.min(body.implicitHeight, parent ? parent.height - 40 : 560)
    // Not closed while the modules are being read: the outcome would go unseen.
    closePolicy: busy ? Popup.NoAutoClose : Popup.CloseOnEscape

    onOpened: siteField.forceActiveFocus(Qt.TabFocusReason)

    Connections {
        target: commissioningReport
        function onReportEnd(ok, message) {
            if (!popup.awaiting)
                return
            popup.awaiting = false
            popup.resultOk = ok
            popup.resultText = message
            if (popup.opened)
                closeButton.keyTarget.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    VFileDialog {
        id: saveDialog
        objectName: "reportFileDialog"
        title: qsTr("Save the commissioning report")
        selectExisting: false
        // The dialog then asks before a file of that name is replaced.
        defaultSuffix: "pdf"
        nameFilters: [qsTr("PDF files") + " (*.pdf)"]
        onAccepted: popup.write(String(fileUrl))
    }

    VFileDialog {
        id: referenceDialog
        objectName: "referenceFileDialog"
        title: qsTr("Choose the reference settings file")
        nameFilters: [qsTr("Settings files") + " (*.json)", qsTr("All files") + " (*)"]
        onAccepted: {
            popup.referenceFile = String(fileUrl)
            popup.remember()
        }
    }

    FontMetrics {
        id: labelMetrics
        font.pixelSize: textFontSize
    }

    contentItem: Column {
        id: body

        readonly property real margin: 20
        readonly property real innerWidth: width - 2 * margin
        // The widest label in the language shown.
        readonly property real labelWidth: Math.ceil(Math.max(labelMetrics.advanceWidth(siteLabel.text),
                                                              labelMetrics.advanceWidth(technicianLabel.text),
                                                              labelMetrics.advanceWidth(referenceLabel.text))) + 15

        bottomPadding: 10
        spacing: 8

        VPopupBand {
            text: qsTr("Commissioning report")
        }

        Text {
            objectName: "subject"
            x: body.margin
            width: body.innerWidth
            topPadding: 6
            text: popup.subjectText()
            color: Theme.text
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        Item {
            x: body.margin
            width: body.innerWidth
            height: siteField.height

            Text {
                id: siteLabel
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Site")
                color: Theme.text
                font.pixelSize: textFontSize
            }

            VTextField {
                id: siteField
                objectName: "siteField"
                x: body.labelWidth
                width: parent.width - x
                horizontalAlignment: TextInput.AlignLeft
                enabled: !popup.busy
            }
        }

        Item {
            x: body.margin
            width: body.innerWidth
            height: technicianField.height

            Text {
                id: technicianLabel
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Technician")
                color: Theme.text
                font.pixelSize: textFontSize
            }

            VTextField {
                id: technicianField
                objectName: "technicianField"
                x: body.labelWidth
                width: parent.width - x
                horizontalAlignment: TextInput.AlignLeft
                enabled: !popup.busy
            }
        }

        // Optional: its values go beside the module's, the differences marked.
        Item {
            x: body.margin
            width: body.innerWidth
            height: Math.max(referenceButtons.height, referenceLabel.implicitHeight)

            Text {
                id: referenceLabel
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Reference file")
                color: Theme.text
                font.pixelSize: textFontSize
            }

            Row {
                id: referenceButtons
                x: body.labelWidth
                spacing: 10

                VButton {
                    objectName: "chooseReferenceButton"
                    enabled: !popup.busy
                    l_text: qsTr("Choose…")
                    onClick: function() { popup.chooseReference() }
                }

                VButton {
                    objectName: "clearReferenceButton"
                    enabled: !popup.busy && popup.referenceFile !== ""
                    l_text: qsTr("Clear")
                    onClick: function() { popup.clearReference() }
                }
            }
        }

        Text {
            objectName: "referencePath"
            x: body.margin + body.labelWidth
            width: body.innerWidth - body.labelWidth
            text: popup.referenceFile !== "" ? Form.localPath(popup.referenceFile)
                                             : qsTr("None (optional)")
            color: popup.referenceFile !== "" ? Theme.text : Theme.faintText
            // Paths have no spaces to break at.
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            maximumLineCount: 2
            elide: Text.ElideRight
            font.pixelSize: textErrorFontSize + 2
        }

        VSeparator { height: 20 }

        Column {
            objectName: "progress"
            x: body.margin
            width: body.innerWidth
            visible: popup.busy
            spacing: 4

            Text {
                objectName: "progressText"
                text: qsTr("Reading the modules: %1 of %2 done").arg(commissioningReport.done).arg(commissioningReport.total)
                color: Theme.text
                font.pixelSize: textFontSize
            }

            VProgressBar {
                objectName: "progressBar"
                width: parent.width
                from: 0
                to: Math.max(1, commissioningReport.total)
                value: commissioningReport.done
            }
        }

        // Where the report went, or why there is none.
        Text {
            objectName: "result"
            x: body.margin
            width: body.innerWidth
            visible: text !== "" && !popup.busy
            text: popup.resultText
            color: popup.resultOk ? Theme.ok : Theme.error
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: textFontSize
        }

        Item {
            width: parent.width
            height: 50

            Row {
                anchors.centerIn: parent
                spacing: 20

                VButton {
                    id: saveButton
                    objectName: "saveReportButton"
                    width: Math.max(180, implicitWidth)
                    enabled: !popup.busy
                    l_text: qsTr("Save report…")
                    onClick: function() { popup.chooseFile() }
                }

                VButton {
                    id: closeButton
                    objectName: "closeReportButton"
                    enabled: !popup.busy
                    l_text: qsTr("Close")
                    onClick: function() { popup.close() }
                }
            }
        }
    }
}
