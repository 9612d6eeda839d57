import QtQuick 2.15
import "../view"
import "../theme"

// Errors and warnings; grows with its message and, when given, the detail
// below it (what went wrong in particular).
VPopupBase {
    id: popup

    readonly property alias title: band.text
    readonly property alias message: messageText.text
    readonly property alias detail: detailText.text

    function showWithParams(titleParams, msgParams, detailParams) {
        band.text = titleParams
        messageText.text = msgParams
        detailText.text = detailParams ? detailParams : ""
        open()
    }

    width: 600
    height: 50 + messageText.implicitHeight + (detailText.visible ? detailText.implicitHeight : 0) + 60

    // Return or Space takes the OK button, which the keyboard is on.
    onOpened: okButton.keyTarget.forceActiveFocus(Qt.TabFocusReason)

    contentItem: Column {
        Keys.onReturnPressed: popup.close()
        Keys.onEnterPressed: popup.close()
        Keys.onSpacePressed: popup.close()

        VPopupBand {
            id: band

            Image {
                objectName: "closeIcon"
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                anchors.margins: 10
                width: height
                source: "../images/icons/contents/close.png"
                fillMode: Image.PreserveAspectFit

                MouseArea {
                    anchors.fill: parent
                    onClicked: popup.close()
                }
            }
        }

        Text {
            id: messageText
            width: parent.width
            padding: 40
            // The detail follows closely; the room under both stays the same.
            bottomPadding: detailText.visible ? 10 : 40
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        // Selectable: it may hold a command to copy.
        TextEdit {
            id: detailText
            objectName: "detailText"
            width: parent.width
            leftPadding: 40
            rightPadding: 40
            bottomPadding: 30
            visible: text !== ""
            readOnly: true
            selectByMouse: true
            color: Theme.text
            selectionColor: Theme.selection
            selectedTextColor: Theme.textOnDark
            horizontalAlignment: TextEdit.AlignHCenter
            wrapMode: TextEdit.Wrap
            font.pixelSize: textErrorFontSize
        }

        Item {
            width: parent.width
            height: 60

            VButton {
                id: okButton
                objectName: "okButton"
                anchors.centerIn: parent
                l_text: "OK"
                onClick: function() { popup.close() }
            }
        }
    }
}
