import QtQuick 2.15
import "../view"
import "../theme"

// Errors and warnings; grows with its message.
VPopupBase {
    id: popup

    readonly property alias title: band.text
    readonly property alias message: messageText.text

    function showWithParams(titleParams, msgParams) {
        band.text = titleParams
        messageText.text = msgParams
        open()
    }

    width: 600
    height: 50 + messageText.implicitHeight + 60

    contentItem: Column {
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
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        Item {
            width: parent.width
            height: 60

            VButton {
                objectName: "okButton"
                anchors.centerIn: parent
                l_text: "OK"
                onClick: function() { popup.close() }
            }
        }
    }
}
