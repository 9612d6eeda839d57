import QtQuick 2.15
import "../theme"

// The error text under a row; it takes room only while it shows.
Text {
    property bool shown: false

    visible: shown && text !== ""
    color: Theme.error
    wrapMode: Text.WordWrap
    font.pixelSize: textErrorFontSize
}
