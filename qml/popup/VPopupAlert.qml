import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"

// Errors and warnings; grows with its message.
Popup {
    id: popup

    readonly property alias title: titleText.text
    readonly property alias message: messageText.text

    function showWithParams(titleParams, msgParams) {
        titleText.text = titleParams
        messageText.text = msgParams
        open()
    }

    parent: Overlay.overlay
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: 600
    height: 50 + messageText.implicitHeight + 60
    modal: true
    focus: true
    padding: 0

    background: Rectangle { color: "white" }

    contentItem: Column {
        Rectangle {
            width: parent.width
            height: 50
            color: "black"

            Text {
                id: titleText
                anchors.centerIn: parent
                color: "white"
                font.pixelSize: titlePopupFontSize
            }

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
            color: "black"
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
