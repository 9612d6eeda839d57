import QtQuick 2.15
import "../view"
import "../theme"

// A question's body: the title band, the message and two answers side by
// side, each at least `buttonWidth` wide and wider for a longer text.
Column {
    id: body

    property alias title: band.text
    property alias message: messageText.text
    property alias messageItem: messageText
    property alias firstText: firstButton.l_text
    property alias secondText: secondButton.l_text
    property alias first: firstButton
    property alias second: secondButton
    property real buttonWidth: 0

    VPopupBand {
        id: band
    }

    Text {
        id: messageText
        width: parent.width
        padding: 30
        color: Theme.text
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: textFontSize
    }

    Item {
        width: parent.width
        height: 60

        Row {
            anchors.centerIn: parent
            spacing: 20

            VButton {
                id: firstButton
                width: Math.max(body.buttonWidth, implicitWidth)
            }

            VButton {
                id: secondButton
                width: Math.max(body.buttonWidth, implicitWidth)
            }
        }
    }
}
